#pragma once

#include <QString>

namespace op {

enum class MessageIcon { Information, Warning, Error, Question };

// Where user-facing message boxes go. The program installs a sink that shows real message boxes;
// tests install one that records the messages and answers questions without blocking.
// Without an installed sink messages are written to stderr and questions are answered "No".
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show(MessageIcon icon, const QString &title, const QString &text) = 0;
  // A Yes/No question; true only for Yes.
  virtual bool ask(const QString &title, const QString &text) = 0;
};

MessageSink &messageSink();
// Installs `sink` (not owned); nullptr restores the stderr sink.
void setMessageSink(MessageSink *sink);

// The conventions of the program's messages: failures "错误" with the error icon, notices and questions "提示".
void showError(const QString &text);
void showNotice(const QString &text);
bool askYesNo(const QString &text);

}  // namespace op
