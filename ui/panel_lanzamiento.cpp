// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_lanzamiento.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/cantidades.h"
#include "core/entrada_parametros.h"
#include "core/experiment_state.h"
#include "core/formato.h"
#include "core/traduccion.h"
#include "platform/dialogos.h"
#include "scene/escena.h"

namespace tya {

namespace {
// The five materials with their densities in the locale's form ("Plomo (d: 11,3)"), then "Otro material".
QStringList materiales() {
    const char* const nombres[] = {QT_TRANSLATE_NOOP("Trayecta", "Plomo"), QT_TRANSLATE_NOOP("Trayecta", "Acero"),
                                   QT_TRANSLATE_NOOP("Trayecta", "Piedra"), QT_TRANSLATE_NOOP("Trayecta", "Hielo"),
                                   QT_TRANSLATE_NOOP("Trayecta", "Madera")};
    QStringList r;
    for (size_t i = 0; i < kDensMat.size(); ++i)
        r << Trayecta::tr("%1 (d: %2)", "a material and its density in g/cm³")
                 .arg(Trayecta::tr(nombres[i]), formato(kDensMat[i], QStringLiteral("#0.0#"), separador_local()));
    return r << Trayecta::tr("Otro material");
}
QStringList formas() { return {Trayecta::tr("Esfera"), Trayecta::tr("Bala")}; }

QLabel* etiqueta(const QString& t, QWidget* padre) { return new QLabel(t, padre); }

// What a screen reader calls each parameter's box, by its index in Param: what it is, its
// symbol and its unit, one phrase a translator can word as a whole.
const char* const kNombresCaja[kParametros + 1] = {
    nullptr,
    QT_TRANSLATE_NOOP("Trayecta", "Velocidad inicial Vo, m/s"),
    QT_TRANSLATE_NOOP("Trayecta", "Ángulo inicial θ, grados"),
    QT_TRANSLATE_NOOP("Trayecta", "X inicial Xo, m"),
    QT_TRANSLATE_NOOP("Trayecta", "Y inicial Yo, m"),
    QT_TRANSLATE_NOOP("Trayecta", "X inicial del blanco Xo, m"),
    QT_TRANSLATE_NOOP("Trayecta", "Y inicial del blanco Yo, m"),
    QT_TRANSLATE_NOOP("Trayecta", "Velocidad X del blanco Vx, m/s"),
    QT_TRANSLATE_NOOP("Trayecta", "Velocidad Y del blanco Vy, m/s"),
    QT_TRANSLATE_NOOP("Trayecta", "Radio de la partícula, cm"),
    QT_TRANSLATE_NOOP("Trayecta", "Viento horizontal, m/s"),
};
QString nombre_de_caja(int i) { return Trayecta::tr(kNombresCaja[i]); }

QGridLayout* rejilla(QWidget* marco) {
    auto* g = new QGridLayout(marco);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    return g;
}
}  // namespace

PanelLanzamiento::PanelLanzamiento(const ContextoVentana& ctx, QObject* padre) : QObject(padre), ctx_(ctx) {
    crear_condiciones_y_blanco();
    crear_medio_y_particula();
    crear_botones();
    // Panels along the top edge, right of the wall's extent label.
    int x = 64;
    for (QGroupBox* g : {panel_condiciones_, panel_blanco_, panel_medio_, panel_particula_, panel_botones_}) {
        g->adjustSize();
        g->move(x, 2);
        x += g->width() + 4;
    }
    panel_blanco_->hide();
}

CajaTexto* PanelLanzamiento::caja(int i, QWidget* padre) {
    auto* c = new CajaTexto(padre);
    c->setObjectName(QStringLiteral("Entrada_%1").arg(i));
    c->setFixedWidth(48);
    c->filtro = [this, i](QChar k) { return tecla_en_entrada(i, k); };
    c->setAccessibleName(nombre_de_caja(i));
    connect(c, &QLineEdit::textChanged, this, [this, i] { entrada_cambiada(i); });
    // Up and down (and the page keys) in a box with arrows do what its arrows do.
    if (i == iVo || i == iAng) c->installEventFilter(this);
    // A whole-metre box shows the whole number it holds once the typing is over.
    if (i >= iXo && i <= iYoB)
        connect(c, &QLineEdit::editingFinished, this, [this, i] { poner_texto(i, forma_archivo(ctx_.st.Param[i])); });
    entradas_[i] = c;
    return c;
}

QWidget* PanelLanzamiento::flechas(int i, QWidget* padre) {
    auto* w = new QWidget(padre);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    subir_[i] = new BotonImagen(16, 13, 16, 13, w);
    bajar_[i] = new BotonImagen(16, 13, 16, 13, w);
    subir_[i]->setObjectName(QStringLiteral("SpinUp_%1").arg(i));
    bajar_[i]->setObjectName(QStringLiteral("SpinDown_%1").arg(i));
    cara_flecha(subir_[i]->superficie(), true);
    cara_flecha(bajar_[i]->superficie(), false);
    const DefCantidad& c = *cantidad_de_param(i);
    const QString paso = QStringLiteral("%1 %2").arg(Paso[i]).arg(QString::fromUtf8(c.unidad));
    subir_[i]->nombrar(Trayecta::tr("Aumentar %1").arg(QString::fromUtf8(c.simbolo)),
                       Trayecta::tr("Suma %1 a %2 (flecha arriba o Re Pág en su caja)").arg(paso, nombre_de_caja(i)));
    bajar_[i]->nombrar(Trayecta::tr("Disminuir %1").arg(QString::fromUtf8(c.simbolo)),
                       Trayecta::tr("Resta %1 a %2 (flecha abajo o Av Pág en su caja)").arg(paso, nombre_de_caja(i)));
    connect(subir_[i], &BotonImagen::clic, this, [this, i] { subir(i); });
    connect(bajar_[i], &BotonImagen::clic, this, [this, i] { bajar(i); });
    l->addWidget(subir_[i]);
    l->addWidget(bajar_[i]);
    return w;
}

void PanelLanzamiento::crear_condiciones_y_blanco() {
    QGroupBox* m = panel_condiciones_ = nuevo_marco("Frame1", Trayecta::tr("Condiciones iniciales"), ctx_.vista);
    QGridLayout* g = rejilla(m);
    // Each box after its caption, the caption tied to it so a screen reader reads them together.
    auto fila = [&](const QString& rotulo, int i, int f, int col) {
        QLabel* l = etiqueta(rotulo, m);
        g->addWidget(l, f, col);
        g->addWidget(caja(i, m), f, col + 1);
        l->setBuddy(entradas_[i]);
    };
    fila(QStringLiteral("Vo :"), 1, 0, 0);
    g->addWidget(flechas(1, m), 0, 2);
    fila(QStringLiteral("θ :"), 2, 1, 0);
    g->addWidget(flechas(2, m), 1, 2);
    fila(QStringLiteral("Xo="), 3, 0, 3);
    fila(QStringLiteral("Yo="), 4, 1, 3);

    m = panel_blanco_ = nuevo_marco("Frame2", Trayecta::tr("Blanco"), ctx_.vista);
    g = rejilla(m);
    fila(QStringLiteral("Xo="), 5, 0, 0);
    fila(QStringLiteral("Yo="), 6, 1, 0);
    fila(QStringLiteral("Vx :"), 7, 0, 2);
    fila(QStringLiteral("Vy :"), 8, 1, 2);
}

void PanelLanzamiento::crear_medio_y_particula() {
    QGroupBox* m = panel_medio_ = nuevo_marco("ccc", Trayecta::tr("Medio"), ctx_.vista);
    QGridLayout* g = rejilla(m);
    medio_[0] = new QRadioButton(Trayecta::tr("Vacío"), m);
    medio_[1] = new QRadioButton(Trayecta::tr(" Aire"), m);
    for (int i = 0; i < 2; ++i) {
        medio_[i]->setObjectName(QStringLiteral("Option3_%1").arg(i));
        connect(medio_[i], &QRadioButton::clicked, this, [this, i] { elegir_medio(i); });
    }
    medio_[0]->setChecked(true);
    g->addWidget(medio_[0], 0, 0);
    g->addWidget(medio_[1], 0, 1);
    QLabel* viento = etiqueta(Trayecta::tr("Viento (m/S)"), m);
    g->addWidget(viento, 1, 0);
    g->addWidget(caja(10, m), 1, 1);
    viento->setBuddy(entradas_[10]);

    m = panel_particula_ = nuevo_marco("Frame5", Trayecta::tr("Partícula"), ctx_.vista);
    g = rejilla(m);
    auto combo = [m](const char* nombre, const QString& ayuda) {
        auto* c = new QComboBox(m);
        c->setObjectName(QLatin1String(nombre));
        c->setEditable(true);  // the material list shows a typed density as its text
        c->lineEdit()->setReadOnly(true);
        c->setToolTip(ayuda);
        c->setAccessibleName(ayuda);
        return c;
    };
    material_ = combo("Combo1", Trayecta::tr("Material de la partícula"));
    forma_ = combo("Combo2", Trayecta::tr("Forma de la partícula"));
    material_->setMinimumWidth(130);
    connect(material_, &QComboBox::activated, this, &PanelLanzamiento::elegir_material);
    connect(forma_, &QComboBox::activated, this, &PanelLanzamiento::elegir_forma);
    g->addWidget(material_, 0, 0, 1, 2);
    g->addWidget(forma_, 1, 0);
    auto* r = new QWidget(m);
    auto* h = new QHBoxLayout(r);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    h->addWidget(caja(9, r));
    h->addWidget(etiqueta(QStringLiteral(" cm"), r));
    g->addWidget(r, 1, 1);
}

void PanelLanzamiento::crear_botones() {
    QGroupBox* m = panel_botones_ = nuevo_marco("Frame10", QString(), ctx_.vista);
    auto* h = new QHBoxLayout(m);
    h->setContentsMargins(4, 4, 4, 4);
    lanzar_ = new BotonImagen(32, 32, 10, 10, m);
    parar_ = new BotonImagen(32, 32, 10, 10, m);
    lanzar_->setObjectName(QStringLiteral("Picture1"));
    parar_->setObjectName(QStringLiteral("Picture2"));
    lanzar_->nombrar(Trayecta::tr("Lanzar"), Trayecta::tr("Lanza la partícula con los valores de los paneles"));
    parar_->nombrar(Trayecta::tr("Parar"), Trayecta::tr("Detiene el vuelo en curso"));
    cara_lanzar(lanzar_->superficie());
    cara_parar(parar_->superficie());
    connect(lanzar_, &BotonImagen::clic, this, [this] {
        lanzar_->presionar_y(ctx_.reloj);
        emit lanzar_pedido();
    });
    connect(parar_, &BotonImagen::clic, this, [this] {
        parar_->presionar_y(ctx_.reloj);
        emit parar_pedido();
    });
    h->addWidget(lanzar_);
    h->addWidget(parar_);
}

void PanelLanzamiento::mostrar_parametros() {
    for (int i = 1; i <= kParametros; ++i) {
        poner_texto(i, forma_archivo(ctx_.st.Param[i]));
        // The ranges as INIC.DAT has just given them, before a zoom narrows those of Xo and Yo.
        entradas_[i]->setToolTip(texto_ayuda(*cantidad_de_param(i), ctx_.st.Max, ctx_.st.Min));
    }
    Paso = {0, 10, 5};
}

void PanelLanzamiento::particula_y_medio_iniciales() {
    EstadoExp& st = ctx_.st;
    material_->clear();
    material_->addItems(materiales());
    material_->setCurrentIndex(0);
    forma_->clear();
    forma_->addItems(formas());
    forma_->setCurrentIndex(0);
    st.Densidad = kDensMat[0];
    st.Aire = 0;
    st.Cd = kCdForma[0];
    medio_[0]->setChecked(true);
    entradas_[10]->setEnabled(false);
}

void PanelLanzamiento::mostrar_panel_blanco(bool visible) { panel_blanco_->setVisible(visible); }

void PanelLanzamiento::poner_texto(int i, const QString& t) {
    tecleando_ = 0;
    if (entradas_[i]->text() != t) entradas_[i]->setText(t);
}

void PanelLanzamiento::recordar_anterior(int i) {
    Anterior = ctx_.st.Param[i];
    if (i == iXo || i == iYo) Anterior = Fijo::entero(static_cast<int64_t>(std::floor(Anterior.real())));
    anterior_de_ = i;
}

bool PanelLanzamiento::tecla_en_entrada(int i, QChar tecla) {
    recordar_anterior(i);
    tecleando_ = i;
    const bool vale = tecla.isDigit() || tecla == QLatin1Char('-') || tecla == QLatin1Char(',') ||
                      tecla == QLatin1Char('.') || tecla == QChar(8) || tecla == QChar(13);
    if (!vale) ctx_.dialogos.pitido();
    return vale;
}

void PanelLanzamiento::entrada_cambiada(int i) {
    EstadoExp& st = ctx_.st;
    // A text that came without a key press (pasted with the mouse, set by the program) must
    // not put back the value of another box.
    if (anterior_de_ != i) recordar_anterior(i);
    const ValorEntrado v = comprobar_entrada(i, entradas_[i]->text(), Lectura::Caja, st.Max, st.Min);
    if (v.metros_enteros && std::isfinite(v.valor)) {
        const QString entero = QString::number(v.valor, 'f', 0);
        // A decimal part being typed or pasted stays until the typing is over (its value is the
        // whole part): rewritten at each key, the separator would go and the next digit land in
        // the units. Text set by the program is rewritten at once.
        const QString& t = entradas_[i]->text();
        const bool decimales = tecleando_ == i && (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('.')));
        if (!decimales && t != entero) {
            // The new text runs this check again, on the whole number.
            poner_texto(i, entero);
            return;
        }
    }
    if (!v.aceptado()) {
        if (i != iXo && i != iYo) ctx_.dialogos.mensaje(Trayecta::tr("Valor fuera de rango"));
        st.Param[i] = Anterior;
        poner_texto(i, forma_archivo(Anterior, separador_local()));
        entradas_[i]->setFocus();
    } else {
        st.Param[i] = Fijo::desde(v.valor);
    }
    if (i == iXo || i == iYo) ctx_.escena.colocar_cruz();
    if (i == iXoB || i == iYoB) ctx_.escena.colocar_blanco();
}

