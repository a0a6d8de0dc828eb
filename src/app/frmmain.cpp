#include "app/frmmain.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/appinfo.h"
#include "app/frmconfig.h"
#include "app/icons.h"
#include "app/videolist.h"
#include "core/messagesink.h"

namespace op::app {
namespace {

const QString kNotYetThere = QStringLiteral("尚未提供");

QLabel *linkLabel(const QString &caption, QWidget *parent) {
  auto *label = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5fbf\">%1</a>").arg(caption), parent);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  return label;
}

}  // namespace

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TFrmMain"));
  setWindowIcon(appIcon(QStringLiteral("overprint")));
  // Without a window manager "maximised" means nothing: cover the screen's free area as well.
  if (const QScreen *screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  setWindowState(Qt::WindowMaximized);
  createActions();
  createMenus();
  createToolBar();

  auto *splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(createCataloguePanel());
  splitter->addWidget(createFillInArea());
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 1000});
  splitter->setChildrenCollapsible(false);
  setCentralWidget(splitter);
  statusBar()->showMessage(QStringLiteral("就绪"));
  provideOwnCommands();
  applyCaptions();
}

TFrmMain::~TFrmMain() = default;

QAction *TFrmMain::makeAction(MainCommand id, const QString &caption, const QString &icon) {
  auto *action = new QAction(caption, this);
  if (!icon.isEmpty()) action->setIcon(appIcon(icon));
  action->setEnabled(false);
  action->setToolTip(caption.trimmed() + QStringLiteral(" (") + kNotYetThere + QStringLiteral(")"));
  actions_.insert(id, action);
  return action;
}

