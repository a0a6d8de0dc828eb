#include "app/shelllauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

namespace op::app {

bool ShellLauncher::openUrl(const QUrl &url) {
  return QDesktopServices::openUrl(url);
}

QString ShellLauncher::toolPath(const QString &name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool ShellLauncher::startTool(const QString &name, const QString &dataDir) {
  QProcess process;
  process.setProgram(toolPath(name));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("OVERPRINT_DATA_DIR"), dataDir);
  process.setProcessEnvironment(environment);
  return process.startDetached();
}

}  // namespace op::app
