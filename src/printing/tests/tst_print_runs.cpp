#include "printing/last_print_info.h"
#include "printing/print_dataset.h"
#include "printing/print_runs.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace op;

namespace {

// A printer that counts its documents and pages.
class CountingTarget : public PrintTarget {
 public:
  CountingTarget() : image_({100, 100}, 300, 300) {}
  bool beginDocument(const QString &title) override {
    ++documents;
    return image_.beginDocument(title);
  }
  bool newPage() override { return image_.newPage(); }
  bool endDocument() override { return image_.endDocument(); }
  bool isPrinting() const override { return image_.isPrinting(); }
  QPainter *painter() override { return image_.painter(); }
  int dpiX() const override { return 300; }
  int dpiY() const override { return 300; }
  int documents = 0;

 private:
  ImageTarget image_;
};

// What one run printed: "row@sheet:cellX,cellY" per copy.
struct Recorder {
  QStringList copies;
  int paced = 0;
  int paceAnswerYes = 1000;  // how many times pacing says go on
  int failAtCopy = -1;
  CountingTarget *printer = nullptr;
  QString currentRow;

  QuickPrintHooks hooks(PrintDataSet *rows) {
    QuickPrintHooks h;
    h.openDefaultPrinter = [this]() -> std::unique_ptr<PrintTarget> {
      auto p = std::make_unique<CountingTarget>();
      printer = p.get();
      return p;
    };
    h.askFromFirst = [] { return true; };
    h.pace = [this] { return ++paced <= paceAnswerYes; };
    h.applyRow = [this](const PrintDataSet &data) { currentRow = data.value(QStringLiteral("name")); };
    h.printCopy = [this, rows](const TPrintJobParams &job) {
      if (copies.size() == failAtCopy) return false;
      const int sheet = job.OwnDocument ? 0 : printer->documents;
      copies << QStringLiteral("%1@%2:%3,%4").arg(currentRow).arg(sheet).arg(job.CellOffsetX).arg(job.CellOffsetY);
      if (job.OwnDocument && rows) rows->next();  // the copy moves the grid on
      return true;
    };
    return h;
  }
};

MemoryDataSet fiveRows(QList<int> flags = {1, 1, 1, 1, 1}) {
  QList<QStringList> rows;
  for (int i = 0; i < flags.size(); ++i)
    rows << QStringList{QStringLiteral("r%1").arg(i + 1), QString::number(flags[i])};
  return MemoryDataSet({QStringLiteral("name"), QStringLiteral("BoPrint")}, rows);
}

QByteArray sampleBlock() {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 12;
  item.PrintRect = {10, 10, 200, 60};
  item.setText(QStringLiteral("HEH"));
  return BuildPrintBlock({&item});
}

}  // namespace

class TestPrintRuns : public QObject {
  Q_OBJECT

 private slots:
  void layoutWithoutRowsPrintsOneSheet() {
    Recorder rec;
    QuickPrintOptions options;
    options.layout = {true, 2, 100, 2, 50};
    const QuickPrintResult result = QuickContinuousPrint(options, rec.hooks(nullptr));
    QCOMPARE(result.copies, 4);
    QCOMPARE(result.sheets, 1);
    QCOMPARE(rec.copies, QStringList({"@1:0,0", "@1:1181,0", "@1:0,591", "@1:1181,591"}));
    QCOMPARE(rec.paced, 0);
  }

