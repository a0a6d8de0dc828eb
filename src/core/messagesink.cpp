#include "core/messagesink.h"

#include <cstdio>

namespace op {
namespace {

class StderrSink : public MessageSink {
 public:
  void show(MessageIcon, const QString &title, const QString &text) override {
    std::fprintf(stderr, "%s: %s\n", title.toUtf8().constData(), text.toUtf8().constData());
  }
  bool ask(const QString &title, const QString &text) override {
    show(MessageIcon::Question, title, text);
    return false;
  }
};

StderrSink stderrSink;
MessageSink *installed = nullptr;

}  // namespace

MessageSink &messageSink() {
  return installed ? *installed : stderrSink;
}

void setMessageSink(MessageSink *sink) {
  installed = sink;
}

void showError(const QString &text) {
  messageSink().show(MessageIcon::Error, QStringLiteral("错误"), text);
}

void showNotice(const QString &text) {
  messageSink().show(MessageIcon::Information, QStringLiteral("提示"), text);
}

bool askYesNo(const QString &text) {
  return messageSink().ask(QStringLiteral("提示"), text);
}

}  // namespace op
