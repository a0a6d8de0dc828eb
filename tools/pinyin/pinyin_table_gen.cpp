// Generates src/dictionary/pinyin_table.cpp, the syllable table and the code page 936 character index behind
// the pinyin initials, from Unicode's Unihan readings (Debian package unicode-data).
//
// Regenerate with one command (from any configured build directory):
//   cmake --build build --target pinyin-table
// which runs
//   pinyin-table-gen /usr/share/unicode/Unihan_Readings.txt.bz2 src/dictionary/pinyin_table.cpp
//
// Each character gets one fixed reading: a reading fixed below when there is one, else its preferred Mandarin
// reading (kMandarin), else the first of its other recorded readings whose syllable is in the table.
// The output depends only on the input file, so the same input always gives the same table.

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "core/codepage936.h"

namespace {

constexpr int kRegularSyllables = 393;    // numbers 1 to 393, alphabetical
constexpr int kFirstSpecialNumber = 395;  // 394 stays empty

// Syllables 395 to 405, in this order.
const QStringList kSpecialSyllables = {"ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};

// Readings kept out of the table (interjections, rare spellings, gei and fo), so that the regular syllables fill
// exactly the numbers 1 to 393. Their characters take their next recorded reading that is in the table, or none.
const QSet<QString> kSyllablesLeftOut = {"gei",  "fo",   "kei", "hm",  "lo",  "rua",
                                         "shei", "fiao", "eng", "nun", "den", "chua"};

// Readings the table must give whatever Unihan prefers; an empty text means no reading.
const std::map<char32_t, QString> kFixedReadings = {
    {U'啊', "a"},     {U'中', "zhong"}, {U'国', "guo"},  {U'國', "guo"},  {U'座', "zuo"},  {U'诶', "ei"},
    {U'女', "nv"},    {U'吕', "lv"},    {U'丂', "yu"},   {U'龘', "da"},   {U'行', "hang"}, {U'长', "zhang"},
    {U'重', "zhong"}, {U'乐', "le"},    {U'还', "huan"}, {U'觉', "jiao"}, {U'曾', "ceng"}, {U'朝', "chao"},
    {U'仇', "chou"},  {U'藏', "cang"},  {U'参', "can"},  {U'便', "bian"}, {U'单', "dan"},  {U'会', "hui"},
    {U'都', "dou"},   {U'区', "qu"},    {U'系', "xi"},   {U'解', "jie"},  {U'查', "cha"},  {U'佛', ""},
    {U'给', ""},
};

// Unihan fields with readings, in the order they are consulted after kMandarin.
const QStringList kOtherReadingFields = {"kTGHZ2013", "kXHC1983", "kHanyuPinyin", "kHanyuPinlu"};

struct Readings {
  QStringList mandarin;
  QHash<QString, QStringList> others;  // by field name

  QStringList candidates() const {
    QStringList all = mandarin;
    for (const QString &field : kOtherReadingFields) all += others.value(field);
    return all;
  }
};

[[noreturn]] void fail(const QString &message) {
  std::fprintf(stderr, "pinyin-table-gen: %s\n", qPrintable(message));
  std::exit(1);
}

QByteArray readInput(const QString &path) {
  if (path.endsWith(".bz2")) {
    QProcess bzcat;
    bzcat.start("bzcat", {path});
    if (!bzcat.waitForFinished(-1) || bzcat.exitCode() != 0) fail("cannot decompress " + path + " with bzcat");
    return bzcat.readAllStandardOutput();
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) fail("cannot read " + path);
  return file.readAll();
}

// "10632.140:hēng,hng 0461.030:hm" or "de(5096) dé(1496)" or "zhōng zhòng": the readings in order.
QStringList splitReadings(const QString &value) {
  QStringList readings;
  for (QString entry : value.split(' ', Qt::SkipEmptyParts)) {
    if (const int colon = entry.indexOf(':'); colon >= 0) entry = entry.mid(colon + 1);
    if (const int paren = entry.indexOf('('); paren >= 0) entry.truncate(paren);
    readings += entry.split(',', Qt::SkipEmptyParts);
  }
  return readings;
}

// Tone marks dropped, ü written as v, lower case: "lǚ" → "lv", "zhōng" → "zhong".
QString plainSyllable(const QString &reading) {
  const QString decomposed = reading.normalized(QString::NormalizationForm_D);
  QString plain;
  for (qsizetype i = 0; i < decomposed.size(); ++i) {
    const QChar c = decomposed[i];
    if (c.category() == QChar::Mark_NonSpacing) continue;
    const bool umlaut = i + 1 < decomposed.size() && decomposed[i + 1] == QChar(0x0308);
    plain += (c.toLower() == u'u' && umlaut) ? QChar(u'v') : c.toLower();
  }
  return plain;
}

std::map<char32_t, Readings> parseUnihan(const QByteArray &bytes) {
  std::map<char32_t, Readings> readings;
  QTextStream in(bytes);
  in.setEncoding(QStringConverter::Utf8);
  QString line;
  while (in.readLineInto(&line)) {
    if (line.startsWith('#')) continue;
    const QStringList fields = line.split('\t');
    if (fields.size() != 3 || !fields[0].startsWith("U+")) continue;
    bool ok = false;
    const char32_t codePoint = fields[0].mid(2).toUInt(&ok, 16);
    if (!ok) continue;
    if (fields[1] == "kMandarin") {
      readings[codePoint].mandarin = splitReadings(fields[2]);
    } else if (kOtherReadingFields.contains(fields[1])) {
      readings[codePoint].others.insert(fields[1], splitReadings(fields[2]));
    }
  }
  return readings;
}

// The character behind a double-byte code, when the code round-trips to exactly one character.
std::optional<char32_t> characterOf(unsigned lead, unsigned trail) {
  const char pair[2] = {char(lead), char(trail)};
  const QByteArray bytes(pair, 2);
  const QString text = op::cp936::decode(bytes);
  if (text.size() != 1 || text[0] == QChar::ReplacementCharacter || op::cp936::encode(text) != bytes)
    return std::nullopt;
  return text[0].unicode();
}

struct Tables {
  QStringList syllables;  // index = syllable number
  std::vector<std::vector<int>> index;
  int charactersWithReading = 0;
};

// The regular syllables: every preferred reading of a code page 936 character, less those left out.
QStringList regularSyllables(const std::map<char32_t, Readings> &readings) {
  QSet<QString> found;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
      if (const auto c = characterOf(lead, trail)) {
        const auto it = readings.find(*c);
        if (it != readings.end() && !it->second.mandarin.isEmpty()) found += plainSyllable(it->second.mandarin[0]);
      }
  for (const QString &s : kSyllablesLeftOut) found.remove(s);
  for (const QString &s : kSpecialSyllables) found.remove(s);
  QStringList sorted(found.begin(), found.end());
  sorted.sort();
  return sorted;
}

int numberOf(const QHash<QString, int> &numbers, const QStringList &candidates) {
  for (const QString &reading : candidates)
    if (const int number = numbers.value(plainSyllable(reading)); number > 0) return number;
  return 0;
}

Tables buildTables(const std::map<char32_t, Readings> &readings) {
  Tables tables;
  const QStringList regular = regularSyllables(readings);
  if (regular.size() != kRegularSyllables)
    fail(QString("%1 regular syllables, expected %2").arg(regular.size()).arg(kRegularSyllables));
  tables.syllables = QStringList{""} + regular + QStringList{""} + kSpecialSyllables;
  if (tables.syllables.indexOf(kSpecialSyllables.first()) != kFirstSpecialNumber) fail("special syllables misplaced");

  QHash<QString, int> numbers;
  for (int n = 1; n < tables.syllables.size(); ++n)
    if (!tables.syllables[n].isEmpty()) numbers.insert(tables.syllables[n], n);

  tables.index.assign(126, std::vector<int>(191, 0));
  for (unsigned lead = 0x81; lead <= 0xFD; ++lead) {  // lead 0xFE holds no reading
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const auto c = characterOf(lead, trail);
      if (!c) continue;
      int number = 0;
      if (const auto fixed = kFixedReadings.find(*c); fixed != kFixedReadings.end()) {
        number = fixed->second.isEmpty() ? 0 : numbers.value(fixed->second);
        if (!fixed->second.isEmpty() && number == 0) fail("fixed reading not in the table: " + fixed->second);
      } else if (const auto it = readings.find(*c); it != readings.end()) {
        number = numberOf(numbers, it->second.candidates());
      }
      tables.index[lead - 0x81][trail - 0x40] = number;
      if (number) ++tables.charactersWithReading;
    }
  }
  return tables;
}

void writeTables(const Tables &tables, const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fail("cannot write " + path);
  QTextStream out(&file);
  out << "// Generated by tools/pinyin/pinyin_table_gen.cpp from Unihan_Readings.txt. Do not edit.\n"
         "// Regenerate with: cmake --build build --target pinyin-table\n"
         "// clang-format off\n"
         "#include \"dictionary/pinyin_table.h\"\n\n"
         "namespace op::pinyin {\n\n";
  out << "const char kSyllables[kSyllableCount + 1][7] = {\n";
  for (int n = 0; n < tables.syllables.size(); ++n)
    out << (n % 10 == 0 ? "    " : " ") << '"' << tables.syllables[n] << "\","
        << (n % 10 == 9 || n + 1 == tables.syllables.size() ? "\n" : "");
  out << "};\n\n";
  out << "// " << tables.charactersWithReading << " characters with a reading.\n";
  out << "const quint16 kCharacterIndex[kIndexRows][kIndexColumns] = {\n";
  for (size_t row = 0; row < tables.index.size(); ++row) {
    out << "    {  // lead 0x" << QString::number(row + 0x81, 16).toUpper() << '\n';
    const auto &values = tables.index[row];
    for (size_t col = 0; col < values.size(); ++col)
      out << (col % 24 == 0 ? "        " : " ") << values[col] << ','
          << (col % 24 == 23 || col + 1 == values.size() ? "\n" : "");
    out << "    },\n";
  }
  out << "};\n\n}  // namespace op::pinyin\n";
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 3) fail("usage: pinyin-table-gen UNIHAN_READINGS[.bz2] OUTPUT.cpp");
  const auto readings = parseUnihan(readInput(QString::fromLocal8Bit(argv[1])));
  if (readings.empty()) fail("no readings found");
  const Tables tables = buildTables(readings);
  writeTables(tables, QString::fromLocal8Bit(argv[2]));
  std::fprintf(stderr, "pinyin-table-gen: %d characters with a reading\n", tables.charactersWithReading);
  return 0;
}
