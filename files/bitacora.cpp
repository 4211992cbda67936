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
    // Each label where the table of quantities puts it, roughly over its field.
    QString etiquetas;
    for (const DefCantidad& c : kCantidades) {
        if (!c.bitacora.etiqueta) continue;
        etiquetas = etiquetas.leftJustified(c.bitacora.columna) + QString::fromUtf8(c.bitacora.etiqueta);
    }
    return {convert(fecha), QStringLiteral(" "), etiquetas, QStringLiteral(" ")};
}

QString linea_lanzamiento(const EstadoExp& st, QChar sep) {
    QString s;
    for (const DefCantidad& c : kCantidades) {
        const ColumnaBitacora& col = c.bitacora;
        if (!col.etiqueta) continue;
        const Fijo v = st.valor(c.id);
        s += ajustar(col.mascara ? formato(v, QString::fromLatin1(col.mascara), sep)
                                 : QString::number(v.crudo() / Fijo::kEscala),
                     col.ancho);
    }
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
