// SPDX-License-Identifier: GPL-3.0-or-later
// A clone read on the Qt serial service against csq5-sim at the receiver's
// real line rate (a whole read takes some 20 s there), interrupted once the
// data flows: cancelled by the user, or the receiver goes away (the
// simulator is killed; its end of the pseudo-terminal closes as a pulled USB
// adapter's does: the line stays readable with nothing to read). Either way
// the read ends at once with the port closed and the document as it was.
// The clock stands still, so no time-out of the exchange can end a read.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <ctime>
#include <utility>

#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "fake_clock.h"
#include "recording_ui.h"
#include "sim_process.h"
#include "version_document.h"

namespace {

struct InterruptedRead {
    int argc = 1;
    char name[5] = "test";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    SimProcess sim{{"--baud", "9600"}};
    VersionDocument d{0, 1, 0};
    RecordingUi ui;
    DocumentCommands doc{d.master, ui};
    FakeClock clock;
    QtComService service{clock};
    clsCmcAcf3Sequence sequence{service.com(), d.radio, d.master, clock};
    CloneCommands clone{sequence, d.master, doc, ui};
    qint64 tookMs = 0;

    // Reads over a document of our own; `interrupt` runs from the event
    // loop (as the Cancel button would) after the first progress.
    void Read(std::function<void()> interrupt) {
        PrepareRxQ5Document(d.radio);
        d.master.CommonObj().Comment("MINE");
        d.master.WriteToEep();
        const ByteStr before = d.radio.eepImage.bytes();
        service.com().mainTask([this] { clone.task(); });
        service.com().errorReport([this] { clone.MsgBoxCloneErr(); });
        ASSERT_FALSE(sim.tty().empty());
        clone.ComDevice(sim.tty());
        ui.onProgress = [interrupt, queued = false](int value) mutable {
            if (value > 0 && !std::exchange(queued, true)) QTimer::singleShot(0, interrupt);
        };
        service.Start();
        QElapsedTimer took;
        took.start();
        ASSERT_TRUE(clone.Read());
        while (clone.Busy() && took.elapsed() < 30000)
            app.processEvents(QEventLoop::WaitForMoreEvents, 100);
        tookMs = took.elapsed();
        service.Stop();
        EXPECT_TRUE(clone.LastCloneError());
        EXPECT_FALSE(service.line().IsOpen());
        EXPECT_EQ(d.radio.eepImage.bytes(), before);
    }
};

}  // namespace

TEST(InterruptedRead, CancelAfterTheFirstProgressRestoresTheDocumentWithoutAMessage) {
    InterruptedRead t;
    t.Read([&t] { t.clone.Cancel(); });
    EXPECT_TRUE(t.clone.Cancelled());
    EXPECT_LT(t.ui.values.back(), 50);  // stopped early, not run to the end
    EXPECT_LT(t.tookMs, 10000);
    EXPECT_FALSE(t.ui.AnyMessage());
}

TEST(InterruptedRead, AReceiverGoneMidReadEndsTheReadAtOnceWithThePortsMessage) {
    InterruptedRead t;
    std::clock_t cpuAtLoss = 0;
    t.Read([&] {
        cpuAtLoss = std::clock();
        kill(t.sim.pid(), SIGKILL);
    });
    const double cpuAfterLoss = double(std::clock() - cpuAtLoss) / CLOCKS_PER_SEC;
    ASSERT_GT(cpuAtLoss, 0);
    ASSERT_EQ(t.ui.errors.size(), 1u);
    EXPECT_TRUE(t.ui.errors[0].starts_with("Cannot access " + t.sim.tty() + ".\r\n"));
    // Noticing the loss takes a few wake-ups, not a busy loop: a generous
    // bound for a loaded machine and a sanitizer build alike.
    EXPECT_LT(cpuAfterLoss, 1.0);
}
