#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "barcode/qelbarcode.h"

using namespace op;

// Draws barcodes on a 300-dpi PDF page as the print path does, rasterises the page and reads it back with a
// barcode reader.
class TestBarcodeDecode : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static QString run(const QString &program, const QStringList &args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000)) return QStringLiteral("<%1 did not finish>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
  }

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("zbarimg").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
      QSKIP("zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed");
    QVERIFY(dir_.isValid());
  }

  void readBack_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<QString>("expected");
    struct Row {
      int type;
      const char *text;
      bool checksum;
      const char *expected;
    };
    const Row rows[] = {
        {bcCodeEAN8, "1234567", true, "12345670"},
        {bcCodeEAN13, "690123456789", true, "6901234567892"},
        {bcCodeUPC_A, "036000291450", true, "0036000291452"},
        {bcCodeUPC_E0, "123455", true, "0001234000057"},
        {bcCode128A, "HELLO 12", false, "HELLO 12"},
        {bcCode128B, "Hello-123456", false, "Hello-123456"},
        {bcCode128C, "12345", false, "012345"},
        {bcCodeEAN128B, "AB12&FNC1;34", false,
         "AB12\x1d"
         "34"},
        {bcCodeEAN128C, "0112345678901231", false, "0112345678901231"},
        {bcCode39, "CODE-39", false, "CODE-39"},
        {bcCode93, "CODE93 X", false, "CODE93 X"},
        {bcCode93Extended, "Ab c", false, "Ab c"},
        {bcCodeCodabar, "123456", false, "A123456B"},
        {bcCode_2_5_interleaved, "12345", true, "123457"},
    };
    for (int angle : {0, 90})
      for (const Row &row : rows)
        QTest::addRow("%s %s at %d", symbologyInfo(row.type)->displayName, row.text, angle)
            << row.type << QString::fromLatin1(row.text) << row.checksum << QString::fromLatin1(row.expected);
  }

  void readBack() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(bool, checksum);
    QFETCH(QString, expected);
    const int angle = QString(QTest::currentDataTag()).endsWith(" 90") ? 90 : 0;
    const QString pdf = dir_.filePath("barcode.pdf");
    const QSizeF pageMm = angle == 0 ? QSizeF(80, 35) : QSizeF(35, 80);
    {
      QPdfWriter writer(pdf);
      writer.setResolution(300);
      writer.setPageSize(QPageSize(pageMm, QPageSize::Millimeter));
      writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      QPainter painter(&writer);
      // A quiet zone of 10 mm before and after the bars.
      const double margin = 10 * 300 / 25.4;
      const QRectF page(0, 0, writer.width(), writer.height());
      const QRectF rect = angle == 0 ? page.adjusted(margin, 0, -margin, 0) : page.adjusted(0, margin, 0, -margin);
      TQelBarcode barcode;
      barcode.setBarCodeType(type);
      barcode.setText(text);
      barcode.setChecksum(checksum);
      barcode.setAngle(angle);
      barcode.drawBarcode(painter, rect, true, true);
    }
    run("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, dir_.filePath("page")});
    const QString decoded = run("zbarimg", {"--raw", "-q", dir_.filePath("page.png")});
    QCOMPARE(decoded.trimmed(), expected);
  }
};

QTEST_MAIN(TestBarcodeDecode)
#include "tst_barcode_decode.moc"
