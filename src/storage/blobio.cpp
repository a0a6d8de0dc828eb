#include "storage/blobio.h"

#include "storage/database.h"
#include "storage/fbapi.h"

namespace op {

namespace {
constexpr unsigned SegmentSize = 32768;
}

ISC_QUAD writeBlob(Database &database, const QByteArray &bytes) {
  fb::Status status;
  ISC_QUAD id{};
  Firebird::IBlob *blob = nullptr;
  try {
    fb::guarded([&] {
      blob = database.attachment()->createBlob(&status, database.transaction(), &id, 0, nullptr);
      for (qsizetype done = 0; done < bytes.size(); done += SegmentSize) {
        const unsigned length = unsigned(std::min<qsizetype>(SegmentSize, bytes.size() - done));
        blob->putSegment(&status, length, bytes.constData() + done);
      }
      blob->close(&status);  // closing also releases the interface
      blob = nullptr;
    });
  } catch (...) {
    if (blob) blob->release();
    throw;
  }
  return id;
}

QByteArray readBlob(Database &database, ISC_QUAD id) {
  fb::Status status;
  QByteArray bytes;
  Firebird::IBlob *blob = nullptr;
  try {
    fb::guarded([&] {
      blob = database.attachment()->openBlob(&status, database.transaction(), &id, 0, nullptr);
      char buffer[SegmentSize];  // segment lengths are 16-bit
      for (;;) {
        unsigned length = 0;
        const int result = blob->getSegment(&status, sizeof buffer, buffer, &length);
        if (result != Firebird::IStatus::RESULT_OK && result != Firebird::IStatus::RESULT_SEGMENT) break;
        bytes.append(buffer, length);
      }
      blob->close(&status);
      blob = nullptr;
    });
  } catch (...) {
    if (blob) blob->release();
    throw;
  }
  return bytes;
}

}  // namespace op
