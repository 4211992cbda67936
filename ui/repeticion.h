// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replay panel ("Repetir"): one experiment watched again sample by sample, with the scene,
// the open graphs and the value table following its time cursor. Its marks are painted over
// the views, never into their pictures, so closing it leaves every view as it was.
#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "contexto.h"
#include "foco.h"
#include "core/experiment_state.h"
#include "scene/repeticion.h"

class QAction;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;

namespace tya {

class PanelGraficos;
struct Raton;

class Repeticion : public QWidget {
    Q_OBJECT
public:
    // `entrada` is the menu entry that opens the panel; `graficos` holds the graph views and
    // the table that follow the cursor.
    Repeticion(const ContextoVentana& ctx, PanelGraficos& graficos, QAction* entrada, QWidget* padre);

    // The entry is usable when `si`, an experiment is stored and no flight runs; not usable
    // also closes the panel.
    void permitir(bool si);
    void abrir();
    // A click on the scene: true when it hit a mark of the replayed experiment, which then
    // moves the cursor there instead of drawing vectors into the scene.
    bool clic_escena(const Raton& r);
    // The cursor's marks over the views and its row in the table shown or not (not while the
    // window is printed).
    void mostrar_marcas(bool si);

    void ir_a(int muestra);  // 1 to cuenta()
    void paso(int cuantas) { ir_a(muestra_ + cuantas); }
    void reproducir(bool si);
    void ritmo(Ritmo r);  // the flight's pace, four times it, or real time

    int experiencia() const { return k_; }
    int muestra() const { return muestra_; }
    int cuenta() const { return n_; }
    bool reproduciendo() const;
    QString valor(int fila) const;  // 1 to 7: t, X, Y, Vx, Vy, Ax, Ay
    PanelGraficos& graficos() const { return graficos_; }

signals:
    // Enter on the cursor's sample: its table is asked for (experiment k, sample 1 to cuenta()).
    void tabla_pedida(int k, int muestra);

protected:
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* o, QEvent* ev) override;
    void closeEvent(QCloseEvent*) override;

private:
    // A key of the panel, from the panel or any of its controls; false when it is not one.
    bool tecla(int k);
    void elegir(int k);
    // Off the flight and off the graphs and table it marks, inside the screen.
    void colocar();
    void seguir_panel_graficos();
    void avanzar_al_reloj();
    void mostrar();
    void cerrar();
    void marcar_fila();
    void pintar_escena(QPainter& p);
    void pintar_grafico(QPainter& p, int caja);
    std::optional<int> columna(int caja) const;

    ContextoVentana ctx_;
    PanelGraficos& graficos_;
    EstadoExp& st_;
    QAction* entrada_;
    bool activo_ = false;
    bool marcas_ = true;
    int k_ = 0, n_ = 0, muestra_ = 1;

    VistaSuperficie* escena_ = nullptr;
    std::array<VistaSuperficie*, 3> cajas_{};  // Curvas, ComparaP, ComparaV
    QRect zona_escena_;                        // what the scene's marks last covered
    std::array<std::optional<int>, 3> columnas_{};
    int fila_antes_ = -1, desplazamiento_antes_ = 0;

    QSpinBox* experiencia_ = nullptr;
    QSlider* deslizador_ = nullptr;
    QLabel *tiempo_ = nullptr, *numero_ = nullptr;
    std::array<QLabel*, 7> valores_{};
    QPushButton *inicio_ = nullptr, *atras_ = nullptr, *adelante_ = nullptr, *fin_ = nullptr, *reproducir_ = nullptr;
    QComboBox* ritmo_ = nullptr;
    QTimer* reloj_ = nullptr;
    QElapsedTimer desde_;
    int muestra_desde_ = 1;
    RetornoFoco volver_foco_;
};

}  // namespace tya
