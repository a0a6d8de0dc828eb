#include <QTest>

#include "storage/sqlparameters.h"

class TestSqlParameters : public QObject {
  Q_OBJECT

 private slots:
  void translates_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("markers");
    QTest::newRow("named") << "insert into T (a, b) values (:InnerID, :Title)"
                           << "insert into T (a, b) values (?, ?)" << QStringList{"INNERID", "TITLE"};
    QTest::newRow("repeated name") << "select gen_id(G, :v - gen_id(G, 0)) where x = :V"
                                   << "select gen_id(G, ? - gen_id(G, 0)) where x = ?" << QStringList{"V", "V"};
    QTest::newRow("inside literal") << "select ':x' from t where a = :a"
                                    << "select ':x' from t where a = ?" << QStringList{"A"};
    QTest::newRow("doubled quote") << "select 'it''s :x' from t where a=:a"
                                   << "select 'it''s :x' from t where a=?" << QStringList{"A"};
    QTest::newRow("quoted identifier") << "select \"a:b\" from t"
                                       << "select \"a:b\" from t" << QStringList{};
    QTest::newRow("comments") << "select 1 -- :x\n from t /* :y */ where a = :z"
                              << "select 1 -- :x\n from t /* :y */ where a = ?" << QStringList{"Z"};
    QTest::newRow("positional") << "select ? , :b, ?"
                                << "select ? , ?, ?" << QStringList{"#1", "B", "#2"};
    QTest::newRow("colon not a name") << "select a :: b, :1 from t"
                                      << "select a :: b, :1 from t" << QStringList{};
  }

  void translates() {
    QFETCH(QString, sql);
    QFETCH(QString, text);
    QFETCH(QStringList, markers);
    const op::TranslatedSql translated = op::translateNamedParameters(sql);
    QCOMPARE(translated.text, text);
    QCOMPARE(translated.markers, markers);
  }

  void splitsScripts() {
    const QString script =
        "-- heading; with a semicolon\nCREATE TABLE A (x INTEGER);\n"
        "INSERT INTO A VALUES ('a;b');  /* ; */\n\n;INSERT INTO A VALUES (2)";
    QCOMPARE(op::splitSqlScript(script),
             (QStringList{"CREATE TABLE A (x INTEGER)", "INSERT INTO A VALUES ('a;b')", "INSERT INTO A VALUES (2)"}));
  }
};

QTEST_GUILESS_MAIN(TestSqlParameters)
#include "tst_sqlparameters.moc"
