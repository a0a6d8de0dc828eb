// A print loop: 10,000 PDF pages, each with one Code 128 barcode and 8 texts. Prints pages per second with the
// barcode drawn by our painter, and beside it the same loop drawing libzint's barcode with QPainter.
#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

#include "barcode/qelbarcode.h"
#include "bench_common.h"

#ifdef OP_BENCH_WITH_ZINT
#include <zint.h>
#endif

namespace {

using DrawBarcode = std::function<void(QPainter &, const QRectF &, const QByteArray &)>;

const char *const kLabels[8] = {
    "收货人：张三",       "电话：13800138000", "地址：北京市海淀区中关村大街1号", "寄件人：李四", "单号：", "数量：12",
    "备注：易碎品，轻放", "日期：2024-06-01"};

void printLoop(const QList<QByteArray> &texts, const DrawBarcode &draw) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(300);
  writer.setPageSize(QPageSize(QSizeF(100, 150), QPageSize::Millimeter));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&writer);
  const double mm = 300 / 25.4;
  painter.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 10));
  for (qsizetype page = 0; page < texts.size(); ++page) {
    if (page > 0) writer.newPage();
    for (int i = 0; i < 8; ++i)
      painter.drawText(QPointF(8 * mm, (12 + 9 * i) * mm), QString::fromUtf8(kLabels[i]) + (i == 4 ? texts[page] : ""));
    draw(painter, QRectF(10 * mm, 95 * mm, 80 * mm, 30 * mm), texts[page]);
  }
}

void drawOurs(QPainter &painter, const QRectF &rect, const QByteArray &text) {
  op::TQelBarcode barcode;
  barcode.setBarCodeType(op::bcCode128B);
  barcode.setText(QString::fromLatin1(text));
  barcode.drawBarcode(painter, rect, false, true);
}

#ifdef OP_BENCH_WITH_ZINT
// libzint's symbol drawn the same way: bars as rectangles over a white background, its text centred below.
void drawZint(QPainter &painter, const QRectF &rect, const QByteArray &text) {
  zint_symbol *symbol = ZBarcode_Create();
  symbol->symbology = BARCODE_CODE128;
  ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(text.constData()), int(text.size()));
  const double module = rect.width() / symbol->width;
  const double textHeight = rect.height() / 5;
  const double barHeight = rect.height() - textHeight;
  painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), barHeight), Qt::white);
  for (int col = 0; col < symbol->width;) {
    auto isSet = [&](int c) { return (symbol->encoded_data[0][c >> 3] >> (c & 7)) & 1; };
    if (!isSet(col)) {
      ++col;
      continue;
    }
    int end = col;
    while (end < symbol->width && isSet(end)) ++end;
    painter.fillRect(QRectF(rect.left() + col * module, rect.top(), (end - col) * module, barHeight), Qt::black);
    col = end;
  }
  painter.save();
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(int(textHeight * 0.8));
  painter.setFont(font);
  painter.drawText(QRectF(rect.left(), rect.top() + barHeight, rect.width(), textHeight), Qt::AlignCenter,
                   QString::fromUtf8(reinterpret_cast<const char *>(symbol->text)));
  painter.restore();
  ZBarcode_Delete(symbol);
}
#endif

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int pages = bench::intOption(app.arguments(), "--pages", 10000);
  const int runs = bench::intOption(app.arguments(), "--runs", 3);
  const QList<QByteArray> texts = bench::sampleTexts(pages, 12);

  std::printf("PDF print loop, %d pages with one Code 128 barcode and 8 texts, median of %d runs\n", pages, runs);
  // Both loops run alternately after a short warm-up (fonts loaded), so that load on the machine hits both alike.
  const QList<QByteArray> warmUp = texts.mid(0, 50);
  printLoop(warmUp, drawOurs);
  QList<double> oursTimes, zintTimes;
  for (int run = 0; run < runs; ++run) {
    oursTimes.append(bench::medianSeconds(1, [&] { printLoop(texts, drawOurs); }));
#ifdef OP_BENCH_WITH_ZINT
    if (run == 0) printLoop(warmUp, drawZint);
    zintTimes.append(bench::medianSeconds(1, [&] { printLoop(texts, drawZint); }));
#endif
  }
  const double ours = bench::median(oursTimes);
  std::printf("  overprint painter: %8.0f pages/s\n", pages / ours);
#ifdef OP_BENCH_WITH_ZINT
  const double zint = bench::median(zintTimes);
  std::printf("  libzint bars:      %8.0f pages/s\n", pages / zint);
  std::printf("  ratio (ours / libzint): %.2f\n", zint / ours);
#else
  std::printf("  libzint not available: no comparison\n");
#endif
  return 0;
}
