// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, as the build defines it from the project's.
#include <QString>

namespace tya {

inline QString version_programa() { return QStringLiteral(TRAYECTA_VERSION); }

}  // namespace tya
