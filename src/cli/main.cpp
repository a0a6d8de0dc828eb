#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "cli/command.h"

namespace op::cli {

std::map<QString, CommandInfo> &commands() {
  static std::map<QString, CommandInfo> registry;
  return registry;
}

void printError(const QString &message) {
  std::fputs(message.toUtf8().constData(), stderr);
  std::fputc('\n', stderr);
}

void printLine(const QString &text) {
  std::fputs(text.toUtf8().constData(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace op::cli

namespace {

int usage() {
  op::cli::printError("用法: overprint-cli [--data-dir DIR] COMMAND [ARGS...]");
  for (const auto &[name, info] : op::cli::commands()) op::cli::printError("  " + info.usage);
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  // Drawing text and pictures needs a GUI application; no window is ever shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // Same name as the program, so both resolve the same per-user data folder.
  QGuiApplication::setApplicationName(QStringLiteral("overprint"));
  QStringList args = app.arguments().mid(1);

  op::cli::CommandContext context;
  context.dataDir = qEnvironmentVariable("OVERPRINT_DATA_DIR");
  while (!args.isEmpty() && args.first().startsWith("--")) {
    const QString option = args.takeFirst();
    if (option == "--data-dir" && !args.isEmpty()) {
      context.dataDir = args.takeFirst();
    } else if (option.startsWith("--data-dir=")) {
      context.dataDir = option.mid(int(sizeof "--data-dir=") - 1);
    } else {
      op::cli::printError("未知选项: " + option);
      return usage();
    }
  }
  if (args.isEmpty() || args.first() == "help") return usage();
  const QString name = args.takeFirst();
  const auto found = op::cli::commands().find(name);
  if (found == op::cli::commands().end()) {
    op::cli::printError("未知命令: " + name);
    return usage();
  }
  context.args = args;
  return found->second.run(context);
}
