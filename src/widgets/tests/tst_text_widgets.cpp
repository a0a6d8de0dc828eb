#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "controls/edit.h"
#include "controls/label.h"
#include "controls/memo.h"
#include "widgets/edit_widget.h"
#include "widgets/label_widget.h"
#include "widgets/memo_widget.h"
#include "widgets/widget_factory.h"

using namespace op;

namespace {

// Bounding box of the pixels darker than the ground in a rendering of `widget` over white.
QRect inkBox(QWidget &widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

class TestTextWidgets : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { registerFieldWidgets(); }

  void factoryPicksNearestRegisteredClass() {
    QWidget parent;
    TQELEdit edit;
    TQELLabel label;
    TQELMemo memo;
    QObject notAField;
    QVERIFY(qobject_cast<EditWidget *>(createFieldWidget(edit, &parent)));
    QVERIFY(qobject_cast<LabelWidget *>(createFieldWidget(label, &parent)));
    QVERIFY(qobject_cast<MemoWidget *>(createFieldWidget(memo, &parent)));
    // A kind whose widget is not registered gets none.
    class OtherKind : public QelField {};
    OtherKind other;
    QVERIFY(!createFieldWidget(other, &parent));
  }

  void widgetFollowsModelAndGoesWithIt() {
    QWidget parent;
    auto *label = new TQELLabel;
    QPointer<QWidget> widget = createFieldWidget(*label, &parent);
    label->setGeometry(QRect(15, 25, 90, 20));
    QCOMPARE(widget->geometry(), QRect(15, 25, 90, 20));
    label->setVisible(false);
    QVERIFY(widget->isHidden());
    delete label;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(widget.isNull());
  }

  void shownOnAVisibleSurface() {
    QWidget surface;
    surface.resize(300, 100);
    surface.show();
    TQELEdit edit;
    edit.setGeometry(QRect(10, 10, 200, 24));
    TQELMemo memo;
    memo.setGeometry(QRect(10, 40, 200, 50));
    auto *editWidget = qobject_cast<EditWidget *>(createFieldWidget(edit, &surface));
    auto *memoWidget = qobject_cast<MemoWidget *>(createFieldWidget(memo, &surface));
    QVERIFY(editWidget->lineEdit()->isVisible());
    QVERIFY(memoWidget->textEdit()->isVisible());
    edit.setText("WWWW");
    QVERIFY(!inkBox(surface).isEmpty());
  }

  void labelAlignment_data() {
    QTest::addColumn<int>("textStyle");
    QTest::addColumn<QString>("where");
    QTest::newRow("1 left") << 1 << "left";
    QTest::newRow("2 centred") << 2 << "centre";
    QTest::newRow("3 right") << 3 << "right";
    QTest::newRow("0 left") << 0 << "left";
    QTest::newRow("7 left") << 7 << "left";
  }
  void labelAlignment() {
    QFETCH(int, textStyle);
    QFETCH(QString, where);
    TQELLabel label;
    label.setCaption("IIII");
    label.setGeometry(QRect(0, 0, 200, 30));
    label.setTextStyle(textStyle);
    LabelWidget widget(label, nullptr);
    const QRect ink = inkBox(widget);
    QVERIFY(!ink.isEmpty());
    const int middle = ink.center().x();
    if (where == "left") QVERIFY2(ink.left() < 10, qPrintable(QString::number(ink.left())));
    if (where == "right") QVERIFY2(ink.right() > 189, qPrintable(QString::number(ink.right())));
    if (where == "centre") QVERIFY2(qAbs(middle - 100) <= 3, qPrintable(QString::number(middle)));
  }

  void labelRotationTurnsTheText() {
    TQELLabel label;
    label.setCaption("WWWWWW");
    label.setGeometry(QRect(0, 0, 80, 80));
    LabelWidget widget(label, nullptr);
    const QRect flat = inkBox(widget);
    label.setFontExtStyle(900);
    const QRect turned = inkBox(widget);
    QVERIFY(flat.width() > flat.height());
    QVERIFY(turned.height() > turned.width());
  }

  void labelColour() {
    TQELLabel label;
    label.setCaption("████");
    label.setGeometry(QRect(0, 0, 100, 30));
    label.setFontColor(0x0000FF);  // red in the lowest byte
    LabelWidget widget(label, nullptr);
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image);
    const QRect ink = inkBox(widget);
    QVERIFY(!ink.isEmpty());
    const QColor c = image.pixelColor(ink.center());
    QVERIFY2(c.red() > 200 && c.green() < 60 && c.blue() < 60, qPrintable(c.name()));
  }

