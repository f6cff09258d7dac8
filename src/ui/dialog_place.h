// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placement of the program's dialogs on the desktop: centred over the
// window that opens them, and kept on the screen (right and bottom edge
// first, then left and top, so a dialog larger than the screen keeps its
// top left corner in view).

class QWidget;

// Moves the dialog so that its frame is centred over the owner's frame.
void CentreDialogOver(QWidget& dialog, const QWidget& owner);
// Moves the dialog so that its frame lies on its screen.
void KeepDialogOnScreen(QWidget& dialog);
