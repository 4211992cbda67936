// SPDX-License-Identifier: GPL-3.0-or-later
#include "impresora_sistema.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "core/traduccion.h"

namespace tya {

namespace {
QPrinterInfo impresora_del_sistema() {
    const QPrinterInfo p = QPrinterInfo::defaultPrinter();
    if (!p.isNull()) return p;
    const QList<QPrinterInfo> todas = QPrinterInfo::availablePrinters();
    return todas.isEmpty() ? QPrinterInfo() : todas.first();
}
}  // namespace

ImpresoraSistema::ImpresoraSistema(const QString& carpeta, std::function<bool()> hay_impresora)
    : pdf_(carpeta),
      hay_impresora_(hay_impresora ? std::move(hay_impresora)
                                   : std::function<bool()>([] { return !impresora_del_sistema().isNull(); })) {}

ResultadoImpresion ImpresoraSistema::imprimir(const QString& que, const Dibujo& dibujo) {
    if (!hay_impresora_()) return pdf_.imprimir(que, dibujo);
    ResultadoImpresion r;
    const QPrinterInfo info = impresora_del_sistema();
    QPrinter p(info, QPrinter::HighResolution);
    p.setDocName(que);
    if (!p.isValid()) {
        r.error = Trayecta::tr("La impresora %1 no está disponible.").arg(info.printerName());
        return r;
    }
    if (!dibujo(p, r.error)) return r;
    if (p.printerState() == QPrinter::Error) {
        r.error = Trayecta::tr("La impresora %1 informó un error.").arg(info.printerName());
        return r;
    }
    r.estado = ResultadoImpresion::Estado::Impreso;
    return r;
}

}  // namespace tya
