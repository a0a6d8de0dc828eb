#include <QtTest>

#include "core/codepage936.h"
#include "dictionary/pinyin.h"
#include "dictionary/pinyin_table.h"

using namespace op;

class TestPinyin : public QObject {
  Q_OBJECT
 private slots:
  void readings_data();
  void readings();
  void initials_data();
  void initials();
  void syllableTable();
  void characterIndexBounds();
  void everyIndexedCharacterGivesItsInitial();
};

void TestPinyin::readings_data() {
  QTest::addColumn<QString>("character");
  QTest::addColumn<QString>("syllable");
  const char *rows[][2] = {
      {"啊", "a"},    {"中", "zhong"}, {"国", "guo"},  {"國", "guo"},  {"座", "zuo"},   {"诶", "ei"},    {"女", "nv"},
      {"吕", "lv"},   {"丂", "yu"},    {"龘", "da"},   {"行", "hang"}, {"长", "zhang"}, {"重", "zhong"}, {"乐", "le"},
      {"还", "huan"}, {"觉", "jiao"},  {"曾", "ceng"}, {"朝", "chao"}, {"仇", "chou"},  {"藏", "cang"},  {"参", "can"},
      {"便", "bian"}, {"单", "dan"},   {"会", "hui"},  {"都", "dou"},  {"区", "qu"},    {"系", "xi"},    {"解", "jie"},
      {"查", "cha"},  {"佛", ""},      {"给", ""},     {"Ａ", ""},     {"①", ""},       {"θ", ""},
  };
  for (const auto &row : rows) QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromLatin1(row[1]);
}

void TestPinyin::readings() {
  QFETCH(QString, character);
  QFETCH(QString, syllable);
  QCOMPARE(pinyin::syllableOf(character.at(0)), syllable);
}

void TestPinyin::initials_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("initials");
  const char *rows[][2] = {
      {"", ""},
      {"北京Road 3号", "BJROAD3H"},
      {"给佛", ""},
      {"Ａ１", "A1"},
      {"ａｚ０", "az0"},      // full-width letters keep their case
      {"①②", "12"},           // each symbol gives the number it stands for
      {"⑩⒛⑽ⅹⅫ㈩", "121111"},  // only the first digit of the number
      {"θΘωΑα", "TTOAA"},     // Greek: th, th, o, a, a
      {"中華人民共和國", "ZHRMGHG"},
      {"长还行", "ZHH"},
      {"-_.,;!?@ \t。，、￥€", ""},  // punctuation and signs give nothing
      {"éü", ""},                    // pinyin letters of the code page have no reading
      {"𠀀😀", ""},                   // outside the code page: nothing
      {"ａＢ！｛", "aB"},
      {"丂龘", "YD"},
  };
  for (const auto &row : rows) QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
  QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + "x" + QChar(0xDFFF) << QString("X");
}

void TestPinyin::initials() {
  QFETCH(QString, text);
  QFETCH(QString, initials);
  QCOMPARE(PinyinInitials(text), initials);
}

void TestPinyin::syllableTable() {
  using pinyin::kSyllables;
  QCOMPARE(QByteArray(kSyllables[0]), QByteArray());
  QCOMPARE(QByteArray(kSyllables[1]), QByteArray("a"));
  QCOMPARE(QByteArray(kSyllables[393]), QByteArray("zuo"));
  QCOMPARE(QByteArray(kSyllables[394]), QByteArray());
  const QByteArrayList special = {"ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};
  for (int i = 0; i < special.size(); ++i) QCOMPARE(QByteArray(kSyllables[395 + i]), special[i]);
  for (int n = 1; n <= 393; ++n) {
    const QByteArray syllable(kSyllables[n]);
    QVERIFY2(!syllable.isEmpty() && syllable.size() <= 6, syllable);
    for (const char c : syllable) QVERIFY2(c >= 'a' && c <= 'z', syllable);
    if (n > 1) QVERIFY2(QByteArray(kSyllables[n - 1]) < syllable, syllable);
  }
}

void TestPinyin::characterIndexBounds() {
  int withReading = 0;
  for (int row = 0; row < pinyin::kIndexRows; ++row)
    for (int column = 0; column < pinyin::kIndexColumns; ++column) {
      const int number = pinyin::kCharacterIndex[row][column];
      QVERIFY(number >= 0 && number <= pinyin::kSyllableCount && number != 394);
      if (number == 0) continue;
      ++withReading;
      QVERIFY2(column != 0x7F - 0x40 && row != 0xFE - 0x81, qPrintable(QString("%1 %2").arg(row).arg(column)));
    }
  QVERIFY2(withReading > 20000, qPrintable(QString::number(withReading)));
}

// The fast path per UTF-16 unit agrees with the code page tables for every character that has a reading.
void TestPinyin::everyIndexedCharacterGivesItsInitial() {
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const int number = pinyin::kCharacterIndex[lead - 0x81][trail - 0x40];
      if (number == 0 || lead == 0xA2 || lead == 0xA3 || lead == 0xA6) continue;
      const char pair[2] = {char(lead), char(trail)};
      const QString character = cp936::decode(pair, 2);
      QCOMPARE(character.size(), 1);
      const QString expected(QChar(pinyin::kSyllables[number][0]).toUpper());
      QVERIFY2(PinyinInitials(character) == expected, qPrintable(character));
    }
}

QTEST_APPLESS_MAIN(TestPinyin)
#include "tst_pinyin.moc"
