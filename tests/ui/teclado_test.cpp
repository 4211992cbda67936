// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven by keys alone: each key goes to the focused control, as a student's would.
// Also the scene by keyboard, the result line a screen reader speaks, the replay panel and
// leaving with unsaved work.
#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>

#include "core/formato.h"
#include "core/idioma.h"
#include "files/temas_ayuda.h"
#include "puesto.h"
#include "scene/vectores.h"
#include "tests/idioma.h"
#include "ui/escena_teclado.h"
#include "ui/formtabla.h"
#include "ui/linea_estado.h"
#include "ui/repeticion.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// A key to the focused control.
void tecla(int k, Qt::KeyboardModifiers m = {}) {
    QWidget* f = QApplication::focusWidget();
    QVERIFY(f);
    QTest::keyClick(f, static_cast<Qt::Key>(k), m);
}

// A key to the scene, which takes the focus first.
void tecla(Puesto& p, int t, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QApplication::setActiveWindow(p.w.get());
    if (!p.w->vista_escena()->hasFocus()) p.w->vista_escena()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p.w->vista_escena(), Qt::Key(t), m);
}

// Tab from the focused control until `w` has the focus, at most `n` presses.
bool tab_hasta(const QWidget* w, int n = 60) {
    for (int i = 0; i < n && QApplication::focusWidget() != w; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == w;
}

// The mark's table shows, with `valor` as its first value.
bool tabla_con(Puesto& p, const QString& valor) {
    const FormTabla* t = p.w->inspeccion().formtabla();
    return t && t->isVisible() && t->valor(1) == valor;
}
}  // namespace

