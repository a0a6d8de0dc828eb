// The main window's commands and captions, the tutorial list, the external launches, the wait window and
// the single-instance guard. No database.

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "app/appinfo.h"
#include "app/frmmain.h"
#include "app/frmwait.h"
#include "app/singleinstance.h"
#include "app/videolist.h"
#include "apptesthelpers.h"
#include "core/ids.h"
#include "core/shellservices.h"

using namespace op::app;

namespace {

class RecordingLauncher : public ShellLauncher {
 public:
  bool openUrl(const QUrl &url) override {
    urls << url;
    return true;
  }
  bool startTool(const QString &name, const QString &dataDir) override {
    tools << name;
    folders << dataDir;
    return startSucceeds;
  }
  QList<QUrl> urls;
  QStringList tools;
  QStringList folders;
  bool startSucceeds = true;
};

QStringList menuCaptions(const QWidget *menu) {
  QStringList captions;
  for (QAction *action : menu->actions())
    if (!action->isSeparator()) captions << action->text();
  return captions;
}

void touch(const QString &path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void captionsAndMenus();
  void toolBarAndQuickBar();
  void laterCommandsDisabledUntilProvided();
  void tutorialVideos();
  void tutorialTabSwitchesPanel();
  void maintenanceTools_data();
  void maintenanceTools();
  void helpAndWebsite();
  void waitWindow();
  void singleInstance();
};

void TestMainWindow::captionsAndMenus() {
  TFrmMain window;
  QCOMPARE(window.windowTitle(), QString("Overprint 套打  Ver: 2.7 "));
  QVERIFY(window.windowState() & Qt::WindowMaximized);
  QMap<QString, QStringList> menus;
  for (QAction *action : window.menuBar()->actions()) menus[action->text()] = menuCaptions(action->menu());
  QCOMPARE(menus.value("文件"), (QStringList{"导入模板", "导出模板", "退出"}));
  QCOMPARE(menus.value("打印"), (QStringList{"打印", "快速连续打印", "打印上一次的内容(使用默认打印机)",
                                             "重复打印上一次内容(使用默认打印机)"}));
  QCOMPARE(menus.value("设置"), (QStringList{"Excel设置", "字典表设置", "设置中心"}));
  QCOMPARE(menus.value("视图"), (QStringList{"超精简", "精简", "全功能"}));
  QCOMPARE(menus.value("系统"), (QStringList{"备份", "还原"}));
  QCOMPARE(menus.value("帮助"), (QStringList{"帮助文档", "网站", "关于"}));
  QCOMPARE(window.menuBar()->actions().size(), 6);
}

void TestMainWindow::toolBarAndQuickBar() {
  TFrmMain window;
  QToolBar *bar = window.findChild<QToolBar *>("mainToolBar");
  QVERIFY(bar);
  QCOMPARE(menuCaptions(bar), (QStringList{"导入模板", "导出模板", "打印", "快速连续打印", "Excel设置", "字典表设置",
                                           "设置中心", "用户管理", "修改设计模板", "历史纪录", "关于"}));
  for (QAction *action : bar->actions())
    QVERIFY2(action->isSeparator() || !action->icon().isNull(), qPrintable(action->text()));
  QCOMPARE(window.quickPrintButton()->text(), QString("&P打印"));
  QCOMPARE(window.quickContinuousButton()->text(), QString("&Q快速连续打印"));
  QCOMPARE(window.panelTabs()->count(), 2);
  QCOMPARE(window.panelTabs()->tabText(0), QString(" 操作面板 "));
  QCOMPARE(window.panelTabs()->tabText(1), QString(" 视频教程"));
  QCOMPARE(window.catalogueTree()->topLevelItemCount(), 0);
  for (auto [id, caption] :
       {std::pair{MainCommand::NewCategory, "新建类别  "}, std::pair{MainCommand::NewTemplate, "新建模版  "},
        std::pair{MainCommand::Rename, "重命名    "}, std::pair{MainCommand::DeleteTemplate, "删除模板   "}}) {
    QCOMPARE(window.command(id)->text(), QString::fromUtf8(caption));
    QVERIFY(!window.command(id)->isEnabled());
  }
}

void TestMainWindow::laterCommandsDisabledUntilProvided() {
  TFrmMain window;
  for (MainCommand id : {MainCommand::Exit, MainCommand::ConfigCenter, MainCommand::Backup, MainCommand::Restore,
                         MainCommand::Help, MainCommand::Website, MainCommand::About})
    QVERIFY(window.command(id)->isEnabled());
  QAction *print = window.command(MainCommand::Print);
  QVERIFY(!print->isEnabled());
  QVERIFY(print->toolTip().contains("尚未提供"));
  QVERIFY(!window.quickPrintButton()->isEnabled());

  int printed = 0;
  window.provideCommand(MainCommand::Print, [&] { ++printed; });
  QVERIFY(print->isEnabled());
  QVERIFY(window.quickPrintButton()->isEnabled());
  QVERIFY(!print->toolTip().contains("尚未提供"));
  print->trigger();
  QTest::mouseClick(window.quickPrintButton(), Qt::LeftButton);
  QCOMPARE(printed, 2);
}

void TestMainWindow::tutorialVideos() {
  QTemporaryDir dir;
  QVERIFY(findTutorialVideos(dir.path()).isEmpty());  // no "video" folder
  QVERIFY(QDir(dir.path()).mkdir(kVideoFolder));
  QVERIFY(findTutorialVideos(dir.path()).isEmpty());  // an empty one
  for (const char *name : {"b 打印.mp4", "a.wmv", "notes.txt", "C.WMV"}) touch(dir.filePath(QString("video/") + name));
  QVERIFY(QDir(dir.path()).mkdir("video/sub.wmv"));
  const QStringList videos = findTutorialVideos(dir.path());
  QStringList names;
  for (const QString &path : videos) names << QFileInfo(path).fileName();
  QCOMPARE(names, (QStringList{"a.wmv", "b 打印.mp4", "C.WMV"}));
  QVERIFY(QFileInfo(videos.first()).isAbsolute());

  RecordingLauncher launcher;
  TFrmMain window;
  window.setShellLauncher(&launcher);
  window.setTutorialVideos(videos);
  QCOMPARE(window.tutorialPanel()->videoCount(), 3);
  QStringList captions;
  QLabel *second = nullptr;
  for (QLabel *label : window.tutorialPanel()->findChildren<QLabel *>()) {
    if (label->text().contains("<a")) captions << label->text();
    if (label->text().contains("(2.) b 打印.mp4")) second = label;
  }
  QCOMPARE(captions.size(), 3);
  QVERIFY(second);
  QCOMPARE(second->toolTip(), "查看视频教程\r\n" + videos[1]);
  emit second->linkActivated(QString());
  QCOMPARE(launcher.urls, QList<QUrl>{QUrl::fromLocalFile(videos[1])});
  window.setTutorialVideos({});
  QCOMPARE(window.tutorialPanel()->findChildren<QLabel *>().size(), 0);
}

void TestMainWindow::tutorialTabSwitchesPanel() {
  TFrmMain window;
  QVERIFY(!window.tutorialPanelShown());
  window.panelTabs()->setCurrentIndex(1);
  QVERIFY(window.tutorialPanelShown());
  window.panelTabs()->setCurrentIndex(0);
  QVERIFY(!window.tutorialPanelShown());
}

void TestMainWindow::maintenanceTools_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<bool>("answer");
  QTest::addColumn<bool>("starts");
  QTest::addColumn<QString>("question");
  QTest::addColumn<QString>("tool");
  const QString backupQuestion = "备份前要关闭程序。\r\n选择[是]关闭程序并执行备份";
  const QString restoreQuestion = "还原前要关闭程序。\r\n选择[是]关闭程序并执行还原";
  QTest::newRow("backup yes") << int(MainCommand::Backup) << true << true << backupQuestion << "DbBackupAdmin";
  QTest::newRow("backup no") << int(MainCommand::Backup) << false << true << backupQuestion << QString();
  QTest::newRow("restore yes") << int(MainCommand::Restore) << true << true << restoreQuestion << "DbRestore_QEL";
  QTest::newRow("restore no") << int(MainCommand::Restore) << false << true << restoreQuestion << QString();
  QTest::newRow("tool missing") << int(MainCommand::Restore) << true << false << restoreQuestion << "DbRestore_QEL";
}

