#pragma once

#include <firebird/Interface.h>

#include <QByteArray>

namespace op {

class Database;

// Blob content on the database's current transaction: written in segments, read back whole.
ISC_QUAD writeBlob(Database &database, const QByteArray &bytes);
QByteArray readBlob(Database &database, ISC_QUAD id);

}  // namespace op
