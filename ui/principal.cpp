#include "principal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QGuiApplication>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "controles.h"
#include "core/entrada_parametros.h"
#include "core/formato.h"
#include "core/inic.h"
#include "files/sesion.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "ayuda.h"
#include "caja_valores.h"
#include "formtabla.h"
#include "platform/impresora_sistema.h"
#include "scene/textos.h"
#include "sugiere.h"
#include "trabajo_practico.h"

namespace tya {

namespace {
const QString kBorrarCaption = QStringLiteral("B&orrar") + QString(42, QLatin1Char(' '));
const QStringList kMateriales = {QStringLiteral("Plomo (d: 11.3)"), QStringLiteral("Acero (d: 7.8)"),
                                 QStringLiteral("Piedra (d: 2.5)"), QStringLiteral("Hielo (d: 0.92)"),
                                 QStringLiteral("Madera (d: 0.8)"), QStringLiteral("Otro material")};
const QStringList kFormas = {QStringLiteral("Esfera"), QStringLiteral("Bala")};

}  // namespace

Princip::Princip(EstadoExp& estado, Dialogos& dialogos, Reloj& reloj, const QString& directorio)
    : st(estado), dialogos_(dialogos), reloj_(reloj), dir_(directorio) {
    setWindowTitle(QStringLiteral("Trayecta  //  Fisilab"));
    setObjectName(QStringLiteral("Princip"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    // The retained image is as large as the screen, so what is drawn before the window is
    // shown larger (the ground band lies below the design size) is there when it grows.
    QSize pantalla(1920, 1200);
    if (QScreen* s = QGuiApplication::primaryScreen()) pantalla = pantalla.expandedTo(s->size());
    sup_ = std::make_unique<Superficie>(nueva_superficie_escena(pantalla.width(), pantalla.height()));
    escena_ = std::make_unique<Escena>(st, *sup_, this);
    vista_ = new VistaSuperficie(*sup_, this, true);
    vista_->setObjectName(QStringLiteral("escena"));
    setCentralWidget(vista_);
    connect(vista_, &VistaSuperficie::soltado_arrastre, this, &Princip::Form_DragDrop);
    connect(vista_, &VistaSuperficie::raton_movido, this, &Princip::Form_MouseMove);
    connect(vista_, &VistaSuperficie::pulsado, this, &Princip::Form_Click);
    impresora_ = std::make_unique<ImpresoraSistema>(dir_);
    textos_ = std::make_unique<CajaTextos>(st, *escena_, dir_, medida_en_columnas(fuente_textos()));
    crear_menus();
    crear_paneles();
    conectar_textos();
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Princip::Timer1_Timer);
}

Princip::~Princip() {
    // Before the text logic it reads goes: the window is a child and would outlive it.
    delete caja_;
}

QAction* Princip::accion(const QString& nombre) const { return findChild<QAction*>(nombre); }

void Princip::crear_menus() {
    QMenuBar* barra = menuBar();
    auto entrada = [this](QMenu* m, const char* nombre, const QString& caption, bool on,
                          QKeySequence atajo = QKeySequence()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QLatin1String(nombre));
        a->setEnabled(on);
        if (!atajo.isEmpty()) a->setShortcut(atajo);
        return a;
    };
    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo"));
    Grabar = entrada(archivo, "Grabar", QStringLiteral("Guardar"), false, QKeySequence(QStringLiteral("Ctrl+G")));
    Recuperar = entrada(archivo, "Recuperar", QStringLiteral("Recuperar"), true, QKeySequence(QStringLiteral("Ctrl+R")));
    recup_sesion = entrada(archivo, "recup_sesion", QStringLiteral("Recuperar Archivo de Sesión"), true);
    menu_trazo = entrada(archivo, "menu_trazo", QStringLiteral("Documentar Sesión"), true);
    menu_trazo->setCheckable(true);
    ImprVal = entrada(archivo, "ImprVal", QStringLiteral("Imprimir Valores"), false);
    ImprGraf = entrada(archivo, "ImprGraf", QStringLiteral("Imprimir Grafica"), false);
    archivo->addSeparator()->setObjectName(QStringLiteral("x"));
    Salir = entrada(archivo, "Salir", QStringLiteral("Salir"), true, QKeySequence(QStringLiteral("Ctrl+S")));
    connect(Salir, &QAction::triggered, this, &Princip::Salir_Click);
    connect(Grabar, &QAction::triggered, this, &Princip::Grabar_Click);
    connect(Recuperar, &QAction::triggered, this, &Princip::Recuperar_Click);
    connect(recup_sesion, &QAction::triggered, this, &Princip::recup_sesion_Click);
    connect(menu_trazo, &QAction::triggered, this, [this] {
        // As with the target entry, the check mark changes only in the handler.
        menu_trazo->setChecked(!menu_trazo->isChecked());
        menu_trazo_Click();
    });

    QMenu* edicion = barra->addMenu(QStringLiteral("&Edición"));
    edicion->setObjectName(QStringLiteral("menu_edicion"));
    menu_copi_pant = entrada(edicion, "menu_copi_pant", QStringLiteral("Copiar Pantalla al Portapapeles"), true);

    QMenu* ver = barra->addMenu(QStringLiteral("&Ver"));
    ver->setObjectName(QStringLiteral("menu_ver"));
    menu_valores = entrada(ver, "menu_valores", QStringLiteral("Valores Extremos"), false);
    menu_posiciones = entrada(ver, "menu_posiciones", QStringLiteral("Gráfico Posiciones"), false);
    menu_velocidades = entrada(ver, "menu_velocidades", QStringLiteral("Gráfico Velocidades"), false);
    menu_zoom = entrada(ver, "menu_zoom", QStringLiteral("Escala/10"), true);
    menu_modelo = entrada(ver, "menu_modelo", QStringLiteral("Modelo"), true);
    connect(menu_zoom, &QAction::triggered, this, &Princip::menu_zoom_Click);

    QMenu* opciones = barra->addMenu(QStringLiteral("&Blanco"));
    opciones->setObjectName(QStringLiteral("Opciones"));
    Blanco1 = entrada(opciones, "Blanco1", QStringLiteral("Colocar"), true, QKeySequence(QStringLiteral("Ctrl+B")));
    Blanco1->setCheckable(true);
    connect(Blanco1, &QAction::triggered, this, [this] {
        // The check mark is the program's record of the target: only the handler changes it,
        // so the toolkit's own toggle is undone first.
        Blanco1->setChecked(!Blanco1->isChecked());
        Blanco1_Click();
    });

    QMenu* actividades = barra->addMenu(QStringLiteral("A&ctividades"));
    actividades->setObjectName(QStringLiteral("Actividades"));
    tp = entrada(actividades, "tp", QStringLiteral("Trabajo Práctico"), true);
    Problem = entrada(actividades, "Problem", QStringLiteral("Problemas"), true);

    auto en_barra = [&](const char* nombre, const QString& caption) {
        QAction* a = barra->addAction(caption);
        a->setObjectName(QLatin1String(nombre));
        return a;
    };
    Lanzar1 = en_barra("Lanzar1", QStringLiteral("&LANZAR"));
    menu_parar = en_barra("menu_parar", QStringLiteral("&Parar"));
    Borrar = en_barra("Borrar", kBorrarCaption);
    connect(Lanzar1, &QAction::triggered, this, &Princip::Lanzar1_Click);
    connect(menu_parar, &QAction::triggered, this, &Princip::menu_parar_Click);
    connect(Borrar, &QAction::triggered, this, &Princip::Borrar_Click);

    QMenu* ayuda = barra->addMenu(QStringLiteral("A&YUDA"));
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    Menu_seleccion[1] = entrada(ayuda, "Menu_seleccion1", QStringLiteral("Contenidos"), true, QKeySequence(Qt::Key_F1));
    Menu_seleccion[2] = entrada(ayuda, "Menu_seleccion2", QStringLiteral("Buscar"), true);
    Menu_seleccion[3] = ayuda->addSeparator();
    Menu_seleccion[3]->setObjectName(QStringLiteral("Menu_seleccion3"));
    Menu_seleccion[4] = entrada(ayuda, "Menu_seleccion4", QStringLiteral("Acerca de Trayecta"), true);

    for (int k : {1, 2, 4})
        connect(Menu_seleccion[k], &QAction::triggered, this, [this, k] { Menu_seleccion_Click(k); });

    menu_sugiere = en_barra("menu_sugiere", QStringLiteral("?"));
    connect(menu_sugiere, &QAction::triggered, this, &Princip::menu_sugiere_Click);
}

void Princip::crear_paneles() {
    auto marco = [this](const char* nombre, const QString& caption) {
        auto* g = new QGroupBox(caption, vista_);
        g->setObjectName(QLatin1String(nombre));
        g->setAutoFillBackground(true);
        return g;
    };
    auto etiqueta = [](const QString& t, QWidget* padre) { return new QLabel(t, padre); };
    static const char* const kTooltips[11] = {
        nullptr, "Velocidad Inicial, de 0 a 340 m/S", "Angulo Inicial, de -180º a +180º",
        "X inicial, de 0 a 6450 m", "Y Inicial, de 0 a 4200 m", nullptr, nullptr, nullptr, nullptr,
        "Radio de Partícula, de 0.01cm a 100 cm", "Viento Horiz. De -50 m/S a +50m/S"};
    auto caja = [&](int i, QWidget* padre) {
        auto* c = new CajaTexto(padre);
        c->setObjectName(QStringLiteral("Entrada_%1").arg(i));
        c->setFixedWidth(48);
        if (kTooltips[i]) c->setToolTip(QString::fromUtf8(kTooltips[i]));
        c->filtro = [this, i](QChar k) { return Entrada_KeyPress(i, k); };
        connect(c, &QLineEdit::textChanged, this, [this, i] { Entrada_Change(i); });
        Entrada[i] = c;
        return c;
    };
    auto flechas = [&](int i, QWidget* padre) {
        auto* w = new QWidget(padre);
        auto* l = new QVBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
        SpinUp[i] = new BotonImagen(16, 13, 16, 13, w);
        SpinDown[i] = new BotonImagen(16, 13, 16, 13, w);
        SpinUp[i]->setObjectName(QStringLiteral("SpinUp_%1").arg(i));
        SpinDown[i]->setObjectName(QStringLiteral("SpinDown_%1").arg(i));
        cara_flecha(SpinUp[i]->superficie(), true);
        cara_flecha(SpinDown[i]->superficie(), false);
        connect(SpinUp[i], &BotonImagen::clic, this, [this, i] { SpinUp_Click(i); });
        connect(SpinDown[i], &BotonImagen::clic, this, [this, i] { SpinDown_Click(i); });
        l->addWidget(SpinUp[i]);
        l->addWidget(SpinDown[i]);
        return w;
    };

    Frame1 = marco("Frame1", QStringLiteral("Condiciones iniciales"));
    {
        auto* g = new QGridLayout(Frame1);
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
        g->addWidget(etiqueta(QStringLiteral("Vo :"), Frame1), 0, 0);
        g->addWidget(caja(1, Frame1), 0, 1);
        g->addWidget(flechas(1, Frame1), 0, 2);
        g->addWidget(etiqueta(QStringLiteral("θ :"), Frame1), 1, 0);
        g->addWidget(caja(2, Frame1), 1, 1);
        g->addWidget(flechas(2, Frame1), 1, 2);
        g->addWidget(etiqueta(QStringLiteral("Xo="), Frame1), 0, 3);
        g->addWidget(caja(3, Frame1), 0, 4);
        g->addWidget(etiqueta(QStringLiteral("Yo="), Frame1), 1, 3);
        g->addWidget(caja(4, Frame1), 1, 4);
    }
    Frame2 = marco("Frame2", QStringLiteral("Blanco"));
    {
        auto* g = new QGridLayout(Frame2);
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
        g->addWidget(etiqueta(QStringLiteral("Xo="), Frame2), 0, 0);
        g->addWidget(caja(5, Frame2), 0, 1);
        g->addWidget(etiqueta(QStringLiteral("Yo="), Frame2), 1, 0);
        g->addWidget(caja(6, Frame2), 1, 1);
        g->addWidget(etiqueta(QStringLiteral("Vx :"), Frame2), 0, 2);
        g->addWidget(caja(7, Frame2), 0, 3);
        g->addWidget(etiqueta(QStringLiteral("Vy :"), Frame2), 1, 2);
        g->addWidget(caja(8, Frame2), 1, 3);
    }
    ccc = marco("ccc", QStringLiteral("Medio"));
    {
        auto* g = new QGridLayout(ccc);
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
        Option3[0] = new QRadioButton(QStringLiteral("Vacío"), ccc);
        Option3[1] = new QRadioButton(QStringLiteral(" Aire"), ccc);
        for (int i = 0; i < 2; ++i) {
            Option3[i]->setObjectName(QStringLiteral("Option3_%1").arg(i));
            connect(Option3[i], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
        }
        Option3[0]->setChecked(true);
        g->addWidget(Option3[0], 0, 0);
        g->addWidget(Option3[1], 0, 1);
        g->addWidget(etiqueta(QStringLiteral("Viento (m/S)"), ccc), 1, 0);
        g->addWidget(caja(10, ccc), 1, 1);
    }
    Frame5 = marco("Frame5", QStringLiteral("Partícula"));
    {
        auto* g = new QGridLayout(Frame5);
        g->setContentsMargins(6, 4, 6, 4);
        g->setVerticalSpacing(2);
        auto combo = [&](const char* nombre, const QString& ayuda) {
            auto* c = new QComboBox(Frame5);
            c->setObjectName(QLatin1String(nombre));
            c->setEditable(true);  // the material list shows a typed density as its text
            c->lineEdit()->setReadOnly(true);
            c->setToolTip(ayuda);
            return c;
        };
        Combo1 = combo("Combo1", QStringLiteral("Material de la partícula"));
        Combo2 = combo("Combo2", QStringLiteral("Forma de partícula"));
        Combo1->setMinimumWidth(130);
        connect(Combo1, &QComboBox::activated, this, &Princip::Combo1_Click);
        connect(Combo2, &QComboBox::activated, this, &Princip::Combo2_Click);
        g->addWidget(Combo1, 0, 0, 1, 2);
        g->addWidget(Combo2, 1, 0);
        auto* r = new QWidget(Frame5);
        auto* h = new QHBoxLayout(r);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(1);
        h->addWidget(caja(9, r));
        h->addWidget(etiqueta(QStringLiteral(" cm"), r));
        g->addWidget(r, 1, 1);
    }
    Frame10 = marco("Frame10", QString());
    {
        auto* h = new QHBoxLayout(Frame10);
        h->setContentsMargins(4, 4, 4, 4);
        Picture1 = new BotonImagen(32, 32, 10, 10, Frame10);
        Picture2 = new BotonImagen(32, 32, 10, 10, Frame10);
        Picture1->setObjectName(QStringLiteral("Picture1"));
        Picture2->setObjectName(QStringLiteral("Picture2"));
        Picture1->setToolTip(QStringLiteral("Lanzar"));
        Picture2->setToolTip(QStringLiteral("Parar"));
        cara_lanzar(Picture1->superficie());
        cara_parar(Picture2->superficie());
        connect(Picture1, &BotonImagen::clic, this, &Princip::Picture1_Click);
        connect(Picture2, &BotonImagen::clic, this, &Princip::Picture2_Click);
        h->addWidget(Picture1);
        h->addWidget(Picture2);
    }
    // Panels along the top edge, right of the wall's extent label.
    int x = 64;
    for (QGroupBox* g : {Frame1, Frame2, ccc, Frame5, Frame10}) {
        g->adjustSize();
        g->move(x, 2);
        x += g->width() + 4;
    }
    Frame2->hide();

    Frame3 = marco("Frame3", QStringLiteral("Velocidades Instantáneas"));
    Comparaposi = marco("Comparaposi", QStringLiteral("Posiciones Y"));
    Velocidades = marco("Velocidades", QStringLiteral("Velocidades Vy"));
    Frame4 = new TrabajoPractico(*escena_, dialogos_, *impresora_, dir_, vista_);
    crear_vistas();
    for (QGroupBox* g : {Frame3, Comparaposi, Velocidades, static_cast<QGroupBox*>(Frame4)}) g->hide();

    Label18 = new QLabel(QStringLiteral("3750 m"), vista_);
    Label18->setObjectName(QStringLiteral("Label18"));
    Label19 = new QLabel(QStringLiteral("6400 m"), vista_);
    Label19->setObjectName(QStringLiteral("Label19"));
    for (QLabel* l : {Label18, Label19}) l->setAttribute(Qt::WA_TranslucentBackground);
    // Next to the top of the wall, and above the right end of the ground band.
    Label18->adjustSize();
    Label18->move(int(sup_->x_px(0)) + 4, int(sup_->y_px(3800)) - Label18->height() / 2);
    Label19->adjustSize();
    Label19->move(int(sup_->x_px(6450)) - Label19->width(), int(sup_->y_px(0)) - Label19->height() - 2);

    Cruz = new Marcador(false, vista_);
    Cruz->setObjectName(QStringLiteral("Cruz"));
    Blanco = new Marcador(true, vista_);
    Blanco->setObjectName(QStringLiteral("Blanco"));
    Blanco->hide();
    connect(Cruz, &Marcador::presionado, this, &Princip::Cruz_MouseDown);
    connect(Blanco, &Marcador::presionado, this, &Princip::Blanco_MouseDown);
}

bool Princip::cargar() {
    // Both files are read before anything is set up, so a bad one leaves no half-built window.
    ValoresInic inic;
    uint8_t trazo = 0;
    QString error;
    if (!leer_inic(QDir(dir_).filePath(QStringLiteral("INIC.DAT")), inic, error) ||
        !leer_trazo(QDir(dir_).filePath(QStringLiteral("trazo.txt")), trazo, error)) {
        dialogos_.mensaje(error);
        return false;
    }

    st.ColorVel = rgb(250, 100, 250);
    st.ColorAcel = rgb(50, 250, 250);
    st.Escala = 1;
    st.Dt = Fijo::crudo(150);
    {
        QFile uno(QDir(dir_).filePath(QStringLiteral("uno.log")));
        if (uno.open(QIODevice::WriteOnly | QIODevice::Truncate)) uno.write("archivo de inicio\r\n");
    }
    st.RutaAyuda = QDir(dir_).filePath(QStringLiteral("tyayuda2.hlp"));
    st.Trazo = trazo;
    const ListaLogs logs = listar_logs(dir_);
    File1 = logs.nombres;
    st.NLogs = static_cast<int32_t>(logs.nombres.size());
    st.TamLogs = logs.bytes;
    if (st.Trazo == 1) documentacion_al_arrancar();

    aplicar_inic(inic, st);
    for (int i = 1; i <= 10; ++i) poner_texto(i, forma_archivo(st.Param[i]));
    Paso = {0, 10, 5};
    st.NExp = 0;
    st.NColor = 2;

    resize(640, 337);  // 9600 by 5050 twips
    escena_->preparar();
    refrescar_escena();

    Combo1->clear();
    Combo1->addItems(kMateriales);
    Combo1->setCurrentIndex(0);
    Combo2->clear();
    Combo2->addItems(kFormas);
    Combo2->setCurrentIndex(0);
    st.Densidad = kDensMat[0];
    st.Aire = 0;
    st.Cd = kCdForma[0];
    Option3[0]->setChecked(true);
    Entrada[10]->setEnabled(false);
    Timer1->start();
    return true;
}

// ---- Launch and stop -------------------------------------------------------------------

void Princip::Lanzar1_Click() {
    if (st.EnVuelo == 1) return;
    if (st.NExp == 10) {
        if (!dialogos_.confirmar(QStringLiteral("Los Gráficos anteriores serán borrados"))) return;
        escena_->borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
        refrescar_escena();
    }
    ImprVal->setEnabled(true);
    ImprGraf->setEnabled(true);
    if (!menu_velocidades->isEnabled() && !Blanco1->isChecked()) {
        menu_velocidades->setEnabled(true);
        menu_posiciones->setEnabled(true);
        menu_valores->setEnabled(true);
        Grabar->setEnabled(true);
    }
    if (Blanco1->isChecked()) menu_valores->setEnabled(true);
    if (Frame3->isVisible()) Frame3->hide();
    st.Parar = 0;
    EntornoVuelo en{st, *escena_, *this, reloj_, dialogos_};
    calcular_vuelo(en, st.MedioAnchoBlanco, st.MedioAltoBlanco);
    refrescar_escena();
}

void Princip::Picture1_Click() {
    Picture1->aspecto_presionado(reloj_);
    Lanzar1_Click();
}

void Princip::menu_parar_Click() { st.Parar = 1; }

void Princip::Picture2_Click() {
    Picture2->aspecto_presionado(reloj_);
    menu_parar_Click();
}

void Princip::Timer1_Timer() {
    ++ticks_;
    if (ticks_ > 4) {
        // Stopped first: the prompt is modal and the timer must not come back while it shows.
        Timer1->stop();
        double v = 0;
        if (leer_valor(QDir(dir_).filePath(QStringLiteral("sugiere")), v) && v == 1) mostrar_sugerencias();
    }
}

void Princip::menu_sugiere_Click() { mostrar_sugerencias(); }

void Princip::Menu_seleccion_Click(int indice) {
    if (indice == 4) return caja_valores()->mostrar_texto(1);
    // The help command is the entry's index plus 8, the second entry counting as 3.
    const int comando = (indice == 2 ? 3 : indice) + 8;
    delete ayuda_;
    ayuda_ = new VisorAyuda(st.RutaAyuda, comando, this);
    ayuda_->show();
}

void Princip::mostrar_sugerencias() {
    Sugiere s(QDir(dir_).filePath(QStringLiteral("sugiere")), this);
    s.exec();
}

// ---- Scene commands --------------------------------------------------------------------

void Princip::Borrar_Click() {
    if (st.EnVuelo == 1) return;
    escena_->borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
    refrescar_escena();
}

void Princip::menu_zoom_Click() {
    escena_->menu_zoom();
    refrescar_escena();
}

void Princip::Cerrar_Click() {
    Frame3->hide();
    escena_->redibujar_escena();
    refrescar_escena();
}

void Princip::Salir_Click() {
    escribir_valor(QDir(dir_).filePath(QStringLiteral("trazo.txt")), st.Trazo);
    cerrar_archivos();
    saliendo_ = true;
    st.Parar = 1;
    QApplication::quit();
}

void Princip::closeEvent(QCloseEvent* ev) {
    // A running flight stops at its next step; the program ends when it returns.
    st.Parar = 1;
    ev->accept();
    QApplication::quit();
}

void Princip::refrescar_escena() { vista_->refrescar(); }

// ---- Sample inspection -----------------------------------------------------------------

void Princip::Form_MouseMove(float x, float y) {
    switch (seguir_puntero(raton_, st, *sup_, x, y)) {
    case Puntero::Cruz: vista_->setCursor(Qt::CrossCursor); break;
    case Puntero::Flecha: vista_->setCursor(Qt::ArrowCursor); break;
    case Puntero::SinCambio: break;
    }
}

void Princip::Form_Activate() { raton_.ColorFondo = sup_->fondo(); }

void Princip::changeEvent(QEvent* ev) {
    if (ev->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
    QMainWindow::changeEvent(ev);
}

void Princip::Form_Click() {
    const std::optional<MuestraElegida> m = clic_escena(raton_, st, *sup_);
    if (!m) return;
    refrescar_escena();
    if (!formtabla_) {
        formtabla_ = new FormTabla(this);
        // Below the ground band, where neither marks nor the graph panels ever are.
        formtabla_->move(vista_->mapToGlobal(QPoint(int(sup_->x_px(0)), int(sup_->y_px(-400)))));
    }
    formtabla_->poner(m->valores);
    formtabla_->show();
}

// ---- Parameter entry -------------------------------------------------------------------

void Princip::poner_texto(int i, const QString& t) {
    if (Entrada[i]->text() != t) Entrada[i]->setText(t);
}

void Princip::recordar_anterior(int i) {
    Anterior = st.Param[i];
    if (i == iXo || i == iYo) Anterior = Fijo::entero(static_cast<int64_t>(std::floor(Anterior.real())));
    anterior_de_ = i;
}

bool Princip::Entrada_KeyPress(int i, QChar tecla) {
    recordar_anterior(i);
    const bool vale = tecla.isDigit() || tecla == QLatin1Char('-') || tecla == QLatin1Char(',') ||
                      tecla == QLatin1Char('.') || tecla == QChar(8) || tecla == QChar(13);
    if (!vale) dialogos_.pitido();
    return vale;
}

void Princip::Entrada_Change(int i) {
    // A text that came without a key press (pasted with the mouse, set by the program) must
    // not put back the value of another box.
    if (anterior_de_ != i) recordar_anterior(i);
    const ValorEntrado v = comprobar_entrada(i, Entrada[i]->text(), Lectura::Caja, st.Max, st.Min);
    if (v.metros_enteros && std::isfinite(v.valor)) {
        const QString entero = QString::number(v.valor, 'f', 0);
        if (Entrada[i]->text() != entero) {
            // The new text runs this check again, on the whole number.
            poner_texto(i, entero);
            return;
        }
    }
    if (!v.aceptado()) {
        if (i != iXo && i != iYo) dialogos_.mensaje(QStringLiteral("Valor fuera de rango"));
        st.Param[i] = Anterior;
        poner_texto(i, forma_archivo(Anterior));
        Entrada[i]->setFocus();
    } else {
        st.Param[i] = Fijo::desde(v.valor);
    }
    if (i == iXo || i == iYo) escena_->colocar_cruz();
    if (i == iXoB || i == iYoB) escena_->colocar_blanco();
}

void Princip::SpinUp_Click(int i) {
    BotonImagen* b = SpinUp[i];
    const double marca = reloj_.segundos();
    b->superficie().modo(Modo::InvertirFondo);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
    recordar_anterior(i);
    st.Param[i] = Fijo::saturado(leer_numero(Entrada[i]->text()) + Paso[i]);
    poner_texto(i, forma_archivo(st.Param[i]));
    esperar_desde(reloj_, marca, 0.1);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
}

void Princip::SpinDown_Click(int i) {
    BotonImagen* b = SpinDown[i];
    const double marca = reloj_.segundos();
    b->superficie().modo(Modo::InvertirFondo);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
    recordar_anterior(i);
    st.Param[i] = Fijo::saturado(leer_numero(Entrada[i]->text()) - Paso[i]);
    poner_texto(i, forma_archivo(st.Param[i]));
    esperar_desde(reloj_, marca, 0.1);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
}

void Princip::Combo1_Click(int posicion) {
    if (posicion >= 0 && posicion <= 4) {
        st.Densidad = kDensMat[static_cast<size_t>(posicion)];
        return;
    }
    if (posicion != 5) return;
    const QString r = dialogos_.entrada(QStringLiteral("Ingrese la densidad, entre 0.01 y 20"), QStringLiteral("Material"));
    auto plomo = [this] {
        Combo1->setCurrentIndex(0);
        Combo1->setEditText(kMateriales[0]);
        st.Densidad = kDensMat[0];
    };
    if (r.isEmpty()) return plomo();
    Combo1->setEditText(QStringLiteral("Material: d = ") + r);
    Combo1->lineEdit()->setCursorPosition(0);  // a text wider than the list shows its beginning
    const ValorEntrado d = comprobar_entrada(dDensidad, r, Lectura::Respuesta, st.Max, st.Min);
    if (!d.aceptado()) return plomo();
    st.Densidad = Fijo::desde(d.valor);
}

void Princip::Combo2_Click(int posicion) {
    if (posicion >= 0 && posicion <= 1) st.Cd = kCdForma[static_cast<size_t>(posicion)];
}

void Princip::Option3_Click(int i) {
    st.Aire = static_cast<int16_t>(i);
    if (i == 1) {
        Entrada[10]->setEnabled(true);
    } else {
        recordar_anterior(iViento);
        poner_texto(10, QStringLiteral("0"));
        Entrada_Change(10);  // also when the box already read 0
        Entrada[10]->setEnabled(false);
    }
}

// ---- Markers and target ----------------------------------------------------------------

void Princip::mover_marcador(QWidget* m, Esquina e) {
    m->move(static_cast<int>(std::lround(sup_->x_px(e.izquierda))), static_cast<int>(std::lround(sup_->y_px(e.arriba))));
}

QPointF Princip::esquina_en_escena(const QWidget* m) const {
    return {sup_->x_unidades(m->x()), sup_->y_unidades(m->y())};
}

void Princip::colocar_cruz(Esquina e) { mover_marcador(Cruz, e); }
void Princip::colocar_blanco(Esquina e) { mover_marcador(Blanco, e); }

void Princip::Cruz_MouseDown() {
    Arrastre = 1;
    dialogos_.pitido();
}

void Princip::Blanco_MouseDown() {
    Arrastre = 2;
    dialogos_.pitido();
}

void Princip::Form_DragDrop(float x, float y) {
    if (st.EnVuelo == 1) return;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    // Each text runs the entry check, which puts back the parameter's own previous value
    // when the drop lies beyond the limits.
    auto poner = [this](int i, Fijo v) {
        recordar_anterior(i);
        st.Param[i] = v;
        poner_texto(i, forma_simple(v));
    };
    if (Arrastre == 1) {
        poner(iXo, Fijo::saturado(double(x) / st.Escala));
        poner(iYo, Fijo::saturado(double(y) / st.Escala));
    } else if (Arrastre == 2) {
        poner(iXoB, Fijo::saturado(x));
        poner(iYoB, Fijo::saturado(y));
    }
}

void Princip::Blanco1_Click() {
    if (st.EnVuelo == 1) return;
    st.NExp = 0;
    if (!Blanco1->isChecked()) {
        Grabar->setEnabled(false);
        Recuperar->setEnabled(false);
        Blanco1->setChecked(true);
        Frame2->show();
        Blanco->show();
        Blanco->raise();
        menu_velocidades->setEnabled(false);
        menu_posiciones->setEnabled(false);
        menu_zoom->setEnabled(false);
    } else {
        Grabar->setEnabled(true);
        Recuperar->setEnabled(true);
        Blanco1->setChecked(false);
        Frame2->hide();
        Blanco->hide();
        menu_zoom->setEnabled(true);
    }
}

// ---- Hooks of the flight and the scene ---------------------------------------------------

void Princip::procesar_eventos() {
    vista_->refrescar();
    QCoreApplication::processEvents();
}

bool Princip::blanco_colocado() const { return Blanco1->isChecked(); }

void Princip::mostrar_radio(const QString& t) { poner_texto(iR, t); }

void Princip::mover_blanco(double izquierda, double arriba) {
    mover_marcador(Blanco, {float(izquierda), float(arriba)});
}

void Princip::mostrar_ngraf(const QString& t) { NGraf->setText(t); }

void Princip::menus_experiencias(bool h) {
    for (QAction* a : {ImprVal, ImprGraf, menu_posiciones, Grabar, menu_velocidades, menu_valores}) a->setEnabled(h);
}

void Princip::vaciar_lista_y_ngraf() {
    List1->clear();
    NGraf->setText(QString());
}

void Princip::borrar_curvas() {
    curvas_sup_->retenido(true);
    curvas_sup_->borrar();
    Curvas->refrescar();
}

void Princip::zoom_cambiado(const FilaZoom& fila) {
    menu_zoom->setText(fila.menu);
    Label18->setText(fila.label18);
    Label19->setText(fila.label19);
    Label18->adjustSize();
    Label19->adjustSize();
    Blanco1->setEnabled(fila.blanco1);
}

}  // namespace tya
