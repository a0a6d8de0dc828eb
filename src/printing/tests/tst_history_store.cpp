#include "core/base64.h"
#include "core/compression.h"
#include "core/ids.h"
#include "core/messagesink.h"
#include "printing/current_operator.h"
#include "printing/history_store.h"
#include "printing/history_view_dialog.h"
#include "printing/printblock.h"
#include "printing/printrecord.h"
#include "storage/tests/testdatabase.h"
#include "templatefixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QTableView>
#include <QtTest>

using namespace op;

namespace {

class RecordingSink : public MessageSink {
 public:
  void show(MessageIcon, const QString &, const QString &text) override { shown << text; }
  bool ask(const QString &title, const QString &text) override {
    asked << title + QLatin1Char('|') + text;
    return answers.isEmpty() ? false : answers.takeFirst();
  }
  QStringList shown, asked;
  QList<bool> answers;
};

QString historyText(const QString &title, qint16 offsetX = -10) {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 12;
  item.PrintRect = {10, 10, 200, 40};
  item.BaseRect = item.PrintRect;
  item.setText(title);
  PrintHistoryInfo info;
  info.Title = title;
  info.BkX = info.BkY = 1;
  info.OffSetx = offsetX;
  return QString::fromLatin1(base64::encode(BuildPrintRecord(info, BuildPrintBlock({&item})), base64::Slash::Keep));
}

int count(Database &db, const QString &sql) {
  auto q = db.NewStatement(sql);
  q->open();
  return q->next() ? q->toInt(q->fieldNames().first()) : -1;
}

}  // namespace

class TestHistoryStore : public QObject {
  Q_OBJECT

  RecordingSink sink;

 private slots:
  void init() {
    sink = RecordingSink();
    setMessageSink(&sink);
  }
  void cleanup() { setMessageSink(nullptr); }

  void logging() {
    TestDatabase t;
    PrintHistoryStore store(*t.db);
    const QString background = toStorageText("same picture bytes");
    QVERIFY(store.logPrint(background, historyText("A"), QStringLiteral("快递单"), currentOperator()));
    QVERIFY(store.logPrint(background, historyText("A"), QStringLiteral("快递单"), currentOperator()));
    QVERIFY(store.logPrint(background, historyText("B"), QStringLiteral("发货单"), currentOperator()));
    QCOMPARE(count(*t.db, "select count(*) from PP_PrintDataChache"), 1);
    QCOMPARE(count(*t.db, "select count(*) from PP_PrintHistory"), 3);
    const auto rows = store.list();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.first().opId, -99);
    QCOMPARE(rows.first().opName, QStringLiteral("admin"));
    QCOMPARE(rows.first().isGZip, 0);
    const QString key = md5Hex(background.toLatin1());
    QCOMPARE(store.cacheLookup(key), background);
    QCOMPARE(store.cacheLookup(QStringLiteral("00000000000000000000000000000000")), QString());

