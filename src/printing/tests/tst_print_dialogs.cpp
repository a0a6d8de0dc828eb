#include "core/globalsettings.h"
#include "printing/auto_print_dialog.h"
#include "printing/print_range_dialog.h"
#include "printing/print_settings_dialog.h"
#include "printing/printer_list_dialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace op;

class TestPrintDialogs : public QObject {
  Q_OBJECT

 private slots:
  void layoutDialog() {
    TFrmPrintSettings dialog({true, 0, 70, 3, 40});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("打印布局设置"));
    QCOMPARE(dialog.EdPrintXCount->value(), 1);  // below the spin range
    QCOMPARE(dialog.JvDrawGrid1->columns(), 1);
    QCOMPARE(dialog.JvDrawGrid1->rows(), 3);
    dialog.EdPrintXCount->setValue(31);
    QCOMPARE(dialog.EdPrintXCount->value(), 30);
    QCOMPARE(dialog.JvDrawGrid1->columns(), 30);
    dialog.EdPrintYCount->setValue(2);
    QCOMPARE(dialog.JvDrawGrid1->rows(), 2);
    dialog.EdPrintXWidth->setValue(70.6);
    const LayoutSettings settings = dialog.settings();
    QVERIFY(settings.BoUserPrintSetting);
    QCOMPARE(settings.PrintXCount, 30);
    QCOMPARE(settings.PrintXWidth, 71);  // whole millimetres
    QCOMPARE(settings.PrintYCount, 2);
    QCOMPARE(settings.PrintYWidth, 40);
  }

  void printerList() {
    TFrmPrint marked({"a", "b"}, "b", true);
    QCOMPARE(marked.list()->item(1)->text(), QStringLiteral("b (默认)"));
    QCOMPARE(marked.selectedPrinter(), QStringLiteral("b"));
    TFrmPrint none({"a", "b"}, "b", false);
    QCOMPARE(none.selectedPrinter(), QString());
    none.list()->setCurrentRow(0);
    QCOMPARE(none.selectedPrinter(), QStringLiteral("a"));
  }

  void printRange() {
    TFrmPrintType dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("打印范围"));
    QVERIFY(dialog.fromFirst());
    dialog.FromSelected->setChecked(true);
    QVERIFY(!dialog.fromFirst());
  }

  void countdownClosesByItself() {
    TFrmAutoPrints window(200);
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(150, [&] { QVERIFY(window.remainingLabel()->text().endsWith(QStringLiteral("毫秒"))); });
    window.exec();
    QVERIFY(!window.aborted());
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(clock.elapsed() < 2000);
  }

  void countdownEscapeStops() {
    GlobalSettings::instance().setAutoTimedPrint(true);
    GlobalSettings::instance().setAutoPrintInterval(60000);
    QTimer::singleShot(100, [] {
      auto *window = qobject_cast<TFrmAutoPrints *>(QApplication::activeModalWidget());
      QVERIFY(window);
      QTest::keyClick(window, Qt::Key_Escape);
    });
    QVERIFY(!PacePrint(nullptr));
    GlobalSettings::instance().reset();
  }
};

QTEST_MAIN(TestPrintDialogs)
#include "tst_print_dialogs.moc"
