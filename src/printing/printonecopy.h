#pragma once

#include "document/printitem.h"
#include "printing/printitemsource.h"
#include "printing/printtarget.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Printing one copy of the open template: collect the fields' items, build and scale the block, draw it at
// the print offsets, remember it as the last print and log it to the history.
namespace op {

// One print job.
struct TPrintJobParams {
  bool OwnDocument = true;         // true: open the printer, begin and end the document here
  PrintTarget *Printer = nullptr;  // the caller's printer with an open document when OwnDocument is false
  int CellWidth = 0;               // layout step in printer pixels (read by the layout loop)
  int CellHeight = 0;
  int CellOffsetX = 0;  // extra offset of this copy in printer pixels, only when OwnDocument is false
  int CellOffsetY = 0;
};

// The template open on the fill-in panel, as printing needs it.
struct PrintTemplate {
  QString Title;
  int RealWidth = 0;  // real paper size in millimetres
  int RealHeight = 0;
  int DesignWidth = 0;  // size of the template panel in design pixels
  int DesignHeight = 0;
  int PrintLeft = 0;  // print offset in RealType units (1 millimetres, else printer pixels)
  int PrintTop = 0;
  int RealType = 0;
  QString BackgroundText;  // background picture as base64 JPEG text; empty without a picture
  QSize BackgroundSize;    // size of the background picture control
  // The print data objects of the fields in panel order; a null entry ends the list.
  std::vector<IQELPrintData *> Sources;
};

struct GlobalOffsetSettings {
  bool UseGlobalOffset = false;
  int GlobalOffsetX = 0;
  int GlobalOffsetY = 0;
  int GlobalOffsetUnit = 0;  // 1 millimetres, else pixels
};

enum class PrinterChoice { Chosen, NoPrinters, Cancelled, NoneSelected };

// What PrintOneCopy needs of the program around it. Hooks left empty are skipped.
struct PrintEnvironment {
  int screenDpiX = 96;
  int screenDpiY = 96;
  GlobalOffsetSettings global;
  ItemFont windowFont;  // the main window's font, written into the background item
  // Opens a printer for OwnDocument jobs: mode 0 lets the user choose, 1 takes the default printer. Sets
  // `choice` and returns null unless a printer was chosen.
  std::function<std::unique_ptr<PrintTarget>(int mode, PrinterChoice &choice)> openPrinter;
  // A message box (caption, text, error icon when `error`, else warning).
  std::function<void(const QString &caption, const QString &text, bool error)> showMessage;
  // A line for the main window's message area.
  std::function<void(const QString &line)> appendNotice;
  std::function<void(const QByteArray &scaledBlock, int left, int top)> saveLastPrintInfo;
  // Stores the background picture text under its key unless the cache has it.
  std::function<void(const QString &key, const QString &imageText)> storeBackground;
  // Logs the print: the record as base64 text (CR LF every 76 characters), uncompressed.
  std::function<void(const QString &title, const QString &historyText)> saveHistory;
  // Moves the data grid to its next row (OwnDocument jobs, after a successful print).
  std::function<void()> advanceDataGrid;
};

// Everything one copy produced, for callers that want to look at it (tests, the render command).
struct PrintCopyOutput {
  QByteArray scaledBlock;
  QByteArray record;
  int originX = 0;
  int originY = 0;
};

// Prints one copy; false when nothing was printed because of a missing template, size or printer, or when
// printing failed (the message has been shown). A printer dialog closed without choosing returns true.
bool PrintOneCopy(int mode, const TPrintJobParams &job, const PrintTemplate *tpl, const PrintEnvironment &env,
                  PrintCopyOutput *output = nullptr);

// The background reference item that heads a print record.
PrintItem BackgroundItem(const QString &key, const QSize &size, const ItemFont &windowFont);

}  // namespace op
