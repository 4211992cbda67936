// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_graficos.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/formato.h"
#include "core/tamano_ventana.h"
#include "core/traduccion.h"
#include "graphs/tablas.h"
#include "panel_comparacion.h"
#include "platform/dialogos.h"
#include "scene/escena.h"

namespace tya {

namespace {
QLabel* etiqueta(const char* nombre, const QString& t, QWidget* padre) {
    auto* l = new QLabel(t, padre);
    l->setObjectName(QLatin1String(nombre));
    return l;
}
}  // namespace

PanelGraficos::PanelGraficos(const ContextoVentana& ctx, QWidget* padre)
    : QGroupBox(Trayecta::tr("Velocidades Instantáneas"), padre),
      ctx_(ctx),
      sup_grafico_(std::make_unique<Superficie>(nueva_caja_grafico(CajaGrafico::Curvas))) {
    setObjectName(QStringLiteral("Frame3"));
    setAutoFillBackground(true);
    auto* g = new QGridLayout(this);
    g->setContentsMargins(6, 4, 6, 6);
    grafico_ = new VistaSuperficie(*sup_grafico_, this);
    grafico_->setObjectName(QStringLiteral("Curvas"));
    grafico_->setAccessibleName(Trayecta::tr("Gráfica de la experiencia elegida en función del tiempo"));
    eje_vertical_ = etiqueta("Label13", QStringLiteral("Vy"), this);
    eje_tiempo_ = etiqueta("Label14", Trayecta::tr("tiempo"), this);
    cabecera_ = etiqueta("Label12", QStringLiteral("t             Vx            Vy"), this);
    tabla_ = new QListWidget(this);
    tabla_->setObjectName(QStringLiteral("List1"));
    tabla_->setFixedWidth(250);  // three columns of the widest values without a scroll bar
    QFont fija(QStringLiteral("Monospace"));
    fija.setStyleHint(QFont::TypeWriter);
    fija.setPointSize(8);
    tabla_->setFont(fija);
    cabecera_->setFont(fija);
    cabecera_->setBuddy(tabla_);
    nombrar_tabla();
    g->addWidget(eje_vertical_, 0, 0);
    g->addWidget(grafico_, 1, 0, 4, 1);
    g->addWidget(eje_tiempo_, 5, 0, Qt::AlignRight);
    g->addWidget(cabecera_, 0, 1);
    g->addWidget(tabla_, 1, 1, 5, 1);
    g->addWidget(crear_lado(), 0, 2, 6, 1);
    // After the panel's own controls, so Tab goes through these first.
    comparacion_posiciones_ = new PanelComparacion({"Comparaposi", "ComparaP", "Command2", "cierracomparaP"},
                                                   Trayecta::tr("Posiciones Y"), CajaGrafico::ComparaP, padre);
    comparacion_velocidades_ = new PanelComparacion({"Velocidades", "ComparaV", "Command3", "Command1"},
                                                    Trayecta::tr("Velocidades Vy"), CajaGrafico::ComparaV, padre);
    connect(comparacion_posiciones_, &PanelComparacion::cerrar_pedido, this,
            &PanelGraficos::cerrar_comparacion_posiciones);
    connect(comparacion_velocidades_, &PanelComparacion::cerrar_pedido, this,
            &PanelGraficos::cerrar_comparacion_velocidades);

    // Right of the scene's 6450 m, below the parameter panels, so no mark is covered.
    const int x = static_cast<int>(ctx_.sup.x_px(6600));
    const QList<QGroupBox*> paneles{this, comparacion_posiciones_, comparacion_velocidades_};
    for (QGroupBox* p : paneles) p->adjustSize();
    move(x, 104);
    comparacion_posiciones_->move(x, 108 + height());
    comparacion_velocidades_->move(x + comparacion_posiciones_->width() + 6, 108 + height());
    for (QGroupBox* p : paneles) p->hide();
    new FocoCubierto(padre);
}

PanelGraficos::~PanelGraficos() { delete grafico_; }  // before the surface it shows

QWidget* PanelGraficos::crear_lado() {
    auto* lado = new QWidget(this);
    auto* v = new QVBoxLayout(lado);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    auto* num = new QWidget(lado);
    auto* h = new QHBoxLayout(num);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    rotulo_numero_ = etiqueta("Label17", Trayecta::tr("Experiencia Nro."), num);
    numero_ = new CajaTexto(num);
    numero_->setObjectName(QStringLiteral("NGraf"));
    numero_->setFixedWidth(30);
    numero_->filtro = [this](QChar k) { return tecla_en_numero(k); };
    numero_->setAccessibleName(Trayecta::tr("Experiencia Nro."));
    numero_->installEventFilter(this);  // up and down step the experiment as the arrows do
    rotulo_numero_->setBuddy(numero_);
    connect(numero_, &QLineEdit::textChanged, this, &PanelGraficos::numero_cambiado);
    anterior_ = new BotonImagen(16, 13, 16, 13, num);
    siguiente_ = new BotonImagen(16, 13, 16, 13, num);
    anterior_->setObjectName(QStringLiteral("SpinDown2"));
    siguiente_->setObjectName(QStringLiteral("SpinUp2"));
    cara_flecha_lado(anterior_->superficie(), false);
    cara_flecha_lado(siguiente_->superficie(), true);
    anterior_->nombrar(Trayecta::tr("Experiencia anterior"),
                       Trayecta::tr("Muestra la experiencia anterior (flecha abajo en Experiencia Nro.)"));
    siguiente_->nombrar(Trayecta::tr("Experiencia siguiente"),
                        Trayecta::tr("Muestra la experiencia siguiente (flecha arriba en Experiencia Nro.)"));
    connect(anterior_, &BotonImagen::clic, this, &PanelGraficos::experiencia_anterior);
    connect(siguiente_, &BotonImagen::clic, this, &PanelGraficos::experiencia_siguiente);
    h->addWidget(rotulo_numero_);
    h->addWidget(anterior_);
    h->addWidget(numero_);
    h->addWidget(siguiente_);
    v->addWidget(num);
    horizontal_ = new QRadioButton(QStringLiteral("Vx = f(t)"), lado);
    vertical_ = new QRadioButton(QStringLiteral("Vy = f(t)"), lado);
    horizontal_->setObjectName(QStringLiteral("Option1"));
    vertical_->setObjectName(QStringLiteral("Option2"));
    vertical_->setChecked(true);
    connect(horizontal_, &QRadioButton::clicked, this, &PanelGraficos::graficar_horizontal);
    connect(vertical_, &QRadioButton::clicked, this, &PanelGraficos::graficar_vertical);
    v->addWidget(horizontal_);
    v->addWidget(vertical_);
    alternar_ = nuevo_boton("Command7", Trayecta::tr("Ver Posiciones"), lado);
    copiar_grafica_ = nuevo_boton("Command6", Trayecta::tr("Gráfica al Portapapeles"), lado);
    copiar_datos_ = nuevo_boton("Command5", Trayecta::tr("Datos al Portapapeles"), lado);
    comparar_ = nuevo_boton("Comparar", Trayecta::tr("Comparar gráficas"), lado);
    cerrar_ = nuevo_boton("Cerrar", Trayecta::tr("Cerrar"), lado);
    for (QPushButton* b : {alternar_, copiar_grafica_, copiar_datos_, comparar_, cerrar_}) v->addWidget(b);
    v->addStretch();
    connect(alternar_, &QPushButton::clicked, this, &PanelGraficos::alternar_posiciones_velocidades);
    connect(copiar_grafica_, &QPushButton::clicked, this, &PanelGraficos::copiar_grafica);
    connect(copiar_datos_, &QPushButton::clicked, this, &PanelGraficos::copiar_datos);
    connect(comparar_, &QPushButton::clicked, this, &PanelGraficos::comparar_graficas);
    connect(cerrar_, &QPushButton::clicked, this, &PanelGraficos::cerrar);
    return lado;
}

void PanelGraficos::llenar_tabla(bool velocidades) {
    if (ctx_.st.NExp != 0) ctx_.sup.retenido(false);  // a table shown leaves the scene's retained mode off
    const QStringList filas = velocidades ? tabla_velocidades(ctx_.st, ctx_.st.NGrafSel, separador_local())
                                          : tabla_posiciones(ctx_.st, ctx_.st.NGrafSel, separador_local());
    ctx_.st.TextoCopia = texto_copia(filas);
    tabla_->clear();
    tabla_->addItems(filas);
    ctx_.refrescar_escena();
}

void PanelGraficos::graficar(bool velocidades) {
    const bool vertical = vertical_->isChecked();
    // The frame is kept for the replay cursor.
    const MarcoGrafico m = velocidades ? graficar_velocidades(ctx_.st, ctx_.st.NGrafSel, *sup_grafico_, vertical,
                                                              ctx_.escena.estilo())
                                       : graficar_posiciones(ctx_.st, ctx_.st.NGrafSel, *sup_grafico_, vertical,
                                                             ctx_.escena.estilo());
    if (m.dibujado) ctx_.st.TfinEnt = m.T;
    marcos_[static_cast<size_t>(CajaGrafico::Curvas)] = m;
    grafico_->refrescar();
}

void PanelGraficos::comparar(bool velocidades) {
    PanelComparacion& p = velocidades ? *comparacion_velocidades_ : *comparacion_posiciones_;
    const bool vertical = vertical_->isChecked();
    // The frame is kept for the replay cursor.
    marcos_[static_cast<size_t>(velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP)] = p.comparar(
        ctx_.st, acumulados_, velocidades, vertical, ctx_.escena.estilo());
}

void PanelGraficos::ver_posiciones() {
    alternar_->setText(Trayecta::tr("Ver Velocidades"));
    if (!vertical_->isChecked()) {
        vertical_->setChecked(true);
        graficar_vertical();
    }
    eje_vertical_->setText(QStringLiteral("Y"));
    horizontal_->setText(QStringLiteral("X = f(t)"));
    vertical_->setText(QStringLiteral("Y = f(t)"));
    ModoGraf = ModoGrafico::Posiciones;
    cabecera_->setText(QStringLiteral("t             X             Y"));
    nombrar_tabla();
    if (ctx_.st.EnVuelo != 1) {
        setTitle(Trayecta::tr("Posiciones"));
        titulo_posiciones_ = true;
        mostrar_y_enfocar();
        llenar_tabla(false);
        graficar(false);
    }
}

void PanelGraficos::ver_velocidades() {
    alternar_->setText(Trayecta::tr("Ver Posiciones"));
    horizontal_->setText(QStringLiteral("Vx = f(t)"));
    vertical_->setText(QStringLiteral("Vy = f(t)"));
    if (!vertical_->isChecked()) {
        vertical_->setChecked(true);
        graficar_vertical();
    }
    eje_vertical_->setText(QStringLiteral("Vy"));
    cabecera_->setText(QStringLiteral("t             Vx            Vy"));
    ModoGraf = ModoGrafico::Velocidades;
    nombrar_tabla();
    if (ctx_.st.EnVuelo != 1) {
        setTitle(Trayecta::tr("Velocidades Instantaneas"));
        titulo_posiciones_ = false;
        mostrar_y_enfocar();
        llenar_tabla(true);
        graficar(true);
    }
}

void PanelGraficos::nombrar_tabla() {
    const bool posiciones = ModoGraf == ModoGrafico::Posiciones;
    tabla_->setAccessibleName(posiciones ? Trayecta::tr("Tabla de posiciones") : Trayecta::tr("Tabla de velocidades"));
    tabla_->setAccessibleDescription(posiciones ? Trayecta::tr("Columnas: t en s, X en m, Y en m")
                                                : Trayecta::tr("Columnas: t en s, Vx en m/s, Vy en m/s"));
    cabecera_->setAccessibleName(tabla_->accessibleDescription());
}

void PanelGraficos::mostrar_y_enfocar() {
    // Switching between positions and velocities keeps the first opener.
    if (!isVisible()) volver_foco_.recordar(this);
    show();
    raise();
    if (!isAncestorOf(QApplication::focusWidget())) tabla_->setFocus(Qt::TabFocusReason);
}

bool PanelGraficos::eventFilter(QObject* o, QEvent* ev) {
    if (o == numero_ && ev->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(ev)->key()) {
            case Qt::Key_Up:
                experiencia_siguiente();
                return true;
            case Qt::Key_Down:
                experiencia_anterior();
                return true;
            default:
                break;
        }
    }
    return QGroupBox::eventFilter(o, ev);
}

