#include "widgets/catalogue_tree.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMouseEvent>
#include <QStyle>

#include <stdexcept>

#include "core/base64.h"
#include "core/ids.h"
#include "core/messagesink.h"
#include "core/shellservices.h"
#include "dictionary/pinyin.h"
#include "document/control_registry.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/settings_document.h"
#include "storage/database.h"
#include "widgets/catalogue_background.h"

namespace op {

namespace {

constexpr int kCategoryNameLimit = 20;  // names of 20 characters or more are refused
constexpr int kSubCategoryTextLength = 56;

const QString kDefaultSkeleton = QStringLiteral("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Root/>");

std::optional<QString> askWithInputBox(const QString &caption, const QString &prompt) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, QString(), &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<NewTemplateRequest> askWithDialog() {
  TFrmNew dialog(QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.request();
}

int sizeValue(const QString &text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? value : 1;
}

QString readSkeleton(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return kDefaultSkeleton;
  return QString::fromUtf8(file.readAll());
}

QTreeWidgetItem *firstTemplateUnder(QTreeWidgetItem *item) {
  for (int i = 0; i < item->childCount(); ++i) {
    QTreeWidgetItem *child = item->child(i);
    if (CatalogueTree::isTemplate(child)) return child;
    if (QTreeWidgetItem *found = firstTemplateUnder(child)) return found;
  }
  return nullptr;
}

}  // namespace

CatalogueTree::CatalogueTree(QTreeWidget *tree, Database &db, QString skeletonPath, QObject *parent)
    : QObject(parent),
      tree_(tree),
      db_(db),
      skeletonPath_(std::move(skeletonPath)),
      askText_(askWithInputBox),
      askNewTemplate_(askWithDialog) {
  QStyle *style = tree_->style();
  icons_ = {style->standardIcon(QStyle::SP_DirClosedIcon), style->standardIcon(QStyle::SP_DirOpenIcon),
            style->standardIcon(QStyle::SP_FileIcon), style->standardIcon(QStyle::SP_FileDialogDetailedView)};
  designButton_ = new QToolButton(tree_->viewport());
  designButton_->setText(QStringLiteral("修改"));
  designButton_->setObjectName(QStringLiteral("catalogueDesignButton"));
  designButton_->setEnabled(false);
  designButton_->hide();
  tree_->setMouseTracking(true);
  tree_->viewport()->setMouseTracking(true);
  tree_->viewport()->installEventFilter(this);

  connect(designButton_, &QToolButton::clicked, this, [this] {
    if (!hovered_) return;
    tree_->setCurrentItem(hovered_);
    emit designRequested(innerId(hovered_), title(hovered_));
  });
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
    loadChildren(item);
    openSelected();
  });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { openSelected(); });
  connect(tree_, &QTreeWidget::currentItemChanged, this, &CatalogueTree::currentChanged);
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) { applyIcon(item); });
  connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) { applyIcon(item); });
}

CatalogueTree::~CatalogueTree() {
  if (tree_) tree_->viewport()->removeEventFilter(this);
}

void CatalogueTree::setDesignAvailable(bool available) {
  designButton_->setEnabled(available);
}

void CatalogueTree::setIcons(const std::array<QIcon, 4> &icons) {
  icons_ = icons;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) applyIcon(*it);
}

bool CatalogueTree::isTemplate(const QTreeWidgetItem *item) {
  return item && item->data(0, KindRole).toInt() == CatalogueEntry::Template;
}

QString CatalogueTree::innerId(const QTreeWidgetItem *item) {
  return item ? item->data(0, InnerIdRole).toString() : QString();
}

QString CatalogueTree::title(const QTreeWidgetItem *item) {
  return item ? item->data(0, TitleRole).toString() : QString();
}

QTreeWidgetItem *CatalogueTree::makeItem(const CatalogueEntry &entry) const {
  auto *item = new QTreeWidgetItem;
  item->setData(0, KindRole, int(entry.kind));
  item->setData(0, InnerIdRole, entry.innerId);
  item->setData(0, ParaIdRole, entry.paraId);
  item->setData(0, Md5Role, entry.md5);
  item->setData(0, ItemTypeRole, entry.itemType);
  item->setData(0, TitleRole, entry.title.left(kNodeTitleLength));
  item->setText(0, entry.title);
  item->setToolTip(0, entry.title);
  applyIcon(item);
  return item;
}

