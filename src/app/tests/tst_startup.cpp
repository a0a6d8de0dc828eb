// The start-up sequence: Config.ini's Excel access method, the database connection, the PP_CONFIG settings
// and the schema version check.

#include <QFile>
#include <QTest>

#include "app/appinfo.h"
#include "app/excelprobe.h"
#include "app/frmmain.h"
#include "app/startup.h"
#include "apptesthelpers.h"
#include "core/globalsettings.h"
#include "core/inifile.h"

using namespace op::app;

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  void init() { op::GlobalSettings::instance().reset(); }

  void excelTypeResolution_data();
  void excelTypeResolution();
  void realProbe();

  void schemaVersion_data();
  void schemaVersion();
  void settingsReadIntoMemory();
  void unopenableDatabase_data();
  void unopenableDatabase();
  void dataDirOption_data();
  void dataDirOption();

 private:
  StartupSequence::Outcome start(StartupSequence &startup, const QString &dataDir) {
    StartupSequence::Options options;
    options.dataDir = dataDir;
    options.singleInstance = false;
    options.probe = [](const QString &) { return -1; };
    return startup.run(options);
  }
};

void TestStartup::excelTypeResolution_data() {
  QTest::addColumn<QString>("iniText");
  QTest::addColumn<int>("probeResult");
  QTest::addColumn<int>("expected");
  QTest::addColumn<bool>("probeRuns");
  QTest::newRow("no file, nothing works") << QString() << -1 << 3 << true;
  QTest::newRow("no file, probe finds 2") << QString() << 2 << 2 << true;
  QTest::newRow("no file, probe finds 1") << QString() << 1 << 1 << true;
  QTest::newRow("stored 2 is used as is") << "[db]\r\nexceltype=2\r\n" << 1 << 2 << false;
  QTest::newRow("stored 0 probes again") << "[DB]\r\nExcelType=0\r\n" << -1 << 3 << true;
  QTest::newRow("stored text probes again") << "[db]\r\nexceltype=abc\r\n" << 1 << 1 << true;
}