void TestMainWindow::maintenanceTools() {
  QFETCH(int, command);
  QFETCH(bool, answer);
  QFETCH(bool, starts);
  QFETCH(QString, question);
  QFETCH(QString, tool);
  RecordingSink sink;
  sink.answer = answer;
  RecordingLauncher launcher;
  launcher.startSucceeds = starts;
  TFrmMain window;
  window.setDataDir("/data/folder");
  window.setShellLauncher(&launcher);
  QSignalSpy quit(&window, &TFrmMain::quitRequested);
  window.command(MainCommand(command))->trigger();

  QCOMPARE(sink.messages.first().title, QString("提示"));
  QCOMPARE(sink.messages.first().text, question);
  QCOMPARE(launcher.tools, tool.isEmpty() ? QStringList() : QStringList{tool});
  if (!tool.isEmpty()) QCOMPARE(launcher.folders, QStringList{"/data/folder"});
  // The program ends only when the tool has been started; a failed start says so and keeps running.
  QCOMPARE(quit.count(), !tool.isEmpty() && starts ? 1 : 0);
  QCOMPARE(sink.messages.size(), !tool.isEmpty() && !starts ? 2 : 1);
  if (sink.messages.size() == 2) QCOMPARE(sink.messages[1].title, QString("错误"));
}

