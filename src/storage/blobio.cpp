#include "storage/blobio.h"

#include "storage/database.h"
#include "storage/fbapi.h"

namespace op {

namespace {

constexpr unsigned SegmentSize = 32768;

// The blob's length as the engine reports it, for reserving the buffer once; 0 when unknown.
ISC_LONG totalLength(Firebird::IBlob *blob, fb::Status &status) {
  const unsigned char item = isc_info_blob_total_length;
  unsigned char answer[16] = {};
  blob->getInfo(&status, 1, &item, sizeof answer, answer);
  if (answer[0] != isc_info_blob_total_length) return 0;
  // Item, 2-byte length, then the value; both little-endian.
  const unsigned size = std::min(4u, unsigned(answer[1]) | (unsigned(answer[2]) << 8));
  ISC_LONG length = 0;
  for (unsigned i = 0; i < size; ++i) length |= ISC_LONG(answer[3 + i]) << (8 * i);
  return length;
}

}  // namespace

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
      bytes.reserve(qsizetype(totalLength(blob, status)));
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
