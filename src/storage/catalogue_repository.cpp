#include "storage/catalogue_repository.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

#include "core/ids.h"
#include "core/messagesink.h"
#include "core/shellservices.h"
#include "storage/database.h"

namespace op {

namespace {

const QString kCategoryColumns = QStringLiteral("select ID, InnerID, ParaID, Title from PP_List");
const QString kTemplateColumns = QStringLiteral("select ID, Md5, InnerID, ParaID, Title, ItemType from PP_Items");

CatalogueEntry categoryFrom(const Statement &q) {
  CatalogueEntry entry;
  entry.kind = CatalogueEntry::Category;
  entry.id = q.toInt(QStringLiteral("ID"));
  entry.innerId = q.text(QStringLiteral("InnerID")).trimmed();
  entry.paraId = q.text(QStringLiteral("ParaID")).trimmed();
  entry.title = q.text(QStringLiteral("Title")).trimmed().left(kNodeTitleLength);
  return entry;
}

CatalogueEntry templateFrom(const Statement &q) {
  CatalogueEntry entry = categoryFrom(q);
  entry.kind = CatalogueEntry::Template;
  entry.md5 = q.text(QStringLiteral("Md5")).trimmed();
  entry.itemType = q.toInt(QStringLiteral("ItemType"));
  return entry;
}

// Rows of one parent as the queries return them: categories in row order, templates in descending ID order.
struct Children {
  std::vector<CatalogueEntry> categories;
  std::vector<CatalogueEntry> templates;
};

// Every node goes in as its parent's first child: templates (queried newest first) end in ascending ID order
// ahead of the sub-categories, which end in the reverse of their row order.
std::vector<CatalogueEntry> displayOrder(Children rows) {
  std::vector<CatalogueEntry> ordered;
  ordered.reserve(rows.categories.size() + rows.templates.size());
  for (auto it = rows.templates.rbegin(); it != rows.templates.rend(); ++it) ordered.push_back(std::move(*it));
  for (auto it = rows.categories.rbegin(); it != rows.categories.rend(); ++it) ordered.push_back(std::move(*it));
  return ordered;
}

void attachChildren(CatalogueEntry &node, QHash<QString, Children> &byParent, QSet<QString> &placed) {
  auto found = byParent.find(node.innerId);
  if (found == byParent.end()) return;
  Children rows = std::move(*found);
  byParent.erase(found);
  std::vector<CatalogueEntry> children = displayOrder(std::move(rows));
  for (CatalogueEntry &child : children) {
    if (placed.contains(child.innerId)) continue;  // a cycle of parents, or a duplicate identity
    placed.insert(child.innerId);
    attachChildren(child, byParent, placed);
    node.children.push_back(std::move(child));
  }
}

void collectListing(const std::vector<CatalogueEntry> &nodes, QStringList &path, std::vector<CatalogueListing> &out) {
  for (const CatalogueEntry &node : nodes) {
    if (node.isTemplate()) out.push_back({node.innerId, path, node.title});
    path.push_back(node.title);
    collectListing(node.children, path, out);
    path.pop_back();
  }
}

// Runs `change` and commits; on failure rolls back and rethrows.
template <typename Change>
void inTransaction(Database &db, Change change) {
  try {
    change();
    db.commit();
  } catch (...) {
    try {
      db.rollback();
    } catch (...) {
    }
    throw;
  }
}

void checkStoredLength(const QString &text) {
  if (text.size() > kMaxStoredTextLength) throw std::length_error("stored text too long");
}

void writeTemplateData(Database &db, const QString &innerId, const QString &storageText) {
  auto q = db.NewStatement();
  db.ExecWithText(*q,
                  QStringLiteral("update PP_Items set Md5 = :Md5, RPData = :Blob, ModiftyDate = CURRENT_TIMESTAMP, "
                                 "ItemType = 1 where InnerID = :InnerID"),
                  storageText, false, QStringLiteral("Blob"),
                  {{QStringLiteral("Md5"), md5Hex(storageText.toLatin1())}, {QStringLiteral("InnerID"), innerId}});
}

void writeCustomData(Database &db, const QString &innerId, const QString &storageText) {
  db.execute(QStringLiteral("delete from PP_CustomData where InnerID = :InnerID"),
             {{QStringLiteral("InnerID"), innerId}});
  auto q = db.NewStatement();
  db.ExecWithText(*q,
                  QStringLiteral("insert into PP_CustomData (ID, InnerID, CustomData) "
                                 "values (GEN_ID(GEN_PP_CUSTOMDATA_ID, 1), :InnerID, :Blob)"),
                  storageText, false, QStringLiteral("Blob"), {{QStringLiteral("InnerID"), innerId}});
}

std::optional<QString> readBlob(Database &db, const QString &sql, const QString &column, const QString &innerId) {
  auto q = db.NewStatement(sql);
  q->bind(QStringLiteral("InnerID"), innerId);
  q->open();
  if (!q->next()) return std::nullopt;
  QString text = q->text(column);
  q->close();
  return text;
}

}  // namespace

std::vector<CatalogueEntry> CatalogueRepository::loadTree() {
  QHash<QString, Children> byParent;
  {
    auto q = db_.NewStatement(kCategoryColumns + QStringLiteral(" where AppId = :AppId order by ID"));
    q->bind(QStringLiteral("AppId"), kAppId);
    q->open();
    while (q->next()) {
      CatalogueEntry entry = categoryFrom(*q);
      byParent[entry.paraId].categories.push_back(std::move(entry));
    }
    q->setSql(kTemplateColumns + QStringLiteral(" where APPID = :AppId order by ID descending"));
    q->bind(QStringLiteral("AppId"), kAppId);
    q->open();
    while (q->next()) {
      CatalogueEntry entry = templateFrom(*q);
      byParent[entry.paraId].templates.push_back(std::move(entry));
    }
  }
  // The top level holds only the categories of RPNULL; each goes in as the tree's first node.
  CatalogueEntry root;
  root.innerId = QString::fromLatin1(kRootParent);
  Children top;
  top.categories = std::move(byParent[root.innerId].categories);
  byParent.remove(root.innerId);
  byParent.insert(root.innerId, std::move(top));
  QSet<QString> placed;
  attachChildren(root, byParent, placed);
  return std::move(root.children);
}

std::vector<CatalogueEntry> CatalogueRepository::loadChildren(const QString &paraId) {
  Children rows;
  auto q =
      db_.NewStatement(kCategoryColumns + QStringLiteral(" where ParaID = :ParaID and AppId = :AppId order by ID"));
  q->bind(QStringLiteral("ParaID"), paraId);
  q->bind(QStringLiteral("AppId"), kAppId);
  q->open();
  while (q->next()) rows.categories.push_back(categoryFrom(*q));
  if (paraId != QLatin1String(kRootParent)) {
    q->setSql(kTemplateColumns + QStringLiteral(" where ParaID = :ParaID and APPID = :AppId order by ID descending"));
    q->bind(QStringLiteral("ParaID"), paraId);
    q->bind(QStringLiteral("AppId"), kAppId);
    q->open();
    while (q->next()) rows.templates.push_back(templateFrom(*q));
  }
  return displayOrder(std::move(rows));
}

std::vector<CatalogueListing> CatalogueRepository::listTemplates() {
  std::vector<CatalogueListing> out;
  QStringList path;
  collectListing(loadTree(), path, out);
  return out;
}

void CatalogueRepository::createCategory(const QString &innerId, const QString &paraId, const QString &title) {
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("insert into PP_List (ID, InnerID, ParaID, Title, AppId) "
                               "values (GEN_ID(GEN_PP_LIST_ID, 1), :InnerID, :ParaID, :Title, :AppId)"),
                {{QStringLiteral("InnerID"), innerId},
                 {QStringLiteral("ParaID"), paraId},
                 {QStringLiteral("Title"), title},
                 {QStringLiteral("AppId"), kAppId}});
  });
}

