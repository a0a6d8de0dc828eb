#pragma once

#include <QString>
#include <QStringList>

namespace op {

// An SQL text with its named parameters (":InnerID") replaced by the engine's "?" markers.
struct TranslatedSql {
  QString text;
  // One entry per "?" in order: the parameter's name in upper case, or "#n" (n from 1) for a "?" written
  // as such in the source text. A name used twice appears twice.
  QStringList markers;
};

// Replaces every ":Name" outside string literals, quoted identifiers and comments by "?".
TranslatedSql translateNamedParameters(const QString &sql);

// Splits a script into statements at ";" outside literals and comments; empty statements are dropped.
QStringList splitSqlScript(const QString &script);

}  // namespace op
