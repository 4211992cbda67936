// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitacora.h"

#include <QDir>
#include <QLocale>

#include "core/formato.h"

namespace tya {

namespace {

// Unbuffered: each line goes to the file in one write of its own, nothing is held back.
constexpr QIODevice::OpenMode kModo = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;

}  // namespace

QString convert(const QString& texto) {
    QString s = texto;
    s.replace(QLatin1Char('/'), QLatin1Char('_'));
    s.replace(QLatin1Char(':'), QLatin1Char('_'));
    return s;
}

QString nombre_bitacora(const QTime& hora) {
    return convert(hora.toString(QStringLiteral("HH:mm"))) + QStringLiteral(".log");
}

QString fecha_corta(const QDate& fecha) { return QLocale::system().toString(fecha, QLocale::ShortFormat); }

QStringList cabecera_bitacora(const QString& fecha) {
    return {convert(fecha), QStringLiteral(" "),
            QStringLiteral("Xo    Yo    Vo     Ang.  Aire  Viento  R      Dens.  Forma"), QStringLiteral(" ")};
}

QString linea_lanzamiento(const EstadoExp& st, QChar sep) {
    const auto& p = st.Param;
    QString s;
    s += ajustar(formato(p[iXo], QStringLiteral("###0"), sep), 6);
    s += ajustar(formato(p[iYo], QStringLiteral("###0"), sep), 5);
    s += ajustar(formato(p[iVo], QStringLiteral("##0.0#"), sep), 8);
    s += ajustar(formato(p[iAng], QStringLiteral("##0.0#"), sep), 8);
    s += ajustar(QString::number(st.Aire), 5);
    s += ajustar(formato(p[iViento], QStringLiteral("##0"), sep), 7);
    s += ajustar(formato(p[iR], QStringLiteral("#0.0#"), sep), 7);
    s += ajustar(formato(st.Densidad, QStringLiteral("#0.0#"), sep), 7);
    s += ajustar(formato(st.Cd, QStringLiteral("0.#"), sep), 6);
    return s;
}

bool Bitacora::abrir(const QString& ruta) {
    cerrar();
    f_.setFileName(ruta);
    return f_.open(kModo);
}

bool Bitacora::iniciar(const QString& carpeta, const QTime& hora, const QDate& fecha) {
    cerrar();
    if (!abrir(QDir(carpeta).filePath(nombre_bitacora(hora)))) return false;
    escribir_cabecera(fecha_corta(fecha));
    return abierta();
}

bool Bitacora::escribir_cabecera(const QString& fecha) {
    bool ok = true;
    for (const QString& l : cabecera_bitacora(fecha)) ok = agregar(l) && ok;
    return ok;
}

bool Bitacora::agregar(const QString& linea) {
    if (!f_.isOpen() && (f_.fileName().isEmpty() || !f_.open(kModo))) return false;
    const QByteArray b = linea.toUtf8() + QByteArrayLiteral("\r\n");
    const qint64 antes = f_.size();
    if (f_.write(b) == b.size()) return true;
    // A disk that filled part way leaves no torn line behind.
    f_.resize(antes);
    return false;
}

void Bitacora::cerrar() {
    if (f_.isOpen()) f_.close();
}

}  // namespace tya