    auto record = store.readRecord(rows.first().innerid);
    QVERIFY(record);
    QCOMPARE(record->info.OffSetx, qint16(-10));  // signed 16 bits read back
  }

  // A failed insert is reported with its statement and rolled back, never taken for success.
  void insertFailureReported() {
    TestDatabase t;
    PrintHistoryStore store(*t.db);
    QString error;
    QVERIFY(!store.appendHistory(QString(300, QLatin1Char('x')), historyText("A"), currentOperator(), &error));
    QVERIFY2(error.startsWith(QStringLiteral("保存打印历史纪录失败:!\r\ninsert into PP_PrintHistory")),
             qPrintable(error));
    QCOMPARE(count(*t.db, "select count(*) from PP_PrintHistory"), 0);
    QVERIFY(store.appendHistory(QStringLiteral("ok"), historyText("A"), currentOperator(), &error));
  }

  void decoding_data() {
    QTest::addColumn<int>("isGZip");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    const QByteArray record = base64::decode(historyText("Z").toLatin1(), base64::Slash::Keep);
    QByteArray shortHead = record;
    qToLittleEndian<quint32>(100, shortHead.data());
    QByteArray hugeItems = record;
    qToLittleEndian<quint32>(0x7FFFFFFF, hugeItems.data() + 158 + 16);
    QTest::newRow("base64") << 0 << historyText("Z") << true;
    QTest::newRow("zlib in storage text form") << 1 << toStorageText(zlibCompress(record)) << true;
    QTest::newRow("broken zlib") << 1 << toStorageText("not zlib") << false;
    QTest::newRow("header size below 158") << 0 << QString::fromLatin1(base64::encode(shortHead)) << false;
    QTest::newRow("item count beyond the bytes") << 0 << QString::fromLatin1(base64::encode(hugeItems)) << false;
    QTest::newRow("truncated") << 0 << QString::fromLatin1(base64::encode(record.left(170))) << false;
  }
  void decoding() {
    QFETCH(int, isGZip);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    TestDatabase t;
    auto insert = t.db->NewStatement();
    t.db->ExecWithText(*insert,
                       "insert into PP_PrintHistory (ID, innerid, Title, PrintData, isGZip, OPID, OPNAME, CreateDate) "
                       "values (1, 'R1', 'T', :Blob, :Z, -99, 'admin', current_timestamp)",
                       text, true, "Blob", {{"Z", isGZip}});
    PrintHistoryStore store(*t.db);
    QString error;
    const auto record = store.readRecord("R1", &error);
    QCOMPARE(bool(record), valid);
    if (!valid) QVERIFY(error.startsWith(QStringLiteral("打印记录已损坏")));
  }

  void filters_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("fromDay");  // days from today; 99 = no date item
    QTest::addColumn<int>("toDay");
    QTest::addColumn<int>("idFrom");  // 0 = no id item
    QTest::addColumn<int>("idTo");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("title anywhere") << "递单" << 99 << 0 << 0 << 0 << QList<int>{3, 1};
    QTest::newRow("quote in the title is data") << "O'Brien" << 99 << 0 << 0 << 0 << QList<int>{4};
    QTest::newRow("percent is a wildcard in LIKE") << "%" << 99 << 0 << 0 << 0 << QList<int>{4, 3, 2, 1};
    QTest::newRow("one day: from equals to") << "" << -1 << -1 << 0 << 0 << QList<int>{2};
    QTest::newRow("today, midnight included") << "" << 0 << 0 << 0 << 0 << QList<int>{4, 3};
    QTest::newRow("yesterday to today") << "" << -1 << 0 << 0 << 0 << QList<int>{4, 3, 2};
    QTest::newRow("ids 5 to 3: nothing") << "" << 99 << 0 << 5 << 3 << QList<int>{};
    QTest::newRow("title and ids") << "单" << 99 << 0 << 2 << 3 << QList<int>{3, 2};
  }
  void filters() {
    QFETCH(QString, title);
    QFETCH(int, fromDay);
    QFETCH(int, toDay);
    QFETCH(int, idFrom);
    QFETCH(int, idTo);
    QFETCH(QList<int>, ids);
    TestDatabase t;
    const QDate today = QDate::currentDate();
    const QList<QPair<QString, QDateTime>> rows{{"快递单", QDateTime(today.addDays(-3), QTime(12, 0))},
                                                {"发货单", QDateTime(today.addDays(-1), QTime(23, 59, 59))},
                                                {"快递单2", QDateTime(today, QTime(0, 0))},
                                                {"O'Brien", QDateTime(today, QTime(8, 0))}};
    for (int i = 0; i < rows.size(); ++i)
      t.db->execute(
          "insert into PP_PrintHistory (ID, innerid, Title, PrintData, isGZip, CreateDate) "
          "values (:ID, :Inner, :Title, '', 0, :Created)",
          {{"ID", i + 1}, {"Inner", QString("R%1").arg(i + 1)}, {"Title", rows[i].first}, {"Created", rows[i].second}});
    t.db->commit();
    HistoryFilter filter;
    filter.byTitle = !title.isEmpty();
    filter.title = title;
    filter.byDate = fromDay != 99;
    filter.from = today.addDays(fromDay);
    filter.to = today.addDays(toDay);
    filter.byId = idFrom != 0;
    filter.idFrom = idFrom;
    filter.idTo = idTo;
    PrintHistoryStore store(*t.db);
    QList<int> listed;
    for (const HistoryRow &row : store.list(&filter)) listed << row.id;
    QCOMPARE(listed, ids);
    QCOMPARE(store.countMatching(filter), int(ids.size()));
    QCOMPARE(store.deleteMatching(filter), int(ids.size()));
    QCOMPARE(store.countAll(), 4 - int(ids.size()));
  }

  void viewer() {
    TestDatabase t;
    PrintHistoryStore store(*t.db);
    for (const char *title : {"一", "二", "三"})
      QVERIFY(store.appendHistory(QString::fromUtf8(title), historyText(QString::fromUtf8(title)), currentOperator()));
    TFrmHistoryView view(store);
    QCOMPARE(view.model()->rowCount(), 3);
    QVERIFY(view.currentRecord());

    view.DateCheck->setChecked(false);
    view.query();
    QCOMPARE(sink.shown.value(0), QStringLiteral("请选择至少一个查询项"));

    // Re-print: No to the first of three ticked rows prints nothing; Yes prints one page each.
    int opened = 0;
    view.choosePrinter = [](QString *name) {
      *name = QStringLiteral("test");
      return PrinterChoice::Chosen;
    };
    view.openPrinter = [&](const QString &) -> std::unique_ptr<PrintTarget> {
      ++opened;
      return std::make_unique<ImageTarget>(QSize(600, 300), 300, 300);
    };
    view.selectAllForPrint();
    QCOMPARE(view.model()->ticked().size(), 3);
    sink.answers = {false};
    QCOMPARE(view.reprint(), 0);
    QCOMPARE(opened, 0);
    QCOMPARE(sink.asked.value(0), QStringLiteral("继续打印?|按[是]继续打印，按[否]终止"));
    sink.answers = {true, true, true};
    QCOMPARE(view.reprint(), 3);

    // A damaged row is refused with a message and the preview keeps the previous record.
    t.db->execute("update PP_PrintHistory set PrintData = 'AAAA' where Title = :T", {{"T", QStringLiteral("一")}});
    t.db->commit();
    view.table()->setCurrentIndex(view.model()->index(0, 0));
    const QByteArray before = view.currentRecord()->block;
    sink.shown.clear();
    view.table()->setCurrentIndex(view.model()->index(2, 0));
    QVERIFY(!sink.shown.isEmpty());
    QCOMPARE(view.currentRecord()->block, before);

    sink.answers = {true};
    view.deleteCurrent();
    QCOMPARE(view.model()->rowCount(), 2);
  }

  // The batch command prints one page per CSV row into one PDF and logs every copy.
  void cliPrintsRowsAndLogs() {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("db"));
    QVERIFY(QFile::copy(OP_STAGE_DIR "/default/db/QEL_DATA3.FDB", dir.filePath("db/QEL_DATA3.FDB")));
    QFile::setPermissions(dir.filePath("db/QEL_DATA3.FDB"), QFile::ReadOwner | QFile::WriteOwner);
    StoredTemplateSpec spec;
    spec.helpTexts = {QStringLiteral("收件人"), QString()};
    {
      auto db = OpenDatabase(dir.filePath("db/QEL_DATA3.FDB"));
      storeTemplate(*db, spec, OP_SOURCE_DIR "/resources/qel.xml");
    }
    QFile csv(dir.filePath("rows.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("收件人,edit2,BoPrint\n张三,a,1\n李四,b,0\n王五,c,1\n");
    csv.close();
    const QString cli = OP_STAGE_DIR "/overprint-cli";
    QProcess process;
    process.start(cli, {"--data-dir", dir.path(), "print", "--template", spec.innerId, "--rows", csv.fileName(),
                        "--out", dir.filePath("out.pdf")});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QProcess info;
    info.start("pdfinfo", {dir.filePath("out.pdf")});
    QVERIFY(info.waitForFinished());
    QVERIFY(info.readAllStandardOutput().contains("Pages:           2"));
    QVERIFY(QFileInfo::exists(dir.filePath("LastPrintInfo.dat")));

    process.start(cli,
                  {"--data-dir", dir.path(), "print", "--template", "NOSUCHTEMPLATE", "--out", dir.filePath("x.pdf")});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardError().contains("未找到模板"));

    auto db = OpenDatabase(dir.filePath("db/QEL_DATA3.FDB"));
    PrintHistoryStore store(*db);
    QCOMPARE(store.countAll(), 2);
    QCOMPARE(count(*db, "select count(*) from PP_PrintDataChache"), 1);
  }
};

QTEST_MAIN(TestHistoryStore)
#include "tst_history_store.moc"
