// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who the program is to the desktop: its name, the id of its desktop entry
// (so that a taskbar or a Wayland compositor matches its windows with the
// launcher and the .acf file type) and the icon of its windows.

#include <QIcon>
#include <QString>

// The desktop entry is installed as this id followed by ".desktop"; the
// AppStream metadata and the file type's package carry the same id.
inline const QString kDesktopEntryId = QStringLiteral(CSQ5_APP_ID);

// The program's own icon, the one its desktop entry names.
QIcon ProgramIcon();

// Application name, desktop entry and window icon; once, right after the
// QApplication is made.
void SetUpApplication();
