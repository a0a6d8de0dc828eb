#include <QDateTime>
#include <QProcess>
#include <QTest>

#include "core/base64.h"
#include "core/ids.h"
#include "storage/database.h"
#include "testdatabase.h"

using op::DbError;

class TestDatabase_ : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDatabase> t;
  op::Database &db() { return *t->db; }

  int count(const QString &sql, const QVariantMap &params = {}) {
    auto q = db().NewStatement(sql);
    q->bindValues(params);
    q->open();
    return q->next() ? q->value(0).toInt() : -1;
  }

 private slots:
  void init() { t = std::make_unique<TestDatabase>(); }
  void cleanup() { t.reset(); }

  void shippedSeed() {
    op::Statement &q = db().shared(0);
    q.setSql("select Max(ver) as ver from PP_Ver;");
    q.open();
    QVERIFY(q.next());
    QCOMPARE(q.toInt("VER"), 1);
    QCOMPARE(count("select count(*) from PP_CONFIG where CONFIGID between 1 and 6"), 6);
    q.setSql("select CONFIG_IVALUE from PP_CONFIG where configid = :id");
    q.bind("id", 5);
    q.open();
    QVERIFY(q.next());
    QCOMPARE(q.toInt("config_ivalue"), 200);
    QCOMPARE(count("select count(*) from PP_List where ParaID = 'RPNULL' and AppId = 22"), 1);
  }

  // Stored texts are written through a blob parameter and read back byte for byte.
  void blobTextRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("slash-producing bytes") << QByteArray("\xff\xff\xfe\xfb\xef\xff", 6);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("several lines") << QByteArray(1000, '\x3f');
    QByteArray big(3 * 1024 * 1024, '\0');
    for (int i = 0; i < big.size(); ++i) big[i] = char((i * 7919) >> 3);
    QTest::newRow("3 MiB") << big;
  }

  void blobTextRoundTrip() {
    QFETCH(QByteArray, bytes);
    const QString stored = op::toStorageText(bytes);
    QCOMPARE(stored.contains('/'), false);
    db().ExecWithText(db().shared(1),
                      "insert into PP_CustomData (ID, Innerid, CUSTOMDATA) values (Gen_Id(GEN_PP_CUSTOMDATA_ID, 1), "
                      ":InnerID, :Blob)",
                      stored, true, "Blob", {{"InnerID", "A1"}});
    QVERIFY(!db().inTransaction());
    op::Statement &q = db().shared(2);
    q.setSql("select CustomData from PP_CustomData where Trim(InnerId) = :id");
    q.bind(":id", "A1");
    q.open();
    QVERIFY(q.next());
    QCOMPARE(q.text("CUSTOMDATA"), stored);
    QCOMPARE(op::fromStorageText(q.text("customdata")), bytes);
  }

  void templateDocumentRoundTrips() {
    const QString document = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<ROOT Title=\"发货单/出库 ~?>>\"/>";
    const QString stored = op::documentToStorageText(document);
    const QString md5 = op::md5Hex(stored.toLatin1());
    db().ExecWithText(
        db().shared(1),
        "insert into PP_Items(Id, InnerID, ParaID, PYM, Title, Md5, ModiftyDate, RPData, ItemType, APPID) "
        "values (GEN_ID(GEN_PP_ITEMS_ID, 1), :id, :para, 'FHD', :title, :md5, CURRENT_TIMESTAMP, :RPData, "
        "1, 22)",
        stored, true, ":RPData", {{"id", "C3"}, {"para", "RPNULL"}, {"title", "发货单"}, {"md5", md5}});
    auto q = db().NewStatement("select * from PP_Items where InnerID = :id");
    q->bind("id", "C3");
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->text("Md5"), md5);
    QCOMPARE(op::md5Hex(q->bytes("RPDATA")), md5);
    QCOMPARE(op::documentFromStorageText(q->text("RPData")), document);
    QVERIFY(q->toDateTime("ModiftyDate").isValid());
  }

  void hasField() {
    op::Statement &q = db().shared(3);
    QVERIFY(!op::HasField(q, "Title"));  // never opened
    q.setSql("select Title, ParaID as \"parent\" from PP_List");
    q.open();
    QVERIFY(op::HasField(q, "title"));
    QVERIFY(op::HasField(q, "TITLE"));
    QVERIFY(op::HasField(q, "Parent"));
    QVERIFY(!op::HasField(q, "ParaID"));
    while (q.next()) {
    }
    QVERIFY(op::HasField(q, "Title"));  // at the end, still open
    q.close();
    QVERIFY(!op::HasField(q, "Title"));
  }

  void updateMatchingNoRowSucceeds() {
    op::Statement &q = db().shared(0);
    q.setSql("update PP_CONFIG set CONFIG_IVALUE = :v where configid = :id");
    q.bind("v", 5);
    q.bind("id", 99);
    q.execute();
    QCOMPARE(q.rowsAffected(), 0);
    db().commit();
  }

  // Every value goes in as a parameter: quotes, SQL and Chinese are stored exactly as given.
  void valuesAreBoundExactly_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("quotes") << "O'Brien \"快递\" ''";
    QTest::newRow("sql") << "x'); delete from PP_List; --";
    QTest::newRow("parameter-like") << ":Title ? :InnerID";
    QTest::newRow("50 Chinese") << QString(50, QChar(0x4E2D));
    QTest::newRow("100 mixed") << QString(50, QChar(0x6587)) + QString(50, 'a');
    QTest::newRow("empty") << "";
  }

  void valuesAreBoundExactly() {
    QFETCH(QString, title);
    auto q = db().NewStatement(
        "insert into PP_List(Id, InnerID, ParaID, Title, Appid) values (GEN_ID(GEN_PP_List_ID, 1), :InnerID, "
        "'RPNULL', :Title, 22)");
    q->bind("InnerID", "B2");
    q->bind("title", title);
    q->execute();
    QCOMPARE(q->rowsAffected(), 1);
    db().commit();
    q->setSql("select Title from PP_List where InnerID = :InnerID");
    q->bind("InnerID", "B2");
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->text("Title"), title);
    QVERIFY(!q->isNull("Title"));
    QVERIFY(!q->next());
    QCOMPARE(count("select count(*) from PP_List"), 2);
  }

  void unboundParameterIsAnError() {
    auto q = db().NewStatement("select * from PP_List where InnerID = :InnerID");
    QVERIFY_THROWS_EXCEPTION(DbError, q->open());
  }

  void typesRoundTrip() {
    const QDateTime when(QDate(2011, 10, 9), QTime(13, 45, 30, 250));
    auto q = db().NewStatement(
        "insert into PP_EXTDATA (ID, INNERID, APPID, OPCODE, EXTID, PrintID, ITYPE, iValueIdx, IVALUETYPE, DVALUE, "
        "IVALUE, SVALUE, STATUS) values (GEN_ID(GEN_PP_EXTDATA_ID, 1), uuid_to_char(gen_uuid()), 22, :op, 0, 0, 0, "
        ":idx, 1, :d, :i, :s, 0)");
    q->bindValues({{"op", -99}, {"idx", 7}, {"d", when}, {"i", QVariant()}, {"s", "0123456789ABCDEF0123456789ABCDEF"}});
    q->execute();
    q->setSql("select * from PP_EXTDATA where iValueIdx = :idx and Trim(SVALUE) = :s");
    q->bindValues({{"idx", 7}, {"s", "0123456789ABCDEF0123456789ABCDEF"}});
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->toDateTime("dvalue"), when);
    QVERIFY(q->isNull("IVALUE"));
    QCOMPARE(q->toInt("IVALUE"), 0);
    QCOMPARE(q->toInt("opcode"), -99);
    QCOMPARE(q->text("INNERID").size(), 36);

    q->setSql(
        "select cast(:a as bigint) as a, cast(:b as double precision) as b, cast(:c as numeric(9,2)) as c, "
        "'x' as d from rdb$database");
    q->bindValues({{"a", Q_INT64_C(9007199254740993)}, {"b", 0.1}, {"c", 12.34}});
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->toInt64("A"), Q_INT64_C(9007199254740993));
    QCOMPARE(q->toDouble("b"), 0.1);
    QCOMPARE(q->toDouble("c"), 12.34);
    QCOMPARE(q->text("d"), QString("x"));
  }

  void userPrintIdIsText() {
    db().execute(
        "insert into PP_USER (INNERID, SID, USERNAME, USERPASSWORD, GROUPID, USERID, USERSTATUS, USERPRINTID) values "
        "(UUID_TO_CHAR(GEN_UUID()), gen_id(GEN_PP_USER_ID, 1), :n, :p, -99, gen_id(GEN_PP_USER_USERID, 1), 1, :c)",
        {{"n", "张三"}, {"p", "64ddd995811099ae812e463bc21c5ad5"}, {"c", "A-007"}});
    auto q = db().NewStatement("select USERPRINTID, USERID from PP_USER where USERNAME = :n");
    q->bind("n", "张三");
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->text("USERPRINTID"), QString("A-007"));
    QCOMPARE(q->toInt("USERID"), 2);  // the seeded administrator has 1
  }

  // One transaction: a rollback discards the uncommitted work of every statement, a commit keeps it all.
  void commitAndRollback() {
    auto a = db().NewStatement("delete from PP_CONFIG where CONFIGID = :id");
    auto b = db().NewStatement("update PP_CONFIG set CONFIG_IVALUE = 1 where CONFIGID = 1");
    a->bind("id", 6);
    a->execute();
    b->execute();
    QVERIFY(db().inTransaction());
    QCOMPARE(count("select count(*) from PP_CONFIG"), 5);  // own changes are visible before commit
    db().rollback();
    QVERIFY(!db().inTransaction());
    QCOMPARE(count("select count(*) from PP_CONFIG where CONFIG_IVALUE = 0"), 5);

    a->execute();  // the statement starts the transaction again
    b->execute();
    db().commit();
    db().rollback();  // nothing pending: no effect
    QCOMPARE(count("select count(*) from PP_CONFIG"), 5);
    QCOMPARE(count("select CONFIG_IVALUE from PP_CONFIG where CONFIGID = 1"), 1);
  }

  void commitEndsOpenResults() {
    op::Statement &q = db().shared(4);
    q.setSql("select * from PP_CONFIG");
    q.open();
    QVERIFY(q.next());
    db().commit();
    QVERIFY(!q.isOpen());
    QVERIFY(!q.next());
    q.open();  // the same statement opens again on a new transaction
    QVERIFY(q.next());
  }

  void failedBlobWriteKeepsTransaction() {
    db().execute("delete from PP_CONFIG where CONFIGID = 6");
    op::Statement &q = db().shared(5);
    QVERIFY_THROWS_EXCEPTION(
        DbError, db().ExecWithText(q, "insert into PP_NoSuchTable (x) values (:Blob)", "abc", true, "Blob"));
    QVERIFY_THROWS_EXCEPTION(
        DbError, db().ExecWithText(q, "update PP_List set Title = :Title", "abc", true, "Blob", {{"Title", "x"}}));
    QVERIFY(!q.isOpen());
    QVERIFY(db().inTransaction());  // the earlier delete is still pending, not committed
    db().rollback();
    QCOMPARE(count("select count(*) from PP_CONFIG"), 6);
  }

  void sequences() {
    QCOMPARE(db().currentValue("GEN_PP_APP_ID_1"), 0);
    QCOMPARE(db().nextValue(op::appCounterSequence(1)), 1);
    QCOMPARE(db().nextValue("gen_pp_app_id_1"), 2);
    db().restartSequence(op::appCounterSequence(11), 41);
    QCOMPARE(db().nextValue("GEN_PP_APP_ID_11"), 42);
    db().restartSequence("GEN_PP_APP_ID_11", 0);
    db().rollback();  // sequences are outside the transaction
    QCOMPARE(db().currentValue("GEN_PP_APP_ID_11"), 0);
    QCOMPARE(db().nextValue("GEN_PP_APP_ID_2", 5), 5);
  }

  void sequenceNamesAreValidated_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("injection") << "GEN_PP_APP_ID_1, 1) from rdb$database; --";
    QTest::newRow("quote") << "GEN'X";
    QTest::newRow("empty") << "";
    QTest::newRow("leading digit") << "1GEN";
  }

  void sequenceNamesAreValidated() {
    QFETCH(QString, name);
    QVERIFY_THROWS_EXCEPTION(DbError, db().nextValue(name));
    QVERIFY_THROWS_EXCEPTION(DbError, db().restartSequence(name, 1));
  }

  void counterNumbers() {
    QCOMPARE(op::appCounterSequence(10), QString("GEN_PP_APP_ID_10"));
    QVERIFY_THROWS_EXCEPTION(DbError, op::appCounterSequence(0));
    QVERIFY_THROWS_EXCEPTION(DbError, op::appCounterSequence(12));
  }

  // Opening never creates a file and reports the reason.
  void openFailures_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("empty path") << "empty";
    QTest::newRow("folder") << "folder";
    QTest::newRow("empty file") << "zero";
  }

  void openFailures() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath("QEL_DATA3.FDB");
    QByteArray content;
    if (kind == "damaged") {
      content.resize(64 * 1024);
      for (int i = 0; i < content.size(); ++i) content[i] = char((i * 2654435761u) >> 13);
    }
    if (kind == "damaged" || kind == "zero") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    if (kind == "empty") path.clear();
    if (kind == "folder") path = dir.path();
    try {
      op::OpenDatabase(path);
      QFAIL("opened");
    } catch (const DbError &error) {
      QVERIFY2(!error.message().isEmpty(), qPrintable(kind));
    }
    if (kind == "missing") QVERIFY(!QFile::exists(path));
    if (kind == "damaged" || kind == "zero") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), content);  // neither repaired nor truncated
    }
  }

  void secondProcessIsRefused() {
    QProcess probe;
    probe.start(OP_OPEN_PROBE, {t->path});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 1);
    const QString message = QString::fromUtf8(probe.readAllStandardError());
    QVERIFY2(message.startsWith("数据库正被另一个程序使用"), qPrintable(message));
    t->db.reset();
    probe.start(OP_OPEN_PROBE, {t->path});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
  }

  void statementOutlivingDatabase() {
    auto q = db().NewStatement("select * from PP_List");
    q->open();
    t->db.reset();
    QVERIFY(!q->isOpen());
    QVERIFY_THROWS_EXCEPTION(DbError, q->open());
  }
};

QTEST_GUILESS_MAIN(TestDatabase_)
#include "tst_database.moc"
