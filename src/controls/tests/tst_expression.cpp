#include <QtTest>

#include "controls/edit.h"
#include "controls/expression.h"
#include "controls/expression_arith.h"

using namespace op;

namespace {

// A numeric text edit with the given identity and text.
TQELEdit *numericEdit(QObject *owner, const QString &id, const QString &text) {
  auto *edit = new TQELEdit(owner);
  edit->setId(id);
  edit->setDisplayFormat(TPCostomEdit::DisplayFormat::Currency);
  edit->setText(text);
  return edit;
}

}  // namespace

class TestExpression : public QObject {
  Q_OBJECT

 private slots:
  // The values the database's dialect 3 gives for the same texts (checked against it in the fill-in tests).
  void arithmetic_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("scale");  // -1: a double result
    QTest::newRow("integer division truncates") << "7/2" << true << 3.0 << 0;
    QTest::newRow("negative division toward zero") << "-7/2" << true << -3.0 << 0;
    QTest::newRow("scale of a quotient") << "2.00/3" << true << 0.66 << 2;
    QTest::newRow("divisor's places") << "2/3.00" << true << 0.66 << 2;
    QTest::newRow("one place") << "1/7.0" << true << 0.1 << 1;
    QTest::newRow("quotient of decimals") << "7.5/2.5" << true << 3.0 << 2;
    QTest::newRow("small divisor") << "1/0.0000001" << true << 10000000.0 << 7;
    QTest::newRow("truncated then multiplied") << "10/4*4" << true << 8.0 << 0;
    QTest::newRow("product scale") << "2.5*2" << true << 5.0 << 1;
    QTest::newRow("exact sum") << "0.1+0.2" << true << 0.3 << 1;
    QTest::newRow("exact difference") << "0.1*3-0.3" << true << 0.0 << 1;
    QTest::newRow("precedence") << "2 * (3 + 4) - 5 / 2" << true << 12.0 << 0;
    QTest::newRow("blanks and tabs") << "1\t+\t2" << true << 3.0 << 0;
    QTest::newRow("unary signs") << "- -3 + +2" << true << 5.0 << 0;
    QTest::newRow("signed factor") << "2*-3" << true << -6.0 << 0;
    QTest::newRow("parenthesised negative") << "5-(-3)" << true << 8.0 << 0;
    QTest::newRow("trailing point") << "1." << true << 1.0 << 0;
    QTest::newRow("leading point") << ".5" << true << 0.5 << 1;
    QTest::newRow("past 32 bits") << "2147483647+1" << true << 2147483648.0 << 0;
    QTest::newRow("smallest 64-bit literal") << "-9223372036854775808" << true << -9223372036854775808.0 << 0;
    QTest::newRow("exponent is double") << "1e0/3" << true << 1.0 / 3 << -1;
    QTest::newRow("double with exact") << "2.5+1e0" << true << 3.5 << -1;
    QTest::newRow("exponent forms") << "1.e2+1E+02" << true << 200.0 << -1;
    QTest::newRow("integer division by zero") << "1/0" << false << 0.0 << 0;
    QTest::newRow("exact division by zero") << "1.0/0.0" << false << 0.0 << 0;
    QTest::newRow("double division by zero") << "1e0/0" << false << 0.0 << 0;
    QTest::newRow("exact overflow") << "9223372036854775807+1" << false << 0.0 << 0;
    QTest::newRow("product overflow") << "3000000000*4000000000" << false << 0.0 << 0;
    QTest::newRow("dividend out of range") << "3.14159265358979/2.71828" << false << 0.0 << 0;
    QTest::newRow("literal out of range") << "9223372036854775808" << false << 0.0 << 0;
    QTest::newRow("double overflow") << "1e308*10" << false << 0.0 << 0;
    QTest::newRow("double underflow") << "1e-400" << false << 0.0 << 0;
    QTest::newRow("comment") << "5--3" << false << 0.0 << 0;
    QTest::newRow("block comment") << "2/*3*/4" << false << 0.0 << 0;
    QTest::newRow("a name") << "Edit1*2" << false << 0.0 << 0;
    QTest::newRow("a function") << "round(2.5)" << false << 0.0 << 0;
    QTest::newRow("two columns") << "1,5" << false << 0.0 << 0;
    QTest::newRow("empty") << "" << false << 0.0 << 0;
    QTest::newRow("unclosed") << "(1" << false << 0.0 << 0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0 << 0;
    QTest::newRow("exponent without digits") << "1.5e" << false << 0.0 << 0;
    QTest::newRow("adjacent numbers") << "1 2" << false << 0.0 << 0;
    QTest::newRow("sql") << "1 from rdb$database; drop table PP_Items" << false << 0.0 << 0;
  }
  void arithmetic() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QFETCH(int, scale);
    const ExprResult result = evaluateArithmetic(text);
    QCOMPARE(result.ok, ok);
    if (!ok) {
      QVERIFY(!result.error.isEmpty());
      return;
    }
    QCOMPARE(result.toDouble(), value);
    QCOMPARE(result.value.isDouble, scale < 0);
    if (scale >= 0) QCOMPARE(result.value.scale, scale);
  }

  void errorPosition() {
    QCOMPARE(evaluateArithmetic("1 + x").errorPos, 4);
    QCOMPARE(evaluateArithmetic("1/0").errorPos, -1);  // arithmetic failures have no position
  }

  void statements_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QStringList>("expressions");
    QTest::newRow("two") << "Edit3 = Edit1 * Edit2;\r\nEdit4=Edit3+1;" << QStringList{"Edit3", "Edit4"}
                         << QStringList{"Edit1 * Edit2", "Edit3+1"};
    QTest::newRow("last without semicolon") << "a=1; b = 2 " << QStringList{"a", "b"} << QStringList{"1", "2"};
    QTest::newRow("blank remainder dropped") << "a=1;  \r\n " << QStringList{"a"} << QStringList{"1"};
    QTest::newRow("no equals sign") << "Edit1+1;" << QStringList{""} << QStringList{"Edit1+1"};
    QTest::newRow("first equals sign splits") << "a=b=1;" << QStringList{"a"} << QStringList{"b=1"};
    QTest::newRow("line breaks inside") << "a=1\r\n+2;" << QStringList{"a"} << QStringList{"1+2"};
  }
  void statements() {
    QFETCH(QString, text);
    QFETCH(QStringList, targets);
    QFETCH(QStringList, expressions);
    QStringList gotTargets, gotExpressions;
    for (const ExprStatement &s : splitExpressionStatements(text)) {
      gotTargets << s.target;
      gotExpressions << s.expression;
    }
    QCOMPARE(gotTargets, targets);
    QCOMPARE(gotExpressions, expressions);
  }

  void identifiers_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Edit1 leaves Edit10") << "Edit1+Edit10"
                                         << "2+Edit10";
    QTest::newRow("at both ends") << "Edit1*Edit1"
                                  << "2*2";
    QTest::newRow("underscore joins") << "Edit1_a+a_Edit1"
                                      << "Edit1_a+a_Edit1";
    QTest::newRow("letter before") << "xEdit1+中Edit1"
                                   << "xEdit1+中Edit1";
    QTest::newRow("case-sensitive") << "edit1+EDIT1"
                                    << "edit1+EDIT1";
    QTest::newRow("in parentheses") << "(Edit1)"
                                    << "(2)";
  }
  void identifiers() {
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    QCOMPARE(replaceIdentifier(expression, "Edit1", "2"), expected);
  }

  void fieldsGiveAndTakeValues() {
    QObject owner;
    numericEdit(&owner, "Edit1", "2");
    numericEdit(&owner, "Edit2", "3.5");
    auto *edit3 = numericEdit(&owner, "Edit3", "");
    auto *edit10 = numericEdit(&owner, "Edit10", "10");
    auto *plain = new TQELEdit(&owner);  // free text: neither gives nor takes a value
    plain->setId("Plain");
    plain->setText("5");
    const QList<QelField *> fields{owner.findChildren<QelField *>()};

    QCOMPARE(runExpressionStatements("Edit3 = Edit1 * Edit2;", fields), 1);
    QCOMPARE(edit3->text(), QString("7"));
    runExpressionStatements("edit3 = Edit10 - Edit1;", fields);  // target found in any case
    QCOMPARE(edit3->text(), QString("8"));
    runExpressionStatements("Edit3 = 7 / 2;", fields);
    QCOMPARE(edit3->text(), QString("3"));

    // Failures leave the target as it was and the next statement still runs.
    QCOMPARE(runExpressionStatements("Edit3 = Edit1 / 0; Edit3 = Plain + 1; Missing = 1; Plain = 1; Edit1 + 1;"
                                     "Edit10 = Edit1 + 1;",
                                     fields),
             1);
    QCOMPARE(edit3->text(), QString("3"));
    QCOMPARE(plain->text(), QString("5"));
    QCOMPARE(edit10->text(), QString("3"));

    // A negative operand stays a number: 2 - (-4).
    edit10->setText("-4");
    runExpressionStatements("Edit3 = Edit1-Edit10;", fields);
    QCOMPARE(edit3->text(), QString("6"));
  }
};

QTEST_GUILESS_MAIN(TestExpression)
#include "tst_expression.moc"
