#include "controls/expression.h"

#include <QLoggingCategory>

#include "controls/edit_text_rules.h"
#include "controls/expression_arith.h"
#include "document/field.h"

namespace op {

// The expression trace is for developers only: enable it with QT_LOGGING_RULES="overprint.expr.debug=true".
Q_LOGGING_CATEGORY(lcExpr, "overprint.expr", QtWarningMsg)

QList<ExprStatement> splitExpressionStatements(const QString &text) {
  QStringList raw;
  QString current;
  for (const QChar c : text) {
    current += c;
    if (c == u';') {
      raw << current;
      current.clear();
    }
  }
  if (!current.trimmed().isEmpty()) raw << current;

  QList<ExprStatement> statements;
  for (const QString &statement : raw) {
    if (statement.trimmed().isEmpty()) continue;
    const qsizetype eq = statement.indexOf(u'=');
    ExprStatement parsed;
    if (eq >= 0) {
      parsed.target = statement.left(eq).trimmed();
      parsed.expression = statement.mid(eq + 1).trimmed();
    } else {
      parsed.expression = statement.trimmed();
    }
    parsed.expression.remove(u';').remove(u'\r').remove(u'\n');
    statements << parsed;
  }
  return statements;
}

namespace {

bool isIdentifierChar(QChar c) {
  return c.isLetterOrNumber() || c == u'_';
}

// The field's numeric capability, or nullptr for fields that do not take part in expressions.
IQELExprFloatValue *numericValueOf(QelField *field) {
  auto *element = dynamic_cast<QelElementField *>(field);
  if (!element) return nullptr;
  auto *value = dynamic_cast<IQELExprFloatValue *>(element->GetDesign());
  return value && value->IsNumeric() ? value : nullptr;
}

}  // namespace

QString replaceIdentifier(const QString &expression, const QString &identifier, const QString &replacement) {
  if (identifier.isEmpty()) return expression;
  QString result;
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = expression.indexOf(identifier, from, Qt::CaseSensitive);
    if (at < 0) break;
    const qsizetype end = at + identifier.size();
    const bool startsWord = at == 0 || !isIdentifierChar(expression[at - 1]);
    const bool endsWord = end == expression.size() || !isIdentifierChar(expression[end]);
    result += expression.mid(from, at - from);
    result += startsWord && endsWord ? replacement : identifier;
    from = end;
  }
  result += expression.mid(from);
  return result;
}

QString expressionOperand(double value) {
  const QString text = shortestDecimal(value);
  return value < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

int runExpressionStatements(const QString &exprText, const QList<QelField *> &fields) {
  int set = 0;
  for (const ExprStatement &statement : splitExpressionStatements(exprText)) {
    QString expression = statement.expression;
    for (QelField *field : fields) {
      IQELExprFloatValue *value = numericValueOf(field);
      if (!value) continue;
      expression = replaceIdentifier(expression, field->GetID(), expressionOperand(value->GetFloatValue()));
      qCDebug(lcExpr).noquote() << "Expr:" + expression;
      qCDebug(lcExpr).noquote() << "ExprId:" + field->GetID();
    }

    QelField *target = nullptr;
    const QString wanted = statement.target.toUpper();
    for (QelField *field : fields)
      if (field->GetID().trimmed().toUpper() == wanted) target = field;
    IQELExprFloatValue *targetValue = numericValueOf(target);
    if (!targetValue) continue;

    const ExprResult result = evaluateArithmetic(expression);
    if (!result.ok) {
      qCDebug(lcExpr).noquote() << "Expr error:" << result.error;
      continue;
    }
    targetValue->SetFloatValue(result.toDouble());
    ++set;
  }
  return set;
}

}  // namespace op
