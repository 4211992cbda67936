// trayecta-calc as a whole: arguments, standard input and input files made from the fuzzer's
// bytes, run in a folder of their own. The exit status is 0, 1 or 2, and a refusal (2) writes
// nothing at all.
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "lectura.h"
#include "tools/calc.h"

using namespace tya;

namespace {

QByteArray inic_original() {
    static const QByteArray d = [] {
        QFile f(QStringLiteral(TYA_DATOS "/INIC.DAT"));
        if (!f.open(QIODevice::ReadOnly)) fuzz::violacion(__FILE__, __LINE__, "INIC.DAT", f.fileName());
        return f.readAll();
    }();
    return d;
}

void escribir(const QString& nombre, const QByteArray& datos) {
    QFile f(QDir::current().filePath(nombre));
    EXIGIR(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size(), nombre);
}

// Every file of the folder and its contents.
QMap<QString, QByteArray> contenido() {
    QMap<QString, QByteArray> m;
    QDirIterator it(QDir::currentPath(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString r = it.next();
        QFile f(r);
        m.insert(r, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<carpeta>"));
    }
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::iniciar_qt();
    return fuzz::carpeta().isValid() ? 0 : 1;
}

// The input: arguments one a line, then after a NUL the standard input, then the files "a" and
// "b", then "i" (an INIC.DAT of the fuzzer's own). Every "/" of an argument becomes "_", so that
// nothing outside the folder is read or written.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const QList<QByteArray> partes = fuzz::bytes(datos, n).split('\0');
    // Only while the command runs: the fuzzer's own paths stay relative to where it started.
    const QString inicio = QDir::currentPath();
    EXIGIR(QDir::setCurrent(fuzz::carpeta().path()), fuzz::carpeta().path());
    QDir aqui = QDir::current();
    for (const QFileInfo& i : aqui.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (i.isDir() && !i.isSymLink()) QDir(i.filePath()).removeRecursively();
        else aqui.remove(i.fileName());
    }
    aqui.mkdir(QStringLiteral("d"));  // an output named "d" cannot be written
    escribir(QStringLiteral("INIC.DAT"), inic_original());
    if (partes.size() > 2) escribir(QStringLiteral("a"), partes[2]);
    if (partes.size() > 3) escribir(QStringLiteral("b"), partes[3]);
    if (partes.size() > 4) escribir(QStringLiteral("i"), partes[4]);

    QStringList args;
    if (!partes[0].isEmpty())
        for (const QByteArray& a : partes[0].split('\n'))
            args << QString::fromUtf8(a).replace(QLatin1Char('/'), QLatin1Char('_'));
    QBuffer entrada, salida, errores;
    entrada.setData(partes.size() > 1 ? partes[1] : QByteArray());
    entrada.open(QIODevice::ReadOnly);
    salida.open(QIODevice::WriteOnly);
    errores.open(QIODevice::WriteOnly);

    const QMap<QString, QByteArray> antes = contenido();
    const int rc = calc::ejecutar(args, entrada, salida, errores);
    const QString todo = args.join(QLatin1Char(' ')) + QStringLiteral(" -> ") + QString::number(rc) +
                         QStringLiteral(": ") + QString::fromUtf8(errores.data());
    EXIGIR(rc == calc::kSalidaBien || rc == calc::kSalidaEscritura || rc == calc::kSalidaRechazo, todo);
    EXIGIR(QDir::currentPath() == fuzz::carpeta().path(), QDir::currentPath());
    if (rc == calc::kSalidaRechazo) {
        EXIGIR(salida.data().isEmpty(), todo);
        EXIGIR(contenido() == antes, QStringLiteral("archivos escritos: ") + todo);
    }
    if (rc == calc::kSalidaBien) EXIGIR(errores.data().isEmpty(), todo);
    else EXIGIR(!errores.data().isEmpty() && errores.data().endsWith('\n'), todo);

    // An experiment file the companion wrote reads back under every invariant of the reader.
    calc::Opciones o;
    QString error;
    if (rc == calc::kSalidaBien && calc::leer_opciones(args, o, error) && !o.tya.isEmpty() && !o.ayuda) {
        bool otra = o.tya == o.escena;  // a later image written over it
        for (const calc::PedidoGrafico& g : o.graficos) otra = otra || g.archivo == o.tya;
        if (!otra) {
            QFile f(o.tya);
            if (f.open(QIODevice::ReadOnly)) {
                static const std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
                *st = fuzz::estado_inicial();
                const ResultadoArchivo r = fuzz::leer_y_comprobar(*st, f.readAll());
                EXIGIR(r.ok, r.error);
            }
        }
    }
    QDir::setCurrent(inicio);
    return 0;
}