void CatalogueTree::applyIcon(QTreeWidgetItem *item) const {
  if (isTemplate(item))
    item->setIcon(0, icons_[item->data(0, ItemTypeRole).toInt() == 1 ? 3 : 2]);
  else
    item->setIcon(0, icons_[item->isExpanded() ? 1 : 0]);
}

void CatalogueTree::addEntries(QTreeWidgetItem *parent, const std::vector<CatalogueEntry> &entries) {
  QList<QTreeWidgetItem *> items;
  items.reserve(qsizetype(entries.size()));
  for (const CatalogueEntry &entry : entries) {
    QTreeWidgetItem *item = makeItem(entry);
    if (!entry.isTemplate() && parent)
      item->setText(0, (entry.title + QStringLiteral("[目录]")).left(kSubCategoryTextLength));
    addEntries(item, entry.children);
    items << item;
  }
  if (parent)
    parent->addChildren(items);
  else
    tree_->addTopLevelItems(items);
}

void CatalogueTree::loadRoot() {
  hovered_ = nullptr;
  designButton_->hide();
  tree_->clear();
  try {
    addEntries(nullptr, CatalogueRepository(db_).loadTree());
  } catch (const DbError &) {
    showError(QStringLiteral("初始化模版列表失败!"));
  }
  tree_->setAutoExpandDelay(-1);
  tree_->expandAll();
  if (QTreeWidgetItem *first = firstTemplate()) {
    tree_->setCurrentItem(first);
    openSelected();
  }
}

void CatalogueTree::loadChildren(QTreeWidgetItem *item) {
  if (!item) return;
  QSet<QString> present;
  for (int i = 0; i < item->childCount(); ++i) present.insert(innerId(item->child(i)).trimmed());
  try {
    std::vector<CatalogueEntry> missing;
    for (CatalogueEntry &entry : CatalogueRepository(db_).loadChildren(innerId(item))) {
      if (present.contains(entry.innerId)) continue;
      entry.children = CatalogueRepository(db_).loadChildren(entry.innerId);
      missing.push_back(std::move(entry));
    }
    // Missing nodes go in front, keeping their display order among themselves.
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
      QTreeWidgetItem *child = makeItem(*it);
      if (!it->isTemplate()) child->setText(0, (it->title + QStringLiteral("[目录]")).left(kSubCategoryTextLength));
      addEntries(child, it->children);
      item->insertChild(0, child);
    }
  } catch (const DbError &error) {
    messageSink().show(MessageIcon::Error, QStringLiteral("加载模版失败!"),
                       QStringLiteral("加载模版失败!\r\n产生此问题的原因可能是底图过大\r\n") + error.message());
  }
}

QTreeWidgetItem *CatalogueTree::firstTemplate() const {
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem *top = tree_->topLevelItem(i);
    if (isTemplate(top)) return top;
    if (QTreeWidgetItem *found = firstTemplateUnder(top)) return found;
  }
  return nullptr;
}

void CatalogueTree::openSelected() {
  QTreeWidgetItem *item = tree_->currentItem();
  if (isTemplate(item)) emit openTemplateRequested(innerId(item), title(item));
}

void CatalogueTree::currentChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous) {
  if (previous) previous->setData(0, Qt::ForegroundRole, QVariant());
  if (current) current->setForeground(0, QBrush(Qt::blue));
}

