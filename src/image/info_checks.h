// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver-independent part of the identification checks: whether an
// identification answer (0xE1), or a data file's first line, names the one
// receiver model this program serves. The codes belong to the radio
// document, so the data files and the clone sequence both check them here;
// the version checks that need the memory map live there.

#include <string>

#include "app/common.h"
#include "image/radio.h"  // kModelCode, kSubCode

// Result codes of the identification checks, as the clone sequence keeps them.
enum InfoCheckCode : int {
    kInfoOk = 0,
    kInfoWrongModel = 1,      // model code is not 2304
    kInfoIllegalSub = 2,      // sub code not accepted
    kInfoVersionDiffers = 3,  // version or capabilities differ from the initial setup
    kInfoMalformed = 4,       // answer not 26 bytes, or version byte 12
    kInfoReadImageBad = 5,    // a read image fails the consistency test
    kInfoCommFailed = 6,      // communication failed
};

// True exactly for the sub code "0001".
bool RigOpFunc_CheckSubNameLegal(const std::string& sub);

// Length 26, model 2304, legal sub code, version byte not 12; positions
// count from 1 on the answer (destination, source, command, body...).
int RigOpFunc_CheckInfoGeneral(const ByteStr& answer);
