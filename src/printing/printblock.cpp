#include "printing/printblock.h"

#include "core/binaryfields.h"
#include "core/datetime.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace op {

using binary::get;
using binary::put;

namespace {

void setError(QString *error, const QString &message) {
  if (error) *error = message;
}

qint32 scaled(qint32 value, double factor) {
  const double product = std::trunc(value * factor);
  if (product >= std::numeric_limits<qint32>::max()) return std::numeric_limits<qint32>::max();
  if (product <= std::numeric_limits<qint32>::min()) return std::numeric_limits<qint32>::min();
  return static_cast<qint32>(product);
}

}  // namespace

std::optional<PrintInfo> ReadPrintInfo(const QByteArray &block, QString *error) {
  if (block.size() < PrintInfo::kSize) {
    setError(error, QStringLiteral("打印数据已损坏: 数据块头不完整"));
    return std::nullopt;
  }
  const char *b = block.constData();
  PrintInfo info;
  info.DataSize = get<quint32>(b, PrintInfo::kOffDataSize);
  info.CreateDate = get<double>(b, PrintInfo::kOffCreateDate);
  info.MainVer = get<quint16>(b, PrintInfo::kOffMainVer);
  info.SubVer = get<quint16>(b, PrintInfo::kOffSubVer);
  info.ItemCount = get<quint32>(b, PrintInfo::kOffItemCount);
  if (info.DataSize < PrintInfo::kSize || info.DataSize > quint64(block.size())) {
    setError(error,
             QStringLiteral("打印数据已损坏: 数据块长度 %1 与实际长度 %2 不符").arg(info.DataSize).arg(block.size()));
    return std::nullopt;
  }
  return info;
}

std::optional<std::vector<qsizetype>> PrintBlockItemOffsets(const QByteArray &block, QString *error) {
  const auto info = ReadPrintInfo(block, error);
  if (!info) return std::nullopt;
  const qint64 end = info->DataSize;
  qint64 offset = PrintInfo::kSize + qint64(PrintInfo::kIndexEntrySize) * info->ItemCount;
  if (offset > end) {
    setError(error, QStringLiteral("打印数据已损坏: 数据项数 %1 超出数据范围").arg(info->ItemCount));
    return std::nullopt;
  }
  std::vector<qsizetype> offsets;
  offsets.reserve(info->ItemCount);
  for (quint32 i = 0; i < info->ItemCount; ++i) {
    const qint64 size = PrintItem::checkedItemSize(block.constData() + offset, end - offset, error);
    if (size < 0) return std::nullopt;
    offsets.push_back(offset);
    offset += size;
  }
  return offsets;
}

std::optional<std::vector<PrintItem>> ReadPrintBlockItems(const QByteArray &block, QString *error) {
  const auto offsets = PrintBlockItemOffsets(block, error);
  if (!offsets) return std::nullopt;
  const qsizetype end = get<quint32>(block.constData(), PrintInfo::kOffDataSize);
  std::vector<PrintItem> items;
  items.reserve(offsets->size());
  for (qsizetype offset : *offsets) {
    auto item = PrintItem::fromBytes(block.constData() + offset, end - offset, error);
    if (!item) return std::nullopt;
    items.push_back(std::move(*item));
  }
  return items;
}

QByteArray BuildPrintBlock(const std::vector<const PrintItem *> &items, const QDateTime &created) {
  qsizetype total = PrintInfo::kSize;
  quint32 count = 0;
  for (const PrintItem *item : items) {
    if (!item) continue;
    total += PrintInfo::kIndexEntrySize + item->totalSize();
    ++count;
  }
  if (count == 0) return {};
  QByteArray block(total, '\0');
  char *b = block.data();
  put<quint32>(b, PrintInfo::kOffDataSize, static_cast<quint32>(total));
  put<double>(b, PrintInfo::kOffCreateDate, toDateDouble(created));
  put<quint16>(b, PrintInfo::kOffMainVer, 1);
  put<quint16>(b, PrintInfo::kOffSubVer, 0);
  put<quint32>(b, PrintInfo::kOffItemCount, count);
  qsizetype index = PrintInfo::kSize;
  qsizetype offset = PrintInfo::kSize + qsizetype(PrintInfo::kIndexEntrySize) * count;
  for (const PrintItem *item : items) {
    if (!item) continue;
    put<quint32>(b, index, static_cast<quint32>(item->totalSize()));
    item->writeTo(b + offset);
    index += PrintInfo::kIndexEntrySize;
    offset += item->totalSize();
  }
  return block;
}

QByteArray EmptyPrintBlock(const QDateTime &created) {
  QByteArray block(PrintInfo::kSize, '\0');
  char *b = block.data();
  put<quint32>(b, PrintInfo::kOffDataSize, PrintInfo::kSize);
  put<double>(b, PrintInfo::kOffCreateDate, toDateDouble(created));
  put<quint16>(b, PrintInfo::kOffMainVer, 1);
  return block;
}

QByteArray CopyPrintBlock(const QByteArray &block) {
  if (block.isNull()) return {};
  const auto info = ReadPrintInfo(block);
  if (!info) return {};
  return QByteArray(block.constData(), info->DataSize);
}

bool ScalePrintBlock(QByteArray &block, double yFactor, double xFactor) {
  const auto offsets = PrintBlockItemOffsets(block);
  if (!offsets) return false;
  if (xFactor == 0 || yFactor == 0) return true;
  char *b = block.data();
  for (qsizetype item : *offsets) {
    const qsizetype rect = item + PrintItem::kOffPrintRect;
    put<qint32>(b, rect, scaled(get<qint32>(b, rect), xFactor));
    put<qint32>(b, rect + 4, scaled(get<qint32>(b, rect + 4), yFactor));
    put<qint32>(b, rect + 8, scaled(get<qint32>(b, rect + 8), xFactor));
    put<qint32>(b, rect + 12, scaled(get<qint32>(b, rect + 12), yFactor));
  }
  return true;
}

bool BlockHasKind(const QByteArray &block, int what) {
  const auto offsets = PrintBlockItemOffsets(block);
  if (!offsets) return false;
  const char *b = block.constData();
  for (qsizetype item : *offsets) {
    const qint32 type = get<qint32>(b, item + PrintItem::kOffPrintType);
    switch (what) {
      case kColouredText:
        if (type == kPrintText && get<qint32>(b, item + PrintItem::kOffFontColor) != 0) return true;
        break;
      case kRotatedText:
        if (type == kPrintText && b[item + PrintItem::kOffHasFontExt] != 0 &&
            get<qint32>(b, item + PrintItem::kOffFontExtValue) != 0)
          return true;
        break;
      case kStretchedImage:
        if (type == kPrintImage && b[item + PrintItem::kOffBoStretch] != 0) return true;
        break;
      default:
        return false;
    }
  }
  return false;
}

}  // namespace op
