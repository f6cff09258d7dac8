// SPDX-License-Identifier: GPL-3.0-or-later
// How close a whole clone write and a whole clone read come to the speed of
// the line. Runs the clone commands on the Qt serial service against
// csq5-sim paced like a 9600 bit/s line, and prints the measured time over
// the line-rate limit: every byte that must cross the line one after the
// other (each request's echo, each answer; the computer's own sending
// overlaps its echo on a real line) at 10 bit times per byte. A ratio near
// 1 means the program adds no waiting of its own between frames. Then a
// whole clone write against an unpaced simulator: the program's own cost.
//
//   clone_speed [--sim PATH]

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_ui.h"
#include "clone/clone_commands.h"
#include "clone/qt/qt_com_service.h"
#include "run_process.h"

namespace {

constexpr int kBaud = 9600;
constexpr int kBitsPerByte = 10;

class QuietUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void ShowNotice(const std::string&) override {}
    void ShowInformation(const std::string&, const std::string&) override {}
};

// Frame lengths on the wire: preamble, addresses, command, body, end.
constexpr int FrameBytes(int body) {
    return 2 + 2 + 1 + body + 1;
}
// A data frame of n bytes: address, count, data and checksum as hex text.
constexpr int DataFrameBytes(int n) {
    return FrameBytes(2 * (2 + 1 + n + 1));
}
constexpr int kImageBytes = 8064;
constexpr int kBlock = 32;
constexpr int kDataFrames = (kImageBytes + kBlock - 1) / kBlock;
// The identification request and its answer (26 bytes from the addresses on).
constexpr int kIdentBytes = FrameBytes(4) + (2 + 26 + 1);
constexpr int kReadBytes =
    kIdentBytes + FrameBytes(4) + kDataFrames * DataFrameBytes(kBlock) + FrameBytes(9);
constexpr int kWriteBytes = kIdentBytes + FrameBytes(4) + kDataFrames * DataFrameBytes(kBlock) +
                            FrameBytes(9) + FrameBytes(1);

struct Rig {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    QuietUi ui;
    DocumentCommands doc{master, ui};
    QtComService service;
    clsCmcAcf3Sequence seq{service.com(), radio, master};
    CloneCommands clone{seq, master, doc, ui};

    Rig() {
        PrepareRxQ5Document(radio);
        master.MatrixObj().MtxVerNo(0);
        master.MatrixObj().MtxAmOk(1);
        master.MatrixObj().MtxFmTvOk(0);
        master.Init_MakeInitial();
        master.Reset();
        service.com().mainTask([this] { clone.task(); });
        service.com().errorReport([this] { clone.MsgBoxCloneErr(); });
        service.Start();
    }

    // Seconds from the command's start to its end; negative on failure.
    double Time(bool write, const std::string& tty) {
        clone.ComDevice(tty);
        bool ok = false;
        clone.onFinished([&ok](CloneCommand, bool succeeded) {
            ok = succeeded;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        });
        const auto start = std::chrono::steady_clock::now();
        if (write ? clone.Write() : clone.Read()) QCoreApplication::exec();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        return ok ? took.count() : -1.0;
    }
};

std::string StartSim(ChildProcess& sim, const std::string& path, std::vector<std::string> args) {
    args.insert(args.begin(), "-q");
    if (!sim.Start(path, args)) return {};
    return sim.ReadLine(std::chrono::seconds(10)).value_or(std::string());
}

}  // namespace

int main(int argc, char** argv) {
    std::string simPath = CSQ5_SIM_PATH;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--sim") simPath = argv[i + 1];
    QCoreApplication app(argc, argv);
    Rig rig;

    ChildProcess paced;
    const std::string tty = StartSim(paced, simPath, {"--baud", std::to_string(kBaud)});
    if (tty.empty()) {
        std::fprintf(stderr, "clone_speed: cannot start %s\n", simPath.c_str());
        return 1;
    }
    const double writeLimit = double(kWriteBytes) * kBitsPerByte / kBaud;
    const double readLimit = double(kReadBytes) * kBitsPerByte / kBaud;
    const double write = rig.Time(true, tty);
    const double read = rig.Time(false, tty);
    if (write < 0 || read < 0) return 1;
    std::printf("clone write at %d bit/s: %.3f s, line-rate limit %.3f s (%d bytes), ratio %.4f\n",
                kBaud, write, writeLimit, kWriteBytes, write / writeLimit);
    std::printf("clone read  at %d bit/s: %.3f s, line-rate limit %.3f s (%d bytes), ratio %.4f\n",
                kBaud, read, readLimit, kReadBytes, read / readLimit);
    paced.Stop();

    ChildProcess unpaced;
    const std::string fast = StartSim(unpaced, simPath, {});
    const double unpacedWrite = rig.Time(true, fast);
    const double unpacedRead = rig.Time(false, fast);
    if (unpacedWrite < 0 || unpacedRead < 0) return 1;
    std::printf("clone write unpaced: %.3f s\n", unpacedWrite);
    std::printf("clone read  unpaced: %.3f s\n", unpacedRead);
    return 0;
}
