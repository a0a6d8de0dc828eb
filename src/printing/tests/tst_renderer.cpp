#include "core/base64.h"
#include "inkbox.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace op;

namespace {

const QString kText = QStringLiteral("HEH 141");

PrintItem textItem(ItemRect rect, int angle, int textStyle, int vertStyle) {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 24;
  item.PrintRect = rect;
  item.HasFontExt = angle != 0;
  item.FontExtValue = angle;
  item.HasTextStyle = textStyle != 0;
  item.TextStyle = textStyle;
  item.HasTextHorzStyle = vertStyle >= 0;
  item.TextHorzStyleValue = vertStyle;
  item.setText(kText);
  return item;
}

PrintItem penItem(int type, ItemRect rect, int kind, int width, bool fill = false) {
  PrintItem item;
  item.PrintType = type;
  item.PrintRect = rect;
  PenBlock pen;
  pen.Kind = kind;
  pen.PenWidth = width;
  pen.PenColor = 0x0000FF;  // red
  pen.FullFill = fill;
  item.setPayload(type == kPrintLine ? pen.toLineBytes() : pen.toShapeBytes());
  return item;
}

// Start of an extent of `size` anchored at "L"eft/"T"op, "C"entre or "R"ight/"B"ottom of [low, high].
int anchored(QChar anchor, int low, int high, int size) {
  if (anchor == u'L' || anchor == u'T') return low;
  if (anchor == u'R' || anchor == u'B') return high - size;
  return low + (high - low - size) / 2;
}

// The rectangle the text's ink must lie in: the text cell (advance × height, turned for quarter turns)
// anchored in the item's rectangle as each row states.
QRect expectedCell(const PrintItem &item, int dpiY, const QString &anchors) {
  QImage probe(1, 1, QImage::Format_RGB32);
  probe.setDotsPerMeterY(qRound(dpiY / 0.0254));
  probe.setDotsPerMeterX(qRound(dpiY / 0.0254));
  const QFontMetrics metrics(PrintItemFont(item, dpiY), &probe);
  const int along = metrics.horizontalAdvance(kText), across = metrics.height();
  const bool quarter = (item.FontExtValue / 900) % 2 == 1;
  const int w = quarter ? across : along, h = quarter ? along : across;
  const ItemRect &r = item.PrintRect;
  return QRect(anchored(anchors[0], r.Left, r.Right, w), anchored(anchors[1], r.Top, r.Bottom, h), w, h);
}

void verifyInkInCell(const QImage &page, const QRect &cell) {
  const QRect ink = inkBox(page);
  QVERIFY2(!ink.isNull(), "nothing drawn");
  const QRect allowed = cell.adjusted(-1, -1, 1, 1);
  QVERIFY2(allowed.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside cell %5,%6 %7x%8")
                                                 .arg(ink.x())
                                                 .arg(ink.y())
                                                 .arg(ink.width())
                                                 .arg(ink.height())
                                                 .arg(cell.x())
                                                 .arg(cell.y())
                                                 .arg(cell.width())
                                                 .arg(cell.height())));
  // The ink fills the cell along the writing direction, so a misplaced text cannot hide in a large cell.
  const bool vertical = cell.height() > cell.width();
  const double filled = vertical ? double(ink.height()) / cell.height() : double(ink.width()) / cell.width();
  QVERIFY2(filled > 0.8, qPrintable(QStringLiteral("ink fills %1 of the cell").arg(filled)));
}

QImage render(const std::vector<const PrintItem *> &items, int x = 0, int y = 0, int filter = kDrawAll, int dpiX = 300,
              int dpiY = 300) {
  ImageTarget target(QSize(1800, 1800), dpiX, dpiY);
  target.beginDocument({});
  DrawPrintBlock(BuildPrintBlock(items), target.painter(), x, filter, y);
  target.endDocument();
  return target.image();
}

}  // namespace

