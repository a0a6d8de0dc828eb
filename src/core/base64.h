#pragma once

#include <QByteArray>
#include <QString>

// Base64 as stored in template documents and the database: RFC 4648 alphabet with "=" padding,
// a CR LF after every 76 output characters (MIME line breaking), optionally every "/" written as "_".
namespace op::base64 {

enum class Slash { Keep, Underscore };

QByteArray encode(const QByteArray &bytes, Slash slash = Slash::Underscore);
// Lenient decoding: "_" reads as "/" (when asked), every character outside the alphabet is skipped.
QByteArray decode(const QByteArray &text, Slash slash = Slash::Underscore);

}  // namespace op::base64

namespace op {

// The storage text form of bytes (Base64 with "/" as "_") and back.
QString toStorageText(const QByteArray &bytes);
QByteArray fromStorageText(const QString &text);

// A document text stored in the database: code page 936 bytes in storage text form.
QString documentToStorageText(const QString &document);
QString documentFromStorageText(const QString &stored);

}  // namespace op
