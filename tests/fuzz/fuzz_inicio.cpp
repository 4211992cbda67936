// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up files on any bytes: INIC.DAT, trazo.txt and the one-value file "sugiere".
#include <cmath>

#include "comun.h"

using namespace tya;

namespace {

QString ruta(const char* nombre) { return fuzz::carpeta().filePath(QString::fromLatin1(nombre)); }

void inic(const QByteArray& entrada) {
    fuzz::escribir(ruta("INIC.DAT"), entrada);
    ValoresInic v, w;
    QString error;
    if (!leer_inic(ruta("INIC.DAT"), v, error)) {
        EXIGIR(error.contains(QLatin1String("INIC.DAT")), error);
        return;
    }
    // The values written in the file's own form read back the same.
    QString texto;
    for (int i = 1; i <= 10; ++i) {
        EXIGIR(std::fabs(v.valor[i].real()) < 1e9 && std::fabs(v.max[i].real()) < 1e9,
               QStringLiteral("registro %1 fuera del rango leído").arg(i));
        texto += QStringLiteral("%1, %2, %3\r\n").arg(forma_archivo(v.valor[i]), forma_archivo(v.max[i])).arg(v.min[i]);
    }
    EXIGIR(leer_inic_texto(texto, w, error), error);
    EXIGIR(w.valor == v.valor && w.max == v.max && w.min == v.min, QStringLiteral("no se relee igual: ") + texto);
}

void trazo(const QByteArray& entrada) {
    fuzz::escribir(ruta("trazo.txt"), entrada);
    uint8_t t = 7;
    QString error;
    if (!leer_trazo(ruta("trazo.txt"), t, error)) {
        EXIGIR(t == 7 && error.contains(QLatin1String("trazo.txt")), QString::number(t) + error);
        return;
    }
    EXIGIR((t == 0 || t == 1) && error.isEmpty(), QString::number(t) + error);
    // What "Salir" writes reads back the same (once for each value: the write syncs the disk).
    static bool visto[2] = {};
    if (visto[t]) return;
    visto[t] = true;
    uint8_t u = 7;
    EXIGIR(escribir_valor(ruta("trazo.txt"), t) && leer_trazo(ruta("trazo.txt"), u, error) && u == t, error);
}

void sugiere(const QByteArray& entrada) {
    fuzz::escribir(ruta("sugiere"), entrada);
    double v = -12345;
    EXIGIR(leer_valor(ruta("sugiere"), v) ? std::isfinite(v) : v == -12345, QString::number(v));
    // Either answer of the window reads back as given; once is enough, the write syncs the disk.
    static bool visto = false;
    if (visto) return;
    visto = true;
    for (const int respuesta : {0, 1})
        EXIGIR(escribir_valor(ruta("sugiere"), respuesta) && leer_valor(ruta("sugiere"), v) && v == respuesta,
               QString::number(v));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::carpeta().isValid() ? 0 : 1; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const QByteArray entrada = fuzz::bytes(datos, n);
    inic(entrada);
    trazo(entrada);
    sugiere(entrada);
    return 0;
}