  void runs_data() {
    QTest::addColumn<bool>("layout");
    QTest::addColumn<QList<int>>("flags");
    QTest::addColumn<int>("paceYes");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("paced");
    QTest::newRow("layout 2x1 over 5 rows: 3 sheets, asked twice")
        << true << QList<int>{1, 1, 1, 1, 1} << 1000 << -1
        << QStringList{"r1@1:0,0", "r2@1:1181,0", "r3@2:0,0", "r4@2:1181,0", "r5@3:0,0"} << 2;
    QTest::newRow("BoPrint 0 skipped without a cell")
        << true << QList<int>{1, 0, 1, 0, 1} << 1000 << -1 << QStringList{"r1@1:0,0", "r3@1:1181,0", "r5@2:0,0"} << 1;
    QTest::newRow("layout: No before the second sheet stops")
        << true << QList<int>{1, 1, 1, 1, 1} << 0 << -1 << QStringList{"r1@1:0,0", "r2@1:1181,0"} << 1;
    QTest::newRow("layout: a failed copy stops the run")
        << true << QList<int>{1, 1, 1, 1, 1} << 1000 << 1 << QStringList{"r1@1:0,0"} << 0;
    QTest::newRow("rows: asked before every row, the first too")
        << false << QList<int>{1, 0, 1} << 1000 << -1 << QStringList{"r1@0:0,0", "r3@0:0,0"} << 2;
    QTest::newRow("rows: No at the first question prints nothing")
        << false << QList<int>{1, 1, 1} << 0 << -1 << QStringList{} << 1;
    QTest::newRow("rows: a failed copy stops the loop")
        << false << QList<int>{1, 1, 1} << 1000 << 1 << QStringList{"r1@0:0,0"} << 2;
  }
  void runs() {
    QFETCH(bool, layout);
    QFETCH(QList<int>, flags);
    QFETCH(int, paceYes);
    QFETCH(int, failAt);
    QFETCH(QStringList, expected);
    QFETCH(int, paced);
    MemoryDataSet rows = fiveRows(flags);
    rows.moveTo(2);  // from the first row all the same
    Recorder rec;
    rec.paceAnswerYes = paceYes;
    rec.failAtCopy = failAt;
    QuickPrintOptions options;
    options.layout = {layout, 2, 100, 1, 50};
    options.autoPrint = true;
    options.rows = &rows;
    const QuickPrintResult result = QuickContinuousPrint(options, rec.hooks(&rows));
    QCOMPARE(rec.copies, expected);
    QCOMPARE(rec.paced, paced);
    QCOMPARE(result.copies, int(expected.size()));
    if (rec.printer) QVERIFY(!rec.printer->isPrinting());
  }

  void fromSelectedRow() {
    MemoryDataSet rows = fiveRows();
    rows.moveTo(3);
    Recorder rec;
    QuickPrintHooks hooks = rec.hooks(&rows);
    hooks.askFromFirst = [] { return false; };
    QuickPrintOptions options;
    options.autoPrint = true;
    options.rows = &rows;
    QuickContinuousPrint(options, hooks);
    QCOMPARE(rec.copies, QStringList({"r4@0:0,0", "r5@0:0,0"}));
  }

  void csvDataSet() {
    QTemporaryDir dir;
    const QString path = dir.filePath("rows.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "\xEF\xBB\xBFname,\"\"\"BoPrint\"\"\",addr\r\n"
        "张三,1,\"上海, 浦东\"\r\n"
        "\r\n"
        "李四,0,\"two\nlines \"\"quoted\"\"\"\n"
        "王五,,last");
    file.close();
    CsvDataSet rows;
    QVERIFY(rows.open(path));
    QCOMPARE(rows.columnNames(), QStringList({"name", "\"BoPrint\"", "addr"}));
    QCOMPARE(rows.rowCount(), 3);
    QCOMPARE(rows.value(QStringLiteral("ADDR")), QStringLiteral("上海, 浦东"));
    QVERIFY(rows.currentRowPrintable());
    rows.next();
    QCOMPARE(rows.value(2), QStringLiteral("two\nlines \"quoted\""));
    QVERIFY(!rows.currentRowPrintable());
    rows.next();
    QCOMPARE(rows.value(0), QStringLiteral("王五"));
    QVERIFY(rows.currentRowPrintable());  // an empty flag is not 0
    rows.next();
    QVERIFY(rows.eof());
    QCOMPARE(rows.value(0), QString());
    rows.moveTo(1);
    QCOMPARE(rows.value(0), QStringLiteral("李四"));

    CsvDataSet missing;
    QString error;
    QVERIFY(!missing.open(dir.filePath("none.csv"), &error));
    QVERIFY(!error.isEmpty());
  }

  // The batch command's document: a new page per sheet, stopping at a failed copy.
  void printIntoDocument() {
    MemoryDataSet rows = fiveRows({1, 1, 0, 1, 1});
    CountingTarget target;
    QVERIFY(target.beginDocument({}));
    int printed = 0;
    DocumentRunHooks hooks;
    hooks.printCopy = [&](const TPrintJobParams &job) {
      return !job.OwnDocument && job.Printer == &target && ++printed;
    };
    DocumentRunResult result = PrintIntoDocument(target, &rows, LayoutSteps({true, 3, 10, 1, 10}, 300, 300), hooks);
    QCOMPARE(result.copies, 4);
    QCOMPARE(result.pages, 2);
    result = PrintIntoDocument(target, &rows, LayoutSteps({}, 300, 300), hooks);
    QCOMPARE(result.pages, 4);
    hooks.printCopy = [&](const TPrintJobParams &) { return ++printed < 11; };
    result = PrintIntoDocument(target, &rows, LayoutSteps({}, 300, 300), hooks);
    QVERIFY(!result.ok);
    QCOMPARE(result.copies, 2);
    target.endDocument();
  }

