// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled into every test program: once its application exists, the texts are those of the
// language the test's locale asks for, as in the program. Only LC_ALL, which each test sets,
// decides, so a LANGUAGE left in the caller's environment cannot change a run.
#include <QCoreApplication>

#include "core/idioma.h"

namespace {

void idioma_de_la_prueba() {
    tya::instalar_idioma(tya::idioma_del_entorno(
        [](const char* v) { return qstrcmp(v, "LC_ALL") == 0 ? qEnvironmentVariable(v) : QString(); }));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(idioma_de_la_prueba)
