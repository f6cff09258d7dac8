// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated receiver (csq5-sim's) at the far end of a FakeSerialLine:
// the line plays the cable's echo and the receiver answers every complete
// frame it hears, from its version's factory image. A test may silence the
// receiver at any moment. Link csq5sim.

#include <vector>

#include "fake_serial_line.h"
#include "sim/sim_image.h"
#include "sim/sim_receiver.h"

class ReceiverOnLine {
    FakeSerialLine& line_;
    FrameReader reader_;

  public:
    explicit ReceiverOnLine(FakeSerialLine& line, const ReceiverSetup& setup = {})
        : line_(line), rx(setup) {
        MakeStartImage(setup, rx.Image());
        line_.echo = true;
        line_.onWrite = [this](const ByteStr& bytes) { Hear(bytes); };
    }

    SimReceiver rx;
    bool answers = true;

  private:
    void Hear(const ByteStr& bytes) {
        for (const std::uint8_t b : bytes) {
            const auto frame = reader_.Feed(b);
            if (!frame || !answers) continue;
            std::vector<ReceiverOutput> out;
            rx.HandleFrame(*frame, out);
            for (const auto& o : out) line_.Feed(o.bytes);
        }
    }
};
