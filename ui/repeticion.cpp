// SPDX-License-Identifier: GPL-3.0-or-later
#include "repeticion.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "controles.h"
#include "foco.h"
#include "core/formato.h"
#include "core/traduccion.h"
#include "graphs/cursor_grafico.h"
#include "panel_comparacion.h"
#include "panel_graficos.h"
#include "scene/vectores.h"
#include "tamano_ventana.h"

namespace tya {

namespace {
constexpr int kTicMs = 10;  // as often as the flight's marks come
const char* const kNombres[7] = {"t", "X", "Y", "Vx", "Vy", "Ax", "Ay"};
const CajaGrafico kCajas[3] = {CajaGrafico::Curvas, CajaGrafico::ComparaP, CajaGrafico::ComparaV};
}  // namespace

Repeticion::Repeticion(const ContextoVentana& ctx, PanelGraficos& graficos, QAction* entrada, QWidget* padre)
    : QWidget(padre, Qt::Tool), ctx_(ctx), graficos_(graficos), st_(ctx.st), entrada_(entrada) {
    setWindowTitle(Trayecta::tr("Repetir"));
    setObjectName(QStringLiteral("Repeticion"));
    setFocusPolicy(Qt::StrongFocus);
    foco_visible(this);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    auto* arriba = new QHBoxLayout;
    auto* rotulo = new QLabel(Trayecta::tr("Experiencia Nro."), this);
    arriba->addWidget(rotulo);
    experiencia_ = new QSpinBox(this);
    experiencia_->setObjectName(QStringLiteral("experiencia"));
    experiencia_->setAccessibleName(Trayecta::tr("Experiencia Nro."));
    rotulo->setBuddy(experiencia_);
    arriba->addWidget(experiencia_);
    arriba->addStretch();
    v->addLayout(arriba);
    auto* cuando = new QHBoxLayout;
    tiempo_ = new QLabel(this);
    tiempo_->setObjectName(QStringLiteral("tiempo"));
    tiempo_->setMinimumWidth(90);
    numero_ = new QLabel(this);
    numero_->setObjectName(QStringLiteral("numero"));
    numero_->setMinimumWidth(120);
    cuando->addWidget(tiempo_);
    cuando->addWidget(numero_);
    cuando->addStretch();
    v->addLayout(cuando);

    deslizador_ = new QSlider(Qt::Horizontal, this);
    deslizador_->setObjectName(QStringLiteral("deslizador"));
    deslizador_->setMinimumWidth(240);
    deslizador_->setAccessibleName(Trayecta::tr("Muestra"));
    deslizador_->setAccessibleDescription(Trayecta::tr("Intro abre la tabla de la muestra"));
    v->addWidget(deslizador_);

    auto* botones = new QHBoxLayout;
    auto boton = [&](const char* nombre, const QString& texto, const QString& ayuda) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QLatin1String(nombre));
        b->setToolTip(ayuda);
        // "|<" read aloud says nothing: the tooltip's words without the key.
        b->setAccessibleName(ayuda.section(QStringLiteral(" ("), 0, 0));
        b->setAutoDefault(false);
        botones->addWidget(b);
        return b;
    };
    inicio_ = boton("inicio", QStringLiteral("|<"), Trayecta::tr("Al comienzo (Inicio)"));
    atras_ = boton("atras", QStringLiteral("<"), Trayecta::tr("Muestra anterior (flecha izquierda)"));
    reproducir_ = boton("reproducir", Trayecta::tr("Reproducir"),
                        Trayecta::tr("Reproducir o pausar (barra espaciadora)"));
    adelante_ = boton("adelante", QStringLiteral(">"), Trayecta::tr("Muestra siguiente (flecha derecha)"));
    fin_ = boton("fin", QStringLiteral(">|"), Trayecta::tr("Al final (Fin)"));
    // Arrows need no more than their glyphs: the panel must fit beside the flight.
    for (QPushButton* b : {inicio_, atras_, adelante_, fin_})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 20);
    v->addLayout(botones);
    auto* fila_ritmo = new QHBoxLayout;
    auto* rotulo_ritmo = new QLabel(Trayecta::tr("Ritmo"), this);
    fila_ritmo->addWidget(rotulo_ritmo);
    ritmo_ = new QComboBox(this);
    ritmo_->setObjectName(QStringLiteral("ritmo"));
    ritmo_->setAccessibleName(Trayecta::tr("Ritmo"));
    rotulo_ritmo->setBuddy(ritmo_);
    // In the order of Ritmo.
    ritmo_->addItems({Trayecta::tr("el del vuelo"), QStringLiteral("×4"), Trayecta::tr("tiempo real")});
    ritmo_->setToolTip(Trayecta::tr("Tiempo real: una muestra cada 0,75 s, lo que duró en el vuelo"));
    fila_ritmo->addWidget(ritmo_, 1);
    v->addLayout(fila_ritmo);

    auto* tabla = new QGridLayout;
    tabla->setSpacing(2);
    QFont negrita = font();
    negrita.setBold(true);
    // Two rows of names and values, so the panel is narrow enough for the room beside the flight.
    for (int f = 0; f < 7; ++f) {
        const int fila = f < 4 ? 0 : 2, col = f < 4 ? f : f - 4;
        auto* c = new QLabel(QLatin1String(kNombres[f]), this);
        c->setFont(negrita);
        c->setAlignment(Qt::AlignCenter);
        c->setStyleSheet(QStringLiteral("background: rgb(192,192,192);"));
        valores_[static_cast<size_t>(f)] = new QLabel(this);
        valores_[static_cast<size_t>(f)]->setObjectName(QStringLiteral("valor%1").arg(f + 1));
        valores_[static_cast<size_t>(f)]->setMinimumWidth(64);
        valores_[static_cast<size_t>(f)]->setStyleSheet(QStringLiteral("background: white;"));
        tabla->addWidget(c, fila, col);
        tabla->addWidget(valores_[static_cast<size_t>(f)], fila + 1, col);
    }
    v->addLayout(tabla);
    // Every control takes the focus; the panel's keys work from any of them.
    for (QWidget* h :
         {static_cast<QWidget*>(experiencia_), static_cast<QWidget*>(deslizador_), static_cast<QWidget*>(ritmo_),
          static_cast<QWidget*>(inicio_), static_cast<QWidget*>(atras_), static_cast<QWidget*>(reproducir_),
          static_cast<QWidget*>(adelante_), static_cast<QWidget*>(fin_)})
        h->installEventFilter(this);

    reloj_ = new QTimer(this);
    reloj_->setInterval(kTicMs);
    connect(reloj_, &QTimer::timeout, this, &Repeticion::avanzar_al_reloj);
    connect(deslizador_, &QSlider::valueChanged, this, [this](int i) {
        if (i != muestra_) ir_a(i);
    });
    connect(inicio_, &QPushButton::clicked, this, [this] {
        reproducir(false);
        ir_a(1);
    });
    connect(atras_, &QPushButton::clicked, this, [this] {
        reproducir(false);
        paso(-1);
    });
    connect(adelante_, &QPushButton::clicked, this, [this] {
        reproducir(false);
        paso(1);
    });
    connect(fin_, &QPushButton::clicked, this, [this] {
        reproducir(false);
        ir_a(n_);
    });
    connect(reproducir_, &QPushButton::clicked, this, [this] { reproducir(!reproduciendo()); });
    connect(ritmo_, &QComboBox::currentIndexChanged, this, [this](int i) { ritmo(static_cast<Ritmo>(i)); });
    // The choice of experiment is the graph panel's number box: one choice for every view.
    connect(experiencia_, &QSpinBox::valueChanged, this, [this](int k) {
        if (activo_ && k != k_) graficos_.numero()->setText(forma_simple_entero(k));
    });
    connect(graficos_.numero(), &QLineEdit::textChanged, this, &Repeticion::seguir_panel_graficos);
    connect(entrada_, &QAction::triggered, this, &Repeticion::abrir);
    // A rebuilt table has lost its selected row.
    connect(graficos_.tabla()->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (activo_) marcar_fila();
    });

    escena_ = ctx_.vista;
    escena_->encima = [this](QPainter& p) { pintar_escena(p); };
    cajas_ = {graficos_.vista_grafico(), graficos_.comparacion_posiciones().vista(),
              graficos_.comparacion_velocidades().vista()};
    for (int c = 0; c < 3; ++c)
        cajas_[static_cast<size_t>(c)]->encima = [this, c](QPainter& p) { pintar_grafico(p, c); };
}

