#pragma once

#include <QString>

#include <stdexcept>

namespace op {

// A database failure: carries the engine's own message (as the user sees it after a fixed text) and the
// first error code of the engine's status vector (0 when the failure did not come from the engine).
class DbError : public std::runtime_error {
 public:
  explicit DbError(const QString &message, long code = 0)
      : std::runtime_error(message.toStdString()), message_(message), code_(code) {}

  QString message() const { return message_; }
  long code() const { return code_; }

 private:
  QString message_;
  long code_;
};

}  // namespace op
