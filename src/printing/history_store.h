#pragma once

#include "printing/printrecord.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <optional>

// The print history (PP_PrintHistory) and the background cache (PP_PrintDataChache): logging a print,
// looking a background up by its fingerprint, listing, filtering, reading and deleting history rows.
// Every value is a bound parameter.
namespace op {

class Database;
struct CurrentOperator;

// One line of the history list.
struct HistoryRow {
  int id = 0;
  QString innerid;
  QString title;
  int isGZip = 0;
  int opId = 0;
  QString opName;
  QDateTime createDate;
};

// The query items of the viewer ("标题", "日期", "编号").
struct HistoryFilter {
  bool byTitle = false;
  QString title;  // matched anywhere in the title
  bool byDate = false;
  QDate from;  // from 00:00 of this day
  QDate to;    // up to, not including, 00:00 of the day after
  bool byId = false;
  int idFrom = 0;
  int idTo = 0;

  bool any() const { return byTitle || byDate || byId; }
  // " where … and …" with named parameters; the values go into `parameters`. Empty without any item.
  QString conditions(QVariantMap &parameters) const;
};

class PrintHistoryStore {
 public:
  explicit PrintHistoryStore(Database &db) : db_(db) {}

  // Stores the background text under `key` unless the cache has a row for it; committed at once.
  // False with a message ("保存打印历史纪录失败:!\r\n" + SQL + "\r\n" + reason) when the insert fails.
  bool storeBackground(const QString &key, const QString &backgroundText, QString *error = nullptr);
  // Appends a history row (isGZip 0) for the operator; committed at once, rolled back and reported on failure.
  bool appendHistory(const QString &title, const QString &historyText, const CurrentOperator &op,
                     QString *error = nullptr);
  // Both, as one logged print: the background by its fingerprint, then the history row.
  bool logPrint(const QString &backgroundText, const QString &historyText, const QString &title,
                const CurrentOperator &op, QString *error = nullptr);

  // The stored picture text of a fingerprint, or empty text; the last one found is remembered.
  QString cacheLookup(const QString &key);
  // The same decoded to a picture (null when absent or unreadable); the last one decoded is remembered.
  QImage cachedBackground(const QString &key);

  // Rows newest first, all of them or those matching the filter; with `limit` > 0 only `limit` rows from the
  // 0-based position `offset`. Throws DbError.
  QVector<HistoryRow> list(const HistoryFilter *filter = nullptr, int offset = 0, int limit = 0);
  // The decoded record of a row, bounds-checked; nullopt with a message when it is missing or damaged.
  std::optional<PrintRecord> readRecord(const QString &innerid, QString *error = nullptr);
  // Deletes one row or every row matching the filter; committed, rolled back on failure. Throw DbError.
  void deleteRow(const QString &innerid);
  int deleteMatching(const HistoryFilter &filter);
  int countAll();
  int countMatching(const HistoryFilter &filter);

  static constexpr const char *kListColumns =
      "SELECT 0 as \"BoPrint\", PP_PrintHistory.id, PP_PrintHistory.innerid, PP_PrintHistory.title, "
      "PP_PrintHistory.isGZip, PP_PrintHistory.OpID, PP_PrintHistory.OPName, PP_PrintHistory.CreateDate "
      "FROM PP_PrintHistory";

 private:
  Database &db_;
  QString lastKey_;
  QString lastText_;
  QString lastImageKey_;
  QImage lastImage_;
};

// The record bytes of a history text: base64 when isGZip is 0, else the storage text form of a zlib stream.
// Empty when the text cannot be decoded.
QByteArray DecodeHistoryText(const QString &text, int isGZip);

}  // namespace op
