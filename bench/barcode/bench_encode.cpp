// Encodes 10,000 Code 128 texts of 12 characters and prints codes per second, beside the same texts
// encoded by libzint in the same run.
#include <QCoreApplication>

#include <cstdio>

#include "barcode/barcode_encoder.h"
#include "bench_common.h"

#ifdef OP_BENCH_WITH_ZINT
#include <zint.h>
#endif

namespace {

volatile qsizetype sink = 0;

void encodeOurs(const QList<QString> &texts) {
  for (const QString &text : texts) sink = sink + op::encodeBarcode(op::bcCode128B, text).pattern.size();
}

#ifdef OP_BENCH_WITH_ZINT
void encodeZint(const QList<QByteArray> &texts) {
  zint_symbol *symbol = ZBarcode_Create();
  for (const QByteArray &text : texts) {
    ZBarcode_Clear(symbol);
    symbol->symbology = BARCODE_CODE128;
    ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(text.constData()), int(text.size()));
    sink = sink + symbol->width;
  }
  ZBarcode_Delete(symbol);
}
#endif

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const int count = bench::intOption(app.arguments(), "--count", 10000);
  const int runs = bench::intOption(app.arguments(), "--runs", 7);
  const QList<QByteArray> bytes = bench::sampleTexts(count, 12);
  QList<QString> texts;
  for (const QByteArray &b : bytes) texts.append(QString::fromLatin1(b));

  const double ours = bench::medianSeconds(runs, [&] { encodeOurs(texts); });
  std::printf("Code 128 encoding, %d texts of 12 characters, median of %d runs\n", count, runs);
  std::printf("  overprint encoder: %10.0f codes/s\n", count / ours);
#ifdef OP_BENCH_WITH_ZINT
  const double zint = bench::medianSeconds(runs, [&] { encodeZint(bytes); });
  std::printf("  libzint:           %10.0f codes/s\n", count / zint);
  std::printf("  ratio (ours / libzint): %.2f\n", zint / ours);
#else
  std::printf("  libzint not available: no comparison\n");
#endif
  return 0;
}
