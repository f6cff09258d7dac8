// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver version matrix in the profile: section "M_Property", one key
// per matrix value, so the version learnt in the initial setup survives
// between runs. The memory map's own profile save and load hand over to these.

class clsCmcProfileIO;
class clsRigQ5_Matrix;

// Writes "M_Property_V", _A, _E, _C, _F, _T as the matrix reads them.
void MatrixSaveData(const clsRigQ5_Matrix& matrix, clsCmcProfileIO& profile);

// Reads the six keys (defaults: version 12 = none known, FM TV on, the rest
// 0), limits each to 0..32767 and writes it to the matrix, which limits it
// again to its own range when read.
void MatrixLoadData(clsRigQ5_Matrix& matrix, clsCmcProfileIO& profile);
