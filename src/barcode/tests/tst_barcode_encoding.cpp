#include <QImage>
#include <QPainter>
#include <QtTest>

#include "barcode/barcode_error.h"
#include "barcode/check_digits.h"
#include "barcode/qelbarcode.h"

using namespace op;

class TestBarcodeEncoding : public QObject {
  Q_OBJECT

 private:
  static EncodedBarcode encoded(int type, const QString &text, bool checksum = false) {
    return encodeBarcode(type, text, checksum, csmModulo10);
  }
  static QString modules(int type, const QString &text, bool checksum = false) {
    return moduleString(encoded(type, text, checksum).pattern, elementWidths(type, 1, 2.0));
  }

 private slots:
  void ean13WithChecksumCompletesTheText() {
    TQelBarcode barcode;
    barcode.setBarCodeType(bcCodeEAN13);
    barcode.setText(" 690123456789 ");
    barcode.setChecksum(true);
    barcode.encode();
    QCOMPARE(barcode.text(), QStringLiteral("6901234567892"));
    QCOMPARE(barcode.dataWidth(), 95);
    QCOMPARE(modules(bcCodeEAN13, "6901234567892"),
             QStringLiteral("1010001011010011101100110011011011110101000110101010011101010000100010010010001110100"
                            "1101100101"));
  }

  void ean13WithThirteenDigitsIsEncodedUnchanged() {
    const EncodedBarcode wrongCheck = encoded(bcCodeEAN13, "6901234567891", true);
    QCOMPARE(wrongCheck.text, QStringLiteral("6901234567891"));
    // The last digit before the end guard is "1" of set C.
    QVERIFY(modules(bcCodeEAN13, "6901234567891", true).endsWith("1100110101"));
  }

  void interleavedOddLength() {
    QCOMPARE(encoded(bcCode_2_5_interleaved, "12345").pattern, encoded(bcCode_2_5_interleaved, "1234").pattern);
    const EncodedBarcode withCheck = encoded(bcCode_2_5_interleaved, "12345", true);
    QCOMPARE(withCheck.text, QStringLiteral("123457"));
    QCOMPARE(withCheck.pattern, encoded(bcCode_2_5_interleaved, "123457").pattern);
  }

  void code128Choices() {
    QCOMPARE(encoded(bcCode128C, "12345").pattern, encoded(bcCode128C, "012345").pattern);
    QCOMPARE(encoded(bcCode128C, "12345").displayText, QStringLiteral("012345"));
    QCOMPARE(encoded(bcCode128C, "12ab").pattern, encoded(bcCode128C, "1200").pattern);
    QCOMPARE(encoded(bcCode128B, "A\tB").pattern, encoded(bcCode128B, "A B").pattern);
    QCOMPARE(encoded(bcCode128B, QStringLiteral("A中")).pattern, encoded(bcCode128B, "A  ").pattern);
    // Start B, "A" (33), check 34, stop.
    QCOMPARE(modules(bcCode128B, "A"), QStringLiteral("1101001000010100011000100010110001100011101011"));
    QCOMPARE(encoded(bcCodeEAN128B, "AB&FNC1;12").displayText, QStringLiteral("AB12"));
  }

