#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace op {

namespace {

QString executableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

}  // namespace

QString normalizeStoredPath(const QString &path) {
  QString normalized = path;
  normalized.replace(u'\\', u'/');
  return normalized;
}

QString DataFolder::defaultsFolder() {
  return executableFolder() + QStringLiteral("/default");
}

QString DataFolder::resolve(const QString &explicitDir) {
  if (!explicitDir.trimmed().isEmpty()) return QDir::cleanPath(QDir(explicitDir).absolutePath());
  const QString fromEnvironment = qEnvironmentVariable("OVERPRINT_DATA_DIR");
  if (!fromEnvironment.trimmed().isEmpty()) return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
  const QString executable = executableFolder();
  if (QFileInfo(executable).isWritable()) return executable;
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QStringList DataFolder::seed(const QString &defaults, const QString &target) {
  QStringList copied;
  const QDir source(defaults);
  if (!source.exists()) return copied;
  QDirIterator it(defaults, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString relative = source.relativeFilePath(file);
    const QString destination = target + u'/' + relative;
    if (QFileInfo::exists(destination)) continue;
    QDir().mkpath(QFileInfo(destination).absolutePath());
    // Copy under a temporary name first so that an interrupted copy never leaves a half file behind.
    const QString partial = destination + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(file, partial) || !QFile::rename(partial, destination)) {
      QFile::remove(partial);
      throw std::runtime_error(("无法复制文件到数据目录: " + destination).toStdString());
    }
    QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    copied << relative;
  }
  return copied;
}

DataFolder DataFolder::prepare(const QString &explicitDir, const QString &defaults) {
  const QString root = resolve(explicitDir);
  if (!QDir().mkpath(root)) throw std::runtime_error(("无法创建数据目录: " + root).toStdString());
  if (QDir::cleanPath(defaults) != QDir::cleanPath(root)) seed(defaults, root);
  return DataFolder(root);
}

QString DataFolder::path(const QString &relative) const {
  QString clean = normalizeStoredPath(relative);
  while (clean.startsWith(u'/')) clean.remove(0, 1);
  return root_ + u'/' + clean;
}

}  // namespace op