void PanelGraficos::alternar_posiciones_velocidades() {
    if (ModoGraf != ModoGrafico::Posiciones)
        ver_posiciones();
    else
        ver_velocidades();
}

void PanelGraficos::graficar_horizontal() {
    if (ModoGraf != ModoGrafico::Posiciones) {
        eje_vertical_->setText(QStringLiteral("Vx"));
        graficar(true);
        comparacion_velocidades_->setTitle(Trayecta::tr("Velocidades Vx"));
    } else {
        eje_vertical_->setText(QStringLiteral("X"));
        graficar(false);
        comparacion_posiciones_->setTitle(Trayecta::tr("Posiciones X"));
    }
    volver_a_comparar();
}

void PanelGraficos::graficar_vertical() {
    if (ModoGraf != ModoGrafico::Posiciones) {
        eje_vertical_->setText(QStringLiteral("Vy"));
        graficar(true);
        comparacion_velocidades_->setTitle(Trayecta::tr("Velocidades Vy"));
    } else {
        eje_vertical_->setText(QStringLiteral("Y"));
        graficar(false);
        comparacion_posiciones_->setTitle(Trayecta::tr("Posiciones Y"));
    }
    volver_a_comparar();
}

QRect PanelGraficos::tabla_y_botones() const { return QRect(mapToParent(cabecera_->pos()), geometry().bottomRight()); }

