// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help: its own user manual, kept as HTML pages in the
// program's resources, shown with a contents tree and a keyword index.

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the window on the first page with the contents in view.
    void ShowContents();
    // Shows a manual page, e.g. "serial.html#dialout".
    void ShowPage(const QString& page);
    QUrl CurrentPage() const;

    // Index entries whose keyword starts with the typed text (case ignored).
    void FilterIndex(const QString& text);
    int IndexCount() const;

  private:
    void OpenIndexEntry(int row);
    void PlaceOnScreen();

    QTabWidget* tabs_;
    QTreeWidget* contents_;
    QLineEdit* indexText_;
    QListWidget* index_;
    QTextBrowser* browser_;
    bool placed_ = false;
};
