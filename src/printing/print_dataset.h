#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The rows a print run walks: a cursor over a table of texts. The data grid of the main window, the
// CSV files of the batch command and the tests each provide one.
namespace op {

class PrintDataSet {
 public:
  virtual ~PrintDataSet() = default;

  virtual bool isOpen() const { return true; }
  virtual int rowCount() const = 0;
  // 0-based; rowCount() once the cursor has moved past the last row.
  virtual int currentRow() const = 0;
  // Moves the cursor; a row outside 0..rowCount()-1 leaves it past the end.
  virtual void moveTo(int row) = 0;
  virtual QStringList columnNames() const = 0;
  // The text of a column of the current row; empty past the end or for an unknown column.
  virtual QString value(int column) const = 0;

  bool eof() const { return currentRow() >= rowCount(); }
  void first() { moveTo(0); }
  void next() { moveTo(currentRow() + 1); }
  // Column look-up trims and ignores case; -1 when absent.
  int columnIndex(const QString &name) const;
  QString value(const QString &name) const;
  // False for a row whose BoPrint column (also spelled with its quotes, "BoPrint") holds 0.
  bool currentRowPrintable() const;
};

// Rows held in memory.
class MemoryDataSet : public PrintDataSet {
 public:
  MemoryDataSet(QStringList columns, QList<QStringList> rows);

  int rowCount() const override { return int(rows_.size()); }
  int currentRow() const override { return current_; }
  void moveTo(int row) override;
  QStringList columnNames() const override { return columns_; }
  QString value(int column) const override;
  using PrintDataSet::value;

 private:
  QStringList columns_;
  QList<QStringList> rows_;
  int current_ = 0;
};

// A CSV file (UTF-8, a BOM skipped, "," separated, fields in double quotes may hold separators, quotes
// doubled and line breaks). The first line names the columns. Only the start of every row is kept in
// memory; a row is read when the cursor moves onto it, so memory does not grow with the file.
class CsvDataSet : public PrintDataSet {
 public:
  // Opens and indexes the file; false with a message when it cannot be read or has no header line.
  bool open(const QString &path, QString *error = nullptr);
  bool isOpen() const override { return file_.isOpen(); }

  int rowCount() const override { return int(rowStarts_.size()); }
  int currentRow() const override { return current_; }
  void moveTo(int row) override;
  QStringList columnNames() const override { return columns_; }
  QString value(int column) const override;
  using PrintDataSet::value;

  // Splits one CSV record (without its final line break).
  static QStringList parseRecord(const QByteArray &record);

 private:
  QByteArray readRecordAt(qint64 offset);

  QFile file_;
  QStringList columns_;
  std::vector<qint64> rowStarts_;
  int current_ = 0;
  QStringList values_;
};

}  // namespace op
