#pragma once

#include <firebird/Interface.h>

#include <QString>

#include "storage/dberror.h"

// Access to the engine's object interface, shared by the connection, its statements and the database maker.
namespace op::fb {

using Firebird::ThrowStatusWrapper;

// The master interface; on first use points the engine's lock folder at a per-user writable folder.
Firebird::IMaster *master();
Firebird::IUtil *util();

// A status wrapper that throws Firebird::FbException on every failure.
class Status {
 public:
  Status();
  ~Status();
  Status(const Status &) = delete;
  Status &operator=(const Status &) = delete;
  ThrowStatusWrapper *operator&() { return &wrapper_; }
  ThrowStatusWrapper *get() { return &wrapper_; }

 private:
  Firebird::IStatus *status_;
  ThrowStatusWrapper wrapper_;
};

// The engine's message for a failed call, lines joined by "\n".
QString statusText(const Firebird::IStatus *status);
// The error as a DbError, the message optionally prefixed.
DbError toDbError(const Firebird::FbException &error, const QString &prefix = {});

// Runs `call` and turns engine failures into DbError.
template <class Call>
auto guarded(Call &&call, const QString &prefix = {}) -> decltype(call()) {
  try {
    return call();
  } catch (const Firebird::FbException &error) {
    throw toDbError(error, prefix);
  }
}

// True when the engine's status vector contains the given error code.
bool hasErrorCode(const Firebird::IStatus *status, ISC_STATUS code);

// Builds a parameter block (DPB, TPB, BPB) with the engine's own builder.
class ParameterBlock {
 public:
  explicit ParameterBlock(unsigned kind);
  ~ParameterBlock();
  ParameterBlock(const ParameterBlock &) = delete;
  ParameterBlock &operator=(const ParameterBlock &) = delete;

  ParameterBlock &tag(unsigned char tag);
  ParameterBlock &integer(unsigned char tag, int value);
  ParameterBlock &string(unsigned char tag, const QString &value);
  unsigned length();
  const unsigned char *buffer();

 private:
  Status status_;
  Firebird::IXpbBuilder *builder_;
};

// Attachment parameters for our database: user SYSDBA, character set UTF8, the embedded engine for a
// local path and the remote provider for "host:/path".
bool isRemotePath(const QString &path);
void fillAttachParameters(ParameterBlock &dpb, const QString &path);

}  // namespace op::fb
