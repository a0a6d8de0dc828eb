// Labels and edits written by the document writer, read back into the run registry, filled and printed
// through the one-copy path into a 300-dpi PDF: the ink of every text lies in the rectangle its item
// computes, aligned as the field says.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/edit.h"
#include "controls/field_kinds.h"
#include "controls/label.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/interfaces.h"
#include "printing/print_template.h"
#include "printing/printblock.h"
#include "printing/printonecopy.h"
#include "printing/printtarget.h"
#include "inkbox.h"

using namespace op;

namespace {

constexpr int kDpi = 300;
const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Root ver=\"1.0\" MakeType=\"Stand\" "
    "ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

struct LabelSpec {
  QString caption;
  QRect rect;
  int textStyle;
  int angle;
};

QString writeTemplate(const QList<LabelSpec> &labels, const QRect &editRect) {
  setDesignMode(true);
  TEditPanels document;
  document.SetTitle(QStringLiteral("送货单"));
  for (const LabelSpec &spec : labels) {
    auto *label = new TQELLabel(&document);
    label->setGeometry(spec.rect);
    label->setCaption(spec.caption);
    label->setTextStyle(spec.textStyle);
    label->setFontExtStyle(spec.angle);
    label->setFontSize(14);
  }
  auto *edit = new TQELEdit(&document);
  edit->setName(QStringLiteral("Edit1"));
  edit->setGeometry(editRect);
  edit->setFontSize(14);
  const QString text = writeDocumentOnSkeleton(document, kSkeleton, designRegistry());
  setDesignMode(false);
  return text;
}

QRect toRect(const ItemRect &r) { return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)); }

}  // namespace

class TestTextFieldsPrint : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { registerFieldKinds(); }
  void textsLandInTheirRectangles();
};

void TestTextFieldsPrint::textsLandInTheirRectangles() {
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");

  // Design pixels at 96 dpi on a 200 × 120 mm sheet: 756 × 454 pixels, so the design scale is 1.
  const QList<LabelSpec> labels = {
      {QStringLiteral("左对齐"), {120, 20, 200, 40}, 1, 0},
      {QStringLiteral("居中"), {120, 80, 200, 40}, 2, 0},
      {QStringLiteral("右对齐"), {120, 140, 200, 40}, 3, 0},
      // Turned fields are designed as on the turned sheet: the page turns with them.
      {QStringLiteral("竖排九十"), {450, 400, 300, 40}, 1, 900},
      {QStringLiteral("竖排二七零"), {100, 400, 300, 40}, 1, 2700},
  };
  const QString documentText = writeTemplate(labels, {120, 220, 200, 40});

  auto document = readDocument(documentText);
  QVERIFY(document);
  document->setPanelSize(QSize(756, 454));
  IQELRunData *edit = nullptr;
  for (QObject *child : document->children())
    if (auto *field = qobject_cast<TQELEdit *>(child)) edit = query<IQELRunData>(field->GetDesign());
  QVERIFY(edit);
  edit->SetRunValue(QStringLiteral("张三 13800138000"));

  const QString custom = QStringLiteral("<Root><REALWIDTH VALUE=\"200\"/><REALHEIGHT VALUE=\"120\"/></Root>");
  PrintTemplate tpl = PrintTemplateOfDocument(*document, custom);
  QCOMPARE(int(tpl.Sources.size()), labels.size() + 1);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("copy.pdf"));
  PdfTarget target(pdf, kDpi, QPageSize(QSizeF(200, 120), QPageSize::Millimeter));
  QVERIFY(target.beginDocument(tpl.Title));
  TPrintJobParams job;
  job.OwnDocument = false;
  job.Printer = &target;
  PrintEnvironment env;
  PrintCopyOutput output;
  QVERIFY(PrintOneCopy(1, job, &tpl, env, &output));
  QVERIFY(target.endDocument());

  const auto items = ReadPrintBlockItems(output.scaledBlock);
  QVERIFY(items && items->size() == size_t(labels.size() + 1));
  QCOMPARE(QProcess::execute(pdftoppm, {"-r", QString::number(kDpi), "-png", "-singlefile", pdf, dir.filePath("p")}),
           0);
  const QImage page = QImage(dir.filePath(QStringLiteral("p.png"))).convertToFormat(QImage::Format_RGB32);
  QVERIFY(!page.isNull());

  for (size_t i = 0; i < items->size(); ++i) {
    const PrintItem &item = (*items)[i];
    const QRect cell = toRect(item.PrintRect).translated(output.originX, output.originY);
    // Everything drawn near the cell belongs to this item: the fields are far apart.
    const QRect ink = inkBox(page, cell.adjusted(-60, -60, 60, 60));
    QVERIFY2(!ink.isNull(), qPrintable(QStringLiteral("item %1 drew nothing").arg(i)));
    QVERIFY2(cell.adjusted(-1, -1, 1, 1).contains(ink),
             qPrintable(QStringLiteral("item %1: ink %2,%3 %4x%5 outside cell %6,%7 %8x%9")
                            .arg(i)
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(cell.x())
                            .arg(cell.y())
                            .arg(cell.width())
                            .arg(cell.height())));
    if (item.FontExtValue != 0) continue;
    const int slack = kDpi / 25;  // side bearing of the first or last glyph
    switch (item.HasTextStyle ? item.TextStyle : 1) {
      case 2:
        QVERIFY(qAbs(ink.center().x() - cell.center().x()) <= slack);
        break;
      case 3:
        QVERIFY(cell.right() - ink.right() <= slack);
        break;
      default:
        QVERIFY(ink.left() - cell.left() <= slack);
    }
  }
}

QTEST_MAIN(TestTextFieldsPrint)
#include "tst_text_fields_print.moc"
