#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace op {

class Database;

// Reads of the fill-in panel, every value bound as a parameter.

// The template document of the catalogue row `innerId` (PP_Items.RPData, decoded from the storage text
// form); nullopt when there is no such row. Throws DbError.
std::optional<QString> readTemplateDocument(Database &db, const QString &innerId);
// The template's custom-data document (PP_CustomData.CustomData, decoded); nullopt without a row.
std::optional<QString> readTemplateCustomData(Database &db, const QString &innerId);

// One dictionary entry as the picker lists it.
struct DictEntry {
  qint64 id = 0;
  QString innerId, title, dictData;
};
// The entries of the dictionary `dirId`, in the order of their ID.
QList<DictEntry> readDictionaryEntries(Database &db, const QString &dirId);
// The entry with the identity `innerId`; nullopt when there is none.
std::optional<DictEntry> readDictionaryEntry(Database &db, const QString &innerId);

}  // namespace op
