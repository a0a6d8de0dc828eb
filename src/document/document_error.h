#pragma once

#include <QString>

#include <stdexcept>

namespace op {

// A template document could not be read or written; the message is meant for the user.
class DocumentError : public std::runtime_error {
 public:
  explicit DocumentError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString &message() const { return message_; }

 private:
  QString message_;
};

}  // namespace op
