#include "widgets/fillin_dictpick_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace op {

FillInDictPickDialog::FillInDictPickDialog(const QList<DictEntry> &entries, QWidget *parent)
    : QDialog(parent), grid_(new QTableWidget(int(entries.size()), 3, this)) {
  setWindowTitle(QStringLiteral("选择数据"));
  resize(460, 360);
  grid_->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("字典标题"), QStringLiteral("字典数据")});
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < entries.size(); ++row) {
    grid_->setItem(row, 0, new QTableWidgetItem(QString::number(entries[row].id)));
    grid_->setItem(row, 1, new QTableWidgetItem(entries[row].title));
    grid_->setItem(row, 2, new QTableWidgetItem(entries[row].dictData));
  }
  if (!entries.isEmpty()) grid_->setCurrentCell(0, 0);
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

  auto *close = new QPushButton(QStringLiteral("关闭"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QStringLiteral("请在字典表设置中修改数据"), this), 1);
  bottom->addWidget(close);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(bottom);
}

int FillInDictPickDialog::currentIndex() const {
  return grid_->rowCount() > 0 ? grid_->currentRow() : -1;
}

int pickDictionaryEntry(const QList<DictEntry> &entries, QWidget *parent) {
  FillInDictPickDialog dialog(entries, parent);
  dialog.exec();
  return dialog.currentIndex();
}

}  // namespace op
