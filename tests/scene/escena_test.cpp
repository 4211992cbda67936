#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "apoyo.h"

using namespace tya;
using namespace tya::prueba;

namespace {

constexpr uint32_t kGris = rgb(224, 224, 224);   // the window's background
constexpr uint32_t kVerde = rgb(0, 128, 0);      // the ground band
constexpr uint32_t kNegro = rgb(0, 0, 0);        // the wall
constexpr uint32_t kFuera = 0xffffffffu;         // read-back off the surface

// The experiment colours as the inverted mode shows them, by palette index.
uint32_t vista_de(int indice) {
    switch (indice) {
        case 3: return rgb(255, 127, 127);
        case 6: return rgb(127, 127, 255);
        case 9: return rgb(255, 255, 0);
        case 10: return rgb(255, 0, 255);
        case 11: return rgb(255, 0, 0);
        case 12: return rgb(0, 255, 255);
        case 13: return rgb(0, 255, 0);
        case 14: return rgb(0, 0, 255);
    }
    ADD_FAILURE() << "not an experiment colour: " << indice;
    return 0;
}
const int kColores[10] = {3, 6, 9, 10, 11, 12, 13, 14, 3, 6};

// The pixel of an image under a scene point, read straight from the image.
uint32_t pixel(const QImage& img, const Superficie& s, double x, double y) {
    const int a = static_cast<int>(std::floor(s.x_px(x) + 0.5)), b = static_cast<int>(std::floor(s.y_px(y) + 0.5));
    if (!img.rect().contains(a, b)) return kFuera;
    const QRgb p = img.pixel(a, b);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}
uint32_t retenido(const Superficie& s, double x, double y) { return pixel(s.imagen_retenida(), s, x, y); }

// A 200 by 100-pixel surface, one unit a pixel, y upwards.
Superficie superficie_simple() {
    Superficie s(200, 100, kGris);
    s.escala(0, 100, 200, 0);
    return s;
}

// Records every hook of the scene operations.
struct Ventana : VentanaFalsa {
    int menus_off = 0, menus_on = 0, vaciados = 0, curvas = 0, blancos = 0, cruces = 0, zooms = 0;
    bool retenido_al_borrar_curvas = false;
    Superficie* sup = nullptr;
    void menus_experiencias(bool h) override { VentanaFalsa::menus_experiencias(h); ++(h ? menus_on : menus_off); }
    void vaciar_lista_y_ngraf() override { ++vaciados; }
    void borrar_curvas() override {
        ++curvas;
        if (sup) retenido_al_borrar_curvas = sup->retenido();
    }
    void colocar_blanco(Esquina e) override { VentanaFalsa::colocar_blanco(e); ++blancos; }
    void colocar_cruz(Esquina e) override { VentanaFalsa::colocar_cruz(e); ++cruces; }
    void zoom_cambiado(const FilaZoom& f) override { VentanaFalsa::zoom_cambiado(f); ++zooms; }
    void a_cero() { menus_off = menus_on = vaciados = curvas = blancos = cruces = zooms = 0; }
};

struct Mesa {
    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    Superficie sup = nueva_superficie_escena(1400, 700);
    Ventana ventana;
    Escena escena{*st, sup, &ventana};
    RelojContador reloj;
    DialogosGuion dialogos;
    EntornoVuelo en{*st, escena, ventana, reloj, dialogos};

