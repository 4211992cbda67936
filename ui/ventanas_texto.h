// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the menus open: the text window's topics (about, model, extreme values, problems),
// the practical-work panel, the help viewer and the suggestions, also shown once at start.
#include <QObject>
#include <QPointer>
#include <memory>

#include "contexto.h"
#include "foco.h"

class QTimer;

namespace tya {

class CajaTextos;
class CajaValores;
class ImpresoraSistema;
class TrabajoPractico;
class VisorAyuda;

class VentanasTexto : public QObject {
    Q_OBJECT
public:
    VentanasTexto(const ContextoVentana& ctx, ImpresoraSistema& impresora);
    ~VentanasTexto() override;

    CajaValores* caja_valores();  // created on first use
    void mostrar_modelo();
    // `blanco`: the target is on the scene, so the report has its columns.
    void mostrar_valores_extremos(bool blanco);
    void elegir_problema();
    // The practical work over the scene, below `debajo_de`.
    void abrir_trabajo_practico(const QWidget* debajo_de);
    // The help viewer at the contents or at the topic finder.
    void abrir_ayuda(bool buscar);
    void acerca_de();
    void mostrar_sugerencias();
    // Counts the start-up ticks; the fifth shows the suggestions when "sugiere" asks for them.
    void tic_de_arranque();
    void arrancar_reloj();

    TrabajoPractico* trabajo_practico() const { return trabajo_practico_; }

signals:
    // A window or panel that covered the scene closed and the scene was drawn again.
    void escena_redibujada();

private:
    ContextoVentana ctx_;
    ImpresoraSistema& impresora_;
    std::unique_ptr<CajaTextos> textos_;
    QPointer<CajaValores> caja_;
    TrabajoPractico* trabajo_practico_ = nullptr;
    QPointer<VisorAyuda> ayuda_;
    QTimer* reloj_arranque_ = nullptr;
    RetornoFoco volver_foco_;  // of the practical work, opened from a menu
    int16_t ticks_ = 0;
};

}  // namespace tya
