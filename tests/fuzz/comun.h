// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: the abort on a broken invariant, Qt, a folder of their own, and
// the experiment-file reader with its invariants.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/formato.h"
#include "core/inic.h"
#include "files/experimentos.h"

namespace tya::fuzz {

[[noreturn]] inline void violacion(const char* archivo, int linea, const char* condicion, const QString& detalle) {
    std::fprintf(stderr, "\n*** invariante roto en %s:%d: %s\n    %s\n", archivo, linea, condicion,
                 detalle.toLocal8Bit().constData());
    std::abort();
}

// Aborts with the condition and a detail (any QString expression) on stderr.
#define EXIGIR(cond, detalle)                                                      \
    do {                                                                           \
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

inline const ValoresInic& limites() {
    static const ValoresInic v = [] {
        ValoresInic l;
        QString error;
        if (!leer_inic(QStringLiteral(TYA_DATOS "/INIC.DAT"), l, error))
            violacion(__FILE__, __LINE__, "INIC.DAT", error);
        return l;
    }();
    return v;
}

// The counters are enough: neither the reader nor its checks look at slots it did not fill.
inline void borrar(EstadoExp& st) {
    st.NExp = 0;
    st.NGrafSel = 0;
    st.NColor = 2;
}

// A cleared state with the limits of the shipped INIC.DAT, as the program has it at start.
inline const EstadoExp& estado_inicial() {
    static const std::unique_ptr<EstadoExp> st = [] {
        auto s = std::make_unique<EstadoExp>();
        s->Max = limites().max;
        s->Min = limites().min;
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

inline void escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    EXIGIR(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size(), ruta);
}

inline QByteArray bytes(const uint8_t* datos, size_t n) {
    return QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
}

// Lines as the readers take them: ended by CR LF, LF alone or CR alone, and a last one without.
inline int lineas_de(const QByteArray& t) {
    int n = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        if (t[i] == '\n' || t[i] == '\r') ++n;
    }
    return n + (t.isEmpty() || t.endsWith('\n') || t.endsWith('\r') ? 0 : 1);
}

inline ResultadoArchivo leer_bytes(EstadoExp& st, const QByteArray& texto) {
    QBuffer b;
    b.setData(texto);
    b.open(QIODevice::ReadOnly);
    return leer_experiencias(st, b);
}

// Reads `entrada` into `st` (a cleared state) and checks what a reading promises.
inline ResultadoArchivo leer_y_comprobar(EstadoExp& st, const QByteArray& entrada) {
    const ResultadoArchivo r = leer_bytes(st, entrada);
    const int lineas = lineas_de(entrada);
    if (!r.ok) {
        EXIGIR(st.NExp == 0 && st.NGrafSel == 0 && st.NColor == 2,
               QStringLiteral("fallo sin estado borrado: NExp %1 NGrafSel %2 NColor %3")
                   .arg(st.NExp)
                   .arg(st.NGrafSel)
                   .arg(st.NColor));
        EXIGIR(!r.error.isEmpty() && r.linea >= 1 && r.linea <= lineas + 1,
               QStringLiteral("línea %1 de %2: %3").arg(r.linea).arg(lineas).arg(r.error));
        return r;
    }
    EXIGIR(r.error.isEmpty() && r.linea >= 1 && r.linea <= lineas,
           QStringLiteral("línea %1 de %2").arg(r.linea).arg(lineas));
    EXIGIR(st.NExp >= 0 && st.NExp <= kExperiencias && st.NGrafSel == st.NExp, QString::number(st.NExp));
    EXIGIR(st.NExp == 0 ? st.NColor == 2 : st.NColor == entero16(st.Pos[st.NExp - 1][0].real()),
           QString::number(st.NColor));
    for (int e = 0; e < st.NExp; ++e) {
        const Fijo np = st.Pos[e][1], nv = st.VelMarca[e][1];
        EXIGIR(np.es_entero() && np >= Fijo::entero(1) && np <= Fijo::entero(kMarcasMax) && nv == np,
               QStringLiteral("experiencia %1: %2 posiciones y %3 velocidades")
                   .arg(e + 1)
                   .arg(forma_archivo(np), forma_archivo(nv)));
        const int n = muestras(st.Pos[e]);
        for (int j = 1; j <= n + 3; ++j)
            EXIGIR(st.Xs[e][j] == static_cast<float>(st.Pos[e][2 * j].real()) &&
                       st.Ys[e][j] == static_cast<float>(st.Pos[e][2 * j + 1].real()),
                   QStringLiteral("experiencia %1, muestra %2: Xs/Ys").arg(e + 1).arg(j));
        for (int j = 1; j <= n + 2; ++j)
            EXIGIR(st.Tiempo[e][j] == Fijo::desde((j - 1) * 0.75), QStringLiteral("experiencia %1: Tiempo[%2] = %3")
                                                                       .arg(e + 1)
                                                                       .arg(j)
                                                                       .arg(forma_archivo(st.Tiempo[e][j])));
    }

    // Written back and read again, the same bytes.
    QString error;
    const QByteArray a = texto_experiencias(st, &error);
    EXIGIR(!a.isEmpty(), QStringLiteral("no se puede escribir lo leído: ") + error);
    static const std::unique_ptr<EstadoExp> otro = std::make_unique<EstadoExp>();
    borrar(*otro);  // what it reads is all that is written again
    const ResultadoArchivo r2 = leer_bytes(*otro, a);
    EXIGIR(r2.ok && r2.linea == lineas_de(a),
           QStringLiteral("lo escrito no se lee: línea %1, %2").arg(r2.linea).arg(r2.error));
    const QByteArray b = texto_experiencias(*otro);
    EXIGIR(a == b, QStringLiteral("escrito dos veces: %1 y %2 bytes").arg(a.size()).arg(b.size()));
    return r;
}

}  // namespace tya::fuzz
