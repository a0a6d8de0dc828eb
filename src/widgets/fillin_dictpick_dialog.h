#pragma once

#include <QDialog>
#include <QList>

#include "widgets/fillin_store.h"

class QTableWidget;

namespace op {

// The dictionary picker "选择数据": the entries of one dictionary; a double-click on a row or "关闭" closes
// it, and whatever way it closes the current row is the pick.
class FillInDictPickDialog : public QDialog {
  Q_OBJECT

 public:
  FillInDictPickDialog(const QList<DictEntry> &entries, QWidget *parent = nullptr);

  // Index of the current row; -1 for an empty list.
  int currentIndex() const;
  QTableWidget *grid() const { return grid_; }

 private:
  QTableWidget *grid_;
};

// Shows the picker modally and returns the index of the row current when it closed (-1 for none).
int pickDictionaryEntry(const QList<DictEntry> &entries, QWidget *parent);

}  // namespace op
