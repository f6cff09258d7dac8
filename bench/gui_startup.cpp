// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's start and idle cost: the time from the process's
// start to the main window shown, the CPU the running program uses while
// nobody works with it (its 50 ms serial tick and 200 ms window tick must
// do almost nothing then), and the peak memory. Runs the program's own
// start-up on a profile of its own (a receiver version stored, so the main
// window opens at once), on the platform Qt chooses (QT_QPA_PLATFORM).
//
//   gui_startup [--idle SECONDS]

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "ui/program.h"

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A field of /proc/self/status in kB ("VmHWM", "VmRSS").
long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto processStart = std::chrono::steady_clock::now();
    int idleSeconds = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--idle") == 0) idleSeconds = std::max(1, std::atoi(argv[i + 1]));

    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("CSQ5.rs"));
    {
        QFile f(profile);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write("[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    }
    Csq5Program program(profile.toStdString());
    program.Start({});
    // Shown = the window has been laid out and painted once.
    QApplication::processEvents();
    const double shownMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - processStart)
            .count();
    if (!program.Window().isVisible()) {
        std::fprintf(stderr, "gui_startup: the main window did not open\n");
        return 1;
    }

    // Let the first layout settle, then measure the idle program.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);
    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(idleSeconds * 1000, Qt::PreciseTimer, &app, &QApplication::quit);
    QApplication::exec();
    const double cpu = CpuSeconds() - cpu0;
    const double seconds = double(wall.elapsed()) / 1000.0;

    std::printf("start to main window shown: %.1f ms\n", shownMs);
    std::printf("idle CPU over %.1f s: %.3f %% of one core (%.1f ms CPU)\n", seconds,
                100.0 * cpu / seconds, cpu * 1000.0);
    std::printf("peak memory (VmHWM): %ld kB, resident now (VmRSS): %ld kB\n", StatusKb("VmHWM"),
                StatusKb("VmRSS"));
    program.Window().hide();
    return 0;
}
