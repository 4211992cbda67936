// SPDX-License-Identifier: GPL-3.0-or-later
#include "sesion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/archivo_texto.h"
#include "core/traduccion.h"

namespace tya {

namespace {

// A log of 8 MB holds over a hundred thousand flights; anything larger is no log of the program.
constexpr qint64 kTopeLog = 8 << 20;

}  // namespace

ListaLogs listar_logs(const QString& carpeta) {
    ListaLogs l;
    const QFileInfoList logs = QDir(carpeta).entryInfoList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
    for (const QFileInfo& fi : logs) {
        l.nombres << fi.fileName();
        l.bytes += fi.size();
    }
    return l;
}

bool ofrecer_borrar_logs(int trazo, int64_t tam_logs) { return trazo == 1 && tam_logs > kTamLogsAviso; }

QString texto_dialogo_logs(int nlogs, int64_t tam_logs) {
    // Numbers as the program prints them: one leading blank before a value not below zero.
    return Trayecta::tr("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   %1 archivos y  %2 bytes")
        .arg(QString::number(nlogs), QString::number(tam_logs));
}

QStringList borrar_logs(const QString& carpeta, const QStringList& nombres) {
    QStringList quedan;
    const QDir d(carpeta);
    for (qsizetype i = 0; i + 1 < nombres.size(); ++i)
        if (!QFile::remove(d.filePath(nombres[i]))) quedan << nombres[i];
    if (!nombres.isEmpty()) quedan << nombres.last();
    return quedan;
}

QString texto_log(const QString& ruta) {
    QByteArray datos;
    QString motivo;
    if (ruta.isEmpty() || !leer_archivo(ruta, kTopeLog, datos, motivo)) return {};
    QString t = QString::fromUtf8(datos);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lineas = t.split(QLatin1Char('\n'));
    // The line end of the last line closes it; it does not start another.
    if (!lineas.isEmpty() && lineas.last().isEmpty()) lineas.removeLast();
    QString s;
    for (const QString& l : lineas) s += l + QStringLiteral("\r\n");
    return s;
}

QString aviso_documentar() {
    const QString aviso = Trayecta::tr(
        "La documentación de la sesión queda grabada en\n"
        "archivos .log con la hora por nombre,\n"
        "en la carpeta de la aplicacion");
    return QStringLiteral("\r\n") + QString(aviso).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace tya
