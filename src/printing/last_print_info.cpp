#include "printing/last_print_info.h"

#include "core/inifile.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <QtEndian>

namespace op {

namespace {

constexpr int kTrailer = 36;
const QString kSection = QStringLiteral("LastPrintInfo");

void setError(QString *error, const QString &text) {
  if (error) *error = text;
}

}  // namespace

bool SaveLastPrintInfo(const QString &datPath, const QString &iniPath, const QByteArray &block, int left, int top,
                       QString *error) {
  const QByteArray copy = CopyPrintBlock(block);
  if (copy.isNull()) {
    setError(error, QStringLiteral("打印数据已损坏"));
    return false;
  }
  QSaveFile file(datPath);
  if (!file.open(QIODevice::WriteOnly) || file.write(copy) != copy.size() ||
      file.write(QByteArray(kTrailer, '\0')) != kTrailer || !file.commit()) {
    setError(error, QStringLiteral("无法写入 %1: %2").arg(datPath, file.errorString()));
    return false;
  }
  IniFile ini(iniPath);
  if (!ini.writeInteger(kSection, QStringLiteral("nLeft"), left) ||
      !ini.writeInteger(kSection, QStringLiteral("nTop"), top)) {
    setError(error, QStringLiteral("无法写入 %1").arg(iniPath));
    return false;
  }
  return true;
}

std::optional<LastPrintInfo> ReadLastPrintInfo(const QString &datPath, const QString &iniPath, QString *error) {
  const QString missing = QStringLiteral("未发现上次打印的数据!");
  QFile file(datPath);
  if (!file.open(QIODevice::ReadOnly)) {
    setError(error, missing);
    return std::nullopt;
  }
  const QByteArray header = file.read(PrintInfo::kSize);
  if (header.size() < PrintInfo::kSize) {
    setError(error, missing);
    return std::nullopt;
  }
  const quint32 dataSize = qFromLittleEndian<quint32>(header.constData());
  // The size is checked against the file before anything is allocated from it.
  if (dataSize < quint32(PrintInfo::kSize) || qint64(dataSize) + kTrailer > file.size()) {
    setError(error, missing);
    return std::nullopt;
  }
  LastPrintInfo info;
  info.block = header + file.read(qint64(dataSize) - PrintInfo::kSize);
  QString reason;
  if (!PrintBlockItemOffsets(info.block, &reason)) {
    setError(error, QStringLiteral("上次打印的数据已损坏!\r\n") + reason);
    return std::nullopt;
  }
  IniFile ini(iniPath);
  info.left = ini.readInteger(kSection, QStringLiteral("nLeft"), 0);
  info.top = ini.readInteger(kSection, QStringLiteral("nTop"), 0);
  return info;
}

bool PrintLastInfo(const LastPrintInfo &info, PrintTarget &target, QString *error) {
  if (!target.beginDocument(QStringLiteral("LastPrintInfo"))) {
    setError(error, target.errorString());
    return false;
  }
  QString drawError;
  const bool drawn = DrawPrintBlock(info.block, target.painter(), info.left, kDrawAll, info.top, &drawError);
  if (!target.endDocument()) {
    setError(error, target.errorString());
    return false;
  }
  if (!drawn) setError(error, drawError);
  return drawn;
}

int RepeatPauseMs(int intervalSeconds) {
  const qint64 ms = qint64(qMax(0, intervalSeconds)) * 1000;
  return int(qMin<qint64>(ms, 60000));
}

void WaitProcessingEvents(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (true) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 left = ms - timer.elapsed();
    if (left <= 0) break;
    QThread::msleep(ulong(qMin<qint64>(left, 100)));
  }
}

bool RepeatLastPrint(const LastPrintInfo &info, int copies, int intervalSeconds,
                     const std::function<std::unique_ptr<PrintTarget>()> &openDefaultPrinter,
                     const std::function<void(int ms)> &wait, QString *error) {
  for (int i = 0; i < copies; ++i) {
    std::unique_ptr<PrintTarget> printer = openDefaultPrinter ? openDefaultPrinter() : nullptr;
    if (!printer) {
      setError(error, QStringLiteral("未发现打印机!"));
      return false;
    }
    if (!PrintLastInfo(info, *printer, error)) return false;
    if (i + 1 < copies && wait) wait(RepeatPauseMs(intervalSeconds));
  }
  return true;
}

int ReadRePrintTick(const QString &iniPath) {
  return IniFile(iniPath).readInteger(QStringLiteral("Animal"), QStringLiteral("RePrintTick"), 10);
}

bool WriteRePrintTick(const QString &iniPath, int seconds) {
  return IniFile(iniPath).writeInteger(QStringLiteral("Animal"), QStringLiteral("RePrintTick"), seconds);
}

}  // namespace op
