// SPDX-License-Identifier: GPL-3.0-or-later
// csq5-sim as the computer meets it: started as a process, its pty opened
// by path in raw mode, and hand-written clone exchanges run against it. Every
// wait is on an event (bytes, hang-up, process exit) with a deadline.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "image/info_checks.h"
#include "sim/sim_frame.h"
#include "sim/sim_image.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(10);

int MsLeft(Clock::time_point until) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// One running csq5-sim.
class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> all{CSQ5_SIM_PATH};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, CSQ5_SIM_PATH, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        // The first line on stdout is the pty's path.
        const auto until = Clock::now() + kDeadline;
        char c = 0;
        while (pid_ > 0) {
            pollfd fd{out[0], POLLIN, 0};
            if (poll(&fd, 1, MsLeft(until)) <= 0 || read(out[0], &c, 1) != 1 || c == '\n') break;
            path_.push_back(c);
        }
        close(out[0]);
    }
    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Path() const { return path_; }
    void Signal(int sig) const { kill(pid_, sig); }
    // The exit status, or -1 if it did not end within the deadline.
    int WaitExit() {
        const auto until = Clock::now() + kDeadline;
        while (Clock::now() < until) {
            int status = 0;
            const pid_t r = waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            // No event to wait on for a child's end without a handler;
            // a short poll keeps this bounded.
            poll(nullptr, 0, 5);
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    std::string path_;
};

// The computer's end of the line: the pty slave in raw mode.
class Port {
  public:
    explicit Port(const std::string& path) {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return;
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetispeed(&tio, B9600);
        cfsetospeed(&tio, B9600);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    ~Port() {
        if (fd_ >= 0) close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }
    void Send(const ByteStr& bytes) {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads until done(received) holds, the line hangs up, or the deadline.
    ByteStr ReadUntil(const std::function<bool(const ByteStr&)>& done) {
        ByteStr got;
        const auto until = Clock::now() + kDeadline;
        hungUp_ = false;
        while (!done(got)) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, MsLeft(until)) <= 0) break;
            std::uint8_t buf[4096];
            const ssize_t n = read(fd_, buf, sizeof buf);
            if (n > 0) {
                got.insert(got.end(), buf, buf + n);
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                hungUp_ = true;
                break;
            }
        }
        return got;
    }
    bool HungUp() const { return hungUp_; }

  private:
    int fd_ = -1;
    bool hungUp_ = false;
};

ByteStr Request(const ByteStr& payload) {
    return BuildFrame(kAdrReceiver, kAdrComputer, payload);
}

// The content of every complete frame in the bytes (destination..body).
std::vector<ByteStr> Frames(const ByteStr& bytes) {
    std::vector<ByteStr> frames;
    FrameReader reader;
    for (std::uint8_t b : bytes)
        if (auto f = reader.Feed(b))
            frames.push_back(JoinBytes({f->dest, f->src, f->cmd}, f->body));
    return frames;
}

bool StartsWith(const ByteStr& bytes, const ByteStr& head) {
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

// The echo of the request, then frames until one with that command.
std::function<bool(const ByteStr&)> EchoThenFrame(const ByteStr& request, std::uint8_t cmd) {
    return [request, cmd](const ByteStr& got) {
        if (!StartsWith(got, request)) return false;
        const auto frames =
            Frames(ByteStr(got.begin() + static_cast<std::ptrdiff_t>(request.size()), got.end()));
        return !frames.empty() && frames.back()[2] == cmd;
    };
}

const ByteStr kInfoRequest = Request({kCmdInfoReq, 0x23, 0x04, 0x00, 0x00});
const ByteStr kReadRequest = Request({kCmdReadReq, 0x23, 0x04, 0x00, 0x01});
const ByteStr kWriteRequest = Request({kCmdWriteReq, 0x23, 0x04, 0x00, 0x01});

void FillPattern(clsCmcEeprom& image, int seed) {
    for (std::int32_t a = 0; a < image.eeSize(); ++a)
        image.WriteByte(a, (a * seed + (a >> 8)) & 0xFF);
    image.WriteBlock(kFormatTagAdr, StrToByteStr(kFormatTag));
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "sim_pty_test_" + name;
}

}  // namespace

