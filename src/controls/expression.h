#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace op {

class QelField;

// One statement of a template's expression text: `target = expression;`.
struct ExprStatement {
  QString target;      // trimmed text before the first "="; empty when there is none
  QString expression;  // trimmed text after it, without ";", CR and LF
};

// Splits the expression text into statements: each ends with its ";", a non-blank remainder is the last
// one, blank statements are dropped.
QList<ExprStatement> splitExpressionStatements(const QString &text);

// Replaces every whole occurrence of `identifier` (case-sensitive; not touching a letter, digit or "_" on
// either side) by `replacement`.
QString replaceIdentifier(const QString &expression, const QString &identifier, const QString &replacement);

// The text a field's number takes in an expression: its shortest decimal form, in parentheses when negative
// so that "a-b" with b = -3 stays a subtraction.
QString expressionOperand(double value);

// Runs the statements of `exprText` over `fields` (the run-time list, in list order): numeric text edits
// give their values to the expressions, and each statement's target, when a numeric field, takes the
// result. A statement that fails (unknown target, a field that is not numeric, a syntax or arithmetic error)
// leaves its target unchanged and the next statement runs. Returns the number of targets set.
int runExpressionStatements(const QString &exprText, const QList<QelField *> &fields);

}  // namespace op
