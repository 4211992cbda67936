// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's default printer, used without a dialog.
#include <functional>

#include "impresora.h"

namespace tya {

class ImpresoraSistema : public Impresora {
public:
    // `hay_impresora` tells whether the system has a printer; by default the print system is
    // asked. Without one, the document goes to a PDF in `carpeta`.
    explicit ImpresoraSistema(const QString& carpeta, std::function<bool()> hay_impresora = {});
    ResultadoImpresion imprimir(const QString& que, const Dibujo& dibujo) override;
    void hay_impresora(std::function<bool()> f) { hay_impresora_ = std::move(f); }

private:
    ImpresoraPdf pdf_;
    std::function<bool()> hay_impresora_;
};

}  // namespace tya
