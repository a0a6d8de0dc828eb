#pragma once

#include <QString>

namespace op::app {

// The program's identity: its name in captions, its version and the schema version it expects.
inline const QString kProductName = QStringLiteral("Overprint 套打");
constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 7;
constexpr int kAppId = 22;  // marks the program's own rows in shared tables
constexpr int kExpectedSchemaVersion = 1;

// "  Ver: 2.7 ", appended to the window caption.
inline QString versionSuffix() {
  return QStringLiteral("  Ver: %1.%2 ").arg(kVersionMajor).arg(kVersionMinor);
}
inline QString versionText() {
  return QStringLiteral("Ver: %1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

// Entries of the data folder.
inline const QString kConfigFile = QStringLiteral("Config.ini");
inline const QString kDatabaseFile = QStringLiteral("db/QEL_DATA3.FDB");
inline const QString kProbeWorkbook = QStringLiteral("qel_test_{B8D39A16-E518-43D8-BE6C-D19012E10B6E}.xls");
inline const QString kHelpFile = QStringLiteral("help/help.html");
inline const QString kVideoFolder = QStringLiteral("video");
inline const QString kBackupTool = QStringLiteral("DbBackupAdmin");
inline const QString kRestoreTool = QStringLiteral("DbRestore_QEL");
inline const QString kWebsite = QStringLiteral("https://overprint.example.org/");

}  // namespace op::app
