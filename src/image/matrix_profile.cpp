// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix_profile.h"

#include "app/common.h"
#include "app/profile.h"
#include "image/matrix.h"

namespace {
constexpr const char* kSection = "M_Property";
}

void MatrixSaveData(const clsRigQ5_Matrix& matrix, clsCmcProfileIO& profile) {
    profile.Section(kSection);
    profile.saveData("M_Property_V", matrix.MtxVerNo());
    profile.saveData("M_Property_A", matrix.MtxAmOk());
    profile.saveData("M_Property_E", matrix.MtxExpOn());
    profile.saveData("M_Property_C", matrix.MtxCellerNg());
    profile.saveData("M_Property_F", matrix.MtxFmTvOk());
    profile.saveData("M_Property_T", matrix.MtxTvOwNo());
}

void MatrixLoadData(clsRigQ5_Matrix& matrix, clsCmcProfileIO& profile) {
    profile.Section(kSection);
    auto read = [&profile](const char* key, std::int32_t defaultValue) {
        std::int32_t value = defaultValue;
        profile.loadData(key, value, defaultValue);
        return LimitLong(value, 0, 32767);
    };
    matrix.MtxVerNo(read("M_Property_V", clsRigQ5_Matrix::kNoVersion));
    matrix.MtxAmOk(read("M_Property_A", 0));
    matrix.MtxExpOn(read("M_Property_E", 0));
    matrix.MtxCellerNg(read("M_Property_C", 0));
    matrix.MtxFmTvOk(read("M_Property_F", 1));
    matrix.MtxTvOwNo(read("M_Property_T", 0));
}
