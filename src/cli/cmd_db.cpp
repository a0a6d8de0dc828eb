// db-info: opens the data folder's database and prints its schema version and row counts.

#include <exception>

#include "cli/command.h"
#include "storage/database.h"
#include "storage/datafolder.h"

namespace {

int countRows(op::Database &db, const QString &table) {
  // Table names come from the fixed list below, never from the user.
  auto q = db.NewStatement(QStringLiteral("select count(*) as c from %1").arg(table));
  q->open();
  return q->next() ? q->toInt(QStringLiteral("c")) : 0;
}

int dbInfo(const op::cli::CommandContext &ctx) {
  try {
    const op::DataFolder folder = op::DataFolder::prepare(ctx.dataDir);
    auto db = op::OpenDatabase(folder.databasePath());
    auto q = db->NewStatement(QStringLiteral("select Max(ver) as ver from PP_Ver"));
    q->open();
    op::cli::printLine(QStringLiteral("database: ") + folder.databasePath());
    op::cli::printLine(QStringLiteral("PP_Ver: %1").arg(q->next() ? q->toInt(QStringLiteral("ver")) : 0));
    for (const char *table : {"PP_List", "PP_Items", "PP_CustomData", "PP_PrintHistory", "PP_PrintDataChache",
                              "PP_DICTDIR", "PP_DictDetail", "PP_DataBind", "PP_USER", "PP_EXTDATA"})
      op::cli::printLine(QStringLiteral("%1: %2").arg(table).arg(countRows(*db, table)));
    return 0;
  } catch (const op::DbError &error) {
    op::cli::printError(QStringLiteral("连接数据库失败: ") + error.message());
  } catch (const std::exception &error) {
    op::cli::printError(QString::fromUtf8(error.what()));
  }
  return 1;
}

op::cli::CommandRegistration reg("db-info", "db-info                   数据库版本和各表记录数", dbInfo);

}  // namespace
