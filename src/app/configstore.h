#pragma once

#include <QString>

#include <optional>

namespace op {
class Database;
class GlobalSettings;
}  // namespace op

namespace op::app {

// CONFIGID numbers of the PP_CONFIG rows.
enum ConfigId {
  kConfigUseGlobalOffset = 1,
  kConfigGlobalOffsetX = 2,
  kConfigGlobalOffsetY = 3,
  kConfigAutoTimedPrint = 4,
  kConfigAutoPrintInterval = 5,
  kConfigGlobalOffsetUnit = 6,
};

// CONFIG_IVALUE of the first row with that CONFIGID, nothing when there is none. Throws DbError.
std::optional<int> readConfigValue(Database &db, int configId);

// Copies rows 1 to 6 into `settings`, in that order; a missing row leaves its setting as it is.
// Throws DbError at the first failure, leaving the settings read so far.
void loadGlobalSettings(Database &db, GlobalSettings &settings);

enum class SchemaCheck { Match, ProgramTooOld, DatabaseTooOld };

// Compares the highest PP_Ver.ver (NULL reads as 0) with the version the program expects. Throws DbError.
SchemaCheck checkSchemaVersion(Database &db);
QString schemaMismatchMessage(SchemaCheck check);

// Start-up steps 8 and 9 as one block: the first database error ends the block silently. A version
// mismatch shows its message; returns false when the program must end.
bool loadSettingsAndCheckSchema(Database &db, GlobalSettings &settings);

// The contents of the settings dialog.
struct ConfigFormValues {
  bool useGlobalOffset = false;
  QString offsetX = QStringLiteral("0");
  QString offsetY = QStringLiteral("0");
  bool autoTimedPrint = false;
  QString interval = QStringLiteral("200");
  bool millimetres = false;
};

constexpr int kMinPrintInterval = 200;
constexpr int kMaxPrintInterval = 9999;

// Fills the dialog's values from the database, starting from the form defaults; a missing row leaves
// its default, any failure ends the filling silently. Intervals of 200 or less show as 200.
ConfigFormValues readConfigForm(Database &db);

// Saves the dialog: rows 1 to 3 by update (a missing row is not stored, and that is no failure), each
// committed; only when all three succeed do the process-wide settings take the dialog's values, else the
// transaction is rolled back. Rows 4 to 6 are then replaced one by one (delete and insert committed
// together, a failure rolled back silently). Returns false when the first three could not be stored.
bool saveConfigForm(Database &db, const ConfigFormValues &values, GlobalSettings &settings);

// The integer in `text`, 0 when it is not one.
int integerOrZero(const QString &text);

}  // namespace op::app
