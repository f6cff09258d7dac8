// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A receiver and its cloning cable inside the program, for trying CS-Q5
// without an RX-Q5: a pseudo-terminal whose slave the program opens as its
// serial port, and whose master this object serves from the thread's event
// loop. Every byte the program sends comes back at once (the cable's echo)
// and the simulated receiver answers the complete frames it hears. Nothing
// is paced: a clone takes as long as the program's own handling of it.

#include <memory>
#include <string>

#include "app/common.h"
#include "sim/sim_frame.h"
#include "sim/sim_pty.h"
#include "sim/sim_receiver.h"

class QSocketNotifier;
class clsRigQ5_Matrix;

class DemoReceiver {
  public:
    explicit DemoReceiver(const ReceiverSetup& setup = ReceiverSetup());
    ~DemoReceiver();
    DemoReceiver(const DemoReceiver&) = delete;
    DemoReceiver& operator=(const DemoReceiver&) = delete;

    // Creates the pseudo-terminal and starts serving it; False with the
    // reason in error when the system has none to give.
    bool Start(std::string& error);
    void Stop();
    bool Running() const { return read_ != nullptr; }

    // The path the program opens as its serial port.
    const std::string& DevicePath() const { return pty_.SlaveName(); }
    SimReceiver& Receiver() { return receiver_; }

  private:
    void OnReadable();
    void Flush();

    SimPty pty_;
    SimReceiver receiver_;
    FrameReader reader_;
    ByteStr pending_;  // bytes the pty did not take yet
    std::unique_ptr<QSocketNotifier> read_;
    std::unique_ptr<QSocketNotifier> write_;
};

// A receiver that passes the identification checks of the version the
// program knows (so a clone read or write works without a new initial
// setup); the first version when none is known yet. Its memory is that
// version's factory image.
ReceiverSetup DemoReceiverSetup(const clsRigQ5_Matrix& matrix);
