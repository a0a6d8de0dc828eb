// The settings dialog "设置中心": what it shows from PP_CONFIG and how saving stores rows and settings.

#include <QLabel>
#include <QTest>

#include "app/configstore.h"
#include "app/frmconfig.h"
#include "apptesthelpers.h"
#include "core/globalsettings.h"

using namespace op::app;

namespace {

// CONFIG_IVALUE of every row with that CONFIGID.
QList<int> rowsOf(const TestDataFolder &folder, int configId) {
  auto db = op::OpenDatabase(folder.databasePath());
  auto statement = db->NewStatement("select CONFIG_IVALUE from PP_CONFIG where CONFIGID = :id order by ID");
  statement->bind("id", configId);
  statement->open();
  QList<int> values;
  while (statement->next()) values << statement->toInt("CONFIG_IVALUE");
  return values;
}

}  // namespace

class TestFrmConfig : public QObject {
  Q_OBJECT

 private slots:
  void init() { op::GlobalSettings::instance().reset(); }

  void captionsAndRanges();
  void shownValues_data();
  void shownValues();
  void onlyFirstThreeRows();
  void missingRowTwo();
  void shortIntervalSavedAsMinimum();
  void closingWithoutOkDiscards();
  void addInButtonExplains();
};

void TestFrmConfig::captionsAndRanges() {
  TFrmConfig dialog(nullptr);
  QCOMPARE(dialog.windowTitle(), QString("设置中心"));
  QCOMPARE(dialog.useGlobalOffsetBox()->text(),
           QString("启用全局偏移(对全部模版生效)   每个模版的偏移请在设计模版中修改"));
  QCOMPARE(dialog.autoTimedPrintBox()->text(), QString("自动定时连续打印(适合自动进纸的连续打印)"));
  QCOMPARE(dialog.intervalEdit()->minimum(), 200);
  QCOMPARE(dialog.intervalEdit()->maximum(), 9999);
  QCOMPARE(dialog.intervalEdit()->value(), 200);
  QCOMPARE(dialog.millimetresButton()->text(), QString("毫米"));
  QCOMPARE(dialog.pixelsButton()->text(), QString("像素"));
  QVERIFY(dialog.pixelsButton()->isChecked());
  QCOMPARE(dialog.okButton()->text(), QString("确定"));
  QCOMPARE(dialog.okButton()->toolTip(), QString("保存并关闭"));
  QCOMPARE(dialog.addInButton()->text(), QString("初始化IE右键地址识别"));
  QStringList labels;
  for (auto *label : dialog.findChildren<QLabel *>()) labels << label->text();
  for (const char *caption : {"水平偏移(左右)", "垂直偏移(上下)", "连续打印的时间间隔", "毫秒(1秒=1000毫秒)"})
    QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
}

void TestFrmConfig::shownValues_data() {
  QTest::addColumn<QList<int>>("stored");  // CONFIG_IVALUE of rows 1 to 6
  QTest::addColumn<bool>("useOffset");
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<bool>("timed");
  QTest::addColumn<int>("interval");
  QTest::addColumn<bool>("millimetres");
  QTest::newRow("seeded") << QList<int>{0, 0, 0, 0, 200, 0} << false << 0 << 0 << false << 200 << false;
  QTest::newRow("all set") << QList<int>{1, -15, 30, 1, 2500, 1} << true << -15 << 30 << true << 2500 << true;
  QTest::newRow("any non-zero is true, unit 2 is pixels")
      << QList<int>{7, 3, 4, -1, 9999, 2} << true << 3 << 4 << true << 9999 << false;
  QTest::newRow("interval at or below 200") << QList<int>{0, 0, 0, 0, 0, 0} << false << 0 << 0 << false << 200 << false;
}

void TestFrmConfig::shownValues() {
  QFETCH(QList<int>, stored);
  TestDataFolder folder;
  QStringList statements;
  QList<QVariantMap> parameters;
  for (int id = 1; id <= 6; ++id) {
    statements << "update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id";
    parameters << QVariantMap{{"v", stored[id - 1]}, {"id", id}};
  }
  folder.execute(statements, parameters);
  auto db = op::OpenDatabase(folder.databasePath());
  TFrmConfig dialog(db.get());
  QTEST(dialog.useGlobalOffsetBox()->isChecked(), "useOffset");
  QTEST(dialog.offsetXEdit()->value(), "x");
  QTEST(dialog.offsetYEdit()->value(), "y");
  QTEST(dialog.autoTimedPrintBox()->isChecked(), "timed");
  QTEST(dialog.intervalEdit()->value(), "interval");
  QTEST(dialog.millimetresButton()->isChecked(), "millimetres");
}

