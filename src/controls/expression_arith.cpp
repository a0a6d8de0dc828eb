#include "controls/expression_arith.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace op {

double ExprNumber::toDouble() const {
  if (isDouble) return dbl;
  return scale == 0 ? double(exact) : double(exact) * std::pow(10.0, -scale);
}

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

// The database's own wording of its arithmetic failures.
QString outOfRange() {
  return QStringLiteral("numeric value is out of range");
}
QString integerOverflow() {
  return QStringLiteral("Integer overflow");
}
QString integerDivideByZero() {
  return QStringLiteral("Integer divide by zero");
}
QString floatDivideByZero() {
  return QStringLiteral("Floating-point divide by zero");
}
QString floatOverflow() {
  return QStringLiteral("Floating-point overflow");
}

struct EvalError {
  QString message;
  int pos;
};

double exactAsDouble(const ExprNumber &n) {
  if (n.isDouble) return n.dbl;
  return n.scale == 0 ? double(n.exact) : double(n.exact) / std::pow(10.0, n.scale);
}

// `value` with `places` more decimal places; out of range when it no longer fits.
qint64 rescale(qint64 value, int places) {
  for (int i = 0; i < places; ++i)
    if (__builtin_mul_overflow(value, qint64(10), &value)) throw EvalError{outOfRange(), -1};
  return value;
}

ExprNumber checkedDouble(double value) {
  if (!std::isfinite(value)) throw EvalError{floatOverflow(), -1};
  return ExprNumber::fromDouble(value);
}

ExprNumber add(const ExprNumber &a, const ExprNumber &b, bool subtract) {
  if (a.isDouble || b.isDouble) {
    const double x = exactAsDouble(a), y = exactAsDouble(b);
    return checkedDouble(subtract ? x - y : x + y);
  }
  const int scale = qMax(a.scale, b.scale);
  const qint64 x = rescale(a.exact, scale - a.scale), y = rescale(b.exact, scale - b.scale);
  qint64 r = 0;
  const bool overflow = subtract ? __builtin_sub_overflow(x, y, &r) : __builtin_add_overflow(x, y, &r);
  if (overflow) throw EvalError{integerOverflow(), -1};
  return ExprNumber::fromExact(r, scale);
}

ExprNumber multiply(const ExprNumber &a, const ExprNumber &b) {
  if (a.isDouble || b.isDouble) return checkedDouble(exactAsDouble(a) * exactAsDouble(b));
  qint64 r = 0;
  if (__builtin_mul_overflow(a.exact, b.exact, &r)) throw EvalError{integerOverflow(), -1};
  return ExprNumber::fromExact(r, a.scale + b.scale);
}

// Exact quotient at the sum of the scales: the dividend gains twice the divisor's places, then the
// integer division truncates toward zero.
ExprNumber divide(const ExprNumber &a, const ExprNumber &b) {
  if (a.isDouble || b.isDouble) {
    const double y = exactAsDouble(b);
    if (y == 0) throw EvalError{floatDivideByZero(), -1};
    return checkedDouble(exactAsDouble(a) / y);
  }
  if (b.exact == 0) throw EvalError{integerDivideByZero(), -1};
  const qint64 dividend = rescale(a.exact, 2 * b.scale);
  if (dividend == kMin && b.exact == -1) throw EvalError{integerOverflow(), -1};
  return ExprNumber::fromExact(dividend / b.exact, a.scale + b.scale);
}

class Parser {
 public:
  explicit Parser(const QString &text) : s_(text) {}

  ExprNumber parseAll() {
    skipBlanks();
    ExprNumber value = parseSum();
    skipBlanks();
    if (pos_ < s_.size()) throw EvalError{QStringLiteral("Token unknown"), int(pos_)};
    return value;
  }

 private:
  static bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
  static bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
  static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

