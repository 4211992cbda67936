#pragma once
// What every fuzz target shares: the abort on a broken invariant, the relaxed mode, Qt.
#include <QByteArray>
#include <QGuiApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/experiment_state.h"

namespace tya::fuzz {

[[noreturn]] inline void violacion(const char* archivo, int linea, const char* condicion, const QString& detalle) {
    std::fprintf(stderr, "\n*** invariante roto en %s:%d: %s\n    %s\n", archivo, linea, condicion,
                 detalle.toLocal8Bit().constData());
    std::abort();
}

// Aborts with the condition and a detail (any QString expression) on stderr.
#define EXIGIR(cond, detalle) \
    do { \
        if (!(cond)) ::tya::fuzz::violacion(__FILE__, __LINE__, #cond, (detalle)); \
    } while (0)

// One application for the whole run: the graph labels need fonts, with no display.
inline void iniciar_qt() {
    static int argc = 1;
    static char nombre[] = "fuzz";
    static char* argv[] = {nombre, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

// A cleared state as the program has it at start, copied in for every input.
inline const EstadoExp& estado_inicial() {
    static const std::unique_ptr<EstadoExp> st = [] {
        auto s = std::make_unique<EstadoExp>();
        const double mx[] = {0, 340, 180, 6450, 4200, 6450, 4200, 100, 100, 100, 50};
        const int mn[] = {0, 0, -180, 0, 0, 0, 0, -100, -100, 0, -50};
        for (int i = 1; i <= 10; ++i) {
            s->Max[i] = Fijo::desde(mx[i]);
            s->Min[i] = static_cast<int16_t>(mn[i]);
        }
        return s;
    }();
    return *st;
}

// A folder of the target's own for the whole run, in memory when the system has such a place:
// files rewritten on disk for every input cost more than the code under test.
inline QTemporaryDir& carpeta() {
    static QTemporaryDir c(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/tya-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/tya-fuzz-XXXXXX"));
    return c;
}

inline QByteArray bytes(const uint8_t* datos, size_t n) {
    return QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
}

// Lines as QIODevice::readLine finds them: pieces ended by LF, and a last one without it.
inline int lineas_de(const QByteArray& t) {
    // A line ends in CR LF, LF alone or CR alone, as the readers take them.
    int n = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        if (t[i] == '\n' || t[i] == '\r') ++n;
    }
    return n + (t.isEmpty() || t.endsWith('\n') || t.endsWith('\r') ? 0 : 1);
}

}  // namespace tya::fuzz