void PanelLanzamiento::dar_paso(int i, int signo) {
    (signo > 0 ? subir_ : bajar_)[i]->presionar_y(ctx_.reloj, [this, i, signo] {
        recordar_anterior(i);
        ctx_.st.Param[i] = Fijo::saturado(leer_numero(entradas_[i]->text()) + signo * Paso[i]);
        // As a person reads numbers here: with the computer's decimal separator.
        poner_texto(i, forma_archivo(ctx_.st.Param[i], separador_local()));
    });
}

bool PanelLanzamiento::eventFilter(QObject* o, QEvent* ev) {
    if (ev->type() != QEvent::KeyPress) return false;
    for (int i : {iVo, iAng}) {
        if (o != entradas_[i]) continue;
        switch (static_cast<QKeyEvent*>(ev)->key()) {
            case Qt::Key_Up:
            case Qt::Key_PageUp:
                subir(i);
                return true;
            case Qt::Key_Down:
            case Qt::Key_PageDown:
                bajar(i);
                return true;
            default:
                return false;
        }
    }
    return false;
}

void PanelLanzamiento::subir(int i) { dar_paso(i, 1); }
void PanelLanzamiento::bajar(int i) { dar_paso(i, -1); }

void PanelLanzamiento::poner_parametro(int i, Fijo v) {
    recordar_anterior(i);
    ctx_.st.Param[i] = v;
    poner_texto(i, forma_simple(v));
}

