// SPDX-License-Identifier: GPL-3.0-or-later
// People type anything into the frequency boxes. Any text gives a frequency
// within 0..3000 MHz (an offset within its own limit), and typing back the
// text the program shows for that frequency gives the same frequency.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz_common.h"
#include "image/matrix.h"
#include "model/channel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    clsRigQ5_Matrix matrix;
    matrix.MtxVerNo(in.ConsumeIntegralInRange<int>(0, 12));
    matrix.MtxAmOk(in.ConsumeIntegralInRange<int>(0, 1));
    matrix.MtxExpOn(in.ConsumeIntegralInRange<int>(0, 1));
    matrix.MtxCellerNg(in.ConsumeIntegralInRange<int>(0, 1));
    const int ident = in.ConsumeIntegralInRange<int>(0, 16);
    const int kind = in.ConsumeIntegralInRange<int>(-1, 2);
    clsRigQ5_Ch ch(matrix, ident);
    ch.AppearCh(true);
    ch.FreqOp_Pure(in.ConsumeIntegralInRange<std::int32_t>(0, clsRigQ5_Ch::kFreqMax));
    const std::string text = in.ConsumeRemainingBytesAsString();

    const std::int32_t f = ch.Conv_Freq_StrToLong(text, kind);
    FUZZ_REQUIRE(f >= 0 && f <= clsRigQ5_Ch::kFreqMax);
    if (kind == 1) FUZZ_REQUIRE(f <= clsRigQ5_Ch::kDupMax);

    // The shown text of the value reads back as the value.
    const std::string shown = clsRigQ5_Ch::Conv_Freq_LongToStr(f);
    FUZZ_REQUIRE(ch.Conv_Freq_StrToLong(shown, kind) == f);
    return 0;
}
