#include "app/startup.h"
#include "app/termination_signals.h"

#include <QDir>

#include "app/catalogue_wiring.h"
#include "app/configstore.h"
#include "app/frmmain.h"
#include "app/frmwait.h"
#include "app/print_wiring.h"
#include "app/singleinstance.h"
#include "app/videolist.h"
#include "app/widgetmessagesink.h"
#include "core/globalsettings.h"
#include "core/messagesink.h"
#include "storage/database.h"
#include "storage/datafolder.h"

namespace op::app {

QString databaseFailureMessage(const QString &error) {
  return QStringLiteral("连接数据库失败! \r\n程序无法启动...\r\n错误信息:") + error;
}

QString dataDirOption(const QStringList &arguments) {
  for (int i = 1; i < arguments.size(); ++i) {
    const QString &argument = arguments[i];
    if (argument == QLatin1String("--data-dir") && i + 1 < arguments.size()) return arguments[i + 1];
    if (argument.startsWith(QLatin1String("--data-dir="))) return argument.mid(11);
  }
  return qEnvironmentVariable("OVERPRINT_DATA_DIR");
}

StartupSequence::StartupSequence() = default;

StartupSequence::~StartupSequence() {
  window_.reset();
  db_.reset();
}

bool StartupSequence::prepareDataFolder(const QString &option) {
  try {
    dataDir_ = DataFolder::prepare(option).root();
    return true;
  } catch (const std::exception &error) {
    showError(QStringLiteral("无法使用数据文件夹!\r\n程序无法启动...\r\n错误信息:") + QString::fromUtf8(error.what()));
    return false;
  }
}

bool StartupSequence::openDatabase() {
  try {
    db_ = OpenDatabase(DataFolder(dataDir_).databasePath());
    return true;
  } catch (const DbError &error) {
    showError(databaseFailureMessage(error.message()));
  } catch (const std::exception &error) {
    showError(databaseFailureMessage(QString::fromUtf8(error.what())));
  }
  return false;
}

StartupSequence::Outcome StartupSequence::run(const Options &options) {
  if (!prepareDataFolder(options.dataDir)) return Outcome::Failed;
  if (options.singleInstance) {
    instance_ = std::make_unique<SingleInstance>(dataDir_);
    if (instance_->activateRunning()) return Outcome::AlreadyRunning;
    instance_->listen();
  }

  window_ = std::make_unique<TFrmMain>();  // maximised from the start
  window_->setDataDir(dataDir_);
  try {
    excelType_ = resolveExcelType(dataDir_, options.probe);
  } catch (...) {
  }
  window_->setTutorialVideos(findTutorialVideos(dataDir_));
  window_->applyCaptions();

  if (!openDatabase()) {
    window_.reset();
    return Outcome::Failed;
  }
  window_->setDatabase(db_.get());
  if (!loadSettingsAndCheckSchema(*db_, GlobalSettings::instance())) {
    window_.reset();
    return Outcome::Failed;
  }
  // The print dialogs join here as their subsystems arrive.
  const CatalogueWiring catalogue = wireCatalogue(*window_, *db_);  // loads the tree, opens the first template
  wirePrinting(*window_, *db_, *catalogue.panel);
  return Outcome::Ready;
}

bool OverprintApplication::notify(QObject *receiver, QEvent *event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    return false;
  }
}

int runProgram(QApplication &application) {
  QApplication::setApplicationName(QStringLiteral("overprint"));
  WidgetMessageSink messages;
  setMessageSink(&messages);
  WidgetWaitPresenter waits;
  TCommFun::instance().setWaitPresenter(&waits);

  int exitCode = 1;
  {
    StartupSequence startup;
    StartupSequence::Options options;
    options.dataDir = dataDirOption(application.arguments());
    switch (startup.run(options)) {
      case StartupSequence::Outcome::AlreadyRunning:
        exitCode = 0;
        break;
      case StartupSequence::Outcome::Failed:
        exitCode = 1;
        break;
      case StartupSequence::Outcome::Ready: {
        TFrmMain *window = startup.window();
        QObject::connect(window, &TFrmMain::quitRequested, &application, &QApplication::quit);
        QObject::connect(startup.instanceGuard(), &SingleInstance::activationRequested, window, [window] {
          window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
          window->show();
          window->raise();
          window->activateWindow();
        });
        window->showMaximized();
        quitOnTerminationSignals(application);
        exitCode = application.exec();
        break;
      }
    }
  }
  TCommFun::instance().setWaitPresenter(nullptr);
  setMessageSink(nullptr);
  return exitCode;
}

}  // namespace op::app
