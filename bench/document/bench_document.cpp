// Reads and writes back a template document of 60 fields (30 text labels, 30 text edits), with and without
// a background picture, and prints the median and fastest times. Goal: read + write under 5 ms.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "controls/edit.h"
#include "controls/label.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

QString makeTemplate(bool withPicture) {
  op::TEditPanels document;
  document.SetTitle(QStringLiteral("发货单"));
  if (withPicture) {
    QImage background(800, 500, QImage::Format_RGB32);
    background.fill(Qt::white);
    document.setPicture(background);
  }
  for (int i = 0; i < 30; ++i) {
    auto *label = new op::TQELLabel(&document);
    label->setGeometry(QRect(20, 20 + i * 15, 100, 14));
    label->setCaption(QStringLiteral("收货人%1").arg(i));
    auto *edit = new op::TQELEdit(&document);
    edit->setGeometry(QRect(130, 20 + i * 15, 200, 14));
    edit->expr = QStringLiteral("Edit%1*2").arg(i);
  }
  return op::writeDocumentOnSkeleton(document, kSkeleton);
}

struct Figures {
  double median;
  double fastest;
};

Figures figures(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front()};
}

bool measure(const char *title, const QString &text) {
  std::vector<double> reads, writes, totals;
  for (int run = 0; run < 31; ++run) {
    QElapsedTimer timer;
    timer.start();
    auto document = op::readDocument(text);
    const double readMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    const QString again = op::writeDocumentOnSkeleton(*document, kSkeleton);
    const double writeMs = timer.nsecsElapsed() / 1e6;
    if (again != text) {
      std::fprintf(stderr, "%s: the text written back differs from the text read\n", title);
      return false;
    }
    reads.push_back(readMs);
    writes.push_back(writeMs);
    totals.push_back(readMs + writeMs);
  }
  const Figures read = figures(reads), write = figures(writes), total = figures(totals);
  std::printf("%s (%lld characters)\n", title, static_cast<long long>(text.size()));
  std::printf("  read         median %7.3f ms  fastest %7.3f ms\n", read.median, read.fastest);
  std::printf("  write        median %7.3f ms  fastest %7.3f ms\n", write.median, write.fastest);
  std::printf("  read + write median %7.3f ms  fastest %7.3f ms  (goal < 5 ms)\n", total.median, total.fastest);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  QGuiApplication app(argc, argv);
  op::registerLabelClass();
  op::registerEditClass();
  op::setDesignMode(true);
  const bool ok = measure("60 fields, no picture", makeTemplate(false)) &&
                  measure("60 fields, 800x500 background picture", makeTemplate(true));
  return ok ? 0 : 1;
}