void CatalogueTree::newTemplate() {
  QTreeWidgetItem *reference = tree_->currentItem();
  if (!reference) reference = tree_->topLevelItem(0);
  if (!reference) {
    showError(QStringLiteral("未选择类别 无法新建模版"));
    return;
  }
  const std::optional<NewTemplateRequest> request = askNewTemplate_();
  if (!request) return;
  if (request->name.trimmed().isEmpty()) {
    showError(QStringLiteral("模版名称不能为空"));
    return;
  }
  const int length = sizeValue(request->length);
  const int width = sizeValue(request->width);
  if (length == 0 || width == 0) {
    showError(QStringLiteral("模版长度或宽度不能为0"));
    return;
  }
  if (!isSupportedBackgroundFile(request->picturePath)) {
    showError(QStringLiteral("不支持选择的文件类型\r\n请选择.JPG | .BMP 类型"));
    return;
  }

  if (!createTemplateNode(*request, length, width, reference)) return;
  openSelected();
}

bool CatalogueTree::createTemplateNode(const NewTemplateRequest &request, int length, int width,
                                       QTreeWidgetItem *reference) {
  TEditPanels document;
  document.SetTitle(request.name);
  const QByteArray jpeg = backgroundJpeg(request.picturePath, request.shrink);
  if (!jpeg.isEmpty()) document.setPictureBytes(jpeg);

  WaitGuard wait(QStringLiteral("请稍等! 正在创建模板..."));
  CatalogueEntry entry;
  entry.kind = CatalogueEntry::Template;
  entry.innerId = getId();
  entry.title = request.name.left(kNodeTitleLength);
  document.SetDBID(entry.innerId);
  QTreeWidgetItem *parent = isTemplate(reference) ? reference->parent() : reference;
  if (!parent) parent = reference;
  entry.paraId = innerId(parent);

  const QString skeleton = readSkeleton(skeletonPath_);
  QString custom = settingsdoc::setValue(skeleton, QStringLiteral("REALWIDTH"), QString::number(length), true);
  custom = settingsdoc::setValue(custom, QStringLiteral("REALHEIGHT"), QString::number(width), true);
  custom = settingsdoc::setValue(custom, QStringLiteral("PRINTLEFT"), QStringLiteral("0"), true);
  custom = settingsdoc::setValue(custom, QStringLiteral("PRINTTOP"), QStringLiteral("0"), true);

  const ControlRegistry noFields;
  const QString text = settingsdoc::setValue(writeDocumentOnSkeleton(document, skeleton, noFields),
                                             QStringLiteral("TITLE"), entry.title, true);
  const QString stored = documentToStorageText(text);
  if (stored.size() > kMaxStoredTextLength) {
    showError(dataTooLargeMessage(stored.size()));
    return false;
  }
  try {
    CatalogueRepository(db_).createTemplate(entry.innerId, entry.paraId, entry.title, PinyinInitials(entry.title),
                                            stored, documentToStorageText(custom));
  } catch (const DbError &error) {
    showError(QStringLiteral("新建模版失败!\r\n") + error.message());
    return false;
  } catch (const std::length_error &) {
    showError(dataTooLargeMessage(stored.size()));
    return false;
  }
  entry.itemType = 1;
  entry.md5 = md5Hex(stored.toLatin1());
  QTreeWidgetItem *item = makeItem(entry);
  parent->addChild(item);
  parent->setExpanded(true);
  tree_->setCurrentItem(item);
  return true;
}

void CatalogueTree::newCategory() {
  const std::optional<QString> answer = askText_(QStringLiteral("请输入"), QStringLiteral("类别名称:"));
  if (!answer) return;
  if (answer->trimmed().isEmpty()) {
    showError(QStringLiteral("分类名称不能为空"));
    return;
  }
  if (answer->size() >= kCategoryNameLimit) {
    showError(QStringLiteral("分类名称过长，最长20"));
    return;
  }
  CatalogueEntry entry;
  entry.kind = CatalogueEntry::Category;
  entry.innerId = getId();
  entry.title = *answer;
  QTreeWidgetItem *selected = tree_->currentItem();
  QTreeWidgetItem *parent = isTemplate(selected) ? selected->parent() : selected;
  entry.paraId = parent ? innerId(parent) : QString::fromLatin1(kRootParent);
  try {
    CatalogueRepository(db_).createCategory(entry.innerId, entry.paraId, entry.title);
  } catch (const DbError &error) {
    showError(QStringLiteral("新建类别失败!\r\n") + error.message());
    return;
  }
  QTreeWidgetItem *item = makeItem(entry);
  if (parent)
    parent->insertChild(0, item);
  else
    tree_->insertTopLevelItem(0, item);
}

