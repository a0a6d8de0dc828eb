#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The print record (TPrintHistoryInfo): a 158-byte header followed by a complete print block. The print
// history and the history viewer store and read it.
namespace op {

struct PrintHistoryInfo {
  static constexpr int kSize = 158;
  static constexpr int kNameCapacity = 64;

  enum Offset : int {
    kOffHeadSize = 0,
    kOffMainVer = 4,
    kOffSubVer = 6,
    kOffOPCode = 8,
    kOffOPName = 12,
    kOffTitle = 77,
    kOffBkX = 142,
    kOffBkY = 146,
    kOffOffSetx = 150,
    kOffOffSety = 152,
    kOffRecover = 154,
  };

  quint32 HeadSize = kSize;
  quint16 MainVer = 0;
  quint16 SubVer = 0;
  qint32 OPCode = 0;
  QString OPName;
  QString Title;
  float BkX = 0;
  float BkY = 0;
  // Stored as the low 16 bits of the offset used; read back as signed, so -10 stays -10.
  qint16 OffSetx = 0;
  qint16 OffSety = 0;
};

// Header followed by the first DataSize bytes of `block` (the block as it is, also a null one).
QByteArray BuildPrintRecord(const PrintHistoryInfo &info, const QByteArray &block);

struct PrintRecord {
  PrintHistoryInfo info;
  QByteArray block;  // checked: header, item count and item sizes fit
};

// Reads a record; refused (nullopt, message) when the header is short, HeadSize < 158 or past the end, or the
// block behind it is damaged. Bytes between 158 and HeadSize are skipped.
std::optional<PrintRecord> ReadPrintRecord(const QByteArray &record, QString *error = nullptr);

}  // namespace op
