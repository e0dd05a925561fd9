#include "widgets/SingleInstance.h"

#include <QtNetwork/QLocalSocket>

#include "platform/InstanceLock.h"

namespace gb::widgets {

namespace {

constexpr int kConnectMilliseconds = 2000;
constexpr int kAttempts = 5;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : SingleInstance(InstanceLock(name.toStdString()), parent) {}

SingleInstance::SingleInstance(const InstanceLock& lock, QObject* parent)
    : QObject(parent), serverName_(PathText(lock.Socket())), lock_(PathText(lock.File())) {
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