void Repeticion::permitir(bool si) {
    entrada_->setEnabled(si && st_.NExp >= 1 && st_.EnVuelo != 1);
    if (!si) cerrar();
}

void Repeticion::abrir() {
    if (st_.EnVuelo == 1 || st_.NExp < 1) return;
    int k = st_.NGrafSel;
    if (muestras_repeticion(st_, k) < 1) {
        k = st_.NExp;
        while (k > 1 && muestras_repeticion(st_, k) < 1) --k;
        if (muestras_repeticion(st_, k) < 1) return;  // no stored experiment has a sample
        graficos_.numero()->setText(forma_simple_entero(k));
    }
    if (!activo_) {
        QListWidget* l = graficos_.tabla();
        fila_antes_ = l->currentRow();
        desplazamiento_antes_ = l->verticalScrollBar()->value();
        activo_ = true;
        muestra_ = 1;
    }
    elegir(k);
    if (!isVisible()) colocar();
    if (!isVisible()) volver_foco_.recordar(this);
    show();
    raise();
    activateWindow();
    reproducir_->setFocus(Qt::TabFocusReason);
}

void Repeticion::colocar() {
    // After the flight, the table row it marks and the buttons beside it, then the comparisons.
    const QRect tabla = graficos_.isVisible()
                            ? QRect(graficos_.parentWidget()->mapToGlobal(graficos_.tabla_y_botones().topLeft()),
                                    graficos_.tabla_y_botones().size())
                            : QRect();
    colocar_fuera_del_vuelo(this, escena_, ctx_.sup,
                            {{tabla, 4},
                             {en_pantalla(&graficos_.comparacion_posiciones()), 2},
                             {en_pantalla(&graficos_.comparacion_velocidades()), 2},
                             en_pantalla(&graficos_)});
}

