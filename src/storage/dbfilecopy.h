#pragma once

#include <QString>

namespace op {

// Backup and restore of the database file by a consistent file copy: each step first proves, by opening
// the file with the engine, that it is a sound database and that no other program holds it. Copies go
// to a temporary name beside the target and are moved into place only when complete. Failures throw
// DbError with a message for the user.

// Copies the database file `database` to `target` (overwriting `target`).
void backupDatabaseFile(const QString &database, const QString &target);

// Replaces the database file `database` by the copy `source`. The file replaced is kept as
// `database` + ".bak" (one generation). Returns the path of that kept file, or "" when there was none.
QString restoreDatabaseFile(const QString &source, const QString &database);

}  // namespace op
