#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include "storage/dberror.h"

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}  // namespace Firebird

namespace op {

class Database;

// One SQL text on the database's connection and transaction, with named parameters (":Title") bound by
// value and at most one open result. Every value goes in as a bound parameter, never into the SQL text.
// Column names are looked up without regard to case. Failures throw DbError with the engine's message.
//
//   q.setSql("select Title from PP_List where ParaID = :ParaID");
//   q.bind("ParaID", "RPNULL");
//   q.open();
//   while (q.next()) titles << q.text("Title");
class Statement {
 public:
  explicit Statement(Database &database, const QString &sql = {});
  ~Statement();
  Statement(const Statement &) = delete;
  Statement &operator=(const Statement &) = delete;

  // Replaces the SQL text; closes the open result and forgets every bound value.
  void setSql(const QString &sql);
  QString sql() const { return sql_; }

  // Binds a value to every occurrence of the parameter (name with or without ":", any case; "?" markers
  // are "#1", "#2", …). A null QVariant binds NULL. QString, int, qint64, double, bool, QDateTime, QDate,
  // QTime and QByteArray are understood; a text or QByteArray bound to a blob parameter is written as a blob.
  void bind(const QString &name, const QVariant &value);
  void bindText(const QString &name, const QString &text) { bind(name, text); }
  void bindInt(const QString &name, qint64 value) { bind(name, value); }
  void bindDouble(const QString &name, double value) { bind(name, value); }
  void bindDateTime(const QString &name, const QDateTime &value) { bind(name, value); }
  void bindNull(const QString &name) { bind(name, QVariant()); }
  // The text as blob content (ASCII stored byte for byte; other characters as UTF-8).
  void bindBlobText(const QString &name, const QString &text);
  void bindValues(const QVariantMap &values);
  void clearBindings() { bound_.clear(); }
  // True when the SQL text names the parameter (with or without ":", any case).
  bool hasParameter(const QString &name) const;

  // Runs the statement with the bound values. A select leaves its result open before the first row.
  void execute();
  void open() { execute(); }
  // Moves to the next row of the open result; false (and the result closed) after the last one.
  bool next();
  bool isOpen() const { return open_; }
  void close();
  // Rows changed by the last execute() of an insert, update or delete.
  qint64 rowsAffected() const { return rowsAffected_; }

  // Columns of the current result (kept after the result ends until the next execute or setSql).
  bool hasField(const QString &name) const;
  QStringList fieldNames() const { return fieldNames_; }
  int fieldCount() const { return int(fieldNames_.size()); }

  // Values of the current row. Texts and text blobs as QString, integers as int or qint64, scaled
  // numbers and floats as double, timestamps as QDateTime, binary blobs as QByteArray, NULL as a null
  // QVariant. An unknown column or no current row throws DbError.
  QVariant value(const QString &name) const;
  QVariant value(int index) const;
  bool isNull(const QString &name) const;
  QString text(const QString &name) const;  // NULL reads as ""
  int toInt(const QString &name) const;     // NULL reads as 0
  qint64 toInt64(const QString &name) const;
  double toDouble(const QString &name) const;
  QDateTime toDateTime(const QString &name) const;
  QByteArray bytes(const QString &name) const;  // raw bytes of a text or blob column

 private:
  friend class Database;
  struct BoundValue {
    QVariant value;
    bool forceBlob = false;
  };

  void prepare();
  void releasePrepared();
  QByteArray buildInput(Firebird::IMessageMetadata *&metadata);
  void readColumns();
  int columnIndex(const QString &name) const;
  const unsigned char *currentRow() const;
  void detach();  // the database is going away

  Database *database_;
  QString sql_;
  QStringList markers_;
  QString translated_;
  QHash<QString, BoundValue> bound_;
  Firebird::IStatement *statement_ = nullptr;
  Firebird::IResultSet *cursor_ = nullptr;
  Firebird::IMessageMetadata *outputMetadata_ = nullptr;
  QByteArray row_;
  bool open_ = false;
  bool hasRow_ = false;
  bool singletonPending_ = false;
  qint64 rowsAffected_ = 0;
  QStringList fieldNames_;
  QHash<QString, int> fieldIndex_;
};

}  // namespace op
