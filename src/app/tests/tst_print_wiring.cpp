// Printing from the main window: the commands on a sample template of the shipped database, printed into
// PDF files in place of the printers, the history rows they log, the last print and the offset row.

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include "app/catalogue_wiring.h"
#include "app/frmmain.h"
#include "app/print_wiring.h"
#include "apptesthelpers.h"
#include "core/globalsettings.h"
#include "core/ids.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/interfaces.h"
#include "printing/page_composition.h"
#include "printing/printblock.h"
#include "printing/renderer.h"
#include "widgets/catalogue_tree.h"
#include "widgets/fillin_panel.h"
#include "widgets/fillin_store.h"

using namespace op::app;

namespace {

const QString kValue = QStringLiteral("测试收货人 PW-2024");

bool hasMessage(const RecordingSink &sink, const QString &text) {
  for (const RecordedMessage &message : sink.messages)
    if (message.text == text) return true;
  return false;
}

// The page of a one-page PDF as an image; null when pdftoppm is not there.
QImage renderPdf(const QString &pdf, const QString &stem) {
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) return {};
  if (QProcess::execute(pdftoppm, {"-r", "40", "-png", "-singlefile", pdf, stem}) != 0) return {};
  return QImage(stem + QStringLiteral(".png"));
}

bool hasInk(const QImage &page) {
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) return true;
  return false;
}

int pdfPages(const QString &pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith("%PDF")) return -1;
  return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/"));
}

}  // namespace

