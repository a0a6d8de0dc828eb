// End to end through a real CUPS queue: a private cupsd with a CUPS-PDF queue, one copy printed through the
// print button's path, and the mark found on the produced PDF page where the offsets put it.
#include "inkbox.h"
#include "printing/pageunits.h"
#include "printing/printer_list_dialog.h"
#include "printing/printitemsource.h"
#include "printing/printonecopy.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <unistd.h>

using namespace op;

namespace {

const QString kScript = QStringLiteral(OP_SOURCE_DIR "/scripts/cups-test-env.sh");
const QString kQueue = QStringLiteral("overprint-e2e");

PrintItem markItem() {
  PrintItem item;
  item.PrintType = kPrintShape;
  item.PrintRect = {100, 120, 140, 160};  // design pixels
  item.BaseRect = item.PrintRect;
  PenBlock pen;
  pen.Kind = kShapeRectangle;
  pen.PenWidth = 1;
  pen.FullFill = true;
  item.setPayload(pen.toShapeBytes());
  return item;
}

QStringList pdfs(const QString &folder) {
  return QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Time);
}

}  // namespace

class TestCupsPrint : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString out_;
  bool started_ = false;

 private slots:
  void initTestCase() {
    if (geteuid() != 0) QSKIP("cupsd with the CUPS-PDF backend needs root; run the tests as root (.ci/run does)");
    QProcess start;
    start.start(kScript, {"start", dir_.path(), kQueue});
    if (!start.waitForFinished(30000) || start.exitCode() != 0)
      QSKIP(qPrintable("cupsd could not be started: " + QString::fromUtf8(start.readAllStandardError())));
    started_ = true;
    for (const QString &line : QString::fromUtf8(start.readAllStandardOutput()).split('\n')) {
      if (line.startsWith("CUPS_SERVER=")) qputenv("CUPS_SERVER", line.mid(12).toUtf8());
      if (line.startsWith("CUPS_PDF_OUT=")) out_ = line.mid(13);
    }
    QVERIFY(!out_.isEmpty());
  }

  void cleanupTestCase() {
    if (started_) QProcess::execute(kScript, {"stop", dir_.path(), kQueue});
  }

  void printerListed() {
    QVERIFY(InstalledPrinters().contains(kQueue));
    QCOMPARE(DefaultPrinterName(), kQueue);
  }

  void markLandsAtOffset_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("unit");
    QTest::newRow("pixels") << 150 << 0;
    QTest::newRow("millimetres") << 10 << 1;
  }
  void markLandsAtOffset() {
    QFETCH(int, offset);
    QFETCH(int, unit);
    ItemListSource source({markItem()});
    PrintTemplate tpl;
    tpl.Title = QStringLiteral("offset");
    tpl.RealWidth = 210;  // 794 × 1122 screen pixels at 96 dpi: design scale 1
    tpl.RealHeight = 297;
    tpl.DesignWidth = 794;
    tpl.DesignHeight = 1122;
    tpl.PrintLeft = offset;
    tpl.PrintTop = offset;
    tpl.RealType = unit;
    tpl.Sources = {&source};
    int dpiX = 0, dpiY = 0;
    PrintEnvironment env;
    env.openPrinter = [&](int mode, PrinterChoice &choice) {
      auto printer = OpenPrinterForCopy(mode, choice);
      if (printer) {
        dpiX = printer->dpiX();
        dpiY = printer->dpiY();
      }
      return printer;
    };
    QStringList messages;
    env.showMessage = [&](const QString &, const QString &text, bool) { messages << text; };
    const int before = int(pdfs(out_).size());
    TPrintJobParams job;  // as the print button: the copy opens its own document on the default printer
    QVERIFY(PrintOneCopy(1, job, &tpl, env));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QTRY_VERIFY_WITH_TIMEOUT(pdfs(out_).size() > before, 60000);
    const QString pdf = QDir(out_).filePath(pdfs(out_).first());
    QThread::msleep(500);  // the backend finishes writing

    const int expectedLeft = OffsetToDevicePixels(offset, unit, dpiX) + int(100.0 * dpiX / 96);
    const int expectedTop = OffsetToDevicePixels(offset, unit, dpiY) + int(120.0 * dpiY / 96);
    const int crop = qMax(expectedLeft, expectedTop) + int(60.0 * dpiX / 96);
    QProcess render;
    const QString prefix = dir_.filePath(QStringLiteral("page%1").arg(unit));
    render.start("pdftoppm", {"-r",          QString::number(dpiX),
                              "-rx",         QString::number(dpiX),
                              "-ry",         QString::number(dpiY),
                              "-f",          "1",
                              "-l",          "1",
                              "-x",          "0",
                              "-y",          "0",
                              "-W",          QString::number(crop),
                              "-H",          QString::number(crop),
                              "-gray",       "-png",
                              "-singlefile", pdf,
                              prefix});
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    QImage page(prefix + ".png");
    QVERIFY(!page.isNull());
    const QRect ink = inkBox(page.convertToFormat(QImage::Format_RGB32));
    QVERIFY2(!ink.isNull(), "nothing printed");
    QVERIFY2(qAbs(ink.left() - expectedLeft) <= 1,
             qPrintable(QStringLiteral("left %1, expected %2 at %3 dpi").arg(ink.left()).arg(expectedLeft).arg(dpiX)));
    QVERIFY2(qAbs(ink.top() - expectedTop) <= 1,
             qPrintable(QStringLiteral("top %1, expected %2 at %3 dpi").arg(ink.top()).arg(expectedTop).arg(dpiY)));
  }
};

QTEST_MAIN(TestCupsPrint)
#include "tst_cups_print.moc"