void TestStartup::excelTypeResolution() {
  QFETCH(QString, iniText);
  QFETCH(int, probeResult);
  QFETCH(int, expected);
  QFETCH(bool, probeRuns);
  QTemporaryDir dir;
  const QString iniPath = dir.filePath(kConfigFile);
  if (!iniText.isNull()) {
    QFile file(iniPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(iniText.toUtf8());
  }
  QString probedPath;
  const int type = resolveExcelType(dir.path(), [&](const QString &path) {
    probedPath = path;
    return probeResult;
  });
  QCOMPARE(type, expected);
  QCOMPARE(!probedPath.isEmpty(), probeRuns);
  if (probeRuns) QCOMPARE(probedPath, dir.filePath(kProbeWorkbook));
  QCOMPARE(op::IniFile(iniPath).readInteger("db", "exceltype", -99), expected);
}

void TestStartup::realProbe() {
  QTemporaryDir dir;
  QCOMPARE(probeExcelAccess(dir.filePath(kProbeWorkbook)), int(kExcelTypeUnknown));
  QFile damaged(dir.filePath("damaged.xls"));
  QVERIFY(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(600, 'x'));
  damaged.close();
  QCOMPARE(probeExcelAccess(damaged.fileName()), int(kExcelTypeUnknown));
  // The shipped sample workbook is an Excel 97-2003 file that our own reader opens.
  QCOMPARE(probeExcelAccess(QStringLiteral(OP_STAGE_DIR "/default/") + kProbeWorkbook), int(kExcelTypeBiff8));
  // A first start without Config.ini stores what the probe found.
  QVERIFY(QFile::copy(QStringLiteral(OP_STAGE_DIR "/default/") + kProbeWorkbook, dir.filePath(kProbeWorkbook)));
  QCOMPARE(resolveExcelType(dir.path()), int(kExcelTypeBiff8));
}

void TestStartup::schemaVersion_data() {
  QTest::addColumn<QList<int>>("versions");
  QTest::addColumn<bool>("ready");
  QTest::addColumn<QString>("message");
  QTest::newRow("1 passes") << QList<int>{1} << true << QString();
  QTest::newRow("2 needs a newer program")
      << QList<int>{2} << false << "数据库的版本和程序不匹配!\r\n程序的版本要低于数据库的版本，请升级程序！\r\n";
  QTest::newRow("highest of 1 and 2") << QList<int>{1, 2} << false
                                      << "数据库的版本和程序不匹配!\r\n程序的版本要低于数据库的版本，请升级程序！\r\n";
  QTest::newRow("0 needs a newer database")
      << QList<int>{0} << false << "数据库的版本和程序不匹配!\r\n程序的版本要高于数据库的版本，请升级数据库！\r\n";
  QTest::newRow("no rows: NULL reads 0")
      << QList<int>{} << false << "数据库的版本和程序不匹配!\r\n程序的版本要高于数据库的版本，请升级数据库！\r\n";
}

void TestStartup::schemaVersion() {
  QFETCH(QList<int>, versions);
  QFETCH(bool, ready);
  QFETCH(QString, message);
  TestDataFolder folder;
  QStringList statements{"delete from PP_Ver"};
  QList<QVariantMap> parameters{{}};
  for (int version : versions) {
    statements << "insert into PP_Ver (ver) values (:ver)";
    parameters << QVariantMap{{"ver", version}};
  }
  folder.execute(statements, parameters);

  RecordingSink sink;
  StartupSequence startup;
  const auto outcome = start(startup, folder.path());
  QCOMPARE(outcome == StartupSequence::Outcome::Ready, ready);
  if (ready) {
    QVERIFY(sink.messages.isEmpty());
    QCOMPARE(startup.window()->windowTitle(), QString("Overprint 套打  Ver: 2.7 "));
    QVERIFY(startup.window()->windowState() & Qt::WindowMaximized);
  } else {
    QCOMPARE(sink.messages.size(), 1);
    QCOMPARE(sink.messages[0].title, QString("错误"));
    QCOMPARE(sink.messages[0].icon, op::MessageIcon::Error);
    QCOMPARE(sink.messages[0].text, message);
    QVERIFY(!startup.window());
  }
}

void TestStartup::settingsReadIntoMemory() {
  TestDataFolder folder;
  folder.execute(
      {"update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id",
       "update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id",
       "update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id",
       "update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id", "delete from PP_CONFIG where CONFIGID = :id",
       "update PP_CONFIG set CONFIG_IVALUE = :v where CONFIGID = :id"},
      {{{"v", 5}, {"id", 1}},
       {{"v", -12}, {"id", 2}},
       {{"v", 7}, {"id", 3}},
       {{"v", 1}, {"id", 4}},
       {{"id", 5}},
       {{"v", 1}, {"id", 6}}});
  op::GlobalSettings::instance().setAutoPrintInterval(4321);  // a missing row leaves the setting alone
  RecordingSink sink;
  StartupSequence startup;
  QCOMPARE(start(startup, folder.path()), StartupSequence::Outcome::Ready);
  const auto &settings = op::GlobalSettings::instance();
  QCOMPARE(settings.UseGlobalOffset(), true);
  QCOMPARE(settings.GlobalOffsetX(), -12);
  QCOMPARE(settings.GlobalOffsetY(), 7);
  QCOMPARE(settings.AutoTimedPrint(), true);
  QCOMPARE(settings.AutoPrintInterval(), 4321);
  QCOMPARE(settings.GlobalOffsetUnit(), 1);
  QCOMPARE(startup.excelType(), 3);
  QVERIFY(sink.messages.isEmpty());
}

void TestStartup::unopenableDatabase_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<bool>("fileExists");
  QTest::newRow("missing") << QByteArray() << false;
  QTest::newRow("empty") << QByteArray() << true;
  QTest::newRow("damaged") << QByteArray(8192, '\x5a') << true;
}

void TestStartup::unopenableDatabase() {
  QFETCH(QByteArray, content);
  QFETCH(bool, fileExists);
  TestDataFolder folder(false);
  if (fileExists) {
    QFile file(folder.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  RecordingSink sink;
  StartupSequence startup;
  QCOMPARE(start(startup, folder.path()), StartupSequence::Outcome::Failed);
  QCOMPARE(sink.messages.size(), 1);
  QCOMPARE(sink.messages[0].title, QString("错误"));
  QCOMPARE(sink.messages[0].icon, op::MessageIcon::Error);
  QVERIFY2(sink.messages[0].text.startsWith("连接数据库失败! \r\n程序无法启动...\r\n错误信息:"),
           qPrintable(sink.messages[0].text));
  QVERIFY(sink.messages[0].text.size() > QString("连接数据库失败! \r\n程序无法启动...\r\n错误信息:").size());
  QVERIFY(!startup.window());
  // Nothing is created or changed in place of the database.
  QCOMPARE(QFile::exists(folder.databasePath()), fileExists);
  if (fileExists) {
    QFile file(folder.databasePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
  }
}

void TestStartup::dataDirOption_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QString>("expected");
  QTest::newRow("separate") << QStringList{"overprint", "--data-dir", "/x/y"} << "/x/y";
  QTest::newRow("joined") << QStringList{"overprint", "--data-dir=/x/z"} << "/x/z";
  QTest::newRow("environment") << QStringList{"overprint"} << "/from/env";
  QTest::newRow("option without value") << QStringList{"overprint", "--data-dir"} << "/from/env";
}

void TestStartup::dataDirOption() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, expected);
  qputenv("OVERPRINT_DATA_DIR", "/from/env");
  QCOMPARE(op::app::dataDirOption(arguments), expected);
  qunsetenv("OVERPRINT_DATA_DIR");
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
