#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "apoyo.h"

using namespace tya;
using namespace tya::prueba;

namespace {

constexpr uint32_t kGris = rgb(224, 224, 224);   // the window's background
constexpr uint32_t kVerde = rgb(0, 128, 0);      // the ground band
constexpr uint32_t kNegro = rgb(0, 0, 0);        // the wall
constexpr uint32_t kFuera = 0xffffffffu;         // read-back off the surface
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const int kColores[10] = {3, 6, 9, 10, 11, 12, 13, 14, 3, 6};

// The experiment colours as the inverted mode shows them, by palette index.
uint32_t vista_de(int indice) {
    static const std::map<int, uint32_t> vistas = {{3, rgb(255, 127, 127)}, {6, rgb(127, 127, 255)}, {9, rgb(255, 255, 0)},
        {10, rgb(255, 0, 255)}, {11, rgb(255, 0, 0)}, {12, rgb(0, 255, 255)}, {13, rgb(0, 255, 0)}, {14, rgb(0, 0, 255)}};
    return vistas.at(indice);
}

// The pixel under a scene point, and its colour in the retained image.
QPoint pixel(const Superficie& s, double x, double y) {
    return {static_cast<int>(std::floor(s.x_px(x) + 0.5)), static_cast<int>(std::floor(s.y_px(y) + 0.5))};
}
uint32_t retenido(const Superficie& s, double x, double y) {
    const QPoint q = pixel(s, x, y);
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

// Records every hook of the scene operations.
struct Ventana : VentanaFalsa {
    int menus_off = 0, vaciados = 0, curvas = 0, blancos = 0, cruces = 0, zooms = 0;
    bool retenido_al_borrar_curvas = false;
    const Superficie* sup = nullptr;
    void menus_experiencias(bool h) override { VentanaFalsa::menus_experiencias(h); menus_off += !h; }
    void vaciar_lista_y_ngraf() override { ++vaciados; }
    void borrar_curvas() override { ++curvas; retenido_al_borrar_curvas = sup->retenido(); }
    void colocar_blanco(Esquina e) override { VentanaFalsa::colocar_blanco(e); ++blancos; }
    void colocar_cruz(Esquina e) override { VentanaFalsa::colocar_cruz(e); ++cruces; }
    void zoom_cambiado(const FilaZoom& f) override { VentanaFalsa::zoom_cambiado(f); ++zooms; }
    void a_cero() { menus_off = vaciados = curvas = blancos = cruces = zooms = 0; }
};

struct Mesa : Banco {
    Ventana ventana;
    Escena escena{*st, sup, &ventana};
    EntornoVuelo en{*st, escena, ventana, reloj, dialogos};

    Mesa() {
        ventana.sup = &sup;
        escena.preparar();
    }
    FinVuelo volar(double vo, double ang, double xo, double yo) {
        lanzamiento(vo, ang, xo, yo);
        return calcular_vuelo(en, st->MedioAnchoBlanco, st->MedioAltoBlanco);
    }
    // Writes experiment e's record by hand: its colour index and the samples in metres.
    void poner(int e, int color, const std::vector<std::pair<double, double>>& puntos) {
        std::vector<Muestra> m;
        for (const auto& [x, y] : puntos) m.push_back({x, y, 0, 0});
        guardar(*st, e + 1, m, {0, 0, 0, 0}, 0, color);
    }
    uint32_t en_pantalla(double x, double y) const { return sup.color_en(x, y); }
};

// Launches that all last more than one sample and stay mostly in the scene.
const double kLanzamientos[10][4] = {
    {100, 45, 500, 300}, {120, 60, 1500, 500}, {80, 30, 2500, 1000}, {150, 70, 3000, 200}, {90, 50, 4000, 800},
    {60, 80, 4500, 1500}, {110, 40, 200, 2000}, {130, 55, 1000, 100}, {70, 65, 3500, 2500}, {100, 20, 2000, 3000}};

}  // namespace

TEST(Superficie, ModosYLectura) {
    Superficie s = superficie_simple();
    s.caja(100, 10, 190, 40, kVerde);  // copy mode
    EXPECT_EQ(s.color_en(150, 25), kVerde);
    // Inverted mode writes the complement of the pen whatever the pixel held: over the background
    // and the copied box, then over marks of another colour, then the same again (no toggle).
    s.modo(Modo::Invertido);
    QImage una;
    for (int pasada = 0; pasada < 3; ++pasada) {
        if (pasada == 2) una = s.imagen().copy();
        for (int k = 0; k < 8; ++k)
            for (double y : {70.0, 25.0}) {
                const int c = kColores[(k + (pasada > 0)) % 8];
                s.circulo(10 + 10 * k + (y < 50) * 100, y, 3, kPaleta[c]);
                EXPECT_EQ(s.color_en(10 + 10 * k + (y < 50) * 100, y), vista_de(c)) << pasada << " " << k;
            }
    }
    EXPECT_TRUE(s.imagen() == una);
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
    for (auto [x, y, visto, guardado] : {std::tuple(20.0, 50.0, vista_de(9), vista_de(9)), {40.0, 40.0, vista_de(12), kGris},
                                         {40.0, 60.0, vista_de(13), vista_de(13)}, {35.0, 60.0, vista_de(13), vista_de(13)}})
        EXPECT_EQ(std::pair(s.color_en(x, y), retenido(s, x, y)), std::pair(visto, guardado)) << x << " " << y;
    // Clearing with the retained mode off brings back the retained image, without erasing it.
    const QImage guardada = s.imagen_retenida().copy();
    s.retenido(false);
    s.borrar();
    EXPECT_TRUE(s.imagen() == guardada && s.imagen_retenida() == guardada);
    // Clearing with it on empties both.
    s.linea(40, 20, 40, 80, kPaleta[12]);
    s.retenido(true);
    s.borrar();
    EXPECT_TRUE(s.imagen() == superficie_simple().imagen() && s.imagen_retenida() == s.imagen());
}

TEST(Superficie, SegmentosCortosYLejanos) {
    // A segment whose ends round to one pixel paints what the painter paints for that
    // one-pixel line, in every mode; off the surface nothing is painted.
    const struct { Modo modo; QPainter::CompositionMode composicion; uint32_t pluma; } casos[] = {
        {Modo::Copia, QPainter::CompositionMode_SourceOver, kVerde},
        {Modo::Invertido, QPainter::CompositionMode_SourceOver, ~kVerde & 0xffffffu},
        {Modo::InvertirFondo, QPainter::RasterOp_NotDestination, kVerde},
    };
    for (const auto& c : casos) {
        Superficie s = superficie_simple();
        s.caja(40, 40, 60, 60, kPaleta[12]);
        QImage esperada = s.imagen().copy();
        {
            QPainter p(&esperada);
            p.setCompositionMode(c.composicion);
            p.setPen(QPen(QColor(QRgb(0xff000000u | c.pluma)), 0));
            p.drawLine(pixel(s, 50.2, 50.3), pixel(s, 50.2, 50.3));
        }
        s.modo(c.modo);
        s.posicion(50.1, 50.2);
        s.linea_a(50.3, 50.4, kVerde);
        s.linea(-5.2, 50, -5.1, 50, kVerde);
        EXPECT_EQ(std::pair(s.imagen(), s.pos_x()), std::pair(esperada, -5.1)) << static_cast<int>(c.modo);
    }
    // Far ends: what lies on the surface is drawn in the right place and direction; the
    // current position is the far end, not the cut one.
    Superficie s = superficie_simple();
    s.modo(Modo::Invertido);
    s.linea(100, 50, 1e13, 50, kPaleta[9]);
    s.linea(50, -1e14, 50, 1e14, kPaleta[12]);
    s.linea(0, 0, 2e13, 1e13, kPaleta[13]);
    EXPECT_EQ(std::pair(s.pos_x(), s.pos_y()), std::pair(2e13, 1e13));
    s.circulo(-1e15, 1e15, 16, kPaleta[3]);
    s.linea(-1e15, 1e15, -1e14, 1e15, kPaleta[3]);
    s.punto(1e300, 0, kPaleta[3]);
    s.circulo(100, 50, kNaN, kPaleta[3]);
    s.linea(0, 0, kNaN, 50, kPaleta[3]);
    for (auto [x, y, color] : {std::tuple(150, 50, vista_de(9)), {199, 50, vista_de(9)}, {60, 52, kGris}, {50, 10, vista_de(12)},
                               {50, 90, vista_de(12)}, {120, 60, vista_de(13)}, {60, 60, kGris}, {5, 95, kGris}})
        EXPECT_EQ(s.color_en(x, y), color) << x << " " << y;
    s.circulo(100, 50, 1e15, kPaleta[11]);  // far larger than the surface: covers all of it
    EXPECT_EQ(std::pair(s.color_en(0, 100), s.color_en(199, 1)), std::pair(vista_de(11), vista_de(11)));
}

TEST(Escena, MarcoFondoYMarcadores) {
    // The design-size drawing area spans (-150, 4050) to (7150, 1000); made larger, the same
    // unit size shows more of the scene and what was drawn stays put.
    Superficie d = nueva_superficie_escena();
    EXPECT_EQ(std::pair(d.ancho_px(), d.alto_px()), std::pair(kAreaAnchoPx, kAreaAltoPx));
    for (int vez = 0; vez < 2; ++vez) {
        EXPECT_NEAR(d.x_px(7150), kAreaAnchoPx, 1e-9);
        EXPECT_NEAR(d.y_px(1000), kAreaAltoPx, 1e-9);
        EXPECT_NEAR(d.x_px(-150) + d.y_px(4050), 0, 1e-9);
        d.redimensionar(1400, 700);
    }
    EXPECT_EQ(d.color_en(3000, -125), kGris) << "the ground band's place is now on the surface";

    // Start-up: the background in the retained image, which is then left off; the 7-pixel
    // markers measure 81 by 75 units, halved and rounded.
    Mesa m;
    EXPECT_EQ(std::pair(m.sup.retenido(), m.sup.modo()), std::pair(false, Modo::Invertido));
    const std::array<int, 4> medios = {m.st->MedioAnchoCruz, m.st->MedioAltoCruz, m.st->MedioAnchoBlanco, m.st->MedioAltoBlanco};
    EXPECT_EQ(medios, (std::array<int, 4>{40, 37, 40, 37}));
    for (int vez = 0; vez < 2; ++vez) {
        // The ground band (0, 0) to (6450, -250), the wall (0, 0) to (0, 3800).
        for (auto [x, y, color] : {std::tuple(3000, -125, kVerde), {20, -240, kVerde}, {6430, -10, kVerde}, {6600, -125, kGris},
                                   {-60, -125, kGris}, {3000, -400, kGris}, {3000, 100, kGris}, {0, 100, kNegro},
                                   {0, 3790, kNegro}, {0, 3900, kGris}, {60, 2000, kGris}, {-60, 2000, kGris}})
            EXPECT_EQ(std::pair(m.en_pantalla(x, y), retenido(m.sup, x, y)), std::pair(color, color)) << vez << ": " << x << " " << y;
        // Drawn again in copy mode even when the scene is inverting, over whatever is there.
        m.sup.retenido(true);
        m.sup.circulo(3000, -125, 34, kPaleta[12]);
        m.sup.circulo(0, 2000, 34, kPaleta[12]);
        m.escena.dibujar_fondo();
    }

    // The launch point takes the zoom, the target does not.
    m.st->Escala = 10;
    m.lanzamiento(0, 0, 100, 200);
    m.st->XoB() = Fijo::entero(1000);
    m.st->YoB() = Fijo::entero(2000);
    m.ventana.a_cero();
    m.escena.preparar();
    const auto& v = m.ventana;
    EXPECT_EQ(std::tuple(v.cruces, v.blancos, v.cruz.izquierda, v.cruz.arriba, v.ultimo_blanco.izquierda, v.ultimo_blanco.arriba),
              std::tuple(1, 1, 980.0f, 2018.5f, 980.0f, 2018.5f));
}

TEST(Escena, ReglaDeVisibilidad) {
    for (int esc : {1, 10}) {
        const double ax = 6450.0 / esc, ay = 4200.0 / esc;
        EXPECT_TRUE(Escena::visible(0, 0, esc) && Escena::visible(ax - 0.0001, ay - 0.0001, esc)) << esc;
        EXPECT_FALSE(Escena::visible(ax, 0, esc) || Escena::visible(0, ay, esc)) << esc;
        EXPECT_FALSE(Escena::visible(-0.0001, 10, esc) || Escena::visible(10, -0.0001, esc)) << esc;
    }
    // Redrawn: samples left of the wall, right of the limit or under the ground are kept off
    // the scene even where the surface could show them; at zoom 10 the limits are 645 m by
    // 420 m, measured before the zoom is applied.
    const struct { int escala; double x, y; bool visto; } casos[] = {
        {1, 100, 100, true}, {1, 6449, 2500, true}, {1, -100, 2000, false}, {1, 6460, 2000, false}, {1, 7000, 2000, false},
        {10, 100, 100, true}, {10, 644, 150, true}, {10, 646, 100, false},  {10, 700, 100, false},   {10, -10, 100, false},
    };
    for (const auto& c : casos) {
        Mesa m;
        m.st->Escala = static_cast<int16_t>(c.escala);
        m.poner(0, 3, {{c.x, c.y}, {3000, -50}});
        m.escena.redibujar_escena();
        const double vx = c.x * c.escala, vy = c.y * c.escala;
        EXPECT_EQ(m.en_pantalla(vx, vy), c.visto ? vista_de(3) : kGris) << c.escala << " " << c.x << " " << c.y;
        EXPECT_EQ(m.en_pantalla(3000, -50), kVerde);
        if (c.escala == 10) { EXPECT_EQ(m.en_pantalla(c.x, c.y), kGris) << "drawn unzoomed"; }
    }
}

TEST(Escena, BorrarEscena) {
    Mesa m;
    for (int k = 0; k < 3; ++k) m.volar(kLanzamientos[k][0], kLanzamientos[k][1], kLanzamientos[k][2], kLanzamientos[k][3]);
    auto& st = *m.st;
    m.sup.retenido(false);
    m.sup.linea(4000, 3000, 5000, 3000, st.ColorVel);  // a vector kept only on show
    const Registro antes = st.Pos[1];
    st.XoB() = Fijo::entero(1000);
    st.YoB() = Fijo::entero(500);
    m.ventana.a_cero();

    m.escena.borrar_escena(10, 20);

    const auto& v = m.ventana;
    EXPECT_EQ(std::tuple(st.NExp, st.NColor, st.NGrafSel, m.sup.retenido(), m.sup.modo()), std::tuple(0, 2, 0, true, Modo::Invertido));
    EXPECT_EQ(std::tuple(v.menus_off, v.vaciados, v.curvas, v.cruces, v.blancos, v.retenido_al_borrar_curvas),
              std::tuple(1, 1, 1, 0, 1, true));
    // The target is placed with the half sizes passed in, without the zoom.
    EXPECT_EQ(std::pair(v.ultimo_blanco.izquierda, v.ultimo_blanco.arriba), std::pair(995.0f, 510.0f));
    // Marks and the vector are gone from what shows and from the retained image; the
    // background is back in both.
    for (int e = 0; e < 3; ++e)
        for (int i = 1; i <= muestras(st.Pos[e]); ++i) {
            const double x = st.Pos[e][2 * i].real(), y = st.Pos[e][2 * i + 1].real();
            if (!Escena::visible(x, y, 1) || y < 100 || x < 100) continue;
            EXPECT_EQ(std::pair(m.en_pantalla(x, y), retenido(m.sup, x, y)), std::pair(kGris, kGris)) << e << " " << i;
        }
    EXPECT_EQ(std::tuple(m.en_pantalla(4500, 3000), retenido(m.sup, 3000, -125), m.en_pantalla(0, 2000)), std::tuple(kGris, kVerde, kNegro));
    // The records stay; with NExp at 0 a redraw shows nothing of them; numbering and colours
    // start again.
    EXPECT_EQ(st.Pos[1], antes);
    const QImage limpia = m.sup.imagen().copy();
    m.escena.redibujar_escena();
    EXPECT_TRUE(m.sup.imagen() == limpia);
    m.volar(100, 45, 500, 300);
    EXPECT_EQ(std::tuple(st.NExp, st.ColorExp[0]), std::tuple(1, vista_de(3)));
}

TEST(Escena, Redibujar) {
    {   // Ten flights, then the scene cleared and redrawn (twice is as once): the same picture, the same colours.
        Mesa m;
        for (const auto& l : kLanzamientos) m.volar(l[0], l[1], l[2], l[3]);
        auto& st = *m.st;
        const QImage volada = m.sup.imagen().copy();
        for (int e = 0; e < 10; ++e) EXPECT_EQ(st.ColorExp[e], vista_de(kColores[e])) << e;
        const auto colores = st.ColorExp;
        m.sup.retenido(true);
        m.sup.borrar();
        m.escena.dibujar_fondo();
        m.sup.modo(Modo::Invertido);
        st.ColorExp.fill(0x123456);
        m.escena.redibujar_escena();
        m.escena.redibujar_escena();
        EXPECT_TRUE(m.sup.imagen() == volada);
        EXPECT_EQ(st.ColorExp, colores);
    }
    // Each experiment up to NExp in the palette colour its record names, without clearing what
    // is there; the colour is read at the second sample whether or not it was drawn there.
    Mesa m;
    auto& st = *m.st;
    m.poner(0, 12, {{1000, 1000}, {2000, 1000}});
    m.poner(1, 13, {{500, 500}});                            // one sample: never read
    m.poner(2, 14, {{3000, 500}, {7000, 2000}});             // second sample beyond the scene
    m.poner(3, 9, {{3000, 800}, {3000, -100}});              // under the ground: the band
    m.poner(4, 10, {{100, 100}, {2000, 1000}});              // on experiment 1's mark, drawn over it
    m.poner(5, 11, {{100, 100}, {2000, 1000}, {1e9, 1e9}});  // and once more, then far away
    m.poner(6, 3, {{100, 100}, {1e12, 500}});                // far off the surface
    m.poner(7, 6, {{300, 3000}, {900, 3000}});               // beyond NExp
    st.NExp = 7;
    m.sup.retenido(false);
    m.sup.linea(4000, 100, 4000, 3000, st.ColorAcel);
    st.ColorExp.fill(0x123456);
    m.escena.redibujar_escena();
    const uint32_t leidos[] = {vista_de(12), 0x123456u, kGris, kVerde, vista_de(10), vista_de(11), kFuera, 0x123456u};
    for (int e = 0; e < 8; ++e) EXPECT_EQ(st.ColorExp[e], leidos[e]) << e;
    EXPECT_EQ(std::tuple(m.en_pantalla(500, 500), m.en_pantalla(3000, 800), m.en_pantalla(300, 3000), m.en_pantalla(4000, 2000)),
              std::tuple(vista_de(13), vista_de(9), kGris, rgb(205, 5, 5)));
}

TEST(Escena, CambioDeZoom) {
    Mesa m;
    auto& st = *m.st;
    m.lanzamiento(0, 0, 30, 20);
    // Experiment 1 shows at both zooms; experiment 2's second sample leaves the scene at 10.
    m.poner(0, 3, {{3000, 2000}, {50, 30}, {600, 400}});
    m.poner(1, 6, {{100, 100}, {700, 100}});
    m.sup.retenido(true);
    m.escena.redibujar_escena();
    const double dos_px = 2 * m.sup.unidades_x();  // inside a 34-unit disc, outside a 16-unit one
    const struct { int esc; const char *menu, *l18, *l19; int max3, max4; bool blanco;
                   std::vector<std::pair<double, double>> marcas, vacios; uint32_t color2; } filas[] = {
        {10, "Escala x 10", "375 m", "640 m", 640, 375, false, {{500, 300}, {500 + dos_px, 300}, {6000, 4000}},
         {{3000, 2000}, {7000, 1000}, {50, 30}}, kGris},
        {1, "Escala /10", "3750 m", "6400 m", 6400, 3750, true, {{3000, 2000}, {50, 30}}, {{50 + dos_px, 30}, {500, 300}},
         vista_de(6)},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.esc);
        m.sup.retenido(false);
        m.sup.linea(4000, 3500, 5000, 3500, st.ColorVel);  // cleared by the switch
        m.ventana.a_cero();
        st.ColorExp.fill(0x123456);
        m.escena.menu_zoom();
        const FilaZoom& z = m.ventana.zoom;
        EXPECT_EQ(std::tuple(st.Escala, m.ventana.zooms, m.ventana.curvas, m.ventana.cruces, m.sup.retenido(), m.sup.modo()),
                  std::tuple(f.esc, 1, 1, 1, true, Modo::Invertido));
        EXPECT_EQ(std::tuple(z.escala, z.menu, z.label18, z.label19, z.max3, z.max4, z.blanco1),
                  std::tuple(f.esc, QString(f.menu), QString(f.l18), QString(f.l19), f.max3, f.max4, f.blanco));
        EXPECT_EQ(std::pair(st.Max[iXo], st.Max[iYo]), std::pair(Fijo::entero(f.max3), Fijo::entero(f.max4)));
        EXPECT_EQ(std::pair(m.ventana.cruz.izquierda, m.ventana.cruz.arriba), std::pair(30.0f * f.esc - 20, 20.0f * f.esc + 18.5f));
        EXPECT_EQ(std::pair(m.en_pantalla(3000, -125), m.en_pantalla(4500, 3500)), std::pair(kVerde, kGris));
        for (const auto& [x, y] : f.marcas) EXPECT_EQ(m.en_pantalla(x, y), vista_de(3)) << x << " " << y;
        for (const auto& [x, y] : f.vacios) EXPECT_EQ(m.en_pantalla(x, y), kGris) << x << " " << y;
        EXPECT_EQ(retenido(m.sup, f.marcas[0].first, f.marcas[0].second), vista_de(3));
        EXPECT_EQ(std::pair(st.ColorExp[0], st.ColorExp[1]), std::pair(vista_de(3), f.color2)) << "read at the second sample, drawn or not";
    }
    // In the middle of a flight: the scene is cleared and the flight goes on at the new zoom.
    Mesa v;
    v.ventana.en_evento = [&v] {
        if (v.ventana.eventos == 120) v.escena.menu_zoom();  // t = 1.785 s, after the third sample
    };
    v.volar(40, 45, 0, 0);
    const auto& s = *v.st;
    const int n = muestras(s.Pos[0]);
    ASSERT_EQ(s.Escala, 10);
    ASSERT_GE(n, 6);
    EXPECT_EQ(v.en_pantalla(s.Pos[0][4].real(), s.Pos[0][5].real()), kGris) << "drawn before the switch, cleared by it";
    for (int i = 4; i <= n; ++i) {
        const double x = s.Pos[0][2 * i].real() * 10, y = s.Pos[0][2 * i + 1].real() * 10;
        if (y < 10) continue;
        EXPECT_EQ(std::pair(v.en_pantalla(x, y), v.en_pantalla(x + dos_px, y)), std::pair(vista_de(3), vista_de(3))) << i;
    }
}
