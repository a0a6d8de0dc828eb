#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

// The headless commands of overprint-cli. Each command lives in its own cmd_*.cpp file and registers
// itself with a static CommandRegistration, so adding a command never touches another file.
namespace op::cli {

struct CommandContext {
  QString dataDir;     // --data-dir, empty for the program's default data folder
  QStringList args;    // the arguments after the command name
};

// Returns the process exit code; errors are written to stderr by the command.
using CommandFunction = std::function<int(const CommandContext &)>;

struct CommandInfo {
  QString usage;       // one line: the command's syntax
  CommandFunction run;
};

std::map<QString, CommandInfo> &commands();

struct CommandRegistration {
  CommandRegistration(const QString &name, const QString &usage, CommandFunction run) {
    commands()[name] = CommandInfo{usage, std::move(run)};
  }
};

// Small helpers shared by the commands.
void printError(const QString &message);
void printLine(const QString &text);

}  // namespace op::cli
