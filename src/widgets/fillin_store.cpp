#include "widgets/fillin_store.h"

#include "core/base64.h"
#include "storage/database.h"

namespace op {

namespace {

std::optional<QString> readStoredText(Database &db, const QString &sql, const QString &column, const QString &id) {
  auto statement = db.NewStatement(sql);
  statement->bind(QStringLiteral("InnerID"), id);
  statement->open();
  if (!statement->next()) return std::nullopt;
  return documentFromStorageText(statement->text(column));
}

DictEntry entryOf(const Statement &statement) {
  DictEntry entry;
  entry.id = statement.toInt64(QStringLiteral("ID"));
  entry.innerId = statement.text(QStringLiteral("InnerID"));
  entry.title = statement.text(QStringLiteral("Title"));
  entry.dictData = statement.text(QStringLiteral("DictData"));
  return entry;
}

}  // namespace

std::optional<QString> readTemplateDocument(Database &db, const QString &innerId) {
  return readStoredText(db, QStringLiteral("select ID, InnerID, RPData from PP_Items where InnerID = :InnerID"),
                        QStringLiteral("RPData"), innerId);
}

std::optional<QString> readTemplateCustomData(Database &db, const QString &innerId) {
  return readStoredText(db, QStringLiteral("select InnerID, CustomData from PP_CustomData where InnerID = :InnerID"),
                        QStringLiteral("CustomData"), innerId);
}

QList<DictEntry> readDictionaryEntries(Database &db, const QString &dirId) {
  auto statement = db.NewStatement(QStringLiteral("select * from PP_DictDetail where DirId = :DirId order by ID"));
  statement->bind(QStringLiteral("DirId"), dirId);
  statement->open();
  QList<DictEntry> entries;
  while (statement->next()) entries << entryOf(*statement);
  return entries;
}

std::optional<DictEntry> readDictionaryEntry(Database &db, const QString &innerId) {
  auto statement = db.NewStatement(QStringLiteral("select * from PP_DictDetail where innerid = :InnerID"));
  statement->bind(QStringLiteral("InnerID"), innerId);
  statement->open();
  if (!statement->next()) return std::nullopt;
  return entryOf(*statement);
}

}  // namespace op