void PanelGraficos::repintar() {
    if (ctx_.st.EnVuelo == 1) return;
    if (isVisible() && ModoGraf != ModoGrafico::Ninguno) graficar(ModoGraf == ModoGrafico::Velocidades);
    volver_a_comparar();
}

void PanelGraficos::volver_a_comparar() {
    // An open comparison shows the component its caption names.
    if (comparacion_posiciones_->isVisible()) comparar(false);
    if (comparacion_velocidades_->isVisible()) comparar(true);
}

bool PanelGraficos::tecla_en_numero(QChar tecla) {
    const bool vale = tecla.isDigit() || tecla == QChar(8) || tecla == QChar(13);
    if (!vale) ctx_.dialogos.pitido();
    return vale;
}

void PanelGraficos::numero_cambiado() {
    EstadoExp& st = ctx_.st;
    // A number too large for 16 bits stops at 32767, beyond any experiment.
    const int16_t n = entero16(leer_numero(numero_->text()));
    if (n > st.NExp || n < 1) numero_->setText(QString());
    st.NGrafSel = n;
    if (isVisible() && st.NGrafSel >= 1 && st.NGrafSel <= st.NExp) {
        const bool velocidades = ModoGraf == ModoGrafico::Velocidades;
        llenar_tabla(velocidades);
        graficar(velocidades);
    }
}

