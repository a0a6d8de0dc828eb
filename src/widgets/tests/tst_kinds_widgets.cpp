#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/grid.h"
#include "controls/image.h"
#include "controls/line.h"
#include "controls/personcard_edit.h"
#include "controls/radiobutton.h"
#include "controls/shape.h"
#include "controls/zipcode_edit.h"
#include "document/control_registry.h"
#include "document/edit_panels.h"
#include "widgets/checkbox_widget.h"
#include "widgets/combobox_widget.h"
#include "widgets/grid_widget.h"
#include "widgets/image_widget.h"
#include "widgets/line_widget.h"
#include "widgets/radiobutton_widget.h"
#include "widgets/shape_widget.h"
#include "widgets/zipcode_widget.h"

using namespace op;

namespace {

// Bounding box of the pixels that differ from `background`.
QRect paintedBox(const QImage &image, QRgb background) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

// Types `keys` into whichever box has the focus, the way a user does.
void typeInto(ZipCodeWidget &widget, const QString &keys) {
  for (QChar c : keys) {
    QWidget *target = widget.focusWidget();
    QVERIFY2(target && widget.isAncestorOf(target), target ? target->metaObject()->className() : "no focus");
    QTest::keyClick(target, c.toLatin1());
  }
}

}  // namespace

class TestKindsWidgets : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setDesignMode(false); }
  void cleanup() { QCOMPARE(runRegistry().fields().size(), 0); }

  void postalCodeTyping() {
    TQELZipCodeEdit edit;
    edit.setGeometry(QRect(0, 0, 284, 30));
    ZipCodeWidget widget(edit);
    widget.show();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    widget.box(0)->setFocus();
    typeInto(widget, QStringLiteral("51a8 0x57"));
    QCOMPARE(edit.value(), QStringLiteral("518057"));
    QCOMPARE(widget.focusWidget(), widget.box(5));
    QTest::keyClick(widget.box(2), Qt::Key_Backspace);
    QCOMPARE(edit.value(), QStringLiteral("51057"));
    QCOMPARE(widget.box(2)->text(), QString());
    edit.setZipCodeStr(QStringLiteral("100080"));
    QCOMPARE(widget.box(4)->text(), QStringLiteral("8"));
    QCOMPARE(widget.button()->toolTip(), QStringLiteral("选择邮政编码"));
    QSignalSpy picked(&edit, &TPCustomZipCodeEdit::buttonClicked);
    QTest::mouseClick(widget.button(), Qt::LeftButton);
    QCOMPARE(picked.size(), 1);
    widget.grab().save(QStringLiteral("/tmp/widget_zipcode.png"));
    edit.setGeometry(QRect(0, 0, 400, 50));
    QCOMPARE(widget.size(), QSize(400, 50));
    QCOMPARE(widget.box(1)->geometry(), QRect(66, 16, 12, 18));
    QCOMPARE(widget.button()->geometry(), QRect(379, 15, 20, 20));
  }

  void idCardTyping() {
    TPersonCardCodeEdit card;
    ZipCodeWidget widget(card);
    widget.show();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    widget.box(0)->setFocus();
    typeInto(widget, QStringLiteral("11010519491231002YZx"));
    QCOMPARE(card.value(), QStringLiteral("11010519491231002x"));
    QCOMPARE(widget.button()->toolTip(), QStringLiteral("选择证件号码"));
    widget.grab().save(QStringLiteral("/tmp/widget_idcard.png"));
  }

  void checkBoxGroupThroughTheWidgets() {
    TEditPanels document;
    QWidget panel;
    panel.resize(200, 80);
    QList<TQELCheckBox *> boxes;
    QList<CheckBoxWidget *> widgets;
    for (int i = 0; i < 3; ++i) {
      auto *box = new TQELCheckBox(&document);
      box->setGeometry(QRect(10 + 60 * i, 10, 55, 20));
      box->setCaption(QStringLiteral("选项%1").arg(i + 1));
      box->setCheckGroup(1);
      boxes << box;
      widgets << new CheckBoxWidget(*box, &panel);
    }
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(widgets[0]->checkBox(), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(boxes[0]->isChecked());
    QTest::mouseClick(widgets[1]->checkBox(), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(!boxes[0]->isChecked() && boxes[1]->isChecked() && !boxes[2]->isChecked());
    QVERIFY(!widgets[0]->checkBox()->isChecked() && widgets[1]->checkBox()->isChecked());
    QTest::mouseClick(widgets[1]->checkBox(), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(!boxes[1]->isChecked());
    boxes[2]->setChecked(true);
    QVERIFY(widgets[2]->checkBox()->isChecked());
    panel.grab().save(QStringLiteral("/tmp/widget_checkboxes.png"));
  }

  void listBoxAndRadioButton() {
    TQELComboBox list;
    list.setItems({QStringLiteral("顺丰"), QStringLiteral("圆通")});
    ComboBoxWidget listWidget(list, nullptr);
    QCOMPARE(listWidget.comboBox()->count(), 2);
    QCOMPARE(listWidget.comboBox()->currentIndex(), -1);
    listWidget.comboBox()->setCurrentIndex(1);
    emit listWidget.comboBox()->activated(1);
    QCOMPARE(list.text(), QStringLiteral("圆通"));
    list.setItemIndex(0);
    QCOMPARE(listWidget.comboBox()->currentText(), QStringLiteral("顺丰"));
    listWidget.grab().save(QStringLiteral("/tmp/widget_combobox.png"));

    TQELRadioButton radio;
    radio.setCaption(QStringLiteral("普通件"));
    RadioButtonWidget radioWidget(radio, nullptr);
    radioWidget.radioButton()->click();
    QVERIFY(radio.isChecked());
    QCOMPARE(radioWidget.radioButton()->text(), QStringLiteral("普通件"));
  }

  // The figures on screen lie where they print: the square centred, the frame's borders, the line through
  // the middle, the stretched picture.
  void graphicsPaintAsTheyPrint() {
    TQelShape shape;
    shape.setGeometry(QRect(0, 0, 120, 30));
    shape.setShapeType(kShapeSquare);
    shape.setFullFill(true);
    shape.setPenColor(0x0000FF);
    ShapeWidget shapeWidget(shape, nullptr);
    QImage shot = shapeWidget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(paintedBox(shot, shot.pixel(0, 0)), QRect(45, 0, 30, 30));

    TQelLine line;
    line.setGeometry(QRect(0, 0, 120, 30));
    LineWidget lineWidget(line, nullptr);
    shot = lineWidget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(paintedBox(shot, shot.pixel(0, 0)), QRect(0, 15, 120, 1));

    TQELGrid grid;
    grid.setGeometry(QRect(0, 0, 60, 40));
    grid.setBoTop(false);
    GridWidget gridWidget(grid, nullptr);
    shot = gridWidget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.pixel(0, 20), qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(59, 20), qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(30, 39), qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(30, 0), qRgb(255, 255, 255));

    TQELImage image;
    image.setGeometry(QRect(0, 0, 80, 40));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    image.setPicture(picture);
    ImageWidget imageWidget(image, nullptr);
    QCOMPARE(imageWidget.toolTip(), QStringLiteral("双击选择图片"));
    shot = imageWidget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(qRed(shot.pixel(75, 35)) > 200 && qGreen(shot.pixel(75, 35)) < 60);
    image.setStretch(false);
    shot = imageWidget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(qGreen(shot.pixel(75, 35)) > 200 || qAlpha(shot.pixel(75, 35)) == 0);
    // A picture that never decoded leaves the field empty and the widget paints nothing.
    image.clearPicture();
    QVERIFY(!image.setImageData(QStringLiteral("AAAA")));
    imageWidget.grab();
  }

  // All kinds filled in on one panel, for looking at.
  void filledInPanel() {
    TEditPanels document;
    QWidget panel;
    panel.resize(420, 260);
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(Qt::white));
    auto *zip = new TQELZipCodeEdit(&document);
    zip->setGeometry(QRect(10, 10, 284, 30));
    zip->setZipCodeStr(QStringLiteral("518057"));
    new ZipCodeWidget(*zip, &panel);
    auto *card = new TPersonCardCodeEdit(&document);
    card->setGeometry(QRect(10, 50, 400, 30));
    card->setZipCodeStr(QStringLiteral("11010519491231002X"));
    new ZipCodeWidget(*card, &panel);
    auto *box = new TQELCheckBox(&document);
    box->setGeometry(QRect(10, 90, 80, 20));
    box->setCaption(QStringLiteral("到付"));
    box->setChecked(true);
    new CheckBoxWidget(*box, &panel);
    auto *list = new TQELComboBox(&document);
    list->setGeometry(QRect(100, 90, 120, 22));
    list->setItems({QStringLiteral("顺丰速运")});
    list->setItemIndex(0);
    new ComboBoxWidget(*list, &panel);
    auto *grid = new TQELGrid(&document);
    grid->setGeometry(QRect(10, 120, 120, 60));
    new GridWidget(*grid, &panel);
    auto *line = new TQelLine(&document);
    line->setGeometry(QRect(140, 120, 120, 30));
    line->setLineType(kLineFalling);
    line->setPenWidth(2);
    new LineWidget(*line, &panel);
    auto *shape = new TQelShape(&document);
    shape->setGeometry(QRect(140, 160, 120, 40));
    shape->setShapeType(kShapeRoundRect);
    shape->setPenStyle(1);
    new ShapeWidget(*shape, &panel);
    auto *image = new TQELImage(&document);
    image->setGeometry(QRect(280, 120, 120, 80));
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(QColor(200, 220, 255));
    QPainter(&picture).drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("图"));
    image->setPicture(picture);
    new ImageWidget(*image, &panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.grab().save(QStringLiteral("/tmp/widget_panel.png"));
  }
};

QTEST_MAIN(TestKindsWidgets)
#include "tst_kinds_widgets.moc"
