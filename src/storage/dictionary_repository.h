#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace op {

class Database;

// Limits of the dictionary window, counted in characters as typed.
inline constexpr int kDictionaryNameLength = 25;
inline constexpr int kDictEntryTitleLength = 25;
inline constexpr int kDictEntryDataLength = 255;

struct Dictionary {
  int id = 0;
  QString innerId;
  QString title;
};

struct DictionaryEntry {
  int id = 0;
  QString innerId;
  QString title;
  QString dictData;
  QString pym;
  QString dirId;
};

// Dictionaries (PP_DICTDIR) and their entries (PP_DictDetail). Values are bound parameters; changes commit
// on success and roll back on failure. Failures throw DbError.
class DictionaryRepository {
 public:
  explicit DictionaryRepository(Database &db) : db_(db) {}

  // The dictionaries this program keeps (DIRTYPE null), in ID order.
  std::vector<Dictionary> dictionaries();
  // True when a dictionary of this exact title is marked with the application identifier (DIRTYPE 22).
  bool appDictionaryExists(const QString &title);
  void addDictionary(const QString &innerId, const QString &title);
  // Removes the dictionary only; its entries stay in PP_DictDetail.
  void deleteDictionary(const QString &innerId);

  // Entries of one dictionary (by its InnerID) in ID order.
  std::vector<DictionaryEntry> entries(const QString &dirId);
  std::optional<DictionaryEntry> entry(const QString &innerId);
  void addEntry(const DictionaryEntry &entry);
  // Title and data only; PYM stays as it was.
  void updateEntry(const QString &innerId, const QString &title, const QString &dictData);
  void deleteEntry(const QString &innerId);

 private:
  Database &db_;
};

}  // namespace op