void PanelGraficos::experiencia_anterior() {
    anterior_->presionar_y(ctx_.reloj, [this] {
        if (ctx_.st.NGrafSel > 1) --ctx_.st.NGrafSel;
        numero_->setText(forma_simple_entero(ctx_.st.NGrafSel));
    });
}

void PanelGraficos::experiencia_siguiente() {
    siguiente_->presionar_y(ctx_.reloj, [this] {
        if (ctx_.st.NGrafSel < ctx_.st.NExp) ++ctx_.st.NGrafSel;
        numero_->setText(forma_simple_entero(ctx_.st.NGrafSel));
    });
}

void PanelGraficos::comparar_graficas() {
    const bool velocidades = !titulo_posiciones_;
    PanelComparacion& p = velocidades ? *comparacion_velocidades_ : *comparacion_posiciones_;
    // Over this panel's own graph, which it stands for, never over the table and the buttons.
    if (QWidget* padre = p.parentWidget()) { p.move(lugar_libre(p.size(), padre->rect(), {tabla_y_botones()}, pos())); }
    p.show();
    p.raise();
    llenar_tabla(velocidades);
    comparar(velocidades);
}

void PanelGraficos::tras_comparacion(bool velocidades) {
    (velocidades ? comparacion_velocidades_ : comparacion_posiciones_)->hide();
    llenar_tabla(velocidades);
    graficar(velocidades);
    ctx_.escena.redibujar_escena();
    ctx_.refrescar_escena();
}

void PanelGraficos::cerrar_comparacion_posiciones() { tras_comparacion(false); }
void PanelGraficos::cerrar_comparacion_velocidades() { tras_comparacion(true); }

void PanelGraficos::cerrar() {
    const bool tenia_foco = tiene_el_foco(this);
    hide();
    if (tenia_foco) volver_foco_.devolver();
    ctx_.escena.redibujar_escena();
    ctx_.refrescar_escena();
}

void PanelGraficos::copiar_grafica() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(sup_grafico_->imagen());
}

void PanelGraficos::copiar_datos() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(ctx_.st.TextoCopia);
}

void PanelGraficos::mostrar_numero(const QString& t) { numero_->setText(t); }

void PanelGraficos::vaciar_tabla_y_numero() {
    tabla_->clear();
    numero_->setText(QString());
}

void PanelGraficos::borrar_grafico() {
    marcos_[static_cast<size_t>(CajaGrafico::Curvas)] = {};  // no graph for the replay cursor
    sup_grafico_->retenido(true);
    sup_grafico_->borrar();
    grafico_->refrescar();
}

}  // namespace tya
