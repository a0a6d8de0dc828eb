#include "printing/printonecopy.h"

#include "core/base64.h"
#include "core/ids.h"
#include "printing/pageunits.h"
#include "printing/printblock.h"
#include "printing/printrecord.h"
#include "printing/renderer.h"

#include <stdexcept>

namespace op {

namespace {

const QString kNotice = QStringLiteral("提示");

void message(const PrintEnvironment &env, const QString &text, bool error = false) {
  if (env.showMessage) env.showMessage(error ? QStringLiteral("错误") : kNotice, text, error);
}

// Runs an optional step whose failure must not stop the print.
template <typename Step>
void optionalStep(Step &&step) {
  try {
    step();
  } catch (const std::exception &) {
  }
}

struct Origin {
  int left = 0;  // template offset plus the global offset
  int top = 0;
};

Origin printOrigin(const PrintTemplate &tpl, const GlobalOffsetSettings &global, const PrintTarget &printer) {
  Origin origin;
  origin.left = OffsetToDevicePixels(tpl.PrintLeft, tpl.RealType, printer.dpiX());
  origin.top = OffsetToDevicePixels(tpl.PrintTop, tpl.RealType, printer.dpiY());
  if (global.UseGlobalOffset) {
    origin.left += OffsetToDevicePixels(global.GlobalOffsetX, global.GlobalOffsetUnit, printer.dpiX());
    origin.top += OffsetToDevicePixels(global.GlobalOffsetY, global.GlobalOffsetUnit, printer.dpiY());
  }
  return origin;
}

std::vector<std::unique_ptr<PrintItem>> collectItems(const PrintTemplate &tpl) {
  std::vector<std::unique_ptr<PrintItem>> items;
  for (IQELPrintData *source : tpl.Sources) {
    if (!source) break;
    const int count = source->GetPrintDataCount();
    for (int i = 0; i < count; ++i)
      if (auto item = source->GetPrinteData(i)) items.push_back(std::move(item));
  }
  return items;
}

std::vector<const PrintItem *> pointers(const std::vector<std::unique_ptr<PrintItem>> &items) {
  std::vector<const PrintItem *> list;
  list.reserve(items.size());
  for (const auto &item : items) list.push_back(item.get());
  return list;
}

// An empty item list still makes a block: header only, no items.
QByteArray blockOf(const std::vector<std::unique_ptr<PrintItem>> &items) {
  const QByteArray block = BuildPrintBlock(pointers(items));
  return block.isNull() ? EmptyPrintBlock() : block;
}

// Opens the printer of the job, or reports why there is none. `owned` receives a printer opened here.
PrintTarget *jobPrinter(int mode, const TPrintJobParams &job, const PrintEnvironment &env,
                        std::unique_ptr<PrintTarget> &owned, bool &cancelled) {
  if (!job.OwnDocument) return job.Printer;
  PrinterChoice choice = PrinterChoice::NoPrinters;
  if (env.openPrinter) owned = env.openPrinter(mode, choice);
  switch (choice) {
    case PrinterChoice::NoPrinters:
      message(env, QStringLiteral("未发现打印机!"));
      return nullptr;
    case PrinterChoice::Cancelled:
      cancelled = true;
      return nullptr;
    case PrinterChoice::NoneSelected:
      message(env, QStringLiteral("请选择打印机"));
      return nullptr;
    case PrinterChoice::Chosen:
      if (!owned) message(env, QStringLiteral("请选择打印机"));
      return owned.get();
  }
  return nullptr;
}

bool printCopy(const TPrintJobParams &job, const PrintTemplate &tpl, const PrintEnvironment &env, PrintTarget &printer,
               PrintCopyOutput &out) {
  if (job.OwnDocument && !printer.beginDocument(tpl.Title))
    throw std::runtime_error(printer.errorString().toStdString());
  const Origin origin = printOrigin(tpl, env.global, printer);

  const double bkX = DesignScale(tpl.RealWidth, env.screenDpiX, tpl.DesignWidth);
  const double bkY = DesignScale(tpl.RealHeight, env.screenDpiY, tpl.DesignHeight);
  const double ratioX = DeviceRatio(printer.dpiX(), env.screenDpiX);
  const double ratioY = DeviceRatio(printer.dpiY(), env.screenDpiY);

  std::vector<std::unique_ptr<PrintItem>> items = collectItems(tpl);
  out.scaledBlock = CopyPrintBlock(blockOf(items));
  ScalePrintBlock(out.scaledBlock, ratioY * bkY, ratioX * bkX);

  if (env.appendNotice) {
    if (BlockHasKind(out.scaledBlock, kColouredText))
      env.appendNotice(QStringLiteral("打印数据中有彩色文字，打印机可能不支持此功能而无打印结果"));
    if (BlockHasKind(out.scaledBlock, kStretchedImage))
      env.appendNotice(QStringLiteral("打印数据中有缩放格式的图片，打印机可能不支持此功能而无打印结果"));
  }

  const int cellX = job.OwnDocument ? 0 : job.CellOffsetX;
  const int cellY = job.OwnDocument ? 0 : job.CellOffsetY;
  out.originX = origin.left + cellX;
  out.originY = origin.top + cellY;
  QString error;
  if (!DrawPrintBlock(out.scaledBlock, printer.painter(), out.originX, kDrawAll, out.originY, &error))
    throw std::runtime_error(error.toStdString());

  if (env.saveLastPrintInfo) optionalStep([&] { env.saveLastPrintInfo(out.scaledBlock, origin.left, origin.top); });
  if (job.OwnDocument && !printer.endDocument()) throw std::runtime_error(printer.errorString().toStdString());

  const QString key = md5Hex(tpl.BackgroundText.toLatin1());
  if (env.storeBackground && !tpl.BackgroundText.isEmpty())
    optionalStep([&] { env.storeBackground(key, tpl.BackgroundText); });

  const PrintItem background = BackgroundItem(key, tpl.BackgroundSize, env.windowFont);
  std::vector<const PrintItem *> recordItems{&background};
  for (const auto &item : items) recordItems.push_back(item.get());
  PrintHistoryInfo info;
  info.Title = tpl.Title;
  info.BkX = static_cast<float>(bkX);
  info.BkY = static_cast<float>(bkY);
  info.OffSetx = static_cast<qint16>(static_cast<quint16>(out.originX));
  info.OffSety = static_cast<qint16>(static_cast<quint16>(out.originY));
  out.record = BuildPrintRecord(info, BuildPrintBlock(recordItems));
  if (env.saveHistory) {
    const QString text = QString::fromLatin1(base64::encode(out.record, base64::Slash::Keep));
    optionalStep([&] { env.saveHistory(tpl.Title, text); });
  }
  return true;
}

}  // namespace

PrintItem BackgroundItem(const QString &key, const QSize &size, const ItemFont &windowFont) {
  PrintItem item;
  FillItemHeader(item, &windowFont);
  item.HasFontExt = false;
  item.FontExtValue = 0;
  item.PrintType = kPrintBackground;
  item.PrintRect = {0, 0, size.width(), size.height()};
  item.setBackgroundKey(key);
  return item;
}

bool PrintOneCopy(int mode, const TPrintJobParams &job, const PrintTemplate *tpl, const PrintEnvironment &env,
                  PrintCopyOutput *output) {
  if (!tpl) {
    message(env, QStringLiteral("请先选择一个模板"));
    return false;
  }
  if (tpl->RealWidth < 1 || tpl->RealHeight < 1) {
    message(env, QStringLiteral("请设置模板的真实长宽"));
    return false;
  }
  std::unique_ptr<PrintTarget> owned;
  bool cancelled = false;
  PrintTarget *printer = jobPrinter(mode, job, env, owned, cancelled);
  if (cancelled) return true;
  if (!printer) return false;

  PrintCopyOutput local;
  PrintCopyOutput &out = output ? *output : local;
  try {
    printCopy(job, *tpl, env, *printer, out);
  } catch (const std::exception &e) {
    if (job.OwnDocument && printer->isPrinting()) printer->endDocument();
    message(env, QStringLiteral("打印失败!\r\n打印失败:\r\n") + QString::fromStdString(e.what()), true);
    return false;
  }
  if (job.OwnDocument && env.advanceDataGrid) optionalStep(env.advanceDataGrid);
  return true;
}

}  // namespace op
