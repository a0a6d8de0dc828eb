#include "app/excelprobe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>

#include <freexl.h>

#include "app/appinfo.h"
#include "core/inifile.h"

namespace op::app {
namespace {

// An ODBC connection to the workbook through a driver registered for Excel files.
bool tryOdbc(const QString &path) {
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"))) return false;
  const QString name = QStringLiteral("excelprobe-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
  bool ok = false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
    db.setDatabaseName(QStringLiteral("Driver={Excel Files};DBQ=%1;DefaultDir=%2;ReadOnly=1;")
                           .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(QFileInfo(path).path())));
    if (db.open()) {
      const QStringList tables = db.tables();
      if (!tables.isEmpty()) {
        QSqlQuery query(db);
        ok = query.exec(QStringLiteral("select * from %1")
                            .arg(db.driver()->escapeIdentifier(tables.first(), QSqlDriver::TableName)));
      }
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(name);
  return ok;
}

// Our own reader: the workbook opens, has sheets and the first one can be selected and measured.
int tryOwnReader(const QString &path) {
  const void *handle = nullptr;
  if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    return kExcelTypeUnknown;
  }
  int result = kExcelTypeUnknown;
  unsigned int version = 0, sheets = 0, rows = 0;
  unsigned short columns = 0;
  if (freexl_get_info(handle, FREEXL_BIFF_VERSION, &version) == FREEXL_OK &&
      freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) == FREEXL_OK && sheets > 0 &&
      freexl_select_active_worksheet(handle, 0) == FREEXL_OK &&
      freexl_worksheet_dimensions(handle, &rows, &columns) == FREEXL_OK) {
    result = version == FREEXL_BIFF_VER_8 ? kExcelTypeBiff8 : kExcelTypeBiff5;
  }
  freexl_close(handle);
  return result;
}

}  // namespace

int probeExcelAccess(const QString &path) {
  if (!QFileInfo(path).isFile()) return kExcelTypeUnknown;
  if (tryOdbc(path)) return kExcelTypeOdbc;
  return tryOwnReader(path);
}

int resolveExcelType(const QString &dataDir, const ExcelProbe &probe) {
  IniFile ini(QDir(dataDir).filePath(kConfigFile));
  int type = ini.readInteger(QStringLiteral("db"), QStringLiteral("exceltype"), kExcelTypeUnknown);
  if (type <= 0 && probe) type = probe(QDir(dataDir).filePath(kProbeWorkbook));
  if (type <= 0) type = kExcelTypeOdbc;
  ini.writeInteger(QStringLiteral("db"), QStringLiteral("exceltype"), type);
  return type;
}

}  // namespace op::app
