// SPDX-License-Identifier: GPL-3.0-or-later
#include "impresora.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

#include "escritura_atomica.h"

#include "core/traduccion.h"

namespace tya {

QPageLayout pagina_predeterminada() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

bool escribir_pdf(const QString& ruta, const QString& titulo, const QPageLayout& pagina, const Dibujo& dibujo,
                  QString& error) {
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        pdf.setPageLayout(pagina);
        pdf.setResolution(600);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Trayecta"));
        if (!dibujo(pdf, error)) return false;
    }
    const QByteArray datos = memoria.data();
    if (datos.isEmpty()) {
        error = Trayecta::tr("No se pudo componer el documento %1.").arg(ruta);
        return false;
    }
    switch (const Escritura w = escribir_archivo(ruta, datos); w.paso) {
        case Escritura::Paso::Hecho:
            return true;
        case Escritura::Paso::Crear:
            error = Trayecta::tr("No se puede crear el archivo %1: %2.").arg(ruta, w.motivo);
            break;
        case Escritura::Paso::Escribir:
            error = Trayecta::tr("No se pudo escribir el archivo %1: %2.").arg(ruta, w.motivo);
            break;
        case Escritura::Paso::Guardar:
            error = Trayecta::tr("No se pudo guardar el archivo %1: %2.").arg(ruta, w.motivo);
            break;
    }
    return false;
}

QString nombre_pdf(const QString& carpeta, const QString& que, const QDateTime& cuando) {
    const QString base = que + QLatin1Char('_') + cuando.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    const QDir d(carpeta);
    QString ruta = d.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(ruta); ++n) ruta = d.filePath(QStringLiteral("%1_%2.pdf").arg(base).arg(n));
    return ruta;
}

ResultadoImpresion ImpresoraPdf::imprimir(const QString& que, const Dibujo& dibujo) {
    ResultadoImpresion r;
    const QString ruta = nombre_pdf(carpeta_, que, QDateTime::currentDateTime());
    if (!escribir_pdf(ruta, que, pagina_predeterminada(), dibujo, r.error)) return r;
    r.estado = ResultadoImpresion::Estado::Pdf;
    r.archivo = ruta;
    return r;
}

QString mensaje_impresion(const ResultadoImpresion& r) {
    switch (r.estado) {
        case ResultadoImpresion::Estado::Impreso:
            return {};
        case ResultadoImpresion::Estado::Pdf:
            return Trayecta::tr(
                       "No hay ninguna impresora instalada. Lo que se iba a imprimir quedó guardado en el archivo:\n%1")
                .arg(QDir::toNativeSeparators(r.archivo));
        case ResultadoImpresion::Estado::Fallo:
            break;
    }
    return Trayecta::tr("No se pudo imprimir.\n%1").arg(r.error);
}

}  // namespace tya
