// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& folder) {
    QString dir = folder;
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    path_ = QDir(dir).filePath(QStringLiteral("csq5.lock"));
    lock_ = std::make_unique<QLockFile>(path_);
    // Never take over a lock because of its age: the first copy may run for
    // days. A lock left by a crashed copy is still taken over, because
    // QLockFile sees that its process is gone.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::TryLock() {
    if (!locked_) locked_ = lock_->tryLock(0);
    return locked_;
}
