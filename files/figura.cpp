// SPDX-License-Identifier: GPL-3.0-or-later
#include "figura.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgGenerator>

#include "core/traduccion.h"
#include "graphs/lamina.h"
#include "platform/impresora.h"
#include "platform/escritura_atomica.h"

namespace tya {

namespace {

QString guardar_datos(const QByteArray& datos, const QString& ruta) {
    const Escritura w = escribir_archivo(ruta, datos);
    switch (w.paso) {
        case Escritura::Paso::Hecho:
            return {};
        case Escritura::Paso::Crear:
            return Trayecta::tr("No se puede crear %1: %2.").arg(ruta, w.motivo);
        case Escritura::Paso::Escribir:
            return Trayecta::tr("No se pudo escribir la imagen %1: %2.").arg(ruta, w.motivo);
        case Escritura::Paso::Guardar:
            break;
    }
    return Trayecta::tr("No se pudo guardar %1: %2.").arg(ruta, w.motivo);
}

QString guardar_png(const QImage& img, const QString& ruta) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    if (!img.save(&b, "PNG")) return Trayecta::tr("No se pudo escribir la imagen %1.").arg(ruta);
    return guardar_datos(b.data(), ruta);
}

// A drawing of `tamano` units scaled onto the PDF page `pagina`.
QString guardar_pdf(const QString& ruta, const QPageLayout& pagina, QSize tamano,
                    const std::function<void(QPainter&)>& dibujar) {
    QString error;
    const bool bien = escribir_pdf(
        ruta, QFileInfo(ruta).completeBaseName(), pagina,
        [&](QPagedPaintDevice& d, QString& e) {
            QPainter p;
            if (!p.begin(&d)) {
                e = Trayecta::tr("No se pudo componer el documento %1.").arg(ruta);
                return false;
            }
            p.scale(d.width() / double(tamano.width()), d.height() / double(tamano.height()));
            dibujar(p);
            return p.end();
        },
        error);
    return bien ? QString() : error;
}

// A drawing of `tamano` units as an SVG of that view box; `ppp`, when given, the dots per inch
// that say its size on paper.
QString guardar_svg(const QString& ruta, QSize tamano, int ppp, const std::function<void(QPainter&)>& dibujar) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&b);
    if (ppp > 0) svg.setResolution(ppp);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(), tamano));
    svg.setTitle(QFileInfo(ruta).completeBaseName());
    svg.setDescription(QStringLiteral("Trayecta"));
    {
        QPainter p;
        if (!p.begin(&svg)) return Trayecta::tr("No se pudo escribir la imagen %1.").arg(ruta);
        dibujar(p);
    }
    return guardar_datos(b.data(), ruta);
}

}  // namespace

bool formato_figura(const QString& ruta, FormatoFigura& formato, QString& error) {
    const QString fin = QFileInfo(ruta).suffix().toLower();
    if (fin.isEmpty() || fin == QLatin1String("png"))
        formato = FormatoFigura::Png;
    else if (fin == QLatin1String("pdf"))
        formato = FormatoFigura::Pdf;
    else if (fin == QLatin1String("svg"))
        formato = FormatoFigura::Svg;
    else {
        error = Trayecta::tr("%1: la terminación \".%2\" no es de imagen; se guardan .png, .pdf y .svg.")
                    .arg(ruta, QFileInfo(ruta).suffix());
        return false;
    }
    return true;
}

QString guardar_figura(const QString& ruta, int ancho, int alto, const std::function<void(QPainter&)>& dibujar) {
    FormatoFigura formato = FormatoFigura::Png;
    QString error;
    if (!formato_figura(ruta, formato, error)) return error;
    switch (formato) {
        case FormatoFigura::Png: {
            QImage img(ancho, alto, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                dibujar(p);
            }
            return guardar_png(img, ruta);
        }
        case FormatoFigura::Pdf:
            // One page the size of the figure, in points.
            return guardar_pdf(ruta,
                               QPageLayout(QPageSize(QSizeF(ancho, alto), QPageSize::Point), QPageLayout::Portrait, {}),
                               QSize(ancho, alto), dibujar);
        case FormatoFigura::Svg:
            return guardar_svg(ruta, QSize(ancho, alto), 0, dibujar);
    }
    return {};
}

QString guardar_hoja(const QString& ruta, const std::function<void(QPainter&)>& dibujar, QSize png) {
    FormatoFigura formato = FormatoFigura::Png;
    QString error;
    if (!formato_figura(ruta, formato, error)) return error;
    const QSize hoja(kLaminaAncho, kLaminaAlto);
    switch (formato) {
        case FormatoFigura::Png:
            return guardar_png(png.isEmpty() ? imagen_hoja(dibujar) : imagen_hoja(dibujar, png), ruta);
        case FormatoFigura::Pdf:
            return guardar_pdf(ruta, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}), hoja, dibujar);
        // A unit a tenth of a millimetre: the SVG says 297 by 210 mm.
        case FormatoFigura::Svg:
            return guardar_svg(ruta, hoja, 254, dibujar);
    }
    return {};
}

QString guardar_imagen(const QImage& img, const QString& ruta) {
    FormatoFigura formato = FormatoFigura::Png;
    QString error;
    if (!formato_figura(ruta, formato, error)) return error;
    if (formato == FormatoFigura::Png) return guardar_png(img, ruta);
    return guardar_figura(ruta, img.width(), img.height(), [&](QPainter& p) { p.drawImage(0, 0, img); });
}

}  // namespace tya
