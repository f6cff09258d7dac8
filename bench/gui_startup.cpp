// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's start and idle cost, beside a minimal Qt Widgets
// program (main window, tree, table, menu, toolbar) started the same way in
// the same run: the time from starting the process to its main window
// shown (the median of several runs, alternating the two programs so that
// a busy machine slows both alike), the ratio of the two, then CS-Q5 left
// alone for a while: its CPU use, how often it wakes up (the voluntary
// context switches of all its threads, /proc/self/task/*/status), and its
// peak memory. CS-Q5 runs its own start-up on a profile of its own (a
// receiver version stored, so the main window opens at once), on the
// platform Qt chooses (QT_QPA_PLATFORM; Xvfb is closest to a desktop).
//
//   gui_startup [--runs N] [--idle SECONDS]
//
// Each program runs in a process of its own (this program started again
// with --child), so that neither finds the other's libraries, fonts and
// plug-ins already loaded.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ui/app_identity.h"
#include "ui/language.h"
#include "ui/program.h"

namespace {

using Clock = std::chrono::steady_clock;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A numeric field of a /proc status file ("VmHWM" in kB,
// "voluntary_ctxt_switches").
long StatusField(const std::string& file, const char* field) {
    std::ifstream in(file);
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    return -1;
}

// Voluntary context switches of every thread of this process: each one is
// a thread going back to sleep after something woke it.
long WakeUps() {
    long sum = 0;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec))
        sum += std::max(0L, StatusField(task.path() / "status", "voluntary_ctxt_switches"));
    return sum;
}

void PrintShown(long long startNs) {
    std::printf("shown %.3f\n", double(NowNs() - startNs) / 1e6);
    std::fflush(stdout);
}

// Qt's own start: a main window with a menu, a toolbar, a tree and a table
// of about the size CS-Q5 shows first, in the desktop's language (CS-Q5's
// own words, so that a language with other glyphs costs both programs the
// loading of its fonts).
int MinimalChild(int argc, char** argv, long long startNs) {
    QApplication app(argc, argv);
    InstallTranslations();
    const auto tr = [](const char* text) { return QCoreApplication::translate("frmMain", text); };
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(tr("&File"));
    QToolBar* bar = window.addToolBar(tr("Toolbar"));
    for (const char* name : {"&New", "&Open...", "&Save", "E&xit"}) {
        file->addAction(tr(name));
        bar->addAction(tr(name));
    }
    window.menuBar()->addMenu(tr("&Edit"))->addAction(tr("&Copy"));
    auto* area = new QWidget(&window);
    auto* layout = new QHBoxLayout(area);
    auto* tree = new QTreeWidget(area);
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Receiver")});
    for (int i = 0; i < 10; ++i) new QTreeWidgetItem(root, {QStringLiteral("Group %1").arg(i)});
    root->setExpanded(true);
    auto* table = new QTableWidget(11, 10, area);
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1.%2").arg(r).arg(c)));
    layout->addWidget(tree);
    layout->addWidget(table, 1);
    window.setCentralWidget(area);
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();  // laid out and painted once
    PrintShown(startNs);
    return 0;
}

int Csq5Child(int argc, char** argv, long long startNs, int idleSeconds) {
    QApplication app(argc, argv);
    SetUpApplication();
    // In the desktop's language, as the program starts (LANGUAGE=de
    // gui_startup measures the German start).
    InstallTranslations();
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("CSQ5.rs"));
    {
        QFile f(profile);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write("[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
    }
    Csq5Program program(profile.toStdString());
    program.Start({});
    QApplication::processEvents();  // laid out and painted once
    if (!program.Window().isVisible()) {
        std::fprintf(stderr, "gui_startup: the main window did not open\n");
        return 1;
    }
    PrintShown(startNs);
    if (idleSeconds <= 0) return 0;

    // Let the start settle (the window tick sleeps a little after the last
    // thing that happened), then leave the program alone. One run of the
    // event loop throughout: leaving it makes Qt tidy up on the display,
    // which would count as the idle program's work.
    double cpu0 = 0, cpu = 0, seconds = 0;
    long wake0 = 0, wakeUps = 0;
    Clock::time_point wall0;
    QTimer::singleShot(1000, Qt::PreciseTimer, qApp, [&] {
        cpu0 = CpuSeconds();
        wake0 = WakeUps();
        wall0 = Clock::now();
        QTimer::singleShot(idleSeconds * 1000, Qt::PreciseTimer, qApp, [&] {
            seconds = std::chrono::duration<double>(Clock::now() - wall0).count();
            cpu = CpuSeconds() - cpu0;
            wakeUps = WakeUps() - wake0;
            QApplication::quit();
        });
    });
    QApplication::exec();
    std::printf("idle %.3f %.6f %ld\n", seconds, cpu, wakeUps);
    std::printf("memory %ld %ld\n", StatusField("/proc/self/status", "VmHWM"),
                StatusField("/proc/self/status", "VmRSS"));
    program.Window().hide();
    return 0;
}

