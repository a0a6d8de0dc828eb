#include "printing/print_runs.h"

#include "printing/print_dataset.h"

#include <exception>

namespace op {

namespace {

bool callPace(const QuickPrintHooks &hooks) {
  return !hooks.pace || hooks.pace();
}

void callApply(const QuickPrintHooks &hooks, const PrintDataSet &rows) {
  if (hooks.applyRow) hooks.applyRow(rows);
}

// One copy in a cell of the layout. A copy that raises an error counts as not printed but does not stop
// the run; a false result does.
enum class CellOutcome { Printed, Failed, Stop };

CellOutcome printCell(const QuickPrintHooks &hooks, TPrintJobParams job, const LayoutStepValues &steps, int k) {
  job.CellOffsetX = steps.cellX(k);
  job.CellOffsetY = steps.cellY(k);
  try {
    return hooks.printCopy(job) ? CellOutcome::Printed : CellOutcome::Stop;
  } catch (const std::exception &) {
    return CellOutcome::Failed;
  }
}

void layoutOverRows(const QuickPrintOptions &options, const QuickPrintHooks &hooks, TPrintJobParams job,
                    const LayoutStepValues &steps, bool fromFirst, QuickPrintResult &result) {
  PrintDataSet &rows = *options.rows;
  PrintTarget &printer = *job.Printer;
  if (fromFirst) rows.first();
  if (!printer.beginDocument(options.documentTitle)) {
    result.stopped = true;
    return;
  }
  ++result.sheets;
  int onSheet = 0;
  while (!rows.eof()) {
    if (!rows.currentRowPrintable()) {
      rows.next();
      continue;
    }
    if (onSheet >= steps.copiesPerSheet()) {
      printer.endDocument();
      // Asked before the next sheet is begun, so stopping never feeds an empty sheet.
      if (!callPace(hooks)) {
        result.stopped = true;
        return;
      }
      if (!printer.beginDocument(options.documentTitle)) {
        result.stopped = true;
        return;
      }
      ++result.sheets;
      onSheet = 0;
    }
    callApply(hooks, rows);
    const CellOutcome outcome = printCell(hooks, job, steps, onSheet);
    if (outcome == CellOutcome::Stop) {
      result.stopped = true;
      break;
    }
    if (outcome == CellOutcome::Printed) ++result.copies;
    ++onSheet;
    rows.next();
  }
  if (printer.isPrinting()) printer.endDocument();
}

void rowByRow(const QuickPrintOptions &options, const QuickPrintHooks &hooks, const TPrintJobParams &job,
              bool fromFirst, QuickPrintResult &result) {
  PrintDataSet &rows = *options.rows;
  if (fromFirst) rows.first();
  while (!rows.eof()) {
    if (!rows.currentRowPrintable()) {
      rows.next();
      continue;
    }
    if (!callPace(hooks)) {
      result.stopped = true;
      return;
    }
    callApply(hooks, rows);
    const int row = rows.currentRow();
    if (!hooks.printCopy(job)) {
      result.stopped = true;
      return;
    }
    ++result.copies;
    // The copy moves the grid on after printing; never print the same row twice if it did not.
    if (rows.currentRow() == row) rows.next();
  }
}

void printOnce(const QuickPrintOptions &options, const QuickPrintHooks &hooks, const TPrintJobParams &job,
               const LayoutStepValues &steps, QuickPrintResult &result) {
  if (!steps.useLayout) {
    if (hooks.printCopy(job))
      ++result.copies;
    else
      result.stopped = true;
    return;
  }
  if (!job.Printer->beginDocument(options.documentTitle)) {
    result.stopped = true;
    return;
  }
  ++result.sheets;
  for (int k = 0; k < steps.copiesPerSheet(); ++k) {
    const CellOutcome outcome = printCell(hooks, job, steps, k);
    if (outcome == CellOutcome::Stop) {
      result.stopped = true;
      break;
    }
    if (outcome == CellOutcome::Printed) ++result.copies;
  }
  if (job.Printer->isPrinting()) job.Printer->endDocument();
}

}  // namespace

QuickPrintResult QuickContinuousPrint(const QuickPrintOptions &options, const QuickPrintHooks &hooks) {
  QuickPrintResult result;
  TPrintJobParams job;
  std::unique_ptr<PrintTarget> printer;
  LayoutStepValues steps = LayoutSteps(options.layout, 0, 0);
  if (steps.useLayout) {
    if (hooks.openDefaultPrinter) printer = hooks.openDefaultPrinter();
    if (!printer) {
      result.noPrinter = true;
      return result;
    }
    steps = LayoutSteps(options.layout, printer->dpiX(), printer->dpiY());
    job.OwnDocument = false;
    job.Printer = printer.get();
    job.CellWidth = steps.stepX;
    job.CellHeight = steps.stepY;
  } else {
    job.OwnDocument = true;
  }

  const bool rowsOpen = options.rows && options.rows->isOpen();
  if (!options.autoPrint || !rowsOpen) {
    printOnce(options, hooks, job, steps, result);
    return result;
  }
  const bool fromFirst = !hooks.askFromFirst || hooks.askFromFirst();
  if (steps.useLayout && options.rows->rowCount() > 0)
    layoutOverRows(options, hooks, job, steps, fromFirst, result);
  else
    rowByRow(options, hooks, job, fromFirst, result);
  return result;
}

DocumentRunResult PrintIntoDocument(PrintTarget &target, PrintDataSet *rows, const LayoutStepValues &steps,
                                    const DocumentRunHooks &hooks) {
  DocumentRunResult result;
  TPrintJobParams job;
  job.OwnDocument = false;
  job.Printer = &target;
  job.CellWidth = steps.stepX;
  job.CellHeight = steps.stepY;
  const int perSheet = steps.useLayout ? steps.copiesPerSheet() : 1;
  int onSheet = 0;
  result.pages = 1;

  auto printOne = [&](int k) {
    job.CellOffsetX = steps.useLayout ? steps.cellX(k) : 0;
    job.CellOffsetY = steps.useLayout ? steps.cellY(k) : 0;
    if (!hooks.printCopy(job)) return false;
    ++result.copies;
    if (hooks.progress) hooks.progress(result.copies);
    return true;
  };

  if (!rows) {
    for (int k = 0; k < perSheet; ++k)
      if (!printOne(k)) return result.ok = false, result;
    return result;
  }
  for (rows->first(); !rows->eof(); rows->next()) {
    if (!rows->currentRowPrintable()) continue;
    if (onSheet == perSheet) {
      if (!target.newPage()) return result.ok = false, result;
      ++result.pages;
      onSheet = 0;
    }
    if (hooks.applyRow) hooks.applyRow(*rows);
    if (!printOne(onSheet)) return result.ok = false, result;
    ++onSheet;
  }
  return result;
}

}  // namespace op
