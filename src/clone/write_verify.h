// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check after a clone write: the receiver's memory, read back at once,
// compared byte for byte with what was sent over the clone-write ranges. A
// write that the receiver acknowledged can still have left a byte wrong
// (a weak memory cell, a disturbed line that the checksum let pass); this
// says how many bytes differ and where the user sees them: the channel and
// column ("Bank A 05: Frequency"), the setting ("Setting: Beep Audio"), or
// the address of a byte the program shows nowhere ("Address 1F58").

#include <string>
#include <vector>

#include "image/eeprom.h"
#include "model/master.h"

struct WriteVerifyResult {
    int differingBytes = 0;
    std::vector<std::string> places;  // in address order, each once
    bool Verified() const { return differingBytes == 0; }
};

// Both images in the receiver's form. master gives the receiver version,
// the clone-write ranges and the channel lists the places are named by.
WriteVerifyResult VerifyWrittenImage(const clsRigQ5_Master& master, const clsCmcEeprom& written,
                                     const clsCmcEeprom& readBack);
