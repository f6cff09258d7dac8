// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory map's settings in the profile: the receiver version matrix
// (section "M_Property"). Written at the end of a run, read at start-up
// before the initial image of the stored version is built.

class clsCmcProfileIO;
class clsRigQ5_Master;

void MasterSaveData(const clsRigQ5_Master& master, clsCmcProfileIO& profile);
// Sets the version matrix only; the caller then builds the initial image
// (Init_MakeInitial) for the version read.
void MasterLoadData(clsRigQ5_Master& master, clsCmcProfileIO& profile);
