// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_image.h"

#include "file/acf_file.h"
#include "image/info_checks.h"
#include "image/matrix.h"
#include "image/radio.h"
#include "image/rigq5_table.h"
#include "model/common_settings.h"

void MakeStartImage(const ReceiverSetup& setup, clsCmcEeprom& image) {
    // The memory a receiver of this version leaves the factory with: the
    // packed factory text of its version and AM grid, with the cellular
    // block applied as the receiver reports it.
    clsRigQ5_Matrix matrix;
    matrix.MtxVerNo(LimitInt(setup.version, 0, 12));
    matrix.MtxAmOk(setup.amOk ? 1 : 0);
    matrix.MtxCellerNg(setup.cellerNg ? 1 : 0);
    MakeInitialImage(image, matrix);
}

namespace {

// A radio document as the program sets it up: this receiver's model and sub
// code, the one clone-write range over the whole memory, and the factory
// image as the initial image whose format tag every loaded file must carry.
void SetUpDocument(clsCmcRadio& doc) {
    PrepareRxQ5Document(doc);
    MakeStartImage(ReceiverSetup{}, doc.eepInitial);
}

}  // namespace

bool SaveImageFile(const std::string& path, const clsCmcEeprom& image) {
    clsCmcRadio doc;
    SetUpDocument(doc);
    doc.eepImage.CopyFrom(image);
    const std::string comment = clsRigQ5_Common(doc).Comment();
    return AcfFileSave(doc, comment, path) == kAcfOk;
}

bool LoadImageFile(const std::string& path, clsCmcEeprom& image, std::string& error) {
    clsCmcRadio doc;
    SetUpDocument(doc);
    const int result = AcfFileLoad(doc, path);
    if (result != kAcfOk) {
        error = ConvNewLine(AcfFileErrorMessage(result, path));
        for (char& c : error)
            if (c == '\r' || c == '\n') c = ' ';
        return false;
    }
    image.CopyFrom(doc.eepImage);
    return true;
}
