// SPDX-License-Identifier: GPL-3.0-or-later
// Data files come from other users and other programs: any content must load
// with a result code, never past the image, and what loads must save and load
// back to the same image. The file path and the in-memory path must agree.

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "file/acf_file.h"
#include "fuzz_common.h"

namespace {

clsCmcRadio& Reference() {
    static clsCmcRadio doc;
    static bool ready = false;
    if (!ready) {
        PrepareDocument(doc, 1);
        ready = true;
    }
    return doc;
}

// A document ready to load into, with a known working image.
void Fresh(clsCmcRadio& doc) {
    PrepareRxQ5Document(doc);
    doc.eepInitial.CopyFrom(Reference().eepInitial);
    doc.eepImage.FillBlock(0, 0x5A, doc.eepImage.eeSize());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    clsCmcRadio doc;
    Fresh(doc);
    const int code = AcfTextLoad(doc, text);
    FUZZ_REQUIRE(code == kAcfOk || code == kAcfReadError || code == kAcfIllegalData ||
                 code == kAcfNotEnough);
    FUZZ_REQUIRE(doc.eepImage.eeSize() == clsCmcEeprom::kReceiverSize);
    FUZZ_REQUIRE((code == kAcfReadError) == (size == 0));

    // The same bytes read from a file give the same result and image.
    const std::string& path = ScratchFile("input.acf");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    clsCmcRadio fromFile;
    Fresh(fromFile);
    FUZZ_REQUIRE(AcfFileLoad(fromFile, path) == code);
    FUZZ_REQUIRE(fromFile.eepImage.IsSameAs(doc.eepImage));

    if (code == kAcfOk) {
        // A loaded image saves as a file that loads back to the same image.
        const std::string saved = AcfFileText(doc, text.substr(0, 40));
        clsCmcRadio again;
        Fresh(again);
        FUZZ_REQUIRE(AcfTextLoad(again, saved) == kAcfOk);
        FUZZ_REQUIRE(again.eepImage.IsSameAs(doc.eepImage));
    }
    return 0;
}
