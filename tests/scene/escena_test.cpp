// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "apoyo.h"
#include "scene/vectores.h"

using namespace tya;
using namespace tya::prueba;

namespace {

constexpr uint32_t kGris = rgb(224, 224, 224);  // the window's background
constexpr uint32_t kVerde = rgb(0, 128, 0);     // the ground band
constexpr uint32_t kNegro = rgb(0, 0, 0);       // the wall
constexpr uint32_t kFuera = 0xffffffffu;        // read-back off the surface
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const int kColores[10] = {3, 6, 9, 10, 11, 12, 13, 14, 3, 6};

// An experiment colour as the inverted mode shows it: the complement of its palette entry.
uint32_t vista_de(int indice) { return ~kPaleta[indice] & 0xffffffu; }

// The colour of a scene point in the retained image.
uint32_t retenido(const Superficie& s, double x, double y) {
    const QPoint q(static_cast<int>(std::floor(s.x_px(x) + 0.5)), static_cast<int>(std::floor(s.y_px(y) + 0.5)));
    if (!s.imagen_retenida().rect().contains(q)) return kFuera;
    const QRgb p = s.imagen_retenida().pixel(q);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

// A 200 by 100-pixel surface, one unit a pixel, y upwards.
Superficie superficie_simple() {
    Superficie s(200, 100, kGris);
    s.escala(0, 100, 200, 0);
    return s;
}

// Counts the calls that clear the window's lists and curves with the scene.
struct Ventana : VentanaFalsa {
    int menus_off = 0, vaciados = 0, curvas = 0;
    void menus_experiencias(bool h) override {
        VentanaFalsa::menus_experiencias(h);
        menus_off += !h;
    }
    void vaciar_lista_y_ngraf() override { ++vaciados; }
    void borrar_curvas() override { ++curvas; }
    void a_cero() { menus_off = vaciados = curvas = 0; }
};

struct Mesa : Banco {
    Ventana ventana;
    Escena escena{*st, sup, &ventana};

    Mesa() { escena.preparar(); }
    FinVuelo volar(double vo, double ang, double xo, double yo) {
        lanzamiento(vo, ang, xo, yo);
        return VueloSinVentana::volar(escena, ventana);
    }
    // Writes experiment e's record by hand: its colour index and the samples in metres.
    void poner(int e, int color, const std::vector<std::pair<double, double>>& puntos) {
        std::vector<Muestra> m;
        for (const auto& [x, y] : puntos) m.push_back({x, y, 0, 0});
        guardar(*st, e + 1, m, {0, 0, 0, 0}, 0, color);
    }
    uint32_t en_pantalla(double x, double y) const { return sup.color_en(x, y); }
};

}  // namespace

TEST(Superficie, ModosYLectura) {
    Superficie s = superficie_simple();
    s.caja(100, 10, 190, 40, kVerde);  // copy mode
    EXPECT_EQ(s.color_en(150, 25), kVerde);
    // Inverted mode writes the complement of the pen whatever the pixel held: over the background
    // and the copied box, then over marks of another colour (no toggle).
    s.modo(Modo::Invertido);
    for (int pasada = 0; pasada < 2; ++pasada) {
        for (int k = 0; k < 8; ++k)
            for (double y : {70.0, 25.0}) {
                const int c = kColores[(k + (pasada > 0)) % 8];
                s.circulo(10 + 10 * k + (y < 50) * 100, y, 3, kPaleta[c]);
                EXPECT_EQ(s.color_en(10 + 10 * k + (y < 50) * 100, y), vista_de(c)) << pasada << " " << k;
            }
    }
    const QImage una = s.imagen().copy();
    for (auto [x, y] : {std::pair(-3.0, 50.0), {205.0, 50.0}, {1e300, 50.0}, {kNaN, 50.0}, {50.0, 101.0}})
        EXPECT_EQ(s.color_en(x, y), kFuera) << x << " " << y;
    // The buttons' inverting mode flips what is there, so the second box restores the face.
    s.modo(Modo::InvertirFondo);
    s.caja(0, 0, 200, 100, rgb(100, 100, 100));
    EXPECT_EQ(std::pair(s.color_en(150, 60), s.color_en(190, 25)), std::pair(rgb(31, 31, 31), rgb(255, 127, 255)));
    s.caja(0, 0, 200, 100, rgb(100, 100, 100));
    EXPECT_TRUE(s.imagen() == una);
}

TEST(Superficie, ImagenRetenida) {
    Superficie s = superficie_simple();
    s.modo(Modo::Invertido);
    s.retenido(true);
    s.circulo(20, 50, 3, kPaleta[9]);
    s.retenido(false);
    s.linea(40, 20, 40, 80, kPaleta[12]);  // on show only
    s.retenido(true);
    s.linea(30, 60, 50, 60, kPaleta[13]);  // crosses it, kept in both
    EXPECT_EQ(std::tuple(s.color_en(40, 40), retenido(s, 40, 40), s.color_en(40, 60), retenido(s, 40, 60)),
              std::tuple(vista_de(12), kGris, vista_de(13), vista_de(13)));
    // Clearing with the retained mode off brings back the retained image, without erasing it;
    // with it on, it empties both.
    const QImage guardada = s.imagen_retenida().copy();
    s.retenido(false);
    s.borrar();
    EXPECT_TRUE(s.imagen() == guardada && s.imagen_retenida() == guardada);
    s.retenido(true);
    s.borrar();
    EXPECT_TRUE(s.imagen() == superficie_simple().imagen() && s.imagen_retenida() == s.imagen());
}

TEST(Superficie, SegmentosCortosYLejanos) {
    // A segment whose ends round to one pixel paints that pixel alone, in each mode's way; off
    // the surface nothing is painted.
    for (auto [modo, visto] : {std::pair(Modo::Copia, kVerde),
                               {Modo::Invertido, ~kVerde & 0xffffffu},
                               {Modo::InvertirFondo, vista_de(12)}}) {
        Superficie s = superficie_simple();
        s.caja(40, 40, 60, 60, kPaleta[12]);
        s.modo(modo);
        s.posicion(50.1, 50.2);
        s.linea_a(50.3, 50.4, kVerde);
        s.linea(-5.2, 50, -5.1, 50, kVerde);
        EXPECT_EQ(std::tuple(s.color_en(50.2, 50.3), s.color_en(51.2, 50.3), s.color_en(50.2, 51.3), s.color_en(0, 50)),
                  std::tuple(visto, kPaleta[12], kPaleta[12], kGris))
            << static_cast<int>(modo);
    }
    // Far ends: what lies on the surface is drawn in the right place and direction; the
    // current position is the far end, not the cut one.
    Superficie s = superficie_simple();
    s.modo(Modo::Invertido);
    s.linea(50, -1e14, 50, 1e14, kPaleta[12]);
    s.linea(0, 0, 2e13, 1e13, kPaleta[13]);
    s.linea(100, 50, 1e13, 50, kPaleta[9]);
    EXPECT_EQ(std::pair(s.pos_x(), s.pos_y()), std::pair(1e13, 50.0));
    s.circulo(-1e15, 1e15, 16, kPaleta[3]);
    s.linea(-1e15, 1e15, -1e14, 1e15, kPaleta[3]);
    s.punto(1e300, 0, kPaleta[3]);
    s.circulo(100, 50, kNaN, kPaleta[3]);
    s.linea(0, 0, kNaN, 50, kPaleta[3]);
    for (auto [x, y, color] : {std::tuple(150, 50, vista_de(9)),
                               {199, 50, vista_de(9)},
                               {60, 52, kGris},
                               {50, 10, vista_de(12)},
                               {50, 90, vista_de(12)},
                               {120, 60, vista_de(13)},
                               {60, 60, kGris},
                               {5, 95, kGris}})
        EXPECT_EQ(s.color_en(x, y), color) << x << " " << y;
    s.circulo(100, 50, 1e15, kPaleta[11]);  // far larger than the surface: covers all of it
    EXPECT_EQ(std::pair(s.color_en(0, 100), s.color_en(199, 1)), std::pair(vista_de(11), vista_de(11)));
}

TEST(Escena, MarcoYFondo) {
    // The design-size drawing area spans (-150, 4050) to (7150, 1000); made larger, the same
    // unit size shows more of the scene.
    const Superficie d = nueva_superficie_escena(1400, 700);
    EXPECT_NEAR(d.x_px(7150) + d.y_px(1000), kAreaAnchoPx + kAreaAltoPx, 1e-9);
    EXPECT_NEAR(d.x_px(-150) + d.y_px(4050), 0, 1e-9);

    // Start-up: the background in the retained image, which is then left off; the 7-pixel
    // markers measure 81 by 75 units, halved and rounded.
    Mesa m;
    const auto& st = *m.st;
    EXPECT_EQ(std::tuple(m.sup.retenido(), m.sup.modo(), st.MedioAnchoCruz, st.MedioAltoCruz, st.MedioAnchoBlanco,
                         st.MedioAltoBlanco),
              std::tuple(false, Modo::Invertido, 40, 37, 40, 37));
    // The ground band (0, 0) to (6450, -250), the wall (0, 0) to (0, 3800).
    for (auto [x, y, color] : {std::tuple(3000, -125, kVerde),
                               {20, -240, kVerde},
                               {6430, -10, kVerde},
                               {6600, -125, kGris},
                               {3000, -400, kGris},
                               {3000, 100, kGris},
                               {0, 3790, kNegro},
                               {0, 3900, kGris},
                               {60, 2000, kGris}})
        EXPECT_EQ(std::pair(m.en_pantalla(x, y), retenido(m.sup, x, y)), std::pair(color, color)) << x << " " << y;
    // Marks show 6450 m by 4200 m from the wall and the ground, a tenth of that at zoom 10.
    for (int esc : {1, 10}) {
        const double ax = 6450.0 / esc, ay = 4200.0 / esc;
        EXPECT_TRUE(marca_visible(0, 0, esc) && marca_visible(ax - 0.0001, ay - 0.0001, esc)) << esc;
        EXPECT_FALSE(marca_visible(ax, 0, esc) || marca_visible(0, ay, esc)) << esc;
        EXPECT_FALSE(marca_visible(-0.0001, 10, esc) || marca_visible(10, -0.0001, esc)) << esc;
    }
}

TEST(Escena, BorrarEscena) {
    Mesa m;
    for (double angulo : {30, 45, 60}) m.volar(100, angulo, 500, 300);
    auto& st = *m.st;
    m.sup.retenido(false);
    m.sup.linea(4000, 3000, 5000, 3000, st.ColorVel);  // a vector kept only on show
    const Registro antes = st.Pos[1];
    st.Escala = 10;
    st.XoB() = Fijo::entero(1000);
    st.YoB() = Fijo::entero(500);
    m.ventana.a_cero();

    m.escena.borrar_escena(10, 20);

    const auto& v = m.ventana;
    EXPECT_EQ(std::tuple(st.NExp, st.NColor, st.NGrafSel, m.sup.retenido(), m.sup.modo()),
              std::tuple(0, 2, 0, true, Modo::Invertido));
    EXPECT_EQ(std::tuple(v.menus_off, v.vaciados, v.curvas), std::tuple(1, 1, 1));
    // The target is placed with the half sizes passed in, without the zoom.
    EXPECT_EQ(std::pair(v.ultimo_blanco.izquierda, v.ultimo_blanco.arriba), std::pair(995.0f, 510.0f));
    // Marks and the vector are gone from both images, the background is back; the records stay.
    const Mesa limpia;
    EXPECT_TRUE(m.sup.imagen() == limpia.sup.imagen() && m.sup.imagen_retenida() == limpia.sup.imagen());
    EXPECT_EQ(st.Pos[1], antes);
    m.escena.preparar();  // start-up places it with the marker's own half sizes, also without the zoom
    EXPECT_EQ(std::pair(v.ultimo_blanco.izquierda, v.ultimo_blanco.arriba), std::pair(980.0f, 518.5f));
}

TEST(Escena, Redibujar) {
    // Each experiment up to NExp in the palette colour its record names, without clearing what
    // is there; the colour is read at the second sample whether or not it was drawn there.
    Mesa m;
    auto& st = *m.st;
    m.poner(0, 12, {{1000, 1000}, {2000, 1000}});
    m.poner(1, 13, {{500, 500}});                 // one sample: never read
    m.poner(2, 14, {{3000, 500}, {7000, 2000}});  // second sample beyond the scene, though on the surface
    m.poner(3, 10, {{100, 100}, {2000, 1000}});   // on experiment 1's mark, drawn over it
    m.poner(4, 6, {{300, 3000}, {900, 3000}});    // beyond NExp
    st.NExp = 4;
    m.sup.retenido(false);
    m.sup.linea(4000, 100, 4000, 3000, st.ColorAcel);
    st.ColorExp.fill(0x123456);
    m.escena.redibujar_escena();
    const uint32_t leidos[] = {vista_de(12), 0x123456u, kGris, vista_de(10), 0x123456u};
    for (int e = 0; e < 5; ++e) EXPECT_EQ(st.ColorExp[e], leidos[e]) << e;
    EXPECT_EQ(std::tuple(m.en_pantalla(500, 500), m.en_pantalla(300, 3000), m.en_pantalla(4000, 2000)),
              std::tuple(vista_de(13), kGris, rgb(205, 5, 5)));
}

TEST(Escena, CambioDeZoom) {
    Mesa m;
    auto& st = *m.st;
    m.lanzamiento(0, 0, 30, 20);
    // Experiment 1 shows at both zooms; experiment 2 leaves the scene at 10, and its sample left
    // of the wall is never drawn, though the surface could show it.
    m.poner(0, 3, {{3000, 2000}, {50, 30}, {600, 400}});
    m.poner(1, 6, {{100, 100}, {700, 100}, {-10, 100}});
    m.sup.retenido(true);
    m.escena.redibujar_escena();
    const double dos_px = 2 * m.sup.unidades_x();  // inside a 34-unit disc, outside a 16-unit one
    const struct {
        int esc, max3, max4;
        std::vector<std::pair<double, double>> marcas, vacios;
    } filas[] = {
        {10,
         640,
         375,
         {{500, 300}, {500 + dos_px, 300}, {6000, 4000}},
         {{3000, 2000}, {7000, 1000}, {50, 30}, {-100, 1000}}},
        {1, 6400, 3750, {{3000, 2000}, {50, 30}}, {{50 + dos_px, 30}, {500, 300}, {-10, 100}}},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.esc);
        m.sup.retenido(false);
        m.sup.linea(4000, 3500, 5000, 3500, st.ColorVel);  // cleared by the switch
        m.ventana.a_cero();
        st.ColorExp.fill(0x123456);
        m.escena.menu_zoom();
        EXPECT_EQ(std::tuple(st.Escala, m.ventana.zoom.escala, m.ventana.curvas, m.sup.retenido(), m.sup.modo()),
                  std::tuple(f.esc, f.esc, 1, true, Modo::Invertido));
        EXPECT_EQ(std::pair(st.Max[iXo], st.Max[iYo]), std::pair(Fijo::entero(f.max3), Fijo::entero(f.max4)));
        EXPECT_EQ(std::pair(m.ventana.cruz.izquierda, m.ventana.cruz.arriba),
                  std::pair(30.0f * f.esc - 20, 20.0f * f.esc + 18.5f));
        EXPECT_EQ(std::pair(m.en_pantalla(3000, -125), m.en_pantalla(4500, 3500)), std::pair(kVerde, kGris));
        for (const auto& [x, y] : f.marcas) EXPECT_EQ(m.en_pantalla(x, y), vista_de(3)) << x << " " << y;
        for (const auto& [x, y] : f.vacios) EXPECT_EQ(m.en_pantalla(x, y), kGris) << x << " " << y;
        // Kept in the retained image, and the colour read where the zoom puts the second sample.
        EXPECT_EQ(std::pair(retenido(m.sup, f.marcas[0].first, f.marcas[0].second), st.ColorExp[0]),
                  std::pair(vista_de(3), vista_de(3)));
    }
    // In the middle of a flight: the scene is cleared and the flight goes on at the new zoom.
    Mesa v;
    v.ventana.en_evento = [&v] {
        if (v.ventana.eventos == 120) v.escena.menu_zoom();  // t = 1.785 s, after the third sample
    };
    v.volar(40, 45, 0, 0);
    const Registros p(*v.st, 0);
    ASSERT_TRUE(v.st->Escala == 10 && p.muestras() >= 6);
    EXPECT_EQ(v.en_pantalla(p.x(2).real(), p.y(2).real()), kGris) << "drawn before the switch, cleared by it";
    const double x5 = p.x(5).real() * 10, y5 = p.y(5).real() * 10;
    EXPECT_EQ(std::pair(v.en_pantalla(x5, y5), v.en_pantalla(x5 + dos_px, y5)), std::pair(vista_de(3), vista_de(3)));
}

