#include "app/print_wiring.h"

#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "barcode/barcode_print.h"
#include "core/base64.h"
#include "core/globalsettings.h"
#include "core/messagesink.h"
#include "core/shellservices.h"
#include "document/edit_panels.h"
#include "printing/auto_print_dialog.h"
#include "printing/current_operator.h"
#include "printing/history_view_dialog.h"
#include "printing/last_print_info.h"
#include "printing/page_composition.h"
#include "printing/print_range_dialog.h"
#include "printing/print_settings_dialog.h"
#include "printing/print_template.h"
#include "printing/printer_list_dialog.h"
#include "printing/renderer.h"
#include "printing/reprint_dialog.h"
#include "storage/catalogue_repository.h"
#include "storage/datafolder.h"
#include "widgets/catalogue_tree.h"
#include "widgets/fillin_notes.h"
#include "widgets/fillin_panel.h"
#include "widgets/fillin_surface.h"

namespace op::app {

namespace {

const QString kNotice = QStringLiteral("提示");

void warn(const QString &text) {
  messageSink().show(MessageIcon::Warning, kNotice, text);
}

// The notes area goes below the catalogue tree.
FillInNotes *placeNotes(TFrmMain &window) {
  QTreeWidget *tree = window.catalogueTree();
  auto *layout = qobject_cast<QBoxLayout *>(tree->parentWidget()->layout());
  auto *notes = new FillInNotes(tree->parentWidget());
  notes->setObjectName(QStringLiteral("printNotes"));
  notes->setReadOnly(true);
  if (layout) layout->insertWidget(layout->indexOf(tree) + 1, notes);
  return notes;
}

}  // namespace

std::optional<PrintTemplate> printTemplateOfPanel(FillInPanel &panel) {
  TEditPanels *document = panel.currentDocument();
  if (!document) return std::nullopt;
  PrintTemplate tpl = PrintTemplateOfDocument(*document, panel.customData());
  // What the panel holds wins over the stored text: the offsets as last saved with "保存", the size shown.
  const FillInDocumentSettings &settings = panel.documentSettings();
  tpl.RealWidth = settings.realWidth;
  tpl.RealHeight = settings.realHeight;
  tpl.PrintLeft = settings.printLeft;
  tpl.PrintTop = settings.printTop;
  tpl.RealType = settings.printRealType;
  if (const QSize shown = panel.surface()->size(); !shown.isEmpty()) {
    tpl.DesignWidth = shown.width();
    tpl.DesignHeight = shown.height();
    tpl.BackgroundSize = shown;
  }
  return tpl;
}

PrintWiring::PrintWiring(TFrmMain &window, Database &db, FillInPanel &panel)
    : QObject(&window), window_(window), db_(db), panel_(panel), history_(db) {
  openPrinter_ = [this](int mode, PrinterChoice &choice) { return OpenPrinterForCopy(mode, choice, &window_); };
  notes_ = placeNotes(window);
  PrintHistoryStore *store = &history_;
  SetBackgroundLookup([store](const QString &key) {
    try {
      return store->cachedBackground(key);
    } catch (const std::exception &) {
      return QImage();
    }
  });
  InstallBarcodeDrawer();
}

PrintWiring::~PrintWiring() {
  SetBackgroundLookup({});
  SetBarcodeDrawer({});
}

PrintEnvironment PrintWiring::environment() {
  PrintEnvironment env;
  const QScreen *screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
  if (screen) {
    env.screenDpiX = qRound(screen->logicalDotsPerInchX());
    env.screenDpiY = qRound(screen->logicalDotsPerInchY());
  }
  const GlobalSettings &global = GlobalSettings::instance();
  env.global = {global.UseGlobalOffset(), global.GlobalOffsetX(), global.GlobalOffsetY(), global.GlobalOffsetUnit()};
  const QFont font = window_.font();
  env.windowFont = ItemFont{font.family(),
                            font.pointSize() > 0 ? font.pointSize() : 9,
                            font.bold(),
                            font.italic(),
                            font.underline(),
                            font.strikeOut(),
                            0};
  env.openPrinter = openPrinter_;
  env.showMessage = [](const QString &caption, const QString &text, bool error) {
    messageSink().show(error ? MessageIcon::Error : MessageIcon::Warning, caption, text);
  };
  FillInNotes *notes = notes_;
  env.appendNotice = [notes](const QString &line) { notes->appendNote(line); };
  const DataFolder folder(window_.dataDir());
  env.saveLastPrintInfo = [notes, folder](const QByteArray &block, int left, int top) {
    QString error;
    if (!SaveLastPrintInfo(folder.lastPrintInfoPath(), folder.configIniPath(), block, left, top, &error))
      notes->appendNote(error);
  };
  PrintHistoryStore *store = &history_;
  env.storeBackground = [store](const QString &key, const QString &imageText) {
    QString error;
    if (!store->storeBackground(key, imageText, &error)) showError(error);
  };
  env.saveHistory = [store](const QString &title, const QString &historyText) {
    QString error;
    if (!store->appendHistory(title, historyText, currentOperator(), &error)) showError(error);
  };
  return env;
}

std::unique_ptr<PrintTarget> PrintWiring::openDefaultPrinter() {
  PrinterChoice choice = PrinterChoice::NoPrinters;
  auto printer = openPrinter_ ? openPrinter_(1, choice) : nullptr;
  return choice == PrinterChoice::Chosen ? std::move(printer) : nullptr;
}

bool PrintWiring::checkPrintable(const std::optional<PrintTemplate> &tpl) {
  if (!tpl) {
    warn(QStringLiteral("请先选择一个模板"));
    return false;
  }
  if (tpl->RealWidth < 1 || tpl->RealHeight < 1) {
    warn(QStringLiteral("请设置模板的真实长宽"));
    return false;
  }
  return true;
}

bool PrintWiring::printSingle() {
  const std::optional<PrintTemplate> tpl = printTemplateOfPanel(panel_);
  TPrintJobParams job;
  job.OwnDocument = true;
  return PrintOneCopy(0, job, tpl ? &*tpl : nullptr, environment());
}

QuickPrintResult PrintWiring::quickContinuousPrint() {
  const std::optional<PrintTemplate> tpl = printTemplateOfPanel(panel_);
  if (!checkPrintable(tpl)) return QuickPrintResult{0, 0, true, false};
  const PrintEnvironment env = environment();
  const FillInWindowSettings &layout = panel_.windowSettings();

  QuickPrintOptions options;
  options.layout = {layout.boUserPrintSetting, layout.printXCount, layout.printXWidth, layout.printYCount,
                    layout.printYWidth};
  options.documentTitle = tpl->Title;
  QuickPrintHooks hooks;
  hooks.printCopy = [&](const TPrintJobParams &job) { return PrintOneCopy(1, job, &*tpl, env); };
  hooks.openDefaultPrinter = [this] { return openDefaultPrinter(); };
  hooks.askFromFirst = [this] { return AskPrintFromFirst(&window_); };
  hooks.pace = [this] { return PacePrint(&window_); };
  const QuickPrintResult result = QuickContinuousPrint(options, hooks);
  if (result.noPrinter) warn(QStringLiteral("未发现打印机!"));
  return result;
}

bool PrintWiring::printLast() {
  const DataFolder folder(window_.dataDir());
  QString error;
  const auto info = ReadLastPrintInfo(folder.lastPrintInfoPath(), folder.configIniPath(), &error);
  if (!info) {
    warn(error);
    return false;
  }
  auto printer = openDefaultPrinter();
  if (!printer) {
    warn(QStringLiteral("未发现打印机!"));
    return false;
  }
  if (!PrintLastInfo(*info, *printer, &error)) {
    showError(QStringLiteral("打印失败!\r\n打印失败:\r\n") + error);
    return false;
  }
  return true;
}

bool PrintWiring::repeatLast() {
  const DataFolder folder(window_.dataDir());
  TFrmRePrintComm dialog(ReadRePrintTick(folder.configIniPath()), &window_);
  if (dialog.exec() != QDialog::Accepted) return false;
  const int copies = dialog.RP_edit1->value();
  const int interval = dialog.RP_edit2->value();
  WriteRePrintTick(folder.configIniPath(), interval);

  WaitGuard wait(QStringLiteral("打印中..."));
  QString error;
  const auto info = ReadLastPrintInfo(folder.lastPrintInfoPath(), folder.configIniPath(), &error);
  if (!info) {
    warn(error);
    return false;
  }
  if (!RepeatLastPrint(
          *info, copies, interval, [this] { return openDefaultPrinter(); }, WaitProcessingEvents, &error)) {
    if (error == QStringLiteral("未发现打印机!"))
      warn(error);
    else
      showError(QStringLiteral("打印失败!\r\n打印失败:\r\n") + error);
    return false;
  }
  return true;
}

void PrintWiring::showHistory() {
  TFrmHistoryView viewer(history_, &window_);
  viewer.exec();
}

bool PrintWiring::templateNodeSelected() const {
  const QTreeWidgetItem *current = window_.catalogueTree()->currentItem();
  return current && CatalogueTree::isTemplate(current) && !panel_.innerId().isEmpty();
}

bool PrintWiring::storeCustomData(const QString &customData) {
  panel_.setCustomData(customData);
  WaitGuard wait(QStringLiteral("保存模板设置..."));
  return SaveCustomData(db_, documentToStorageText(customData), panel_.innerId());
}

bool PrintWiring::saveOffset() {
  if (!panel_.currentDocument() || !window_.catalogueTree()->currentItem()) return false;
  const FillInOffsetRow &row = panel_.offsetRow();
  bool leftOk = false;
  bool topOk = false;
  const int left = row.left->text().trimmed().toInt(&leftOk);
  const int top = row.top->text().trimmed().toInt(&topOk);
  if (!leftOk || !topOk) {
    showError(QStringLiteral("打印偏移必须是整数!"));
    return false;
  }
  FillInDocumentSettings &settings = panel_.documentSettings();
  settings.printRealType = row.millimetres->isChecked() ? 1 : 0;
  settings.printLeft = left;
  settings.printTop = top;
  if (!templateNodeSelected()) return false;

  TemplateOffset offset = ReadTemplateOffset(panel_.customData());
  offset.PrintLeft = left;
  offset.PrintTop = top;
  offset.RealType = settings.printRealType;
  return storeCustomData(WriteTemplateOffset(panel_.customData(), offset));
}

bool PrintWiring::editLayout() {
  if (!panel_.currentDocument() || !window_.catalogueTree()->currentItem()) return false;
  FillInWindowSettings &current = panel_.windowSettings();
  LayoutSettings layout{current.boUserPrintSetting, current.printXCount, current.printXWidth, current.printYCount,
                        current.printYWidth};
  if (!EditLayoutSettings(&window_, layout)) return false;
  current.boUserPrintSetting = layout.BoUserPrintSetting;
  current.printXCount = layout.PrintXCount;
  current.printXWidth = layout.PrintXWidth;
  current.printYCount = layout.PrintYCount;
  current.printYWidth = layout.PrintYWidth;
  if (!templateNodeSelected()) return false;
  return storeCustomData(WriteLayoutSettings(panel_.customData(), layout));
}

PrintWiring *wirePrinting(TFrmMain &window, Database &db, FillInPanel &panel) {
  auto *wiring = new PrintWiring(window, db, panel);
  window.provideCommand(MainCommand::Print, [wiring] { wiring->printSingle(); });
  window.provideCommand(MainCommand::QuickPrint, [wiring] { wiring->quickContinuousPrint(); });
  window.provideCommand(MainCommand::PrintLast, [wiring] { wiring->printLast(); });
  window.provideCommand(MainCommand::RepeatLast, [wiring] { wiring->repeatLast(); });
  window.provideCommand(MainCommand::History, [wiring] { wiring->showHistory(); });

  const FillInOffsetRow &row = panel.offsetRow();
  QObject::connect(row.save, &QPushButton::clicked, wiring, [wiring] { wiring->saveOffset(); });
  QObject::connect(row.printLayout, &QPushButton::clicked, wiring, [wiring] { wiring->editLayout(); });
  QObject::connect(row.convert, &QPushButton::clicked, wiring, [&window] { ShowMmPixelConverter(&window); });
  QObject::connect(row.offsetHelp, &QPushButton::clicked, wiring, [] { ShowOffsetHelp(); });
  row.printLayout->setToolTip(QStringLiteral("设置每行、每列打印数量"));
  return wiring;
}

}  // namespace op::app
