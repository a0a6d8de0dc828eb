#include "app/configstore.h"

#include "app/appinfo.h"
#include "core/globalsettings.h"
#include "core/messagesink.h"
#include "storage/database.h"

namespace op::app {
namespace {

const QString kSelectConfig = QStringLiteral("select * from PP_CONFIG where configid = :configid");
const QString kUpdateConfig =
    QStringLiteral("update  PP_CONFIG set CONFIG_IVALUE = :ivalue where configid = :configid");
const QString kDeleteConfig = QStringLiteral("delete from PP_CONFIG where CONFIGID = :configid");
const QString kInsertConfig = QStringLiteral(
    "insert into PP_CONFIG (ID, CONFIGID, CONFIG_CVALUE, CONFIG_IVALUE) "
    "values (Gen_ID(GEN_PP_CONFIG_ID, 1), :configid, :cvalue, :ivalue)");
const QString kSelectVersion = QStringLiteral("select Max(ver) as ver from PP_Ver");

void updateConfigValue(Database &db, int configId, int value) {
  db.execute(kUpdateConfig, {{QStringLiteral("ivalue"), value}, {QStringLiteral("configid"), configId}});
  db.commit();
}

// Replaces the row by delete and insert, committed together; a failure rolls back both.
void replaceConfigValue(Database &db, int configId, int value) {
  try {
    db.execute(kDeleteConfig, {{QStringLiteral("configid"), configId}});
    db.execute(kInsertConfig, {{QStringLiteral("configid"), configId},
                               {QStringLiteral("cvalue"), QString(QLatin1String(""))},
                               {QStringLiteral("ivalue"), value}});
    db.commit();
  } catch (const DbError &) {
    try {
      db.rollback();
    } catch (const DbError &) {
    }
  }
}

}  // namespace

int integerOrZero(const QString &text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? value : 0;
}

std::optional<int> readConfigValue(Database &db, int configId) {
  auto statement = db.NewStatement(kSelectConfig);
  statement->bind(QStringLiteral("configid"), configId);
  statement->open();
  std::optional<int> value;
  if (statement->next()) value = statement->toInt(QStringLiteral("CONFIG_IVALUE"));
  statement->close();
  return value;
}

void loadGlobalSettings(Database &db, GlobalSettings &settings) {
  if (auto v = readConfigValue(db, kConfigUseGlobalOffset)) settings.setUseGlobalOffset(*v != 0);
  if (auto v = readConfigValue(db, kConfigGlobalOffsetX)) settings.setGlobalOffsetX(*v);
  if (auto v = readConfigValue(db, kConfigGlobalOffsetY)) settings.setGlobalOffsetY(*v);
  if (auto v = readConfigValue(db, kConfigAutoTimedPrint)) settings.setAutoTimedPrint(*v != 0);
  if (auto v = readConfigValue(db, kConfigAutoPrintInterval)) settings.setAutoPrintInterval(*v);
  if (auto v = readConfigValue(db, kConfigGlobalOffsetUnit)) settings.setGlobalOffsetUnit(*v);
}

SchemaCheck checkSchemaVersion(Database &db) {
  auto statement = db.NewStatement(kSelectVersion);
  statement->open();
  if (!statement->next()) return SchemaCheck::Match;
  const int version = statement->toInt(QStringLiteral("ver"));
  statement->close();
  if (version == kExpectedSchemaVersion) return SchemaCheck::Match;
  return version > kExpectedSchemaVersion ? SchemaCheck::ProgramTooOld : SchemaCheck::DatabaseTooOld;
}

QString schemaMismatchMessage(SchemaCheck check) {
  if (check == SchemaCheck::ProgramTooOld)
    return QStringLiteral("数据库的版本和程序不匹配!\r\n程序的版本要低于数据库的版本，请升级程序！\r\n");
  return QStringLiteral("数据库的版本和程序不匹配!\r\n程序的版本要高于数据库的版本，请升级数据库！\r\n");
}

bool loadSettingsAndCheckSchema(Database &db, GlobalSettings &settings) {
  try {
    loadGlobalSettings(db, settings);
    const SchemaCheck check = checkSchemaVersion(db);
    if (check == SchemaCheck::Match) return true;
    showError(schemaMismatchMessage(check));
    return false;
  } catch (const DbError &) {
    return true;
  }
}

ConfigFormValues readConfigForm(Database &db) {
  ConfigFormValues values;
  try {
    if (auto v = readConfigValue(db, kConfigUseGlobalOffset)) values.useGlobalOffset = *v != 0;
    if (auto v = readConfigValue(db, kConfigGlobalOffsetX)) values.offsetX = QString::number(*v);
    if (auto v = readConfigValue(db, kConfigGlobalOffsetY)) values.offsetY = QString::number(*v);
    if (auto v = readConfigValue(db, kConfigAutoTimedPrint)) values.autoTimedPrint = *v != 0;
    if (auto v = readConfigValue(db, kConfigAutoPrintInterval))
      values.interval = QString::number(std::max(*v, kMinPrintInterval));
    if (auto v = readConfigValue(db, kConfigGlobalOffsetUnit)) values.millimetres = *v == 1;
  } catch (const DbError &) {
  }
  return values;
}

bool saveConfigForm(Database &db, const ConfigFormValues &values, GlobalSettings &settings) {
  const int offsetX = integerOrZero(values.offsetX);
  const int offsetY = integerOrZero(values.offsetY);
  const int interval = integerOrZero(values.interval);
  bool stored = true;
  try {
    updateConfigValue(db, kConfigUseGlobalOffset, values.useGlobalOffset ? 1 : 0);
    updateConfigValue(db, kConfigGlobalOffsetX, offsetX);
    updateConfigValue(db, kConfigGlobalOffsetY, offsetY);
  } catch (const DbError &) {
    stored = false;
    try {
      db.rollback();
    } catch (const DbError &) {
    }
  }
  if (stored) {
    settings.setUseGlobalOffset(values.useGlobalOffset);
    settings.setGlobalOffsetX(offsetX);
    settings.setGlobalOffsetY(offsetY);
    settings.setAutoPrintInterval(interval);
    settings.setAutoTimedPrint(values.autoTimedPrint);
    settings.setGlobalOffsetUnit(values.millimetres ? 1 : 0);
  }
  replaceConfigValue(db, kConfigAutoTimedPrint, values.autoTimedPrint ? 1 : 0);
  replaceConfigValue(db, kConfigAutoPrintInterval, interval);
  replaceConfigValue(db, kConfigGlobalOffsetUnit, values.millimetres ? 1 : 0);
  return stored;
}

}  // namespace op::app
