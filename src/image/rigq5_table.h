// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver's factory memory contents for every version (market), built
// into the program as packed texts, and the making of the initial image of
// the version in force from them.

#include <string_view>

#include "image/eeprom.h"
#include "image/matrix.h"

// The packed factory image of a version 0..11 with the medium-wave AM grid
// flag 0 or 1. The arguments are normalised in place: the version is limited
// to 0..12 and 12 (no version known yet) borrows version 5; the flag is
// limited to 0..1.
std::string_view InitialImageText(int& version, int& amFlag);

// The initial image of the matrix's version: the factory image unpacked, and,
// where the cellular range is blocked, the band-8 VFO moved from 850 MHz to
// 800 MHz so that it does not start inside the blocked range.
void MakeInitialImage(clsCmcEeprom& image, const clsRigQ5_Matrix& matrix);
