#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

#include "printing/history_store.h"
#include "printing/print_runs.h"
#include "printing/printonecopy.h"

namespace op {
class Database;
class FillInNotes;
class FillInPanel;
}  // namespace op

namespace op::app {

class TFrmMain;

// The template open on the fill-in panel as printing needs it: real paper size and offsets as the panel
// holds them (the offsets as last saved), the size the template has on the panel and its fields' print data
// objects in panel order. nullopt when no template is open.
std::optional<PrintTemplate> printTemplateOfPanel(FillInPanel &panel);

// Printing from the main window: 打印, 快速连续打印, 打印上一次的内容, 重复打印上一次内容, 历史纪录, the
// buttons of the offset row and the notes area below the catalogue tree. Installs the renderer's background
// lookup (the history's picture cache) and barcode drawer, and withdraws both when it goes. Belongs to the
// window.
class PrintWiring : public QObject {
  Q_OBJECT

 public:
  // Opens a printer for one copy: mode 0 lets the user choose, 1 takes the default printer (tests replace it).
  using PrinterOpener = std::function<std::unique_ptr<PrintTarget>(int mode, PrinterChoice &choice)>;

  PrintWiring(TFrmMain &window, Database &db, FillInPanel &panel);
  ~PrintWiring() override;

  void setPrinterOpener(PrinterOpener opener) { openPrinter_ = std::move(opener); }

  // 打印: one copy on a printer the user picks.
  bool printSingle();
  // 快速连续打印 on the default printer: one copy, or one sheet of layout copies.
  QuickPrintResult quickContinuousPrint();
  // 打印上一次的内容 / 重复打印上一次内容 from LastPrintInfo.dat on the default printer.
  bool printLast();
  bool repeatLast();
  void showHistory();
  // The offset row's "保存" and "打印布局": the open template takes the values; they are stored in its custom
  // data when the selected catalogue node is a template. True when stored.
  bool saveOffset();
  bool editLayout();

  PrintEnvironment environment();
  PrintHistoryStore &history() { return history_; }
  FillInNotes *notes() const { return notes_; }

 private:
  std::unique_ptr<PrintTarget> openDefaultPrinter();
  bool templateNodeSelected() const;
  bool storeCustomData(const QString &customData);
  bool checkPrintable(const std::optional<PrintTemplate> &tpl);

  TFrmMain &window_;
  Database &db_;
  FillInPanel &panel_;
  PrintHistoryStore history_;
  PrinterOpener openPrinter_;
  FillInNotes *notes_ = nullptr;
};

// Start-up: the print commands, the offset row's buttons and the renderer hooks. The object belongs to the
// window.
PrintWiring *wirePrinting(TFrmMain &window, Database &db, FillInPanel &panel);

}  // namespace op::app
