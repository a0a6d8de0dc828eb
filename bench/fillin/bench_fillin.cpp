// Opens a template of 60 fields (30 labels, 30 edits) over a 2-megapixel background in the fill-in panel,
// then paints it once, and prints the median and fastest times. Goal: opening under 40 ms.
// With --grab FILE it also fills a few fields and saves the panel as a picture.

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../../src/widgets/tests/fillin_testdoc.h"
#include "controls/edit.h"
#include "widgets/fillin_panel.h"
#include "widgets/fillin_surface.h"

namespace {

// A form of 30 captions and 30 edits, half of them numeric, over ruled boxes.
QString makeTemplate() {
  QList<fillintest::LabelSpec> labels;
  QList<fillintest::EditSpec> edits;
  for (int i = 0; i < 30; ++i) {
    labels.append({QStringLiteral("收货人%1").arg(i), QRect(40, 30 + i * 36, 100, 24), 1 + i % 3});
    edits.append({QStringLiteral("Edit%1").arg(i), QRect(150, 30 + i * 36, 260, 24), i % 2 == 0});
  }
  return fillintest::templateText(QSize(1732, 1155), labels, edits);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  const QString document = makeTemplate();
  const QString custom = fillintest::customData({{"REALWIDTH", "220"}, {"REALHEIGHT", "147"}, {"PRINTLEFT", "-10"}});

  op::FillInPanel panel;
  panel.resize(1280, 800);
  panel.show();
  std::vector<double> open, paint;
  for (int run = 0; run < 15; ++run) {
    QElapsedTimer timer;
    timer.start();
    panel.openTemplateText(document, custom, QStringLiteral("BENCH"), QStringLiteral("发货单"));
    open.push_back(timer.nsecsElapsed() / 1e6);
    timer.restart();
    QImage image(panel.surface()->size(), QImage::Format_RGB32);
    panel.surface()->render(&image);
    paint.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::printf("fill-in open, 60 fields, %dx%d background (%lld KiB document): median %.2f ms, fastest %.2f ms\n",
              panel.surface()->width(), panel.surface()->height(), static_cast<long long>(document.size() / 1024),
              median(open), *std::min_element(open.begin(), open.end()));
  std::printf("first paint of the opened template: median %.2f ms, fastest %.2f ms\n", median(paint),
              *std::min_element(paint.begin(), paint.end()));
  const int grab = app.arguments().indexOf(QStringLiteral("--grab"));
  if (grab > 0 && grab + 1 < app.arguments().size()) {
    const QStringList values{QStringLiteral("北京市海淀区中关村大街1号"), QStringLiteral("128.50"),
                             QStringLiteral("李明 13800000000")};
    int n = 0;
    for (op::QelField *field : panel.fields())
      if (auto *edit = qobject_cast<op::TPCostomEdit *>(field)) edit->setText(values[n++ % values.size()]);
    panel.grab().save(app.arguments()[grab + 1]);
  }
  return 0;
}
