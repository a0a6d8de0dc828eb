#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace op {

class Database;

// The application identifier of this program's rows in shared tables.
inline constexpr int kAppId = 22;
// Parent identifier of top-level categories.
inline constexpr const char *kRootParent = "RPNULL";
// A template's stored text (storage text form) may hold at most this many characters.
inline constexpr qsizetype kMaxStoredTextLength = 8 * 1024 * 1024;
// Titles kept in a tree node are cut to this many characters.
inline constexpr int kNodeTitleLength = 50;

// One node of the template catalogue: a category (PP_List) or a template (PP_Items) with its children in
// tree order.
struct CatalogueEntry {
  enum Kind { Category = 1, Template = 2 };
  Kind kind = Category;
  int id = 0;
  int itemType = 0;  // PP_Items.ItemType of a template, 0 for a category
  QString innerId;
  QString paraId;
  QString md5;    // PP_Items.Md5 of a template, empty for a category
  QString title;  // trimmed, at most kNodeTitleLength characters
  std::vector<CatalogueEntry> children;

  bool isTemplate() const { return kind == Template; }
};

// A template as the headless listing shows it: identity, the path of its categories and its title.
struct CatalogueListing {
  QString innerId;
  QStringList path;
  QString title;
};

// The catalogue tables PP_List, PP_Items and PP_CustomData of this application (AppId 22 rows only).
// Every value goes in as a bound parameter. Failures throw DbError; changing operations commit on success
// and roll back on failure, so a failed change leaves the previous rows in place.
class CatalogueRepository {
 public:
  explicit CatalogueRepository(Database &db) : db_(db) {}

  // The whole tree in display order: top-level categories in the reverse of their row order; under each
  // node its templates in ascending ID order first, then its sub-categories in the reverse of their row
  // order. Two queries in all; a stored cycle of parents is cut where it closes.
  std::vector<CatalogueEntry> loadTree();
  // The direct children of one node in display order (not their children).
  std::vector<CatalogueEntry> loadChildren(const QString &paraId);
  // Every template in tree order with its category path.
  std::vector<CatalogueListing> listTemplates();

  void createCategory(const QString &innerId, const QString &paraId, const QString &title);
  // Inserts the PP_Items row, its document and its custom data in one transaction. Throws
  // std::length_error when the document text is too long, before any database access.
  void createTemplate(const QString &innerId, const QString &paraId, const QString &title, const QString &pym,
                      const QString &templateText, const QString &customText);
  // Leaves PYM as it was.
  void renameCategory(const QString &innerId, const QString &title);
  void renameTemplate(const QString &innerId, const QString &title);
  bool categoryHasTemplates(const QString &innerId);
  void deleteCategory(const QString &innerId);
  // The template row and its custom data in one transaction.
  void deleteTemplate(const QString &innerId);

  // Stores the document (storage text form) with its MD5 fingerprint, the time and ItemType 1. Throws
  // std::length_error beyond kMaxStoredTextLength characters, before any database access.
  void saveTemplateData(const QString &innerId, const QString &storageText);
  // Replaces the template's PP_CustomData row: delete and insert in one transaction.
  void saveCustomData(const QString &innerId, const QString &storageText);

  // RPData of the template (storage text form); nullopt when there is no row.
  std::optional<QString> readTemplateData(const QString &innerId);
  // CustomData of the template (storage text form); nullopt when there is no row.
  std::optional<QString> readCustomData(const QString &innerId);

 private:
  Database &db_;
};

// "数据太大，超过数据库的限制，无法保存..." with the length in K.
QString dataTooLargeMessage(qsizetype length);

// The two save operations as the main window and the designer call them: the wait window is shown while
// they run and failures are reported with the program's messages ("保存失败!" with the engine's
// message, or the size message). Both return true only when the text was stored.
bool SaveTemplateData(Database &db, const QString &storageText, const QString &innerId);
bool SaveCustomData(Database &db, const QString &storageText, const QString &innerId);

}  // namespace op
