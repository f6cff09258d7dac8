// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance rule: only one CS-Q5 may run per user, since two
// copies would fight over the serial port and over the profile file. The
// first copy holds a lock file in the user's runtime folder for its whole
// life; a second copy fails to take it and ends.

#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstance {
  public:
    // folder empty: the user's runtime folder.
    explicit SingleInstance(const QString& folder = QString());

    // True when this process now holds the lock (or already held it).
    bool TryLock();
    bool IsLocked() const { return locked_; }
    QString LockFilePath() const { return path_; }

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool locked_ = false;
};
