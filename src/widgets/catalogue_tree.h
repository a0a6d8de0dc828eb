#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QToolButton>
#include <QTreeWidget>

#include <array>
#include <functional>
#include <optional>

#include "storage/catalogue_repository.h"
#include "widgets/catalogue_new_template_dialog.h"

namespace op {

class Database;

// The template catalogue on a tree widget: categories and templates of PP_List and PP_Items, the commands
// of the link labels beside the tree (新建类别, 新建模版, 重命名, 删除模板) and the hover button "修改".
// Every node keeps its record in the item's data roles below. Opening a template is left to whoever
// listens to openTemplateRequested; the designer to designRequested.
class CatalogueTree : public QObject {
  Q_OBJECT
 public:
  enum Role {
    KindRole = Qt::UserRole + 1,  // CatalogueEntry::Kind
    InnerIdRole,
    ParaIdRole,
    Md5Role,
    ItemTypeRole,
    TitleRole,
  };

  // Questions the commands ask; tests replace them. askText(caption, prompt) returns nullopt on cancel.
  using TextAsker = std::function<std::optional<QString>(const QString &caption, const QString &prompt)>;
  using NewTemplateAsker = std::function<std::optional<NewTemplateRequest>()>;

  CatalogueTree(QTreeWidget *tree, Database &db, QString skeletonPath, QObject *parent = nullptr);
  ~CatalogueTree() override;

  QTreeWidget *tree() const { return tree_; }
  QToolButton *designButton() const { return designButton_; }
  void setTextAsker(TextAsker asker) { askText_ = std::move(asker); }
  void setNewTemplateAsker(NewTemplateAsker asker) { askNewTemplate_ = std::move(asker); }
  // The hover button "修改" stays disabled until a designer is there to open.
  void setDesignAvailable(bool available);
  // Icons: category, expanded category, template, template with ItemType 1.
  void setIcons(const std::array<QIcon, 4> &icons);

  // Fills the tree from the database, expands it and opens the first template in tree order.
  void loadRoot();
  // Adds the node's children that are not in the tree yet (with their own children).
  void loadChildren(QTreeWidgetItem *item);

  void newTemplate();
  void newCategory();
  void renameSelected();
  void deleteSelected();

  // The first template node in tree order, or null.
  QTreeWidgetItem *firstTemplate() const;
  static bool isTemplate(const QTreeWidgetItem *item);
  static QString innerId(const QTreeWidgetItem *item);
  static QString title(const QTreeWidgetItem *item);

 signals:
  // A template node was selected for filling (click, double click, creation, deletion, loading).
  void openTemplateRequested(const QString &innerId, const QString &title);
  // The hover button "修改" was clicked on this template.
  void designRequested(const QString &innerId, const QString &title);
  // A template was deleted from the database and the tree.
  void templateDeleted(const QString &innerId);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  QTreeWidgetItem *makeItem(const CatalogueEntry &entry) const;
  void addEntries(QTreeWidgetItem *parent, const std::vector<CatalogueEntry> &entries);
  void applyIcon(QTreeWidgetItem *item) const;
  void openSelected();
  // Stores a new template from the dialog's answers and selects its node; false when refused or failed.
  bool createTemplateNode(const NewTemplateRequest &request, int length, int width, QTreeWidgetItem *reference);
  void currentChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
  void placeDesignButton(const QPoint &viewportPos);
  void setNodeTitle(QTreeWidgetItem *item, const QString &title);

  QPointer<QTreeWidget> tree_;  // the window may destroy the tree before this object
  Database &db_;
  QString skeletonPath_;
  QToolButton *designButton_;
  QTreeWidgetItem *hovered_ = nullptr;
  std::array<QIcon, 4> icons_;
  TextAsker askText_;
  NewTemplateAsker askNewTemplate_;
};

}  // namespace op
