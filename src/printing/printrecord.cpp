#include "printing/printrecord.h"

#include "core/binaryfields.h"
#include "printing/printblock.h"

#include <cstring>

namespace op {

using binary::get;
using binary::put;

QByteArray BuildPrintRecord(const PrintHistoryInfo &info, const QByteArray &block) {
  const auto blockInfo = ReadPrintInfo(block);
  const qsizetype blockSize = blockInfo ? qsizetype(blockInfo->DataSize) : block.size();
  QByteArray record(PrintHistoryInfo::kSize + blockSize, '\0');
  char *b = record.data();
  put<quint32>(b, PrintHistoryInfo::kOffHeadSize, PrintHistoryInfo::kSize);
  put<quint16>(b, PrintHistoryInfo::kOffMainVer, info.MainVer);
  put<quint16>(b, PrintHistoryInfo::kOffSubVer, info.SubVer);
  put<qint32>(b, PrintHistoryInfo::kOffOPCode, info.OPCode);
  binary::putShortString(b, PrintHistoryInfo::kOffOPName, PrintHistoryInfo::kNameCapacity, info.OPName);
  binary::putShortString(b, PrintHistoryInfo::kOffTitle, PrintHistoryInfo::kNameCapacity, info.Title);
  put<float>(b, PrintHistoryInfo::kOffBkX, info.BkX);
  put<float>(b, PrintHistoryInfo::kOffBkY, info.BkY);
  put<qint16>(b, PrintHistoryInfo::kOffOffSetx, info.OffSetx);
  put<qint16>(b, PrintHistoryInfo::kOffOffSety, info.OffSety);
  if (blockSize > 0) std::memcpy(b + PrintHistoryInfo::kSize, block.constData(), blockSize);
  return record;
}

std::optional<PrintRecord> ReadPrintRecord(const QByteArray &record, QString *error) {
  if (record.size() < PrintHistoryInfo::kSize) {
    if (error) *error = QStringLiteral("打印记录已损坏: 记录头不完整");
    return std::nullopt;
  }
  const char *b = record.constData();
  PrintRecord result;
  PrintHistoryInfo &info = result.info;
  info.HeadSize = get<quint32>(b, PrintHistoryInfo::kOffHeadSize);
  if (info.HeadSize < PrintHistoryInfo::kSize || info.HeadSize > quint64(record.size())) {
    if (error) *error = QStringLiteral("打印记录已损坏: 记录头长度 %1 无效").arg(info.HeadSize);
    return std::nullopt;
  }
  info.MainVer = get<quint16>(b, PrintHistoryInfo::kOffMainVer);
  info.SubVer = get<quint16>(b, PrintHistoryInfo::kOffSubVer);
  info.OPCode = get<qint32>(b, PrintHistoryInfo::kOffOPCode);
  info.OPName = binary::getShortString(b, PrintHistoryInfo::kOffOPName, PrintHistoryInfo::kNameCapacity);
  info.Title = binary::getShortString(b, PrintHistoryInfo::kOffTitle, PrintHistoryInfo::kNameCapacity);
  info.BkX = get<float>(b, PrintHistoryInfo::kOffBkX);
  info.BkY = get<float>(b, PrintHistoryInfo::kOffBkY);
  info.OffSetx = get<qint16>(b, PrintHistoryInfo::kOffOffSetx);
  info.OffSety = get<qint16>(b, PrintHistoryInfo::kOffOffSety);
  result.block = record.mid(info.HeadSize);
  if (!PrintBlockItemOffsets(result.block, error)) return std::nullopt;
  result.block = CopyPrintBlock(result.block);
  return result;
}

}  // namespace op
