#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "../../printing/tests/inkbox.h"
#include "controls/checkbox.h"
#include "controls/grid.h"
#include "controls/image.h"
#include "controls/line.h"
#include "controls/shape.h"
#include "controls/zipcode_edit.h"
#include "core/base64.h"
#include "document/control_registry.h"
#include "document/edit_panels.h"
#include "document/printitem.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

using namespace op;

namespace {

QStringList propertyNames(const Persistent &object) {
  QStringList names;
  for (const PropertyDescriptor &descriptor : object.publishedProperties()) names << descriptor.name;
  return names;
}

const QStringList kFontAndPlace{"TextStyle",     "FontName",  "FontSize",  "FontBold",    "FontItalic", "FontUnderLine",
                                "FontStrikeOut", "Top",       "Left",      "Height",      "Width",      "FontExtStyle",
                                "ControlName",   "ControlId", "FontColor", "BoPrintLabel"};

QImage render(const PrintItem &item, QSize page = QSize(300, 200)) {
  QImage image(page, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawPrintItem(painter, item, 0, 0);
  return image;
}

// A 40 × 20 picture, white with a red 10 × 5 block in its top-left corner.
QImage markedPicture() {
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter(&picture).fillRect(0, 0, 10, 5, Qt::red);
  return picture;
}

// Where the red block is: the quadrant of its centre, as "TL", "TR", "BL" or "BR".
QString markQuadrant(const QImage &picture) {
  qint64 sx = 0, sy = 0, n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c.red() > 180 && c.green() < 90 && c.blue() < 90) sx += x, sy += y, ++n;
    }
  if (!n) return {};
  return QString(sy / n < picture.height() / 2 ? "T" : "B") + QString(sx / n < picture.width() / 2 ? "L" : "R");
}

}  // namespace