void TFrmMain::createActions() {
  makeAction(MainCommand::ImportTemplate, QStringLiteral("导入模板"), QStringLiteral("import"));
  makeAction(MainCommand::ExportTemplate, QStringLiteral("导出模板"), QStringLiteral("export"));
  makeAction(MainCommand::Exit, QStringLiteral("退出"), QStringLiteral("exit"));
  makeAction(MainCommand::Print, QStringLiteral("打印"), QStringLiteral("print"));
  makeAction(MainCommand::QuickPrint, QStringLiteral("快速连续打印"), QStringLiteral("quickprint"));
  makeAction(MainCommand::PrintLast, QStringLiteral("打印上一次的内容(使用默认打印机)"), QStringLiteral("printlast"));
  makeAction(MainCommand::RepeatLast, QStringLiteral("重复打印上一次内容(使用默认打印机)"),
             QStringLiteral("repeatlast"));
  makeAction(MainCommand::ExcelSettings, QStringLiteral("Excel设置"), QStringLiteral("excel"));
  makeAction(MainCommand::DictionarySettings, QStringLiteral("字典表设置"), QStringLiteral("dict"));
  makeAction(MainCommand::ConfigCenter, QStringLiteral("设置中心"), QStringLiteral("settings"));
  auto *views = new QActionGroup(this);
  for (auto [id, caption] : {std::pair{MainCommand::ViewMinimal, QStringLiteral("超精简")},
                             std::pair{MainCommand::ViewCompact, QStringLiteral("精简")},
                             std::pair{MainCommand::ViewFull, QStringLiteral("全功能")}}) {
    QAction *view = makeAction(id, caption, {});
    view->setCheckable(true);
    views->addAction(view);
  }
  command(MainCommand::ViewFull)->setChecked(true);
  makeAction(MainCommand::Backup, QStringLiteral("备份"), QStringLiteral("backup"));
  makeAction(MainCommand::Restore, QStringLiteral("还原"), QStringLiteral("restore"));
  makeAction(MainCommand::Help, QStringLiteral("帮助文档"), QStringLiteral("help"));
  makeAction(MainCommand::Website, QStringLiteral("网站"), QStringLiteral("website"));
  makeAction(MainCommand::About, QStringLiteral("关于"), QStringLiteral("about"));
  makeAction(MainCommand::UserAdmin, QStringLiteral("用户管理"), QStringLiteral("users"));
  makeAction(MainCommand::EditDesign, QStringLiteral("修改设计模板"), QStringLiteral("design"));
  makeAction(MainCommand::History, QStringLiteral("历史纪录"), QStringLiteral("history"));
  makeAction(MainCommand::NewCategory, QStringLiteral("新建类别  "), QStringLiteral("newfolder"));
  makeAction(MainCommand::NewTemplate, QStringLiteral("新建模版  "), QStringLiteral("newtemplate"));
  makeAction(MainCommand::Rename, QStringLiteral("重命名    "), QStringLiteral("rename"));
  makeAction(MainCommand::DeleteTemplate, QStringLiteral("删除模板   "), QStringLiteral("delete"));
  command(MainCommand::Print)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  command(MainCommand::Exit)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

void TFrmMain::createMenus() {
  auto add = [this](QMenu *menu, std::initializer_list<MainCommand> ids) {
    for (MainCommand id : ids) menu->addAction(command(id));
  };
  QMenu *file = menuBar()->addMenu(QStringLiteral("文件"));
  add(file, {MainCommand::ImportTemplate, MainCommand::ExportTemplate});
  file->addSeparator();
  add(file, {MainCommand::Exit});
  QMenu *print = menuBar()->addMenu(QStringLiteral("打印"));
  add(print, {MainCommand::Print, MainCommand::QuickPrint});
  print->addSeparator();
  add(print, {MainCommand::PrintLast, MainCommand::RepeatLast});
  QMenu *settings = menuBar()->addMenu(QStringLiteral("设置"));
  add(settings, {MainCommand::ExcelSettings, MainCommand::DictionarySettings});
  settings->addSeparator();
  add(settings, {MainCommand::ConfigCenter});
  add(menuBar()->addMenu(QStringLiteral("视图")),
      {MainCommand::ViewMinimal, MainCommand::ViewCompact, MainCommand::ViewFull});
  add(menuBar()->addMenu(QStringLiteral("系统")), {MainCommand::Backup, MainCommand::Restore});
  QMenu *help = menuBar()->addMenu(QStringLiteral("帮助"));
  add(help, {MainCommand::Help, MainCommand::Website});
  help->addSeparator();
  add(help, {MainCommand::About});
}

void TFrmMain::createToolBar() {
  QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setMovable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  const std::initializer_list<std::initializer_list<MainCommand>> groups = {
      {MainCommand::ImportTemplate, MainCommand::ExportTemplate},
      {MainCommand::Print, MainCommand::QuickPrint},
      {MainCommand::ExcelSettings, MainCommand::DictionarySettings, MainCommand::ConfigCenter},
      {MainCommand::UserAdmin, MainCommand::EditDesign, MainCommand::History},
      {MainCommand::About}};
  bool first = true;
  for (const auto &group : groups) {
    if (!first) bar->addSeparator();
    first = false;
    for (MainCommand id : group) bar->addAction(command(id));
  }
}

QWidget *TFrmMain::createLinkButton(MainCommand id, QWidget *parent) {
  auto *button = new QToolButton(parent);
  button->setDefaultAction(command(id));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  button->setStyleSheet(
      QStringLiteral("QToolButton:enabled { color: #1f5fbf; } QToolButton:hover { text-decoration: underline; }"));
  return button;
}

QWidget *TFrmMain::createCataloguePanel() {
  auto *panel = new QWidget(this);
  panel->setMinimumWidth(230);
  auto *layout = new QVBoxLayout(panel);
  layout->setContentsMargins(4, 4, 0, 4);
  layout->setSpacing(5);

  tabs_ = new QTabBar(panel);
  tabs_->addTab(appIcon(QStringLiteral("folder")), QStringLiteral(" 操作面板 "));
  tabs_->addTab(appIcon(QStringLiteral("video")), QStringLiteral(" 视频教程"));
  tabs_->setExpanding(false);
  layout->addWidget(tabs_);

  panelStack_ = new QStackedWidget(panel);
  auto *treePage = new QWidget(panelStack_);
  auto *treeLayout = new QVBoxLayout(treePage);
  treeLayout->setContentsMargins(0, 0, 0, 0);
  auto *links = new QGridLayout;
  links->setSpacing(0);
  links->addWidget(createLinkButton(MainCommand::NewCategory, treePage), 0, 0);
  links->addWidget(createLinkButton(MainCommand::NewTemplate, treePage), 0, 1);
  links->addWidget(createLinkButton(MainCommand::Rename, treePage), 1, 0);
  links->addWidget(createLinkButton(MainCommand::DeleteTemplate, treePage), 1, 1);
  links->setColumnStretch(2, 1);
  treeLayout->addLayout(links);
  tree_ = new QTreeWidget(treePage);
  tree_->setObjectName(QStringLiteral("catalogueTree"));
  tree_->setHeaderHidden(true);
  tree_->setIconSize(QSize(18, 18));
  treeLayout->addWidget(tree_, 1);
  QLabel *download = linkLabel(QStringLiteral("下载模版"), treePage);
  connect(download, &QLabel::linkActivated, this, &TFrmMain::openWebsite);
  treeLayout->addWidget(download);
  panelStack_->addWidget(treePage);

  auto *videoPage = new QWidget(panelStack_);
  auto *videoLayout = new QVBoxLayout(videoPage);
  videoLayout->setContentsMargins(0, 0, 0, 0);
  auto *scroll = new QScrollArea(videoPage);
  scroll->setWidgetResizable(true);
  videos_ = new VideoTutorialPanel(scroll);
  scroll->setWidget(videos_);
  videoLayout->addWidget(scroll, 1);
  QLabel *downloadVideos = linkLabel(QStringLiteral("下载视频教程"), videoPage);
  connect(downloadVideos, &QLabel::linkActivated, this, &TFrmMain::openWebsite);
  videoLayout->addWidget(downloadVideos);
  panelStack_->addWidget(videoPage);
  layout->addWidget(panelStack_, 1);

  connect(tabs_, &QTabBar::currentChanged, panelStack_,
          [this](int index) { panelStack_->setCurrentIndex(index == 1 ? 1 : 0); });
  connect(videos_, &VideoTutorialPanel::videoActivated, this,
          [this](const QString &path) { launcher_->openUrl(QUrl::fromLocalFile(path)); });
  return panel;
}

QWidget *TFrmMain::createFillInArea() {
  auto *area = new QWidget(this);
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 4, 4, 4);
  layout->setSpacing(4);

  auto *quickBar = new QFrame(area);
  quickBar->setObjectName(QStringLiteral("quickBar"));
  quickBar->setFrameShape(QFrame::StyledPanel);
  auto *quickLayout = new QHBoxLayout(quickBar);
  quickLayout->setContentsMargins(6, 4, 6, 4);
  quickPrint_ = new QPushButton(appIcon(QStringLiteral("print")), QStringLiteral("&P打印"), quickBar);
  quickContinuous_ = new QPushButton(appIcon(QStringLiteral("quickprint")), QStringLiteral("&Q快速连续打印"), quickBar);
  for (auto [button, id] :
       {std::pair{quickPrint_, MainCommand::Print}, std::pair{quickContinuous_, MainCommand::QuickPrint}}) {
    QAction *action = command(id);
    button->setIconSize(QSize(20, 20));
    button->setMinimumHeight(30);
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] {
      button->setEnabled(action->isEnabled());
      button->setToolTip(action->toolTip());
    });
    quickLayout->addWidget(button);
  }
  quickLayout->addStretch();
  layout->addWidget(quickBar);

  auto *scroll = new QScrollArea(area);
  scroll->setObjectName(QStringLiteral("fillInArea"));
  scroll->setWidgetResizable(true);
  scroll->setStyleSheet(QStringLiteral("QScrollArea#fillInArea > QWidget > QWidget { background: #e9edf1; }"));
  fillInHost_ = new QWidget(scroll);
  auto *hostLayout = new QVBoxLayout(fillInHost_);
  auto *placeholder = new QLabel(QStringLiteral("请在左侧选择一个模版"), fillInHost_);
  placeholder->setObjectName(QStringLiteral("fillInPlaceholder"));
  placeholder->setAlignment(Qt::AlignCenter);
  placeholder->setStyleSheet(QStringLiteral("color: #7a8794; font-size: 14pt;"));
  hostLayout->addWidget(placeholder);
  scroll->setWidget(fillInHost_);
  layout->addWidget(scroll, 1);
  return area;
}