void TestMainWindow::helpAndWebsite() {
  RecordingLauncher launcher;
  TFrmMain window;
  window.setDataDir("/data/folder");
  window.setShellLauncher(&launcher);
  window.command(MainCommand::Help)->trigger();
  window.command(MainCommand::Website)->trigger();
  QCOMPARE(launcher.urls.size(), 2);
  QCOMPARE(launcher.urls[0], QUrl::fromLocalFile("/data/folder/help/help.html"));
  QCOMPARE(launcher.urls[1].scheme(), QString("https"));
  QVERIFY(QFile::exists(QStringLiteral(OP_STAGE_DIR "/default/") + kHelpFile));
}

void TestMainWindow::waitWindow() {
  WidgetWaitPresenter presenter;
  op::TCommFun &services = op::TCommFun::instance();
  services.setWaitPresenter(&presenter);
  services.HideWait();  // nothing shown: nothing happens
  QVERIFY(!presenter.window());

  op::ShowWait("请稍等! 正在存盘...");
  QVERIFY(presenter.window());
  QCOMPARE(presenter.window()->size(), QSize(399, 112));
  QCOMPARE(presenter.window()->text(), QString("请稍等! 正在存盘..."));
  QVERIFY(presenter.window()->windowFlags() & Qt::FramelessWindowHint);
  op::ShowWait("加载模板...");  // at most one window
  const auto windows = QApplication::topLevelWidgets();
  QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<TFrmWait *>(w); }), 1);
  op::HideWait();
  QVERIFY(!presenter.window());

  try {
    op::WaitGuard wait("保存模板设置...");
    QVERIFY(presenter.window());
    throw std::runtime_error("failure");
  } catch (const std::runtime_error &) {
  }
  QVERIFY(!presenter.window());
  QVERIFY(!services.waitShown());
  services.setWaitPresenter(nullptr);

  const QString id = services.GetID();
  QVERIFY(op::isIdentifier(id));
  QCOMPARE(id, id.toUpper());
  QVERIFY(id != services.GetID());
}

void TestMainWindow::singleInstance() {
  QTemporaryDir dir;
  SingleInstance first(dir.path());
  QVERIFY(!first.activateRunning());
  QVERIFY(first.listen());
  QSignalSpy activated(&first, &SingleInstance::activationRequested);
  SingleInstance second(dir.path() + "/");  // the same folder written differently
  QVERIFY(second.activateRunning());
  QTRY_COMPARE(activated.count(), 1);
  QTemporaryDir other;
  QVERIFY(SingleInstance::serverName(other.path()) != SingleInstance::serverName(dir.path()));
  QVERIFY(!SingleInstance(other.path()).activateRunning());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
