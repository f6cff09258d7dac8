// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's settings in the profile: section "OPTION" (COM port,
// toolbar, verify after write) and section "STATUS" (window placement in pixels, tree width and
// grid column widths in twips), in the order they are written.

#include "ui/main_window.h"

class clsCmcProfileIO;

void SaveMainSettings(const MainSettings& settings, clsCmcProfileIO& profile);
// Keys that are missing keep the values already in settings (the defaults).
void LoadMainSettings(MainSettings& settings, clsCmcProfileIO& profile);
