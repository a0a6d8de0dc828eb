#include "dictionary/dict_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QVBoxLayout>

#include "core/ids.h"
#include "core/messagesink.h"
#include "dictionary/pinyin.h"
#include "storage/database.h"

namespace op {

namespace {

QTableWidget *makeGrid(const QStringList &headers, QWidget *parent) {
  auto *grid = new QTableWidget(0, int(headers.size()), parent);
  grid->setHorizontalHeaderLabels(headers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

void setCell(QTableWidget *grid, int row, int column, const QString &text) {
  grid->setItem(row, column, new QTableWidgetItem(text));
}

void fillEntryGrid(QTableWidget *grid, const std::vector<DictionaryEntry> &entries) {
  grid->setRowCount(int(entries.size()));
  for (int row = 0; row < int(entries.size()); ++row) {
    setCell(grid, row, 0, QString::number(entries[row].id));
    setCell(grid, row, 1, entries[row].title);
    setCell(grid, row, 2, entries[row].dictData);
  }
}

std::optional<QString> askWithInputBox(QWidget *parent, const QString &title, const QString &prompt) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
  if (!ok) return std::nullopt;
  return text;
}

}  // namespace

TFrmDict::TFrmDict(Database &db, QWidget *parent) : QDialog(parent), db_(db), repo_(db) {
  setWindowTitle(QStringLiteral("数据字典"));
  askName_ = [this](const QString &title, const QString &prompt) { return askWithInputBox(this, title, prompt); };

  auto *layout = new QVBoxLayout(this);
  auto *grids = new QHBoxLayout;
  auto *left = new QVBoxLayout;
  auto *dictButtons = new QHBoxLayout;
  auto makeButton = [this](const QString &caption, void (TFrmDict::*slot)()) {
    auto *button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, slot);
    buttons_ << button;
    return button;
  };
  dictButtons->addWidget(makeButton(QStringLiteral("+添加分类"), &TFrmDict::addDictionary));
  dictButtons->addWidget(makeButton(QStringLiteral("-删除分类"), &TFrmDict::deleteDictionary));
  left->addLayout(dictButtons);
  dictGrid_ = makeGrid({QStringLiteral("分类")}, this);
  left->addWidget(dictGrid_);
  grids->addLayout(left, 1);
  entryGrid_ = makeGrid({QStringLiteral("序号"), QStringLiteral("字典标题"), QStringLiteral("字典数据")}, this);
  grids->addWidget(entryGrid_, 3);
  layout->addLayout(grids, 1);