class TestGraphicFields : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setDesignMode(true); }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrder() {
    TQELImage image;
    QCOMPARE(propertyNames(*image.designObject()),
             QStringList({"Top", "Left", "Height", "Width", "ImageData", "ControlName", "ControlId", "PAutoSize",
                          "FontExtStyle"}));
    TQELGrid grid;
    QCOMPARE(propertyNames(*grid.designObject()), QStringList({"Top", "Left", "Height", "Width", "BoLeft", "BoTop",
                                                               "BoRight", "BoBottom", "ControlName", "ControlId"}));
    TQelLine line;
    const QStringList lineTail{"PenColor", "PenStyle", "PenWidth", "lineType", "AntiAliasing", "DbStoreFlag"};
    QCOMPARE(propertyNames(*line.designObject()), kFontAndPlace + lineTail);
    TQelShape shape;
    const QStringList shapeTail{"penColor", "penStyle",     "penWidth",   "ShapeType",
                                "FullFill", "AntiAliasing", "DbStoreFlag"};
    QCOMPARE(propertyNames(*shape.designObject()), kFontAndPlace + shapeTail);
    grid.setName(QStringLiteral("QELGrid12"));
    QCOMPARE(grid.GetDesign()->GetHelpText(), QStringLiteral("表格12"));
    QVERIFY(query<IQelLineDesign>(line.GetDesign()) && query<IQelShapeDesign>(shape.GetDesign()));
    QVERIFY(query<IQelImageDesign>(image.GetDesign()) && query<IQELDataBind>(image.GetDesign()));
    QCOMPARE(line.geometry(), QRect(0, 0, 120, 30));
    QCOMPARE(line.textStyle(), 1);
    QVERIFY(line.boPrintLabel() && shape.boPrintLabel());
  }

  void gridNeverPrints() {
    TQELGrid grid;
    grid.setBoLeft(true);
    grid.setBoTop(true);
    grid.setBoRight(true);
    grid.setBoBottom(true);
    QCOMPARE(grid.GetPrintData()->GetPrintDataCount(), 4);
    for (int i = -1; i < 5; ++i) QVERIFY(!grid.GetPrintData()->GetPrinteData(i));
  }

  void lineItem() {
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQelLine line(&document);
    line.setGeometry(QRect(20, 30, 120, 30));
    auto *settings = query<IQelLineDesign>(line.GetDesign());
    settings->SetPenColor(0x0000FF);
    settings->SetPenStyle(1);
    settings->SetPenWidth(3);
    settings->SetLineType(kLineFalling);
    settings->SetAntiAliasing(true);
    QCOMPARE(settings->GetLineType(), int(kLineFalling));
    const auto item = line.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->PrintType, qint32(kPrintLine));
    QVERIFY(item->HasFontExt && item->HasTextStyle);
    QCOMPARE(item->TextStyle, 1);
    QCOMPARE(item->PrintRect, (ItemRect{20, 30, 140, 60}));
    QCOMPARE(item->payload.size(), 25);
    QCOMPARE(item->payload.toHex(),
             QByteArray("19000000010000000100000003000000"  // size, version, style, type
                        "01"                                // anti-aliasing
                        "03000000ff000000"));               // width, colour
    line.setBoPrintLabel(false);
    QCOMPARE(line.GetPrintData()->GetPrintDataCount(), 0);
    QVERIFY(!line.GetPrintData()->GetPrinteData(0));
  }

  // Drawn lines (the end point itself is not drawn): every type, also on a quarter-turned page, where the line turns
  // with the page.
  void linesOnThePage_data() {
    QTest::addColumn<int>("lineType");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QRect>("ink");
    QTest::newRow("horizontal") << 0 << 0 << QRect(20, 45, 120, 1);
    QTest::newRow("vertical") << 1 << 0 << QRect(80, 30, 1, 30);
    QTest::newRow("rising") << 2 << 0 << QRect(20, 30, 120, 31);
    QTest::newRow("falling") << 3 << 0 << QRect(20, 30, 120, 30);
    // Page turned counter-clockwise: (x, y) → (y, 300 − x); the line's rectangle is (30, 160, 60, 280).
    QTest::newRow("horizontal turned") << 0 << 900 << QRect(45, 160, 1, 120);
    QTest::newRow("vertical turned") << 1 << 900 << QRect(30, 220, 30, 1);
  }
  void linesOnThePage() {
    QFETCH(int, lineType);
    QFETCH(int, angle);
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQelLine line(&document);
    line.setGeometry(QRect(20, 30, 120, 30));
    line.setLineType(lineType);
    line.setFontExtStyle(angle);
    const QImage page = render(*line.GetPrintData()->GetPrinteData(0), angle ? QSize(200, 300) : QSize(300, 200));
    page.save(QStringLiteral("/tmp/line_%1_%2.png").arg(lineType).arg(angle));
    QTEST(inkBox(page), "ink");
  }

  void shapeFigure_data() {
    QTest::addColumn<int>("shapeType");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("box");
    QTest::newRow("square centred") << 5 << 1 << QSize(120, 30) << QRect(45, 0, 30, 30);
    QTest::newRow("circle centred") << 0 << 1 << QSize(120, 30) << QRect(45, 0, 30, 30);
    QTest::newRow("rectangle") << 2 << 1 << QSize(120, 30) << QRect(0, 0, 120, 30);
    QTest::newRow("no pen: the frame pixel is given back") << 2 << 0 << QSize(120, 30) << QRect(0, 0, 120, 30);
    QTest::newRow("wide pen inset") << 1 << 4 << QSize(120, 30) << QRect(2, 2, 117, 27);
    QTest::newRow("tall rounded square") << 4 << 1 << QSize(30, 100) << QRect(0, 35, 30, 30);
    QTest::newRow("too small") << 2 << 10 << QSize(5, 5) << QRect();
  }
  void shapeFigure() {
    QFETCH(int, shapeType);
    QFETCH(int, penWidth);
    QFETCH(QSize, size);
    QTEST(shapeFigureBox(shapeType, penWidth, size.width(), size.height()), "box");
  }

  // The renderer draws the square where the model places it: 30 × 30, centred in the 120 × 30 field.
  void shapeOnThePage() {
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQelShape shape(&document);
    shape.setGeometry(QRect(20, 40, 120, 30));
    auto *settings = query<IQelShapeDesign>(shape.GetDesign());
    settings->SetShapeType(kShapeSquare);
    settings->SetFullFill(true);
    settings->SetPenColor(0x00FF00);
    const auto item = shape.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->PrintType, qint32(kPrintShape));
    QCOMPARE(item->payload.size(), 26);
    const auto pen = PenBlock::fromBytes(item->payload);
    QVERIFY(pen && pen->FullFill && pen->Kind == kShapeSquare && pen->PenColor == 0x00FF00 && pen->PenWidth == 1);
    const QImage page = render(*item);
    page.save(QStringLiteral("/tmp/shape_square.png"));
    QCOMPARE(inkBox(page), QRect(20 + 45, 40, 30, 30));
    shape.setBoPrintLabel(false);
    QCOMPARE(shape.GetPrintData()->GetPrintDataCount(), 0);
    QVERIFY(!shape.GetPrintData()->GetPrinteData(0));
  }

  void imageData() {
    TQELImage image;
    QVERIFY(!image.hasPicture());
    QCOMPARE(image.GetPrintData()->GetPrintDataCount(), 0);
    QVERIFY(!image.GetPrintData()->GetPrinteData(0));
    const QByteArray jpeg = jpegBytes(markedPicture());
    auto *design = dynamic_cast<TPImageDesigned *>(image.designObject());
    design->SetImageData(toStorageText(jpeg));
    QCOMPARE(image.pictureJpeg(), jpeg);  // kept byte for byte, never recompressed
    QCOMPARE(design->ImageData(), toStorageText(jpeg));
    // Text that is no picture, a cut-off JPEG and empty text all leave the picture as it was.
    for (const QString &bad : {toStorageText("not a picture"), toStorageText(jpeg.left(40)), QString()}) {
      design->SetImageData(bad);
      QCOMPARE(image.pictureJpeg(), jpeg);
    }
    design->SetPAutoSize(false);
    QVERIFY(!image.stretch());
    design->ClearImage();
    QCOMPARE(design->ImageData(), QString());
    QCOMPARE(image.GetPrintData()->GetPrintDataCount(), 0);
  }

  void imageTurnsForPrinting_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("mark");
    QTest::newRow("0") << 0 << QSize(40, 20) << "TL";
    QTest::newRow("900 counter-clockwise") << 900 << QSize(20, 40) << "BL";
    QTest::newRow("1800") << 1800 << QSize(40, 20) << "BR";
    QTest::newRow("2700 clockwise") << 2700 << QSize(20, 40) << "TR";
  }
  void imageTurnsForPrinting() {
    QFETCH(int, angle);
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQELImage image(&document);
    image.setGeometry(QRect(10, 20, 80, 40));
    image.setPicture(markedPicture());
    image.setFontExtStyle(angle);
    QCOMPARE(image.GetPrintData()->GetPrintDataCount(), 1);
    const auto item = image.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->PrintType, qint32(kPrintImage));
    QVERIFY(!item->HasFontExt && item->BoStretch);
    QCOMPARE(item->BaseRect, (ItemRect{10, 20, 90, 60}));
    const ControlGeometry geometry{10, 20, 80, 40, 300, 200};
    QCOMPARE(item->PrintRect, ControlPrintRect(&geometry, angle));
    const QImage printed = QImage::fromData(fromStorageText(item->text()), "JPEG");
    QTEST(printed.size(), "size");
    QTEST(markQuadrant(printed), "mark");
  }

  void imageBinding() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(markedPicture().save(folder.filePath(QStringLiteral("sign.bmp")), "BMP"));
    TPCostomImage::setProgramFolder(folder.path());
    TQELImage image;
    auto *bind = query<IQELDataBind>(image.GetDesign());
    bind->SetBindValue(QStringLiteral("sign.bmp"));  // a bare name, found in the program folder
    QVERIFY(image.hasPicture());
    QCOMPARE(image.picture().size(), QSize(40, 20));
    QCOMPARE(bind->GetBindValue(), QStringLiteral("sign.bmp"));
    bind->SetBindValue(QStringLiteral("missing.jpg"));  // longer than three characters: the old picture goes
    QVERIFY(!image.hasPicture());
    bind->SetBindValue(QStringLiteral("\\SIGN.BMP").toLower());
    QVERIFY(image.hasPicture());
    bind->SetBindValue(QStringLiteral("abc"));  // short text keeps the picture and loads nothing
    QVERIFY(image.hasPicture());
    bind->SetBindValue(folder.filePath(QStringLiteral("sign.txt")));
    QVERIFY(!image.hasPicture());
    // A new picture field starts with res/Default.jpg of the program folder.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("res")));
    QVERIFY(markedPicture().save(folder.filePath(QStringLiteral("res/Default.jpg")), "JPEG"));
    TQELImage fresh;
    QVERIFY(fresh.hasPicture());
    TPCostomImage::setProgramFolder(QString());
  }

  void imagePrintedOnThePage() {
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQELImage image(&document);
    image.setGeometry(QRect(30, 40, 80, 40));
    image.setPicture(markedPicture());
    const QImage page = render(*image.GetPrintData()->GetPrinteData(0));
    page.save(QStringLiteral("/tmp/image_print.png"));
    QCOMPARE(markQuadrant(page.copy(30, 40, 80, 40)), QStringLiteral("TL"));
    const QRect ink = inkBox(page);
    QVERIFY2(QRect(30, 40, 20, 10).adjusted(-1, -1, 1, 1).contains(ink), qPrintable(QString::number(ink.width())));
  }
  // A filled-in form through the real print path: items packed into one block, scaled to 300 dpi and drawn
  // into a PDF. The square's ink on the page is where the design puts it, scaled.
  void printedPage() {
    TEditPanels document;
    document.setPanelSize(QSize(500, 300));
    TQELZipCodeEdit zip(&document);
    zip.setGeometry(QRect(20, 20, 284, 30));
    zip.setZipCodeStr(QStringLiteral("518057"));
    TQELCheckBox box(&document);
    box.setGeometry(QRect(20, 60, 25, 17));
    box.setChecked(true);
    TQelLine line(&document);
    line.setGeometry(QRect(20, 100, 300, 10));
    line.setPenWidth(2);
    TQelShape shape(&document);
    shape.setGeometry(QRect(340, 20, 120, 30));
    shape.setShapeType(kShapeSquare);
    shape.setFullFill(true);
    TQELImage image(&document);
    image.setGeometry(QRect(340, 80, 80, 40));
    image.setPicture(markedPicture());
    TQELGrid grid(&document);
    std::vector<std::unique_ptr<PrintItem>> owned;
    for (QelElementField *field : std::initializer_list<QelElementField *>{&zip, &box, &line, &shape, &image, &grid})
      for (int i = 0; i < field->GetPrintData()->GetPrintDataCount(); ++i)
        if (auto item = field->GetPrintData()->GetPrinteData(i)) owned.push_back(std::move(item));
    QCOMPARE(owned.size(), size_t(6 + 1 + 1 + 1 + 1));  // the grid adds nothing
    std::vector<const PrintItem *> items;
    for (const auto &item : owned) items.push_back(item.get());
    QByteArray block = BuildPrintBlock(items);
    const double factor = 300.0 / 96.0;
    QVERIFY(ScalePrintBlock(block, factor, factor));
    const QString pdf = QStringLiteral("/tmp/kinds_printed_page.pdf");
    PdfTarget target(pdf, 300);
    QVERIFY(target.beginDocument(QStringLiteral("kinds")));
    QImage page(QSize(1600, 1000), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QVERIFY(DrawPrintBlock(block, &painter, 0, kDrawShapes, 0));
    painter.end();
    QVERIFY(DrawPrintBlock(block, target.painter(), 0, kDrawAll, 0));
    QVERIFY(target.endDocument());
    QVERIFY(QFileInfo(pdf).size() > 0);
    // Square: 30 × 30 design pixels centred in the 120-pixel field at (340, 20), scaled by 300/96.
    const QRect ink = inkBox(page);
    const int left = int(340 * factor), right = int(460 * factor), top = int(20 * factor), bottom = int(50 * factor);
    QVERIFY(qAbs(ink.center().x() - (left + right) / 2) <= 2);
    QVERIFY(qAbs(ink.width() - (bottom - top)) <= 2 && qAbs(ink.height() - (bottom - top)) <= 2);
  }
};

QTEST_MAIN(TestGraphicFields)
#include "tst_graphic_fields.moc"
