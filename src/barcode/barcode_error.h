#pragma once

#include <QString>

#include <stdexcept>

namespace op {

// Raised when a text cannot be encoded; nothing is drawn then. The message is shown to users as is.
class BarcodeError : public std::runtime_error {
 public:
  explicit BarcodeError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString &message() const { return message_; }

 private:
  QString message_;
};

// The class name the messages carry.
inline constexpr char kBarcodeClassName[] = "TQelBarcode";

// Messages of the encoder.
inline QString digitsRequiredMessage() {
  return QStringLiteral("条码必须是数字");
}
inline QString wrongTypeMessage() {
  return QStringLiteral("%1: wrong BarcodeType").arg(kBarcodeClassName);
}
inline QString wrongCode128TypeMessage() {
  return QStringLiteral("%1: wrong BarcodeType in Code_128").arg(kBarcodeClassName);
}
inline QString code93BadDataMessage(const QString &text) {
  return QStringLiteral("%1:Code93 bad Data <%2>").arg(kBarcodeClassName, text);
}
inline QString codabarBadDataMessage(const QString &text) {
  return QStringLiteral("%1:Codabar bad Data <%2>").arg(kBarcodeClassName, text);
}

}  // namespace op
