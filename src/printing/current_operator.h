#pragma once

#include <QString>

// The operator signed in: read by the print history. Until someone signs in it is the built-in operator.
namespace op {

struct CurrentOperator {
  int UserID = -99;
  QString UserName = QStringLiteral("admin");
  QString PrintCode;
  bool IsAdmin = true;
};

inline CurrentOperator &currentOperator() {
  static CurrentOperator current;
  return current;
}

}  // namespace op
