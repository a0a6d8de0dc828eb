#pragma once

#include <QString>
#include <QtGlobal>

namespace op {

// A number as the database's dialect 3 arithmetic keeps it: either an exact decimal (a 64-bit integer
// count of 10^-scale units) or a double.
struct ExprNumber {
  bool isDouble = false;
  qint64 exact = 0;
  int scale = 0;  // decimal places of an exact number
  double dbl = 0;

  static ExprNumber fromExact(qint64 value, int scale) { return {false, value, scale, 0}; }
  static ExprNumber fromDouble(double value) { return {true, 0, 0, value}; }
  // The value as a double, converted as the database client reads a scaled column.
  double toDouble() const;
};

struct ExprResult {
  bool ok = false;
  ExprNumber value;
  QString error;      // empty when ok
  int errorPos = -1;  // character index in the expression text, -1 for an arithmetic failure
  double toDouble() const { return value.toDouble(); }
};

// Evaluates an arithmetic expression of numbers, + - * / and parentheses with the rules of the database's
// dialect 3: integer literals are exact with scale 0, decimal literals exact with their count of decimal
// places, literals with an exponent doubles. Exact sums keep the larger scale, products and quotients the
// sum of the scales; a quotient of exact numbers is truncated toward zero. Exact overflow, a divisor of zero,
// and double overflow or underflow are errors, as are comments, names and any other character.
ExprResult evaluateArithmetic(const QString &text);

}  // namespace op
