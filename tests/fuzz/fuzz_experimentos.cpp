// The experiment-file reader on any bytes: a cleared state on failure, a file that writes back
// the same on success.
#include "lectura.h"

using namespace tya;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    static const std::unique_ptr<EstadoExp> st = [] {
        auto s = std::make_unique<EstadoExp>();
        *s = fuzz::estado_inicial();
        return s;
    }();
    // The counters are enough: neither the reader nor its checks look at slots it did not fill.
    st->NExp = 0;
    st->NGrafSel = 0;
    st->NColor = 2;
    fuzz::leer_y_comprobar(*st, fuzz::bytes(datos, n));
    return 0;
}
