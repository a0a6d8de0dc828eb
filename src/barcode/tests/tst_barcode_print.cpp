#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "barcode/barcode_print.h"
#include "barcode/barcode_types.h"
#include "controls/barcode_field.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "printing/printonecopy.h"
#include "printing/printtarget.h"

using namespace op;

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

QString run(const QString &program, const QStringList &args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000)) return QStringLiteral("<%1 did not finish>").arg(program);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A template document holding one barcode field, written the way the designer saves it.
QString barcodeTemplate(int type, bool checksum, int angle, int textType) {
  TEditPanels document;
  document.SetTitle(QStringLiteral("条码快递单"));
  TQel1dCode barcode(&document);
  barcode.setGeometry(QRect(100, 100, 320, 128));
  auto *design = dynamic_cast<TPBarCodeDesigned *>(barcode.designObject());
  design->SetBarCodeType(type);
  design->SetBarCodeCheckSum(checksum);
  design->SetFontExtStyle(angle);
  design->SetBarCodeTextType(textType);
  return writeDocumentOnSkeleton(document, kSkeleton, currentRegistry());
}

// An A4 template at design scale 1 (794 × 1123 design pixels at 96 dpi).
PrintTemplate a4Template(const TEditPanels &document) {
  PrintTemplate tpl;
  tpl.Title = document.Title();
  tpl.RealWidth = 210;
  tpl.RealHeight = 297;
  tpl.DesignWidth = 794;
  tpl.DesignHeight = 1123;
  for (QelField *field : document.findChildren<QelField *>())
    if (auto *element = query<IQELElment>(field)) tpl.Sources.push_back(element->GetPrintData());
  return tpl;
}

PrintItem code128Item(quint8 onlyBars) {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 9;
  item.PrintType = kPrintBarcode;
  item.BarCodeType = bcCode128B;
  item.BarCodeOnlyDrawImage = onlyBars;
  item.setBarcodeText(QStringLiteral("AB12"));
  return item;
}

// Columns of one image row that are dark.
QString darkColumns(const QImage &image, int y, int left, int right) {
  QString columns;
  for (int x = left; x < right; ++x) columns += qGray(image.pixel(x, y)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
  return columns;
}

}  // namespace

