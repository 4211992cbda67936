// SPDX-License-Identifier: GPL-3.0-or-later
// Every whole-file writer on a disk that fills part way: the old file stays, no temporary file is
// left behind, and the reason is given in words.
#include "platform/escritura_atomica.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QPainter>
#include <QSaveFile>
#include <QPagedPaintDevice>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

#include "archivos.h"
#include "core/carpeta_trabajo.h"
#include "core/traduccion.h"
#include "core/inic.h"
#include "files/experimentos.h"
#include "files/figura.h"
#include "platform/impresora.h"
#include "platform/motivo_archivo.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// Every file under the folder with its content, hidden ones included, one per line.
std::string contenido(const QString& carpeta) {
    QStringList l;
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        l << QDir(carpeta).relativeFilePath(f) + "=" + QString::fromLatin1(leer(f));
    }
    l.sort();
    return l.join('\n').toStdString();
}

struct Caso {
    const char* quien;
    rlim_t tope;  // bytes that fit on the disk: fewer than the new content
    std::function<void(const QDir&)> preparar;
    std::function<QString(const QDir&)> escribir;  // the message given, empty when it says it wrote
};

}  // namespace

TEST(EscrituraAtomica, DiscoLlenoAMitadDejaElArchivoAnteriorYDiceElMotivo) {
    const auto viejo = [](const QDir& d) { prueba::escribir(d.filePath("x"), "contenido anterior"); };
    const Caso casos[] = {
        {"escribir_archivo", 100, viejo,
         [](const QDir& d) { return escribir_archivo(d.filePath("x"), QByteArray(1000, 'n')).motivo; }},
        {"escribir_pdf", 100, viejo,
         [](const QDir& d) {
             QString error;
             escribir_pdf(
                 d.filePath("x"), "x", pagina_predeterminada(),
                 [](QPagedPaintDevice& p, QString&) {
                     QPainter(&p).fillRect(0, 0, 500, 500, Qt::black);
                     return true;
                 },
                 error);
             return error;
         }},
        {"grabar_experiencias", 1, viejo,
         [](const QDir& d) {
             auto st = std::make_unique<EstadoExp>();
             return grabar_experiencias(*st, d.filePath("x")).error;
         }},
        {"guardar_figura", 100, viejo,
         [](const QDir& d) {
             return guardar_figura(d.filePath("x"), 300, 200, [](QPainter& p) { p.fillRect(0, 0, 300, 200, Qt::red); });
         }},
        {"escribir_valor", 2, viejo,
         [](const QDir& d) {
             QString motivo;
             escribir_valor(d.filePath("x"), 1, &motivo);
             return motivo;
         }},
        {"llenar_carpeta", 1000,
         // A copy made from an older install, which the newer one brings up to date.
         [](const QDir& d) {
             prueba::escribir(d.filePath("inst/INIC.DAT"), "100, 340, 0\n");
             QString error;
             ASSERT_TRUE(llenar_carpeta(d.filePath("inst"), d.filePath("usuario"), error)) << error.toStdString();
             prueba::escribir(d.filePath("inst/INIC.DAT"), QByteArray(5000, '1'));
         },
         [](const QDir& d) {
             QString error;
             llenar_carpeta(d.filePath("inst"), d.filePath("usuario"), error);
             return error;
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.quien);
        QTemporaryDir tmp;
        const QDir d(tmp.path());
        c.preparar(d);
        const std::string antes = contenido(d.filePath("."));
        QString mensaje;
        {
            DiscoLleno lleno(c.tope);
            mensaje = c.escribir(d);
        }
        EXPECT_EQ(contenido(d.filePath(".")), antes);
        EXPECT_TRUE(mensaje.contains(Trayecta::tr("no queda espacio en el disco"))) << mensaje.toStdString();
    }
}

// Qt names some refusals itself, in the words of its catalogue for the running language.
TEST(EscrituraAtomica, ElMotivoDeQtSeReconoceTraducido) {
    int argc = 1;
    char nombre[] = "pruebas";
    char* argv[] = {nombre, nullptr};
    QCoreApplication app(argc, argv);  // installs the run's language, Qt's catalogue with it
    QTemporaryDir tmp;
    QFile leido(tmp.path());
    QSaveFile escrito(tmp.path());
    for (QFileDevice* f : {static_cast<QFileDevice*>(&leido), static_cast<QFileDevice*>(&escrito)}) {
        ASSERT_FALSE(f->open(f == &leido ? QIODevice::ReadOnly : QIODevice::WriteOnly));
        EXPECT_EQ(motivo_archivo(*f).toStdString(), motivo_errno(EISDIR).toStdString())
            << f->errorString().toStdString();
    }
}
