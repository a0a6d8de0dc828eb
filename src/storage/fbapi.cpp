#include "storage/fbapi.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace op::fb {

namespace {

// The engine keeps its lock files in a folder that must be writable by the user running the program;
// its built-in default is a system folder that only the server account may write.
void prepareLockFolder() {
  if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) return;
  const QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  const QString folder = base + QStringLiteral("/overprint-fb-lock-%1").arg(getuid());
  QDir().mkpath(folder);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("FIREBIRD_LOCK", QFile::encodeName(folder));
}

}  // namespace

Firebird::IMaster *master() {
  static Firebird::IMaster *instance = [] {
    prepareLockFolder();
    return Firebird::fb_get_master_interface();
  }();
  return instance;
}

Firebird::IUtil *util() {
  return master()->getUtilInterface();
}

Status::Status() : status_(master()->getStatus()), wrapper_(status_) {}

Status::~Status() {
  status_->dispose();
}

QString statusText(const Firebird::IStatus *status) {
  char buffer[2048];
  util()->formatStatus(buffer, sizeof buffer, const_cast<Firebird::IStatus *>(status));
  return QString::fromUtf8(buffer).trimmed();
}

bool hasErrorCode(const Firebird::IStatus *status, ISC_STATUS code) {
  const ISC_STATUS *vector = const_cast<Firebird::IStatus *>(status)->getErrors();
  while (vector && *vector != isc_arg_end) {
    const ISC_STATUS kind = vector[0];
    if (kind == isc_arg_gds && vector[1] == code) return true;
    vector += (kind == isc_arg_cstring) ? 3 : 2;
  }
  return false;
}

DbError toDbError(const Firebird::FbException &error, const QString &prefix) {
  const Firebird::IStatus *status = error.getStatus();
  const ISC_STATUS *vector = const_cast<Firebird::IStatus *>(status)->getErrors();
  const long code = (vector && vector[0] == isc_arg_gds) ? long(vector[1]) : 0;
  const QString text = statusText(status);
  return DbError(prefix.isEmpty() ? text : prefix + QStringLiteral("\r\n") + text, code);
}

ParameterBlock::ParameterBlock(unsigned kind) {
  builder_ = guarded([&] { return util()->getXpbBuilder(&status_, kind, nullptr, 0); });
}

ParameterBlock::~ParameterBlock() {
  builder_->dispose();
}

ParameterBlock &ParameterBlock::tag(unsigned char tag) {
  guarded([&] { builder_->insertTag(&status_, tag); });
  return *this;
}

ParameterBlock &ParameterBlock::integer(unsigned char tag, int value) {
  guarded([&] { builder_->insertInt(&status_, tag, value); });
  return *this;
}

ParameterBlock &ParameterBlock::string(unsigned char tag, const QString &value) {
  const QByteArray bytes = value.toUtf8();
  guarded([&] { builder_->insertString(&status_, tag, bytes.constData()); });
  return *this;
}

unsigned ParameterBlock::length() {
  return guarded([&] { return builder_->getBufferLength(&status_); });
}

const unsigned char *ParameterBlock::buffer() {
  return guarded([&] { return builder_->getBuffer(&status_); });
}

bool isRemotePath(const QString &path) {
  // "host:/path" or "host/port:/path"; a one-letter prefix is a drive letter, not a host.
  static const QRegularExpression remote(QStringLiteral("^[^/\\\\:]{2,}:"));
  return remote.match(path).hasMatch();
}

void fillAttachParameters(ParameterBlock &dpb, const QString &path) {
  dpb.string(isc_dpb_user_name, QStringLiteral("SYSDBA"));
  dpb.string(isc_dpb_lc_ctype, QStringLiteral("UTF8"));
  if (isRemotePath(path)) {
    dpb.string(isc_dpb_password, QStringLiteral("kqTWnmxe"));
  } else {
    // Embedded engine only: no server process, and a local path never goes to the network.
    dpb.string(isc_dpb_config, QStringLiteral("Providers=Engine12"));
  }
}

}  // namespace op::fb
