#include <QtTest>

#include <limits>

#include "controls/money_capitals.h"
#include "core/currency.h"

using namespace op;

class TestMoneyCapitals : public QObject {
  Q_OBJECT
 private slots:
  void capitals_data();
  void capitals();
  void endText();
  void extremeAmounts();
  void wholeUnitsBeyondCurrency();
  void subDigit_data();
  void subDigit();
  void parsing_data();
  void parsing();
};

void TestMoneyCapitals::capitals_data() {
  QTest::addColumn<QString>("amount");
  QTest::addColumn<QString>("capitals");
  const char *rows[][2] = {
      // The conversion table.
      {"0", "元"},
      {"0.05", "元零伍分"},
      {"0.56", "元零伍角陆分"},
      {"1", "壹元"},
      {"10.5", "壹拾元零伍角"},
      {"10.05", "壹拾元零伍分"},
      {"15.05", "壹拾伍元零伍分"},
      {"101", "壹佰零壹元"},
      {"1005", "壹仟零伍元"},
      {"1050", "壹仟零伍拾元"},
      {"1050.5", "壹仟伍拾元零伍角"},
      {"10001", "壹万零壹元"},
      {"100010", "壹拾万零壹拾元"},
      {"12345678.9", "壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角"},
      {"123456789.12", "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分"},
      // Zeros at the end of the whole units never read as a trailing 零 before 元.
      {"100", "壹佰元"},
      {"10100", "壹万零壹佰元"},
      {"10000100", "壹仟万零壹佰元"},
      {"1000000", "壹佰万元"},
      {"101.05", "壹佰零壹元零伍分"},
      // The third and fourth decimal places are ignored, also when deciding on 零.
      {"0.0099", "元"},
      {"10.0010", "壹拾元"},
      {"1.2399", "壹元贰角叁分"},
      // An empty 万 group reads nothing.
      {"100000000", "壹亿元"},
      {"100000001", "壹亿零壹元"},
      {"100010000", "壹亿零壹万元"},
      {"110000000.5", "壹亿壹仟万元零伍角"},
      // Places beyond 亿.
      {"1000000000", "壹拾亿元"},
      {"123456789012.34", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元叁角肆分"},
      {"1000000000000", "壹万亿元"},
      {"1000100000000", "壹万零壹亿元"},
      {"100000000000001", "壹佰万亿零壹元"},
      // Negative amounts.
      {"-123", "负壹佰贰拾叁元"},
      {"-0.5", "负元零伍角"},
      {"-0.0001", "元"},
  };
  for (const auto &row : rows) QTest::newRow(row[0]) << QString(row[0]) << QString::fromUtf8(row[1]);
}

void TestMoneyCapitals::capitals() {
  QFETCH(QString, amount);
  QFETCH(QString, capitals);
  const std::optional<Currency> value = parseCurrency(amount);
  QVERIFY(value);
  QCOMPARE(currencyToCapitals(*value), capitals);
}

void TestMoneyCapitals::endText() {
  QCOMPARE(currencyToCapitals(1234500, true), QString::fromUtf8("壹佰贰拾叁元肆角伍分整"));
  QCOMPARE(currencyToCapitals(0, true), QString::fromUtf8("元整"));
  QCOMPARE(currencyToCapitals(-10000, true), QString::fromUtf8("负壹元整"));
}

void TestMoneyCapitals::extremeAmounts() {
  QCOMPARE(currencyToCapitals(std::numeric_limits<Currency>::max()),
           QString::fromUtf8("玖佰贰拾贰万叁仟叁佰柒拾贰亿零叁佰陆拾捌万伍仟肆佰柒拾柒元伍角捌分"));
  QCOMPARE(currencyToCapitals(std::numeric_limits<Currency>::min()),
           QString::fromUtf8("负玖佰贰拾贰万叁仟叁佰柒拾贰亿零叁佰陆拾捌万伍仟肆佰柒拾柒元伍角捌分"));
}

// Eighteen integer digits, as a money edit with eighteen cells and no decimals holds.
void TestMoneyCapitals::wholeUnitsBeyondCurrency() {
  QCOMPARE(capitalNumerals(999'999'999'999'999'999ULL, 0),
           QString::fromUtf8("玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元"));
  QCOMPARE(capitalNumerals(100'000'000'000'000'000ULL, 0), QString::fromUtf8("壹拾亿亿元"));
  QCOMPARE(capitalNumerals(100'000'000'000'000'000ULL, 5), QString::fromUtf8("壹拾亿亿元零伍分"));
}

void TestMoneyCapitals::subDigit_data() {
  QTest::addColumn<QString>("amount");
  QTest::addColumn<int>("subIndex");
  QTest::addColumn<QString>("text");
  const struct {
    const char *amount;
    int subIndex;
    const char *text;
  } rows[] = {
      {"1234.56", 0, "肆"},  {"1234.56", 3, "壹"},  {"1234.56", 4, " "},   {"1234.56", -2, "伍"},
      {"1234.56", -1, "陆"}, {"1234.05", -2, "零"}, {"1234.05", -1, "伍"}, {"1204", 1, "零"},
      {"0", 0, "零"},        {"0", 1, " "},         {"-1234.56", 2, "贰"}, {"-1234.56", -1, "陆"},
  };
  for (const auto &row : rows)
    QTest::addRow("%s at %d", row.amount, row.subIndex)
        << QString(row.amount) << row.subIndex << QString::fromUtf8(row.text);
}

void TestMoneyCapitals::subDigit() {
  QFETCH(QString, amount);
  QFETCH(int, subIndex);
  QFETCH(QString, text);
  QCOMPARE(subDigitText(subDigitOf(parseCurrency(amount).value(), subIndex)), text);
}

void TestMoneyCapitals::parsing_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<qint64>("value");
  QTest::newRow("integer") << "123" << true << qint64(1230000);
  QTest::newRow("decimals and blanks") << " 12.3456 " << true << qint64(123456);
  QTest::newRow("signs") << "-.5" << true << qint64(-5000);
  QTest::newRow("plus") << "+7." << true << qint64(70000);
  QTest::newRow("largest") << "922337203685477.5807" << true << std::numeric_limits<qint64>::max();
  QTest::newRow("smallest") << "-922337203685477.5808" << true << std::numeric_limits<qint64>::min();
  QTest::newRow("too large") << "922337203685477.5808" << false << qint64(0);
  QTest::newRow("five decimals") << "1.23456" << false << qint64(0);
  QTest::newRow("empty") << "" << false << qint64(0);
  QTest::newRow("point only") << "." << false << qint64(0);
  QTest::newRow("letters") << "12a" << false << qint64(0);
  QTest::newRow("two signs") << "--1" << false << qint64(0);
  QTest::newRow("thousands separator") << "1,000" << false << qint64(0);
}

void TestMoneyCapitals::parsing() {
  QFETCH(QString, text);
  QFETCH(bool, valid);
  QFETCH(qint64, value);
  const std::optional<Currency> parsed = parseCurrency(text);
  QCOMPARE(parsed.has_value(), valid);
  if (valid) QCOMPARE(*parsed, value);
}

QTEST_APPLESS_MAIN(TestMoneyCapitals)
#include "tst_money_capitals.moc"
