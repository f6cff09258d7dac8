// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/qt/demo_receiver.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <vector>

#include "image/matrix.h"
#include "sim/sim_image.h"

DemoReceiver::DemoReceiver(const ReceiverSetup& setup) : receiver_(setup) {
    MakeStartImage(setup, receiver_.Image());
}

DemoReceiver::~DemoReceiver() {
    Stop();
}

bool DemoReceiver::Start(std::string& error) {
    Stop();
    if (!pty_.Open(error)) return false;
    read_ = std::make_unique<QSocketNotifier>(pty_.Master(), QSocketNotifier::Read);
    QObject::connect(read_.get(), &QSocketNotifier::activated, read_.get(),
                     [this] { OnReadable(); });
    write_ = std::make_unique<QSocketNotifier>(pty_.Master(), QSocketNotifier::Write);
    write_->setEnabled(false);
    QObject::connect(write_.get(), &QSocketNotifier::activated, write_.get(), [this] { Flush(); });
    return true;
}

void DemoReceiver::Stop() {
    read_.reset();
    write_.reset();
    pty_.Close();
    pending_.clear();
    reader_.Clear();
}

void DemoReceiver::OnReadable() {
    std::uint8_t buf[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.Master(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // nothing more now (EAGAIN), or a fault
        // The cable carries the program's bytes straight back; the
        // receiver's answers follow.
        pending_.insert(pending_.end(), buf, buf + n);
        std::vector<ReceiverOutput> outs;
        for (ssize_t i = 0; i < n; ++i)
            if (auto frame = reader_.Feed(buf[i])) receiver_.HandleFrame(*frame, outs);
        // A hang-up would close the demo's line for good; the demo
        // receiver has no fault that asks for one, so only bytes go out.
        for (const auto& out : outs)
            pending_.insert(pending_.end(), out.bytes.begin(), out.bytes.end());
    }
    Flush();
}

void DemoReceiver::Flush() {
    std::size_t sent = 0;
    while (sent < pending_.size()) {
        const ssize_t w = ::write(pty_.Master(), pending_.data() + sent, pending_.size() - sent);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) break;  // the slave's queue is full: wait until it drains
        sent += static_cast<std::size_t>(w);
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(sent));
    if (write_) write_->setEnabled(!pending_.empty());
}

ReceiverSetup DemoReceiverSetup(const clsRigQ5_Matrix& matrix) {
    ReceiverSetup setup;
    if (matrix.MtxVerNo() < 0 || matrix.MtxVerNo() > 11) return setup;
    setup.version = matrix.MtxVerNo();
    setup.amOk = matrix.MtxAmOk() != 0;
    setup.cellerNg = matrix.MtxCellerNg() != 0;
    setup.fmTvOk = matrix.MtxFmTvOk() != 0;
    setup.expOn = matrix.MtxExpOn() != 0;
    setup.tvOwNo = LimitInt(matrix.MtxTvOwNo(), 0, 3);
    return setup;
}
