// list: one line per template of the catalogue in tree order: InnerID, tab, category path, tab, title.

#include <exception>

#include "cli/command.h"
#include "storage/catalogue_repository.h"
#include "storage/database.h"
#include "storage/datafolder.h"

namespace {

int listTemplates(const op::cli::CommandContext &ctx) {
  if (!ctx.args.isEmpty()) {
    op::cli::printError(QStringLiteral("list 不接受参数"));
    return 2;
  }
  try {
    const op::DataFolder folder = op::DataFolder::prepare(ctx.dataDir);
    auto db = op::OpenDatabase(folder.databasePath());
    for (const op::CatalogueListing &row : op::CatalogueRepository(*db).listTemplates())
      op::cli::printLine(row.innerId + u'\t' + row.path.join(u'/') + u'\t' + row.title);
    return 0;
  } catch (const op::DbError &error) {
    op::cli::printError(QStringLiteral("连接数据库失败: ") + error.message());
  } catch (const std::exception &error) {
    op::cli::printError(QString::fromUtf8(error.what()));
  }
  return 1;
}

op::cli::CommandRegistration reg("list", "list                      模板目录: InnerID、类别路径和标题", listTemplates);

}  // namespace