  void typingReachesTheModel_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("charCase");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const int none = int(TPCostomEdit::DisplayFormat::None), integer = int(TPCostomEdit::DisplayFormat::Integer),
              currency = int(TPCostomEdit::DisplayFormat::Currency);
    const int normal = int(TPCostomEdit::CharCase::Normal), upper = int(TPCostomEdit::CharCase::Upper),
              lower = int(TPCostomEdit::CharCase::Lower);
    QTest::newRow("free text") << none << normal << 0 << "Li Ming, No.1"
                               << "Li Ming, No.1";
    QTest::newRow("integers refuse letters and points") << integer << normal << 0 << "1a2.3-"
                                                        << "123";
    QTest::newRow("integer sign first") << integer << normal << 0 << "-12"
                                        << "-12";
    QTest::newRow("decimals take one point") << currency << normal << 0 << "12.5.6x"
                                             << "12.56";
    QTest::newRow("upper case") << none << upper << 0 << "abC1"
                                << "ABC1";
    QTest::newRow("lower case") << none << lower << 0 << "AbC"
                                << "abc";
    QTest::newRow("maximum length") << none << normal << 4 << "123456"
                                    << "1234";
  }
  void typingReachesTheModel() {
    QFETCH(int, format);
    QFETCH(int, charCase);
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TQELEdit edit;
    edit.setGeometry(QRect(0, 0, 200, 24));
    edit.setDisplayFormat(TPCostomEdit::DisplayFormat(format));
    edit.setCharCase(TPCostomEdit::CharCase(charCase));
    edit.maxLength = maxLength;
    EditWidget widget(edit, nullptr);
    widget.show();
    QTest::keyClicks(widget.lineEdit(), typed);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(widget.lineEdit()->text(), expected);
  }

  void modelTextIsShownAndReadOnlyHolds() {
    TQELEdit edit;
    edit.setGeometry(QRect(0, 0, 120, 24));
    EditWidget widget(edit, nullptr);
    edit.setText("来自字典");
    QCOMPARE(widget.lineEdit()->text(), QString("来自字典"));
    edit.readOnly = true;
    emit edit.changed();
    QTest::keyClicks(widget.lineEdit(), "x");
    QCOMPARE(edit.text(), QString("来自字典"));
  }

  void boundsApplyWhenEditingEnds_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("below") << "3"
                           << "10";
    QTest::newRow("above") << "250"
                           << "99.5";
    QTest::newRow("inside") << "42"
                            << "42";
  }
  void boundsApplyWhenEditingEnds() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TQELEdit edit;
    edit.setGeometry(QRect(0, 0, 120, 24));
    edit.setDisplayFormat(TPCostomEdit::DisplayFormat::Currency);
    edit.boMinValue = edit.boMaxValue = true;
    edit.minValue = 10;
    edit.maxValue = 99.5;
    EditWidget widget(edit, nullptr);
    widget.show();
    QTest::keyClicks(widget.lineEdit(), typed);
    QTest::keyClick(widget.lineEdit(), Qt::Key_Return);
    QCOMPARE(edit.text(), expected);
  }

  void selectionButtonAsksForAPick() {
    TQELEdit edit;
    edit.setGeometry(QRect(0, 0, 150, 24));
    EditWidget widget(edit, nullptr);
    widget.show();
    QVERIFY(widget.selectionButton()->isHidden());
    edit.setBindType(1);  // bound to a dictionary: the button shows
    QVERIFY(!widget.selectionButton()->isHidden());
    const QRect button = widget.selectionButton()->geometry();
    QCOMPARE(button.right(), widget.width() - 1);
    QVERIFY(widget.lineEdit()->geometry().right() < button.left());
    QSignalSpy picks(&edit, &TPCostomEdit::pickRequested);
    QTest::mouseClick(widget.selectionButton(), Qt::LeftButton);
    QCOMPARE(picks.count(), 1);
    // Released outside the button: no pick.
    QTest::mousePress(widget.selectionButton(), Qt::LeftButton);
    QTest::mouseRelease(widget.selectionButton(), Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(picks.count(), 1);
  }

  void memoKeepsStepBothWays() {
    TQELMemo memo;
    memo.setGeometry(QRect(0, 0, 120, 60));
    MemoWidget widget(memo, nullptr);
    memo.setCaption("一\n二");
    QCOMPARE(widget.textEdit()->toPlainText(), QString("一\n二"));
    widget.textEdit()->setPlainText("三");
    QCOMPARE(memo.caption(), QString("三"));
  }
};

QTEST_MAIN(TestTextWidgets)
#include "tst_text_widgets.moc"
