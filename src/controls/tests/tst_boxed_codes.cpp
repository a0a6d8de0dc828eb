#include <QImage>
#include <QPainter>
#include <QtTest>

#include "../../printing/tests/inkbox.h"
#include "controls/personcard_edit.h"
#include "controls/zipcode_edit.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/printitem.h"
#include "printing/renderer.h"

using namespace op;

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

QStringList propertyNames(const Persistent &object) {
  QStringList names;
  for (const PropertyDescriptor &descriptor : object.publishedProperties()) names << descriptor.name;
  return names;
}

std::unique_ptr<TPCustomZipCodeEdit> makeEdit(int boxes, QObject *owner = nullptr) {
  if (boxes == 18) return std::make_unique<TPersonCardCodeEdit>(owner);
  return std::make_unique<TQELZipCodeEdit>(owner);
}

// A design point of a page turned by `angle` back on the unturned design panel of size `panel`.
QPoint designPoint(QPoint page, int angle, QSize panel) {
  switch (angle / 900) {
    case 1:
      return {panel.width() - page.y(), page.x()};
    case 2:
      return {panel.width() - page.x(), panel.height() - page.y()};
    case 3:
      return {page.y(), panel.height() - page.x()};
    default:
      return page;
  }
}

}  // namespace

class TestBoxedCodes : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerZipCodeClass();
    registerPersonCardClass();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void kinds_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("hint");
    QTest::newRow("postal code") << "TQELZipCodeEdit" << 6 << "邮政编码控件"
                                 << "选择邮政编码";
    QTest::newRow("ID card") << "TPersonCardCodeEdit" << 18 << "证件号码控件"
                             << "选择证件号码";
  }
  void kinds() {
    QFETCH(QString, className);
    QFETCH(int, boxes);
    QObject owner;
    auto *edit = qobject_cast<TPCustomZipCodeEdit *>(ClassRegistry::instance().create(className, &owner));
    QVERIFY(edit);
    QCOMPARE(edit->className(), className);
    QCOMPARE(edit->boxCount(), boxes);
    QCOMPARE(edit->geometry(), QRect(0, 0, 284, 30));
    QTEST(edit->buttonHint(), "hint");
    IQELDesign *design = edit->GetDesign();
    edit->setName(className.mid(1) + QStringLiteral("3"));
    QFETCH(QString, displayName);
    QCOMPARE(design->GetHelpText(), displayName + QStringLiteral("3"));
    QCOMPARE(propertyNames(*edit->designObject()),
             QStringList({"TextStyle", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderLine",
                          "FontStrikeOut", "FontColor", "ATop", "ALeft", "AHeight", "AWidth", "FontExtStyle",
                          "ControlName", "ControlId", "DbStoreFlag"}));
    QVERIFY(query<IQELDBStore>(design) && query<IQELFontDesign>(design) && query<IQELTextDesign>(design));
    auto *bind = query<IQELDataBind>(design);
    QVERIFY(bind);
    QCOMPARE(bind->GetBindType(), 0);
    QCOMPARE(bind->GetKindCaption(), QString());
    bind->SetBindValue(QStringLiteral("1234"));
    QCOMPARE(edit->value(), QStringLiteral("1234"));
    QCOMPARE(bind->GetBindValue(), QStringLiteral("1234"));
    delete edit;
  }

  void typing_data() {
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("box");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<int>("focusAfter");  // -1: refused
    QTest::newRow("digit moves on") << 6 << 0 << QChar('5') << 1;
    QTest::newRow("last box keeps focus") << 6 << 5 << QChar('9') << 5;
    QTest::newRow("letter refused") << 6 << 2 << QChar('a') << -1;
    QTest::newRow("X refused in postal code") << 6 << 5 << QChar('X') << -1;
    QTest::newRow("blank refused") << 6 << 1 << QChar(' ') << -1;
    QTest::newRow("full-width digit refused") << 6 << 1 << QChar(0xFF11) << -1;
    QTest::newRow("card digit") << 18 << 3 << QChar('0') << 4;
    QTest::newRow("card X in box 17") << 18 << 17 << QChar('X') << 17;
    QTest::newRow("card x in box 17") << 18 << 17 << QChar('x') << 17;
    QTest::newRow("card digit in box 17") << 18 << 17 << QChar('7') << 17;
    QTest::newRow("card other letter in box 17") << 18 << 17 << QChar('Y') << -1;
    QTest::newRow("card X before box 17") << 18 << 16 << QChar('X') << -1;
    QTest::newRow("box outside") << 6 << 6 << QChar('1') << -1;
  }
  void typing() {
    QFETCH(int, boxes);
    QFETCH(int, box);
    QFETCH(QChar, key);
    QFETCH(int, focusAfter);
    auto edit = makeEdit(boxes);
    QCOMPARE(edit->typeChar(box, key), focusAfter);
    QCOMPARE(edit->value(), focusAfter < 0 ? QString() : QString(key));
  }

  void typingFillsTheBoxesInTurn() {
    TPersonCardCodeEdit card;
    int focus = 0;
    for (QChar c : QStringLiteral("11010519491231002X")) focus = card.typeChar(focus, c);
    QCOMPARE(card.value(), QStringLiteral("11010519491231002X"));
    QCOMPARE(focus, 17);
    card.eraseBox(4);
    QCOMPARE(card.value(), QStringLiteral("1101519491231002X"));
    QCOMPARE(card.boxText(4), QString());
  }

  void zipCodeStr_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("seven digits cut") << "1000801" << QStringList{"1", "0", "0", "0", "8", "0"};
    QTest::newRow("three digits") << "518" << QStringList{"5", "1", "8", "", "", ""};
    QTest::newRow("empty") << "" << QStringList{"", "", "", "", "", ""};
  }
  void zipCodeStr() {
    QFETCH(QString, text);
    QFETCH(QStringList, boxes);
    TQELZipCodeEdit edit;
    edit.setZipCodeStr(QStringLiteral("999999"));
    edit.setZipCodeStr(text);
    QCOMPARE(edit.zipCodeStr(), text);
    for (int i = 0; i < 6; ++i) QCOMPARE(edit.boxText(i), boxes.at(i));
  }

  // Boxes sit at trunc(i × pitch) + 4 with the pitch from the button's left edge; they stay 12 × 18.
  void layout_data() {
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<int>("top");
    QTest::newRow("postal default") << 6 << QSize(284, 30) << QRect(263, 5, 20, 20)
                                    << QList<int>{4, 47, 91, 134, 178, 221} << 6;
    QTest::newRow("postal resized") << 6 << QSize(400, 60) << QRect(379, 20, 20, 20)
                                    << QList<int>{4, 66, 129, 192, 255, 318} << 21;
    QTest::newRow("postal flat") << 6 << QSize(284, 18) << QRect(263, -1, 20, 20)
                                 << QList<int>{4, 47, 91, 134, 178, 221} << 0;
    QTest::newRow("card") << 18 << QSize(284, 30) << QRect(263, 5, 20, 20)
                          << QList<int>{4,   18,  33,  47,  62,  76,  91,  105, 120,
                                        134, 149, 163, 178, 192, 207, 221, 236, 250}
                          << 6;
  }
  void layout() {
    QFETCH(int, boxes);
    QFETCH(QSize, size);
    QFETCH(QList<int>, lefts);
    auto edit = makeEdit(boxes);
    edit->setGeometry(QRect(QPoint(10, 10), size));
    QTEST(edit->buttonRect(), "button");
    for (int i = 0; i < boxes; ++i) {
      QCOMPARE(edit->boxRect(i).left(), lefts.at(i));
      QTEST(edit->boxRect(i).top(), "top");
      QCOMPARE(edit->boxRect(i).size(), QSize(12, 18));
    }
  }

  void printItems_data() {
    QTest::addColumn<int>("angle");
    QTest::newRow("0") << 0;
    QTest::newRow("900") << 900;
    QTest::newRow("1800") << 1800;
    QTest::newRow("2700") << 2700;
  }
  // One item per box; unturned each starts at its box (r.Left + box left, r.Top + box top, r.Right, r.Bottom).
  // Turned, each box's rectangle turns with the page.
  void printItems() {
    QFETCH(int, angle);
    TEditPanels document;
    document.setPanelSize(QSize(500, 300));
    TQELZipCodeEdit edit(&document);
    edit.setGeometry(QRect(50, 40, 284, 30));
    edit.setFontExtStyle(angle);
    edit.setZipCodeStr(QStringLiteral("10008"));
    IQELPrintData *print = edit.GetPrintData();
    QCOMPARE(print->GetPrintDataCount(), 6);
    QVERIFY(!print->GetPrinteData(6));
    QVERIFY(!print->GetPrinteData(-1));
    const QList<ItemRect> unturned = {{54, 46, 334, 70},  {97, 46, 334, 70},  {141, 46, 334, 70},
                                      {184, 46, 334, 70}, {228, 46, 334, 70}, {271, 46, 334, 70}};
    for (int i = 0; i < 6; ++i) {
      const auto item = print->GetPrinteData(i);
      QVERIFY(item);
      QCOMPARE(item->text(), i < 5 ? QString("10008").mid(i, 1) : QString());
      QCOMPARE(item->PrintType, qint32(kPrintText));
      QVERIFY(item->HasFontExt);
      QCOMPARE(item->FontExtValue, angle);
      QVERIFY(!item->HasTextStyle && !item->HasTextHorzStyle);
      QCOMPARE(item->BaseRect, (ItemRect{edit.boxRect(i).left(), 6, 334, 70}));
      if (angle == 0) QCOMPARE(item->PrintRect, unturned.at(i));
    }
    if (angle == 900) {
      // Quarter turn: x → y = PW − x, so the box's left edge is the rectangle's bottom.
      QCOMPARE(print->GetPrinteData(1)->PrintRect, (ItemRect{46, 500 - 334, 70, 500 - 97}));
    }
  }

  // Drawn by the renderer, every character lands inside its own box, whatever the rotation.
  void printedCharactersLandInTheirBoxes_data() { printItems_data(); }
  void printedCharactersLandInTheirBoxes() {
    QFETCH(int, angle);
    const QSize panel(500, 300);
    TEditPanels document;
    document.setPanelSize(panel);
    TQELZipCodeEdit edit(&document);
    edit.setGeometry(QRect(50, 40, 284, 30));
    edit.setFontExtStyle(angle);
    edit.setZipCodeStr(QStringLiteral("518057"));
    const QSize page = angle / 900 % 2 ? panel.transposed() : panel;
    QImage all(page, QImage::Format_RGB32);
    all.fill(Qt::white);
    QPainter allPainter(&all);
    for (int i = 0; i < 6; ++i) {
      const auto item = edit.GetPrintData()->GetPrinteData(i);
      QImage image(page, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      DrawPrintItem(painter, *item, 0, 0);
      painter.end();
      DrawPrintItem(allPainter, *item, 0, 0);
      const QRect ink = inkBox(image);
      QVERIFY2(!ink.isEmpty(), qPrintable(QStringLiteral("box %1 printed nothing").arg(i)));
      const QRect design = QRect(designPoint(ink.topLeft(), angle, panel), designPoint(ink.bottomRight(), angle, panel))
                               .normalized()
                               .translated(-edit.left(), -edit.top());
      const QRect box = edit.boxRect(i);
      QVERIFY2(design.left() >= box.left() - 1 && design.right() <= box.right() + 2,
               qPrintable(QStringLiteral("box %1 at %2..%3, ink at %4..%5")
                              .arg(i)
                              .arg(box.left())
                              .arg(box.right())
                              .arg(design.left())
                              .arg(design.right())));
      QVERIFY(design.top() >= box.top() - 1 && design.bottom() <= edit.height());
    }
    allPainter.end();
    all.save(QStringLiteral("/tmp/boxed_code_%1.png").arg(angle));
  }

  void emptyBoxesPrintNothingVisible() {
    TQELZipCodeEdit edit;
    edit.setGeometry(QRect(10, 10, 284, 30));
    edit.setZipCodeStr(QStringLiteral("12"));
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 2; i < 6; ++i) DrawPrintItem(painter, *edit.GetPrintData()->GetPrinteData(i), 0, 0);
    painter.end();
    QVERIFY(inkBox(image).isEmpty());
  }

  void documentRoundTrip() {
    QString text;
    {
      TEditPanels document;
      TPersonCardCodeEdit card(&document);
      card.setGeometry(QRect(12, 34, 300, 28));
      card.setDbStoreFlag(7);
      card.setZipCodeStr(QStringLiteral("12345"));
      text = writeDocumentOnSkeleton(document, kSkeleton);
    }
    QVERIFY(text.contains(QStringLiteral("<ATop VALUE=\"34\" TYPE=\"NUM\"")));
    auto document = readDocument(text);
    const auto cards = document->findChildren<TPersonCardCodeEdit *>();
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first()->geometry(), QRect(12, 34, 300, 28));
    QCOMPARE(cards.first()->dbStoreFlag(), 7);
    QCOMPARE(cards.first()->value(), QString());  // the code itself is not part of the template
  }
};

QTEST_MAIN(TestBoxedCodes)
#include "tst_boxed_codes.moc"
