// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing without a dialog: what a print command draws goes to the system's default printer
// or, when the system has none, to a PDF in the working folder that the message names.
#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace tya {

// Draws the whole document on the device (painter begun and ended inside); false with the reason.
using Dibujo = std::function<bool(QPagedPaintDevice&, QString& error)>;

struct ResultadoImpresion {
    enum class Estado { Impreso, Pdf, Fallo };
    Estado estado = Estado::Fallo;
    QString archivo;  // the PDF written in place of the printer
    QString error;
};

class Impresora {
public:
    virtual ~Impresora() = default;
    // `que` says in a few words what is printed; it names the PDF when there is no printer.
    virtual ResultadoImpresion imprimir(const QString& que, const Dibujo& dibujo) = 0;
};

// The page a PDF gets when no printer says otherwise: A4 upright, 20 mm margins.
QPageLayout pagina_predeterminada();

// Writes the drawing as a PDF through a temporary file: the path holds the whole document
// or whatever it held before. False with a message naming the file.
bool escribir_pdf(const QString& ruta, const QString& titulo, const QPageLayout& pagina, const Dibujo& dibujo,
                  QString& error);

// "<que>_2024-05-31_14-05-09.pdf" in `carpeta`, with "_2", "_3"... if that name is taken.
QString nombre_pdf(const QString& carpeta, const QString& que, const QDateTime& cuando);

// Always a PDF in the folder: the printer of a system that has none.
class ImpresoraPdf : public Impresora {
public:
    explicit ImpresoraPdf(const QString& carpeta) : carpeta_(carpeta) {}
    ResultadoImpresion imprimir(const QString& que, const Dibujo& dibujo) override;

private:
    QString carpeta_;
};

// What the user is told after a print; empty when it went to the printer.
QString mensaje_impresion(const ResultadoImpresion& r);

}  // namespace tya
