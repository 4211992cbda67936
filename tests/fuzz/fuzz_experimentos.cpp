// SPDX-License-Identifier: GPL-3.0-or-later
// The experiment-file reader on any bytes: a cleared state on failure, a file that writes back
// the same on success.
#include "comun.h"

using namespace tya;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    static const std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>(fuzz::estado_inicial());
    fuzz::borrar(*st);
    fuzz::leer_y_comprobar(*st, fuzz::bytes(datos, n));
    return 0;
}
