#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace op::app {

// One running program per data folder (the embedded engine refuses a second process on the database file).
// The first instance listens on a local socket named after the folder; a later start asks it to come
// to the front and then ends.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString &dataDir, QObject *parent = nullptr);

  static QString serverName(const QString &dataDir);

  // True when another instance runs for this folder; it has been asked to come forward.
  bool activateRunning();
  // Starts listening for later starts; false when the socket cannot be created.
  bool listen();

 signals:
  void activationRequested();

 private:
  QString name_;
  QLocalServer server_;
};

}  // namespace op::app
