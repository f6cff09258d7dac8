// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance rule: only one CS-Q5 may run per user, since two
// copies would fight over the serial port and over the profile file. The
// first copy holds a lock file in a folder private to the user (see
// InstanceFolder) for its whole life; a second copy fails to take it and
// ends. Where the user has no such folder, each copy runs on its own.
//
// A data file opened from the file manager while CS-Q5 runs starts a
// second copy with the file's name. That copy hands the name to the first
// over a local socket beside the lock (only the same user may connect) and
// ends; the first opens it. The first copy takes any full path and answers
// that it took it; a file it cannot open is reported in its window with the
// message File > Open gives ("Cannot open file."), where the user looks.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // How long a later start waits for the first copy's answer.
    static constexpr int kHandOverTimeoutMs = 5000;

    // folder empty: the user's private folder, or none (see InstanceFolder).
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process now holds the lock (or already held it), and
    // where there is no folder for a lock.
    bool TryLock();
    bool IsLocked() const { return locked_; }
    QString LockFilePath() const { return path_; }
    QString SocketPath() const { return socketPath_; }

    // The first copy, holding the lock: takes the data files of later
    // starts from now on (fileRequested). False when it cannot.
    bool Listen();
    // A later start: hands a data file to the copy that runs. True when
    // that copy took it; False when it refused it, did not answer in time,
    // or does not listen.
    bool HandOver(const QString& dataFile, int timeoutMs = kHandOverTimeoutMs) const;

    // What the first copy takes: an absolute path. Whether it names a data
    // file is for the window to find out, as for File > Open.
    static bool IsRequestPath(const QString& path);

  signals:
    // A later start asked to open this file (an absolute path).
    void fileRequested(const QString& path);

  private:
    void Serve(QLocalSocket* socket);

    QString path_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    bool locked_ = false;
    QLocalServer* server_ = nullptr;
};
