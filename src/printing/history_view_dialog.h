#pragma once

#include "printing/history_store.h"
#include "printing/printonecopy.h"
#include "printing/printtarget.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QTableView;

// The history viewer "历史打印记录": list, filter, preview, delete, batch delete and re-print of logged prints.
namespace op {

// The list of history rows with the "打印" tick column.
class HistoryListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kId, kTitle, kTicked, kOpId, kOpName, kCreateDate, kColumnCount };
  using QAbstractTableModel::QAbstractTableModel;

  // Rows are loaded a page at a time as the list is scrolled: `fetch(offset, count)` returns the next ones.
  static constexpr int kPageSize = 500;
  using Fetch = std::function<QVector<HistoryRow>(int offset, int count)>;
  void setSource(Fetch fetch);
  void setRows(QVector<HistoryRow> rows);
  // Loads every remaining row.
  void fetchAll();
  bool canFetchMore(const QModelIndex &parent) const override;
  void fetchMore(const QModelIndex &parent) override;
  const QVector<HistoryRow> &rows() const { return rows_; }
  const HistoryRow *row(int index) const { return index >= 0 && index < rows_.size() ? &rows_[index] : nullptr; }

  // Ticked rows by identifier, in the order they were ticked.
  const QStringList &ticked() const { return ticked_; }
  void setTicked(const QString &innerid, bool on);
  void tickAll();
  void clearTicks();

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

 private:
  QVector<HistoryRow> rows_;
  Fetch fetch_;
  bool complete_ = true;
  QStringList ticked_;
  QSet<QString> tickedSet_;
};

class HistoryPreview;

class TFrmHistoryView : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmHistoryView(PrintHistoryStore &store, QWidget *parent = nullptr);
  ~TFrmHistoryView() override;

  // Opens a printer by name for the re-print (tests replace it).
  std::function<std::unique_ptr<PrintTarget>(const QString &printer)> openPrinter;
  // Chooses the re-print printer; Chosen with the name (tests replace it).
  std::function<PrinterChoice(QString *name)> choosePrinter;

  void listAll();
  void query();
  void deleteCurrent();
  void batchDelete();
  void selectAllForPrint();
  void clearPrintSelection();
  // Returns the number of pages printed.
  int reprint();
  void previous();
  void next();

  HistoryListModel *model() const { return model_; }
  QTableView *table() const { return table_; }
  const std::optional<PrintRecord> &currentRecord() const { return record_; }
  // The filter as the query items stand.
  HistoryFilter filter() const;

  QCheckBox *TitleCheck;
  QLineEdit *TitleEdit;
  QCheckBox *DateCheck;
  QDateEdit *FromDate;
  QDateEdit *ToDate;
  QCheckBox *IdCheck;
  QSpinBox *IdFrom;
  QSpinBox *IdTo;

 private:
  void showRows();
  void currentChanged();
  void moveCurrent(int delta);
  void criteriaUnticked();

  PrintHistoryStore &store_;
  HistoryListModel *model_;
  QTableView *table_;
  QSplitter *splitter_;
  HistoryPreview *preview_;
  QStatusBar *status_;
  std::optional<PrintRecord> record_;
  std::optional<HistoryFilter> listed_;  // the filter of the shown list; empty: all rows
};

}  // namespace op