  void skipBlanks() {
    while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
  }
  QChar peek(qsizetype ahead = 0) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : QChar(); }

  // The next operator character, refusing the comment openers "--" and "/*".
  QChar peekOperator() {
    skipBlanks();
    const QChar c = peek();
    if ((c == u'-' && peek(1) == u'-') || (c == u'/' && peek(1) == u'*'))
      throw EvalError{QStringLiteral("comments are not accepted"), int(pos_)};
    return c;
  }

  ExprNumber parseSum() {
    ExprNumber value = parseProduct();
    for (;;) {
      const QChar op = peekOperator();
      if (op != u'+' && op != u'-') return value;
      ++pos_;
      value = add(value, parseProduct(), op == u'-');
    }
  }

  ExprNumber parseProduct() {
    ExprNumber value = parseUnary();
    for (;;) {
      const QChar op = peekOperator();
      if (op != u'*' && op != u'/') return value;
      ++pos_;
      const ExprNumber right = parseUnary();
      value = op == u'*' ? multiply(value, right) : divide(value, right);
    }
  }

  ExprNumber parseUnary() {
    const QChar c = peekOperator();
    if (c == u'+') {
      ++pos_;
      return parseUnary();
    }
    if (c == u'-') {
      ++pos_;
      skipBlanks();
      // A minus written before a literal may reach the smallest 64-bit integer.
      if (isDigit(peek()) || (peek() == u'.' && isDigit(peek(1)))) return parseNumber(true);
      const ExprNumber value = parseUnary();
      if (value.isDouble) return ExprNumber::fromDouble(-value.dbl);
      if (value.exact == kMin) throw EvalError{integerOverflow(), -1};
      return ExprNumber::fromExact(-value.exact, value.scale);
    }
    return parsePrimary();
  }

  ExprNumber parsePrimary() {
    skipBlanks();
    const QChar c = peek();
    if (c == u'(') {
      ++pos_;
      ExprNumber value = parseSum();
      if (peekOperator() != u')') throw EvalError{QStringLiteral("Token unknown"), int(pos_)};
      ++pos_;
      return value;
    }
    if (isDigit(c) || (c == u'.' && isDigit(peek(1)))) return parseNumber(false);
    throw EvalError{QStringLiteral("Token unknown"), int(pos_)};
  }

  ExprNumber parseNumber(bool negated) {
    const qsizetype start = pos_;
    QString digits;
    int scale = 0;
    bool point = false;
    while (pos_ < s_.size() && (isDigit(s_[pos_]) || (s_[pos_] == u'.' && !point))) {
      if (s_[pos_] == u'.')
        point = true;
      else {
        digits += s_[pos_];
        if (point) ++scale;
      }
      ++pos_;
    }
    bool exponent = false;
    if (peek() == u'e' || peek() == u'E') {
      exponent = true;
      ++pos_;
      if (peek() == u'+' || peek() == u'-') ++pos_;
      if (!isDigit(peek())) throw EvalError{QStringLiteral("Token unknown"), int(start)};
      while (isDigit(peek())) ++pos_;
    }
    if (pos_ < s_.size() && (isWordChar(s_[pos_]) || s_[pos_] == u'.'))
      throw EvalError{QStringLiteral("Token unknown"), int(start)};
    const QString literal = s_.mid(start, pos_ - start);
    return exponent ? doubleLiteral(literal, digits, negated, int(start))
                    : exactLiteral(digits, scale, negated, int(start));
  }

  static ExprNumber exactLiteral(const QString &digits, int scale, bool negated, int at) {
    // Magnitude up to 2^63, which only a negated literal may take.
    quint64 magnitude = 0;
    for (const QChar d : digits) {
      if (__builtin_mul_overflow(magnitude, quint64(10), &magnitude) ||
          __builtin_add_overflow(magnitude, quint64(d.unicode() - u'0'), &magnitude))
        throw EvalError{QStringLiteral("Token unknown"), at};
    }
    const quint64 limit = quint64(kMax) + (negated ? 1 : 0);
    if (magnitude > limit) throw EvalError{outOfRange(), at};
    const qint64 value = negated ? qint64(0 - magnitude) : qint64(magnitude);
    return ExprNumber::fromExact(value, scale);
  }

  static ExprNumber doubleLiteral(const QString &literal, const QString &digits, bool negated, int at) {
    bool ok = false;
    const double value = literal.toDouble(&ok);
    const bool nonZeroDigits = std::any_of(digits.begin(), digits.end(), [](QChar d) { return d != u'0'; });
    if (!ok || !std::isfinite(value) || std::fpclassify(value) == FP_SUBNORMAL || (value == 0 && nonZeroDigits))
      throw EvalError{outOfRange(), at};
    return ExprNumber::fromDouble(negated ? -value : value);
  }

  const QString &s_;
  qsizetype pos_ = 0;
};

}  // namespace

ExprResult evaluateArithmetic(const QString &text) {
  ExprResult result;
  try {
    result.value = Parser(text).parseAll();
    result.ok = true;
  } catch (const EvalError &error) {
    result.error = error.message;
    result.errorPos = error.pos;
  }
  return result;
}

}  // namespace op