TEST(Escena, PaletaDeProyector) {
    // Ten flights, 1 and 9 with the same palette index as the usual cycle gives them: in the
    // projector palette each shows its own colour, which the read-back and the pointer find.
    Mesa m;
    auto& st = *m.st;
    const Mesa limpia;
    for (int e = 0; e < kExperiencias; ++e) m.poner(e, kColores[e], {{300.0 + 600 * e, 1000}, {300.0 + 600 * e, 2000}});
    st.NExp = kExperiencias;
    m.escena.estilo({Paleta::Proyector, 1});
    m.escena.repintar();
    const double px = m.sup.unidades_x();
    std::set<uint32_t> vistos;
    for (int e = 0; e < kExperiencias; ++e) {
        SCOPED_TRACE(e + 1);
        const double x = 300.0 + 600 * e;
        EXPECT_EQ(st.ColorExp[e], color_experiencia(Paleta::Proyector, e, kColores[e]));
        vistos.insert(st.ColorExp[e]);
        // Every shape reaches a pixel beside its centre (a 16-unit disc is one pixel across here).
        Raton r;
        seguir_puntero(r, st, m.sup, float(x + px), 2000);
        EXPECT_EQ(experiencia_bajo_cursor(r, st), e + 1);
    }
    EXPECT_EQ(vistos.size(), size_t(kExperiencias));
    // The wall and the vectors thicken; drawn twice in the inverting mode they still restore.
    EXPECT_EQ(std::pair(m.en_pantalla(-px, 2000), m.en_pantalla(0, 2000)), std::pair(kNegro, kNegro));
    m.sup.modo(Modo::InvertirFondo);
    const QImage antes = m.sup.imagen().copy();
    for (int vez = 0; vez < 2; ++vez) dibujar_vectores(st, m.sup, 300, 1000, 1, 1);
    EXPECT_EQ(m.sup.imagen(), antes);
    // Back to the usual palette: pixel for pixel what it always drew.
    m.escena.estilo({});
    m.escena.repintar();
    Mesa usual;
    for (int e = 0; e < kExperiencias; ++e)
        usual.poner(e, kColores[e], {{300.0 + 600 * e, 1000}, {300.0 + 600 * e, 2000}});
    usual.st->NExp = kExperiencias;
    usual.escena.redibujar_escena();
    EXPECT_EQ(m.sup.imagen(), usual.sup.imagen());
    EXPECT_NE(m.sup.imagen(), limpia.sup.imagen());
}
