#include "core/base64.h"
#include "core/ids.h"
#include "inkbox.h"
#include "printing/printblock.h"
#include "printing/printonecopy.h"
#include "printing/printrecord.h"

#include <QtTest>

using namespace op;

namespace {

// Hands PrintOneCopy a printer that the test keeps, so the page can be looked at afterwards.
class ForwardingTarget : public PrintTarget {
 public:
  explicit ForwardingTarget(PrintTarget &target) : target_(target) {}
  bool beginDocument(const QString &title) override { return target_.beginDocument(title); }
  bool newPage() override { return target_.newPage(); }
  bool endDocument() override {
    const bool ended = target_.endDocument();
    error_ = target_.errorString();
    return ended;
  }
  bool isPrinting() const override { return target_.isPrinting(); }
  QPainter *painter() override { return target_.painter(); }
  int dpiX() const override { return target_.dpiX(); }
  int dpiY() const override { return target_.dpiY(); }
  QString errorString() const override { return target_.errorString(); }

 private:
  PrintTarget &target_;
};

PrintItem textItem(ItemRect rect, qint32 color = 0) {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 12;
  item.FontColor = color;
  item.PrintRect = rect;
  item.setText(QStringLiteral("HEH"));
  return item;
}

struct Run {
  QStringList messages;
  QStringList notices;
  QList<int> lastInfo;
  QString historyTitle;
  QString historyText;
  QString storedKey;
  int advanced = 0;
  PrinterChoice choice = PrinterChoice::Chosen;
  PrintTarget *printer = nullptr;

  PrintEnvironment environment() {
    PrintEnvironment env;
    env.windowFont = ItemFont{QStringLiteral("宋体"), 9, false, false, false, false, kColorWindowText};
    env.openPrinter = [this](int, PrinterChoice &c) -> std::unique_ptr<PrintTarget> {
      c = choice;
      if (choice != PrinterChoice::Chosen || !printer) return nullptr;
      return std::make_unique<ForwardingTarget>(*printer);
    };
    env.showMessage = [this](const QString &, const QString &text, bool) { messages << text; };
    env.appendNotice = [this](const QString &line) { notices << line; };
    env.saveLastPrintInfo = [this](const QByteArray &, int left, int top) { lastInfo = {left, top}; };
    env.storeBackground = [this](const QString &key, const QString &) { storedKey = key; };
    env.saveHistory = [this](const QString &title, const QString &text) {
      historyTitle = title;
      historyText = text;
    };
    env.advanceDataGrid = [this] { ++advanced; };
    return env;
  }
};

PrintTemplate a4Template(std::vector<IQELPrintData *> sources) {
  PrintTemplate tpl;
  tpl.Title = QStringLiteral("快递单");
  tpl.RealWidth = 210;  // 794 × 1123 screen pixels at 96 dpi: design scale 1
  tpl.RealHeight = 297;
  tpl.DesignWidth = 794;
  tpl.DesignHeight = 1123;
  tpl.BackgroundText = QStringLiteral("_9j_4AAQ");
  tpl.BackgroundSize = QSize(794, 1123);
  tpl.Sources = std::move(sources);
  return tpl;
}

}  // namespace

class TestPrintOneCopy : public QObject {
  Q_OBJECT

