// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the window program for the documentation: the main window
// on a memory bank with channels, and the initial setup with its picture,
// in the desktop's palette or a dark one. Runs on Qt's offscreen platform;
// with QT_SCALE_FACTOR=2 it draws at double scale.
// Usage: QT_QPA_PLATFORM=offscreen screenshots PREFIX [dark]
//   writes PREFIX-main.png, PREFIX-settings.png and PREFIX-setup.png

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ui/edit_common_dialog.h"
#include "ui/program.h"
#include "ui/setup_dialog.h"

namespace {
QPalette DarkPalette() {
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    if (argc > 2 && QByteArray(argv[2]) == "dark") {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QFile profile(dir.filePath(QStringLiteral("CSQ5.rs")));
    if (!profile.open(QIODevice::WriteOnly)) return 1;
    profile.write("[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    profile.close();

    Csq5Program program(profile.fileName().toStdString());
    program.Start({});
    frmMain& window = program.Window();
    const struct {
        int index;
        std::int32_t freq;
        const char* name;
    } channels[] = {{0, 14500000, "CALL"},
                    {1, 14550000, "RPT1"},
                    {3, 43012500, "UHF"},
                    {4, 12150000, "AIR"},
                    {5, 15682500, "MAR16"}};
    for (const auto& c : channels) {
        clsRigQ5_Ch& ch = *program.Master().ListCh(clsRigQ5_Master::kListMemory, c.index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(c.freq);
        ch.Name(c.name);
    }
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("trvChList"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == QLatin1String("Bank A")) tree->setCurrentItem(*it);
    window.resize(760, 420);
    window.timMain_Timer();
    window.DispChList();
    QApplication::processEvents();
    if (!window.grab().save(prefix + QStringLiteral("-main.png"))) return 1;

    frmEditCommon common(&window);
    common.CurCommon(program.Master().CommonObj());
    common.adjustSize();
    common.show();
    QApplication::processEvents();
    if (!common.grab().save(prefix + QStringLiteral("-settings.png"))) return 1;

    frmSetup setup(window, [](int) { return 0; });
    setup.show();
    QApplication::processEvents();
    return setup.grab().save(prefix + QStringLiteral("-setup.png")) ? 0 : 1;
}
