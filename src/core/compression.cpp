#include "core/compression.h"

#include <stdexcept>
#include <string>
#include <zlib.h>

namespace op {
namespace {

[[noreturn]] void fail(int code, const z_stream &stream) {
  std::string message = stream.msg ? stream.msg : zError(code);
  throw std::runtime_error("zlib: " + message);
}

}  // namespace

QByteArray zlibCompress(const QByteArray &bytes, int level) {
  uLongf size = compressBound(uLong(bytes.size()));
  QByteArray out(qsizetype(size), Qt::Uninitialized);
  const int rc = compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                           reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()), level);
  if (rc != Z_OK) throw std::runtime_error(std::string("zlib: ") + zError(rc));
  out.truncate(qsizetype(size));
  return out;
}

QByteArray zlibDecompress(const QByteArray &bytes) {
  z_stream stream{};
  int rc = inflateInit(&stream);
  if (rc != Z_OK) fail(rc, stream);
  stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
  stream.avail_in = uInt(bytes.size());
  QByteArray out;
  char chunk[65536];
  do {
    stream.next_out = reinterpret_cast<Bytef *>(chunk);
    stream.avail_out = sizeof chunk;
    rc = inflate(&stream, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) {
      const z_stream copy = stream;
      inflateEnd(&stream);
      if (rc == Z_BUF_ERROR) throw std::runtime_error("zlib: unexpected end of stream");
      fail(rc, copy);
    }
    out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
  } while (rc != Z_STREAM_END);
  inflateEnd(&stream);
  return out;
}

QByteArray compressText(const QString &text) {
  const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
  return zlibCompress(utf16, 9);
}

QString decompressText(const QByteArray &bytes) {
  const QByteArray raw = zlibDecompress(bytes);
  return QString(reinterpret_cast<const QChar *>(raw.constData()), raw.size() / 2);
}

}  // namespace op
