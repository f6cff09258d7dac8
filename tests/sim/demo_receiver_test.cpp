// SPDX-License-Identifier: GPL-3.0-or-later
// The in-process demo receiver: the program's own clone commands on the Qt
// serial service, with COM1 mapped to the demo's pseudo-terminal.

#include "sim/qt/demo_receiver.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <string>
#include <vector>

#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "file/document_commands.h"
#include "model/master.h"

namespace {

class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShowInformation(const std::string&, const std::string& text) override {
        infos.push_back(text);
    }
    std::vector<std::string> errors, notices, infos;
};

// The window program's clone machinery, as csq5 --demo wires it.
struct DemoRig {
    DemoRig() : seq(service.com(), radio, master), clone(seq, master, doc, ui) {
        PrepareRxQ5Document(radio);
        service.com().mainTask([this] { clone.task(); });
        service.com().errorReport([this] { clone.MsgBoxCloneErr(); });
        service.comDevices({{1, "/dev/csq5-no-such-port"}});
        master.Init_MakeInitial();
        master.Reset();
        service.Start();
    }
    bool RunToEnd() {
        QDeadlineTimer deadline(10000);
        while (clone.Busy() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return !clone.Busy();
    }

    QtComService service;
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    clsCmcAcf3Sequence seq;
    RecordingUi ui;
    DocumentCommands doc{master, ui};
    CloneCommands clone;
};

}  // namespace

TEST(DemoReceiver, InitialSetupReadWriteAndInformationWithoutHardware) {
    DemoRig rig;
    ReceiverSetup setup;
    setup.version = 3;
    DemoReceiver demo(setup);
    std::string error;
    ASSERT_TRUE(demo.Start(error)) << error;
    rig.service.comOverride(1, demo.DevicePath());
    demo.Receiver().Image().WriteBlock(SimReceiver::kCommentAdr, StrToByteStr("DEMO RECEIVER   "));

    // The initial setup learns the demo receiver's version.
    ASSERT_EQ(rig.master.MatrixObj().MtxVerNo(), 12);
    ASSERT_TRUE(rig.clone.InitialSetup(1));
    ASSERT_TRUE(rig.RunToEnd());
    ASSERT_TRUE(rig.ui.errors.empty()) << rig.ui.errors.front();
    EXPECT_EQ(rig.master.MatrixObj().MtxVerNo(), 3);

    // A clone read brings the receiver's whole image.
    ASSERT_TRUE(rig.clone.Read());
    ASSERT_TRUE(rig.RunToEnd());
    ASSERT_TRUE(rig.ui.errors.empty()) << rig.ui.errors.front();
    EXPECT_TRUE(rig.radio.EditOn());
    EXPECT_EQ(rig.radio.eepImage.ReadBlock(0, 0x1F80),
              demo.Receiver().Image().ReadBlock(0, 0x1F80));

    // A clone write is taken by the receiver.
    ASSERT_TRUE(rig.clone.Write());
    ASSERT_TRUE(rig.RunToEnd());
    ASSERT_TRUE(rig.ui.errors.empty()) << rig.ui.errors.front();
    EXPECT_EQ(demo.Receiver().GoodWrites(), 1);
    ASSERT_EQ(rig.ui.notices.size(), 1u);

    ASSERT_TRUE(rig.clone.Information());
    ASSERT_TRUE(rig.RunToEnd());
    ASSERT_TRUE(rig.ui.errors.empty()) << rig.ui.errors.front();
    ASSERT_EQ(rig.ui.infos.size(), 1u);
    EXPECT_NE(rig.ui.infos[0].find("DEMO RECEIVER"), std::string::npos) << rig.ui.infos[0];

    // The configured device of COM1 is untouched by the demo.
    EXPECT_EQ(rig.service.comDevices().at(1), "/dev/csq5-no-such-port");
}

TEST(DemoReceiver, SetupFollowsTheKnownVersion) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    auto& m = master.MatrixObj();
    EXPECT_EQ(DemoReceiverSetup(m).version, 0);  // none known yet
    m.MtxVerNo(7);
    m.MtxAmOk(0);
    m.MtxFmTvOk(1);
    m.MtxCellerNg(1);
    m.MtxTvOwNo(2);
    const ReceiverSetup s = DemoReceiverSetup(m);
    EXPECT_EQ(s.version, 7);
    EXPECT_FALSE(s.amOk);
    EXPECT_TRUE(s.fmTvOk);
    EXPECT_TRUE(s.cellerNg);
    EXPECT_EQ(s.tvOwNo, 2);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