// The renderer's barcode drawer, alone and on the whole print path of a template: document, field, one copy
// printed to a 300-dpi PDF, the page rasterised and read back with a barcode reader.
class TestBarcodePrint : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void initTestCase() {
    registerBarcodeClass();
    InstallBarcodeDrawer();
    QVERIFY(HasBarcodeDrawer());
    QVERIFY(dir_.isValid());
  }
  void cleanupTestCase() { SetBarcodeDrawer({}); }

  void barsOnlyTakeTheFullHeight() {
    QImage image(400, 120, QImage::Format_RGB32);
    for (quint8 onlyBars : {0, 1}) {
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        QVERIFY(DrawBarcodeItem(painter, code128Item(onlyBars), QRect(20, 10, 360, 100)));
      }
      const QString top = darkColumns(image, 12, 20, 380);
      QVERIFY(top.contains(QLatin1Char('1')));
      // the last rows hold bars only without the human-readable text
      QCOMPARE(darkColumns(image, 107, 20, 380) == top, onlyBars == 1);
      QCOMPARE(darkColumns(image, 5, 0, 400).contains(QLatin1Char('1')), false);  // nothing outside
    }
  }

  void unencodableDrawsNothing() {
    PrintItem item = code128Item(0);
    item.BarCodeType = bcCodeEAN13;
    item.setBarcodeText(QStringLiteral("条码12"));
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    {
      QPainter painter(&image);
      QVERIFY(!DrawBarcodeItem(painter, item, QRect(0, 0, 200, 80), &error));
      DrawPrintItem(painter, item, 0, 0);  // through the renderer: ignored
    }
    QCOMPARE(error, QStringLiteral("条码必须是数字"));
    QImage white(200, 80, QImage::Format_RGB32);
    white.fill(Qt::white);
    QCOMPARE(image, white);
  }

  void itemSettingsReachTheBarcode() {
    PrintItem item = code128Item(0);
    item.BarCodeType = bcCodeEAN13;
    item.BarCodeCheckSum = true;
    item.BarCodeCheckSumType = 0;
    item.FontExtValue = 2700;
    item.FontSize = 14;
    item.FontBlod = true;
    item.setBarcodeText(QStringLiteral("690123456789"));
    TQelBarcode barcode = BarcodeOfItem(item);
    QCOMPARE(barcode.codeType(), int(bcCodeEAN13));
    QVERIFY(barcode.checksum());
    QCOMPARE(barcode.checkSumMethod(), csmNone);
    QCOMPARE(barcode.angle(), 270.0);
    QCOMPARE(barcode.font().pointSize(), 14);
    QVERIFY(barcode.font().bold());
    QCOMPARE(barcode.text(), QStringLiteral("690123456789"));
    item.FontExtValue = 450;  // less than a quarter turn
    QCOMPARE(BarcodeOfItem(item).angle(), 0.0);
  }

  void printedTemplateReadsBack_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("textType");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    for (int angle : {0, 900}) {
      const QByteArray turn = QByteArray::number(angle);
      QTest::addRow("EAN13 check digit at %s", turn.constData())
          << int(bcCodeEAN13) << true << angle << 0 << "690123456789"
          << "6901234567892";
      QTest::addRow("Code128B at %s", turn.constData()) << int(bcCode128B) << false << angle << 0 << "SF1234567890"
                                                        << "SF1234567890";
      QTest::addRow("Code39 bars only at %s", turn.constData()) << int(bcCode39) << false << angle << 1 << "CODE-39"
                                                                << "CODE-39";
    }
  }
  void printedTemplateReadsBack() {
    QFETCH(int, type);
    QFETCH(bool, checksum);
    QFETCH(int, angle);
    QFETCH(int, textType);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    if (QStandardPaths::findExecutable("zbarimg").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
      QSKIP("zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed");

    auto document = readDocument(barcodeTemplate(type, checksum, angle, textType));
    QVERIFY(document);
    auto *barcode = document->findChild<TQel1dCode *>();
    QVERIFY(barcode);
    document->setPanelSize(QSize(794, 1123));
    query<IQELDataBind>(barcode->GetDesign())->SetBindType(2);
    query<IQELDataBind>(barcode->GetDesign())->SetBindValue(value);  // filled from a data row

    const QString pdf = dir_.filePath("page.pdf");
    PdfTarget target(pdf, 300, QPageSize(QSizeF(150, 200), QPageSize::Millimeter));  // room for both turns
    QVERIFY(target.beginDocument(document->Title()));
    TPrintJobParams job;
    job.OwnDocument = false;
    job.Printer = &target;
    const PrintTemplate tpl = a4Template(*document);
    PrintCopyOutput out;
    QVERIFY(PrintOneCopy(1, job, &tpl, PrintEnvironment{}, &out));
    QVERIFY(target.endDocument());

    run("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, dir_.filePath("page")});
    const QString decoded = run("zbarimg", {"--raw", "-q", dir_.filePath("page.png")});
    QCOMPARE(decoded.trimmed(), expected);
    // the bars lie where the field's rectangle lands, turned with the page
    QImage page(dir_.filePath("page.png"));
    QVERIFY(!page.isNull());
    const QRect field = angle == 0 ? QRect(100, 100, 320, 128) : QRect(100, 794 - 420, 128, 320);
    const QRect printed(field.topLeft() * 3.125, field.size() * 3.125);
    int inside = 0, outside = 0;
    for (int y = 0; y < page.height(); y += 2)
      for (int x = 0; x < page.width(); x += 2)
        if (qGray(page.pixel(x, y)) < 128) ++(printed.adjusted(-2, -2, 2, 2).contains(x, y) ? inside : outside);
    QVERIFY(inside > 1000);
    QCOMPARE(outside, 0);
  }
};

QTEST_MAIN(TestBarcodePrint)
#include "tst_barcode_print.moc"