  hint_ = new QLabel(QStringLiteral("字典标题会复制到字典数据，可再修改字典数据"), this);
  layout->addWidget(hint_);
  auto *boxes = new QGridLayout;
  titleLabel_ = new QLabel(QStringLiteral("字典标题"), this);
  dataLabel_ = new QLabel(QStringLiteral("字典数据"), this);
  titleBox_ = new QLineEdit(this);
  titleBox_->setMaxLength(kDictEntryTitleLength);
  dataBox_ = new QLineEdit(this);
  dataBox_->setMaxLength(kDictEntryDataLength);
  boxes->addWidget(titleLabel_, 0, 0);
  boxes->addWidget(titleBox_, 0, 1);
  boxes->addWidget(dataLabel_, 1, 0);
  boxes->addWidget(dataBox_, 1, 1);
  layout->addLayout(boxes);
  auto *entryButtons = new QHBoxLayout;
  entryButtons->addStretch();
  entryButtons->addWidget(makeButton(QStringLiteral("新建"), &TFrmDict::newEntry));
  entryButtons->addWidget(makeButton(QStringLiteral("修改"), &TFrmDict::changeEntry));
  entryButtons->addWidget(makeButton(QStringLiteral("取消"), &TFrmDict::cancelEdit));
  entryButtons->addWidget(makeButton(QStringLiteral("保存"), &TFrmDict::saveEntry));
  entryButtons->addWidget(makeButton(QStringLiteral("删除"), &TFrmDict::deleteEntry));
  auto *close = new QPushButton(QStringLiteral("关闭"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons_ << close;
  entryButtons->addWidget(close);
  layout->addLayout(entryButtons);

  // Typing a title copies it into the data box.
  connect(titleBox_, &QLineEdit::textEdited, dataBox_, &QLineEdit::setText);
  connect(dictGrid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (mode_ != Mode::None) cancelEdit();
    reloadEntries(row >= 0 ? 0 : -1);
  });
  connect(entryGrid_, &QTableWidget::currentCellChanged, this, [this] {
    if (mode_ == Mode::None) showCurrentEntry();
  });
  connect(entryGrid_, &QTableWidget::cellDoubleClicked, this, [this] {
    if (selecting_) accept();
  });

  setEditing(false);
  reloadDictionaries(0);
  resize(720, 480);
}

QPushButton *TFrmDict::button(const QString &caption) const {
  for (QPushButton *b : buttons_)
    if (b->text() == caption) return b;
  return nullptr;
}

void TFrmDict::setSelectionMode(bool selecting) {
  selecting_ = selecting;
  for (const char *caption : {"+添加分类", "-删除分类", "新建", "修改", "保存", "取消", "删除"})
    button(QString::fromUtf8(caption))->setVisible(!selecting);
  for (QWidget *w : {static_cast<QWidget *>(titleBox_), static_cast<QWidget *>(dataBox_),
                     static_cast<QWidget *>(titleLabel_), static_cast<QWidget *>(dataLabel_)})
    w->setVisible(!selecting);
  hint_->setText(selecting ? QStringLiteral("请选择一条数据,请在字典表设置中修改数据")
                           : QStringLiteral("字典标题会复制到字典数据，可再修改字典数据"));
}

int TFrmDict::currentRow(QTableWidget *grid) const {
  return grid->currentRow();
}

std::optional<Dictionary> TFrmDict::currentDictionary() const {
  const int row = dictGrid_->currentRow();
  if (row < 0 || row >= int(dictionaries_.size())) return std::nullopt;
  return dictionaries_[row];
}

std::optional<DictionaryEntry> TFrmDict::selectedEntry() const {
  const int row = entryGrid_->currentRow();
  if (row < 0 || row >= int(entries_.size())) return std::nullopt;
  return entries_[row];
}

void TFrmDict::reloadDictionaries(int row) {
  try {
    dictionaries_ = repo_.dictionaries();
  } catch (const DbError &) {
    dictionaries_.clear();  // the window still opens; the list stays empty
  }
  const QSignalBlocker block(dictGrid_);
  dictGrid_->setRowCount(int(dictionaries_.size()));
  for (int i = 0; i < int(dictionaries_.size()); ++i) setCell(dictGrid_, i, 0, dictionaries_[i].title);
  if (!dictionaries_.empty()) dictGrid_->setCurrentCell(qBound(0, row, int(dictionaries_.size()) - 1), 0);
  reloadEntries(0);
}

void TFrmDict::reloadEntries(int row) {
  const std::optional<Dictionary> dictionary = currentDictionary();
  entries_.clear();
  if (dictionary) {
    try {
      entries_ = repo_.entries(dictionary->innerId);
    } catch (const DbError &error) {
      showError(QStringLiteral("读取字典数据失败!\r\n") + error.message());
    }
  }
  {
    const QSignalBlocker block(entryGrid_);
    fillEntryGrid(entryGrid_, entries_);
    if (!entries_.empty() && row >= 0) entryGrid_->setCurrentCell(qBound(0, row, int(entries_.size()) - 1), 1);
  }
  showCurrentEntry();
}

void TFrmDict::showCurrentEntry() {
  const std::optional<DictionaryEntry> entry = selectedEntry();
  titleBox_->setText(entry ? entry->title.trimmed() : QString());
  dataBox_->setText(entry ? entry->dictData.trimmed() : QString());
}

void TFrmDict::setEditing(bool editing) {
  button(QStringLiteral("新建"))->setEnabled(!editing);
  button(QStringLiteral("修改"))->setEnabled(!editing);
  button(QStringLiteral("删除"))->setEnabled(!editing);
  button(QStringLiteral("取消"))->setEnabled(editing);
  button(QStringLiteral("保存"))->setEnabled(editing);
  titleBox_->setEnabled(editing);
  dataBox_->setEnabled(editing);
  if (!editing) mode_ = Mode::None;
}

void TFrmDict::addDictionary() {
  const std::optional<QString> name = askName_(QStringLiteral("提示"), QStringLiteral("请输入新分类名称"));
  if (!name) return;
  if (name->trimmed().isEmpty()) {
    messageSink().show(MessageIcon::Error, QStringLiteral("提示"), QStringLiteral("请输入有效的分类名称"));
    return;
  }
  if (name->size() > kDictionaryNameLength) {
    showError(QStringLiteral("新分类名称过长，最长25"));
    return;
  }
  const int row = dictGrid_->currentRow();
  try {
    if (repo_.appDictionaryExists(*name)) {
      messageSink().show(MessageIcon::Error, QString(), QStringLiteral("分类名称已存在"));
      reloadDictionaries(row);
      return;
    }
    repo_.addDictionary(getId(), *name);
  } catch (const DbError &error) {
    showError(QStringLiteral("添加分类失败!\r\n") + error.message());
  }
  reloadDictionaries(row);
}

void TFrmDict::deleteDictionary() {
  const std::optional<Dictionary> dictionary = currentDictionary();
  if (!askYesNo(QStringLiteral("确定删除?\r\n删除将导致子项无效!"))) return;
  if (!dictionary) return;
  const int row = dictGrid_->currentRow();
  try {
    repo_.deleteDictionary(dictionary->innerId);
  } catch (const DbError &error) {
    showError(QStringLiteral("删除分类失败!\r\n") + error.message());
  }
  reloadDictionaries(row);
  titleBox_->clear();
  dataBox_->clear();
}

void TFrmDict::newEntry() {
  setEditing(true);
  titleBox_->clear();
  dataBox_->clear();
  mode_ = Mode::New;
  titleBox_->setFocus();
}

void TFrmDict::changeEntry() {
  setEditing(true);
  mode_ = Mode::Change;
  titleBox_->setFocus();
}

void TFrmDict::cancelEdit() {
  setEditing(false);
  showCurrentEntry();
}

void TFrmDict::saveEntry() {
  if (mode_ == Mode::None) return;
  const int dictRow = dictGrid_->currentRow();
  int entryRow = entryGrid_->currentRow();
  try {
    if (mode_ == Mode::New) {
      const std::optional<Dictionary> dictionary = currentDictionary();
      if (!dictionary) {
        showError(QStringLiteral("保存失败!\r\n请先添加分类"));
        return;
      }
      repo_.addEntry(
          {0, getId(), titleBox_->text(), dataBox_->text(), PinyinInitials(titleBox_->text()), dictionary->innerId});
      entryRow = int(entries_.size());  // the new entry is the last one
    } else {
      const std::optional<DictionaryEntry> entry = selectedEntry();
      if (entry) repo_.updateEntry(entry->innerId, titleBox_->text(), dataBox_->text());
    }
  } catch (const DbError &error) {
    // The typed texts stay in the boxes so that nothing is lost.
    showError(QStringLiteral("保存失败!\r\n") + error.message());
    return;
  }
  setEditing(false);
  {
    const QSignalBlocker block(dictGrid_);
    if (dictRow >= 0) dictGrid_->setCurrentCell(dictRow, 0);
  }
  reloadEntries(entryRow);
}

void TFrmDict::deleteEntry() {
  const std::optional<DictionaryEntry> entry = selectedEntry();
  if (!askYesNo(QStringLiteral("确定删除?"))) return;
  if (!entry) return;
  const int row = entryGrid_->currentRow();
  try {
    repo_.deleteEntry(entry->innerId);
  } catch (const DbError &error) {
    showError(QStringLiteral("删除失败!\r\n") + error.message());
  }
  reloadEntries(row);
  titleBox_->clear();
  dataBox_->clear();
}

TFrmDictFind::TFrmDictFind(std::vector<DictionaryEntry> entries, QWidget *parent)
    : QDialog(parent), entries_(std::move(entries)) {
  setWindowTitle(QStringLiteral("选择数据"));
  auto *layout = new QVBoxLayout(this);
  grid_ = makeGrid({QStringLiteral("序号"), QStringLiteral("字典标题"), QStringLiteral("字典数据")}, this);
  fillEntryGrid(grid_, entries_);
  if (!entries_.empty()) grid_->setCurrentCell(0, 1);
  layout->addWidget(grid_, 1);
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QStringLiteral("请在字典表设置中修改数据"), this));
  bottom->addStretch();
  auto *close = new QPushButton(QStringLiteral("关闭"), this);
  bottom->addWidget(close);
  layout->addLayout(bottom);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
  resize(520, 360);
}

std::optional<DictionaryEntry> TFrmDictFind::pick() const {
  const int row = grid_->currentRow();
  if (row < 0 || row >= int(entries_.size())) return std::nullopt;
  return entries_[row];
}

}  // namespace op