void CatalogueTree::setNodeTitle(QTreeWidgetItem *item, const QString &text) {
  item->setData(0, TitleRole, text.left(kNodeTitleLength));
  item->setText(0, text);
  item->setToolTip(0, text);
}

void CatalogueTree::renameSelected() {
  QTreeWidgetItem *item = tree_->currentItem();
  if (!item) return;
  const std::optional<QString> answer = askText_(QStringLiteral("请输入"), QStringLiteral("类别名称:"));
  if (!answer) return;
  if (answer->trimmed().isEmpty()) {
    showError(QStringLiteral("新名称不能为空"));
    return;
  }
  if (answer->size() >= kCategoryNameLimit) {
    showError(QStringLiteral("新名称过长，最长20"));
    return;
  }
  const QString oldText = item->text(0);
  const QString oldTitle = title(item);
  setNodeTitle(item, *answer);
  try {
    if (isTemplate(item))
      CatalogueRepository(db_).renameTemplate(innerId(item), *answer);
    else
      CatalogueRepository(db_).renameCategory(innerId(item), *answer);
  } catch (const DbError &) {
    // The stored name is unchanged: show it again.
    item->setData(0, TitleRole, oldTitle);
    item->setText(0, oldText);
    showError(isTemplate(item) ? QStringLiteral("更改模版名称失败") : QStringLiteral("更改分类名称失败"));
  }
}

void CatalogueTree::deleteSelected() {
  QTreeWidgetItem *item = tree_->currentItem();
  if (!item) return;
  if (!askYesNo(QStringLiteral("确定要删除?"))) return;
  if (item->childCount() > 0) {
    messageSink().show(MessageIcon::Information, QStringLiteral("错误"),
                       QStringLiteral("此节点不为空，无法删除，请先删除子节点?"));
    return;
  }
  try {
    CatalogueRepository repository(db_);
    if (isTemplate(item)) {
      repository.deleteTemplate(innerId(item));
    } else {
      if (repository.categoryHasTemplates(innerId(item))) {
        showError(QStringLiteral("分类中含有模板，请先删除模板再删除 分类"));
        return;
      }
      repository.deleteCategory(innerId(item));
    }
  } catch (const DbError &) {
    showError(QStringLiteral("删除模版失败"));
    return;
  }
  if (hovered_ == item) {
    hovered_ = nullptr;
    designButton_->hide();
  }
  const QString deletedId = isTemplate(item) ? innerId(item) : QString();
  delete item;
  if (!deletedId.isEmpty()) emit templateDeleted(deletedId);
  openSelected();
}

bool CatalogueTree::eventFilter(QObject *watched, QEvent *event) {
  if (watched == tree_->viewport()) {
    if (event->type() == QEvent::MouseMove)
      placeDesignButton(static_cast<QMouseEvent *>(event)->position().toPoint());
    else if (event->type() == QEvent::Leave && !designButton_->underMouse())
      designButton_->hide();
  }
  return QObject::eventFilter(watched, event);
}

void CatalogueTree::placeDesignButton(const QPoint &viewportPos) {
  if (designButton_->geometry().contains(viewportPos)) return;
  QTreeWidgetItem *item = tree_->itemAt(viewportPos);
  if (!isTemplate(item)) {
    designButton_->hide();
    return;
  }
  const QRect rect = tree_->visualItemRect(item);
  if (rect.left() == 0 && rect.top() == 0) return;  // keeps its previous state
  hovered_ = item;
  const int textRight =
      rect.left() + tree_->iconSize().width() + 4 + QFontMetrics(tree_->font()).horizontalAdvance(item->text(0));
  const int left = qMax(textRight + 20, tree_->viewport()->width() - designButton_->width() - 5);
  designButton_->move(left, rect.top() - 2);
  designButton_->show();
  designButton_->raise();
}

}  // namespace op
