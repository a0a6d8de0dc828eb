#include "printing/print_dataset.h"

namespace op {

int PrintDataSet::columnIndex(const QString &name) const {
  const QString wanted = name.trimmed();
  const QStringList names = columnNames();
  for (int i = 0; i < names.size(); ++i)
    if (names[i].trimmed().compare(wanted, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString PrintDataSet::value(const QString &name) const {
  const int column = columnIndex(name);
  return column < 0 ? QString() : value(column);
}

bool PrintDataSet::currentRowPrintable() const {
  int column = columnIndex(QStringLiteral("BoPrint"));
  if (column < 0) column = columnIndex(QStringLiteral("\"BoPrint\""));
  if (column < 0 || eof()) return true;
  bool ok = false;
  const int flag = value(column).trimmed().toInt(&ok);
  return !(ok && flag == 0);
}

MemoryDataSet::MemoryDataSet(QStringList columns, QList<QStringList> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

void MemoryDataSet::moveTo(int row) {
  current_ = row < 0 || row >= rowCount() ? rowCount() : row;
}

QString MemoryDataSet::value(int column) const {
  if (eof() || column < 0) return {};
  const QStringList &row = rows_[current_];
  return column < row.size() ? row[column] : QString();
}

namespace {

// Reads one record from `file` starting at its position: up to a line break outside quotes. Returns the
// bytes without the line break; `end` receives the position after it.
QByteArray readRecord(QFile &file, bool &atEnd) {
  QByteArray record;
  bool quoted = false;
  atEnd = false;
  char c = 0;
  while (file.getChar(&c)) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r')) {
      if (c == '\r') {
        char n = 0;
        if (file.getChar(&n) && n != '\n') file.ungetChar(n);
      }
      return record;
    }
    record.append(c);
  }
  atEnd = true;
  return record;
}

}  // namespace

QStringList CsvDataSet::parseRecord(const QByteArray &record) {
  QStringList fields;
  QByteArray field;
  bool quoted = false;
  for (qsizetype i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < record.size() && record[i + 1] == '"') {
          field.append('"');
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field.append(c);
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields << QString::fromUtf8(field);
      field.clear();
    } else {
      field.append(c);
    }
  }
  fields << QString::fromUtf8(field);
  return fields;
}

bool CsvDataSet::open(const QString &path, QString *error) {
  file_.close();
  columns_.clear();
  rowStarts_.clear();
  file_.setFileName(path);
  if (!file_.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("无法打开数据文件 %1: %2").arg(path, file_.errorString());
    return false;
  }
  if (file_.peek(3) == QByteArray("\xEF\xBB\xBF")) file_.seek(3);
  bool atEnd = false;
  const QByteArray header = readRecord(file_, atEnd);
  if (header.trimmed().isEmpty()) {
    if (error) *error = QStringLiteral("数据文件没有标题行: %1").arg(path);
    file_.close();
    return false;
  }
  columns_ = parseRecord(header);
  while (!atEnd) {
    const qint64 start = file_.pos();
    const QByteArray record = readRecord(file_, atEnd);
    if (record.isEmpty()) continue;  // blank lines are not rows
    rowStarts_.push_back(start);
  }
  moveTo(0);
  return true;
}

QByteArray CsvDataSet::readRecordAt(qint64 offset) {
  bool atEnd = false;
  if (!file_.seek(offset)) return {};
  return readRecord(file_, atEnd);
}

void CsvDataSet::moveTo(int row) {
  current_ = row < 0 || row >= rowCount() ? rowCount() : row;
  values_.clear();
  if (!eof()) values_ = parseRecord(readRecordAt(rowStarts_[current_]));
}

QString CsvDataSet::value(int column) const {
  return column >= 0 && column < values_.size() ? values_[column] : QString();
}

}  // namespace op