TEST(SimPty, CloneReadAndCloneWriteOverThePty) {
    clsCmcEeprom stored;
    FillPattern(stored, 7);
    stored.WriteBlock(0x1F60, StrToByteStr("ON THE BENCH    "));
    const std::string imageFile = TempPath("in.acf"), saveFile = TempPath("out.acf"),
                      link = TempPath("link");
    std::remove(saveFile.c_str());
    ASSERT_TRUE(SaveImageFile(imageFile, stored));

    SimProcess sim(
        {"--ver", "6", "--fmtv", "1", "--image", imageFile, "--save", saveFile, "--link", link});
    ASSERT_FALSE(sim.Path().empty());
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(sim.Path(), target);
    Port port(link);
    ASSERT_TRUE(port.IsOpen());

    // Noise, a frame for somebody else, then the identification request:
    // all of it comes back, and only the request is answered.
    ByteStr noise{0x00, 0x41, 0xFE, 0x13};
    const ByteStr elsewhere = BuildFrame(0x80, kAdrComputer, {kCmdInfoReq, 0x23, 0x04, 0x00, 0x00});
    ByteStr sent = JoinBytes({}, noise);
    sent.insert(sent.end(), elsewhere.begin(), elsewhere.end());
    sent.insert(sent.end(), kInfoRequest.begin(), kInfoRequest.end());
    port.Send(sent);
    ByteStr got = port.ReadUntil(EchoThenFrame(sent, kCmdInfoAns));
    ASSERT_TRUE(StartsWith(got, sent));
    auto answers =
        Frames(ByteStr(got.begin() + static_cast<std::ptrdiff_t>(sent.size()), got.end()));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(RigOpFunc_CheckInfoGeneral(answers[0]), kInfoOk);
    EXPECT_EQ(ByteStrToStr(ByteStr(answers[0].begin() + 7, answers[0].begin() + 23)),
              "ON THE BENCH    ");
    EXPECT_EQ(answers[0][23], 6);
    EXPECT_EQ(answers[0][24], 0x40);

    // Clone read: every data frame checks out and together they give the image.
    port.Send(kReadRequest);
    got = port.ReadUntil(EchoThenFrame(kReadRequest, kCmdEnd));
    ASSERT_TRUE(StartsWith(got, kReadRequest));
    clsCmcEeprom read;
    int dataFrames = 0;
    for (const auto& f : Frames(
             ByteStr(got.begin() + static_cast<std::ptrdiff_t>(kReadRequest.size()), got.end()))) {
        if (f[2] != kCmdData) continue;
        ++dataFrames;
        const DataBlock b = DecodeDataBlock(ByteStr(f.begin() + 3, f.end()));
        ASSERT_EQ(b.result, DataBlock::Result::Ok);
        read.WriteBlock(b.address, b.data);
    }
    EXPECT_EQ(dataFrames, 252);
    EXPECT_TRUE(read.IsSameAs(stored));

    // Clone write: each data frame goes when the echo of the one before is
    // back; the end frame is answered with result 0 and the image is saved.
    clsCmcEeprom written;
    FillPattern(written, 11);
    port.Send(kWriteRequest);
    ASSERT_EQ(port.ReadUntil([&](const ByteStr& g) { return g.size() >= kWriteRequest.size(); }),
              kWriteRequest);
    for (std::int32_t a = 0; a < written.eeSize(); a += 32) {
        const ByteStr frame =
            Request(JoinBytes({kCmdData}, EncodeDataBlock(a, written.ReadBlock(a, 32))));
        port.Send(frame);
        ASSERT_EQ(port.ReadUntil([&](const ByteStr& g) { return g.size() >= frame.size(); }), frame)
            << a;
    }
    const ByteStr end = Request(JoinBytes({kCmdEnd}, StrToByteStr("Ardo Inc.")));
    port.Send(end);
    got = port.ReadUntil(EchoThenFrame(end, kCmdWriteResult));
    answers = Frames(ByteStr(got.begin() + static_cast<std::ptrdiff_t>(end.size()), got.end()));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], (ByteStr{0xEF, 0xEE, 0xE6, 0x00}));
    clsCmcEeprom saved;
    std::string error;
    ASSERT_TRUE(LoadImageFile(saveFile, saved, error)) << error;
    EXPECT_TRUE(saved.IsSameAs(written));

    // A second read gives back what was written.
    port.Send(kReadRequest);
    got = port.ReadUntil(EchoThenFrame(kReadRequest, kCmdEnd));
    read.FillBlock(0, 0, read.eeSize());
    for (const auto& f : Frames(got)) {
        if (f[2] != kCmdData) continue;
        const DataBlock b = DecodeDataBlock(ByteStr(f.begin() + 3, f.end()));
        read.WriteBlock(b.address, b.data);
    }
    EXPECT_TRUE(read.IsSameAs(written));

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.WaitExit(), 0);
    struct stat st {};
    EXPECT_NE(lstat(link.c_str(), &st), 0) << "the link is removed on exit";
    std::remove(imageFile.c_str());
    std::remove(saveFile.c_str());
}

TEST(SimPty, HangupFaultClosesTheLineAfterDataFrameK) {
    SimProcess sim({"--fault", "hangup:3"});
    ASSERT_FALSE(sim.Path().empty());
    Port port(sim.Path());
    ASSERT_TRUE(port.IsOpen());
    port.Send(kInfoRequest);
    const ByteStr got = port.ReadUntil(EchoThenFrame(kInfoRequest, kCmdInfoAns));
    EXPECT_EQ(Frames(got).size(), 2u);  // echo and answer
    port.Send(kReadRequest);
    const ByteStr rest = port.ReadUntil([](const ByteStr&) { return false; });
    EXPECT_TRUE(port.HungUp());
    ASSERT_TRUE(StartsWith(rest, kReadRequest));
    const auto frames = Frames(
        ByteStr(rest.begin() + static_cast<std::ptrdiff_t>(kReadRequest.size()), rest.end()));
    ASSERT_EQ(frames.size(), 3u);
    for (const auto& f : frames) EXPECT_EQ(f[2], kCmdData);
    EXPECT_EQ(sim.WaitExit(), 0);
}

TEST(SimPty, PacedLineTakesTenBitTimesPerByte) {
    SimProcess sim({"--baud", "9600", "-q"});
    ASSERT_FALSE(sim.Path().empty());
    Port port(sim.Path());
    ASSERT_TRUE(port.IsOpen());
    const auto start = Clock::now();
    port.Send(kInfoRequest);
    const ByteStr got = port.ReadUntil(EchoThenFrame(kInfoRequest, kCmdInfoAns));
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ASSERT_EQ(got.size(), kInfoRequest.size() + 29);  // echo, then the 29-byte answer frame
    // 39 bytes at 9600 bit/s cannot arrive sooner than 39 x 1.0417 ms.
    EXPECT_GE(elapsed, 39 * 10'000.0 / 9600 - 0.5);
    sim.Signal(SIGINT);
    EXPECT_EQ(sim.WaitExit(), 0);
}
