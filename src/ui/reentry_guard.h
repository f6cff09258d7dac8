// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a periodic handler from running inside itself. A modal dialog or a
// message box opened from a handler runs its own event loop, and the timers
// keep firing in it; without the guard the 200 ms window tick (or the 50 ms
// serial tick) would start again before the first run has finished.

class ReentryGuard {
  public:
    explicit ReentryGuard(bool& busy) : busy_(busy), entered_(!busy) {
        if (entered_) busy_ = true;
    }
    ~ReentryGuard() {
        if (entered_) busy_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    // False when the handler is already running further up the stack.
    explicit operator bool() const { return entered_; }

  private:
    bool& busy_;
    bool entered_;
};

// Raises a flag for the life of a scope and then puts back what it was: the
// main window's "a modal dialog is up" mark, which nested dialogs share.
class FlagScope {
  public:
    explicit FlagScope(bool& flag, bool raise = true) : flag_(flag), old_(flag) {
        flag_ = old_ || raise;
    }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};
