#pragma once

#include <QApplication>
#include <QString>

#include <memory>

#include "app/excelprobe.h"

namespace op {
class Database;
}

namespace op::app {

class SingleInstance;
class TFrmMain;

// The start-up sequence up to the main window ready to be shown: data folder, single instance,
// Config.ini, video list, captions, database, PP_CONFIG settings and the schema version check.
// Owns the database and the window for the run; the window goes before the database.
class StartupSequence {
 public:
  struct Options {
    QString dataDir;                      // --data-dir or OVERPRINT_DATA_DIR; empty for the default folder
    ExcelProbe probe = probeExcelAccess;  // the Excel access probe of the Config.ini step
    bool singleInstance = true;           // refuse a second program on the same data folder
  };
  enum class Outcome {
    Ready,           // the main window can be shown
    AlreadyRunning,  // another instance has the folder and was brought forward
    Failed,          // the program must end; the reason has been shown
  };

  StartupSequence();
  ~StartupSequence();

  Outcome run(const Options &options);

  QString dataDir() const { return dataDir_; }
  int excelType() const { return excelType_; }
  TFrmMain *window() const { return window_.get(); }
  Database *database() const { return db_.get(); }
  SingleInstance *instanceGuard() const { return instance_.get(); }

 private:
  bool prepareDataFolder(const QString &option);
  bool openDatabase();

  QString dataDir_;
  int excelType_ = kExcelTypeUnknown;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<Database> db_;
  std::unique_ptr<TFrmMain> window_;
};

// "连接数据库失败! ..." with the engine's message.
QString databaseFailureMessage(const QString &error);

// The data folder option of the command line: "--data-dir DIR" or "--data-dir=DIR", else OVERPRINT_DATA_DIR.
QString dataDirOption(const QStringList &arguments);

// Drops exceptions that reach the message loop, without a message: each command reports its own failures.
class OverprintApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject *receiver, QEvent *event) override;
};

// main(): runs the start-up sequence with real message boxes and the wait window, then the message loop.
int runProgram(QApplication &application);

}  // namespace op::app
