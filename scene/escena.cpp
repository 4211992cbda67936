// SPDX-License-Identifier: GPL-3.0-or-later
#include "escena.h"

#include <algorithm>
#include <cmath>

#include "core/registros.h"
#include "core/traduccion.h"

namespace tya {

// Built at each call, so the menu's caption is in the language installed now.
FilaZoom fila_zoom(int escala) {
    if (escala == 10)
        return {10, Trayecta::tr("E&scala x 10"), QStringLiteral("375 m"), QStringLiteral("640 m"), 640, 375, false};
    return {1, Trayecta::tr("E&scala /10"), QStringLiteral("3750 m"), QStringLiteral("6400 m"), 6400, 3750, true};
}

Superficie nueva_superficie_escena(int ancho_px, int alto_px) {
    Superficie s(kAreaAnchoPx, kAreaAltoPx, kColorFondo);
    s.escala(kEscenaX1, kEscenaY1, kEscenaX2, kEscenaY2);
    s.redimensionar(std::max(ancho_px, 1), std::max(alto_px, 1));
    return s;
}

QRect zona_vuelo(const Superficie& s) {
    const QPoint arriba_izquierda(int(std::floor(s.x_px(kEscenaX1))), int(std::floor(s.y_px(kEscenaY1))));
    const QPoint abajo_derecha(int(std::ceil(s.x_px(6450))) + kMarcadorPx, int(std::ceil(s.y_px(-250))) + 1);
    return QRect(arriba_izquierda, abajo_derecha);
}

Escena::Escena(EstadoExp& st, Superficie& sup, VentanaEscena* ventana) : st_(st), sup_(sup), ventana_(ventana) {}

void Escena::preparar() {
    sup_.retenido(true);
    // Half sizes of the 7-pixel markers in scene units, whole numbers, ties to even.
    const double ancho = kMarcadorPx * std::fabs(sup_.unidades_x());
    const double alto = kMarcadorPx * std::fabs(sup_.unidades_y());
    st_.MedioAnchoCruz = st_.MedioAnchoBlanco = entero16(ancho / 2);
    st_.MedioAltoCruz = st_.MedioAltoBlanco = entero16(alto / 2);
    dibujar_fondo();
    sup_.retenido(false);
    colocar_cruz();
    colocar_blanco();
    sup_.modo(Modo::Invertido);
}

void Escena::dibujar_fondo() {
    sup_.modo(Modo::Copia);
    sup_.caja(0, 0, 6450, -250, kPaleta[2]);
    sup_.linea(0, 0, 0, 3800, kPaleta[0]);
}

void Escena::colocar_cruz() {
    v().colocar_cruz(esquina_marcador(st_.Xo(), st_.Yo(), st_.Escala, st_.MedioAnchoCruz, st_.MedioAltoCruz));
}

void Escena::colocar_blanco() {
    v().colocar_blanco(esquina_marcador(st_.XoB(), st_.YoB(), 1, st_.MedioAnchoBlanco, st_.MedioAltoBlanco));
}

void Escena::borrar_escena(int16_t medio_ancho_blanco, int16_t medio_alto_blanco) {
    v().menus_experiencias(false);
    st_.NExp = 0;
    v().vaciar_lista_y_ngraf();
    sup_.retenido(true);
    v().borrar_curvas();
    sup_.borrar();
    st_.NColor = 2;
    st_.NGrafSel = 0;
    dibujar_fondo();
    sup_.modo(Modo::Invertido);
    v().colocar_blanco(esquina_marcador(st_.XoB(), st_.YoB(), 1, medio_ancho_blanco, medio_alto_blanco));
}

void Escena::marca(double x, double y, double radio, int color) {
    // While flying, the flight is the last stored experiment.
    dibujar_marca(st_.NExp - 1, color, x, y, radio);
}

void Escena::dibujar_marca(int e, int64_t indice, double x, double y, double radio) {
    const uint32_t pluma = pluma_experiencia(estilo_.paleta, e, indice);
    if (estilo_.paleta == Paleta::Normal) {
        sup_.circulo(x, y, radio, pluma);
        return;
    }
    const double ux = std::fabs(sup_.unidades_x());
    const double r = radio_forma_px(estilo_, radio / ux);
    const Forma f = forma_experiencia(estilo_.paleta, e);
    if (f == Forma::Circulo)
        sup_.circulo(x, y, r * ux, pluma);
    else
        sup_.poligono(x, y, vertices_px(f, r), pluma);
}

void Escena::repintar() {
    sup_.modo(Modo::Invertido);
    sup_.retenido(true);
    v().borrar_curvas();
    sup_.borrar();
    dibujar_fondo();
    colocar_cruz();
    sup_.modo(Modo::Invertido);
    redibujar_escena();
}

void Escena::redibujar_escena() {
    const int esc = st_.Escala;
    const double radio = radio_marca(esc);
    const int hasta = std::clamp<int>(st_.NExp, 0, kExperiencias);
    for (int k = 1; k <= hasta; ++k) {
        const int e = k - 1;
        const Registros exp(st_, e);
        // A record loaded from a file may hold any number here; the palette wraps it.
        const int64_t indice = exp.color();
        const int n = exp.muestras();
        for (int j = 1; j <= n; ++j) {
            const double x = exp.x(j).real(), y = exp.y(j).real();
            if (marca_visible(x, y, esc)) dibujar_marca(e, indice, x * esc, y * esc, radio);
            if (j == kMuestraDeColor) st_.ColorExp[e] = sup_.color_en(x * esc, y * esc);
        }
    }
}

void Escena::menu_zoom() {
    st_.Escala = st_.Escala != 1 ? 1 : 10;
    const FilaZoom fila = fila_zoom(st_.Escala);
    st_.Max[iXo] = Fijo::entero(fila.max3);
    st_.Max[iYo] = Fijo::entero(fila.max4);
    v().zoom_cambiado(fila);
    repintar();
}

}  // namespace tya
