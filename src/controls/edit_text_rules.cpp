#include "controls/edit_text_rules.h"

#include <QLocale>

namespace op {

namespace {
bool isNumberCharacter(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}
}  // namespace

QString shortestDecimal(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString takeNumberOutOfText(const QString &text) {
  QString run;
  for (const QChar c : text) {
    if (isNumberCharacter(c))
      run += c;
    else if (!run.isEmpty())
      break;
  }
  bool ok = false;
  const double number = run.toDouble(&ok);
  return ok ? shortestDecimal(number) : text;
}

QStringList breakIntoPrintLines(const QString &text, int boxWidth,
                                const std::function<int(const QString &)> &measureWidth) {
  QStringList lines;
  QString current;
  for (const QChar c : text) {
    if (measureWidth(current) > boxWidth) {
      lines.append(current);
      current.clear();
    }
    current += c;
  }
  if (!current.trimmed().isEmpty()) lines.append(current);
  return lines;
}

}  // namespace op
