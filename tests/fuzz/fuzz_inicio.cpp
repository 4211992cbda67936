// The start-up files on any bytes: INIC.DAT, trazo.txt and the one-value file "sugiere".
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "comun.h"
#include "core/formato.h"
#include "core/inic.h"

using namespace tya;

namespace {

QString ruta(const char* nombre) { return fuzz::carpeta().filePath(QString::fromLatin1(nombre)); }

void escribir(const QString& r, const QByteArray& datos) {
    QFile f(r);
    EXIGIR(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size(), r);
}

void inic(const QByteArray& entrada) {
    escribir(ruta("INIC.DAT"), entrada);
    ValoresInic v, w;
    QString error, error_texto;
    const bool ok = leer_inic(ruta("INIC.DAT"), v, error);
    const bool ok_texto = leer_inic_texto(QString::fromLatin1(entrada), w, error_texto);
    EXIGIR(ok == ok_texto && error == error_texto, error + QStringLiteral(" | ") + error_texto);
    if (!ok) {
        EXIGIR(error.contains(QLatin1String("INIC.DAT")) && error.contains(QLatin1String("registro")), error);
        return;
    }
    EXIGIR(error.isEmpty(), error);
    // The values written in the file's own form read back the same.
    QString texto;
    for (int i = 1; i <= 10; ++i) {
        EXIGIR(std::fabs(v.valor[i].real()) < 1e9 && std::fabs(v.max[i].real()) < 1e9,
               QStringLiteral("registro %1 fuera del rango leído").arg(i));
        EXIGIR(v.valor[i] == w.valor[i] && v.max[i] == w.max[i] && v.min[i] == w.min[i], QString::number(i));
        texto += QStringLiteral("%1, %2, %3\r\n").arg(forma_archivo(v.valor[i]), forma_archivo(v.max[i])).arg(v.min[i]);
    }
    ValoresInic x;
    EXIGIR(leer_inic_texto(texto, x, error), error);
    for (int i = 1; i <= 10; ++i)
        EXIGIR(x.valor[i] == v.valor[i] && x.max[i] == v.max[i] && x.min[i] == v.min[i],
               QStringLiteral("registro %1 no se relee igual: %2").arg(i).arg(texto));
}

void trazo(const QByteArray& entrada) {
    escribir(ruta("trazo.txt"), entrada);
    uint8_t t = 7;
    QString error;
    if (leer_trazo(ruta("trazo.txt"), t, error)) {
        EXIGIR((t == 0 || t == 1) && error.isEmpty(), QString::number(t) + error);
        // What "Salir" writes reads back the same (once for each value: the write syncs the disk).
        static bool visto[2] = {};
        if (!visto[t]) {
            visto[t] = true;
            EXIGIR(escribir_valor(ruta("trazo.txt"), t), QStringLiteral("no se escribe trazo.txt"));
            uint8_t u = 7;
            EXIGIR(leer_trazo(ruta("trazo.txt"), u, error) && u == t, error);
        }
    } else {
        EXIGIR(t == 7, QStringLiteral("trazo cambiado en un fallo"));
        EXIGIR(error.contains(QLatin1String("trazo.txt")), error);
    }
}

void sugiere(const QByteArray& entrada) {
    escribir(ruta("sugiere"), entrada);
    double v = -12345;
    if (leer_valor(ruta("sugiere"), v)) {
        EXIGIR(std::isfinite(v), QString::number(v));
    } else {
        EXIGIR(v == -12345, QStringLiteral("valor cambiado en un fallo"));
    }
    // Either answer of the window reads back as given; once is enough, the write syncs the disk.
    static bool visto = false;
    if (visto) return;
    visto = true;
    for (const int respuesta : {0, 1}) {
        EXIGIR(escribir_valor(ruta("sugiere"), respuesta), QStringLiteral("no se escribe sugiere"));
        double w = -1;
        EXIGIR(leer_valor(ruta("sugiere"), w) && w == respuesta, QString::number(w));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return fuzz::carpeta().isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const QByteArray entrada = fuzz::bytes(datos, n);
    inic(entrada);
    trazo(entrada);
    sugiere(entrada);
    return 0;
}
