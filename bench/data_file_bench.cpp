// SPDX-License-Identifier: GPL-3.0-or-later
// What a File > Save and a File > Open of a data file cost: building the
// text, checking and applying it, and the whole round through the disk
// (the save replaces the file in one step and waits for the disk).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "file/acf_file.h"
#include "image/matrix.h"
#include "image/rigq5_table.h"

namespace {

clsCmcRadio FactoryDoc() {
    clsRigQ5_Matrix matrix;
    matrix.MtxVerNo(0);
    clsCmcRadio doc;
    PrepareRxQ5Document(doc);
    MakeInitialImage(doc.eepInitial, matrix);
    doc.Eep_InitAll();
    return doc;
}

std::string TempFile() {
    return (std::filesystem::temp_directory_path() /
            ("csq5-bench-" + std::to_string(::getpid()) + ".acf"))
        .string();
}

void BM_BuildFileText(benchmark::State& state) {
    const clsCmcRadio doc = FactoryDoc();
    for (auto _ : state) benchmark::DoNotOptimize(AcfFileText(doc, "bench"));
}
BENCHMARK(BM_BuildFileText);

void BM_CheckAndApplyFileText(benchmark::State& state) {
    clsCmcRadio doc = FactoryDoc();
    const std::string text = AcfFileText(doc, "bench");
    for (auto _ : state) benchmark::DoNotOptimize(AcfTextLoad(doc, text));
}
BENCHMARK(BM_CheckAndApplyFileText);

void BM_SaveToDisk(benchmark::State& state) {
    const clsCmcRadio doc = FactoryDoc();
    const std::string path = TempFile();
    for (auto _ : state) benchmark::DoNotOptimize(AcfFileSave(doc, "bench", path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMillisecond);

void BM_LoadFromDisk(benchmark::State& state) {
    clsCmcRadio doc = FactoryDoc();
    const std::string path = TempFile();
    AcfFileSave(doc, "bench", path);
    for (auto _ : state) benchmark::DoNotOptimize(AcfFileLoad(doc, path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFromDisk);

}  // namespace

BENCHMARK_MAIN();
