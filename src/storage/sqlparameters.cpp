#include "storage/sqlparameters.h"

namespace op {

namespace {

bool isNameStart(QChar c) {
  return c.isLetter() || c == u'_';
}
bool isNamePart(QChar c) {
  return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Length of the literal, quoted identifier or comment starting at `i`, or 0 when none starts there.
qsizetype skippableLength(const QString &sql, qsizetype i) {
  const QChar c = sql[i];
  const qsizetype n = sql.size();
  if (c == u'\'' || c == u'"') {
    qsizetype j = i + 1;
    while (j < n) {
      if (sql[j] == c) {
        if (j + 1 < n && sql[j + 1] == c) {
          j += 2;  // doubled quote inside the literal
          continue;
        }
        return j + 1 - i;
      }
      ++j;
    }
    return n - i;
  }
  if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
    const qsizetype end = sql.indexOf(u'\n', i);
    return (end < 0 ? n : end + 1) - i;
  }
  if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
    const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
    return (end < 0 ? n : end + 2) - i;
  }
  return 0;
}

}  // namespace

TranslatedSql translateNamedParameters(const QString &sql) {
  TranslatedSql result;
  result.text.reserve(sql.size());
  int positional = 0;
  for (qsizetype i = 0; i < sql.size();) {
    if (const qsizetype skip = skippableLength(sql, i)) {
      result.text += QStringView(sql).mid(i, skip);
      i += skip;
      continue;
    }
    const QChar c = sql[i];
    if (c == u'?') {
      result.markers << QStringLiteral("#%1").arg(++positional);
      result.text += c;
      ++i;
      continue;
    }
    if (c == u':' && i + 1 < sql.size() && isNameStart(sql[i + 1])) {
      qsizetype end = i + 2;
      while (end < sql.size() && isNamePart(sql[end])) ++end;
      result.markers << sql.mid(i + 1, end - i - 1).toUpper();
      result.text += u'?';
      i = end;
      continue;
    }
    result.text += c;
    ++i;
  }
  return result;
}

QStringList splitSqlScript(const QString &script) {
  QStringList statements;
  QString current;
  for (qsizetype i = 0; i < script.size();) {
    if (const qsizetype skip = skippableLength(script, i)) {
      const bool comment = script[i] == u'-' || script[i] == u'/';
      if (!comment) current += QStringView(script).mid(i, skip);
      i += skip;
      continue;
    }
    if (script[i] == u';') {
      if (!current.trimmed().isEmpty()) statements << current.trimmed();
      current.clear();
    } else {
      current += script[i];
    }
    ++i;
  }
  if (!current.trimmed().isEmpty()) statements << current.trimmed();
  return statements;
}

}  // namespace op