    Mesa() {
        ventana.sup = &sup;
        st->Max[iXo] = Fijo::entero(6450);  // limits of the start-up file
        st->Max[iYo] = Fijo::entero(4200);
        st->R() = Fijo::entero(1);
        escena.preparar();
    }
    FinVuelo volar(double vo, double ang, double xo, double yo) {
        st->Vo() = Fijo::desde(vo);
        st->Ang() = Fijo::desde(ang);
        st->Xo() = Fijo::desde(xo);
        st->Yo() = Fijo::desde(yo);
        return calcular_vuelo(en, st->MedioAnchoBlanco, st->MedioAltoBlanco);
    }
    // Writes experiment e's record by hand: its colour index and the samples in metres.
    void poner(int e, int color, const std::vector<std::pair<double, double>>& puntos) {
        auto& p = st->Pos[e];
        p[0] = Fijo::entero(color);
        p[1] = Fijo::entero(static_cast<int64_t>(puntos.size()));
        for (size_t j = 1; j <= puntos.size(); ++j) {
            p[2 * j] = Fijo::desde(puntos[j - 1].first);
            p[2 * j + 1] = Fijo::desde(puntos[j - 1].second);
        }
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
    // Copy mode writes the pen colour itself.
    s.modo(Modo::Copia);
    s.caja(100, 10, 190, 40, kVerde);
    EXPECT_EQ(s.color_en(150, 25), kVerde);
    EXPECT_EQ(s.color_en(150, 60), kGris);

    // Inverted mode writes the complement of the pen colour, whatever the pixel held: over the
    // background, over the copied box, and over a mark of another colour.
    s.modo(Modo::Invertido);
    for (int k = 0; k < 8; ++k) {
        const int c = kColores[k];
        s.circulo(10 + 10 * k, 70, 3, kPaleta[c]);
        s.circulo(110 + 10 * k, 25, 3, kPaleta[c]);
        EXPECT_EQ(s.color_en(10 + 10 * k, 70), vista_de(c)) << c;
        EXPECT_EQ(s.color_en(110 + 10 * k, 25), vista_de(c)) << c;
    }
    s.circulo(40, 70, 3, kPaleta[14]);  // over the mark of colour 10
    EXPECT_EQ(s.color_en(40, 70), vista_de(14));
    EXPECT_EQ(s.color_en(30, 70), vista_de(9)) << "a disc of radius 3 keeps to itself";
    // The vector pens.
    EstadoExp st;
    s.linea(10, 90, 60, 90, st.ColorVel);
    s.linea(70, 90, 120, 90, st.ColorAcel);
    EXPECT_EQ(s.color_en(35, 90), rgb(5, 155, 5));
    EXPECT_EQ(s.color_en(95, 90), rgb(205, 5, 5));
    EXPECT_EQ(s.color_en(35, 88), kGris) << "a line one pixel wide";
    // The read-back is the pixel the surface holds, and nothing off it reads as a colour.
    for (double x : {10.0, 40.0, 115.0, 150.0, 35.0})
        for (double y : {90.0, 70.0, 25.0, 50.0}) EXPECT_EQ(s.color_en(x, y), pixel(s.imagen(), s, x, y));
    EXPECT_EQ(s.color_en(-3, 50), kFuera);
    EXPECT_EQ(s.color_en(205, 50), kFuera);
    EXPECT_EQ(s.color_en(50, 101), kFuera);
    EXPECT_EQ(s.color_en(1e300, 50), kFuera);
    EXPECT_EQ(s.color_en(std::numeric_limits<double>::quiet_NaN(), 50), kFuera);

    // Drawing the same things again leaves the same pixels, in both modes: no toggle.
    const QImage una = s.imagen().copy();
    for (int k = 0; k < 8; ++k) s.circulo(10 + 10 * k, 70, 3, kPaleta[kColores[k]]);
    s.circulo(40, 70, 3, kPaleta[14]);
    s.linea(10, 90, 60, 90, st.ColorVel);
    s.linea(70, 90, 120, 90, st.ColorAcel);
    s.modo(Modo::Copia);
    s.caja(100, 10, 105, 15, kVerde);
    EXPECT_TRUE(s.imagen() == una);

    // The buttons' inverting mode flips what is there, so the second box restores the face.
    s.modo(Modo::InvertirFondo);
    s.caja(0, 0, 200, 100, rgb(100, 100, 100));
    EXPECT_EQ(s.color_en(150, 60), rgb(31, 31, 31));
    EXPECT_EQ(s.color_en(190, 25), rgb(255, 127, 255));
    s.caja(0, 0, 200, 100, rgb(100, 100, 100));
    EXPECT_TRUE(s.imagen() == una);
}

TEST(Superficie, LineaDentroDeUnPixel) {
    // A segment whose ends round to one pixel paints what the painter paints for that
    // one-pixel line, in every mode: the pixel itself and nothing around it.
    struct { Modo modo; QPainter::CompositionMode composicion; uint32_t pluma; } casos[] = {
        {Modo::Copia, QPainter::CompositionMode_SourceOver, kVerde},
        {Modo::Invertido, QPainter::CompositionMode_SourceOver, ~kVerde & 0xffffffu},
        {Modo::InvertirFondo, QPainter::RasterOp_NotDestination, kVerde},
    };
    for (const auto& c : casos) {
        Superficie s = superficie_simple();
        s.modo(Modo::Copia);
        s.caja(40, 40, 60, 60, kPaleta[12]);
        QImage esperada = s.imagen().copy();
        {
            QPainter p(&esperada);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setCompositionMode(c.composicion);
            p.setPen(QPen(QColor(QRgb(0xff000000u | c.pluma)), 0));
            const QPoint q(static_cast<int>(std::floor(s.x_px(50.2) + 0.5)), static_cast<int>(std::floor(s.y_px(50.3) + 0.5)));
            p.drawLine(q, q);
        }
        s.modo(c.modo);
        s.posicion(50.1, 50.2);
        s.linea_a(50.3, 50.4, kVerde);
        EXPECT_EQ(s.imagen(), esperada) << static_cast<int>(c.modo);
        EXPECT_EQ(s.pos_x(), 50.3);
        // Off the surface nothing is painted.
        s.linea(-5.2, 50, -5.1, 50, kVerde);
        EXPECT_EQ(s.imagen(), esperada) << static_cast<int>(c.modo);
    }
}

TEST(Superficie, PuntosMuyLejanos) {
    // Vectors of large values end far off the scene; what lies on the surface must still be
    // drawn in the right place and direction.
    Superficie s = superficie_simple();
    s.modo(Modo::Invertido);
    s.linea(100, 50, 1e13, 50, kPaleta[9]);
    EXPECT_EQ(s.color_en(150, 50), vista_de(9));
    EXPECT_EQ(s.color_en(199, 50), vista_de(9));
    EXPECT_EQ(s.color_en(60, 50), kGris) << "drawn the wrong way";
    s.linea(50, -1e14, 50, 1e14, kPaleta[12]);
    EXPECT_EQ(s.color_en(50, 10), vista_de(12));
    EXPECT_EQ(s.color_en(50, 90), vista_de(12));
    EXPECT_EQ(s.pos_x(), 50);
    EXPECT_EQ(s.pos_y(), 1e14) << "the current position is the far end, not the cut one";
    s.linea(0, 0, 2e13, 1e13, kPaleta[13]);
    EXPECT_EQ(s.color_en(120, 60), vista_de(13)) << "the slope is kept";
    EXPECT_EQ(s.color_en(60, 60), kGris);
    s.modo(Modo::Copia);
    s.caja(150, 70, 1e13, 80, kVerde);
    EXPECT_EQ(s.color_en(180, 75), kVerde);
    EXPECT_EQ(s.color_en(140, 75), kGris);
    // A disc far larger than the surface covers all of it.
    Superficie g = superficie_simple();
    g.modo(Modo::Invertido);
    g.circulo(100, 50, 1e15, kPaleta[11]);
    EXPECT_EQ(g.color_en(0, 100), vista_de(11));
    EXPECT_EQ(g.color_en(199, 1), vista_de(11));
    // Far off entirely: nothing changes.
    const QImage antes = s.imagen().copy();
    s.modo(Modo::Invertido);
    s.circulo(-1e15, 1e15, 16, kPaleta[3]);
    s.linea(-1e15, 1e15, -1e14, 1e15, kPaleta[3]);
    s.punto(1e300, 0, kPaleta[3]);
    s.circulo(100, 50, std::numeric_limits<double>::quiet_NaN(), kPaleta[3]);
    s.linea(0, 0, std::numeric_limits<double>::quiet_NaN(), 50, kPaleta[3]);
    EXPECT_TRUE(s.imagen() == antes);
}

TEST(Superficie, ImagenRetenida) {
    Superficie s = superficie_simple();
    s.modo(Modo::Invertido);
    // Retained: in the retained image and on show.
    s.retenido(true);
    s.circulo(20, 50, 3, kPaleta[9]);
    EXPECT_EQ(s.color_en(20, 50), vista_de(9));
    EXPECT_EQ(retenido(s, 20, 50), vista_de(9));
    // Not retained: on show only.
    s.retenido(false);
    s.linea(40, 20, 40, 80, kPaleta[12]);
    EXPECT_EQ(s.color_en(40, 50), vista_de(12));
    EXPECT_EQ(retenido(s, 40, 50), kGris);
    EXPECT_EQ(s.color_en(20, 50), vista_de(9));
    // Retained again: both, and the drawing kept only on show stays on show.
    s.retenido(true);
    s.circulo(60, 50, 3, kPaleta[10]);
    s.linea(30, 60, 50, 60, kPaleta[13]);  // crosses the line kept only on show
    EXPECT_EQ(s.color_en(60, 50), vista_de(10));
    EXPECT_EQ(retenido(s, 60, 50), vista_de(10));
    EXPECT_EQ(s.color_en(40, 60), vista_de(13));
    EXPECT_EQ(retenido(s, 40, 60), vista_de(13));
    EXPECT_EQ(retenido(s, 35, 60), vista_de(13));
    EXPECT_EQ(s.color_en(40, 40), vista_de(12));
    EXPECT_EQ(retenido(s, 40, 40), kGris);
    // Clearing with the retained mode off brings back the retained image, without erasing it.
    const QImage guardada = s.imagen_retenida().copy();
    s.retenido(false);
    s.borrar();
    EXPECT_EQ(s.color_en(40, 40), kGris);
    EXPECT_EQ(s.color_en(20, 50), vista_de(9));
    EXPECT_EQ(s.color_en(60, 50), vista_de(10));
    EXPECT_TRUE(s.imagen() == guardada);
    EXPECT_TRUE(s.imagen_retenida() == guardada);
    // Clearing with it on empties both.
    s.linea(40, 20, 40, 80, kPaleta[12]);
    s.retenido(true);
    s.borrar();
    QImage vacia(200, 100, QImage::Format_RGB32);
    vacia.fill(qRgb(224, 224, 224));
    EXPECT_TRUE(s.imagen() == vacia);
    EXPECT_TRUE(s.imagen_retenida() == vacia);
}

TEST(Escena, MarcoYTamano) {
    // The design-size drawing area spans (-150, 4050) to (7150, 1000).
    Superficie d = nueva_superficie_escena();
    EXPECT_EQ(d.ancho_px(), kAreaAnchoPx);
    EXPECT_EQ(d.alto_px(), kAreaAltoPx);
    EXPECT_NEAR(d.x_px(-150), 0, 1e-9);
    EXPECT_NEAR(d.y_px(4050), 0, 1e-9);
    EXPECT_NEAR(d.x_px(7150), kAreaAnchoPx, 1e-9);
    EXPECT_NEAR(d.y_px(1000), kAreaAltoPx, 1e-9);
    EXPECT_GT(d.unidades_x(), 0) << "x grows to the right";
    EXPECT_LT(d.unidades_y(), 0) << "y grows upwards";
    d.modo(Modo::Invertido);
    d.retenido(true);
    d.circulo(3000, 2000, 16, kPaleta[3]);
    const double px = d.x_px(3000), py = d.y_px(2000);

    // Made larger, the same unit size shows more of the scene; what was drawn stays put.
    d.redimensionar(1400, 700);
    EXPECT_EQ(d.ancho_px(), 1400);
    EXPECT_EQ(d.alto_px(), 700);
    EXPECT_DOUBLE_EQ(d.x_px(3000), px);
    EXPECT_DOUBLE_EQ(d.y_px(2000), py);
    EXPECT_NEAR(d.x_px(7150), kAreaAnchoPx, 1e-9);
    EXPECT_EQ(d.color_en(3000, 2000), vista_de(3));
    EXPECT_EQ(d.color_en(3000, -125), kGris) << "the ground band's place is now on the surface";
    EXPECT_NE(d.color_en(3000, -125), kFuera);
    const Superficie grande = nueva_superficie_escena(1400, 700);
    EXPECT_DOUBLE_EQ(grande.unidades_x(), d.unidades_x());
    EXPECT_DOUBLE_EQ(grande.unidades_y(), d.unidades_y());
    EXPECT_DOUBLE_EQ(grande.x_px(6450), d.x_px(6450));

    // Start-up on the larger surface: the background is in the retained image, which is then
    // left off; the 7-pixel markers measure 81 by 75 units, halved and rounded; the launch point
    // takes the zoom, the target does not.
    Mesa m;
    EXPECT_FALSE(m.sup.retenido());
    EXPECT_EQ(m.sup.modo(), Modo::Invertido);
    EXPECT_EQ(retenido(m.sup, 3000, -125), kVerde);
    EXPECT_EQ(m.st->MedioAnchoCruz, 40);
    EXPECT_EQ(m.st->MedioAltoCruz, 37);
    EXPECT_EQ(m.st->MedioAnchoBlanco, 40);
    EXPECT_EQ(m.st->MedioAltoBlanco, 37);
    m.st->Escala = 10;
    m.st->Xo() = Fijo::entero(100);
    m.st->Yo() = Fijo::entero(200);
    m.st->XoB() = Fijo::entero(1000);
    m.st->YoB() = Fijo::entero(2000);
    m.ventana.a_cero();
    m.escena.preparar();
    EXPECT_EQ(m.ventana.cruces, 1);
    EXPECT_EQ(m.ventana.blancos, 1);
    EXPECT_FLOAT_EQ(m.ventana.cruz.izquierda, 980);
    EXPECT_FLOAT_EQ(m.ventana.cruz.arriba, 2018.5);
    EXPECT_FLOAT_EQ(m.ventana.ultimo_blanco.izquierda, 980);
    EXPECT_FLOAT_EQ(m.ventana.ultimo_blanco.arriba, 2018.5);
}

TEST(Escena, Fondo) {
    Mesa m;
    auto comprobar = [&](const char* cuando) {
        SCOPED_TRACE(cuando);
        for (const QImage* img : {&m.sup.imagen(), &m.sup.imagen_retenida()}) {
            // The ground band, (0, 0) to (6450, -250).
            EXPECT_EQ(pixel(*img, m.sup, 3000, -125), kVerde);
            EXPECT_EQ(pixel(*img, m.sup, 20, -240), kVerde);
            EXPECT_EQ(pixel(*img, m.sup, 6430, -10), kVerde);
            EXPECT_EQ(pixel(*img, m.sup, 6600, -125), kGris);
            EXPECT_EQ(pixel(*img, m.sup, -60, -125), kGris);
            EXPECT_EQ(pixel(*img, m.sup, 3000, -400), kGris);
            EXPECT_EQ(pixel(*img, m.sup, 3000, 100), kGris);
            // The wall, (0, 0) to (0, 3800).
            for (double y : {100.0, 1900.0, 3790.0}) EXPECT_EQ(pixel(*img, m.sup, 0, y), kNegro) << y;
            EXPECT_EQ(pixel(*img, m.sup, 0, 3900), kGris);
            EXPECT_EQ(pixel(*img, m.sup, 60, 2000), kGris);
            EXPECT_EQ(pixel(*img, m.sup, -60, 2000), kGris);
        }
    };
    comprobar("at start-up");
    // Drawn in copy mode even when the scene is inverting, over whatever is there.
    m.sup.retenido(true);
    m.sup.modo(Modo::Invertido);
    m.sup.circulo(3000, -125, 34, kPaleta[12]);
    m.sup.circulo(0, 2000, 34, kPaleta[12]);
    ASSERT_EQ(m.en_pantalla(3000, -125), vista_de(12));
    m.escena.dibujar_fondo();
    comprobar("drawn again over marks");
    m.sup.modo(Modo::Invertido);
    m.sup.retenido(true);
    m.sup.borrar();
    m.escena.dibujar_fondo();
    comprobar("on a cleared scene");
}

TEST(Escena, ReglaDeVisibilidad) {
    for (int esc : {1, 10}) {
        SCOPED_TRACE(esc);
        const double ax = 6450.0 / esc, ay = 4200.0 / esc;
        EXPECT_TRUE(Escena::visible(0, 0, esc));
        EXPECT_TRUE(Escena::visible(ax - 0.0001, ay - 0.0001, esc));
        EXPECT_FALSE(Escena::visible(ax, 0, esc));
        EXPECT_FALSE(Escena::visible(0, ay, esc));
        EXPECT_FALSE(Escena::visible(-0.0001, 10, esc));
        EXPECT_FALSE(Escena::visible(10, -0.0001, esc));
    }
    EXPECT_TRUE(Escena::visible(6449, 4199, 1));
    EXPECT_FALSE(Escena::visible(646, 100, 10));

    // Redrawn at zoom 1: samples left of the wall, right of 6450 m or under the ground are kept
    // off the scene even where the surface could show them.
    Mesa m;
    m.poner(0, 3, {{100, 100}, {6449, 2500}, {-100, 2000}, {6460, 2000}, {7000, 2000}, {3000, -50}});
    m.st->NExp = 1;
    m.escena.redibujar_escena();
    EXPECT_EQ(m.en_pantalla(100, 100), vista_de(3));
    EXPECT_EQ(m.en_pantalla(6449, 2500), vista_de(3));
    EXPECT_EQ(m.en_pantalla(-100, 2000), kGris);
    EXPECT_EQ(m.en_pantalla(6460, 2000), kGris);
    EXPECT_EQ(m.en_pantalla(7000, 2000), kGris);
    EXPECT_EQ(m.en_pantalla(3000, -50), kVerde);

    // At zoom 10 the limits are 645 m by 420 m, measured before the zoom is applied.
    Mesa z;
    z.st->Escala = 10;
    z.poner(0, 6, {{100, 100}, {644, 150}, {646, 100}, {700, 100}, {300, -1}, {-10, 100}});
    z.st->NExp = 1;
    z.escena.redibujar_escena();
    EXPECT_EQ(z.en_pantalla(1000, 1000), vista_de(6));
    EXPECT_EQ(z.en_pantalla(6440, 1500), vista_de(6));
    EXPECT_EQ(z.en_pantalla(6460, 1000), kGris);
    EXPECT_EQ(z.en_pantalla(7000, 1000), kGris);
    EXPECT_EQ(z.en_pantalla(3000, -10), kVerde);
    EXPECT_EQ(z.en_pantalla(-100, 1000), kGris);
    EXPECT_EQ(z.en_pantalla(100, 100), kGris) << "drawn without the zoom";

    // A flight at zoom 10 stores every sample and draws only those inside.
    Mesa v;
    v.st->Escala = 10;
    v.volar(100, 45, 0, 0);
    const auto& st = *v.st;
    ASSERT_EQ(muestras(st.Pos[0]), 20);
    int dentro = 0, fuera = 0;
    for (int i = 2; i <= 20; ++i) {
        const double x = st.Pos[0][2 * i].real(), y = st.Pos[0][2 * i + 1].real();
        EXPECT_EQ(st.Xs[0][i], static_cast<float>(x));
        if (Escena::visible(x, y, 10)) {
            ++dentro;
            EXPECT_EQ(v.en_pantalla(x * 10, y * 10), vista_de(3)) << i;
        } else if (x < 700 && y * 10 < 4050) {
            ++fuera;
            EXPECT_EQ(v.en_pantalla(x * 10, y * 10), kGris) << i;
        }
    }
    EXPECT_GT(dentro, 3);
    EXPECT_GT(fuera, 0);
}

TEST(Escena, BorrarEscena) {
    Mesa m;
    for (int k = 0; k < 3; ++k) {
        const auto& l = kLanzamientos[k];
        m.volar(l[0], l[1], l[2], l[3]);
    }
    auto& st = *m.st;
    ASSERT_EQ(st.NExp, 3);
    ASSERT_EQ(st.NColor, 9);
    ASSERT_EQ(st.NGrafSel, 3);
    // A vector drawn while the retained mode is off.
    m.sup.retenido(false);
    m.sup.linea(4000, 3000, 5000, 3000, st.ColorVel);
    ASSERT_EQ(m.en_pantalla(4500, 3000), rgb(5, 155, 5));
    const Registro antes = st.Pos[1];
    const uint32_t color_antes = st.ColorExp[1];
    st.XoB() = Fijo::entero(1000);
    st.YoB() = Fijo::entero(500);
    m.ventana.a_cero();
    m.ventana.menus = true;

    m.escena.borrar_escena(10, 20);

    EXPECT_EQ(st.NExp, 0);
    EXPECT_EQ(st.NColor, 2);
    EXPECT_EQ(st.NGrafSel, 0);
    EXPECT_EQ(m.ventana.menus_off, 1);
    EXPECT_EQ(m.ventana.menus_on, 0);
    EXPECT_FALSE(m.ventana.menus);
    EXPECT_EQ(m.ventana.vaciados, 1);
    EXPECT_EQ(m.ventana.curvas, 1);
    EXPECT_TRUE(m.ventana.retenido_al_borrar_curvas);
    EXPECT_EQ(m.ventana.cruces, 0) << "the launch-point marker stays where it is";
    // The target is placed with the half sizes passed in, without the zoom.
    EXPECT_EQ(m.ventana.blancos, 1);
    EXPECT_FLOAT_EQ(m.ventana.ultimo_blanco.izquierda, 995);
    EXPECT_FLOAT_EQ(m.ventana.ultimo_blanco.arriba, 510);
    EXPECT_TRUE(m.sup.retenido()) << "left on";
    EXPECT_EQ(m.sup.modo(), Modo::Invertido);
    // Marks and the vector are gone from what shows and from the retained image; the
    // background is back in both.
    for (int e = 0; e < 3; ++e)
        for (int i = 1; i <= muestras(st.Pos[e]); ++i) {
            const double x = st.Pos[e][2 * i].real(), y = st.Pos[e][2 * i + 1].real();
            if (!Escena::visible(x, y, 1) || y < 100 || x < 100) continue;
            EXPECT_EQ(m.en_pantalla(x, y), kGris) << e << " " << i;
            EXPECT_EQ(retenido(m.sup, x, y), kGris) << e << " " << i;
        }
    EXPECT_EQ(m.en_pantalla(4500, 3000), kGris);
    EXPECT_EQ(m.en_pantalla(3000, -125), kVerde);
    EXPECT_EQ(retenido(m.sup, 3000, -125), kVerde);
    EXPECT_EQ(m.en_pantalla(0, 2000), kNegro);
    // The records stay; with NExp at 0 a redraw shows nothing of them.
    EXPECT_EQ(st.Pos[1], antes);
    EXPECT_EQ(st.ColorExp[1], color_antes);
    const QImage limpia = m.sup.imagen().copy();
    m.escena.redibujar_escena();
    EXPECT_TRUE(m.sup.imagen() == limpia);
    // Numbering and colours start again.
    m.volar(100, 45, 500, 300);
    EXPECT_EQ(st.NExp, 1);
    EXPECT_EQ(st.Pos[0][0], Fijo::entero(3));
    EXPECT_EQ(st.ColorExp[0], vista_de(3));
}

TEST(Escena, Redibujar) {
    {   // Ten flights, then the scene cleared and redrawn: the same picture, the same colours.
        Mesa m;
        for (const auto& l : kLanzamientos) m.volar(l[0], l[1], l[2], l[3]);
        auto& st = *m.st;
        ASSERT_EQ(st.NExp, 10);
        const QImage volada = m.sup.imagen().copy();
        const auto colores = st.ColorExp;
        for (int e = 0; e < 10; ++e) {
            EXPECT_EQ(colores[e], vista_de(kColores[e])) << e;
            EXPECT_EQ(st.Pos[e][0], Fijo::entero(kColores[e]));
        }
        m.sup.retenido(true);
        m.sup.borrar();
        m.escena.dibujar_fondo();
        m.sup.modo(Modo::Invertido);
        st.ColorExp.fill(0x123456);
        m.escena.redibujar_escena();
        EXPECT_TRUE(m.sup.imagen() == volada);
        EXPECT_EQ(st.ColorExp, colores);
        // Twice is the same as once.
        m.escena.redibujar_escena();
        EXPECT_TRUE(m.sup.imagen() == volada);
    }
    {   // Each experiment in the palette colour its record names, without clearing what is there.
        Mesa m;
        auto& st = *m.st;
        for (int e = 0; e < 10; ++e) {
            std::vector<std::pair<double, double>> p;
            for (int s = 0; s < 5; ++s) p.emplace_back(300 + 600 * s, 300 + 350 * e);
            m.poner(e, kColores[e], p);
        }
        st.NExp = 10;
        m.sup.retenido(false);
        m.sup.linea(4000, 100, 4000, 3000, st.ColorAcel);  // a vector, left alone by the redraw
        st.ColorExp.fill(0x123456);
        m.escena.redibujar_escena();
        for (int e = 0; e < 10; ++e) {
            for (int s = 0; s < 5; ++s)
                EXPECT_EQ(m.en_pantalla(300 + 600 * s, 300 + 350 * e), vista_de(kColores[e])) << e << " " << s;
            EXPECT_EQ(st.ColorExp[e], vista_de(kColores[e])) << e;
        }
        EXPECT_EQ(st.ColorExp[0], st.ColorExp[8]);
        EXPECT_EQ(m.en_pantalla(4000, 2000), rgb(205, 5, 5));
        EXPECT_EQ(m.en_pantalla(0, 2000), kNegro);

        // Only experiments 1 to NExp are drawn.
        m.sup.retenido(true);
        m.sup.borrar();
        st.NExp = 4;
        st.ColorExp.fill(0x123456);
        m.escena.redibujar_escena();
        for (int e = 0; e < 10; ++e) {
            EXPECT_EQ(m.en_pantalla(900, 300 + 350 * e), e < 4 ? vista_de(kColores[e]) : kGris) << e;
            EXPECT_EQ(st.ColorExp[e], e < 4 ? vista_de(kColores[e]) : 0x123456u) << e;
        }
    }
    {   // The colour is read at the second sample whether or not it was drawn there.
        Mesa m;
        auto& st = *m.st;
        m.poner(0, 12, {{1000, 1000}, {2000, 1000}});
        m.poner(1, 13, {{500, 500}});                     // one sample: never read
        m.poner(2, 14, {{3000, 500}, {7000, 2000}});      // second sample beyond the scene
        m.poner(3, 9, {{3000, 800}, {3000, -100}});       // under the ground: the band
        m.poner(4, 10, {{100, 100}, {2000, 1000}});       // on experiment 1's mark, drawn over it
        m.poner(5, 11, {{100, 100}, {2000, 1000}, {1e9, 1e9}});  // and once more, then far away
        m.poner(6, 3, {{100, 100}, {1e12, 500}});         // far off the surface
        st.NExp = 7;
        st.ColorExp.fill(0x123456);
        m.escena.redibujar_escena();
        EXPECT_EQ(st.ColorExp[0], vista_de(12));
        EXPECT_EQ(st.ColorExp[1], 0x123456u);
        EXPECT_EQ(st.ColorExp[2], kGris);
        EXPECT_EQ(st.ColorExp[3], kVerde);
        EXPECT_EQ(st.ColorExp[4], vista_de(10));
        EXPECT_EQ(st.ColorExp[5], vista_de(11));
        EXPECT_EQ(st.ColorExp[6], kFuera);
        EXPECT_EQ(m.en_pantalla(2000, 1000), vista_de(11)) << "the last drawn shows";
    }
}

TEST(Escena, CambioDeZoom) {
    Mesa m;
    auto& st = *m.st;
    st.Xo() = Fijo::entero(30);
    st.Yo() = Fijo::entero(20);
    // Experiment 1 shows at both zooms; experiment 2's second sample leaves the scene at 10.
    m.poner(0, 3, {{3000, 2000}, {50, 30}, {600, 400}});
    m.poner(1, 6, {{100, 100}, {700, 100}});
    st.NExp = 2;
    m.sup.retenido(true);
    m.escena.redibujar_escena();
    ASSERT_EQ(m.en_pantalla(3000, 2000), vista_de(3));
    ASSERT_EQ(st.ColorExp[1], vista_de(6));
    // Two pixels right of a centre: inside a 34-unit disc, outside a 16-unit one.
    const double dos_px = 2 * m.sup.unidades_x();

    auto comprobar_fila = [&](int esc, const char* menu, const char* l18, const char* l19, int max3, int max4,
                              bool blanco) {
        EXPECT_EQ(st.Escala, esc);
        EXPECT_EQ(m.ventana.zooms, 1);
        EXPECT_EQ(m.ventana.zoom.escala, esc);
        EXPECT_EQ(m.ventana.zoom.menu, QString::fromUtf8(menu));
        EXPECT_EQ(m.ventana.zoom.label18, QString::fromUtf8(l18));
        EXPECT_EQ(m.ventana.zoom.label19, QString::fromUtf8(l19));
        EXPECT_EQ(m.ventana.zoom.max3, max3);
        EXPECT_EQ(m.ventana.zoom.max4, max4);
        EXPECT_EQ(m.ventana.zoom.blanco1, blanco);
        EXPECT_EQ(st.Max[iXo], Fijo::entero(max3));
        EXPECT_EQ(st.Max[iYo], Fijo::entero(max4));
        EXPECT_EQ(m.ventana.curvas, 1);
        EXPECT_EQ(m.ventana.cruces, 1);
        EXPECT_FLOAT_EQ(m.ventana.cruz.izquierda, 30.0f * esc - 20);
        EXPECT_FLOAT_EQ(m.ventana.cruz.arriba, 20.0f * esc + 18.5f);
        EXPECT_TRUE(m.sup.retenido());
        EXPECT_EQ(m.sup.modo(), Modo::Invertido);
        EXPECT_EQ(m.en_pantalla(3000, -125), kVerde);
        EXPECT_EQ(m.en_pantalla(0, 2000), kNegro);
        EXPECT_EQ(m.en_pantalla(4500, 3500), kGris) << "the vector is cleared";
        EXPECT_EQ(retenido(m.sup, 4500, 3500), kGris);
    };
    auto vector = [&] {
        m.sup.retenido(false);
        m.sup.linea(4000, 3500, 5000, 3500, st.ColorVel);
        ASSERT_EQ(m.en_pantalla(4500, 3500), rgb(5, 155, 5));
    };

    {   // 1 to 10.
        SCOPED_TRACE("to 10");
        vector();
        m.ventana.a_cero();
        st.ColorExp.fill(0x123456);
        m.escena.menu_zoom();
        comprobar_fila(10, "Escala x 10", "375 m", "640 m", 640, 375, false);
        EXPECT_EQ(m.en_pantalla(500, 300), vista_de(3));
        EXPECT_EQ(m.en_pantalla(500 + dos_px, 300), vista_de(3)) << "radius 34";
        EXPECT_EQ(m.en_pantalla(6000, 4000), vista_de(3));
        EXPECT_EQ(m.en_pantalla(1000, 1000), vista_de(6));
        EXPECT_EQ(m.en_pantalla(3000, 2000), kGris) << "beyond 645 m at this zoom";
        EXPECT_EQ(m.en_pantalla(7000, 1000), kGris);
        EXPECT_EQ(m.en_pantalla(50, 30), kGris);
        EXPECT_EQ(retenido(m.sup, 500, 300), vista_de(3));
        EXPECT_EQ(st.ColorExp[0], vista_de(3));
        EXPECT_EQ(st.ColorExp[1], kGris) << "read where the undrawn second sample would be";
    }
    {   // 10 back to 1.
        SCOPED_TRACE("back to 1");
        vector();
        m.ventana.a_cero();
        st.ColorExp.fill(0x123456);
        m.escena.menu_zoom();
        comprobar_fila(1, "Escala /10", "3750 m", "6400 m", 6400, 3750, true);
        EXPECT_EQ(m.en_pantalla(3000, 2000), vista_de(3));
        EXPECT_EQ(m.en_pantalla(50, 30), vista_de(3));
        EXPECT_EQ(m.en_pantalla(50 + dos_px, 30), kGris) << "radius 16";
        EXPECT_EQ(m.en_pantalla(700, 100), vista_de(6));
        EXPECT_EQ(m.en_pantalla(500, 300), kGris);
        EXPECT_EQ(m.en_pantalla(1000, 1000), kGris);
        EXPECT_EQ(st.ColorExp[0], vista_de(3));
        EXPECT_EQ(st.ColorExp[1], vista_de(6));
        EXPECT_EQ(st.Max[iXo], Fijo::entero(6400)) << "not the start-up file's 6450";
    }
    {   // In the middle of a flight: the scene is cleared and the flight goes on at the new zoom.
        Mesa v;
        v.ventana.en_evento = [&v] {
            if (v.ventana.eventos == 120) v.escena.menu_zoom();  // t = 1.785 s, after the third sample
        };
        v.volar(40, 45, 0, 0);
        const auto& s = *v.st;
        EXPECT_EQ(s.Escala, 10);
        const int n = muestras(s.Pos[0]);
        ASSERT_GE(n, 6);
        const double x2 = s.Pos[0][4].real(), y2 = s.Pos[0][5].real();
        EXPECT_EQ(v.en_pantalla(x2, y2), kGris) << "drawn before the switch, cleared by it";
        for (int i = 4; i <= n; ++i) {
            const double x = s.Pos[0][2 * i].real(), y = s.Pos[0][2 * i + 1].real();
            if (y < 1) continue;
            EXPECT_EQ(v.en_pantalla(x * 10, y * 10), vista_de(3)) << i;
            EXPECT_EQ(v.en_pantalla(x * 10 + dos_px, y * 10), vista_de(3)) << i;
        }
    }
}