// Starts this program again with the arguments and returns what it printed.
bool RunChild(const std::vector<std::string>& args, std::string& out) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        std::vector<char*> argv;
        static char self[] = "gui_startup";
        argv.push_back(self);
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(fds[1]);
    char buf[512];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) out.append(buf, std::size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Starts a child and returns its time to the shown window in ms (negative
// on failure). The clock starts before the fork, so the figure holds the
// loading of the program and its libraries.
double TimeChild(const char* kind, int idleSeconds, std::string& out) {
    const long long start = NowNs();
    if (!RunChild({"--child", kind, std::to_string(start), std::to_string(idleSeconds)}, out))
        return -1;
    double ms = -1;
    std::istringstream lines(out);
    std::string word;
    while (lines >> word)
        if (word == "shown") lines >> ms;
    return ms;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string List(const std::vector<double>& v) {
    std::string s;
    char buf[32];
    for (double x : v) {
        std::snprintf(buf, sizeof buf, "%s%.0f", s.empty() ? "" : " ", x);
        s += buf;
    }
    return s;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0) {
        const long long start = std::atoll(argv[3]);
        int childArgc = 1;  // Qt sees the program name only
        if (std::strcmp(argv[2], "minimal") == 0) return MinimalChild(childArgc, argv, start);
        return Csq5Child(childArgc, argv, start, std::atoi(argv[4]));
    }

    int runs = 5;
    int idleSeconds = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--idle") == 0) idleSeconds = std::max(1, std::atoi(argv[i + 1]));
    }

    std::vector<double> qt, csq5;
    for (int i = 0; i < runs; ++i) {
        std::string out;
        const double m = TimeChild("minimal", 0, out);
        out.clear();
        const double c = TimeChild("csq5", 0, out);
        if (m < 0 || c < 0) {
            std::fprintf(stderr, "gui_startup: a program did not start\n%s", out.c_str());
            return 1;
        }
        qt.push_back(m);
        csq5.push_back(c);
    }
    std::string out;
    if (TimeChild("csq5", idleSeconds, out) < 0) {
        std::fprintf(stderr, "gui_startup: CS-Q5 did not run idle\n%s", out.c_str());
        return 1;
    }
    double seconds = 0, cpu = 0;
    long wakeUps = 0, hwm = -1, rss = -1;
    std::istringstream lines(out);
    std::string word;
    while (lines >> word) {
        if (word == "idle") lines >> seconds >> cpu >> wakeUps;
        if (word == "memory") lines >> hwm >> rss;
    }

    const double q = Median(qt), c = Median(csq5);
    std::printf("start to main window shown (median of %d, ms):\n", runs);
    std::printf("  minimal Qt Widgets program: %.1f  (%s)\n", q, List(qt).c_str());
    std::printf("  CS-Q5:                      %.1f  (%s)\n", c, List(csq5).c_str());
    std::printf("  ratio CS-Q5 / minimal Qt:   %.2f\n", q > 0 ? c / q : 0.0);
    std::printf("idle over %.1f s: CPU %.3f %% of one core (%.1f ms), %.2f wake-ups per second\n",
                seconds, seconds > 0 ? 100.0 * cpu / seconds : 0.0, cpu * 1000.0,
                seconds > 0 ? double(wakeUps) / seconds : 0.0);
    std::printf("peak memory (VmHWM): %ld kB, resident at the end (VmRSS): %ld kB\n", hwm, rss);
    return 0;
}