void TestFrmConfig::onlyFirstThreeRows() {
  TestDataFolder folder;
  folder.execute({"delete from PP_CONFIG where CONFIGID > 3"});
  RecordingSink sink;
  {
    auto db = op::OpenDatabase(folder.databasePath());
    TFrmConfig dialog(db.get());
    QCOMPARE(dialog.intervalEdit()->value(), 200);
    QVERIFY(dialog.pixelsButton()->isChecked());
    dialog.autoTimedPrintBox()->setChecked(true);
    dialog.intervalEdit()->setValue(1500);
    dialog.millimetresButton()->setChecked(true);
    dialog.useGlobalOffsetBox()->setChecked(true);
    dialog.offsetXEdit()->setValue(-8);
    dialog.offsetYEdit()->setValue(9);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }
  QVERIFY(sink.messages.isEmpty());
  QCOMPARE(rowsOf(folder, 1), QList<int>{1});
  QCOMPARE(rowsOf(folder, 2), QList<int>{-8});
  QCOMPARE(rowsOf(folder, 3), QList<int>{9});
  QCOMPARE(rowsOf(folder, 4), QList<int>{1});
  QCOMPARE(rowsOf(folder, 5), QList<int>{1500});
  QCOMPARE(rowsOf(folder, 6), QList<int>{1});
  const auto &settings = op::GlobalSettings::instance();
  QVERIFY(settings.UseGlobalOffset());
  QCOMPARE(settings.GlobalOffsetX(), -8);
  QCOMPARE(settings.GlobalOffsetY(), 9);
  QVERIFY(settings.AutoTimedPrint());
  QCOMPARE(settings.AutoPrintInterval(), 1500);
  // Saving again replaces rows 4 to 6 instead of adding more.
  auto db = op::OpenDatabase(folder.databasePath());
  ConfigFormValues values = readConfigForm(*db);
  values.interval = "300";
  QVERIFY(saveConfigForm(*db, values, op::GlobalSettings::instance()));
  db.reset();
  QCOMPARE(rowsOf(folder, 5), QList<int>{300});
  QCOMPARE(rowsOf(folder, 4), QList<int>{1});
}

void TestFrmConfig::missingRowTwo() {
  TestDataFolder folder;
  folder.execute({"delete from PP_CONFIG where CONFIGID = 2"});
  RecordingSink sink;
  {
    auto db = op::OpenDatabase(folder.databasePath());
    TFrmConfig dialog(db.get());
    QCOMPARE(dialog.offsetXEdit()->value(), 0);
    dialog.offsetXEdit()->setValue(25);
    dialog.offsetYEdit()->setValue(4);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  }
  QVERIFY(sink.messages.isEmpty());
  QVERIFY(rowsOf(folder, 2).isEmpty());
  QCOMPARE(rowsOf(folder, 3), QList<int>{4});
  QCOMPARE(op::GlobalSettings::instance().GlobalOffsetX(), 25);  // for the rest of this run
  // The next start reads the default again.
  op::GlobalSettings next;
  auto db = op::OpenDatabase(folder.databasePath());
  loadGlobalSettings(*db, next);
  QCOMPARE(next.GlobalOffsetX(), 0);
  QCOMPARE(next.GlobalOffsetY(), 4);
}

void TestFrmConfig::shortIntervalSavedAsMinimum() {
  TestDataFolder folder;
  folder.execute({"update PP_CONFIG set CONFIG_IVALUE = 150 where CONFIGID = 5"});
  {
    auto db = op::OpenDatabase(folder.databasePath());
    TFrmConfig dialog(db.get());
    QCOMPARE(dialog.intervalEdit()->value(), 200);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  }
  QCOMPARE(rowsOf(folder, 5), QList<int>{200});
  QCOMPARE(op::GlobalSettings::instance().AutoPrintInterval(), 200);
}

void TestFrmConfig::closingWithoutOkDiscards() {
  TestDataFolder folder;
  {
    auto db = op::OpenDatabase(folder.databasePath());
    TFrmConfig dialog(db.get());
    dialog.offsetYEdit()->setValue(77);
    dialog.intervalEdit()->setValue(5000);
    dialog.reject();
  }
  QCOMPARE(rowsOf(folder, 3), QList<int>{0});
  QCOMPARE(rowsOf(folder, 5), QList<int>{200});
  QCOMPARE(op::GlobalSettings::instance().GlobalOffsetY(), 0);
}

void TestFrmConfig::addInButtonExplains() {
  RecordingSink sink;
  TFrmConfig dialog(nullptr);
  QTest::mouseClick(dialog.addInButton(), Qt::LeftButton);
  QCOMPARE(sink.messages.size(), 1);
  QCOMPARE(sink.messages[0].title, QString("提示"));
  QVERIFY(sink.messages[0].text.contains("Linux"));
}

QTEST_MAIN(TestFrmConfig)
#include "tst_frmconfig.moc"
