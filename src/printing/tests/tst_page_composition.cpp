#include "core/globalsettings.h"
#include "printing/page_composition.h"

#include <QtTest>

using namespace op;

class TestPageComposition : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { GlobalSettings::instance().reset(); }

  void offsets_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("useGlobal");
    QTest::addColumn<int>("globalValue");
    QTest::addColumn<int>("globalUnit");
    QTest::addColumn<int>("expectedLeft");
    QTest::addColumn<int>("expectedOrigin");
    QTest::newRow("mm -10 at 600 dpi") << -10 << 1 << 600 << 0 << 0 << 0 << -236 << -236;
    QTest::newRow("pixels -10") << -10 << 0 << 600 << 0 << 0 << 0 << -10 << -10;
    QTest::newRow("other unit is pixels") << 7 << 2 << 600 << 0 << 0 << 0 << 7 << 7;
    QTest::newRow("global mm added") << 10 << 0 << 300 << 1 << 5 << 1 << 10 << 10 + 59;
    QTest::newRow("global pixels added") << 10 << 0 << 300 << 1 << -4 << 0 << 10 << 6;
    QTest::newRow("global disabled") << 10 << 0 << 300 << 0 << 50 << 0 << 10 << 10;
  }
  void offsets() {
    QFETCH(int, value);
    QFETCH(int, unit);
    QFETCH(int, dpi);
    QFETCH(int, useGlobal);
    QFETCH(int, globalValue);
    QFETCH(int, globalUnit);
    QFETCH(int, expectedLeft);
    QFETCH(int, expectedOrigin);
    GlobalSettings &global = GlobalSettings::instance();
    global.setUseGlobalOffset(useGlobal != 0);
    global.setGlobalOffsetX(globalValue);
    global.setGlobalOffsetY(globalValue);
    global.setGlobalOffsetUnit(globalUnit);
    TemplateOffset offset{value, value, unit, 100, 100};
    const PrintOffsetValues values = PrintOffsets(offset, global, dpi, dpi);
    QCOMPARE(values.left, expectedLeft);
    QCOMPARE(values.top, expectedLeft);
    QCOMPARE(values.originX(), expectedOrigin);
    QCOMPARE(values.originY(), expectedOrigin);
  }

  void layoutSteps_data() {
    QTest::addColumn<bool>("use");
    QTest::addColumn<int>("xCount");
    QTest::addColumn<int>("yCount");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("expectedUse");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("stepX");
    QTest::newRow("zero counts: one copy, no layout") << true << 0 << 0 << 100 << false << 1 << 1181;
    QTest::newRow("3 x 2") << true << 3 << 2 << 100 << true << 6 << 1181;
    QTest::newRow("switched off") << false << 3 << 2 << 100 << false << 6 << 1181;
    QTest::newRow("negative width counts as 1 mm") << true << 2 << 1 << -5 << true << 2 << 12;
    QTest::newRow("width 1 mm") << true << 2 << 1 << 1 << true << 2 << 12;
  }
  void layoutSteps() {
    QFETCH(bool, use);
    QFETCH(int, xCount);
    QFETCH(int, yCount);
    QFETCH(int, width);
    QFETCH(bool, expectedUse);
    QFETCH(int, copies);
    QFETCH(int, stepX);
    const LayoutStepValues steps = LayoutSteps({use, xCount, width, yCount, 50}, 300, 300);
    QCOMPARE(steps.useLayout, expectedUse);
    QCOMPARE(steps.copiesPerSheet(), copies);
    QCOMPARE(steps.stepX, stepX);
    QCOMPARE(steps.stepY, 591);
    QVERIFY(steps.stepX > 0 && steps.stepY > 0);
  }

  // The sheet fills row by row: copies 0..2 along the first row, copy 3 starts the second.
  void cellsFillRowByRow() {
    const LayoutStepValues steps = LayoutSteps({true, 3, 100, 2, 50}, 300, 300);
    const QList<QPoint> expected{{0, 0}, {1181, 0}, {2362, 0}, {0, 591}, {1181, 591}, {2362, 591}};
    for (int k = 0; k < steps.copiesPerSheet(); ++k) QCOMPARE(QPoint(steps.cellX(k), steps.cellY(k)), expected[k]);
  }

  void customDataRoundTrip() {
    const QString empty = QStringLiteral("<root/>");
    QString text = WriteTemplateOffset(empty, {-10, 25, 1, 0, 0});
    text = WriteLayoutSettings(text, {true, 3, 70, 2, 40});
    // Writing again updates the elements instead of adding second ones.
    text = WriteTemplateOffset(text, {-12, 25, 1, 0, 0});
    QCOMPARE(text.count(QStringLiteral("<PRINTLEFT")), 1);
    const TemplateOffset offset = ReadTemplateOffset(text);
    QCOMPARE(offset.PrintLeft, -12);
    QCOMPARE(offset.PrintTop, 25);
    QCOMPARE(offset.RealType, 1);
    const LayoutSettings layout = ReadLayoutSettings(text);
    QVERIFY(layout.BoUserPrintSetting);
    QCOMPARE(layout.PrintXCount, 3);
    QCOMPARE(layout.PrintXWidth, 70);
    QCOMPARE(layout.PrintYCount, 2);
    QCOMPARE(layout.PrintYWidth, 40);
  }

  void converterText() {
    QCOMPARE(MmPixelConversionText(300, 600),
             QStringLiteral("水平(左右)方向 1毫米=12像素\r\n垂直(上下)方向 1毫米=24像素"));
  }
};

QTEST_GUILESS_MAIN(TestPageComposition)
#include "tst_page_composition.moc"