class TestPrintWiring : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDataFolder> folder;
  std::unique_ptr<RecordingSink> sink;
  std::unique_ptr<op::Database> db;
  std::unique_ptr<TFrmMain> window;
  CatalogueWiring catalogue;
  PrintWiring *printing = nullptr;
  QStringList pdfs;           // every PDF a printer was opened for, in order
  bool printersThere = true;  // false: the opener answers "no printers"

  QString nextPdf() { return folder->dir.filePath(QStringLiteral("print%1.pdf").arg(pdfs.size() + 1)); }

  // Sets `value` into the first field of the open template that takes a value.
  QString fillFirstField(const QString &value) {
    for (op::QelField *field : catalogue.panel->fields()) {
      auto *element = dynamic_cast<op::IQELElment *>(field);
      auto *runData = element ? op::query<op::IQELRunData>(element->GetDesign()) : nullptr;
      if (!runData) continue;
      runData->SetRunValue(value);
      return field->GetID();
    }
    return {};
  }
  int historyCount() { return printing->history().countAll(); }
  int cacheRows(const QString &key) {
    auto statement = db->NewStatement(QStringLiteral("select count(*) as c from PP_PrintDataChache where md5 = :md5"));
    statement->bind(QStringLiteral("md5"), key);
    statement->open();
    return statement->next() ? statement->toInt(QStringLiteral("c")) : -1;
  }
  QString backgroundKey() { return op::md5Hex(catalogue.panel->currentDocument()->ImageData().toLatin1()); }

 private slots:
  void init() {
    op::GlobalSettings::instance().reset();
    folder = std::make_unique<TestDataFolder>();
    sink = std::make_unique<RecordingSink>();
    db = op::OpenDatabase(folder->databasePath());
    window = std::make_unique<TFrmMain>();
    window->setDataDir(folder->path());
    window->setDatabase(db.get());
    catalogue = wireCatalogue(*window, *db);
    QVERIFY(catalogue.panel->currentDocument());
    printing = wirePrinting(*window, *db, *catalogue.panel);
    pdfs.clear();
    printersThere = true;
    printing->setPrinterOpener([this](int, op::PrinterChoice &choice) -> std::unique_ptr<op::PrintTarget> {
      if (!printersThere) {
        choice = op::PrinterChoice::NoPrinters;
        return nullptr;
      }
      choice = op::PrinterChoice::Chosen;
      pdfs << nextPdf();
      return std::make_unique<op::PdfTarget>(pdfs.last(), 300);
    });
  }
  void cleanup() {
    window.reset();
    db.reset();
    sink.reset();
    folder.reset();
  }

  void commandsEnabled() {
    for (MainCommand id : {MainCommand::Print, MainCommand::QuickPrint, MainCommand::PrintLast, MainCommand::RepeatLast,
                           MainCommand::History})
      QVERIFY(window->command(id)->isEnabled());
    QVERIFY(window->quickPrintButton()->isEnabled());
    QVERIFY(op::HasBackgroundLookup());
    QVERIFY(op::HasBarcodeDrawer());
    window.reset();
    QVERIFY(!op::HasBackgroundLookup());
    QVERIFY(!op::HasBarcodeDrawer());
  }

  void quickPrintLogsAndPrintLastReprints() {
    QVERIFY(!fillFirstField(kValue).isEmpty());
    const int before = historyCount();
    window->command(MainCommand::QuickPrint)->trigger();
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(pdfPages(pdfs[0]), 1);
    for (const RecordedMessage &message : sink->messages) QVERIFY2(false, qPrintable(message.text));

    QCOMPARE(historyCount(), before + 1);
    const op::HistoryRow row = printing->history().list(nullptr, 0, 1).value(0);
    QCOMPARE(row.title, catalogue.panel->title());
    QCOMPARE(row.opId, -99);
    QCOMPARE(row.opName, QStringLiteral("admin"));
    const auto record = printing->history().readRecord(row.innerid);
    QVERIFY(record);
    const auto items = op::ReadPrintBlockItems(record->block);
    QVERIFY(items && items->size() > 1);
    QCOMPARE(items->front().backgroundKey(), backgroundKey());
    QVERIFY(std::any_of(items->begin(), items->end(), [](const op::PrintItem &i) { return i.text() == kValue; }));
    QCOMPARE(cacheRows(backgroundKey()), 1);
    QVERIFY(!printing->history().cachedBackground(backgroundKey()).isNull());
    QVERIFY(QFile::exists(folder->dir.filePath(QStringLiteral("LastPrintInfo.dat"))));

    // The value changes, but print last draws what the last copy printed.
    fillFirstField(QStringLiteral("别的内容"));
    window->command(MainCommand::PrintLast)->trigger();
    QCOMPARE(pdfs.size(), 2);
    QCOMPARE(pdfPages(pdfs[1]), 1);
    QVERIFY(sink->messages.isEmpty());
    QCOMPARE(historyCount(), before + 1);  // a reprint is not logged again
    const QImage first = renderPdf(pdfs[0], folder->dir.filePath(QStringLiteral("first")));
    if (first.isNull()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QVERIFY(hasInk(first));
    const QImage again = renderPdf(pdfs[1], folder->dir.filePath(QStringLiteral("again")));
    QCOMPARE(again, first);
  }

  void sameTemplateTwiceSharesTheCacheRow() {
    const int before = historyCount();
    window->command(MainCommand::QuickPrint)->trigger();
    window->command(MainCommand::Print)->trigger();
    QCOMPARE(pdfs.size(), 2);
    QCOMPARE(historyCount(), before + 2);
    QCOMPARE(cacheRows(backgroundKey()), 1);
  }

  void layoutCopiesPerSheet_data() {
    QTest::addColumn<bool>("useLayout");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("copies");
    QTest::newRow("layout off") << false << 3 << 2 << 1;
    QTest::newRow("2 x 2") << true << 2 << 2 << 4;
    QTest::newRow("3 x 1") << true << 3 << 1 << 3;
    QTest::newRow("counts 0 give one copy") << true << 0 << 0 << 1;
  }
  void layoutCopiesPerSheet() {
    QFETCH(bool, useLayout);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, copies);
    op::FillInWindowSettings &layout = catalogue.panel->windowSettings();
    layout = {useLayout, columns, 60, rows, 40, {}, false};
    const int before = historyCount();
    const op::QuickPrintResult result = printing->quickContinuousPrint();
    QCOMPARE(result.copies, copies);
    QCOMPARE(pdfs.size(), 1);  // one sheet, one document
    QCOMPARE(pdfPages(pdfs[0]), 1);
    QCOMPARE(historyCount(), before + copies);
  }

  void refusals_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("print without a template")
        << "close" << int(MainCommand::Print) << QStringLiteral("请先选择一个模板");
    QTest::newRow("quick print without a template")
        << "close" << int(MainCommand::QuickPrint) << QStringLiteral("请先选择一个模板");
    QTest::newRow("print without printers")
        << "noprinter" << int(MainCommand::Print) << QStringLiteral("未发现打印机!");
    QTest::newRow("layout without printers")
        << "noprinter layout" << int(MainCommand::QuickPrint) << QStringLiteral("未发现打印机!");
    QTest::newRow("print last before any print")
        << "" << int(MainCommand::PrintLast) << QStringLiteral("未发现上次打印的数据!");
  }
  void refusals() {
    QFETCH(QString, setup);
    QFETCH(int, command);
    QFETCH(QString, message);
    if (setup.contains("close")) catalogue.panel->closeTemplate();
    if (setup.contains("noprinter")) printersThere = false;
    if (setup.contains("layout")) catalogue.panel->windowSettings() = {true, 2, 50, 1, 50, {}, false};
    const int before = historyCount();
    window->command(MainCommand(command))->trigger();
    QVERIFY2(hasMessage(*sink, message), qPrintable(sink->messages.value(0).text));
    QVERIFY(pdfs.isEmpty());
    QCOMPARE(historyCount(), before);
  }

  void saveOffset_data() {
    QTest::addColumn<bool>("templateSelected");
    QTest::newRow("template node: stored") << true;
    QTest::newRow("category node: in memory only") << false;
  }
  void saveOffset() {
    QFETCH(bool, templateSelected);
    op::FillInPanel &panel = *catalogue.panel;
    QTreeWidget *tree = window->catalogueTree();
    QTreeWidgetItem *node = tree->currentItem();
    QVERIFY(node && op::CatalogueTree::isTemplate(node));
    if (!templateSelected) tree->setCurrentItem(node->parent());
    const QString innerId = panel.innerId();
    const QString storedBefore = op::readTemplateCustomData(*db, innerId).value_or(QString());

    const op::FillInOffsetRow &row = panel.offsetRow();
    row.pixels->setChecked(true);
    row.left->setText(QStringLiteral("-10"));
    row.top->setText(QStringLiteral(" 7"));
    row.save->click();

    QCOMPARE(panel.documentSettings().printLeft, -10);
    QCOMPARE(panel.documentSettings().printTop, 7);
    QCOMPARE(panel.documentSettings().printRealType, 0);
    const QString stored = op::readTemplateCustomData(*db, innerId).value_or(QString());
    if (templateSelected) {
      const op::TemplateOffset offset = op::ReadTemplateOffset(stored);
      QCOMPARE(offset.PrintLeft, -10);
      QCOMPARE(offset.PrintTop, 7);
      QCOMPARE(offset.RealType, 0);
      QVERIFY(offset.RealWidth > 0);  // the other keys stay
    } else {
      QCOMPARE(stored, storedBefore);
    }
    QVERIFY(sink->messages.isEmpty());

    // The next copy lands at the new offset: the history header records the origin.
    window->command(MainCommand::QuickPrint)->trigger();
    const auto record = printing->history().readRecord(printing->history().list(nullptr, 0, 1).value(0).innerid);
    QVERIFY(record);
    QCOMPARE(record->info.OffSetx, qint16(-10));
    QCOMPARE(record->info.OffSety, qint16(7));
  }

  void offsetNotANumber() {
    const op::FillInOffsetRow &row = catalogue.panel->offsetRow();
    row.left->setText(QStringLiteral("abc"));
    row.save->click();
    QVERIFY(hasMessage(*sink, QStringLiteral("打印偏移必须是整数!")));
    QCOMPARE(catalogue.panel->documentSettings().printLeft, 0);
  }
};

QTEST_MAIN(TestPrintWiring)
#include "tst_print_wiring.moc"
