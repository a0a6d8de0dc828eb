#include "printing/history_reprint.h"

#include "printing/pageunits.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

#include <QtEndian>

namespace op {

QByteArray PrepareBlockForScreen(const QByteArray &block) {
  QByteArray copy = CopyPrintBlock(block);
  const auto offsets = PrintBlockItemOffsets(copy);
  if (!offsets) return {};
  char *data = copy.data();
  for (const qsizetype offset : *offsets) {
    char *item = data + offset;
    const qint32 angle = qFromLittleEndian<qint32>(item + PrintItem::kOffFontExtValue);
    ItemRect base;
    base.Left = qFromLittleEndian<qint32>(item + PrintItem::kOffBaseRect);
    base.Top = qFromLittleEndian<qint32>(item + PrintItem::kOffBaseRect + 4);
    base.Right = qFromLittleEndian<qint32>(item + PrintItem::kOffBaseRect + 8);
    base.Bottom = qFromLittleEndian<qint32>(item + PrintItem::kOffBaseRect + 12);
    // Items without a control rectangle (the background reference) keep their own.
    if (angle < 0 || angle > 3599 || base == ItemRect{}) continue;
    qToLittleEndian<qint32>(0, item + PrintItem::kOffFontExtValue);
    qToLittleEndian<qint32>(base.Left, item + PrintItem::kOffPrintRect);
    qToLittleEndian<qint32>(base.Top, item + PrintItem::kOffPrintRect + 4);
    qToLittleEndian<qint32>(base.Right, item + PrintItem::kOffPrintRect + 8);
    qToLittleEndian<qint32>(base.Bottom, item + PrintItem::kOffPrintRect + 12);
  }
  return copy;
}

bool DrawRecordPreview(const PrintRecord &record, QPainter &painter, int x, int y) {
  const QByteArray block = PrepareBlockForScreen(record.block);
  if (block.isNull()) return false;
  return DrawPrintBlock(block, &painter, x, kDrawAll, y);
}

bool ReprintRecord(const PrintRecord &record, PrintTarget &target, int screenDpiX, int screenDpiY, QString *error) {
  QByteArray block = CopyPrintBlock(record.block);
  const double ratioX = DeviceRatio(target.dpiX(), screenDpiX);
  const double ratioY = DeviceRatio(target.dpiY(), screenDpiY);
  if (block.isNull() || !ScalePrintBlock(block, record.info.BkY * ratioY, record.info.BkX * ratioX)) {
    if (error) *error = QStringLiteral("打印记录已损坏");
    return false;
  }
  for (const int layer : {kDrawTexts, kDrawImages, kDrawBarcodes, kDrawLines, kDrawShapes})
    if (!DrawPrintBlock(block, target.painter(), record.info.OffSetx, layer, record.info.OffSety, error)) return false;
  return true;
}

}  // namespace op
