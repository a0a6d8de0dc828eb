#include "storage/dbfilecopy.h"

#include <QFile>
#include <QFileInfo>

#include "storage/database.h"

namespace op {

namespace {

// Opening proves the file is a database that nobody else holds; the engine lets go of it at once.
void checkDatabase(const QString &path, const QString &what) {
  try {
    Database probe(path);
  } catch (const DbError &error) {
    throw DbError(what + QStringLiteral("\r\n") + error.message(), error.code());
  }
}

void copyInto(const QString &source, const QString &target) {
  const QString partial = target + QStringLiteral(".part");
  QFile::remove(partial);
  if (!QFile::copy(source, partial)) {
    QFile::remove(partial);
    throw DbError(QStringLiteral("复制文件失败: ") + source + QStringLiteral(" -> ") + partial);
  }
  QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner);
  if (QFile::exists(target) && !QFile::remove(target)) {
    QFile::remove(partial);
    throw DbError(QStringLiteral("无法替换文件: ") + target);
  }
  if (!QFile::rename(partial, target)) {
    QFile::remove(partial);
    throw DbError(QStringLiteral("无法写入文件: ") + target);
  }
}

bool samePath(const QString &a, const QString &b) {
  const QFileInfo x(a), y(b);
  return x.exists() && y.exists() ? x.canonicalFilePath() == y.canonicalFilePath()
                                  : x.absoluteFilePath() == y.absoluteFilePath();
}

}  // namespace

void backupDatabaseFile(const QString &database, const QString &target) {
  if (target.trimmed().isEmpty()) throw DbError(QStringLiteral("没有选择备份文件"));
  if (samePath(database, target)) throw DbError(QStringLiteral("备份文件不能是数据库文件本身"));
  checkDatabase(database, QStringLiteral("无法备份数据库:"));
  copyInto(database, target);
  checkDatabase(target, QStringLiteral("备份文件无法打开，备份失败:"));
}

QString restoreDatabaseFile(const QString &source, const QString &database) {
  if (source.trimmed().isEmpty()) throw DbError(QStringLiteral("没有选择要还原的文件"));
  if (samePath(source, database)) throw DbError(QStringLiteral("要还原的文件就是当前数据库文件"));
  checkDatabase(source, QStringLiteral("所选文件不是有效的数据库:"));
  QString kept;
  if (QFile::exists(database)) {
    checkDatabase(database, QStringLiteral("无法还原数据库:"));
    kept = database + QStringLiteral(".bak");
    copyInto(database, kept);
  }
  copyInto(source, database);
  return kept;
}

}  // namespace op
