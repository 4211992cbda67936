// SPDX-License-Identifier: GPL-3.0-or-later
#include "carpeta_trabajo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>

#include "platform/dialogos.h"
#include "platform/escritura_atomica.h"
#include "traduccion.h"

#ifndef TRAYECTA_DATOS_INSTALADOS
#define TRAYECTA_DATOS_INSTALADOS "../share/trayecta"
#endif

namespace tya {
namespace {

const QString kInic = QStringLiteral("INIC.DAT");
// What each copy held when it was made, one "hash  name" line per file, so an untouched copy
// can follow a newer install and a changed one is left alone.
const QString kRegistro = QStringLiteral(".trayecta-copias");

QByteArray huella(const QByteArray& datos) {
    return QCryptographicHash::hash(datos, QCryptographicHash::Sha256).toHex();
}

bool tiene_inic(const QString& carpeta) {
    return !carpeta.isEmpty() && QFileInfo(QDir(carpeta).filePath(kInic)).isFile();
}

QMap<QString, QByteArray> leer_registro(const QString& ruta) {
    QMap<QString, QByteArray> r;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return r;
    // A damaged line only means that file counts as changed by the user.
    for (const QByteArray& linea : f.readAll().split('\n')) {
        const qsizetype sep = linea.indexOf("  ");
        if (sep == 64) r.insert(QString::fromUtf8(linea.mid(sep + 2)), linea.left(sep));
    }
    return r;
}

// The shipped files by their names in the folder: the top-level ones, then those of each
// subfolder one level down ("en/ayuda.txt"), the translated teaching texts.
QList<std::pair<QString, QFileInfo>> archivos_instalados(const QString& compartida) {
    QList<std::pair<QString, QFileInfo>> r;
    const QDir raiz(compartida);
    for (const QFileInfo& fi : raiz.entryInfoList(QDir::Files, QDir::Name)) r.append({fi.fileName(), fi});
    for (const QString& sub : raiz.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QFileInfo& fi : QDir(raiz.filePath(sub)).entryInfoList(QDir::Files, QDir::Name))
            r.append({sub + QLatin1Char('/') + fi.fileName(), fi});
    return r;
}

}  // namespace

QString carpeta_usuario() {
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath();
    return QDir(docs).filePath(QStringLiteral("Trayecta"));
}

QString carpeta_compartida(const QString& dir_programa) {
    const QDir dir(dir_programa);
    // Installed: share/trayecta beside bin/. Build tree: its own share/trayecta.
    for (const QString& rel : {QStringLiteral(TRAYECTA_DATOS_INSTALADOS), QStringLiteral("share/trayecta")}) {
        const QString c = QDir::cleanPath(dir.filePath(rel));
        if (QFileInfo(c).isDir()) return c;
    }
    return {};
}

QString elegir_carpeta(const QString& actual, const QString& de_usuario) {
    return tiene_inic(actual) ? actual : de_usuario;
}

bool llenar_carpeta(const QString& compartida, const QString& destino, QString& error) {
    if (!QDir().mkpath(destino)) {
        error = Trayecta::tr("No se pudo crear la carpeta de trabajo %1.").arg(QDir::toNativeSeparators(destino));
        return false;
    }
    if (compartida.isEmpty()) return true;  // the start-up files then name what is missing
    const QDir dest(destino);
    const QString ruta_registro = dest.filePath(kRegistro);
    QMap<QString, QByteArray> registro = leer_registro(ruta_registro);
    bool cambiado = false;
    for (const auto& [nombre, fi] : archivos_instalados(compartida)) {
        QFile origen(fi.filePath());
        if (!origen.open(QIODevice::ReadOnly)) {
            error =
                Trayecta::tr("No se puede leer el archivo instalado %1.").arg(QDir::toNativeSeparators(fi.filePath()));
            return false;
        }
        const QByteArray nuevo = origen.readAll();
        const QByteArray h_nuevo = huella(nuevo);
        const QString ruta = dest.filePath(nombre);
        QFile actual(ruta);
        if (actual.exists()) {
            if (!actual.open(QIODevice::ReadOnly)) continue;  // not ours to touch
            const QByteArray h_actual = huella(actual.readAll());
            actual.close();
            // Already as shipped, or changed since it was copied (a user's file that happens to
            // match the install stays the user's).
            if (h_actual == h_nuevo || registro.value(nombre) != h_actual) continue;
        } else if (const QString sub = QFileInfo(ruta).absolutePath(); !QDir().mkpath(sub)) {
            error = Trayecta::tr("No se pudo crear la carpeta %1.").arg(QDir::toNativeSeparators(sub));
            return false;
        }
        // Through a temporary file, so an interrupted copy never leaves half a file behind.
        if (const Escritura w = escribir_archivo(ruta, nuevo); !w) {
            error = Trayecta::tr("No se pudo copiar %1 en la carpeta de trabajo %2: %3.")
                        .arg(QDir::toNativeSeparators(nombre), QDir::toNativeSeparators(destino), w.motivo);
            return false;
        }
        registro.insert(nombre, h_nuevo);
        cambiado = true;
    }
    if (!cambiado) return true;
    QByteArray texto;
    for (auto it = registro.cbegin(); it != registro.cend(); ++it)
        texto += it.value() + "  " + it.key().toUtf8() + '\n';
    if (const Escritura w = escribir_archivo(ruta_registro, texto); !w) {
        error = Trayecta::tr("No se pudo escribir %1: %2.").arg(QDir::toNativeSeparators(ruta_registro), w.motivo);
        return false;
    }
    return true;
}

QString preparar_carpeta_trabajo(const QString& actual, const QString& dir_programa, const QString& de_usuario,
                                 QString& error) {
    const QString carpeta = elegir_carpeta(actual, de_usuario);
    if (carpeta != de_usuario) return carpeta;
    if (!llenar_carpeta(carpeta_compartida(dir_programa), carpeta, error)) return {};
    return carpeta;
}

QString preparar_carpeta_trabajo(QString& error) {
    return preparar_carpeta_trabajo(QDir::currentPath(), QCoreApplication::applicationDirPath(), carpeta_usuario(),
                                    error);
}

QString entrar_en_carpeta_trabajo(const QString& actual, const QString& dir_programa, const QString& de_usuario,
                                  Dialogos& dialogos) {
    QString error;
    const QString carpeta = preparar_carpeta_trabajo(actual, dir_programa, de_usuario, error);
    if (!carpeta.isEmpty() && QDir::setCurrent(carpeta)) return carpeta;
    if (error.isEmpty())
        error = Trayecta::tr("No se puede usar la carpeta de trabajo %1.").arg(QDir::toNativeSeparators(carpeta));
    dialogos.mensaje(error);
    return {};
}

QString entrar_en_carpeta_trabajo(Dialogos& dialogos) {
    return entrar_en_carpeta_trabajo(QDir::currentPath(), QCoreApplication::applicationDirPath(), carpeta_usuario(),
                                     dialogos);
}

}  // namespace tya
