// Storage figures: the storage text form of 8 MiB each way, and an 8 MiB stored text written, committed
// and read back on a copy of the shipped database. Medians of several runs.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/base64.h"
#include "storage/database.h"

namespace {

constexpr int Runs = 5;
constexpr qsizetype Size = 8 * 1024 * 1024;

double medianMs(const std::function<void()> &work) {
  std::vector<double> times;
  for (int i = 0; i < Runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

QByteArray sampleBytes() {
  QByteArray bytes(Size, '\0');
  quint32 state = 12345;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    bytes[i] = char(state >> 24);
  }
  return bytes;
}

double megabytesPerSecond(qsizetype bytes, double ms) {
  return double(bytes) / (1024.0 * 1024.0) / (ms / 1000.0);
}

void textForm(const QByteArray &bytes) {
  QString text;
  const double encodeMs = medianMs([&] { text = op::toStorageText(bytes); });
  QByteArray back;
  const double decodeMs = medianMs([&] { back = op::fromStorageText(text); });
  std::printf("storage text form, 8 MiB: encode %.0f MB/s (%.1f ms), decode %.0f MB/s (%.1f ms)%s\n",
              megabytesPerSecond(Size, encodeMs), encodeMs, megabytesPerSecond(Size, decodeMs), decodeMs,
              back == bytes ? "" : "  [MISMATCH]");
}

void blobRoundTrip(const QByteArray &bytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("QEL_DATA3.FDB");
  if (!QFile::copy(OP_SHIPPED_DB, path)) {
    std::printf("blob round trip: shipped database missing (%s)\n", OP_SHIPPED_DB);
    return;
  }
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  auto db = op::OpenDatabase(path);
  // 6 MiB of bytes make a stored text of a little over 8 MiB.
  const QString text = op::toStorageText(bytes.left(6 * 1024 * 1024));
  int round = 0;
  QString readBack;
  double writeTotal = 0;
  const double totalMs = medianMs([&] {
    const QString id = QStringLiteral("BENCH%1").arg(++round);
    QElapsedTimer timer;
    timer.start();
    db->ExecWithText(db->shared(0),
                     "insert into PP_PrintDataChache (ID, innerid, md5, ChacheData) values "
                     "(GEN_ID(GEN_PP_PRINTDATACHACHE_ID, 1), :id, '', :Blob)",
                     text, true, "Blob", {{"id", id}});
    writeTotal += double(timer.nsecsElapsed()) / 1e6;
    op::Statement &q = db->shared(1);
    q.setSql("select ChacheData from PP_PrintDataChache where innerid = :id");
    q.bind("id", id);
    q.open();
    if (q.next()) readBack = q.text("ChacheData");
    q.close();
  });
  std::printf("stored text of %.1f MiB written, committed and read back: %.0f ms (write+commit about %.0f ms)%s\n",
              double(text.size()) / (1024.0 * 1024.0), totalMs, writeTotal / Runs,
              readBack == text ? "" : "  [MISMATCH]");
}

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const QByteArray bytes = sampleBytes();
  textForm(bytes);
  try {
    blobRoundTrip(bytes);
  } catch (const op::DbError &error) {
    std::printf("blob round trip failed: %s\n", error.message().toUtf8().constData());
  }
  return 0;
}
