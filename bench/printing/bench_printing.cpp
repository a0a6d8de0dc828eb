// Figures of the print path for a 60-field template: building, copying and scaling its block, and drawing
// one copy onto a 300-dpi A4 page.
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace op;

namespace {

std::vector<PrintItem> templateItems() {
  std::vector<PrintItem> items;
  for (int i = 0; i < 60; ++i) {
    PrintItem item;
    const int row = i / 3, column = i % 3;
    item.PrintRect = {20 + column * 250, 20 + row * 50, 240 + column * 250, 60 + row * 50};
    item.BaseRect = item.PrintRect;
    if (i % 10 == 8) {
      item.PrintType = kPrintLine;
      PenBlock pen;
      pen.Kind = i % 4;
      pen.PenWidth = 1;
      item.setPayload(pen.toLineBytes());
    } else if (i % 10 == 9) {
      item.PrintType = kPrintShape;
      PenBlock pen;
      pen.Kind = kShapeRoundRect;
      pen.PenWidth = 2;
      item.setPayload(pen.toShapeBytes());
    } else {
      item.FontName = QStringLiteral("宋体");
      item.FontSize = 10 + i % 5;
      item.HasTextStyle = true;
      item.TextStyle = 1 + i % 3;
      item.HasFontExt = true;
      item.FontExtValue = i % 7 == 0 ? 900 : 0;
      item.setText(QStringLiteral("收货人 %1 上海市浦东新区").arg(i));
    }
    items.push_back(item);
  }
  return items;
}

template <typename Work>
double medianMicroseconds(int runs, Work &&work) {
  std::vector<double> times;
  QElapsedTimer timer;
  for (int i = 0; i < runs; ++i) {
    timer.start();
    work();
    times.push_back(timer.nsecsElapsed() / 1000.0);
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[runs / 2];
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  const std::vector<PrintItem> items = templateItems();
  std::vector<const PrintItem *> list;
  for (const PrintItem &item : items) list.push_back(&item);

  const double block = medianMicroseconds(501, [&] {
    QByteArray built = BuildPrintBlock(list);
    QByteArray copy = CopyPrintBlock(built);
    ScalePrintBlock(copy, 3.125, 3.125);
  });
  std::printf("build + copy + scale block of 60 items: %.1f us median (goal < 50 us)\n", block);

  QByteArray scaled = CopyPrintBlock(BuildPrintBlock(list));
  ScalePrintBlock(scaled, 3.125, 3.125);
  ImageTarget page(QSize(2480, 3508), 300, 300);
  page.beginDocument(QStringLiteral("bench"));
  DrawPrintBlock(scaled, page.painter(), 0, kDrawAll, 0);  // warm the font cache
  const double draw = medianMicroseconds(21, [&] { DrawPrintBlock(scaled, page.painter(), 0, kDrawAll, 0); });
  page.endDocument();
  std::printf("draw one copy of 60 fields on a 300-dpi A4 image: %.2f ms median (goal < 10 ms)\n", draw / 1000);
  return 0;
}
