// SPDX-License-Identifier: GPL-3.0-or-later
// Working with a full receiver: finding a channel among all of them (every
// list, 400 memory channels in use), sorting a full bank, and the PDF of
// the whole image with every channel in use, a bulk edit of all 400 memory
// channels and a fill of 50. Targets: a find, a sort, the bulk edit and the
// fill well under 10 ms each, the PDF under 1 s.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <string>

#include "file/channel_report.h"
#include "file/qt/report_painter.h"
#include "model/channel_find.h"
#include "model/channel_sort.h"
#include "model/channel_tools.h"
#include "model/master.h"

namespace {

using M = clsRigQ5_Master;

// Version 0 (with FM TV) and every channel of every list in use.
struct FullImage {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    FullImage() {
        master.MatrixObj().MtxVerNo(0);
        master.MatrixObj().MtxFmTvOk(1);
        master.Init_MakeInitial();
        master.Reset();
        for (int i = 0; i < M::kNumMemory; ++i) {
            clsRigQ5_Ch& ch = *master.ListCh(M::kListMemory, i);
            ch.AppearCh(true);
            // Frequencies descending, names ascending: a sort by either one
            // reverses the bank.
            ch.FreqOp_Pure(44000000 - i * 2500);
            ch.Name("CH" + std::to_string(100 + i));
        }
        for (const int type : {M::kListPScan, M::kListTv, M::kListAmTv, M::kListFmTv}) {
            for (int i = 0; i < M::NumRecordsOfListType(type); ++i)
                master.ListCh(type, i)->AppearCh(true);
        }
        master.WriteToEep();
    }
};

void BM_FindAcrossEveryChannel(benchmark::State& state) {
    FullImage full;
    // No channel has it: every place of the tree is looked at.
    for (auto _ : state) {
        const FindQuery q = MakeFindQuery(full.master, "1234.5");
        benchmark::DoNotOptimize(FindChannel(full.master, q).found);
    }
}
BENCHMARK(BM_FindAcrossEveryChannel)->Unit(benchmark::kMicrosecond);

void BM_FindNextByName(benchmark::State& state) {
    FullImage full;
    const ChannelPlace after{3, 10};
    for (auto _ : state) {
        const FindQuery q = MakeFindQuery(full.master, "nobody");
        benchmark::DoNotOptimize(FindChannel(full.master, q, &after).found);
    }
}
BENCHMARK(BM_FindNextByName)->Unit(benchmark::kMicrosecond);

void BM_SortAFullBank(benchmark::State& state) {
    FullImage full;
    // By frequency and by name in turn: each run turns the whole bank round.
    bool byName = false;
    std::int64_t moved = 0;
    for (auto _ : state) {
        moved += SortBank(full.master, 4, byName ? SortBy::Name : SortBy::Frequency) ? 1 : 0;
        byName = !byName;
    }
    // 1 when every run had the whole bank to move.
    state.counters["moved"] = static_cast<double>(moved) /
                              static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}
BENCHMARK(BM_SortAFullBank)->Unit(benchmark::kMicrosecond);

void BM_BulkEditAllMemoryChannels(benchmark::State& state) {
    FullImage full;
    // Mode, step, skip, tone squelch and a numbered name for every channel,
    // bank by bank (tree keys 3..10); the step and mode alternate so that
    // every run changes every channel.
    BulkChanges c;
    c.skip = 1;
    c.tsql = 1;
    c.tone = 12;
    c.nameRule = BulkChanges::NameRule::Number;
    c.name = "CH%03d";
    int changed = 0;
    bool odd = false;
    for (auto _ : state) {
        c.mode = odd ? 2 : 0;
        c.step = odd ? 6 : 3;
        odd = !odd;
        changed = 0;
        for (int key = 3; key <= 10; ++key) {
            const ChannelToolResult r = BulkEdit(full.master, key, 0, M::kChPerBank - 1, c);
            changed += r.given + r.adjusted;
        }
    }
    state.counters["channels"] = changed;
}
BENCHMARK(BM_BulkEditAllMemoryChannels)->Unit(benchmark::kMicrosecond);

void BM_FillFiftyChannels(benchmark::State& state) {
    FullImage full;
    FillRequest air{11800000, 2500, 50, "AIR %02d", 1, 1, 6};
    ChannelToolResult r;
    for (auto _ : state) {
        FillChannels(full.master, 5, 0, air, r);
        benchmark::DoNotOptimize(r.given);
    }
    state.counters["channels"] = r.given + r.adjusted;
}
BENCHMARK(BM_FillFiftyChannels)->Unit(benchmark::kMicrosecond);

void BM_PdfOfAFullImage(benchmark::State& state) {
    FullImage full;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ChannelReport report = BuildChannelReport(full.master, "full.acf", "2026-05-01");
        bytes = static_cast<std::size_t>(ChannelReportPdf(report).size());
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_PdfOfAFullImage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The pages need Qt's fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
