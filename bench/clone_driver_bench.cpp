// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the frame driver takes in a whole clone read and produces a whole
// clone write; the serial line is a sink that echoes nothing.

#include <benchmark/benchmark.h>

#include "clone/acf3_driver.h"

namespace {

class SinkLine : public SerialLine {
  public:
    bool Open(const std::string&, std::int32_t) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    void DiscardOutput() override {}
    void Write(const ByteStr& bytes) override { last = bytes; }
    int BytesWaiting() const override { return 0; }
    ByteStr ReadAll() override { return {}; }
    int BytesToWrite() const override { return 0; }
    ByteStr last;
};

ByteStr Frame(std::uint8_t command, const ByteStr& body) {
    ByteStr f{0xFE, 0xFE, 0xEF, 0xEE, command};
    f.insert(f.end(), body.begin(), body.end());
    f.push_back(0xFD);
    return f;
}

// The receiver's whole clone-read stream, cut into chunks of the given size.
void CloneReadStream(benchmark::State& state) {
    const auto chunkSize = static_cast<std::size_t>(state.range(0));
    clsCmcEeprom source;
    ByteStr stream;
    for (std::int32_t a = 0; a < source.eeSize(); a += 32) {
        const ByteStr f = Frame(0xE4, StrToByteStr(CloneDataBlockText(a, source.ReadBlock(a, 32))));
        stream.insert(stream.end(), f.begin(), f.end());
    }
    const ByteStr end = Frame(0xE5, StrToByteStr("Ardo Inc."));
    stream.insert(stream.end(), end.begin(), end.end());
    SinkLine line;
    clsCmcEeprom image;
    clsCmcAcf3Drv drv;
    drv.form(&line);
    drv.myEep(&image);
    for (auto _ : state) {
        drv.Reset();
        drv.workMode(kWorkRead);
        drv.ChkBlock_Clear();
        drv.Send({0xE2, 0x23, 0x04, 0x00, 0x01});
        drv.read(line.last);  // the echo
        for (std::size_t at = 0; at < stream.size(); at += chunkSize)
            drv.read(ByteStr(stream.begin() + static_cast<std::ptrdiff_t>(at),
                             stream.begin() + static_cast<std::ptrdiff_t>(
                                                  std::min(at + chunkSize, stream.size()))));
        if (drv.Running() || drv.nowError() != 0) state.SkipWithError("clone read failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(CloneReadStream)->Arg(1)->Arg(64)->Arg(1 << 20);

// A whole clone write, each frame's echo fed back at once.
void CloneWriteFrames(benchmark::State& state) {
    SinkLine line;
    clsCmcEeprom image;
    clsCmcAcf3Drv drv;
    drv.form(&line);
    drv.myEep(&image);
    for (auto _ : state) {
        drv.Reset();
        drv.cloneWriteAdrList("0000-1F7F,");
        drv.sizDataOfPacket(32);
        drv.workMode(kWorkWriteData);
        drv.Send({0xE3, 0x23, 0x04, 0x00, 0x01});
        while (drv.workMode() == kWorkWriteData && drv.Running()) drv.read(line.last);
        if (drv.workMode() != kWorkWriteEnd) state.SkipWithError("clone write failed");
    }
}
BENCHMARK(CloneWriteFrames);

}  // namespace

BENCHMARK_MAIN();
