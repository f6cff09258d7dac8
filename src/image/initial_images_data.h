// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in packed factory images; index = 2 × version + AM grid flag.

#include <array>
#include <string_view>

extern const std::array<std::string_view, 24> kInitialImageTexts;
