// SPDX-License-Identifier: GPL-3.0-or-later
// A clone read cancelled half way against csq5-sim at the receiver's real
// line rate (a whole read takes some 20 s there): the exchange stops at
// once, the port is closed and the document is exactly as before, with no
// message.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>

#include "clone/acf3_sequence.h"
#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "file/document_commands.h"
#include "model/master.h"
#include "run_process.h"

using namespace std::chrono_literals;

namespace {

using M = clsRigQ5_Master;

class CancellingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { errors += text; }
    void ShowNotice(const std::string& text) override { errors += text; }
    void ShowInformation(const std::string&, const std::string& text) override { errors += text; }
    void ProgressValue(int value) override {
        lastValue = value;
        // As the Cancel button would: from the event loop, not inside the tick.
        if (value > 0 && !cancelQueued && cancel) {
            cancelQueued = true;
            QTimer::singleShot(0, cancel);
        }
    }
    std::function<void()> cancel;
    bool cancelQueued = false;
    int lastValue = 0;
    std::string errors;
};

}  // namespace

TEST(CancelRead, CancelAfterTheFirstProgressRestoresTheDocument) {
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
    // An edited document of our own.
    master.ListCh(M::kListMemory, 7)->AppearCh(true);
    master.ListCh(M::kListMemory, 7)->FreqOp_Pure(14550000);
    master.CommonObj().Comment("MINE");
    master.WriteToEep();
    const ByteStr before = radio.eepImage.bytes();

    CancellingUi ui;
    DocumentCommands doc(master, ui);
    QtComService service;
    clsCmcAcf3Sequence sequence(service.com(), radio, master);
    CloneCommands clone(sequence, master, doc, ui);
    service.com().mainTask([&clone] { clone.task(); });
    service.com().errorReport([&clone] { clone.MsgBoxCloneErr(); });
    clone.ComDevice(*tty);
    ui.cancel = [&clone] { clone.Cancel(); };
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
    service.Stop();

    ASSERT_TRUE(done);
    EXPECT_FALSE(succeeded);
    EXPECT_TRUE(clone.Cancelled());
    EXPECT_GT(ui.lastValue, 0);
    EXPECT_LT(ui.lastValue, 50);  // stopped early, not run to the end
    EXPECT_LT(took.elapsed(), 10000);
    EXPECT_EQ(ui.errors, "");
    EXPECT_EQ(radio.eepImage.bytes(), before);
    EXPECT_EQ(master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
    EXPECT_FALSE(service.line().IsOpen());
}
