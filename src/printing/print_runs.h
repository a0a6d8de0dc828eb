#pragma once

#include "printing/page_composition.h"
#include "printing/printonecopy.h"

#include <functional>
#include <memory>

// The quick continuous print: one copy, one sheet of layout copies, one copy per data row, or the layout
// over the data rows with a new document per sheet. Every copy goes through the caller's one-copy print
// (normally PrintOneCopy on the open template), and every loop stops at the first copy that fails.
namespace op {

class PrintDataSet;

struct QuickPrintHooks {
  // Prints one copy with mode 1 (PrintOneCopy on the open template); false stops the run.
  std::function<bool(const TPrintJobParams &job)> printCopy;
  // A new printer object on the system default printer, for layout mode; null when there is none.
  std::function<std::unique_ptr<PrintTarget>()> openDefaultPrinter;
  // The print-range dialog "打印范围": true to start from the first row, false from the selected one.
  std::function<bool()> askFromFirst;
  // Pacing before a row (or between sheets): false stops the run.
  std::function<bool()> pace;
  // Fills the template from the data set's current row before its copy is printed.
  std::function<void(const PrintDataSet &rows)> applyRow;
};

struct QuickPrintOptions {
  LayoutSettings layout;
  bool autoPrint = false;        // "自动连续快速打印": one copy per data row
  PrintDataSet *rows = nullptr;  // the data grid's rows; null or closed prints once
  QString documentTitle;
};

struct QuickPrintResult {
  int copies = 0;        // copies printed successfully
  int sheets = 0;        // documents begun in layout mode
  bool stopped = false;  // a copy failed or pacing said stop
  bool noPrinter = false;
};

QuickPrintResult QuickContinuousPrint(const QuickPrintOptions &options, const QuickPrintHooks &hooks);

// ---- One document with many pages (the batch command) ----

struct DocumentRunHooks {
  std::function<bool(const TPrintJobParams &job)> printCopy;  // OwnDocument false, cell offsets set
  std::function<void(const PrintDataSet &rows)> applyRow;
  std::function<void(int copies)> progress;  // after every copy
};

struct DocumentRunResult {
  int copies = 0;
  int pages = 0;
  bool ok = true;  // false when a copy failed; the run stopped there
};

// Prints into the document open on `target`, a new page per sheet. Without rows: one copy, or one sheet of
// layout copies. With rows: one copy per printable row, on a page of its own or in the layout's cells.
DocumentRunResult PrintIntoDocument(PrintTarget &target, PrintDataSet *rows, const LayoutStepValues &steps,
                                    const DocumentRunHooks &hooks);

}  // namespace op
