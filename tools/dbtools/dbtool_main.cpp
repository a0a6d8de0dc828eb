#include "dbtool_main.h"

#include <QApplication>

#include "storage/datafolder.h"

int runDbTool(int argc, char **argv, DbToolDialog::Mode mode) {
  QApplication app(argc, argv);
  QString dataDir;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--data-dir" && i + 1 < args.size())
      dataDir = args[++i];
    else if (args[i].startsWith("--data-dir="))
      dataDir = args[i].section('=', 1);
  }
  const op::DataFolder folder(op::DataFolder::resolve(dataDir));
  DbToolDialog dialog(mode, folder.databasePath());
  dialog.show();
  return app.exec();
}
