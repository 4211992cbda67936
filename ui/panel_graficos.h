// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph-and-table panel ("Posiciones" or "Velocidades Instantaneas") with the experiment
// chooser, and the two comparison panels it opens.
#include <QGroupBox>
#include <QPointer>
#include <array>
#include <memory>

#include "contexto.h"
#include "foco.h"
#include "graphs/graficos.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tya {

class PanelComparacion;

// What the panel shows: nothing yet, the velocities or the positions.
enum class ModoGrafico : int16_t { Ninguno, Velocidades, Posiciones };

class PanelGraficos : public QGroupBox {
    Q_OBJECT
public:
    PanelGraficos(const ContextoVentana& ctx, QWidget* padre);
    ~PanelGraficos() override;

    // "Gráfico Posiciones" and "Gráfico Velocidades": the panel in that mode, with the
    // selected experiment's table and graph.
    void ver_posiciones();
    void ver_velocidades();
    // Its button: the other mode.
    void alternar_posiciones_velocidades();
    // The options: the horizontal (X, Vx) or the vertical (Y, Vy) component against time.
    void graficar_horizontal();
    void graficar_vertical();
    // The open graph and comparisons drawn again, in the palette the scene now uses.
    void repintar();
    // The experiment number: typed, or stepped by the arrows.
    bool tecla_en_numero(QChar tecla);
    void numero_cambiado();
    void experiencia_anterior();
    void experiencia_siguiente();
    void comparar_graficas();
    void cerrar_comparacion_posiciones();
    void cerrar_comparacion_velocidades();
    void cerrar();
    // The table's text and the graph's bitmap to the clipboard.
    void copiar_datos();
    void copiar_grafica();

    // What the scene's operations and a flight change here.
    void mostrar_numero(const QString& t);
    void vaciar_tabla_y_numero();
    void borrar_grafico();
    // Where the table and the buttons beside it are, in the parent's coordinates.
    QRect tabla_y_botones() const;

    ModoGrafico modo() const { return ModoGraf; }
    // The mode as a number (1 velocities, 2 positions), for the older tests that compare it so.
    QListWidget* tabla() const { return tabla_; }
    CajaTexto* numero() const { return numero_; }
    Superficie& grafico() { return *sup_grafico_; }
    PanelComparacion& comparacion_posiciones() { return *comparacion_posiciones_; }
    PanelComparacion& comparacion_velocidades() { return *comparacion_velocidades_; }
    VistaSuperficie* vista_grafico() const { return grafico_; }
    // The frame each graph box was last drawn with (the replay cursor's time axis).
    const MarcoGrafico& marco(CajaGrafico c) const { return marcos_[static_cast<size_t>(c)]; }

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    QWidget* crear_lado();
    // Shown from a menu: the panel takes the focus, remembering who had it.
    void mostrar_y_enfocar();
    // The table's name and columns with their units, for a screen reader.
    void nombrar_tabla();
    // The graph routines, drawn only for an experiment that exists.
    void llenar_tabla(bool velocidades);
    void graficar(bool velocidades);
    void comparar(bool velocidades);
    void volver_a_comparar();
    // Back from a comparison: the panel's own table and graph, and the scene redrawn.
    void tras_comparacion(bool velocidades);

    ContextoVentana ctx_;
    std::unique_ptr<Superficie> sup_grafico_;
    VistaSuperficie* grafico_ = nullptr;
    QListWidget* tabla_ = nullptr;
    QLabel *cabecera_ = nullptr, *eje_vertical_ = nullptr, *eje_tiempo_ = nullptr, *rotulo_numero_ = nullptr;
    CajaTexto* numero_ = nullptr;
    BotonImagen *anterior_ = nullptr, *siguiente_ = nullptr;
    QRadioButton *horizontal_ = nullptr, *vertical_ = nullptr;
    QPushButton *alternar_ = nullptr, *copiar_grafica_ = nullptr, *copiar_datos_ = nullptr, *comparar_ = nullptr,
                *cerrar_ = nullptr;
    PanelComparacion *comparacion_posiciones_ = nullptr, *comparacion_velocidades_ = nullptr;
    ModoGrafico ModoGraf = ModoGrafico::Ninguno;
    // The title shows the positions: set with it, as the mode may change during a flight.
    bool titulo_posiciones_ = false;
    RetornoFoco volver_foco_;
    AcumComparacion acumulados_;
    std::array<MarcoGrafico, 3> marcos_{};  // Curvas, ComparaP, ComparaV
};

}  // namespace tya
