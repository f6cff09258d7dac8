// SPDX-License-Identifier: GPL-3.0-or-later
// A receiver that goes away in the middle of a clone read: csq5-sim, at the
// receiver's real line rate, is killed once the data flows. Its end of the
// pseudo-terminal closes as a pulled USB adapter's does: the line stays
// readable with nothing to read. The read must end at once with the port's
// message and the port closed, without spinning on the dead line, and leave
// the document as it was. The clock stands still, so no time-out of the
// exchange can be what ends it.

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <ctime>

#include "clone/acf3_sequence.h"
#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "fake_clock.h"
#include "file/document_commands.h"
#include "model/master.h"
#include "run_process.h"

using namespace std::chrono_literals;

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { errors += text; }
    void ShowNotice(const std::string& text) override { errors += text; }
    void ShowInformation(const std::string&, const std::string& text) override { errors += text; }
    void ProgressValue(int value) override {
        if (value > 0 && !lossQueued && onData) {
            lossQueued = true;
            QTimer::singleShot(0, onData);
        }
    }
    std::function<void()> onData;
    bool lossQueued = false;
    std::string errors;
};

}  // namespace

TEST(DeviceLost, AReceiverGoneMidReadEndsTheReadAtOnceWithThePortClosed) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    ChildProcess sim;
    ASSERT_TRUE(sim.Start(CSQ5_SIM_PATH, {"-q", "--baud", "9600"}));
    const auto tty = sim.ReadLine(10s);
    ASSERT_TRUE(tty.has_value());

    clsCmcRadio radio;
    PrepareRxQ5Document(radio);
    clsRigQ5_Master master(radio);
    master.MatrixObj().MtxVerNo(0);
    master.MatrixObj().MtxAmOk(1);
    master.MatrixObj().MtxFmTvOk(0);
    master.Init_MakeInitial();
    master.Reset();
    master.CommonObj().Comment("MINE");
    master.WriteToEep();
    const ByteStr before = radio.eepImage.bytes();

    RecordingUi ui;
    DocumentCommands doc(master, ui);
    FakeClock clock;
    QtComService service(clock);
    clsCmcAcf3Sequence sequence(service.com(), radio, master, clock);
    CloneCommands clone(sequence, master, doc, ui);
    service.com().mainTask([&clone] { clone.task(); });
    service.com().errorReport([&clone] { clone.MsgBoxCloneErr(); });
    clone.ComDevice(*tty);
    double cpuAtLoss = 0;
    ui.onData = [&] {
        cpuAtLoss = ProcessCpuSeconds();
        kill(sim.pid(), SIGKILL);
    };
    bool done = false, succeeded = true;
    clone.onFinished([&](CloneCommand, bool ok) {
        done = true;
        succeeded = ok;
    });

    service.Start();
    QElapsedTimer took;
    took.start();
    ASSERT_TRUE(clone.Read());
    while (!done && took.elapsed() < 30000) app.processEvents(QEventLoop::WaitForMoreEvents, 100);
    const double cpuAfterLoss = ProcessCpuSeconds() - cpuAtLoss;
    service.Stop();
    sim.Wait(5s);

    ASSERT_TRUE(ui.lossQueued);
    ASSERT_TRUE(done);
    EXPECT_FALSE(succeeded);
    EXPECT_EQ(ui.errors.substr(0, ui.errors.find('\r')), "Cannot access " + *tty + ".");
    EXPECT_FALSE(service.line().IsOpen());
    EXPECT_EQ(radio.eepImage.bytes(), before);
    // Noticing the loss takes a few wake-ups, not a busy loop: a generous
    // bound for a loaded machine and a sanitizer build alike.
    EXPECT_LT(cpuAfterLoss, 1.0);
}
