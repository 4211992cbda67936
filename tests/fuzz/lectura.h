#pragma once
// The experiment-file reader with its invariants, shared by the reader and view targets.
#include <QBuffer>

#include "comun.h"
#include "core/formato.h"
#include "files/experimentos.h"

namespace tya::fuzz {

inline ResultadoArchivo leer_bytes(EstadoExp& st, const QByteArray& texto, QStringList* ngraf = nullptr) {
    QBuffer b;
    b.setData(texto);
    b.open(QIODevice::ReadOnly);
    return leer_experiencias(st, b, [ngraf](const QString& t) { if (ngraf) *ngraf << t; });
}

// Reads `entrada` into `st` (a cleared state) and checks what a reading promises.
inline ResultadoArchivo leer_y_comprobar(EstadoExp& st, const QByteArray& entrada) {
    QStringList ngraf;
    const ResultadoArchivo r = leer_bytes(st, entrada, &ngraf);
    const int lineas = lineas_de(entrada);
    if (!r.ok) {
        EXIGIR(st.NExp == 0 && st.NGrafSel == 0 && st.NColor == 2,
               QStringLiteral("fallo sin estado borrado: NExp %1 NGrafSel %2 NColor %3")
                   .arg(st.NExp).arg(st.NGrafSel).arg(st.NColor));
        EXIGIR(!r.error.isEmpty(), QStringLiteral("fallo sin mensaje"));
        EXIGIR(r.linea >= 1 && r.linea <= lineas + 1,
               QStringLiteral("línea %1 de %2: %3").arg(r.linea).arg(lineas).arg(r.error));
        return r;
    }
    EXIGIR(r.error.isEmpty(), r.error);
    EXIGIR(st.NExp >= 0 && st.NExp <= kExperiencias, QString::number(st.NExp));
    EXIGIR(st.NGrafSel == st.NExp, QString::number(st.NGrafSel));
    EXIGIR(ngraf == QStringList{QString::number(st.NExp)}, ngraf.join(QLatin1Char('|')));
    EXIGIR(r.linea >= 1 && r.linea <= lineas, QStringLiteral("línea %1 de %2").arg(r.linea).arg(lineas));
    EXIGIR(st.NExp == 0 ? st.NColor == 2 : st.NColor == entero16(st.Pos[st.NExp - 1][0].real()),
           QString::number(st.NColor));
    for (int e = 0; e < st.NExp; ++e) {
        const Fijo np = st.Pos[e][1], nv = st.VelMarca[e][1];
        EXIGIR(np.es_entero() && np >= Fijo::entero(1) && np <= Fijo::entero(kMarcasMax),
               QStringLiteral("experiencia %1: %2 muestras").arg(e + 1).arg(forma_archivo(np)));
        EXIGIR(nv == np, QStringLiteral("experiencia %1: %2 posiciones y %3 velocidades")
                             .arg(e + 1).arg(forma_archivo(np), forma_archivo(nv)));
        const int n = muestras(st.Pos[e]);
        for (int j = 1; j <= n + 3; ++j)
            EXIGIR(st.Xs[e][j] == static_cast<float>(st.Pos[e][2 * j].real()) &&
                       st.Ys[e][j] == static_cast<float>(st.Pos[e][2 * j + 1].real()),
                   QStringLiteral("experiencia %1, muestra %2: Xs/Ys").arg(e + 1).arg(j));
        const int m = muestras(st.VelMarca[e]);
        for (int j = 1; j <= m + 2; ++j)
            EXIGIR(st.Tiempo[e][j] == Fijo::desde((j - 1) * 0.75),
                   QStringLiteral("experiencia %1: Tiempo[%2] = %3").arg(e + 1).arg(j).arg(forma_archivo(st.Tiempo[e][j])));
    }

    // Written back and read again, the same bytes.
    QString error;
    const QByteArray a = texto_experiencias(st, &error);
    EXIGIR(!a.isEmpty(), QStringLiteral("no se puede escribir lo leído: ") + error);
    static const std::unique_ptr<EstadoExp> otro = std::make_unique<EstadoExp>();
    otro->NExp = 0;  // what it reads is all that is written again
    otro->NGrafSel = 0;
    otro->NColor = 2;
    const ResultadoArchivo r2 = leer_bytes(*otro, a);
    EXIGIR(r2.ok, QStringLiteral("lo escrito no se lee: ") + r2.error);
    EXIGIR(r2.linea == lineas_de(a), QStringLiteral("leídas %1 de %2 líneas").arg(r2.linea).arg(lineas_de(a)));
    const QByteArray b = texto_experiencias(*otro);
    EXIGIR(a == b, QStringLiteral("escrito dos veces: %1 y %2 bytes").arg(a.size()).arg(b.size()));
    return r;
}

}  // namespace tya::fuzz
