// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdlib>

#include "app/private_folder.h"

namespace {
// A request is one path, percent-encoded, and a line end; anything longer
// is no path.
constexpr qint64 kMaxRequest = 4096;
// A connection that says nothing in this time is dropped.
constexpr int kRequestTimeoutMs = 5000;
const QByteArray kTaken = QByteArrayLiteral("1\n");
const QByteArray kRefused = QByteArrayLiteral("0\n");
}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent) {
    QString dir = folder;
    if (dir.isEmpty())
        dir = QString::fromStdString(InstanceFolder(std::getenv("XDG_RUNTIME_DIR"),
                                                    std::getenv("XDG_STATE_HOME"),
                                                    std::getenv("HOME"), ::getuid()));
    // No folder of the user's own: no lock that others could take first,
    // and no socket that would hear the names of the user's files.
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    path_ = QDir(dir).filePath(QStringLiteral("csq5.lock"));
    socketPath_ = QDir(dir).filePath(QStringLiteral("csq5.socket"));
    lock_ = std::make_unique<QLockFile>(path_);
    // Never take over a lock because of its age: the first copy may run for
    // days. A lock left by a crashed copy is still taken over, because
    // QLockFile sees that its process is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();  // removes the socket file
}

bool SingleInstance::TryLock() {
    if (!lock_) return true;
    if (!locked_) locked_ = lock_->tryLock(0);
    return locked_;
}

bool SingleInstance::Listen() {
    if (!locked_) return false;
    if (server_) return server_->isListening();
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Whoever holds the lock owns the socket's name: one left by a copy
    // that crashed is in the way and goes.
    QLocalServer::removeServer(socketPath_);
    if (!server_->listen(socketPath_)) return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) Serve(socket);
    });
    return true;
}

void SingleInstance::Serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequest) socket->abort();
            return;
        }
        // One request per connection: what follows its line is not read.
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        const QByteArray line = socket->readLine(kMaxRequest + 1);
        QString path;
        if (line.endsWith('\n'))
            path = QString::fromUtf8(QByteArray::fromPercentEncoding(line.chopped(1)));
        const bool take = IsRequestPath(path);
        socket->write(take ? kTaken : kRefused);
        socket->disconnectFromServer();
        if (take) emit fileRequested(QFileInfo(path).absoluteFilePath());
    });
}

bool SingleInstance::HandOver(const QString& dataFile, int timeoutMs) const {
    if (socketPath_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    // Percent-encoded, so that a line end in a file name cannot end the
    // request early.
    socket.write(dataFile.toUtf8().toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine(kTaken.size() + 1) == kTaken;
}

bool SingleInstance::IsRequestPath(const QString& path) {
    return !path.isEmpty() && QDir::isAbsolutePath(path);
}
