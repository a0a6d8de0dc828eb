#include <QComboBox>
#include <QToolButton>
#include <QtTest>

#include "controls/currency_edit.h"
#include "controls/currency_label.h"
#include "controls/date_edit.h"
#include "core/messagesink.h"
#include "document/control_registry.h"
#include "widgets/currency_edit_widget.h"
#include "widgets/currency_label_widget.h"
#include "widgets/date_edit_widget.h"

using namespace op;

namespace {

class RecordingSink : public MessageSink {
 public:
  RecordingSink() { setMessageSink(this); }
  ~RecordingSink() override { setMessageSink(nullptr); }
  void show(MessageIcon, const QString &, const QString &text) override { texts << text; }
  bool ask(const QString &, const QString &) override { return false; }
  QStringList texts;
};

}  // namespace

class TestCurrencyWidgets : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    setDesignMode(false);
    TPCustomDateEdit::setTodayForTesting(QDate(2026, 3, 15));
  }

  // Keys typed into the cell editor reach the model, and the label that follows it shows the capitals.
  void typingFillsTheLabel() {
    QWidget panel;
    panel.resize(420, 140);
    TQELCurrencyEdit edit;
    TQELCurrencyLabel label;
    edit.setGeometry(QRect(10, 10, 121, 25));
    label.setGeometry(QRect(10, 45, 300, 20));
    label.setLinkId(edit.GetID());
    TQELCustomCurrencyEdit editWidget(edit, &panel);
    TQELCustomCurrencyLabel labelWidget(label, &panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    editWidget.setFocus();
    QTRY_VERIFY(editWidget.hasFocus());
    QTest::keyClicks(&editWidget, QStringLiteral("123.45"));
    QCOMPARE(edit.cells().formatted(), QStringLiteral("123.45"));
    QCOMPARE(label.CnMomey(), QStringLiteral("壹佰贰拾叁元肆角伍分整"));
    QCOMPARE(editWidget.toolTip(), QStringLiteral("123.45"));
    QTest::keyClick(&editWidget, Qt::Key_Minus);
    QCOMPARE(label.CnMomey(), QStringLiteral("负壹佰贰拾叁元肆角伍分整"));
    QTest::keyClick(&editWidget, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(edit.cells().formatted(), QStringLiteral("0.00"));
    QTest::keyClick(&editWidget, Qt::Key_Z, Qt::ControlModifier);  // undo: back to the amount set from outside
    QCOMPARE(edit.cells().formatted(), QStringLiteral("0.00"));

    // A click on cell 2 while focused stops at the left limit (the cell left of the first character).
    QTest::keyClicks(&editWidget, QStringLiteral("7"));
    QTest::mouseClick(&editWidget, Qt::LeftButton, {}, QPoint(2 * 11 + 3, 12));
    QCOMPARE(edit.cells().cursor(), 7);
  }

  void pictureOfFilledFields() {
    QWidget panel;
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(Qt::white));
    panel.resize(420, 150);
    TQELCurrencyEdit edit;
    TQELCurrencyLabel label;
    TQELDateEdit date;
    edit.setGeometry(QRect(10, 10, 143, 25));
    label.setGeometry(QRect(10, 45, 300, 20));
    date.setGeometry(QRect(10, 80, 284, 30));
    label.setLinkId(edit.GetID());
    edit.setFloatValue(-12345.67);
    date.setDateStyle(DateStyle::DSCNChar);
    date.setShowDateTimeLabel(true);
    TQELCustomCurrencyEdit editWidget(edit, &panel);
    TQELCustomCurrencyLabel labelWidget(label, &panel);
    DateEditWidget dateWidget(date, &panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const QImage image = panel.grab().toImage();
    QVERIFY(image.save(QStringLiteral("/tmp/moneydate_widgets.png")));
    // The decimal line (left edge of cell 9 of 11 cells of 12 pixels) is red; a kilobit line black.
    const CellLayout layout = edit.cells().layout(143);
    QCOMPARE(image.pixelColor(10 + layout.lineX(9), 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(10 + layout.lineX(6), 20), QColor(0, 0, 0));
    QCOMPARE(dateWidget.list(0)->currentText(), QStringLiteral("贰零贰陆"));
    QCOMPARE(dateWidget.list(1)->geometry(), date.list(1).rect);
  }

  void dateListsRefuseImpossibleDates() {
    RecordingSink sink;
    TQELDateEdit date;
    date.setDate(QDate(2026, 4, 30));
    DateEditWidget widget(date);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QComboBox *day = widget.list(2);
    emit day->activated(30);  // 31
    QCOMPARE(sink.texts, QStringList{QStringLiteral("无效的日期\r\n4月为[30]天")});
    QCOMPARE(day->currentText(), QStringLiteral("30"));
    widget.nowButton()->click();
    QCOMPARE(widget.list(1)->currentText(), QStringLiteral("3"));
    QCOMPARE(date.date(), QDate(2026, 3, 15));
  }
};

QTEST_MAIN(TestCurrencyWidgets)
#include "tst_currency_widgets.moc"