void CatalogueRepository::createTemplate(const QString &innerId, const QString &paraId, const QString &title,
                                         const QString &pym, const QString &templateText, const QString &customText) {
  checkStoredLength(templateText);
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("insert into PP_Items (ID, InnerID, ParaID, PYM, Title, APPID) "
                               "values (GEN_ID(GEN_PP_ITEMS_ID, 1), :InnerID, :ParaID, :PYM, :Title, :AppId)"),
                {{QStringLiteral("InnerID"), innerId},
                 {QStringLiteral("ParaID"), paraId},
                 {QStringLiteral("PYM"), pym},
                 {QStringLiteral("Title"), title},
                 {QStringLiteral("AppId"), kAppId}});
    writeTemplateData(db_, innerId, templateText);
    writeCustomData(db_, innerId, customText);
  });
}

void CatalogueRepository::renameCategory(const QString &innerId, const QString &title) {
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("update PP_List set Title = :Title where Trim(InnerID) = :InnerID"),
                {{QStringLiteral("Title"), title}, {QStringLiteral("InnerID"), innerId.trimmed()}});
  });
}

void CatalogueRepository::renameTemplate(const QString &innerId, const QString &title) {
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("update PP_Items set Title = :Title where Trim(InnerID) = :InnerID"),
                {{QStringLiteral("Title"), title}, {QStringLiteral("InnerID"), innerId.trimmed()}});
  });
}