class TestRenderer : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    SetBackgroundLookup({});
    SetBarcodeDrawer({});
  }

  void textPlacement_data() {
    QTest::addColumn<ItemRect>("rect");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("textStyle");
    QTest::addColumn<int>("vertStyle");  // -1: no vertical alignment
    QTest::addColumn<QString>("anchors");
    const ItemRect wide{300, 400, 1500, 700}, square{400, 400, 1400, 1400}, narrow{800, 400, 1000, 700};
    QTest::newRow("left, no vertical style: top") << wide << 0 << 1 << -1 << "LT";
    QTest::newRow("no horizontal style: left") << wide << 0 << 0 << 1 << "LT";
    QTest::newRow("centre middle") << wide << 0 << 2 << 2 << "CM";
    QTest::newRow("right bottom") << wide << 0 << 3 << 3 << "RB";
    QTest::newRow("vertical 0 is bottom") << wide << 0 << 1 << 0 << "LB";
    QTest::newRow("centre wider than rect") << narrow << 0 << 2 << 1 << "CT";
    QTest::newRow("900 left starts at bottom") << square << 900 << 1 << 1 << "LB";
    QTest::newRow("900 ignores vertical style") << square << 900 << 1 << 2 << "LB";
    QTest::newRow("2700 left top") << square << 2700 << 1 << 1 << "RT";
    QTest::newRow("2700 ignores vertical style") << square << 2700 << 1 << 3 << "RT";
    QTest::newRow("1800 mirrors left top") << wide << 1800 << 1 << 1 << "RB";
    QTest::newRow("1800 mirrors right bottom") << wide << 1800 << 3 << 3 << "LT";
  }
  void textPlacement() {
    QFETCH(ItemRect, rect);
    QFETCH(int, angle);
    QFETCH(int, textStyle);
    QFETCH(int, vertStyle);
    QFETCH(QString, anchors);
    const PrintItem item = textItem(rect, angle, textStyle, vertStyle);
    const QImage page = render({&item});
    verifyInkInCell(page, expectedCell(item, 300, anchors));
  }

  void textOffsetAndColour() {
    PrintItem item = textItem({100, 100, 1000, 300}, 0, 1, 1);
    item.FontColor = 0x0000FF;
    const QImage page = render({&item}, 50, -20);
    const QRect ink = inkBox(page);
    verifyInkInCell(page, expectedCell(item, 300, "LT").translated(50, -20));
    bool red = false;
    for (int x = ink.left(); x <= ink.right() && !red; ++x) {
      const QRgb p = page.pixel(x, ink.center().y());
      red = qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
    }
    QVERIFY(red);
  }

  void fontSizeFollowsVerticalResolution() {
    const PrintItem item = textItem({0, 0, 1700, 1700}, 0, 1, 1);
    const QRect at300 = inkBox(render({&item}, 0, 0, kDrawAll, 300, 300));
    const QRect at600y = inkBox(render({&item}, 0, 0, kDrawAll, 300, 600));
    QVERIFY(qAbs(at600y.height() - 2 * at300.height()) <= 2);
  }

  void styleFlagsApplyToRotatedText() {
    PrintItem plain = textItem({400, 400, 1400, 1400}, 900, 1, 1);
    PrintItem bold = plain;
    bold.FontBlod = true;
    auto inkCount = [](const QImage &page) {
      qint64 count = 0;
      for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) count += qGray(page.pixel(x, y)) < 128;
      return count;
    };
    QVERIFY(inkCount(render({&bold})) > inkCount(render({&plain})) * 1.15);
  }

  void realPdfTextPlacement() {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const PrintItem left = textItem({300, 300, 1500, 600}, 0, 3, 2);
    const PrintItem turned = textItem({300, 1000, 1300, 2000}, 900, 1, 1);
    PdfTarget target(pdf, 300);
    QVERIFY(target.beginDocument(QStringLiteral("test")));
    QVERIFY(DrawPrintBlock(BuildPrintBlock({&left, &turned}), target.painter(), 0, kDrawAll, 0));
    QVERIFY(target.endDocument());
    QCOMPARE(QProcess::execute(pdftoppm, {"-r", "300", "-png", "-singlefile", pdf, dir.filePath("page")}), 0);
    QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    page = page.convertToFormat(QImage::Format_RGB32);
    verifyInkInCell(page.copy(0, 0, page.width(), 800), expectedCell(left, 300, "RM"));
    QImage lower = page.copy(0, 800, page.width(), 1400);
    QImage shifted(page.size(), QImage::Format_RGB32);
    shifted.fill(Qt::white);
    QPainter(&shifted).drawImage(0, 800, lower);
    verifyInkInCell(shifted, expectedCell(turned, 300, "LB"));
  }

  void lines_data() {
    QTest::addColumn<int>("lineType");
    QTest::addColumn<QRect>("span");  // the ideal line's box; the last pixel may be left out
    QTest::addColumn<QPoint>("onLine");
    QTest::newRow("horizontal") << 0 << QRect(QPoint(100, 120), QPoint(200, 120)) << QPoint(150, 120);
    QTest::newRow("vertical") << 1 << QRect(QPoint(150, 100), QPoint(150, 140)) << QPoint(150, 130);
    QTest::newRow("rising") << 2 << QRect(QPoint(100, 100), QPoint(200, 140)) << QPoint(198, 101);
    QTest::newRow("falling") << 3 << QRect(QPoint(100, 100), QPoint(200, 140)) << QPoint(102, 101);
    QTest::newRow("unknown type") << 4 << QRect() << QPoint(-1, -1);
  }
  void lines() {
    QFETCH(int, lineType);
    QFETCH(QRect, span);
    QFETCH(QPoint, onLine);
    const PrintItem line = penItem(kPrintLine, {100, 100, 200, 140}, lineType, 1);
    const QImage page = render({&line});
    const QRect ink = inkBox(page);
    if (span.isNull()) {
      QVERIFY(ink.isNull());
      return;
    }
    QVERIFY(span.contains(ink));
    QVERIFY(ink.width() >= span.width() - 1 && ink.height() >= span.height() - 1);
    QVERIFY(!inkBox(page, QRect(onLine - QPoint(1, 1), QSize(3, 3))).isNull());
  }

  void lineWithRightBeforeLeftHasNoWidth() {
    const PrintItem line = penItem(kPrintLine, {200, 100, 100, 140}, 1, 1);
    const QRect ink = inkBox(render({&line}));
    QCOMPARE(ink.left(), 200);
    QCOMPARE(ink.right(), 200);
  }

  void shapes_data() {
    QTest::addColumn<int>("shapeType");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QRect>("ink");
    QTest::newRow("rectangle") << int(kShapeRectangle) << 1 << false << QRect(100, 100, 100, 60);
    QTest::newRow("square centred") << int(kShapeSquare) << 1 << false << QRect(120, 100, 60, 60);
    QTest::newRow("circle centred") << int(kShapeCircle) << 1 << true << QRect(120, 100, 60, 60);
    QTest::newRow("rectangle pen 0") << int(kShapeRectangle) << 0 << false << QRect(100, 100, 100, 60);
    QTest::newRow("thick rectangle") << int(kShapeRectangle) << 10 << false << QRect(100, 100, 100, 60);
    QTest::newRow("rounded") << int(kShapeRoundRect) << 1 << true << QRect(100, 100, 100, 60);
  }
  void shapes() {
    QFETCH(int, shapeType);
    QFETCH(int, penWidth);
    QFETCH(bool, fill);
    QFETCH(QRect, ink);
    const PrintItem shape = penItem(kPrintShape, {100, 100, 200, 160}, shapeType, penWidth, fill);
    const QImage page = render({&shape});
    const QRect drawn = inkBox(page);
    // Wide pens straddle the box; thin ones draw exactly inside it.
    const int slack = penWidth > 1 ? penWidth / 2 + 1 : 0;
    QVERIFY2(
        ink.adjusted(-slack, -slack, slack, slack).contains(drawn) &&
            drawn.contains(ink.adjusted(slack, slack, -slack, -slack)),
        qPrintable(QStringLiteral("%1,%2 %3x%4").arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    QCOMPARE(QColor(page.pixel(ink.center())) == QColor(Qt::red), fill);
  }

  void filterSelectsKinds_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("line");
    QTest::addColumn<bool>("shape");
    QTest::newRow("all") << int(kDrawAll) << true << true << true;
    QTest::newRow("texts") << int(kDrawTexts) << true << false << false;
    QTest::newRow("lines") << int(kDrawLines) << false << true << false;
    QTest::newRow("shapes") << int(kDrawShapes) << false << false << true;
    QTest::newRow("images") << int(kDrawImages) << false << false << false;
  }
  void filterSelectsKinds() {
    QFETCH(int, filter);
    QFETCH(bool, text);
    QFETCH(bool, line);
    QFETCH(bool, shape);
    const PrintItem t = textItem({0, 0, 1000, 200}, 0, 1, 1);
    const PrintItem l = penItem(kPrintLine, {0, 400, 500, 400}, 0, 1);
    const PrintItem s = penItem(kPrintShape, {0, 600, 100, 700}, kShapeRectangle, 1);
    const QImage page = render({&t, &l, &s}, 0, 0, filter);
    QCOMPARE(!inkBox(page, QRect(0, 0, 1000, 300)).isNull(), text);
    QCOMPARE(!inkBox(page, QRect(0, 350, 1000, 100)).isNull(), line);
    QCOMPARE(!inkBox(page, QRect(0, 550, 1000, 200)).isNull(), shape);
  }

  void imagesStretchedOrNot() {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "JPEG"));
    PrintItem item;
    item.PrintType = kPrintImage;
    item.PrintRect = {100, 100, 300, 200};
    item.setText(toStorageText(jpeg));
    QCOMPARE(inkBox(render({&item})), QRect(100, 100, 20, 10));
    item.BoStretch = true;
    QCOMPARE(inkBox(render({&item})), QRect(100, 100, 200, 100));
    item.setText(QStringLiteral("not a picture"));
    QVERIFY(inkBox(render({&item})).isNull());
  }

  void backgroundThroughLookup() {
    PrintItem item;
    item.PrintType = kPrintBackground;
    item.PrintRect = {0, 0, 50, 50};
    item.setBackgroundKey(QStringLiteral("abc"));
    QVERIFY(inkBox(render({&item}, 10, 10)).isNull());  // no lookup installed
    int calls = 0;
    SetBackgroundLookup([&](const QString &key) {
      ++calls;
      QImage image(8, 4, QImage::Format_RGB32);
      image.fill(key == QLatin1String("abc") ? Qt::black : Qt::white);
      return image;
    });
    QCOMPARE(inkBox(render({&item}, 10, 10)), QRect(10, 10, 8, 4));
    QCOMPARE(inkBox(render({&item}, 10, 10, kDrawBackgrounds)), QRect(10, 10, 8, 4));
    QCOMPARE(inkBox(render({&item}, 10, 10, kDrawTexts)), QRect());
    QCOMPARE(calls, 1);  // the last picture is remembered
  }

  void barcodeThroughDrawer() {
    PrintItem item;
    item.PrintType = kPrintBarcode;
    item.PrintRect = {100, 200, 300, 260};
    item.setBarcodeText(QStringLiteral("123"));
    const PrintItem after = penItem(kPrintLine, {0, 500, 100, 500}, 0, 1);
    QRect received;
    SetBarcodeDrawer([&](QPainter &, const PrintItem &barcode, const QRect &rect) {
      received = rect;
      QCOMPARE(barcode.barcodeText(), QStringLiteral("123"));
      throw std::runtime_error("encoder failed");
    });
    const QImage page = render({&item, &after}, 5, 7);
    QCOMPARE(received, QRect(105, 207, 200, 60));
    QVERIFY(!inkBox(page, QRect(0, 400, 200, 200)).isNull());  // a failing barcode does not stop the print
  }

  void damagedBlockNotDrawn() {
    const PrintItem t = textItem({0, 0, 1000, 200}, 0, 1, 1);
    QByteArray block = BuildPrintBlock({&t});
    block[16] = 2;  // item count beyond the data
    ImageTarget target(QSize(100, 100), 96, 96);
    QVERIFY(target.beginDocument({}));
    QString error;
    QVERIFY(!DrawPrintBlock(block, target.painter(), 0, kDrawAll, 0, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(DrawPrintBlock(QByteArray(), target.painter(), 0, kDrawAll, 0));
    QVERIFY(DrawPrintBlock(EmptyPrintBlock(), target.painter(), 0, kDrawAll, 0));
    target.endDocument();
    QVERIFY(inkBox(target.image()).isNull());
  }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
