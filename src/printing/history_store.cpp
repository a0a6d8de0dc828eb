#include "printing/history_store.h"

#include "core/base64.h"
#include "core/compression.h"
#include "core/ids.h"
#include "printing/current_operator.h"
#include "storage/database.h"

#include <exception>

namespace op {

namespace {

const QString kSaveFailed = QStringLiteral("保存打印历史纪录失败:!\r\n");

void setError(QString *error, const QString &text) {
  if (error) *error = text;
}

void rollbackQuietly(Database &db) {
  try {
    db.rollback();
  } catch (const std::exception &) {
  }
}

}  // namespace

QString HistoryFilter::conditions(QVariantMap &parameters) const {
  QStringList parts;
  if (byTitle) {
    parts << QStringLiteral("PP_PrintHistory.title like :Title");
    parameters.insert(QStringLiteral("Title"), QStringLiteral("%") + title + QStringLiteral("%"));
  }
  if (byDate) {
    parts << QStringLiteral("PP_PrintHistory.CreateDate >= :DateFrom and PP_PrintHistory.CreateDate < :DateTo");
    parameters.insert(QStringLiteral("DateFrom"), QDateTime(from, QTime(0, 0)));
    parameters.insert(QStringLiteral("DateTo"), QDateTime(to.addDays(1), QTime(0, 0)));
  }
  if (byId) {
    parts << QStringLiteral("PP_PrintHistory.id >= :IdFrom and PP_PrintHistory.id <= :IdTo");
    parameters.insert(QStringLiteral("IdFrom"), idFrom);
    parameters.insert(QStringLiteral("IdTo"), idTo);
  }
  if (parts.isEmpty()) return {};
  return QStringLiteral(" where ") + parts.join(QStringLiteral(" and ")) + QLatin1Char(' ');
}

bool PrintHistoryStore::storeBackground(const QString &key, const QString &backgroundText, QString *error) {
  if (backgroundText.isEmpty()) return true;
  try {
    auto query = db_.NewStatement(QStringLiteral("select Md5 from PP_PrintDataChache where md5 = :Md5"));
    query->bind(QStringLiteral("Md5"), key);
    query->open();
    if (query->next()) return true;
  } catch (const std::exception &) {
    // A failed look-up counts as absent.
  }
  const QString sql = QStringLiteral(
      "insert into PP_PrintDataChache (ID, innerid, md5, ChacheData) "
      "Values(GEN_ID(GEN_PP_PRINTDATACHACHE_ID, 1), :InnerID, :Md5, :Blob)");
  try {
    auto insert = db_.NewStatement();
    db_.ExecWithText(*insert, sql, backgroundText, true, QStringLiteral("Blob"),
                     {{QStringLiteral("InnerID"), getId()}, {QStringLiteral("Md5"), key}});
  } catch (const std::exception &e) {
    rollbackQuietly(db_);
    setError(error, kSaveFailed + sql + QStringLiteral("\r\n") + QString::fromUtf8(e.what()));
    return false;
  }
  return true;
}

bool PrintHistoryStore::appendHistory(const QString &title, const QString &historyText, const CurrentOperator &op,
                                      QString *error) {
  const QString sql = QStringLiteral(
      "insert into PP_PrintHistory (ID, innerid, Title, PrintData, isGZip, OPID, OPNAME, CREATEDATE) "
      "Values(Gen_Id(GEN_PP_PRINTHISTORY_ID, 1), :InnerID, :Title, :Blob, 0, :OPID, :OPNAME, Current_timestamp)");
  try {
    auto insert = db_.NewStatement();
    db_.ExecWithText(*insert, sql, historyText, true, QStringLiteral("Blob"),
                     {{QStringLiteral("InnerID"), getId()},
                      {QStringLiteral("Title"), title},
                      {QStringLiteral("OPID"), op.UserID},
                      {QStringLiteral("OPNAME"), op.UserName}});
  } catch (const std::exception &e) {
    rollbackQuietly(db_);
    setError(error, kSaveFailed + sql + QStringLiteral("\r\n") + QString::fromUtf8(e.what()));
    return false;
  }
  return true;
}

bool PrintHistoryStore::logPrint(const QString &backgroundText, const QString &historyText, const QString &title,
                                 const CurrentOperator &op, QString *error) {
  QString cacheError;
  const bool cached = storeBackground(md5Hex(backgroundText.toLatin1()), backgroundText, &cacheError);
  // The history row is written even when the cache insert failed; both failures are reported.
  const bool logged = appendHistory(title, historyText, op, error);
  if (!cached && error) *error = logged ? cacheError : cacheError + QStringLiteral("\r\n") + *error;
  return cached && logged;
}

QString PrintHistoryStore::cacheLookup(const QString &key) {
  if (!lastKey_.isEmpty() && key == lastKey_) return lastText_;
  try {
    auto query = db_.NewStatement(QStringLiteral("select ChacheData from PP_PrintDataChache where md5 = :Md5"));
    query->bind(QStringLiteral("Md5"), key);
    query->open();
    if (query->next()) {
      lastKey_ = key;
      lastText_ = query->text(QStringLiteral("ChacheData"));
      return lastText_;
    }
  } catch (const std::exception &) {
    return {};
  }
  lastKey_.clear();
  lastText_.clear();
  return {};
}

QImage PrintHistoryStore::cachedBackground(const QString &key) {
  if (!lastImageKey_.isEmpty() && key == lastImageKey_) return lastImage_;
  const QString text = cacheLookup(key).trimmed();
  QImage image;
  if (!text.isEmpty()) image.loadFromData(fromStorageText(text));
  lastImageKey_ = image.isNull() ? QString() : key;
  lastImage_ = image;
  return image;
}

QVector<HistoryRow> PrintHistoryStore::list(const HistoryFilter *filter, int offset, int limit) {
  QVariantMap parameters;
  QString sql = QString::fromLatin1(kListColumns);
  if (filter) sql += filter->conditions(parameters);
  sql += QStringLiteral(" order by PP_PrintHistory.CreateDate Descending");
  if (limit > 0) {
    sql += QStringLiteral(" rows :RowFrom to :RowTo");
    parameters.insert(QStringLiteral("RowFrom"), qint64(offset) + 1);
    parameters.insert(QStringLiteral("RowTo"), qint64(offset) + limit);
  }
  auto query = db_.NewStatement(sql);
  query->bindValues(parameters);
  query->open();
  QVector<HistoryRow> rows;
  while (query->next()) {
    HistoryRow row;
    row.id = query->toInt(QStringLiteral("id"));
    row.innerid = query->text(QStringLiteral("innerid"));
    row.title = query->text(QStringLiteral("title"));
    row.isGZip = query->toInt(QStringLiteral("isGZip"));
    row.opId = query->toInt(QStringLiteral("OpID"));
    row.opName = query->text(QStringLiteral("OPName"));
    row.createDate = query->toDateTime(QStringLiteral("CreateDate"));
    rows.push_back(std::move(row));
  }
  return rows;
}

QByteArray DecodeHistoryText(const QString &text, int isGZip) {
  if (isGZip == 0) return base64::decode(text.toLatin1(), base64::Slash::Keep);
  try {
    return zlibDecompress(fromStorageText(text));
  } catch (const std::exception &) {
    return {};
  }
}

std::optional<PrintRecord> PrintHistoryStore::readRecord(const QString &innerid, QString *error) {
  QString text;
  int isGZip = 0;
  try {
    auto query =
        db_.NewStatement(QStringLiteral("select PP_PrintHistory.PrintData, PP_PrintHistory.isGZip FROM PP_PrintHistory "
                                        "where PP_PrintHistory.innerid = :InnerID"));
    query->bind(QStringLiteral("InnerID"), innerid);
    query->open();
    if (!query->next()) {
      setError(error, QStringLiteral("未找到打印记录"));
      return std::nullopt;
    }
    text = query->text(QStringLiteral("PrintData"));
    isGZip = query->toInt(QStringLiteral("isGZip"));
  } catch (const std::exception &e) {
    setError(error, QString::fromUtf8(e.what()));
    return std::nullopt;
  }
  QString reason;
  auto record = ReadPrintRecord(DecodeHistoryText(text, isGZip), &reason);
  if (!record) setError(error, QStringLiteral("打印记录已损坏:\r\n") + reason);
  return record;
}

void PrintHistoryStore::deleteRow(const QString &innerid) {
  try {
    db_.execute(QStringLiteral("delete from PP_PrintHistory where innerid = :InnerID"),
                {{QStringLiteral("InnerID"), innerid}});
    db_.commit();
  } catch (...) {
    rollbackQuietly(db_);
    throw;
  }
}

int PrintHistoryStore::deleteMatching(const HistoryFilter &filter) {
  QVariantMap parameters;
  const QString where = filter.conditions(parameters);
  if (where.isEmpty()) return 0;  // never everything by accident
  try {
    auto statement = db_.NewStatement(QStringLiteral("delete from PP_PrintHistory ") + where);
    statement->bindValues(parameters);
    statement->execute();
    const int deleted = int(statement->rowsAffected());
    db_.commit();
    return deleted;
  } catch (...) {
    rollbackQuietly(db_);
    throw;
  }
}

int PrintHistoryStore::countAll() {
  auto query = db_.NewStatement(QStringLiteral("select count(*) as c1 from PP_PrintHistory"));
  query->open();
  return query->next() ? query->toInt(QStringLiteral("c1")) : 0;
}

int PrintHistoryStore::countMatching(const HistoryFilter &filter) {
  QVariantMap parameters;
  auto query =
      db_.NewStatement(QStringLiteral("select count(*) as c2 from PP_PrintHistory ") + filter.conditions(parameters));
  query->bindValues(parameters);
  query->open();
  return query->next() ? query->toInt(QStringLiteral("c2")) : 0;
}

}  // namespace op
