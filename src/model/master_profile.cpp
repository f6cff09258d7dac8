// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/master_profile.h"

#include "image/matrix_profile.h"
#include "model/master.h"

void MasterSaveData(const clsRigQ5_Master& master, clsCmcProfileIO& profile) {
    MatrixSaveData(master.MatrixObj(), profile);
}

void MasterLoadData(clsRigQ5_Master& master, clsCmcProfileIO& profile) {
    MatrixLoadData(master.MatrixObj(), profile);
}
