// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the window when the user does something anywhere in the program: a
// key, a mouse button, the wheel, a touch, a drop, a window coming to the
// front. What the window tick keeps current (selection, tree switch,
// caption, menu and button states) changes only after such input or after
// a command, so the tick sleeps between them instead of polling an idle
// program five times a second.

#include <QObject>
#include <functional>

class InputWatch : public QObject {
  public:
    // Watches the whole application until destroyed.
    explicit InputWatch(std::function<void()> onInput, QObject* parent = nullptr);
    ~InputWatch() override;

    // Whether an event of this type is the user's input.
    static bool IsInput(const QEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> onInput_;
};
