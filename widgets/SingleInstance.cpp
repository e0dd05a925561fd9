#include "widgets/SingleInstance.h"

#include <QtCore/QDir>
#include <QtCore/QStandardPaths>
#include <QtNetwork/QLocalSocket>

#include <unistd.h>

namespace gb::widgets {

namespace {

constexpr int kConnectMilliseconds = 2000;
constexpr int kAttempts = 5;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

QString LockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent),
      serverName_(QStringLiteral("%1/%2-%3.socket").arg(LockFolder(), name).arg(getuid())),
      lock_(QStringLiteral("%1/%2-%3.lock").arg(LockFolder(), name).arg(getuid())) {
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    server_.reset();
    lock_.unlock();
}

bool SingleInstance::Claim() {
    if (!lock_.tryLock(0)) {
        // The holder may still be starting; give it a moment to listen.
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            if (AskFirstInstance()) {
                return false;
            }
        }
        return false;
    }
    server_ = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(serverName_);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(serverName_);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(kActivate.trimmed())) {
                    Q_EMIT Activated();
                }
            });
        }
    });
    return true;
}

bool SingleInstance::AskFirstInstance() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kConnectMilliseconds)) {
        return false;
    }
    socket.write(kActivate);
    const bool written = socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return written;
}

}  // namespace gb::widgets
