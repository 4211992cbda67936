// The graph-and-table panel, the comparison panels and their clipboard commands.
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controles.h"
#include "core/formato.h"
#include "graphs/graficos.h"
#include "graphs/tablas.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "principal.h"

namespace tya {

void Princip::crear_vistas() {
    auto boton = [](const char* nombre, const QString& caption, QWidget* padre) {
        auto* b = new QPushButton(caption, padre);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        return b;
    };
    auto etiqueta = [](const char* nombre, const QString& t, QWidget* padre) {
        auto* l = new QLabel(t, padre);
        l->setObjectName(QLatin1String(nombre));
        return l;
    };
    auto caja_grafico = [](const char* nombre, std::unique_ptr<Superficie>& sup, CajaGrafico tipo, QWidget* padre) {
        sup = std::make_unique<Superficie>(nueva_caja_grafico(tipo));
        auto* v = new VistaSuperficie(*sup, padre);
        v->setObjectName(QLatin1String(nombre));
        return v;
    };

    {
        auto* g = new QGridLayout(Frame3);
        g->setContentsMargins(6, 4, 6, 6);
        Curvas = caja_grafico("Curvas", curvas_sup_, CajaGrafico::Curvas, Frame3);
        Label13 = etiqueta("Label13", QStringLiteral("Vy"), Frame3);
        Label14 = etiqueta("Label14", QStringLiteral("tiempo"), Frame3);
        Label12 = etiqueta("Label12", QStringLiteral("t             Vx            Vy"), Frame3);
        List1 = new QListWidget(Frame3);
        List1->setObjectName(QStringLiteral("List1"));
        List1->setFixedWidth(250);  // three columns of the widest values without a scroll bar
        QFont fija(QStringLiteral("Monospace"));
        fija.setStyleHint(QFont::TypeWriter);
        fija.setPointSize(8);
        List1->setFont(fija);
        Label12->setFont(fija);
        g->addWidget(Label13, 0, 0);
        g->addWidget(Curvas, 1, 0, 4, 1);
        g->addWidget(Label14, 5, 0, Qt::AlignRight);
        g->addWidget(Label12, 0, 1);
        g->addWidget(List1, 1, 1, 5, 1);

        auto* lado = new QWidget(Frame3);
        auto* v = new QVBoxLayout(lado);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(3);
        auto* num = new QWidget(lado);
        auto* h = new QHBoxLayout(num);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        Label17 = etiqueta("Label17", QStringLiteral("Experiencia Nro."), num);
        NGraf = new CajaTexto(num);
        NGraf->setObjectName(QStringLiteral("NGraf"));
        NGraf->setFixedWidth(30);
        NGraf->filtro = [this](QChar k) { return NGraf_KeyPress(k); };
        connect(NGraf, &QLineEdit::textChanged, this, &Princip::NGraf_Change);
        SpinDown2 = new BotonImagen(16, 13, 16, 13, num);
        SpinUp2 = new BotonImagen(16, 13, 16, 13, num);
        SpinDown2->setObjectName(QStringLiteral("SpinDown2"));
        SpinUp2->setObjectName(QStringLiteral("SpinUp2"));
        cara_flecha_lado(SpinDown2->superficie(), false);
        cara_flecha_lado(SpinUp2->superficie(), true);
        connect(SpinDown2, &BotonImagen::clic, this, &Princip::SpinDown2_Click);
        connect(SpinUp2, &BotonImagen::clic, this, &Princip::SpinUp2_Click);
        h->addWidget(Label17);
        h->addWidget(SpinDown2);
        h->addWidget(NGraf);
        h->addWidget(SpinUp2);
        v->addWidget(num);
        Option1 = new QRadioButton(QStringLiteral("Vx = f(t)"), lado);
        Option2 = new QRadioButton(QStringLiteral("Vy = f(t)"), lado);
        Option1->setObjectName(QStringLiteral("Option1"));
        Option2->setObjectName(QStringLiteral("Option2"));
        Option2->setChecked(true);
        connect(Option1, &QRadioButton::clicked, this, &Princip::Option1_Click);
        connect(Option2, &QRadioButton::clicked, this, &Princip::Option2_Click);
        v->addWidget(Option1);
        v->addWidget(Option2);
        Command7 = boton("Command7", QStringLiteral("Ver Posiciones"), lado);
        Command6 = boton("Command6", QStringLiteral("Gráfica al Portapapeles"), lado);
        Command5 = boton("Command5", QStringLiteral("Datos al Portapapeles"), lado);
        Comparar = boton("Comparar", QStringLiteral("Comparar gráficas"), lado);
        Cerrar = boton("Cerrar", QStringLiteral("Cerrar"), lado);
        for (QPushButton* b : {Command7, Command6, Command5, Comparar, Cerrar}) v->addWidget(b);
        v->addStretch();
        connect(Command7, &QPushButton::clicked, this, &Princip::Command7_Click);
        connect(Command6, &QPushButton::clicked, this, &Princip::Command6_Click);
        connect(Command5, &QPushButton::clicked, this, &Princip::Command5_Click);
        connect(Comparar, &QPushButton::clicked, this, &Princip::Comparar_Click);
        connect(Cerrar, &QPushButton::clicked, this, &Princip::Cerrar_Click);
        g->addWidget(lado, 0, 2, 6, 1);
    }
    auto panel_comparacion = [&](QGroupBox* marco, const char* caja, CajaGrafico tipo, std::unique_ptr<Superficie>& sup,
                                 VistaSuperficie*& vista, const char* copiar, QPushButton*& bcopiar,
                                 const char* cerrar, QPushButton*& bcerrar) {
        auto* v = new QVBoxLayout(marco);
        v->setContentsMargins(6, 4, 6, 6);
        vista = caja_grafico(caja, sup, tipo, marco);
        v->addWidget(vista);
        auto* fila = new QHBoxLayout;
        bcopiar = boton(copiar, QStringLiteral("Copiar al Portapapeles"), marco);
        bcerrar = boton(cerrar, QStringLiteral("Cerrar"), marco);
        fila->addWidget(bcopiar);
        fila->addWidget(bcerrar);
        v->addLayout(fila);
    };
    panel_comparacion(Comparaposi, "ComparaP", CajaGrafico::ComparaP, comparap_sup_, ComparaP, "Command2", Command2, "cierracomparaP",
                      cierracomparaP);
    panel_comparacion(Velocidades, "ComparaV", CajaGrafico::ComparaV, comparav_sup_, ComparaV, "Command3", Command3, "Command1", Command1);
    connect(Command2, &QPushButton::clicked, this, &Princip::Command2_Click);
    connect(cierracomparaP, &QPushButton::clicked, this, &Princip::cierracomparaP_Click);
    connect(Command3, &QPushButton::clicked, this, &Princip::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Princip::Command1_Click);

    // Right of the scene's 6450 m, below the parameter panels, so no mark is covered.
    const int x = static_cast<int>(sup_->x_px(6600));
    for (QGroupBox* g : {Frame3, Comparaposi, Velocidades}) g->adjustSize();
    Frame3->move(x, 104);
    Comparaposi->move(x, 108 + Frame3->height());
    Velocidades->move(x + Comparaposi->width() + 6, 108 + Frame3->height());

    connect(menu_posiciones, &QAction::triggered, this, &Princip::menu_posiciones_Click);
    connect(menu_velocidades, &QAction::triggered, this, &Princip::menu_velocidades_Click);
    connect(menu_copi_pant, &QAction::triggered, this, &Princip::menu_copi_pant_Click);
}

void Princip::tabla(bool velocidades) {
    const QStringList filas = velocidades ? tabla_velocidades(st, st.NGrafSel, separador_local(), sup_.get())
                                          : tabla_posiciones(st, st.NGrafSel, separador_local(), sup_.get());
    st.TextoCopia = texto_copia(filas);
    List1->clear();
    List1->addItems(filas);
    refrescar_escena();
}

void Princip::graficar(bool velocidades) {
    const bool vertical = Option2->isChecked();
    // The frame is kept for the replay cursor.
    marcos_[static_cast<size_t>(CajaGrafico::Curvas)] =
        velocidades ? graficar_velocidades(st, st.NGrafSel, *curvas_sup_, vertical)
                    : graficar_posiciones(st, st.NGrafSel, *curvas_sup_, vertical);
    Curvas->refrescar();
}

void Princip::comparar(bool velocidades) {
    if (velocidades) {
        marcos_[static_cast<size_t>(CajaGrafico::ComparaV)] =  // kept for the replay cursor
            comparar_velocidades(st, acumulados_, *comparav_sup_, Option2->isChecked());
        ComparaV->refrescar();
    } else {
        marcos_[static_cast<size_t>(CajaGrafico::ComparaP)] =  // kept for the replay cursor
            comparar_posiciones(st, acumulados_, *comparap_sup_, Option2->isChecked());
        ComparaP->refrescar();
    }
}

void Princip::menu_posiciones_Click() {
    Command7->setText(QStringLiteral("Ver Velocidades"));
    if (!Option2->isChecked()) {
        Option2->setChecked(true);
        Option2_Click();
    }
    Label13->setText(QStringLiteral("Y"));
    Option1->setText(QStringLiteral("X = f(t)"));
    Option2->setText(QStringLiteral("Y = f(t)"));
    ModoGraf = 2;
    Label12->setText(QStringLiteral("t             X             Y"));
    if (st.EnVuelo != 1) {
        Frame3->setTitle(QStringLiteral("Posiciones"));
        Frame3->show();
        Frame3->raise();
        tabla(false);
        graficar(false);
    }
}

void Princip::menu_velocidades_Click() {
    Command7->setText(QStringLiteral("Ver Posiciones"));
    Option1->setText(QStringLiteral("Vx = f(t)"));
    Option2->setText(QStringLiteral("Vy = f(t)"));
    if (!Option2->isChecked()) {
        Option2->setChecked(true);
        Option2_Click();
    }
    Label13->setText(QStringLiteral("Vy"));
    Label12->setText(QStringLiteral("t             Vx            Vy"));
    ModoGraf = 1;
    if (st.EnVuelo != 1) {
        Frame3->setTitle(QStringLiteral("Velocidades Instantaneas"));
        Frame3->show();
        Frame3->raise();
        tabla(true);
        graficar(true);
    }
}

void Princip::Command7_Click() {
    if (Command7->text() == QStringLiteral("Ver Posiciones"))
        menu_posiciones_Click();
    else
        menu_velocidades_Click();
}

void Princip::Option1_Click() {
    if (ModoGraf != 2) {
        Label13->setText(QStringLiteral("Vx"));
        graficar(true);
        Velocidades->setTitle(QStringLiteral("Velocidades Vx"));
    } else {
        Label13->setText(QStringLiteral("X"));
        graficar(false);
        Comparaposi->setTitle(QStringLiteral("Posiciones X"));
    }
}

void Princip::Option2_Click() {
    if (ModoGraf != 2) {
        Label13->setText(QStringLiteral("Vy"));
        graficar(true);
        Velocidades->setTitle(QStringLiteral("Velocidades Vy"));
    } else {
        Label13->setText(QStringLiteral("Y"));
        graficar(false);
        Comparaposi->setTitle(QStringLiteral("Posiciones Y"));
    }
}

bool Princip::NGraf_KeyPress(QChar tecla) {
    const bool vale = tecla.isDigit() || tecla == QChar(8) || tecla == QChar(13);
    if (!vale) dialogos_.pitido();
    return vale;
}

void Princip::NGraf_Change() {
    // A number too large for 16 bits stops at 32767, beyond any experiment.
    const int16_t n = entero16(leer_numero(NGraf->text()));
    if (n > st.NExp || n < 1) NGraf->setText(QString());
    st.NGrafSel = n;
    if (Frame3->isVisible() && st.NGrafSel >= 1 && st.NGrafSel <= st.NExp) {
        const bool velocidades = ModoGraf == 1;
        tabla(velocidades);
        graficar(velocidades);
    }
}

void Princip::presionar_y(BotonImagen* b, const std::function<void()>& accion) {
    const double marca = reloj_.segundos();
    b->superficie().modo(Modo::InvertirFondo);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
    accion();
    esperar_desde(reloj_, marca, 0.1);
    b->superficie().caja(0, 0, 16, 13, rgb(100, 100, 100));
    b->repaint();
}

void Princip::SpinDown2_Click() {
    presionar_y(SpinDown2, [this] {
        if (st.NGrafSel > 1) --st.NGrafSel;
        NGraf->setText(forma_simple_entero(st.NGrafSel));
    });
}

void Princip::SpinUp2_Click() {
    presionar_y(SpinUp2, [this] {
        if (st.NGrafSel < st.NExp) ++st.NGrafSel;
        NGraf->setText(forma_simple_entero(st.NGrafSel));
    });
}

void Princip::Comparar_Click() {
    if (Frame3->title() != QStringLiteral("Posiciones")) {
        Velocidades->show();
        Velocidades->raise();
        tabla(true);
        comparar(true);
    } else {
        Comparaposi->show();
        Comparaposi->raise();
        tabla(false);
        comparar(false);
    }
}

void Princip::cierracomparaP_Click() {
    Comparaposi->hide();
    tabla(false);
    graficar(false);
    escena_->redibujar_escena();
    refrescar_escena();
}

void Princip::Command1_Click() {
    Velocidades->hide();
    tabla(true);
    graficar(true);
    escena_->redibujar_escena();
    refrescar_escena();
}

void Princip::Command6_Click() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(curvas_sup_->imagen());
}

void Princip::Command5_Click() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(st.TextoCopia);
}

void Princip::Command2_Click() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(comparap_sup_->imagen());
}

void Princip::Command3_Click() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(comparav_sup_->imagen());
}

void Princip::menu_copi_pant_Click() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(sup_->imagen_retenida().copy(vista_->rect()));
}

}  // namespace tya
