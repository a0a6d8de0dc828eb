// Makes a fresh database file from SQL scripts: mkdb OUTPUT.FDB SCRIPT.sql...
// The file is built under a temporary name and moved into place only when every statement succeeded.

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "storage/fbapi.h"
#include "storage/sqlparameters.h"

namespace {

constexpr int PageSize = 8192;

void runScript(Firebird::IAttachment *attachment, const QString &scriptPath) {
  QFile file(scriptPath);
  if (!file.open(QIODevice::ReadOnly)) throw op::DbError("cannot read " + scriptPath);
  const QStringList statements = op::splitSqlScript(QString::fromUtf8(file.readAll()));
  op::fb::Status status;
  for (const QString &sql : statements) {
    const QByteArray text = sql.toUtf8();
    // Each statement in a transaction of its own, so that tables exist before the rows that fill them.
    op::fb::guarded(
        [&] {
          Firebird::ITransaction *transaction = attachment->startTransaction(&status, 0, nullptr);
          attachment->execute(&status, transaction, unsigned(text.size()), text.constData(), SQL_DIALECT_V6, nullptr,
                              nullptr, nullptr, nullptr);
          transaction->commit(&status);
        },
        sql);
  }
}

void makeDatabase(const QString &output, const QStringList &scripts) {
  const QString temporary = output + ".part";
  QFile::remove(temporary);
  op::fb::Status status;
  op::fb::ParameterBlock dpb(Firebird::IXpbBuilder::DPB);
  op::fb::fillAttachParameters(dpb, temporary);
  dpb.integer(isc_dpb_page_size, PageSize);
  dpb.integer(isc_dpb_sql_dialect, SQL_DIALECT_V6);
  dpb.string(isc_dpb_set_db_charset, "UTF8");
  Firebird::IProvider *provider = op::fb::master()->getDispatcher();
  const QByteArray path = QFile::encodeName(temporary);
  Firebird::IAttachment *attachment =
      op::fb::guarded([&] { return provider->createDatabase(&status, path.constData(), dpb.length(), dpb.buffer()); });
  provider->release();
  try {
    for (const QString &script : scripts) runScript(attachment, script);
    op::fb::guarded([&] { attachment->detach(&status); });
  } catch (...) {
    attachment->release();
    QFile::remove(temporary);
    throw;
  }
  QFile::remove(output);
  if (!QFile::rename(temporary, output)) throw op::DbError("cannot move the database to " + output);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fputs("usage: mkdb OUTPUT.FDB SCRIPT.sql...\n", stderr);
    return 2;
  }
  QStringList scripts;
  for (int i = 2; i < argc; ++i) scripts << QString::fromLocal8Bit(argv[i]);
  try {
    makeDatabase(QString::fromLocal8Bit(argv[1]), scripts);
  } catch (const op::DbError &error) {
    std::fprintf(stderr, "mkdb: %s\n", error.message().toUtf8().constData());
    return 1;
  }
  return 0;
}
