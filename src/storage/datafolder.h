#pragma once

#include <QString>
#include <QStringList>

namespace op {

// The program's data folder: the database, "Config.ini", "qel.xml", "LastPrintInfo.dat" and the other
// files the program keeps beside itself. Windows names are kept, case included.
//
//   op::DataFolder folder = op::DataFolder::prepare(option);   // resolve, create, seed
//   auto db = op::OpenDatabase(folder.databasePath());
class DataFolder {
 public:
  explicit DataFolder(QString root) : root_(std::move(root)) {}

  // The folder to use: `explicitDir` when given, else the environment's OVERPRINT_DATA_DIR, else the
  // executable's folder when it is writable, else the per-user application data folder.
  static QString resolve(const QString &explicitDir = {});

  // Resolves the folder, creates it and copies every file of `defaults` (normally "<executable
  // folder>/default/") that it lacks. Throws std::runtime_error when the folder cannot be made or filled.
  static DataFolder prepare(const QString &explicitDir = {}, const QString &defaults = defaultsFolder());

  // Copies every file under `defaults` (recursively) that `target` lacks; an existing file is never
  // overwritten. Returns the relative paths copied. Throws std::runtime_error when a copy fails.
  static QStringList seed(const QString &defaults, const QString &target);

  // "<executable folder>/default", where the build and the installation put the files of a fresh folder.
  static QString defaultsFolder();

  QString root() const { return root_; }
  // A path inside the folder; a stored Windows path ("db\QEL_DATA3.FDB") is accepted.
  QString path(const QString &relative) const;
  QString databasePath() const { return path(QStringLiteral("db/QEL_DATA3.FDB")); }
  QString configIniPath() const { return path(QStringLiteral("Config.ini")); }
  QString documentSkeletonPath() const { return path(QStringLiteral("qel.xml")); }
  QString lastPrintInfoPath() const { return path(QStringLiteral("LastPrintInfo.dat")); }

 private:
  QString root_;
};

// A path as stored by the program's Windows origins: back-slashes become "/".
QString normalizeStoredPath(const QString &path);

}  // namespace op
