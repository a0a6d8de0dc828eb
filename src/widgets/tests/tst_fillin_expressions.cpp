#include <QtTest>

#include "../../storage/tests/testdatabase.h"
#include "controls/expression_arith.h"

using namespace op;

// The expression evaluator gives the values the database gives for the same arithmetic, and fails where
// the database fails.
class TestFillInExpressions : public QObject {
  Q_OBJECT

  TestDatabase t_;

  // The database's own answer. The rows below are fixed arithmetic texts of this test; the program itself
  // never hands expression text to the database.
  std::optional<double> databaseValue(const QString &expression) {
    try {
      auto statement = t_.db->NewStatement("select " + expression + " as \"result\" from rdb$database");
      statement->open();
      if (!statement->next()) return std::nullopt;
      return statement->toDouble("result");
    } catch (const DbError &) {
      t_.db->rollback();
      return std::nullopt;
    }
  }

 private slots:
  void sameAsDatabase_data() {
    QTest::addColumn<QString>("expression");
    for (const char *e : {"7/2",
                          "-7/2",
                          "7/-2",
                          "2.00/3",
                          "2/3.00",
                          "1/7.0",
                          "22/7.000",
                          "7.5/2.5",
                          "1/0.0000001",
                          "0.000000001/7",
                          "10/4*4",
                          "1/3*3",
                          "1/3.0*3",
                          "2.5*2",
                          "9.99*3",
                          "100*1.1",
                          "0.1+0.2",
                          "1-0.25",
                          "0.1*3-0.3",
                          "0.1*0.1*0.1",
                          "0.123456789*0.123456789",
                          "0.1234567890*0.1234567890",
                          "1.23456789012345678/3",
                          "123456789.123456789*2",
                          "2 * (3 + 4) - 5 / 2",
                          "(1+2)*3",
                          "-(3)",
                          "+3",
                          "- -3",
                          "2*-3",
                          "5-(-3)",
                          "1.",
                          ".5",
                          "3/2*2.0",
                          "1/3+0.0",
                          "2147483647+1",
                          "-9223372036854775807-1",
                          "4611686018427387904*-2",
                          "1e0/3",
                          "2.5+1e0",
                          "1.5e3*2",
                          "1e-2",
                          "3.0e0/0.5",
                          "1.e2",
                          "12.5 * 3.5 / 7",
                          "1/0",
                          "1.0/0.0",
                          "1e0/0",
                          "9223372036854775807+1",
                          "3000000000*4000000000",
                          "3.14159265358979/2.71828",
                          "92233720368547758.07/0.01",
                          "9223372036854775808",
                          "(-9223372036854775807-1)/-1",
                          "1e308*10",
                          "1e-320",
                          "5--3",
                          "1 2",
                          "()",
                          "(1",
                          "1)",
                          "1.2.3",
                          "1.5e"})
      QTest::newRow(e) << QString::fromLatin1(e);
  }
  void sameAsDatabase() {
    QFETCH(QString, expression);
    const std::optional<double> expected = databaseValue(expression);
    const ExprResult ours = evaluateArithmetic(expression);
    QCOMPARE(ours.ok, expected.has_value());
    if (expected) QCOMPARE(ours.toDouble(), *expected);
  }
};

QTEST_GUILESS_MAIN(TestFillInExpressions)
#include "tst_fillin_expressions.moc"
