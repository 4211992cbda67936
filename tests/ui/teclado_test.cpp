// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven by keys alone: each key goes to the focused control, as a student's would.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/temas_ayuda.h"
#include "puesto.h"
#include "ui/formtabla.h"
#include "ui/muestra_en_escena.h"
#include "ui/repeticion.h"

using namespace tya;
using namespace tya::prueba;

namespace {
void tecla(int k, Qt::KeyboardModifiers m = {}) {
    QWidget* f = QApplication::focusWidget();
    QVERIFY(f);
    QTest::keyClick(f, static_cast<Qt::Key>(k), m);
}

// Tab from the focused control until `w` has the focus, at most `n` presses.
bool tab_hasta(const QWidget* w, int n = 60) {
    for (int i = 0; i < n && QApplication::focusWidget() != w; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == w;
}

QString con_sep(const char* t) {
    return QString::fromLatin1(t).replace(QLatin1Char('.'), QLatin1Char(separador_esperado()));
}
}  // namespace

class TecladoTest : public QObject {
    Q_OBJECT

private slots:
    void lanzamiento() {
        Puesto p;
        QApplication::setActiveWindow(p.w.get());
        PanelLanzamiento& l = p.w->lanzamiento();
        // The keys in Vo and θ step as their arrows, shown with the computer's separator.
        struct Caso {
            int caja;
            const char* antes;
            Qt::Key tecla;
            double valor;
            const char* texto;
        };
        const Caso casos[] = {{1, "52.5", Qt::Key_Up, 62.5, "62.5"},
                              {1, "60", Qt::Key_PageUp, 70, "70"},
                              {1, "60", Qt::Key_Down, 50, "50"},
                              {1, "60", Qt::Key_PageDown, 50, "50"},
                              {2, "45", Qt::Key_Up, 50, "50"},
                              {2, "45", Qt::Key_PageDown, 40, "40"},
                              {2, "-177.5", Qt::Key_Down, -177.5, "-177.5"}};  // out of range: kept
        for (const Caso& c : casos) {
            l.entrada(c.caja)->setText(con_sep(c.antes));
            l.entrada(c.caja)->setFocus();
            tecla(c.tecla);
            QCOMPARE(p.st->Param[c.caja].real(), c.valor);
            QCOMPARE(l.entrada(c.caja)->text(), con_sep(c.texto));
        }
        // Tab goes from θ to its arrows, which Enter and Space press like a click.
        l.entrada(2)->setText("45");
        l.entrada(2)->setFocus();
        tecla(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), l.boton_subir(2));
        const QImage sin_foco = l.boton_bajar(2)->grab().toImage();
        tecla(Qt::Key_Return);
        QCOMPARE(p.st->Param[2].real(), 50.0);
        tecla(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), l.boton_bajar(2));
        QVERIFY(l.boton_bajar(2)->grab().toImage() != sin_foco);  // the focus shows
        tecla(Qt::Key_Space);
        QCOMPARE(p.st->Param[2].real(), 45.0);
        // The launch button flies, by Tab and Space alone.
        QVERIFY(tab_hasta(l.boton_lanzar()));
        tecla(Qt::Key_Space);
        QCOMPARE(p.st->NExp, 1);
    }

    void paneles() {
        Puesto p;
        QApplication::setActiveWindow(p.w.get());
        for (int i = 0; i < 3; ++i) p.w->comandos().lanzar();
        QWidget* vo = p.w->lanzamiento().entrada(1);
        vo->setFocus();
        // A panel opened from a menu takes the focus; up and down step its experiment.
        p.menu("menu_posiciones");
        PanelGraficos& g = p.w->graficos();
        QVERIFY(g.isAncestorOf(QApplication::focusWidget()));
        QVERIFY(tab_hasta(g.numero()));
        for (auto [k, n] : {std::pair(Qt::Key_Down, 2), {Qt::Key_Down, 1}, {Qt::Key_Down, 1}, {Qt::Key_Up, 2}}) {
            tecla(k);
            QCOMPARE(p.st->NGrafSel, n);
        }
        // The comparison covers part of the panel: nothing under it takes the focus meanwhile.
        auto focusables = [&] {
            QList<QWidget*> r;
            for (QWidget* w : g.findChildren<QWidget*>())
                if (w->focusPolicy() != Qt::NoFocus) r << w;
            return r;
        };
        const qsizetype antes = focusables().size();
        QVERIFY(tab_hasta(g.findChild<QPushButton*>("Comparar")));
        tecla(Qt::Key_Space);
        QWidget* c = &g.comparacion_posiciones();
        QVERIFY(c->isVisible());
        // Where a small screen leaves it: over the panel's buttons.
        auto* cerrar = g.findChild<QPushButton*>("Cerrar");
        c->move(cerrar->mapTo(c->parentWidget(), QPoint()) - QPoint(4, 4));
        for (QWidget* w : focusables())
            QVERIFY2(!c->geometry().intersects(QRect(w->mapTo(c->parentWidget(), QPoint()), w->size())),
                     qPrintable(w->objectName()));
        QCOMPARE(cerrar->focusPolicy(), Qt::NoFocus);
        g.cerrar_comparacion_posiciones();
        QCOMPARE(focusables().size(), antes);
        // Closing it gives the focus back to the box that had it.
        QVERIFY(tab_hasta(cerrar));
        tecla(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), vo);
    }

    void repeticion() {
        Puesto p;
        QApplication::setActiveWindow(p.w.get());
        p.w->comandos().lanzar();
        p.menu("Repetir");
        Repeticion* r = p.w->repeticion();
        QApplication::setActiveWindow(r);
        QVERIFY(r->isAncestorOf(QApplication::focusWidget()));
        // The arrows walk the samples from whichever control has the focus.
        tecla(Qt::Key_Right);
        tecla(Qt::Key_Right);
        QCOMPARE(r->muestra(), 3);
        auto* ritmo = r->findChild<QComboBox*>("ritmo");
        QVERIFY(tab_hasta(ritmo, 12));
        tecla(Qt::Key_Down);
        QCOMPARE(ritmo->currentIndex(), 1);  // ×4
        tecla(Qt::Key_Left);
        QCOMPARE(r->muestra(), 2);
        QSignalSpy tabla(r, &Repeticion::tabla_pedida);
        tecla(Qt::Key_Return);
        QCOMPARE(tabla.size(), 1);
        QCOMPARE(tabla[0], (QList<QVariant>{r->experiencia(), 2}));
        QVERIFY(p.w->inspeccion().formtabla());
        QVERIFY(p.w->inspeccion().formtabla()->isVisible());
        QCOMPARE(p.w->inspeccion().formtabla()->valor(1), con_separador(QStringLiteral(" 0.75")));
    }

    void ayuda_del_teclado() {
        // Every key the window answers is in the help topic, named as that language's help names it.
        const QMap<QString, QStringList> teclas{
            {"es",
             {"Tab", "Mayúsculas+Tab", "barra espaciadora", "Intro", "Re Pág", "Av Pág", "flecha arriba",
              "flecha abajo", "Inicio", "Fin", "Esc", "Mayúsculas+flechas", "Ctrl+G", "Ctrl+R", "Ctrl+B", "Ctrl+S",
              "F1", "Alt"}},
            {"en",
             {"Tab", "Shift+Tab", "space bar", "Enter", "Page Up", "Page Down", "up arrow", "down arrow", "Home", "End",
              "Esc", "Shift+arrows", "Ctrl+G", "Ctrl+R", "Ctrl+B", "Ctrl+S", "F1", "Alt"}},
            {"pt_BR",
             {"Tab", "Shift+Tab", "barra de espaço", "Enter", "Page Up", "Page Down", "seta para cima",
              "seta para baixo", "Home", "End", "Esc", "Shift+setas", "Ctrl+G", "Ctrl+R", "Ctrl+B", "Ctrl+S", "F1",
              "Alt"}}};
        QVERIFY2(teclas.contains(idioma_actual()), qPrintable(idioma_actual()));
        const QList<TemaAyuda> temas = leer_ayuda(
            ruta_texto(QStringLiteral(TYA_DATOS), QStringLiteral("tyayuda2.hlp")));
        const auto t = std::find_if(temas.cbegin(), temas.cend(), [](const TemaAyuda& a) {
            return a.titulo == (idioma_actual() == "en" ? "Keyboard" : "Teclado");
        });
        QVERIFY(t != temas.cend());
        for (const QString& k : teclas[idioma_actual()]) QVERIFY2(t->texto.contains(k), qPrintable(k));
    }
};

QTEST_MAIN(TecladoTest)
#include "teclado_test.moc"