class TecladoTest : public QObject {
    Q_OBJECT

private slots:
    void lanzamiento_y_paneles() {
        Puesto p;
        QApplication::setActiveWindow(p.w.get());
        PanelLanzamiento& l = p.w->lanzamiento();
        // The keys in Vo and θ step as their arrows, shown with the computer's separator; a θ out of
        // range is kept.
        for (auto [caja, antes, k, valor, texto] : {std::tuple(1, "52.5", Qt::Key_Up, 62.5, "62.5"),
                                                    {1, "60", Qt::Key_PageUp, 70, "70"},
                                                    {1, "60", Qt::Key_Down, 50, "50"},
                                                    {1, "60", Qt::Key_PageDown, 50, "50"},
                                                    {2, "45", Qt::Key_Up, 50, "50"},
                                                    {2, "45", Qt::Key_PageDown, 40, "40"},
                                                    {2, "-177.5", Qt::Key_Down, -177.5, "-177.5"}}) {
            l.entrada(caja)->setText(con_separador(QString::fromLatin1(antes)));
            l.entrada(caja)->setFocus();
            tecla(k);
            QCOMPARE(p.st->Param[caja].real(), valor);
            QCOMPARE(l.entrada(caja)->text(), con_separador(QString::fromLatin1(texto)));
        }
        // Tab goes from θ to its arrows, which Enter and Space press like a click.
        l.entrada(2)->setText("45");  // it has the focus still
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

        // A panel opened from a menu takes the focus; up and down step its experiment.
        for (int i = 0; i < 2; ++i) p.w->comandos().lanzar();
        QWidget* vo = l.entrada(1);
        vo->setFocus();
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
        // The replay panel driven by keys and clicks: every view follows its cursor, and closing
        // it leaves the window as it was.
        Puesto p;
        EstadoExp& st = *p.st;
        QVERIFY(p.activos({}, {"Repetir"}));
        p.w->comandos().lanzar();  // in vacuum, then in air
        p.w->lanzamiento().medio(1)->click();
        p.w->comandos().lanzar();
        QVERIFY(p.activos({"Repetir"}));
        p.menu("menu_posiciones");
        QTest::mouseClick(p.w->findChild<QPushButton*>("Comparar"), Qt::LeftButton);
        auto* vista = p.w->vista_escena();
        const QImage antes = vista->grab().toImage(), escena = p.w->superficie_escena().imagen().copy();

        p.menu("Repetir");
        Repeticion* r = p.w->repeticion();
        QVERIFY(r->isVisible());
        QApplication::setActiveWindow(r);
        QVERIFY(r->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(r->experiencia(), 2);
        QCOMPARE(r->muestra(), 1);
        QCOMPARE(r->cuenta(), muestras(st.Pos[1]));
        // The keys walk the samples from whichever control has the focus, the pace's box too.
        for (auto [k, muestra] :
             {std::pair(Qt::Key_End, r->cuenta()), {Qt::Key_Home, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 3}}) {
            tecla(k);
            QCOMPARE(r->muestra(), muestra);
        }
        auto* ritmo = r->findChild<QComboBox*>("ritmo");
        QVERIFY(tab_hasta(ritmo, 12));
        tecla(Qt::Key_Down);
        QCOMPARE(ritmo->currentIndex(), 1);  // ×4
        tecla(Qt::Key_Left);
        QCOMPARE(r->muestra(), 2);
        // The panel's values and the table's row are the sample's; the marks are over the views,
        // whose pictures stay as they were.
        const auto valores = valores_muestra(st, 2, 2);
        for (int f = 1; f <= 7; ++f) QCOMPARE(r->valor(f), valores[static_cast<size_t>(f - 1)]);
        QCOMPARE(p.w->graficos().tabla()->currentRow(), 1);
        QVERIFY(vista->grab().toImage() != antes);
        QCOMPARE(p.w->superficie_escena().imagen(), escena);
        r->mostrar_marcas(false);  // as for "Imprimir Grafica"
        QCOMPARE(vista->grab().toImage(), antes);
        r->mostrar_marcas(true);
        // A click on a mark of the replayed experiment moves the cursor, drawing nothing into the scene.
        const Superficie& sup = p.w->superficie_escena();
        const QPoint sobre(qRound(sup.x_px(st.Xs[1][6])), qRound(sup.y_px(st.Ys[1][6])));
        QTest::mouseMove(vista, sobre);
        QTest::mouseClick(vista, Qt::LeftButton, {}, sobre);
        QCOMPARE(r->muestra(), 6);
        QCOMPARE(p.w->graficos().tabla()->currentRow(), 5);
        QCOMPARE(p.w->superficie_escena().imagen(), escena);
        // Space plays to the last sample at the flight's pace.
        QTest::keyClick(r, Qt::Key_Space);
        QVERIFY(r->reproduciendo());
        QTRY_VERIFY(!r->reproduciendo());
        QCOMPARE(r->muestra(), r->cuenta());
        // Escape closes it: the window pixel for pixel as before, no row selected.
        QTest::keyClick(r, Qt::Key_Escape);
        QVERIFY(!r->isVisible());
        QCOMPARE(p.w->graficos().tabla()->currentRow(), -1);
        QCOMPARE(vista->grab().toImage(), antes);

        // A flight of one sample, chosen in the panel: the graph panel shows it too.
        p.w->lanzamiento().entrada(1)->setText("0");
        p.w->comandos().lanzar();
        p.menu("Repetir");
        r->findChild<QSpinBox*>("experiencia")->setValue(3);
        QCOMPARE(r->experiencia(), 3);
        QCOMPARE(st.NGrafSel, int16_t(3));
        QCOMPARE(r->cuenta(), 1);
        QTest::keyClick(r, Qt::Key_Right);
        QTest::keyClick(r, Qt::Key_Space);
        QCOMPARE(r->muestra(), 1);
        QVERIFY(!r->reproduciendo());
        QCOMPARE(r->valor(1), valores_muestra(st, 3, 1)[0]);
        // Borrar closes it and the entry waits for the next flight or a recovered file, which
        // replays as it was flown.
        const QString ruta = p.dir.filePath("tres.TYA");
        p.menu("Grabar", ruta);
        p.menu("Borrar");
        QVERIFY(!r->isVisible());
        QVERIFY(p.activos({}, {"Repetir"}));
        p.menu("Recuperar", ruta);
        p.menu("Repetir");
        r->findChild<QSpinBox*>("experiencia")->setValue(2);
        QTest::keyClick(r, Qt::Key_End);
        QCOMPARE(r->muestra(), muestras(st.Pos[1]));
        QCOMPARE(r->valor(5), valores_muestra(st, 2, r->muestra())[4]);
        // Enter from the pace's box asks for the sample's table, which marks the scene.
        QTest::keyClick(r, Qt::Key_Home);
        QTest::keyClick(r, Qt::Key_Right);
        QApplication::setActiveWindow(r);
        QVERIFY(tab_hasta(ritmo, 12));
        QSignalSpy tabla(r, &Repeticion::tabla_pedida);
        tecla(Qt::Key_Return);
        QCOMPARE(tabla.size(), 1);
        QCOMPARE(tabla[0], (QList<QVariant>{r->experiencia(), 2}));
        QVERIFY(tabla_con(p, con_separador(QStringLiteral(" 0.75"))));
    }

    void marcadores_como_un_arrastre() {
        Puesto p, q;
        // An arrow on a control of a panel lying on the scene is not the scene's.
        QApplication::setActiveWindow(p.w.get());
        p.w->lanzamiento().boton_bajar(1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(p.w->lanzamiento().boton_bajar(1), Qt::Key_Up);
        QCOMPARE(p.st->Yo(), q.st->Yo());
        // Ten pixels right and one up with the keys, and a drop of the cross at that pixel, sent
        // first as the drag entering, since the toolkit drops only where a drag entered.
        const Superficie& s = q.w->superficie_escena();
        const QPointF destino(std::round(s.x_px(q.st->Xo().real())) + 10, std::round(s.y_px(q.st->Yo().real())) - 1);
        tecla(p, Qt::Key_Right, Qt::ShiftModifier);
        tecla(p, Qt::Key_Up);
        q.w->marcadores().tomar_cruz();
        QMimeData datos;
        datos.setData(QString::fromLatin1(kMimeMarcador), "cruz");
        QDragEnterEvent entra(destino.toPoint(), Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(q.w->vista_escena(), &entra);
        QDropEvent suelta(destino, Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(q.w->vista_escena(), &suelta);
        QCOMPARE(p.st->Xo(), q.st->Xo());
        QCOMPARE(p.st->Yo(), q.st->Yo());
        QCOMPARE(p.w->lanzamiento().entrada(iXo)->text(), q.w->lanzamiento().entrada(iXo)->text());
        QCOMPARE(p.w->marcadores().cruz()->pos(), q.w->marcadores().cruz()->pos());
        QVERIFY(p.st->Xo() > Fijo());
        // Tab goes to the placed target and the arrows move it, without the zoom; the next Tab
        // leaves the scene.
        p.menu("Blanco1");
        const Fijo xo = p.st->Xo(), xob = p.st->XoB();
        tecla(p, Qt::Key_Tab);
        QVERIFY(p.w->teclado().moviendo_blanco());
        tecla(p, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(p.st->Xo(), xo);
        QVERIFY(p.st->XoB() < xob);
        QCOMPARE(p.w->lanzamiento().entrada(iXoB)->text(), forma_archivo(p.st->XoB()));
        tecla(p, Qt::Key_Backtab);
        QVERIFY(!p.w->teclado().moviendo_blanco());
    }

    void marcas_y_linea_de_resultado() {
        EnEspanol guardia;  // the result line's wording itself is checked
        Puesto p;
        p.menu("Lanzar1");
        const QString linea = p.w->linea_estado()->text();
        QVERIFY2(linea.startsWith(con_separador(QStringLiteral("Experiencia 1, vacío, plomo: alcance 1018.19 m"))),
                 qPrintable(linea));
        // The line lies under the scene, never over it, and the scene lists the same flight.
        QVERIFY(p.w->statusBar()->geometry().top() >= p.w->vista_escena()->geometry().bottom());
        QCOMPARE(p.w->vista_escena()->accessibleDescription(), linea);
        QCOMPARE(QAccessible::queryAccessibleInterface(p.w->linea_estado())->text(QAccessible::Name), linea);
        // PgDn from nothing takes the first mark, PgUp there goes nowhere; Enter opens its table.
        for (int i = 0; i < 2; ++i) tecla(p, Qt::Key_PageDown);
        QCOMPARE(p.w->teclado().marca(), (MarcaEscena{1, 2}));
        QVERIFY(p.w->linea_estado()->text().startsWith("Experiencia 1, muestra 2 de "));
        for (int i = 0; i < 2; ++i) tecla(p, Qt::Key_PageUp);
        QCOMPARE(p.dlg.pitidos, 1);
        tecla(p, Qt::Key_Return);
        QVERIFY(tabla_con(p, QStringLiteral(" 0")));
        // A cleared scene has no flights to list and no mark to stand on.
        p.menu("Borrar");
        QCOMPARE(p.w->vista_escena()->accessibleDescription(), QStringLiteral("Ninguna experiencia."));
        QCOMPARE(p.w->teclado().marca(), std::nullopt);
    }

    void salir_con_experiencias_sin_guardar() {
        EnEspanol guardia;  // the question's wording is checked
        const QString archivo = QStringLiteral("clase.TYA");
        const char* const varias = "¿Salir sin guardar las 2 experiencias?";
        // What was done before Salir, how the question is answered (and the save dialog, with the
        // file's name or cancelled), what is asked, and whether the program left.
        for (const auto& [vuelos, guardado, borrado, respuesta, nombrado, pregunta, sale] :
             {std::tuple<int, bool, bool, std::optional<Eleccion>, bool, const char*, bool>{
                  0, false, false, {}, false, nullptr, true},
              {1, false, false, Eleccion::Cancelar, false, "¿Salir sin guardar la experiencia?", false},
              {2, false, false, Eleccion::Segunda, false, varias, true},
              {2, false, false, Eleccion::Primera, false, varias, false},
              {2, false, false, Eleccion::Primera, true, varias, true},
              {2, true, false, {}, false, nullptr, true},
              {2, false, true, {}, false, nullptr, true}}) {
            Puesto p;
            for (int i = 0; i < vuelos; ++i) p.menu("Lanzar1");
            if (guardado) p.menu("Grabar", p.dir.filePath(archivo));
            if (borrado) p.menu("Borrar");
            if (respuesta) p.dlg.respuestas_elegir.push_back(*respuesta);
            if (nombrado) p.dlg.respuestas_archivo.push_back(p.dir.filePath(archivo));
            p.st->Trazo = 1;
            p.menu("Salir");
            QCOMPARE(p.dlg.preguntas.value(0), pregunta ? QString::fromUtf8(pregunta) + "|Guardar|Salir" : QString());
            // The program has left when trazo.txt holds what Salir writes (the test starts it at " 0 ").
            QCOMPARE(leer(p.dir.filePath("trazo.txt")) == QByteArray(" 1 \r\n"), sale);
            QCOMPARE(QFile::exists(p.dir.filePath(archivo)), guardado || nombrado);
        }
        // Closing the window asks the same; Cancelar keeps it open, a recovered file leaves nothing unsaved.
        Puesto p;
        p.menu("Lanzar1");
        p.dlg.respuestas_elegir.push_back(Eleccion::Cancelar);
        QVERIFY(!p.w->close());
        QVERIFY(p.w->isVisible());
        p.menu("Grabar", p.dir.filePath(archivo));
        p.menu("Lanzar1");
        QCOMPARE(p.w->archivo().sin_guardar(), 2);
        p.menu("Recuperar", p.dir.filePath(archivo));
        QCOMPARE(p.w->archivo().sin_guardar(), 0);
        QVERIFY(p.w->close());
    }

    void ayuda_del_teclado() {
        // Every key the window answers is in the help topic, named as that language's help names it.
        const QStringList comunes{"Tab", "Esc", "Ctrl+G", "Ctrl+R", "Ctrl+B", "Ctrl+S", "F1", "Alt"};
        const QStringList teclas_en{"Shift+Tab", "Enter", "Page Up", "Page Down", "Home", "End"};  // pt_BR's too
        const QMap<QString, QStringList> teclas{
            {"es",
             {"Mayúsculas+Tab", "barra espaciadora", "Intro", "Re Pág", "Av Pág", "flecha arriba", "flecha abajo",
              "Inicio", "Fin", "Mayúsculas+flechas"}},
            {"en", teclas_en + QStringList{"space bar", "up arrow", "down arrow", "Shift+arrows"}},
            {"pt_BR", teclas_en + QStringList{"barra de espaço", "seta para cima", "seta para baixo", "Shift+setas"}}};
        QVERIFY2(teclas.contains(idioma_actual()), qPrintable(idioma_actual()));
        const QList<TemaAyuda> temas = leer_ayuda(ruta_texto(TYA_DATOS, QStringLiteral("tyayuda2.hlp")));
        const auto t = std::find_if(temas.cbegin(), temas.cend(), [](const TemaAyuda& a) {
            return a.titulo == (idioma_actual() == "en" ? "Keyboard" : "Teclado");
        });
        QVERIFY(t != temas.cend());
        for (const QString& k : comunes + teclas[idioma_actual()]) QVERIFY2(t->texto.contains(k), qPrintable(k));
    }
};

QTEST_MAIN(TecladoTest)
#include "teclado_test.moc"
