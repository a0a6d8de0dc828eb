#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <vector>

#include "storage/dictionary_repository.h"

namespace op {

class Database;

// The dictionary window "数据字典": dictionaries on the left, the entries of the current one on the right,
// the two boxes and the entry buttons below. Everything is saved as it happens. In selection mode only
// the grids remain and a double click on an entry closes the window; selectedEntry() is the pick.
class TFrmDict : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { None, New, Change };
  // Asks for a new dictionary name (title, prompt); nullopt on cancel. Tests replace it.
  using NameAsker = std::function<std::optional<QString>(const QString &title, const QString &prompt)>;

  explicit TFrmDict(Database &db, QWidget *parent = nullptr);

  void setSelectionMode(bool selecting);
  bool selectionMode() const { return selecting_; }
  void setNameAsker(NameAsker asker) { askName_ = std::move(asker); }

  // The entry current in the entry grid (the pick in selection mode); nullopt when there is none.
  std::optional<DictionaryEntry> selectedEntry() const;
  std::optional<Dictionary> currentDictionary() const;
  Mode mode() const { return mode_; }

  // The commands of the buttons.
  void addDictionary();     // "+添加分类"
  void deleteDictionary();  // "-删除分类"
  void newEntry();          // "新建"
  void changeEntry();       // "修改"
  void cancelEdit();        // "取消"
  void saveEntry();         // "保存"
  void deleteEntry();       // "删除"

  QTableWidget *dictionaryGrid() const { return dictGrid_; }
  QTableWidget *entryGrid() const { return entryGrid_; }
  QLineEdit *titleBox() const { return titleBox_; }
  QLineEdit *dataBox() const { return dataBox_; }
  QLabel *hintLine() const { return hint_; }
  QPushButton *button(const QString &caption) const;

 private:
  void reloadDictionaries(int row);
  void reloadEntries(int row);
  void showCurrentEntry();
  void setEditing(bool editing);
  int currentRow(QTableWidget *grid) const;

  Database &db_;
  DictionaryRepository repo_;
  std::vector<Dictionary> dictionaries_;
  std::vector<DictionaryEntry> entries_;
  bool selecting_ = false;
  Mode mode_ = Mode::None;
  NameAsker askName_;

  QTableWidget *dictGrid_;
  QTableWidget *entryGrid_;
  QLabel *hint_;
  QLabel *titleLabel_;
  QLabel *dataLabel_;
  QLineEdit *titleBox_;
  QLineEdit *dataBox_;
  QList<QPushButton *> buttons_;
};

// The dictionary picker "选择数据": the entries of one dictionary; a double click on a row or "关闭" closes
// it, and however it closes the current row is the pick.
class TFrmDictFind : public QDialog {
  Q_OBJECT
 public:
  TFrmDictFind(std::vector<DictionaryEntry> entries, QWidget *parent = nullptr);
  // The entry current when the window closed; nullopt for an empty list.
  std::optional<DictionaryEntry> pick() const;
  QTableWidget *grid() const { return grid_; }

 private:
  std::vector<DictionaryEntry> entries_;
  QTableWidget *grid_;
};

}  // namespace op
