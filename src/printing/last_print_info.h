#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The last print: "LastPrintInfo.dat" holds the scaled block of the last copy followed by 36 zero bytes;
// "Config.ini" section LastPrintInfo holds its drawing origin (nLeft, nTop). Print last and repeat last
// draw it again on the default printer.
namespace op {

class PrintTarget;

struct LastPrintInfo {
  QByteArray block;  // checked: header, items and sizes fit
  int left = 0;
  int top = 0;
};

// Writes the block (its DataSize bytes) and 36 zero bytes, then nLeft/nTop; false with a message on failure.
bool SaveLastPrintInfo(const QString &datPath, const QString &iniPath, const QByteArray &block, int left, int top,
                       QString *error = nullptr);

// Reads the file back. A missing file or one shorter than its header announces gives
// "未发现上次打印的数据!"; a damaged block is refused with the reason.
std::optional<LastPrintInfo> ReadLastPrintInfo(const QString &datPath, const QString &iniPath,
                                               QString *error = nullptr);

// Begins a document on `target`, draws the block at its origin with every kind, ends the document.
bool PrintLastInfo(const LastPrintInfo &info, PrintTarget &target, QString *error = nullptr);

// The pause between repeated copies: the interval in milliseconds, at most 60 000.
int RepeatPauseMs(int intervalSeconds);

// Waits `ms` milliseconds in steps of at most 100 ms, processing pending events in between so the window
// stays responsive.
void WaitProcessingEvents(int ms);

// Prints the last print `copies` times, each as a document of its own on a fresh default printer, pausing
// between copies (not after the last). Stops at the first failure (message in `error`).
bool RepeatLastPrint(const LastPrintInfo &info, int copies, int intervalSeconds,
                     const std::function<std::unique_ptr<PrintTarget>()> &openDefaultPrinter,
                     const std::function<void(int ms)> &wait, QString *error = nullptr);

// Config.ini section Animal, key RePrintTick (default 10): the interval of the last repeated print.
int ReadRePrintTick(const QString &iniPath);
bool WriteRePrintTick(const QString &iniPath, int seconds);

}  // namespace op