  void lastPrintInfo() {
    QTemporaryDir dir;
    const QString dat = dir.filePath("LastPrintInfo.dat"), ini = dir.filePath("Config.ini");
    const QByteArray block = sampleBlock();
    QVERIFY(SaveLastPrintInfo(dat, ini, block, -236, 40));
    QCOMPARE(QFileInfo(dat).size(), block.size() + 36);
    auto info = ReadLastPrintInfo(dat, ini);
    QVERIFY(info);
    QCOMPARE(info->block, block);
    QCOMPARE(info->left, -236);
    QCOMPARE(info->top, 40);

    ImageTarget target({400, 200}, 300, 300);
    QVERIFY(PrintLastInfo(*info, target));
    QCOMPARE(target.pages().size(), 1);
  }

  void lastPrintInfoRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray block = sampleBlock();
    QByteArray hugeSize = block + QByteArray(36, '\0');
    qToLittleEndian<quint32>(0x7FFFFFFF, hugeSize.data());
    QByteArray badItem = block + QByteArray(36, '\0');
    qToLittleEndian<quint32>(100, badItem.data() + 72);  // the item's HeadSize below 213
    QTest::newRow("empty file") << QByteArray() << "未发现上次打印的数据!";
    QTest::newRow("shorter than the header") << block.left(20) << "未发现上次打印的数据!";
    QTest::newRow("truncated block") << block.left(block.size() - 10) << "未发现上次打印的数据!";
    QTest::newRow("size beyond the file") << hugeSize << "未发现上次打印的数据!";
    QTest::newRow("damaged item") << badItem << "上次打印的数据已损坏!";
  }
  void lastPrintInfoRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile file(dir.filePath("LastPrintInfo.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString error;
    QVERIFY(!ReadLastPrintInfo(file.fileName(), dir.filePath("Config.ini"), &error));
    QVERIFY2(error.startsWith(message), qPrintable(error));
    QVERIFY(!ReadLastPrintInfo(dir.filePath("missing.dat"), dir.filePath("Config.ini"), &error));
    QCOMPARE(error, QStringLiteral("未发现上次打印的数据!"));
  }

  void repeatLast() {
    QCOMPARE(RepeatPauseMs(90), 60000);
    QCOMPARE(RepeatPauseMs(3), 3000);
    LastPrintInfo info{sampleBlock(), 5, 5};
    int opened = 0;
    QList<int> waits;
    auto open = [&]() -> std::unique_ptr<PrintTarget> {
      ++opened;
      return std::make_unique<ImageTarget>(QSize(300, 100), 300, 300);
    };
    QVERIFY(RepeatLastPrint(info, 3, 90, open, [&](int ms) { waits << ms; }));
    QCOMPARE(opened, 3);
    QCOMPARE(waits, QList<int>({60000, 60000}));
    QString error;
    QVERIFY(!RepeatLastPrint(
        info, 2, 1, [] { return std::unique_ptr<PrintTarget>(); }, {}, &error));
    QCOMPARE(error, QStringLiteral("未发现打印机!"));

    QTemporaryDir dir;
    QCOMPARE(ReadRePrintTick(dir.filePath("Config.ini")), 10);
    QVERIFY(WriteRePrintTick(dir.filePath("Config.ini"), 25));
    QCOMPARE(ReadRePrintTick(dir.filePath("Config.ini")), 25);
  }

  // Timers still fire during the wait: the window stays responsive.
  void waitProcessesEvents() {
    int fired = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(50);
    QElapsedTimer clock;
    clock.start();
    WaitProcessingEvents(350);
    QVERIFY(clock.elapsed() >= 350);
    QVERIFY2(fired >= 2, qPrintable(QString::number(fired)));
  }
};

QTEST_MAIN(TestPrintRuns)
#include "tst_print_runs.moc"