void Repeticion::elegir(int k) {
    k_ = k;
    n_ = muestras_repeticion(st_, k);
    {
        const QSignalBlocker a(experiencia_), b(deslizador_);
        experiencia_->setRange(1, std::max<int>(1, st_.NExp));
        experiencia_->setValue(k);
        deslizador_->setRange(1, std::max(1, n_));
    }
    ir_a(std::min(muestra_, n_));
}

void Repeticion::seguir_panel_graficos() {
    // Another experiment chosen in the graph panel: the cursor keeps its sample where it can.
    if (activo_ && st_.NGrafSel != k_ && muestras_repeticion(st_, st_.NGrafSel) >= 1) elegir(st_.NGrafSel);
}

void Repeticion::ir_a(int i) {
    if (!activo_ || n_ < 1) return;
    muestra_ = std::clamp(i, 1, n_);
    if (reproduciendo() && muestra_ == n_) reproducir(false);
    mostrar();
}

void Repeticion::mostrar() {
    const std::array<QString, 7> v = valores_repeticion(st_, k_, muestra_);
    for (size_t f = 0; f < 7; ++f) valores_[f]->setText(v[f]);
    tiempo_->setText(QStringLiteral("t =%1 s").arg(v[0]));
    numero_->setText(Trayecta::tr("Muestra %1 de %2").arg(muestra_).arg(n_));
    {
        const QSignalBlocker b(deslizador_);
        deslizador_->setValue(muestra_);
    }
    marcar_fila();
    // Each view repaints where the marks were last painted and where they go now.
    escena_->update(zona_escena_);
    escena_->update(cursor_escena(st_, ctx_.sup, k_, muestra_).zona);
    for (int c = 0; c < 3; ++c) {
        VistaSuperficie* g = cajas_[static_cast<size_t>(c)];
        if (!g->isVisible()) continue;
        for (const std::optional<int>& x : {columnas_[static_cast<size_t>(c)], columna(c)})
            if (x) g->update(QRect(*x - 1, 0, 3, g->height()));
    }
}

void Repeticion::marcar_fila() {
    QListWidget* l = graficos_.tabla();
    if (!marcas_) return;
    // The table lists the chosen experiment, one row per sample from t = 0.
    if (st_.NGrafSel != k_ || muestra_ > l->count()) return;
    l->setCurrentRow(muestra_ - 1);
    // In the middle of the list: where the screen leaves no room, this panel may cover its top.
    l->scrollToItem(l->item(muestra_ - 1), QAbstractItemView::PositionAtCenter);
}

std::optional<int> Repeticion::columna(int c) const {
    PanelGraficos& g = graficos_;
    const Superficie& s = c == 0   ? g.grafico()
                          : c == 1 ? g.comparacion_posiciones().superficie()
                                   : g.comparacion_velocidades().superficie();
    return columna_cursor(s, graficos_.marco(kCajas[c]), st_, muestra_);
}

void Repeticion::pintar_escena(QPainter& p) {
    if (!activo_ || !marcas_) return;
    const CursorEscena c = cursor_escena(st_, ctx_.sup, k_, muestra_);
    pintar_cursor_escena(p, c);
    zona_escena_ = c.zona;  // after a zoom switch too, where the marks now are
}

void Repeticion::pintar_grafico(QPainter& p, int c) {
    columnas_[static_cast<size_t>(c)] = std::nullopt;
    if (!activo_ || !marcas_) return;
    const std::optional<int> x = columna(c);
    if (!x) return;
    columnas_[static_cast<size_t>(c)] = x;
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 0, Qt::DashLine));
    p.drawLine(*x, 0, *x, cajas_[static_cast<size_t>(c)]->height() - 1);
    p.restore();
}

