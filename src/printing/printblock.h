#pragma once

#include "document/printitem.h"

#include <QByteArray>
#include <QDateTime>

#include <functional>
#include <optional>
#include <vector>

// The print block (TPrintInfo): a 36-byte header, an index of 36 bytes per item and the items back to back.
// A block is held in a QByteArray; a null array stands for "no block".
namespace op {

struct PrintInfo {
  static constexpr int kSize = 36;
  static constexpr int kIndexEntrySize = 36;

  enum Offset : int { kOffDataSize = 0, kOffCreateDate = 4, kOffMainVer = 12, kOffSubVer = 14, kOffItemCount = 16 };

  quint32 DataSize = kSize;
  double CreateDate = 0;
  quint16 MainVer = 1;
  quint16 SubVer = 0;
  quint32 ItemCount = 0;
};

// The header of a block; refused when the block is shorter than its header or than DataSize says.
std::optional<PrintInfo> ReadPrintInfo(const QByteArray &block, QString *error = nullptr);

// Offsets of the items of a block, checked: DataSize within the bytes, index and every item (HeadSize >= 213,
// payload) inside DataSize, and exactly ItemCount items. Refused (nullopt and a message) otherwise.
std::optional<std::vector<qsizetype>> PrintBlockItemOffsets(const QByteArray &block, QString *error = nullptr);

// Every item of a checked block, in block order.
std::optional<std::vector<PrintItem>> ReadPrintBlockItems(const QByteArray &block, QString *error = nullptr);

// A new block holding copies of the items (null entries skipped); a null array for an empty list.
QByteArray BuildPrintBlock(const std::vector<const PrintItem *> &items,
                           const QDateTime &created = QDateTime::currentDateTime());
// A block of no items: the 36-byte header with ItemCount 0.
QByteArray EmptyPrintBlock(const QDateTime &created = QDateTime::currentDateTime());
// The first DataSize bytes of the block; null for a null or damaged block.
QByteArray CopyPrintBlock(const QByteArray &block);
// Multiplies Left/Right of every PrintRect by xFactor and Top/Bottom by yFactor, truncating toward zero;
// with either factor 0 nothing is scaled. False (block unchanged) for a damaged block.
bool ScalePrintBlock(QByteArray &block, double yFactor, double xFactor);

enum BlockKindQuery {
  kColouredText = 0,   // a text item with a non-zero FontColor
  kRotatedText = 1,    // a text item with HasFontExt and a non-zero FontExtValue
  kStretchedImage = 2  // an image item with BoStretch
};
bool BlockHasKind(const QByteArray &block, int what);

}  // namespace op
