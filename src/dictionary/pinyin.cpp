#include "dictionary/pinyin.h"

#include <array>

#include "core/codepage936.h"
#include "dictionary/pinyin_table.h"

namespace op::pinyin {
namespace {

constexpr unsigned char kNumberedSymbolLead = 0xA2;
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kGreekLead = 0xA6;

bool isAsciiLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : char(c);
}

// The numbers of the numbered symbols of lead 0xA2, by trail byte: runs of consecutive codes counting from 1.
struct NumberedRun {
  unsigned char firstTrail;
  unsigned char lastTrail;
};
constexpr NumberedRun kNumberedRuns[] = {
    {0xA1, 0xAA},  // ⅰ to ⅹ
    {0xB1, 0xC4},  // ⒈ to ⒛
    {0xC5, 0xD8},  // ⑴ to ⒇
    {0xD9, 0xE2},  // ① to ⑩
    {0xE5, 0xEE},  // ㈠ to ㈩
    {0xF1, 0xFC},  // Ⅰ to Ⅻ
};

// First character of the number a symbol stands for ("1" for ⑩), or 0 for unassigned codes.
char numberedSymbolInitial(unsigned char trail) {
  for (const NumberedRun &run : kNumberedRuns)
    if (trail >= run.firstTrail && trail <= run.lastTrail) return QByteArray::number(trail - run.firstTrail + 1).at(0);
  return 0;
}

// Latin transliterations of the 24 Greek letters (a b g d e z e th i k l m n x o p r s t u ph kh ps o).
constexpr char kGreekInitials[] = "ABGDEZETIKLMNXOPRSTUPKPO";

char greekInitial(unsigned char trail) {
  if (trail >= 0xA1 && trail <= 0xB8) return kGreekInitials[trail - 0xA1];  // capitals
  if (trail >= 0xC1 && trail <= 0xD8) return kGreekInitials[trail - 0xC1];  // small letters
  return 0;
}

int syllableNumber(unsigned char lead, unsigned char trail) {
  if (lead < kFirstLead || trail < kFirstTrail) return 0;
  const unsigned row = lead - kFirstLead;
  const unsigned column = trail - kFirstTrail;
  if (row >= unsigned(kIndexRows) || column >= unsigned(kIndexColumns)) return 0;
  const int number = kCharacterIndex[row][column];
  return number <= kSyllableCount ? number : 0;
}

char syllableInitial(unsigned char lead, unsigned char trail) {
  const int number = syllableNumber(lead, trail);
  return number ? upper(static_cast<unsigned char>(kSyllables[number][0])) : 0;
}

// What every UTF-16 code unit gives, worked out once from the code page 936 tables.
using InitialTable = std::array<char, 0x10000>;

InitialTable buildInitialTable() {
  InitialTable table{};
  for (unsigned unit = 0; unit < 0x10000; ++unit) {
    if (QChar::isSurrogate(unit)) continue;
    table[unit] = initialOfBytes(cp936::encode(QString(QChar(char16_t(unit)))));
  }
  return table;
}

const InitialTable &initialTable() {
  static const InitialTable table = buildInitialTable();
  return table;
}

}  // namespace

char initialOfBytes(const QByteArray &bytes) {
  if (bytes.isEmpty()) return 0;
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const bool doubleByte = bytes.size() >= 2 && static_cast<unsigned char>(bytes[1]) >= kFirstTrail;
  if (!doubleByte) return isAsciiLetterOrDigit(lead) ? upper(lead) : 0;

  const auto trail = static_cast<unsigned char>(bytes[1]);
  switch (lead) {
    case kNumberedSymbolLead:
      return numberedSymbolInitial(trail);
    case kFullWidthLead: {
      // Full-width forms keep their case: full-width ａ gives a.
      const unsigned char narrow = trail - 0x80;
      return trail >= 0x80 && isAsciiLetterOrDigit(narrow) ? char(narrow) : 0;
    }
    case kGreekLead:
      return greekInitial(trail);
    default:
      return syllableInitial(lead, trail);
  }
}

char initialOf(char16_t unit) {
  return initialTable()[unit];
}

QString syllableOf(QChar character) {
  const QByteArray bytes = cp936::encode(QString(character));
  if (bytes.size() != 2) return {};
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead == kNumberedSymbolLead || lead == kFullWidthLead || lead == kGreekLead) return {};
  return QString::fromLatin1(kSyllables[syllableNumber(lead, static_cast<unsigned char>(bytes[1]))]);
}

}  // namespace op::pinyin

namespace op {

QString PinyinInitials(QStringView text) {
  QString initials(text.size(), Qt::Uninitialized);
  QChar *out = initials.data();
  qsizetype length = 0;
  for (const QChar c : text)
    if (const char initial = pinyin::initialOf(c.unicode())) out[length++] = QLatin1Char(initial);
  initials.truncate(length);
  return initials;
}

}  // namespace op