  void textAfterEncoding_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QString>("storedText");
    QTest::addColumn<QString>("display");
    QTest::newRow("digits-only trimmed") << int(bcCode_2_5_interleaved) << " 1234 " << false << "1234"
                                         << "1234";
    QTest::newRow("others not trimmed") << int(bcCode39) << " AB " << false << " AB "
                                        << " AB ";
    QTest::newRow("EAN-8 check on the copy") << int(bcCodeEAN8) << "1234567" << true << "1234567"
                                             << "12345670";
    QTest::newRow("EAN-8 keeps the last 7") << int(bcCodeEAN8) << "91234567" << true << "91234567"
                                            << "12345670";
    QTest::newRow("EAN-8 padded") << int(bcCodeEAN8) << "123" << false << "123"
                                  << "00000123";
    QTest::newRow("EAN-13 padded, no check") << int(bcCodeEAN13) << "12" << false << "12"
                                             << "0000000000012";
    QTest::newRow("EAN-13 longer text") << int(bcCodeEAN13) << "69012345678921" << false << "69012345678921"
                                        << "6901234567892";
    QTest::newRow("UPC-A check over first 11") << int(bcCodeUPC_A) << "036000291450" << true << "036000291450"
                                               << "036000291452";
    QTest::newRow("UPC-E check replaces 7th") << int(bcCodeUPC_E0) << "123455" << true << "0123457"
                                              << "0123457";
    QTest::newRow("UPC-E without check") << int(bcCodeUPC_E0) << "123455" << false << "0123455"
                                         << "0123455";
    QTest::newRow("EAN128C check on the copy") << int(bcCodeEAN128C) << "&FNC1;12" << true << "&FNC1;12"
                                               << "0123";
    QTest::newRow("csmNone adds nothing") << int(bcCode_2_5_interleaved) << "12345" << true << "12345"
                                          << "12345";
  }
  void textAfterEncoding() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(bool, checksum);
    QFETCH(QString, storedText);
    QFETCH(QString, display);
    const bool none = QByteArray(QTest::currentDataTag()).startsWith("csmNone");
    const EncodedBarcode result = encodeBarcode(type, text, checksum, none ? csmNone : csmModulo10);
    QCOMPARE(result.text, storedText);
    QCOMPARE(result.displayText, display);
  }

  void code39SkipsAndMaps() {
    QCOMPARE(encoded(bcCode39, "ab-C").pattern, encoded(bcCode39, "-C").pattern);
    QCOMPARE(encoded(bcCode39Extended, "a!").pattern, encoded(bcCode39, "+A/A").pattern);
    QCOMPARE(encoded(bcCode39Extended, QStringLiteral("a中")).pattern, encoded(bcCode39, "+A").pattern);
  }

  void elementWidthsFollowTheRatioClamp_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("modul");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("defaults") << int(bcCodeEAN13) << 1 << 2.0 << QList<int>{1, 2, 3, 4};
    QTest::newRow("Code39 ratio 5 clamped to 3") << int(bcCode39) << 1 << 5.0 << QList<int>{1, 3, 4, 6};
    QTest::newRow("Code39 ratio 1 clamped to 2") << int(bcCode39) << 1 << 1.0 << QList<int>{1, 2, 3, 4};
    QTest::newRow("Code128 unclamped") << int(bcCode128B) << 1 << 5.0 << QList<int>{1, 5, 7, 10};
    QTest::newRow("matrix at least 2.25") << int(bcCode_2_5_matrix) << 4 << 2.0 << QList<int>{4, 9, 13, 18};
    QTest::newRow("half rounds to even") << int(bcCode39) << 1 << 2.5 << QList<int>{1, 2, 3, 4};
    QTest::newRow("modul 3, 7.5 to 8") << int(bcCode39) << 3 << 2.5 << QList<int>{3, 8, 12, 16};
  }
  void elementWidthsFollowTheRatioClamp() {
    QFETCH(int, type);
    QFETCH(int, modul);
    QFETCH(double, ratio);
    QFETCH(QList<int>, widths);
    const ElementWidths w = elementWidths(type, modul, ratio);
    QCOMPARE((QList<int>{w.w[0], w.w[1], w.w[2], w.w[3]}), widths);
  }

  void checkDigits_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("expected");
    QTest::newRow("mod10 EAN-13") << "mod10" << QByteArray("690123456789") << 2;
    QTest::newRow("mod10 EAN-8") << "mod10" << QByteArray("1234567") << 0;
    QTest::newRow("mod10 UPC-A") << "mod10" << QByteArray("03600029145") << 2;
    QTest::newRow("mod10 sum multiple of 10") << "mod10" << QByteArray("0000") << 0;
    QTest::newRow("MSI") << "msi" << QByteArray("1234567") << 4;
    QTest::newRow("MSI one digit") << "msi" << QByteArray("5") << 9;
    QTest::newRow("add-on 5") << "supp5" << QByteArray("24699") << 8;
  }
  void checkDigits() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, input);
    QFETCH(int, expected);
    const int actual = kind == "mod10" ? checkdigits::modulo10(input)
                       : kind == "msi" ? checkdigits::msiModulo10(input)
                                       : checkdigits::supplement5(input);
    QCOMPARE(actual, expected);
  }

  void weightedCheckCharacters() {
    // "TEST93": C is "+" (41), K is "6".
    const QList<int> test93{29, 14, 28, 29, 9, 3};
    QCOMPARE(checkdigits::modulo47(test93, 20), 41);
    QCOMPARE(checkdigits::modulo47(test93 + QList<int>{41}, 15), 6);
    // "PJJ123C" in code set B.
    QCOMPARE(checkdigits::modulo103(104, {48, 42, 42, 17, 18, 19, 35}), 55);
    QCOMPARE(checkdigits::modulo43({12, 24, 13, 14, 36, 3, 9}), 25);
  }

  void refusedTexts_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QString>("message");
    const QString digits = QStringLiteral("条码必须是数字");
    QTest::newRow("EAN13 letter") << int(bcCodeEAN13) << "69012A" << false << digits;
    QTest::newRow("interleaved inner blank") << int(bcCode_2_5_interleaved) << "12 34" << false << digits;
    QTest::newRow("PostNet sign") << int(bcCodePostNet) << "-1" << false << digits;
    QTest::newRow("UPC-E Chinese") << int(bcCodeUPC_E0) << QStringLiteral("12三") << false << digits;
    QTest::newRow("EAN128C letter") << int(bcCodeEAN128C) << "12&FNC1;3a" << false << digits;
    QTest::newRow("EAN128B check over letters") << int(bcCodeEAN128B) << "AB" << true << digits;
    QTest::newRow("Code93 lower case") << int(bcCode93) << "abc" << false
                                       << QStringLiteral("TQelBarcode:Code93 bad Data <abc>");
    QTest::newRow("Code93 ext non-ASCII") << int(bcCode93Extended) << QStringLiteral("a中") << false
                                          << QStringLiteral("TQelBarcode:Code93 bad Data <a中>");
    QTest::newRow("Codabar letter") << int(bcCodeCodabar) << "12X4" << false
                                    << QStringLiteral("TQelBarcode:Codabar bad Data <12X4>");
    QTest::newRow("type above 22") << 23 << "1" << false << QStringLiteral("TQelBarcode: wrong BarcodeType");
    QTest::newRow("negative type") << -1 << "1" << false << QStringLiteral("TQelBarcode: wrong BarcodeType");
  }
  void refusedTexts() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(bool, checksum);
    QFETCH(QString, message);
    TQelBarcode barcode;
    barcode.setBarCodeType(type);
    barcode.setText(text);
    barcode.setChecksum(checksum);
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QImage untouched = image;
    QString error;
    {
      QPainter painter(&image);
      QVERIFY(!barcode.tryDrawBarcode(painter, QRectF(0, 0, 200, 80), true, true, &error));
    }
    QCOMPARE(error, message);
    QCOMPARE(image, untouched);
  }

  void encodingTwiceGivesTheSameBarcode_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    const QStringList texts{"12345",   "1234567",  "1234567",      "CODE 39",     "Code39 ext!",  "ABC12",
                            "Abc12",   "1234",     "CODE93",       "Code 93 ext", "1234",         "12345",
                            "A12-34B", "12345670", "690123456789", "03600029145", "123456",       "123456",
                            "12",      "24699",    "10&FNC1;12",   "0123",        "&FNC1;0112345"};
    for (int type = 0; type < kBarcodeTypeCount; ++type)
      QTest::newRow(symbologyInfo(type)->displayName) << type << texts[type];
  }
  void encodingTwiceGivesTheSameBarcode() {
    QFETCH(int, type);
    QFETCH(QString, text);
    TQelBarcode barcode;
    barcode.setBarCodeType(type);
    barcode.setText(text);
    barcode.setChecksum(true);
    const EncodedBarcode first = barcode.encode();
    const QString textAfterFirst = barcode.text();
    const EncodedBarcode second = barcode.encode();
    QCOMPARE(second.pattern, first.pattern);
    QCOMPARE(barcode.text(), textAfterFirst);
    QVERIFY(!first.pattern.isEmpty());
    for (char element : first.pattern) QVERIFY(elementKind(element) != ElementKind::Invalid);
  }

  void fixedPatterns_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("pattern");
    QTest::newRow("industrial") << int(bcCode_2_5_industrial) << "1" << QByteArray("55055050605050506055050550");
    QTest::newRow("matrix") << int(bcCode_2_5_matrix) << "1" << QByteArray("70505060506070505");
    QTest::newRow("MSI 1 and check 8") << int(bcCodeMSI) << "1" << QByteArray("605151516060515151515");
    QTest::newRow("PostNet 1") << int(bcCodePostNet) << "1" << QByteArray("51A1A1A151515");
    QTest::newRow("UPC Supp2 00") << int(bcCodeUPC_Supp2) << "0" << QByteArray("5062605052605");
  }
  void fixedPatterns() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, pattern);
    QCOMPARE(encoded(type, text).pattern, pattern);
  }

  void quarterTurnsRunTheBarsAcrossTheRectangle_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<QSize>("size");
    QTest::newRow("0") << 0 << QSize(200, 40);
    QTest::newRow("90") << 90 << QSize(40, 200);
    QTest::newRow("180") << 180 << QSize(200, 40);
    QTest::newRow("270") << 270 << QSize(40, 200);
  }
  void quarterTurnsRunTheBarsAcrossTheRectangle() {
    QFETCH(int, angle);
    QFETCH(QSize, size);
    TQelBarcode barcode;
    barcode.setBarCodeType(bcCode128B);
    barcode.setText("AB12");
    barcode.setAngle(angle);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
      QPainter painter(&image);
      barcode.drawBarcode(painter, QRectF(QPointF(0, 0), size), false, false);
    }
    const bool sideways = angle % 180 != 0;
    const int along = sideways ? size.height() : size.width();
    auto pixel = [&](int a, int c) { return sideways ? image.pixel(c, a) : image.pixel(a, c); };
    int changes = 0;
    for (int a = 1; a < along; ++a) changes += pixel(a, size.width() / 10) != pixel(a - 1, size.width() / 10);
    QVERIFY2(changes > 20, qPrintable(QString::number(changes)));
    // Across the bars nothing changes, and the drawing fills the rectangle (no red left).
    for (int a = 0; a < along; a += 7)
      for (int c = 1; c < (sideways ? size.width() : size.height()); ++c) QCOMPARE(pixel(a, c), pixel(a, 0));
    QVERIFY(pixel(0, 0) != qRgb(255, 0, 0) && pixel(along - 1, 0) != qRgb(255, 0, 0));
  }

  void nothingDrawnOutsideTheDevice() {
    TQelBarcode barcode;
    barcode.setText("690123456789");
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    for (const QRectF &rect : {QRectF(0, 0, 0, 30), QRectF(0, 0, 30, -5), QRectF(-40, 0, 30, 30)})
      barcode.drawBarcode(painter, rect, true, true);
    painter.end();
    QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
  }

  void symbologyLookUp() {
    QCOMPARE(findSymbology("ean13")->type, bcCodeEAN13);
    QCOMPARE(findSymbology(" 22 ")->type, bcCodeEAN128C);
    QCOMPARE(findSymbology("Code39 Extended")->type, bcCode39Extended);
    QCOMPARE(findSymbology("bcCodeCodabar")->type, bcCodeCodabar);
    QVERIFY(!findSymbology("23"));
    QVERIFY(!findSymbology("QR"));
  }
};

QTEST_MAIN(TestBarcodeEncoding)
#include "tst_barcode_encoding.moc"
