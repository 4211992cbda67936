// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene of the main window: its frame, background, sample marks, zoom and redraw.
#include <QRect>
#include <QString>

#include "core/experiment_state.h"
#include "core/paleta.h"
#include "core/ganchos_vuelo.h"
#include "core/vuelo.h"
#include "platform/superficie.h"

namespace tya {

// The drawing area at the window's design size of 9600 by 5050 twips (15 twips a pixel,
// less the frame, caption and menu bar) shows the scene from (-150, 4050) to (7150, 1000).
constexpr int kAreaAnchoPx = 632;
constexpr int kAreaAltoPx = 285;
constexpr double kEscenaX1 = -150, kEscenaY1 = 4050, kEscenaX2 = 7150, kEscenaY2 = 1000;
constexpr uint32_t kColorFondo = rgb(224, 224, 224);
constexpr int kMarcadorPx = 7;  // launch-point and target markers are 7 by 7 pixels

struct FilaZoom {
    int escala;
    QString menu, label18, label19;
    int max3, max4;
    bool blanco1;
};
FilaZoom fila_zoom(int escala);

// What the scene operations change in the window around the scene.
class VentanaEscena {
public:
    virtual ~VentanaEscena() = default;
    // ImprVal, ImprGraf, menu_posiciones, Grabar, menu_velocidades, menu_valores.
    virtual void menus_experiencias(bool /*habilitados*/) {}
    virtual void vaciar_lista_y_ngraf() {}  // List1 emptied, NGraf ""
    virtual void borrar_curvas() {}
    virtual void colocar_blanco(Esquina) {}
    virtual void colocar_cruz(Esquina) {}
    virtual void zoom_cambiado(const FilaZoom&) {}
};

class Escena : public LienzoVuelo {
public:
    Escena(EstadoExp& st, Superficie& sup, VentanaEscena* ventana = nullptr);

    // Start-up set-up: frame, marker half sizes, background, markers, inverted mode.
    void preparar();
    void dibujar_fondo();
    void borrar_escena(int16_t medio_ancho_blanco, int16_t medio_alto_blanco);
    void redibujar_escena();
    void menu_zoom();
    void colocar_cruz();
    void colocar_blanco();

    // LienzoVuelo
    void retenido(bool on) override { sup_.retenido(on); }
    void marca(double x, double y, double radio, int color) override;
    uint32_t color_en(double x, double y) override { return sup_.color_en(x, y); }

    Superficie& superficie() { return sup_; }

    // The palette and scale the marks are drawn with; `repintar` shows the change at once.
    void estilo(const Estilo& e) {
        estilo_ = e;
        sup_.grosor(e.grosor());  // the wall and the vectors thicken with the marks
    }
    const Estilo& estilo() const { return estilo_; }
    // The scene drawn again from the stored experiments, at the same zoom.
    void repintar();

private:
    void dibujar_marca(int e, int64_t indice, double x, double y, double radio);
    Estilo estilo_;
    EstadoExp& st_;
    Superficie& sup_;
    VentanaEscena* ventana_;
    VentanaEscena nada_;
    VentanaEscena& v() { return ventana_ ? *ventana_ : nada_; }
};

// The surface's pixels where a flight is seen at every zoom: from the left edge past the wall
// to the ground band's end, from the top down to the band's bottom, with room for the markers
// and the vectors at the band's end. A panel of the program's own stays off it.
QRect zona_vuelo(const Superficie& s);

// A scene surface at the design size with the scene's frame, ready for `Escena`.
Superficie nueva_superficie_escena(int ancho_px = kAreaAnchoPx, int alto_px = kAreaAltoPx);

}  // namespace tya
