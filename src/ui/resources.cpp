// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources.h"

#include <QtGlobal>

static void RegisterResources() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(help);
}

void InitUiResources() {
    static const bool done = (RegisterResources(), true);
    (void)done;
}
