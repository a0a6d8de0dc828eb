#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTreeWidget>

#include <functional>

#include "app/maincommands.h"
#include "app/shelllauncher.h"

namespace op {
class Database;
}

namespace op::app {

class VideoTutorialPanel;

// The main window: menu, tool bar, the catalogue panel on the left (tab bar " 操作面板 " / " 视频教程",
// the tree and its link labels) and the fill-in area on the right with its quick bar.
// Commands of subsystems that are not there yet stay disabled until provideCommand supplies them.
class TFrmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFrmMain(QWidget *parent = nullptr);
  ~TFrmMain() override;

  // The data folder, the open database (not owned; null before it is open) and the desktop launcher.
  void setDataDir(const QString &dataDir) { dataDir_ = dataDir; }
  QString dataDir() const { return dataDir_; }
  void setDatabase(Database *db) { db_ = db; }
  Database *database() const { return db_; }
  void setShellLauncher(ShellLauncher *launcher) { launcher_ = launcher; }

  // Captions: the product name, then "  Ver: 2.7 ".
  void applyCaptions();
  void setTutorialVideos(const QStringList &paths);

  QAction *command(MainCommand id) const { return actions_.value(id); }
  // Connects `handler` to the command and enables it.
  void provideCommand(MainCommand id, std::function<void()> handler);

  QTreeWidget *catalogueTree() const { return tree_; }
  QTabBar *panelTabs() const { return tabs_; }
  VideoTutorialPanel *tutorialPanel() const { return videos_; }
  bool tutorialPanelShown() const;
  // The fill-in area: the template panel goes into its layout (a QVBoxLayout).
  QWidget *fillInHost() const { return fillInHost_; }
  QPushButton *quickPrintButton() const { return quickPrint_; }
  QPushButton *quickContinuousButton() const { return quickContinuous_; }

  // Commands implemented by the window itself.
  void openSettings();
  void openHelp();
  void openWebsite();
  void showAbout();
  void backup();
  void restore();

 signals:
  // The program is to end (exit, backup, restore); the window has already closed.
  void quitRequested();

 private:
  QAction *makeAction(MainCommand id, const QString &caption, const QString &icon);
  void createActions();
  void createMenus();
  void createToolBar();
  QWidget *createCataloguePanel();
  QWidget *createFillInArea();
  QWidget *createLinkButton(MainCommand id, QWidget *parent);
  void provideOwnCommands();
  void launchToolAndQuit(const QString &question, const QString &tool);
  void endProgram();

  QString dataDir_;
  Database *db_ = nullptr;
  ShellLauncher defaultLauncher_;
  ShellLauncher *launcher_ = &defaultLauncher_;
  QMap<MainCommand, QAction *> actions_;
  QTabBar *tabs_ = nullptr;
  QStackedWidget *panelStack_ = nullptr;
  QTreeWidget *tree_ = nullptr;
  VideoTutorialPanel *videos_ = nullptr;
  QWidget *fillInHost_ = nullptr;
  QPushButton *quickPrint_ = nullptr;
  QPushButton *quickContinuous_ = nullptr;
};

}  // namespace op::app