void TFrmMain::provideCommand(MainCommand id, std::function<void()> handler) {
  QAction *action = command(id);
  if (!action) return;
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  action->setToolTip(action->text().trimmed());
  action->setEnabled(true);
}

void TFrmMain::provideOwnCommands() {
  provideCommand(MainCommand::Exit, [this] { endProgram(); });
  provideCommand(MainCommand::ConfigCenter, [this] { openSettings(); });
  provideCommand(MainCommand::Backup, [this] { backup(); });
  provideCommand(MainCommand::Restore, [this] { restore(); });
  provideCommand(MainCommand::Help, [this] { openHelp(); });
  provideCommand(MainCommand::Website, [this] { openWebsite(); });
  provideCommand(MainCommand::About, [this] { showAbout(); });
}

void TFrmMain::applyCaptions() {
  QApplication::setApplicationDisplayName(kProductName);
  setWindowTitle(kProductName + versionSuffix());
}

void TFrmMain::setTutorialVideos(const QStringList &paths) {
  videos_->setVideos(paths);
}

bool TFrmMain::tutorialPanelShown() const {
  return panelStack_->currentIndex() == 1;
}

void TFrmMain::openSettings() {
  TFrmConfig dialog(db_, this);
  dialog.exec();
}

void TFrmMain::openHelp() {
  launcher_->openUrl(QUrl::fromLocalFile(QDir(dataDir_).filePath(kHelpFile)));
}

