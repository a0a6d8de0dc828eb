#include "storage/dictionary_repository.h"

#include "storage/catalogue_repository.h"
#include "storage/database.h"

namespace op {

namespace {

DictionaryEntry entryFrom(const Statement &q) {
  DictionaryEntry entry;
  entry.id = q.toInt(QStringLiteral("ID"));
  entry.innerId = q.text(QStringLiteral("InnerID")).trimmed();
  entry.title = q.text(QStringLiteral("Title"));
  entry.dictData = q.text(QStringLiteral("DictData"));
  entry.pym = q.text(QStringLiteral("PYM"));
  entry.dirId = q.text(QStringLiteral("DirId")).trimmed();
  return entry;
}

void change(Database &db, const QString &sql, const QVariantMap &parameters) {
  try {
    db.execute(sql, parameters);
    db.commit();
  } catch (...) {
    try {
      db.rollback();
    } catch (...) {
    }
    throw;
  }
}

}  // namespace

std::vector<Dictionary> DictionaryRepository::dictionaries() {
  std::vector<Dictionary> out;
  auto q = db_.NewStatement(QStringLiteral("select * from PP_DICTDIR where (DIRTYPE is null) order by ID"));
  q->open();
  while (q->next())
    out.push_back({q->toInt(QStringLiteral("ID")), q->text(QStringLiteral("InnerID")).trimmed(),
                   q->text(QStringLiteral("Title"))});
  return out;
}

bool DictionaryRepository::appDictionaryExists(const QString &title) {
  auto q =
      db_.NewStatement(QStringLiteral("select first 1 ID from PP_DICTDIR where Title = :Title and DIRTYPE = :AppId"));
  q->bind(QStringLiteral("Title"), title);
  q->bind(QStringLiteral("AppId"), kAppId);
  q->open();
  const bool found = q->next();
  q->close();
  return found;
}

void DictionaryRepository::addDictionary(const QString &innerId, const QString &title) {
  change(db_,
         QStringLiteral("insert into PP_DICTDIR (ID, Title, InnerID) values (GEN_ID(GEN_PP_DICTDIR_ID, 1), :Title, "
                        ":InnerID)"),
         {{QStringLiteral("Title"), title}, {QStringLiteral("InnerID"), innerId}});
}

void DictionaryRepository::deleteDictionary(const QString &innerId) {
  change(db_, QStringLiteral("delete from PP_DICTDIR where InnerID = :InnerID"),
         {{QStringLiteral("InnerID"), innerId}});
}

std::vector<DictionaryEntry> DictionaryRepository::entries(const QString &dirId) {
  std::vector<DictionaryEntry> out;
  auto q = db_.NewStatement(QStringLiteral("select * from PP_DictDetail where DirId = :DirId order by ID"));
  q->bind(QStringLiteral("DirId"), dirId);
  q->open();
  while (q->next()) out.push_back(entryFrom(*q));
  return out;
}

std::optional<DictionaryEntry> DictionaryRepository::entry(const QString &innerId) {
  auto q = db_.NewStatement(QStringLiteral("select * from PP_DictDetail where InnerID = :InnerID"));
  q->bind(QStringLiteral("InnerID"), innerId.trimmed());
  q->open();
  if (!q->next()) return std::nullopt;
  DictionaryEntry found = entryFrom(*q);
  q->close();
  return found;
}

void DictionaryRepository::addEntry(const DictionaryEntry &entry) {
  change(db_,
         QStringLiteral("insert into PP_DictDetail (ID, InnerID, Title, DictData, PYM, DirId) "
                        "values (GEN_ID(GEN_PP_DICTDETAIL_ID, 1), :InnerID, :Title, :DictData, :PYM, :DirId)"),
         {{QStringLiteral("InnerID"), entry.innerId},
          {QStringLiteral("Title"), entry.title},
          {QStringLiteral("DictData"), entry.dictData},
          {QStringLiteral("PYM"), entry.pym},
          {QStringLiteral("DirId"), entry.dirId}});
}

void DictionaryRepository::updateEntry(const QString &innerId, const QString &title, const QString &dictData) {
  change(
      db_, QStringLiteral("update PP_DictDetail set Title = :Title, DictData = :DictData where InnerID = :InnerID"),
      {{QStringLiteral("Title"), title}, {QStringLiteral("DictData"), dictData}, {QStringLiteral("InnerID"), innerId}});
}

void DictionaryRepository::deleteEntry(const QString &innerId) {
  change(db_, QStringLiteral("delete from PP_DictDetail where InnerID = :InnerID"),
         {{QStringLiteral("InnerID"), innerId}});
}

}  // namespace op
