// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test glue for the window program: a document on its own for the dialogs
// built directly, and the whole program as main() builds it, on a profile
// and a data folder of its own, with its message boxes and modal dialogs
// answered through the fake dialog seam. The progress dialog is shown and
// the events run until the serial tick closes it, as the modal display does.

#include <QDeadlineTimer>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <memory>

#include "fake_dialogs.h"
#include "ui/clone_progress.h"
#include "ui/program.h"

// Tree keys of the receiver's lists as the tree numbers them.
constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyBankB = 4, kKeyBankC = 5, kKeyPScan = 11, kKeyTv = 13;
// Edit menu items.
constexpr int kEdit = 0, kCopy = 2, kPaste = 3, kClear = 5, kDelete = 6, kInsert = 7, kUndo = 9,
              kRedo = 10;

// A profile that knows the receiver's version: the main window opens.
inline const QByteArray kVersion0 =
    "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n";

// The program, not started yet (Start with the arguments under test).
struct Run {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<Csq5Program> p;
    int progressShown = 0;
    std::function<void(frmCloneProgress&)> whileProgress;

    explicit Run(const QByteArray& profile = QByteArray()) {
        // Copies of clone reads go to this run's folder, never the user's.
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        QFile f(dir.filePath("CSQ5.rs"));
        if (f.open(QIODevice::WriteOnly)) f.write(profile);
        f.close();
        p = std::make_unique<Csq5Program>(dir.filePath("CSQ5.rs").toStdString());
        dialogs.onShowModal = [this](QDialog& d) {
            if (d.objectName() != QStringLiteral("frmCloneProgress")) return;
            ++progressShown;
            auto& progress = static_cast<frmCloneProgress&>(d);
            // Shown until the serial tick closes it; bounded so that a lost
            // close fails the test instead of hanging it.
            d.show();
            for (QDeadlineTimer deadline(30000); d.isVisible() && !deadline.hasExpired();) {
                if (whileProgress) whileProgress(progress);
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
        };
    }
    ~Run() {
        p->Window().hide();
        p.reset();
    }
    frmMain& W() { return p->Window(); }
    clsCmcRadio& Radio() { return p->Radio(); }
    clsRigQ5_Master& Master() { return p->Master(); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The program's data folder of this run (copies of clone reads).
    QString DataPath(const char* name) const { return Path("data/CS-Q5/") + name; }
    void UseDevice(int slot, const std::string& tty) { p->ComDevices({{slot, tty}}); }
    QString LastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
    QByteArray ProfileText() const {
        QFile f(dir.filePath("CSQ5.rs"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    ByteStr Image() {
        Master().WriteToEep();
        return Radio().eepImage.bytes();
    }

    // The window's views.
    QTableWidget* Grid() { return W().findChild<QTableWidget*>(QStringLiteral("mfgCh")); }
    QTreeWidget* Tree() { return W().findChild<QTreeWidget*>(QStringLiteral("trvChList")); }
    QString Cell(int row, int column) {
        auto* item = Grid()->item(row, column);
        return item ? item->text() : QString();
    }
    bool EditEnabled(int index) {
        return W().MenuItem(QStringLiteral("mnuEdit"), index)->isEnabled();
    }
    QTreeWidgetItem* Node(int key) {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == key) return *it;
        return nullptr;
    }
    // Selects the tree node of a key and lets the window follow it.
    void Show(int key) {
        Tree()->setCurrentItem(Node(key));
        W().timMain_Timer();
    }
    // Shows a key's list with the cursor on a row.
    void At(int key, int row) {
        Show(key);
        Grid()->setCurrentCell(row, 0);
        W().timMain_Timer();
    }
};

// The program started on a known receiver version: the main window is up.
struct Started : Run {
    Started() : Run(kVersion0) { p->Start({}); }
    clsRigQ5_Ch& Mem(int index) { return *Master().ListCh(clsRigQ5_Master::kListMemory, index); }
    // Only the given memory channels in use (by their index over all banks),
    // a clean document with no undo steps.
    struct Use {
        int index;
        std::int32_t freq;
        const char* name;
    };
    void Channels(std::initializer_list<Use> channels) {
        for (int i = 0; i < 400; ++i) Mem(i).AppearCh(false);
        for (const Use& u : channels) {
            Mem(u.index).AppearCh(true);
            Mem(u.index).FreqOp_Pure(u.freq);
            Mem(u.index).Name(u.name);
        }
        Master().WriteToEep();
        Radio().EditOn(false);
        p->History().Clear();
        W().DispChList();
    }
};
