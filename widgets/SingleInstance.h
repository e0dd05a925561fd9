#pragma once
// One instance of a program per user: the first instance holds a lock and
// listens; a later one finds the lock taken, asks the first to come to the
// front, and ends. The lock is platform's InstanceLock, which Setup and
// Remove read to find the programs of an installation that run.

#include <QtCore/QLockFile>
#include <QtCore/QObject>
#include <QtNetwork/QLocalServer>

#include <memory>

namespace gb {
class InstanceLock;
}

namespace gb::widgets {

class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // `name` identifies the program; the user's id is added to it. The lock
    // and the socket live in the user's runtime folder.
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance, which listens from now on; false when
    // another instance runs and has been asked to come to the front.
    bool Claim();
    const QString& ServerName() const { return serverName_; }

Q_SIGNALS:
    // A later instance asked this one to come to the front.
    void Activated();

private:
    SingleInstance(const InstanceLock& lock, QObject* parent);
    bool AskFirstInstance() const;

    QString serverName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace gb::widgets
