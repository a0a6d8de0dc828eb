#include "controls/money_capitals.h"

#include <array>

namespace op {
namespace {

constexpr char16_t kDigits[] = u"零壹贰叁肆伍陆柒捌玖";
constexpr char16_t kZero = u'_';  // a run of zero digits while the text is built; becomes 零 at the end
constexpr char16_t kYuan = u'元';
constexpr quint64 kYi = 100'000'000;

// Builds the integer text R: digits with their place names, runs of zeros kept as one kZero mark.
class CapitalsText {
 public:
  void put(char16_t c) { chars_[length_++] = c; }
  void putDigit(int digit) { put(kDigits[digit]); }

  // Consecutive zero digits read as one 零.
  void zero() {
    if (!endsWithZero()) put(kZero);
  }

  // A group mark (万, 亿) swallows the zeros just before it.
  void groupMark(char16_t mark) {
    if (endsWithZero()) --length_;
    put(mark);
  }

  bool endsWithZero() const { return length_ > 0 && chars_[length_ - 1] == kZero; }
  void dropLast() { --length_; }

  void dropZeros() {
    int kept = 0;
    for (int i = 0; i < length_; ++i)
      if (chars_[i] != kZero) chars_[kept++] = chars_[i];
    length_ = kept;
  }

  bool contains(char16_t c) const {
    for (int i = 0; i < length_; ++i)
      if (chars_[i] == c) return true;
    return false;
  }

  // The text with every zero mark read as 零.
  QString toString() const {
    QString text(length_, Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < length_; ++i) out[i] = chars_[i] == kZero ? QChar(kDigits[0]) : QChar(chars_[i]);
    return text;
  }

  // Whether the first 零 of the text is its last character.
  bool firstZeroIsLast() const {
    for (int i = 0; i < length_; ++i)
      if (chars_[i] == kZero) return i == length_ - 1;
    return false;
  }

 private:
  std::array<char16_t, 96> chars_{};  // 20 digits with place names and marks stay well below this
  int length_ = 0;
};

// A group of four digits: 仟, 佰, 拾 and the plain digit. Leading zeros count only inside a longer number.
void appendGroup(CapitalsText &text, unsigned group, bool leadingZerosCount) {
  static constexpr char16_t kPlaces[] = {u'仟', u'佰', u'拾', 0};
  static constexpr unsigned kPowers[] = {1000, 100, 10, 1};
  bool started = leadingZerosCount;
  for (int k = 0; k < 4; ++k) {
    const int digit = int(group / kPowers[k] % 10);
    if (digit != 0) {
      text.putDigit(digit);
      if (kPlaces[k]) text.put(kPlaces[k]);
      started = true;
    } else if (started) {
      text.zero();
    }
  }
}

// Below one 亿: the 万 group with its mark (left out when the group is all zero), then the units group.
void appendBelowYi(CapitalsText &text, unsigned value, bool leadingZerosCount) {
  const unsigned wan = value / 10000;
  if (wan != 0) {
    appendGroup(text, wan, leadingZerosCount);
    text.groupMark(u'万');
  } else if (leadingZerosCount) {
    text.zero();
  }
  appendGroup(text, value % 10000, leadingZerosCount || wan != 0);
}

// Every 亿 splits the number: the part above reads on its own and takes the mark 亿 (壹万亿, 壹亿亿).
void appendInteger(CapitalsText &text, quint64 value, bool leadingZerosCount) {
  if (value >= kYi) {
    appendInteger(text, value / kYi, leadingZerosCount);
    text.groupMark(u'亿');
    appendBelowYi(text, unsigned(value % kYi), true);
  } else {
    appendBelowYi(text, unsigned(value), leadingZerosCount);
  }
}

void appendFraction(CapitalsText &text, int hundredths) {
  const int jiao = hundredths / 10;
  const int fen = hundredths % 10;
  // A 零 already ending the integer text stands for the missing 角.
  const bool zeroBeforeFen = jiao == 0 && !text.firstZeroIsLast();
  if (jiao > 0) {
    text.putDigit(jiao);
    text.put(u'角');
  }
  if (fen > 0) {
    if (zeroBeforeFen) text.putDigit(0);
    text.putDigit(fen);
    text.put(u'分');
  }
}

void appendCapitals(CapitalsText &text, quint64 wholeUnits, int hundredths) {
  hundredths = qBound(0, hundredths, 99);
  if (wholeUnits == 0) text.zero();
  appendInteger(text, wholeUnits, false);
  if (wholeUnits % 10 != 0) text.put(kYuan);

  if (hundredths > 0) {
    // Whole units ending in zeros: 元 follows the digits and one 零 leads into the fraction.
    if (text.endsWithZero()) {
      text.dropZeros();
      text.put(kYuan);
      text.put(kZero);
    }
  } else {
    if (text.endsWithZero()) text.dropLast();
    if (!text.contains(kYuan)) text.put(kYuan);
  }
  appendFraction(text, hundredths);
}

}  // namespace

QChar capitalDigit(int digit) {
  return digit >= 0 && digit <= 9 ? QChar(kDigits[digit]) : QChar();
}

QString capitalNumerals(quint64 wholeUnits, int hundredths) {
  CapitalsText text;
  appendCapitals(text, wholeUnits, hundredths);
  return text.toString();
}

QString currencyToCapitals(Currency amount, bool ForceShowEndText) {
  // The magnitude as unsigned, so that the most negative amount has one too.
  const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
  const quint64 wholeUnits = magnitude / kCurrencyScale;
  const int hundredths = int(magnitude % kCurrencyScale / 100);
  CapitalsText text;
  if (amount < 0 && (wholeUnits != 0 || hundredths != 0)) text.put(u'负');
  appendCapitals(text, wholeUnits, hundredths);
  if (ForceShowEndText) text.put(u'整');
  return text.toString();
}

SubDigit subDigitOf(Currency amount, int SubIndex) {
  const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
  SubDigit sub;
  if (SubIndex >= 0) {
    const QByteArray digits = QByteArray::number(magnitude / kCurrencyScale);
    if (SubIndex < digits.size()) {
      sub.BoShowText = true;
      sub.digit = digits[digits.size() - 1 - SubIndex] - '0';
    }
    return sub;
  }
  // 角 and 分 come from the hundredths written without a leading zero: 0.05 has no 角 digit of its own.
  sub.BoShowText = true;
  const QByteArray digits = QByteArray::number(magnitude % kCurrencyScale / 100);
  if (digits.size() >= -SubIndex) {
    if (SubIndex == -2) sub.digit = digits.front() - '0';
    if (SubIndex == -1) sub.digit = digits.back() - '0';
  }
  return sub;
}

QString subDigitText(const SubDigit &sub) {
  if (sub.digit != 0) return capitalDigit(sub.digit);
  return sub.BoShowText ? QString(capitalDigit(0)) : QString(u' ');
}

}  // namespace op