void TFrmMain::openWebsite() {
  launcher_->openUrl(QUrl(kWebsite));
}

void TFrmMain::showAbout() {
  QMessageBox box(this);
  box.setWindowTitle(QStringLiteral("关于 ") + kProductName);
  box.setIconPixmap(appIcon(QStringLiteral("overprint")).pixmap(64, 64));
  box.setText(QStringLiteral("<h3>%1</h3><p>%2</p>").arg(kProductName, versionText()));
  box.setInformativeText(QStringLiteral("把填写好的内容准确地打印到预先印制好的单据上。\n数据文件夹: %1")
                             .arg(QDir::toNativeSeparators(dataDir_)));
  box.setStandardButtons(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

void TFrmMain::backup() {
  launchToolAndQuit(QStringLiteral("备份前要关闭程序。\r\n选择[是]关闭程序并执行备份"), kBackupTool);
}

void TFrmMain::restore() {
  launchToolAndQuit(QStringLiteral("还原前要关闭程序。\r\n选择[是]关闭程序并执行还原"), kRestoreTool);
}

void TFrmMain::launchToolAndQuit(const QString &question, const QString &tool) {
  if (!askYesNo(question)) return;
  if (!launcher_->startTool(tool, dataDir_)) {
    showError(QStringLiteral("无法启动 %1!\r\n请确认它在程序文件夹中: %2")
                  .arg(tool, QDir::toNativeSeparators(ShellLauncher::toolPath(tool))));
    return;
  }
  endProgram();
}

void TFrmMain::endProgram() {
  close();
  emit quitRequested();
}

}  // namespace op::app
