// SPDX-License-Identifier: GPL-3.0-or-later
// trayecta-calc as a whole: arguments, standard input and input files made from the fuzzer's
// bytes, run in a folder of their own. The exit status is 0, 1 or 2, and a refusal (2) writes
// nothing at all.
#include <QDirIterator>
#include <QMap>

#include "comun.h"
#include "tools/calc.h"

using namespace tya;

namespace {

// Every file and folder below the current one, with its contents.
QMap<QString, QByteArray> contenido() {
    QMap<QString, QByteArray> m;
    QDirIterator it(QDir::currentPath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        m.insert(f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<carpeta>"));
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
    static const QByteArray inic = [] {
        QFile f(QStringLiteral(TYA_DATOS "/INIC.DAT"));
        EXIGIR(f.open(QIODevice::ReadOnly), f.fileName());
        return f.readAll();
    }();
    const QList<QByteArray> partes = fuzz::bytes(datos, n).split('\0');
    // Only while the command runs: the fuzzer's own paths stay relative to where it started.
    const QString inicio = QDir::currentPath();
    QDir aqui(fuzz::carpeta().path());
    // Emptied for every input; an output named "d" cannot be written.
    EXIGIR(aqui.removeRecursively() && aqui.mkpath(QStringLiteral("d")) && QDir::setCurrent(aqui.path()), aqui.path());
    fuzz::escribir(QStringLiteral("INIC.DAT"), inic);
    const QStringList archivos = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("i")};
    for (int k = 0; k < archivos.size() && k + 2 < partes.size(); ++k) fuzz::escribir(archivos[k], partes[k + 2]);

    QStringList args;
    if (!partes[0].isEmpty())
        for (const QByteArray& a : partes[0].split('\n'))
            args << QString::fromUtf8(a).replace(QLatin1Char('/'), QLatin1Char('_'));
    QBuffer entrada, salida, errores;
    entrada.setData(partes.value(1));
    entrada.open(QIODevice::ReadOnly);
    salida.open(QIODevice::WriteOnly);
    errores.open(QIODevice::WriteOnly);

    const QMap<QString, QByteArray> antes = contenido();
    const int rc = calc::ejecutar(args, entrada, salida, errores);
    const QString todo = QStringLiteral("%1 -> %2: %3")
                             .arg(args.join(QLatin1Char(' ')), QString::number(rc), QString::fromUtf8(errores.data()));
    EXIGIR(rc == calc::kSalidaBien || rc == calc::kSalidaEscritura || rc == calc::kSalidaRechazo, todo);
    EXIGIR(QDir::currentPath() == aqui.path(), QDir::currentPath());
    if (rc == calc::kSalidaRechazo)
        EXIGIR(salida.data().isEmpty() && contenido() == antes, QStringLiteral("salida o archivos escritos: ") + todo);
    // Success is silent on standard error but for --familia's note on the values a comma list gave.
    const bool aviso = errores.data().startsWith("--familia") && errores.data().count('\n') == 1;
    EXIGIR(rc == calc::kSalidaBien ? errores.data().isEmpty() || aviso : errores.data().endsWith('\n'), todo);
    QDir::setCurrent(inicio);
    return 0;
}
