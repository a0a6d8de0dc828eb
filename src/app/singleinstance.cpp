#include "app/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include "core/ids.h"

namespace op::app {
namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");

}  // namespace

SingleInstance::SingleInstance(const QString &dataDir, QObject *parent) : QObject(parent), name_(serverName(dataDir)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->readAll().contains("activate")) emit activationRequested();
      });
    }
  });
}

QString SingleInstance::serverName(const QString &dataDir) {
  const QFileInfo info(dataDir);
  const QString path = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
  return QStringLiteral("overprint-") + md5Hex(path.toUtf8()).left(16);
}

bool SingleInstance::activateRunning() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(500)) return false;
  socket.write(kActivate);
  socket.waitForBytesWritten(500);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::listen() {
  if (server_.listen(name_)) return true;
  // A socket left behind by a program that crashed: nobody answered on it, so take it over.
  QLocalServer::removeServer(name_);
  return server_.listen(name_);
}

}  // namespace op::app
