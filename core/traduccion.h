// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text a person reads goes through Trayecta::tr: one catalogue context for the whole
// program, so a text has one translation wherever it appears (a caption and the help that
// names it agree). The source texts are the Spanish ones; with Spanish chosen they come back
// unchanged.
#include <QCoreApplication>

namespace tya {

class Trayecta {
    Q_DECLARE_TR_FUNCTIONS(Trayecta)
};

}  // namespace tya
