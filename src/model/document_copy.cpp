// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_copy.h"

DocumentCopy::DocumentCopy(const clsRigQ5_Master& like) {
    CopyRadioShape(like.Radio(), radio);
    master.MatrixObj() = like.MatrixObj();
    // The same initial image, not one built anew: the format tag and the
    // contents of channels that cannot be cleared come from it.
    radio.eepInitial.CopyFrom(like.Radio().eepInitial);
    master.Reset();
    Take(radio.eepInitial, clsRigQ5_Master::kProgramForm);
}

void DocumentCopy::Take(const clsCmcEeprom& image, int form) {
    radio.eepImage.CopyFrom(image);
    master.ReadFromEep(form);
}
