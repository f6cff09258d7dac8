// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second document of the same receiver, apart from the one the user works
// on: the same version, initial image, model names and clone-write ranges,
// with records of its own. It decodes and encodes an image that must not
// touch the user's document: a data file to compare with, the image a clone
// read brought, the memory read back after a write.

#include "image/eeprom.h"
#include "image/radio.h"
#include "model/master.h"

class DocumentCopy {
  public:
    // Starts on the initial image of like's version.
    explicit DocumentCopy(const clsRigQ5_Master& like);
    DocumentCopy(const DocumentCopy&) = delete;
    DocumentCopy& operator=(const DocumentCopy&) = delete;

    // The image becomes the working image, decoded into the records in the
    // given form (clsRigQ5_Master::kProgramForm or kReceiverForm).
    void Take(const clsCmcEeprom& image, int form);

    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
};