bool Repeticion::clic_escena(const Raton& r) {
    if (!activo_) return false;
    const auto m = muestra_bajo_cursor(r, st_);
    if (!m || m->first != k_) return false;
    reproducir(false);
    ir_a(m->second);
    activateWindow();  // the keys go on stepping from the clicked sample
    return true;
}

void Repeticion::mostrar_marcas(bool si) {
    marcas_ = si;
    if (!activo_) return;
    // The table's selected row is the cursor's too.
    if (si)
        marcar_fila();
    else
        graficos_.tabla()->setCurrentRow(fila_antes_ < graficos_.tabla()->count() ? fila_antes_ : -1);
}

bool Repeticion::reproduciendo() const { return reloj_->isActive(); }

void Repeticion::reproducir(bool si) {
    if (si && activo_ && n_ > 1) {
        if (muestra_ >= n_) ir_a(1);  // played to the end: from the start again
        muestra_desde_ = muestra_;
        desde_.start();
        reloj_->start();
    } else {
        reloj_->stop();
    }
    reproducir_->setText(reproduciendo() ? Trayecta::tr("Pausa") : Trayecta::tr("Reproducir"));
}

void Repeticion::ritmo(Ritmo r) {
    if (ritmo_->currentIndex() != int(r)) ritmo_->setCurrentIndex(int(r));  // runs this again through the box
    // The pace changes from the sample shown now.
    muestra_desde_ = muestra_;
    desde_.start();
}

void Repeticion::avanzar_al_reloj() {
    const int i = muestra_al_reproducir(muestra_desde_, desde_.nsecsElapsed() / 1e9,
                                        segundos_por_muestra(static_cast<Ritmo>(ritmo_->currentIndex())), n_);
    if (i != muestra_) ir_a(i);
    if (muestra_ >= n_) reproducir(false);
}

QString Repeticion::valor(int fila) const {
    return fila >= 1 && fila <= 7 ? valores_[static_cast<size_t>(fila - 1)]->text() : QString();
}

bool Repeticion::tecla(int k) {
    switch (k) {
        case Qt::Key_Left:
            reproducir(false), paso(-1);
            break;
        case Qt::Key_Right:
            reproducir(false), paso(1);
            break;
        case Qt::Key_Home:
            reproducir(false), ir_a(1);
            break;
        case Qt::Key_End:
            reproducir(false), ir_a(n_);
            break;
        case Qt::Key_Space:
            reproducir(!reproduciendo());
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (activo_ && n_ >= 1) emit tabla_pedida(k_, muestra_);
            break;
        case Qt::Key_Escape:
            close();
            break;
        default:
            return false;
    }
    return true;
}

void Repeticion::keyPressEvent(QKeyEvent* ev) {
    if (!tecla(ev->key())) return QWidget::keyPressEvent(ev);
    ev->accept();
}

bool Repeticion::eventFilter(QObject* o, QEvent* ev) {
    if (ev->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(ev)->key();
    // The buttons would move the focus with the arrows and the list and the box change their
    // own value; here the arrows, Home, End and Enter walk the samples from any control.
    // Space presses a focused button, and the pace list keeps its own arrows.
    const bool propia = (k == Qt::Key_Space && qobject_cast<QPushButton*>(o)) ||
                        (o == ritmo_ && (k == Qt::Key_Space || k == Qt::Key_Up || k == Qt::Key_Down)) ||
                        (o == experiencia_ &&
                         (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown));
    if (propia || k == Qt::Key_Escape) return false;
    return tecla(k);
}

void Repeticion::closeEvent(QCloseEvent* ev) {
    cerrar();
    QWidget::closeEvent(ev);
}

void Repeticion::cerrar() {
    if (activo_) {
        reproducir(false);
        activo_ = false;
        // The views repaint their own pictures where the marks were.
        escena_->update(zona_escena_);
        zona_escena_ = QRect();
        for (int c = 0; c < 3; ++c)
            if (const std::optional<int> x = columnas_[static_cast<size_t>(c)])
                cajas_[static_cast<size_t>(c)]->update(QRect(*x - 1, 0, 3, cajas_[static_cast<size_t>(c)]->height()));
        QListWidget* l = graficos_.tabla();
        l->setCurrentRow(fila_antes_ < l->count() ? fila_antes_ : -1);
        l->verticalScrollBar()->setValue(desplazamiento_antes_);
    }
    if (isVisible()) {
        const bool tenia_foco = tiene_el_foco(this);
        hide();
        if (tenia_foco) volver_foco_.devolver();
    }
}

}  // namespace tya
