// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the clone sequence asks of the receiver model between its steps:
// the identification checks that depend on the version in force, and the
// test of a freshly read image. The memory map implements it; tests fake it.

#include "app/common.h"

class CloneChecks {
  public:
    virtual ~CloneChecks() = default;
    // Initial setup: on success the version matrix takes the receiver's
    // values and the initial image is rebuilt.
    virtual int RigOpFunc_CheckInfoToInitInfo(const ByteStr& answer) = 0;
    // Before a clone read and for the plain identification.
    virtual int RigOpFunc_CheckInfoToReadOrInfo(const ByteStr& answer) = 0;
    // Before a clone write; on success the image is prepared for the receiver.
    virtual int RigOpFunc_CheckInfoToWrite(const ByteStr& answer) = 0;
    // After a clone read: the format tag must match the initial image.
    virtual int RigOpFunc_CheckReadedData() = 0;
};
