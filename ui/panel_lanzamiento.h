// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The launch panels along the top of the scene: initial conditions, the target's values,
// the medium, the particle, and the launch and stop buttons; and the entry of every parameter.
#include <QObject>
#include <array>

#include "contexto.h"
#include "core/fijo.h"

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace tya {

class CajaTexto;
class BotonImagen;

class PanelLanzamiento : public QObject {
    Q_OBJECT
public:
    PanelLanzamiento(const ContextoVentana& ctx, QObject* padre);

    // The start-up values: every box from its parameter; then lead, sphere and vacuum.
    void mostrar_parametros();
    void particula_y_medio_iniciales();

    // Parameter entry: the key filter and the check of a changed text.
    bool tecla_en_entrada(int i, QChar tecla);
    void entrada_cambiada(int i);
    // The arrows step the speed (1) or the angle (2).
    void subir(int i);
    void bajar(int i);
    void elegir_material(int posicion);
    void elegir_forma(int posicion);
    void elegir_medio(int i);  // 0 vacuum, 1 air
    // A parameter set from outside the box (a dropped marker), then checked as typed.
    void poner_parametro(int i, Fijo v);
    void poner_texto(int i, const QString& t);

    void mostrar_panel_blanco(bool visible);
    QGroupBox* panel_condiciones() const { return panel_condiciones_; }

    CajaTexto* entrada(int i) const { return entradas_[i]; }
    BotonImagen* boton_subir(int i) const { return subir_[i]; }
    BotonImagen* boton_bajar(int i) const { return bajar_[i]; }
    BotonImagen* boton_lanzar() const { return lanzar_; }
    BotonImagen* boton_parar() const { return parar_; }
    QComboBox* material() const { return material_; }
    QRadioButton* medio(int i) const { return medio_[i]; }

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

signals:
    // The picture buttons, after their pressed look.
    void lanzar_pedido();
    void parar_pedido();

private:
    void crear_condiciones_y_blanco();
    void crear_medio_y_particula();
    void crear_botones();
    CajaTexto* caja(int i, QWidget* padre);
    QWidget* flechas(int i, QWidget* padre);
    void recordar_anterior(int i);
    void dar_paso(int i, int signo);

    ContextoVentana ctx_;
    QGroupBox *panel_condiciones_ = nullptr, *panel_blanco_ = nullptr, *panel_medio_ = nullptr,
              *panel_particula_ = nullptr, *panel_botones_ = nullptr;
    std::array<CajaTexto*, 11> entradas_{};
    std::array<BotonImagen*, 3> subir_{}, bajar_{};
    BotonImagen *lanzar_ = nullptr, *parar_ = nullptr;
    QComboBox *material_ = nullptr, *forma_ = nullptr;
    std::array<QRadioButton*, 2> medio_{};

    Fijo Anterior;
    int anterior_de_ = 0;  // the box whose value Anterior holds
    int tecleando_ = 0;    // the box whose text comes from keys or a paste, until the program sets one
    std::array<int16_t, 3> Paso{0, 10, 5};
};

}  // namespace tya
