// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_settings.h"

#include <string>

#include "app/profile.h"

namespace {
std::string Indexed(const char* base, int i) {
    return std::string(base) + "(" + std::to_string(i) + ")";
}
}  // namespace

void SaveMainSettings(const MainSettings& s, clsCmcProfileIO& profile) {
    profile.Section("OPTION");
    profile.saveData("ComPort", s.comPort);
    profile.saveData("ToolBar", s.toolBar);
    profile.saveData("VerifyAfterWrite", s.verifyAfterWrite);
    profile.Section("STATUS");
    profile.saveData("WindowPosition(State)", s.placement.state);
    if (s.positionKnown) {
        profile.saveData("WindowPosition(Left)", s.placement.left);
        profile.saveData("WindowPosition(Top)", s.placement.top);
    }
    profile.saveData("WindowPosition(Width)", s.placement.width);
    profile.saveData("WindowPosition(Height)", s.placement.height);
    profile.saveData("TreeViewWidth", s.treeViewWidth);
    for (int i = 0; i < int(s.cellWidth.size()); ++i)
        profile.saveData(Indexed("CellWidth", i), s.cellWidth[i]);
}

void LoadMainSettings(MainSettings& s, clsCmcProfileIO& profile) {
    profile.Section("OPTION");
    profile.loadData("ComPort", s.comPort, 1);
    profile.loadData("ToolBar", s.toolBar, 1);
    profile.loadData("VerifyAfterWrite", s.verifyAfterWrite, 0);
    profile.Section("STATUS");
    // A missing state means a first run: the rest is then not applied.
    int state = -1;
    profile.loadData("WindowPosition(State)", state, -1);
    s.placement = StoredPlacement{};
    s.placement.state = state;
    if (state >= 0) {
        profile.loadData("WindowPosition(Left)", s.placement.left, -1);
        profile.loadData("WindowPosition(Top)", s.placement.top, -1);
        profile.loadData("WindowPosition(Width)", s.placement.width, -1);
        profile.loadData("WindowPosition(Height)", s.placement.height, -1);
    }
    profile.loadData("TreeViewWidth", s.treeViewWidth, 3100);
    for (int i = 0; i < int(s.cellWidth.size()); ++i)
        profile.loadData(Indexed("CellWidth", i), s.cellWidth[i], -1);
}