 private slots:
  void stopsBeforePrinting_data() {
    QTest::addColumn<bool>("hasTemplate");
    QTest::addColumn<int>("realWidth");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("no template") << false << 210 << int(PrinterChoice::Chosen) << false << "请先选择一个模板";
    QTest::newRow("no real size") << true << 0 << int(PrinterChoice::Chosen) << false << "请设置模板的真实长宽";
    QTest::newRow("no printers") << true << 210 << int(PrinterChoice::NoPrinters) << false << "未发现打印机!";
    QTest::newRow("none selected") << true << 210 << int(PrinterChoice::NoneSelected) << false << "请选择打印机";
    QTest::newRow("dialog cancelled") << true << 210 << int(PrinterChoice::Cancelled) << true << "";
  }
  void stopsBeforePrinting() {
    QFETCH(bool, hasTemplate);
    QFETCH(int, realWidth);
    QFETCH(int, choice);
    QFETCH(bool, result);
    QFETCH(QString, message);
    Run run;
    run.choice = PrinterChoice(choice);
    PrintTemplate tpl = a4Template({});
    tpl.RealWidth = realWidth;
    QCOMPARE(PrintOneCopy(0, TPrintJobParams{}, hasTemplate ? &tpl : nullptr, run.environment()), result);
    QCOMPARE(run.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(run.historyText.isEmpty());
    QCOMPARE(run.advanced, 0);
  }

  void printsScaledAtOffsetsAndLogs() {
    ItemListSource first({textItem({96, 96, 496, 196}, 0xFF)});
    ItemListSource skipped({textItem({0, 0, 10, 10})});
    PrintTemplate tpl = a4Template({&first, nullptr, &skipped});
    tpl.PrintLeft = -10;  // millimetres: -118 pixels at 300 dpi
    tpl.PrintTop = 20;
    tpl.RealType = 1;
    ImageTarget page(QSize(2480, 3508), 300, 300);
    Run run;
    run.printer = &page;
    PrintEnvironment env = run.environment();
    env.global = GlobalOffsetSettings{true, 5, -7, 0};
    PrintCopyOutput out;
    QVERIFY(PrintOneCopy(1, TPrintJobParams{}, &tpl, env, &out));
    QVERIFY2(run.messages.isEmpty(), qPrintable(run.messages.join('\n')));

    const auto items = ReadPrintBlockItems(out.scaledBlock);
    QCOMPARE(items->size(), size_t(1));
    QCOMPARE(items->at(0).PrintRect, (ItemRect{300, 300, 1550, 612}));  // × 3.125
    QCOMPARE(out.originX, -118 + 5);
    QCOMPARE(out.originY, 236 - 7);
    QCOMPARE(run.lastInfo, (QList<int>{-113, 229}));
    QCOMPARE(run.notices, QStringList{"打印数据中有彩色文字，打印机可能不支持此功能而无打印结果"});
    QCOMPARE(run.advanced, 1);
    const QRect ink = inkBox(page.image());
    QVERIFY(!ink.isNull());
    QVERIFY(QRect(300 - 113 - 1, 300 + 229 - 1, 1252, 314).contains(ink));

    const QString key = md5Hex(tpl.BackgroundText.toLatin1());
    QCOMPARE(run.storedKey, key);
    QCOMPARE(run.historyTitle, tpl.Title);
    QCOMPARE(base64::decode(run.historyText.toLatin1(), base64::Slash::Keep), out.record);
    const auto record = ReadPrintRecord(out.record);
    QVERIFY(record);
    QCOMPARE(record->info.Title, tpl.Title);
    QCOMPARE(record->info.OffSetx, qint16(-113));
    QCOMPARE(record->info.OffSety, qint16(229));
    QCOMPARE(record->info.BkX, 1.0f);
    const auto logged = ReadPrintBlockItems(record->block);
    QCOMPARE(logged->size(), size_t(2));
    QCOMPARE(logged->at(0).PrintType, int(kPrintBackground));
    QCOMPARE(logged->at(0).backgroundKey(), key);
    QCOMPARE(logged->at(0).PrintRect, (ItemRect{0, 0, 794, 1123}));
    QCOMPARE(logged->at(0).FontName, QStringLiteral("宋体"));
    QCOMPARE(logged->at(0).FontColor, 0);
    QCOMPARE(logged->at(1).PrintRect, (ItemRect{96, 96, 496, 196}));  // unscaled
  }

  void emptyTemplateStillLogsBackground() {
    PrintTemplate tpl = a4Template({});
    ImageTarget page(QSize(100, 100), 300, 300);
    Run run;
    run.printer = &page;
    PrintCopyOutput out;
    QVERIFY(PrintOneCopy(1, TPrintJobParams{}, &tpl, run.environment(), &out));
    QCOMPARE(out.scaledBlock.size(), 36);
    QCOMPARE(ReadPrintBlockItems(out.scaledBlock)->size(), size_t(0));
    QCOMPARE(ReadPrintBlockItems(ReadPrintRecord(out.record)->block)->size(), size_t(1));
    QVERIFY(inkBox(page.image()).isNull());
  }

  void callerDocumentWithCellOffsets_data() {
    QTest::addColumn<int>("cellX");
    QTest::addColumn<int>("cellY");
    QTest::addColumn<qint16>("storedX");
    QTest::newRow("inside the page") << 150 << 200 << qint16(150);
    QTest::newRow("beyond 16 bits wraps") << 70000 << 200 << qint16(70000 - 65536);
  }
  void callerDocumentWithCellOffsets() {
    QFETCH(int, cellX);
    QFETCH(int, cellY);
    QFETCH(qint16, storedX);
    ItemListSource source({textItem({0, 0, 100, 30})});
    PrintTemplate tpl = a4Template({&source});
    ImageTarget page(QSize(400, 400), 96, 96);
    QVERIFY(page.beginDocument({}));
    Run run;
    TPrintJobParams job;
    job.OwnDocument = false;
    job.Printer = &page;
    job.CellOffsetX = cellX;
    job.CellOffsetY = cellY;
    PrintCopyOutput out;
    QVERIFY(PrintOneCopy(1, job, &tpl, run.environment(), &out));
    QVERIFY(page.isPrinting());  // the caller ends its document
    page.endDocument();
    QCOMPARE(out.originX, cellX);
    QCOMPARE(run.lastInfo, (QList<int>{0, 0}));  // without the cell offsets
    QCOMPARE(ReadPrintRecord(out.record)->info.OffSetx, storedX);
    QCOMPARE(ReadPrintRecord(out.record)->info.OffSety, qint16(cellY));
    QCOMPARE(run.advanced, 0);
    const QRect ink = inkBox(page.image());
    QVERIFY(ink.isNull() || QRect(cellX, cellY, 101, 31).contains(ink));
    QCOMPARE(ink.isNull(), cellX > 400);
  }

  void missingCallerPrinterStopsSilently() {
    PrintTemplate tpl = a4Template({});
    Run run;
    TPrintJobParams job;
    job.OwnDocument = false;
    QVERIFY(!PrintOneCopy(1, job, &tpl, run.environment()));
    QVERIFY(run.messages.isEmpty());
  }

  void failedPrintReturnsFalseAndDoesNotAdvance() {
    ItemListSource source({textItem({0, 0, 100, 30})});
    PrintTemplate tpl = a4Template({&source});
    PdfTarget unwritable(QStringLiteral("/nonexistent-folder/out.pdf"), 300);
    Run run;
    run.printer = &unwritable;
    QVERIFY(!PrintOneCopy(1, TPrintJobParams{}, &tpl, run.environment()));
    QCOMPARE(run.messages.size(), 1);
    QVERIFY(run.messages[0].startsWith("打印失败!\r\n打印失败:\r\n"));
    QCOMPARE(run.advanced, 0);
    QVERIFY(run.historyText.isEmpty());
  }
};

QTEST_MAIN(TestPrintOneCopy)
#include "tst_printonecopy.moc"
