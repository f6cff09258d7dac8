// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the fuzz targets: a hard failure that libFuzzer records
// as a crash, and the document the program sets up at start-up.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "image/matrix.h"
#include "image/radio.h"
#include "image/rigq5_table.h"

// A broken property: print what broke and abort, so the input is kept.
#define FUZZ_REQUIRE(cond)                                                                    \
    do {                                                                                      \
        if (!(cond)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// The radio document as the program prepares it: model "2304", sub code
// "0001", the clone-write range 0000-1F7F and the initial image of a version.
inline void PrepareDocument(clsCmcRadio& doc, int version) {
    PrepareRxQ5Document(doc);
    clsRigQ5_Matrix matrix;
    matrix.MtxVerNo(version);
    MakeInitialImage(doc.eepInitial, matrix);
}

// A scratch file of this process, removed at exit.
inline const std::string& ScratchFile(const char* name) {
    static std::string folder;
    if (folder.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") + "/csq5-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder = pattern;
        static struct Cleanup {
            ~Cleanup() {
                std::string command = "rm -rf '" + folder + "'";
                if (std::system(command.c_str()) != 0) {
                }
            }
        } cleanup;
    }
    static std::string path;
    path = folder + "/" + name;
    return path;
}
