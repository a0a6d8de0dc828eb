#include <QImage>
#include <QPainter>
#include <QtTest>

#include "barcode/barcode_types.h"
#include "controls/barcode_field.h"
#include "controls/edit.h"
#include "controls/label.h"
#include "core/codepage936.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/printitem.h"

using namespace op;

namespace fake {

// Stands in for the product serial: the barcode recognises it by class name only.
class TCustomProductSerial : public TQELEdit {
  Q_OBJECT

 public:
  using TQELEdit::TQELEdit;
};

}  // namespace fake

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

TPBarCodeDesigned *designOf(TPCostomBarCode &barcode) {
  return dynamic_cast<TPBarCodeDesigned *>(barcode.designObject());
}

}  // namespace

class TestBarcodeField : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerBarcodeClass();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrderAndDefaults() {
    TQel1dCode barcode;
    QStringList names;
    for (const PropertyDescriptor &descriptor : designOf(barcode)->publishedProperties()) names << descriptor.name;
    QCOMPARE(names,
             QStringList({"Top", "Left", "Height", "Width", "ImageData", "ControlName", "ControlId", "FontExtStyle",
                          "BarCodeText", "DateLinkId", "BarCode1DType", "BarCode1DCheckSum", "BarCodeTextType",
                          "BarCodeSubTextType", "BarCodeSubTextMax", "BarCodeSubTextMin", "DbStoreFlag"}));
    QCOMPARE(barcode.geometry().size(), QSize(50, 20));
    QCOMPARE(barcode.barCodeType(), int(bcCodeEAN13));
    QCOMPARE(designOf(barcode)->GetFontName(), QStringLiteral("Arial"));
    QCOMPARE(designOf(barcode)->GetDbStoreFlag(), -1);
    QCOMPARE(designOf(barcode)->GetHelpText(), QStringLiteral("一维条码组件"));
    // the designer's capabilities
    QVERIFY(query<IQel1dBarCodeDesign>(barcode.GetDesign()));
    QVERIFY(query<IQELSerialDataBind>(barcode.GetDesign()));
    QVERIFY(query<IQELFontDesign>(barcode.GetDesign()));
    QVERIFY(!query<IQELEvent>(barcode.GetDesign()));
    setPropertyText(*designOf(barcode), QStringLiteral("ImageData"), QStringLiteral("_9j_4AAQ"));
    QCOMPARE(propertyText(*designOf(barcode), QStringLiteral("ImageData")), QString());
    QCOMPARE(barcode.GetPrintData()->GetPrintDataCount(), 1);
  }

  void createdByClassName() {
    QObject owner;
    auto *barcode =
        qobject_cast<TQel1dCode *>(ClassRegistry::instance().create(QStringLiteral(" tqel1dcode "), &owner));
    QVERIFY(barcode);
    QCOMPARE(barcode->text(), QString());
  }

  void neverFlatterThanTwoToFive_data() {
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("result");
    QTest::newRow("100 x 10") << QSize(100, 10) << QSize(100, 40);
    QTest::newRow("4 x 1 counts as width 5") << QSize(4, 1) << QSize(4, 2);
    QTest::newRow("6 x 1") << QSize(6, 1) << QSize(6, 2);
    QTest::newRow("101 x 0 truncates") << QSize(101, 0) << QSize(101, 40);
    QTest::newRow("taller stays") << QSize(100, 90) << QSize(100, 90);
  }
  void neverFlatterThanTwoToFive() {
    QFETCH(QSize, requested);
    QFETCH(QSize, result);
    TQel1dCode barcode;
    QList<QRect> seen;
    connect(&barcode, &QelField::geometryChanged, this, [&](const QRect &rect) { seen << rect; });
    barcode.setGeometry(QRect(QPoint(7, 9), requested));
    QCOMPARE(barcode.geometry(), QRect(QPoint(7, 9), result));
    // observers never see the flattened size
    for (const QRect &rect : seen) QCOMPARE(rect.size(), result);
    // widening through the property object raises the height as well
    designOf(barcode)->SetWidth(result.width() * 2);
    QCOMPARE(barcode.height(), qMax(result.height(), TPCostomBarCode::minimumHeight(result.width() * 2)));
  }

  void checkSumMethod() {
    TQel1dCode barcode;
    barcode.setCheckSumMethod(csmNone);
    designOf(barcode)->SetBarCodeCheckSum(false);
    QCOMPARE(barcode.checkSumMethod(), csmNone);  // false keeps the method
    designOf(barcode)->SetBarCodeCheckSum(true);
    QCOMPARE(barcode.checkSumMethod(), csmModulo10);
    designOf(barcode)->SetBarCodeCheckSum(false);
    QVERIFY(!barcode.checksum());
    QCOMPARE(barcode.checkSumMethod(), csmModulo10);
  }

  void hint() {
    TQel1dCode barcode;
    barcode.setBarCodeType(bcCode128B);
    barcode.setText(QStringLiteral("AB-12"));
    QCOMPARE(barcode.hint(), QStringLiteral("条码类型:Code128B\r\n条码内容:AB-12"));
  }

  void followsSerialByIdentity() {
    TEditPanels document;
    auto *serial = new fake::TCustomProductSerial(&document);
    TQel1dCode barcode(&document);
    designOf(barcode)->SetDateLinkId(serial->GetID().toLower() + QStringLiteral("  "));
    QCOMPARE(barcode.link(), serial);
    QCOMPARE(designOf(barcode)->DateLinkId(), serial->GetID());
    serial->setText(QStringLiteral("20240001"));  // the serial pushes its text
    QCOMPARE(barcode.text(), QStringLiteral("20240001"));
    // relinking leaves the old source's listeners
    designOf(barcode)->SetDateLinkId(QString());
    QVERIFY(!barcode.link());
    serial->setText(QStringLiteral("20240002"));
    QCOMPARE(barcode.text(), QStringLiteral("20240001"));
    designOf(barcode)->SetDateLinkId(serial->GetID());
    delete serial;  // a deleted source leaves no dangling link
    QCOMPARE(designOf(barcode)->DateLinkId(), QString());
  }

  void otherSourcesAreListenedToButNotLinked() {
    TEditPanels document;
    TQELEdit edit(&document);
    TQELLabel label(&document);
    TQel1dCode barcode(&document);
    designOf(barcode)->SetDateLinkId(edit.GetID());
    QVERIFY(!barcode.link());
    QCOMPARE(designOf(barcode)->DateLinkId(), QString());
    edit.setText(QStringLiteral("690123456789"));  // an edit offers subscriptions: the barcode still follows
    QCOMPARE(barcode.text(), QStringLiteral("690123456789"));
    designOf(barcode)->SetDateLinkId(label.GetID());  // a label offers none
    QVERIFY(!barcode.link());
    edit.setText(QStringLiteral("1"));
    QCOMPARE(barcode.text(), QStringLiteral("690123456789"));
    designOf(barcode)->SetDateLinkId(QStringLiteral("0123456789ABCDEF0123456789ABCDEF"));  // nobody
    QVERIFY(!barcode.link());
  }

  void binding_data() {
    QTest::addColumn<int>("bindType");
    QTest::addColumn<bool>("nameTheSerial");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<bool>("takesValue");
    QTest::newRow("serial by bind name") << 3 << true << true << true;
    QTest::newRow("serial type without a serial") << 3 << false << false << false;
    QTest::newRow("dictionary entry") << 0 << true << false << true;
    QTest::newRow("data column") << 2 << true << false << true;
    QTest::newRow("unbound ignores name and value") << -1 << true << false << false;
  }
  void binding() {
    QFETCH(int, bindType);
    QFETCH(bool, nameTheSerial);
    QFETCH(bool, linked);
    QFETCH(bool, takesValue);
    TEditPanels document;
    fake::TCustomProductSerial serial(&document);
    TQel1dCode barcode(&document);
    IQELDataBind *bind = query<IQELDataBind>(barcode.GetDesign());
    QVERIFY(bind);
    bind->SetBindType(bindType);
    bind->SetBindName(nameTheSerial ? serial.GetID() : QStringLiteral("COLUMN1"));
    if (bindType == -1) QCOMPARE(bind->GetBindName(), QString());
    QCOMPARE(barcode.link() != nullptr, linked);
    bind->SetBindValue(QStringLiteral("123456"));
    QCOMPARE(bind->GetBindValue(), QStringLiteral("123456"));
    QCOMPARE(barcode.text(), takesValue ? QStringLiteral("123456") : QString());
    bind->SetBindType(2);  // any type but 3 drops the link
    QVERIFY(!barcode.link());
  }

  void printItem_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<ItemRect>("printRect");
    // field at (30, 40) 200 x 80 on a 794 x 1123 panel
    QTest::newRow("0") << 0 << ItemRect{30, 40, 230, 120};
    QTest::newRow("900") << 900 << ItemRect{40, 564, 120, 764};
    QTest::newRow("2700") << 2700 << ItemRect{1003, 30, 1083, 230};
  }
  void printItem() {
    QFETCH(int, angle);
    QFETCH(ItemRect, printRect);
    TEditPanels document;
    document.setPanelSize(QSize(794, 1123));
    TQel1dCode barcode(&document);
    barcode.setGeometry(QRect(30, 40, 200, 80));
    barcode.setFontExtStyle(angle);
    barcode.setTextStyle(2);
    barcode.setFontSize(12);
    barcode.setFontBold(true);
    barcode.setBarCodeType(bcCode128B);
    barcode.setChecksum(true);
    barcode.setBarCodeTextType(1);
    const QString text = QStringLiteral("单号AB12");
    barcode.setText(text);
    const auto produced = barcode.GetPrintData()->GetPrinteData(0);
    QVERIFY(produced);
    QVERIFY(!barcode.GetPrintData()->GetPrinteData(1));
    // through its bytes, as blocks carry it
    const QByteArray bytes = produced->toBytes();
    QCOMPARE(bytes.size(), 213 + 8);  // two double-byte characters and four single bytes
    const auto item = PrintItem::fromBytes(bytes.constData(), bytes.size());
    QVERIFY(item);
    QCOMPARE(item->PrintType, qint32(kPrintBarcode));
    QCOMPARE(item->DataSize, 8u);
    QCOMPARE(item->PrintElementSize, 8u);
    QCOMPARE(item->payload, cp936::encode(text));
    QCOMPARE(item->barcodeText(), text);
    QCOMPARE(item->BaseRect, (ItemRect{30, 40, 230, 120}));
    QCOMPARE(item->PrintRect, printRect);
    QVERIFY(item->HasFontExt);
    QCOMPARE(item->FontExtValue, angle);
    QVERIFY(item->HasTextStyle);
    QCOMPARE(item->TextStyle, 2);
    QCOMPARE(item->FontName, QStringLiteral("Arial"));
    QCOMPARE(item->FontSize, 12);
    QVERIFY(item->FontBlod);
    QCOMPARE(int(item->BarCodeType), int(bcCode128B));
    QVERIFY(item->BarCodeCheckSum);
    QCOMPARE(int(item->BarCodeCheckSumType), 1);
    QCOMPARE(int(item->BarCodeOnlyDrawImage), 1);
  }

  void unencodableTextReportsAndStaysBlank() {
    TQel1dCode barcode;
    barcode.setBarCodeType(bcCodeEAN13);
    barcode.setText(QStringLiteral("69012A"));
    QCOMPARE(barcode.encodingError(), QStringLiteral("条码必须是数字"));
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
      QPainter painter(&image);
      QVERIFY(!barcode.paint(painter, QRectF(0, 0, 200, 80)));
    }
    QCOMPARE(barcode.lastError(), QStringLiteral("条码必须是数字"));
    QCOMPARE(image.pixel(100, 20), QColor(Qt::gray).rgb());
    barcode.setText(QStringLiteral("690123456789"));
    QCOMPARE(barcode.encodingError(), QString());
    {
      QPainter painter(&image);
      QVERIFY(barcode.paint(painter, QRectF(0, 0, 200, 80)));
    }
    QCOMPARE(barcode.lastError(), QString());
    QCOMPARE(barcode.text(), QStringLiteral("690123456789"));  // what the user typed stays
  }

  void documentRoundTrip() {
    QString text;
    QString id;
    {
      TEditPanels document;
      TQel1dCode barcode(&document);
      barcode.setGeometry(QRect(12, 34, 150, 60));
      barcode.setName(QStringLiteral("Qel1dCode3"));
      designOf(barcode)->SetFontExtStyle(2700);
      designOf(barcode)->SetBarCodeText(QStringLiteral("CODE-39"));
      designOf(barcode)->SetBarCodeType(bcCode39);
      designOf(barcode)->SetBarCodeCheckSum(true);
      designOf(barcode)->SetBarCodeTextType(1);
      designOf(barcode)->SetBarCodeSubTextType(1);
      designOf(barcode)->SetBarCodeSubTextMin(2);
      designOf(barcode)->SetBarCodeSubTextMax(6);
      designOf(barcode)->SetDbStoreFlag(4);
      id = barcode.GetID();
      text = writeDocumentOnSkeleton(document, kSkeleton);
    }
    QVERIFY(text.contains(QStringLiteral("<BarCode1DCheckSum VALUE=\"True\" TYPE=\"ENUM\"/>")));
    auto document = readDocument(text);
    QVERIFY(document);
    auto *barcode = qobject_cast<TQel1dCode *>(designRegistry().findById(id));
    QVERIFY(barcode);
    QCOMPARE(barcode->geometry(), QRect(12, 34, 150, 60));
    QCOMPARE(barcode->name(), QStringLiteral("Qel1dCode3"));
    QCOMPARE(barcode->fontExtStyle(), 2700);
    QCOMPARE(barcode->text(), QStringLiteral("CODE-39"));
    QCOMPARE(barcode->barCodeType(), int(bcCode39));
    QVERIFY(barcode->checksum());
    QCOMPARE(barcode->barCodeTextType(), 1);
    QCOMPARE(barcode->barCodeSubTextType, 1);
    QCOMPARE(barcode->barCodeSubTextMin, 2);
    QCOMPARE(barcode->barCodeSubTextMax, 6);
    QCOMPARE(barcode->dbStoreFlag(), 4);
    QCOMPARE(writeDocumentOnSkeleton(*document, kSkeleton), text);
  }
};

QTEST_MAIN(TestBarcodeField)
#include "tst_barcode_field.moc"
