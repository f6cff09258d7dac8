// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/rigq5_table.h"

#include "app/common.h"
#include "image/initial_images_data.h"

namespace {

// Byte of the band-8 VFO's frequency digits that holds "50" of 850 MHz.
constexpr std::int32_t kVfo8HundredsMhz = 0x1C71;

}  // namespace

std::string_view InitialImageText(int& version, int& amFlag) {
    version = LimitInt(version, 0, clsRigQ5_Matrix::kNoVersion);
    if (version == clsRigQ5_Matrix::kNoVersion) version = 5;
    amFlag = LimitInt(amFlag, 0, 1);
    return kInitialImageTexts[static_cast<std::size_t>(2 * version + amFlag)];
}

void MakeInitialImage(clsCmcEeprom& image, const clsRigQ5_Matrix& matrix) {
    int version = matrix.MtxVerNo();
    int amFlag = matrix.MtxAmOk();
    // Every text covers all 8064 bytes; the resize only guards against an
    // image that was given another size.
    image.eeSize(clsCmcEeprom::kReceiverSize);
    image.LetByPressed(InitialImageText(version, amFlag));
    if (matrix.MtxCellerNg() != 0) image.WriteByte(kVfo8HundredsMhz, 0x00);
}
