#pragma once

#include "core/messagesink.h"

namespace op::app {

// Shows the program's messages as modal message boxes over the active window.
class WidgetMessageSink : public MessageSink {
 public:
  void show(MessageIcon icon, const QString &title, const QString &text) override;
  bool ask(const QString &title, const QString &text) override;
};

}  // namespace op::app