bool CatalogueRepository::categoryHasTemplates(const QString &innerId) {
  auto q = db_.NewStatement(QStringLiteral("select first 1 ID from PP_Items where ParaID = :ParaID"));
  q->bind(QStringLiteral("ParaID"), innerId);
  q->open();
  const bool any = q->next();
  q->close();
  return any;
}

void CatalogueRepository::deleteCategory(const QString &innerId) {
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("delete from PP_List where InnerID = :InnerID"), {{QStringLiteral("InnerID"), innerId}});
  });
}

void CatalogueRepository::deleteTemplate(const QString &innerId) {
  inTransaction(db_, [&] {
    db_.execute(QStringLiteral("delete from PP_Items where InnerID = :InnerID"),
                {{QStringLiteral("InnerID"), innerId}});
    db_.execute(QStringLiteral("delete from PP_CustomData where InnerID = :InnerID"),
                {{QStringLiteral("InnerID"), innerId}});
  });
}

void CatalogueRepository::saveTemplateData(const QString &innerId, const QString &storageText) {
  checkStoredLength(storageText);
  inTransaction(db_, [&] { writeTemplateData(db_, innerId, storageText); });
}

void CatalogueRepository::saveCustomData(const QString &innerId, const QString &storageText) {
  inTransaction(db_, [&] { writeCustomData(db_, innerId, storageText); });
}

std::optional<QString> CatalogueRepository::readTemplateData(const QString &innerId) {
  return readBlob(db_, QStringLiteral("select ID, InnerID, RPData from PP_Items where InnerID = :InnerID"),
                  QStringLiteral("RPData"), innerId);
}

std::optional<QString> CatalogueRepository::readCustomData(const QString &innerId) {
  return readBlob(db_, QStringLiteral("select InnerID, CustomData from PP_CustomData where InnerID = :InnerID"),
                  QStringLiteral("CustomData"), innerId);
}

QString dataTooLargeMessage(qsizetype length) {
  return QStringLiteral("数据太大，超过数据库的限制，无法保存\r\n建议缩小图片尺寸以减少数据\r\n大小:") +
         QString::number(length / 1024) + QStringLiteral("K");
}

bool SaveTemplateData(Database &db, const QString &storageText, const QString &innerId) {
  WaitGuard wait(QStringLiteral("请稍等! 正在存盘..."));
  if (storageText.size() > kMaxStoredTextLength) {
    showError(dataTooLargeMessage(storageText.size()));
    return false;
  }
  try {
    CatalogueRepository(db).saveTemplateData(innerId, storageText);
    return true;
  } catch (const DbError &error) {
    showError(QStringLiteral("保存失败!\r\n") + error.message());
  }
  return false;
}

bool SaveCustomData(Database &db, const QString &storageText, const QString &innerId) {
  WaitGuard wait(QStringLiteral("请稍等! 正在存盘..."));
  try {
    CatalogueRepository(db).saveCustomData(innerId, storageText);
    return true;
  } catch (const DbError &error) {
    showError(QStringLiteral("保存失败!\r\n") + error.message());
  }
  return false;
}

}  // namespace op
