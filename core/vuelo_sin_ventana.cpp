// SPDX-License-Identifier: GPL-3.0-or-later
#include "vuelo_sin_ventana.h"

#include "resumen_vuelo.h"

namespace tya {

namespace {

// A sample's mark, and the colour it shows when it names the experiment.
void marcar(Vuelo& vuelo, const EstadoExp& st, LienzoVuelo& lienzo) {
    const MuestraTomada& m = vuelo.muestra();
    const int esc = st.Escala;
    if (marca_visible(m.x, m.y, esc)) lienzo.marca(m.x * esc, m.y * esc, radio_marca(esc), st.NColor);
    if (m.i == kMuestraDeColor) vuelo.anotar_color(lienzo.color_en(m.x * esc, m.y * esc));
}

}  // namespace

FinVuelo VueloSinVentana::volar() {
    Vuelo vuelo(*st, sin_ventana.blanco, st->MedioAnchoBlanco, st->MedioAltoBlanco);
    while (vuelo.avanzar() != Evento::Fin) {}
    vuelo.cerrar();
    sin_ventana.pasos = vuelo.pasos();
    return vuelo.fin();
}

FinVuelo VueloSinVentana::volar(LienzoVuelo& lienzo) {
    Vuelo vuelo(*st, sin_ventana.blanco, st->MedioAnchoBlanco, st->MedioAltoBlanco);
    lienzo.retenido(true);
    for (Evento ev; (ev = vuelo.avanzar()) != Evento::Fin;)
        if (ev == Evento::Muestra) marcar(vuelo, *st, lienzo);
    vuelo.cerrar();
    sin_ventana.pasos = vuelo.pasos();
    return vuelo.fin();
}

FinVuelo VueloSinVentana::volar(LienzoVuelo& lienzo, VentanaVuelo& ventana) {
    EstadoExp& s = *st;
    Vuelo vuelo(s, ventana.blanco_colocado(), s.MedioAnchoBlanco, s.MedioAltoBlanco);
    if (vuelo.radio_elevado()) ventana.mostrar_radio(QStringLiteral("0.01"));
    lienzo.retenido(true);
    for (Evento ev = vuelo.terminado() ? Evento::Fin : Evento::Paso; ev != Evento::Fin; ev = vuelo.avanzar(true)) {
        if (ev == Evento::Paso) ventana.procesar_eventos();
        if (ev == Evento::Muestra) marcar(vuelo, s, lienzo);
        if (ev == Evento::Blanco) ventana.mover_blanco(vuelo.esquina_blanco().izquierda, vuelo.esquina_blanco().arriba);
    }
    if (vuelo.fin() == FinVuelo::Impacto) dialogos.mensaje(mensaje_fin(FinVuelo::Impacto));
    if (vuelo.fin() == FinVuelo::Limite) dialogos.mensaje(mensaje_fin(FinVuelo::Limite));
    vuelo.cerrar();
    if (s.Trazo == 1) ventana.documentar_lanzamiento();
    ventana.mostrar_ngraf(QString::number(s.NExp));
    sin_ventana.pasos = vuelo.pasos();
    return vuelo.fin();
}

}  // namespace tya
