// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the whole memory image into the 604 channel records and encoding
// them back: what every file load, reset, clone operation and save costs.

#include <benchmark/benchmark.h>

#include "model/master.h"

namespace {

void BM_ReadAndWriteWholeImage(benchmark::State& state) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    master.MatrixObj().MtxVerNo(0);
    master.Init_MakeInitial();
    for (auto _ : state) {
        master.ReadFromEep(clsRigQ5_Master::kProgramForm);
        master.WriteToEep();
        benchmark::DoNotOptimize(radio.eepImage.bytes().data());
    }
}
BENCHMARK(BM_ReadAndWriteWholeImage)->Unit(benchmark::kMicrosecond);

void BM_CloneWritePreparation(benchmark::State& state) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    master.MatrixObj().MtxVerNo(1);
    master.Init_MakeInitial();
    for (auto _ : state) {
        // Each run starts from the program form, as a clone write does.
        radio.Eep_InitAll();
        master.FullCareEepToCloneWrite();
        benchmark::DoNotOptimize(radio.eepImage.bytes().data());
    }
}
BENCHMARK(BM_CloneWritePreparation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
