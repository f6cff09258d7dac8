// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The icons and the manual are compiled into the ui library; a static
// library's resources must be registered once before first use.
void InitUiResources();