void PanelLanzamiento::elegir_material(int posicion) {
    EstadoExp& st = ctx_.st;
    if (posicion >= 0 && posicion <= 4) {
        st.Densidad = kDensMat[static_cast<size_t>(posicion)];
        return;
    }
    if (posicion != 5) return;
    const QString r = ctx_.dialogos.entrada(Trayecta::tr("Ingrese la densidad, entre 0.01 y 20"),
                                            Trayecta::tr("Material"));
    auto plomo = [this, &st] {
        material_->setCurrentIndex(0);
        material_->setEditText(material_->itemText(0));
        st.Densidad = kDensMat[0];
    };
    if (r.isEmpty()) return plomo();
    material_->setEditText(Trayecta::tr("Material: d = %1").arg(r));
    material_->lineEdit()->setCursorPosition(0);  // a text wider than the list shows its beginning
    const ValorEntrado d = comprobar_entrada(dDensidad, r, Lectura::Respuesta, st.Max, st.Min);
    if (!d.aceptado()) return plomo();
    st.Densidad = Fijo::desde(d.valor);
}

void PanelLanzamiento::elegir_forma(int posicion) {
    if (posicion >= 0 && posicion <= 1) ctx_.st.Cd = kCdForma[static_cast<size_t>(posicion)];
}

void PanelLanzamiento::elegir_medio(int i) {
    ctx_.st.Aire = static_cast<int16_t>(i);
    if (i == 1) {
        entradas_[10]->setEnabled(true);
    } else {
        recordar_anterior(iViento);
        poner_texto(10, QStringLiteral("0"));
        entrada_cambiada(10);  // also when the box already read 0
        entradas_[10]->setEnabled(false);
    }
}

}  // namespace tya
