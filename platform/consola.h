// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard error carries the program's own messages only: the toolkit's notes and warnings
// (a missing XDG_RUNTIME_DIR under a root shell, a font or a theme it could not find) say
// nothing a user can act on. Its critical and fatal messages still come through.
namespace tya {

void silenciar_avisos_qt();

}  // namespace tya
