// The main window driven as a student would: keys, clicks, scripted answers to the boxes.
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "apoyo.h"
#include "puesto.h"
#include "ui/controles.h"
#include "ui/formtabla.h"
#include "ui/sugiere.h"

using namespace tya;
using namespace tya::prueba;

namespace {
void teclear(Puesto& p, int i, const QString& texto) {
    p.w->entrada(i)->clear();
    QTest::keyClicks(p.w->entrada(i), texto);
}
// The menu entries in `si` are enabled, those in `no` are not.
bool activos(Puesto& p, std::initializer_list<const char*> si, std::initializer_list<const char*> no = {}) {
    for (const auto& [nombres, activa] : {std::pair{si, true}, std::pair{no, false}})
        for (const char* n : nombres)
            if (p.w->accion(QLatin1String(n))->isEnabled() != activa) return qWarning("%s", n), false;
    return true;
}
QImage rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }
// Each text shown against the one expected.
void iguales(std::initializer_list<std::pair<QString, QString>> pares) {
    for (const auto& [hallado, esperado] : pares) QCOMPARE(hallado, esperado);
}
template <class T = QPushButton> T* hijo(Puesto& p, const char* nombre) { return p.w->findChild<T*>(nombre); }
void clic(Puesto& p, const char* nombre) { QTest::mouseClick(hijo<QWidget>(p, nombre), Qt::LeftButton); }
}  // namespace

class PrincipTest : public QObject {
    Q_OBJECT

private slots:
    void estado_inicial() {
        Puesto p;
        QVERIFY(activos(p, {}, {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"}));
        iguales({{p.w->accion("Borrar")->text(), QStringLiteral("B&orrar") + QString(42, QLatin1Char(' '))},
                 {p.w->accion("menu_zoom")->text(), "Escala/10"}, {p.w->accion("Salir")->shortcut().toString(), "Ctrl+S"},
                 {p.w->windowTitle(), "Trayecta  //  Fisilab"}, {p.w->entrada(1)->toolTip(), "Velocidad Inicial, de 0 a 340 m/S"},
                 {p.w->combo1()->currentText(), "Plomo (d: 11.3)"}});
        QVERIFY(!hijo<QGroupBox>(p, "Frame2")->isVisible() && !p.w->blanco()->isVisible() && !p.w->entrada(10)->isEnabled());
        QCOMPARE(p.st->Max[iXo], Fijo::entero(6450));  // from INIC.DAT
        QCOMPARE(leer(p.dir.filePath("uno.log")), QByteArray("archivo de inicio\r\n"));  // marks every start
    }

    void entrada_de_parametros() {
        Puesto p;
        // 3, 5, 0 into Vo (maximum 340): the third key is refused with the message.
        teclear(p, 1, "350");
        QCOMPARE(p.dlg.mensajes, QStringList{"Valor fuera de rango"});
        QVERIFY(p.st->Param[iVo] == Fijo::entero(35) && p.w->entrada(1)->text() == "35");
        // A letter is discarded with a beep; "1,5" reads as 1.
        teclear(p, 2, "1a,5");
        QVERIFY(p.dlg.pitidos == 1 && p.w->entrada(2)->text() == "1,5" && p.st->Param[iAng] == Fijo::entero(1));
        // Positions typed or set beyond their maximum go back silently; whole-number boxes take
        // the whole part and move the cross; values beyond the fixed-point range or a double's
        // digits are refused with the message.
        p.dlg.mensajes.clear();
        const QPoint cruz = p.w->cruz()->pos();
        const struct { bool tecleado; int caja; QString texto; int param; Fijo valor; int mensajes; } fijados[] = {
            {true, 3, "7000", iXo, Fijo::entero(700), 0}, {false, 3, "12.7", iXo, Fijo::entero(12), 0},
            {false, 4, "5000", iYo, Fijo(), 0}, {false, 9, "99999999999999999999999", iR, Fijo::entero(1), 1},
            {false, 6, QString(400, QLatin1Char('9')), iYoB, Fijo::entero(1000), 2}};
        for (const auto& c : fijados) {
            c.tecleado ? teclear(p, c.caja, c.texto) : p.w->entrada(c.caja)->setText(c.texto);
            QCOMPARE(p.st->Param[c.param], c.valor);
            QCOMPARE(p.dlg.mensajes.size(), c.mensajes);
        }
        QVERIFY(p.w->entrada(3)->text() == "12" && p.w->cruz()->pos() != cruz);
        // Pasted text goes through the same filter as typed keys: the box never shows what its
        // value is not.
        const struct { CajaTexto* caja; const char *antes, *pegado, *despues; int pitidos; } pegados[] = {
            {p.w->entrada(2), "30", "abc", "30", 3}, {p.w->entrada(2), "", "-4x5", "-45", 1},
            {p.w->entrada(1), "", "1\r\n2", "12", 0}};
        for (const auto& c : pegados) {
            c.caja->setText(QString::fromLatin1(c.antes));
            const int pitidos = p.dlg.pitidos;
            QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pegado));
            QTest::keySequence(c.caja, QKeySequence::Paste);
            QCOMPARE(c.caja->text(), QString::fromLatin1(c.despues));
            QCOMPARE(p.dlg.pitidos - pitidos, c.pitidos);
        }
        QVERIFY(p.st->Param[iAng] == Fijo::entero(-45) && p.st->Param[iVo] == Fijo::entero(12));
        // So is the paste entry of the box's context menu.
        QGuiApplication::clipboard()->setText(QStringLiteral("z9"));
        QTimer::singleShot(50, [] {
            for (QAction* a : qobject_cast<QMenu*>(QApplication::activePopupWidget())->actions())
                if (a->text().startsWith(QStringLiteral("&Paste"))) a->trigger();
            QApplication::activePopupWidget()->close();
        });
        p.w->entrada(2)->selectAll();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), p.w->entrada(2)->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(p.w->entrada(2), &menu);
        QCOMPARE(p.w->entrada(2)->text(), QStringLiteral("9"));

        // The arrows step by 5 and refuse a step out of range; the pressed look is undone.
        p.dlg.mensajes.clear();
        p.w->entrada(1)->setText("335");
        QTest::mouseClick(p.w->spin_up(1), Qt::LeftButton);
        QVERIFY(p.dlg.mensajes == QStringList{"Valor fuera de rango"} && p.w->entrada(1)->text() == "335");
        QTest::mouseClick(p.w->spin_down(1), Qt::LeftButton);
        p.w->entrada(2)->setText("0");
        const QImage cara = p.w->spin_down(2)->superficie().imagen();
        QTest::mouseClick(p.w->spin_down(2), Qt::LeftButton);
        QVERIFY(p.st->Param[iVo] == Fijo::entero(325) && p.st->Param[iAng] == Fijo::entero(-5));
        QCOMPARE(p.w->spin_down(2)->superficie().imagen(), cara);
    }

    void material_forma_y_medio() {
        Puesto p;
        p.w->Combo1_Click(1);
        QCOMPARE(p.st->Densidad, Fijo::crudo(78000));
        for (const char* malo : {"5,5", "25", "0.005", ""}) {
            p.dlg.respuestas_entrada.push_back(QString::fromLatin1(malo));
            p.w->Combo1_Click(5);
            QVERIFY(p.st->Densidad == Fijo::crudo(113000) && p.w->combo1()->currentText() == "Plomo (d: 11.3)");
        }
        QCOMPARE(p.dlg.preguntas.front(), QStringLiteral("Ingrese la densidad, entre 0.01 y 20|Material"));
        // A text wider than the list shows its beginning.
        p.dlg.respuestas_entrada.push_back("12.3456789012345");
        p.w->Combo1_Click(5);
        QCOMPARE(p.st->Densidad, Fijo::desde(12.3457));
        QVERIFY(p.w->combo1()->currentText() == "Material: d = 12.3456789012345" && p.w->combo1()->lineEdit()->cursorPosition() == 0);
        p.w->Combo2_Click(1);
        QCOMPARE(p.st->Cd, Fijo::crudo(2000));
        // Wind only in air; leaving the air clears it, and coming back does not restore it.
        p.w->option3(1)->click();
        p.w->entrada(10)->setText("20");
        QVERIFY(p.st->Aire == 1 && p.st->Param[iViento] == Fijo::entero(20));
        p.w->option3(0)->click();
        QVERIFY(p.st->Aire == 0 && p.st->Param[iViento] == Fijo() && !p.w->entrada(10)->isEnabled());
        p.w->option3(1)->click();
        QVERIFY(p.st->Param[iViento] == Fijo() && p.w->entrada(10)->isEnabled());
    }

    void lanzar_y_parar() {
        Puesto p;
        p.menu("Lanzar1");
        QVERIFY(muestras(p.st->Pos[0]) == 20 && p.st->EnVuelo == 0 && activos(p, {"menu_posiciones", "Grabar", "ImprVal"}));
        // The stop button during a flight: the flight ends at once and is stored.
        QTimer::singleShot(0, p.w.get(), [&] {
            QCOMPARE(p.st->EnVuelo, 1);
            p.w->Lanzar1_Click();  // a second launch while one runs is ignored
            QTest::mouseClick(p.w->picture(2), Qt::LeftButton);
        });
        QTest::mouseClick(p.w->picture(1), Qt::LeftButton);
        QVERIFY(p.st->NExp == 2 && muestras(p.st->Pos[1]) == 1);
        // At ten experiments the launch asks first; Cancel keeps them, OK starts again at 1.
        for (int k = 3; k <= 10; ++k) p.w->Lanzar1_Click();
        p.dlg.respuestas_confirmar = {false, true};
        p.w->Lanzar1_Click();
        QVERIFY(p.st->NExp == 10 && p.dlg.mensajes.back() == QStringLiteral("Los Gráficos anteriores serán borrados"));
        p.w->Lanzar1_Click();
        QVERIFY(p.st->NExp == 1 && p.st->Pos[0][0] == Fijo::entero(3));
        // Borrar forgets them and switches the six entries off.
        p.menu("Borrar");
        QVERIFY(p.st->NExp == 0 && activos(p, {}, {"Grabar", "menu_velocidades", "ImprGraf"}));
    }

    void blanco_y_zoom() {
        Puesto p;
        p.w->Lanzar1_Click();
        p.menu("Blanco1");
        QVERIFY(p.w->accion("Blanco1")->isChecked() && p.st->NExp == 0 && hijo<QGroupBox>(p, "Frame2")->isVisible() && p.w->blanco()->isVisible());
        QVERIFY(activos(p, {}, {"Grabar", "Recuperar", "menu_zoom", "menu_posiciones", "menu_velocidades"}));
        // A launch with the target enables the extreme values only.
        p.w->Lanzar1_Click();
        QVERIFY(activos(p, {"menu_valores"}, {"menu_posiciones", "Grabar"}));
        p.menu("Blanco1");
        QVERIFY(!p.w->accion("Blanco1")->isChecked() && !p.w->blanco()->isVisible());
        QVERIFY(activos(p, {"Grabar", "Recuperar", "menu_zoom"}, {"menu_posiciones"}));

        p.menu("menu_zoom");
        QVERIFY(p.st->Escala == 10 && activos(p, {}, {"Blanco1"}));
        iguales({{p.w->accion("menu_zoom")->text(), "Escala x 10"}, {hijo<QLabel>(p, "Label18")->text(), "375 m"},
                 {hijo<QLabel>(p, "Label19")->text(), "640 m"}});
        // At Escala 10 a drop at (3000, 2000) is the launch point (300, 200).
        p.w->Cruz_MouseDown();
        p.w->Form_DragDrop(3000, 2000);
        QVERIFY(p.st->Param[iXo] == Fijo::entero(300) && p.st->Param[iYo] == Fijo::entero(200) && p.w->entrada(3)->text() == "300");
        // Beyond 640 m the drop is refused by the entry check and the old value stays.
        p.w->Form_DragDrop(9000, -50);
        QVERIFY(p.st->Param[iXo] == Fijo::entero(300) && p.st->Param[iYo] == Fijo());
        p.menu("menu_zoom");
        QVERIFY(p.w->accion("menu_zoom")->text() == "Escala /10" && activos(p, {"Blanco1"}));
        // The cross sits by the placement rule: the marked point a quarter in from the corner.
        const QPointF esquina = p.w->esquina_en_escena(p.w->cruz());
        QVERIFY(std::fabs(esquina.x() - (300 - p.st->MedioAnchoCruz / 2.0)) < 12);
        // The target is dragged without the zoom and lands where the pointer was.
        p.menu("Blanco1");
        p.w->Blanco_MouseDown();
        p.w->Form_DragDrop(2500.6f, 1200);
        QVERIFY(p.st->Param[iXoB] == Fijo::entero(2500) && p.w->entrada(5)->text() == "2500");
        // During a flight a drop changes nothing.
        p.st->EnVuelo = 1;
        p.w->Form_DragDrop(100, 100);
        QCOMPARE(p.st->Param[iXoB], Fijo::entero(2500));
    }

    void salida_y_archivos_de_arranque() {
        // Salir stores the trace switch; closing the window any other way does not.
        for (bool salir : {true, false}) {
            Puesto p;
            p.st->Trazo = 1;
            salir ? p.w->Salir_Click() : void(p.w->close());
            QCOMPARE(leer(p.dir.filePath("trazo.txt")), QByteArray(salir ? " 1 \r\n" : " 0 \r\n"));
        }
        // A missing or malformed start-up file: the program's message box, naming the failure.
        // (An empty content stands for the file being removed.)
        for (const auto& [malo, contenido] : {std::pair{"INIC.DAT", "100, 340, 0\r\n45, x, -180\r\n"}, std::pair{"trazo.txt", ""}}) {
            Puesto p(" 0 \r\n", [&](const QDir& d) { *contenido ? escribir(d.filePath(malo), contenido) : void(QFile::remove(d.filePath(malo))); }, false);
            QVERIFY(!p.w->cargar());
            QVERIFY2(p.dlg.mensajes.size() == 1 && p.dlg.mensajes[0].contains(malo), qPrintable(p.dlg.mensajes.join('|')));
        }
    }

    void vistas_y_portapapeles() {
        Puesto p;  // the panels stand right of the scene, beyond the design width
        for (const char* ang : {"45", "60", "30"}) {
            p.w->entrada(2)->setText(ang);
            p.w->Lanzar1_Click();
        }
        auto* frame3 = hijo<QGroupBox>(p, "Frame3");
        auto* option1 = hijo<QWidget>(p, "Option1");
        // Velocity view with the horizontal component, then the position view: the option's
        // handler runs first, still in velocity mode, and the view overwrites its graph.
        p.menu("menu_velocidades");
        QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(6, option1->height() / 2));  // on its circle
        iguales({{frame3->title(), "Velocidades Instantaneas"}, {hijo<QLabel>(p, "Label13")->text(), "Vx"}});
        p.menu("menu_posiciones");
        iguales({{hijo<QGroupBox>(p, "Velocidades")->title(), "Velocidades Vy"}, {hijo<QLabel>(p, "Label13")->text(), "Y"},
                 {frame3->title(), "Posiciones"}, {hijo(p, "Command7")->text(), "Ver Velocidades"}});
        QVERIFY(p.w->modo_graf() == 2 && p.w->lista()->count() == muestras(p.st->Pos[2]) + 1);
        // Typing 1 then 2: experiment 1 is shown, then the box empties and nothing is redrawn.
        p.w->ngraf()->clear();
        QTest::keyClick(p.w->ngraf(), '1');
        const int filas_1 = muestras(p.st->Pos[0]) + 1;
        QCOMPARE(p.w->lista()->count(), filas_1);
        const QImage grafico_1 = p.w->curvas().imagen().copy();
        QTest::keyClick(p.w->ngraf(), '2');
        QVERIFY(p.w->ngraf()->text().isEmpty() && p.st->NGrafSel == 12 && p.w->lista()->count() == filas_1);
        QTest::keyClick(p.w->ngraf(), 'x');  // refused, typed or pasted
        QGuiApplication::clipboard()->setText(QStringLiteral("x3."));
        QTest::keySequence(p.w->ngraf(), QKeySequence::Paste);
        QVERIFY(p.w->ngraf()->text() == "3" && p.st->NGrafSel == 3);
        // The arrows: at the last experiment "next" keeps it; "previous" goes down with a blank.
        clic(p, "SpinUp2");
        QCOMPARE(p.st->NGrafSel, int16_t(3));
        clic(p, "SpinDown2");
        QVERIFY(p.st->NGrafSel == 2 && p.w->ngraf()->text() == " 2" && p.w->curvas().imagen() != grafico_1);
        // Clipboard: the table text, the graph bitmap, the scene's retained image.
        clic(p, "Command5");
        QVERIFY(QGuiApplication::clipboard()->text() == p.st->TextoCopia && p.st->TextoCopia.startsWith("0\t0\t0\r\n"));
        clic(p, "Command6");
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(p.w->curvas().imagen_retenida()));
        p.menu("menu_copi_pant");
        const QRect area(QPoint(), p.w->vista_escena()->size());
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(p.w->superficie_escena().imagen_retenida().copy(area)));
        // Comparing in velocity mode opens the velocity panel; its Cerrar hides it again.
        clic(p, "Command7");
        QCOMPARE(frame3->title(), QStringLiteral("Velocidades Instantaneas"));
        clic(p, "Comparar");
        auto* velocidades = hijo<QGroupBox>(p, "Velocidades");
        QVERIFY(velocidades->isVisible() && !hijo<QGroupBox>(p, "Comparaposi")->isVisible() &&
                p.w->compara_v().imagen() != nueva_caja_grafico(CajaGrafico::ComparaV).imagen());
        clic(p, "Command1");
        QVERIFY(!velocidades->isVisible());
        p.w->Lanzar1_Click();  // a launch hides the panel
        QVERIFY(!frame3->isVisible());
    }

    void vectores_de_una_marca() {
        Puesto p;
        p.w->resize(1280, 800);  // the ground lies below the design size, as when maximized
        p.w->Lanzar1_Click();
        auto* vista = p.w->vista_escena();
        const Superficie& sup = p.w->superficie_escena();
        const QPoint sobre(int(sup.x_px(p.st->Xs[0][6])), int(sup.y_px(p.st->Ys[0][6])));
        QTest::mouseMove(vista, sobre);
        QCOMPARE(vista->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(vista, Qt::LeftButton, {}, sobre);
        FormTabla* t = p.w->formtabla();
        QVERIFY(t && t->isVisible());
        iguales({{t->windowTitle(), "Tabla"}, {t->valor(1), " 3.75"}, {t->valor(7), "-9.81"}});
        // Over the empty sky the pointer is the arrow again and a click changes nothing.
        const QPoint cielo(sobre.x() + 300, sobre.y() - 10);
        QTest::mouseMove(vista, cielo);
        QCOMPARE(vista->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(vista, Qt::LeftButton, {}, cielo);
        QCOMPARE(t->valor(1), QStringLiteral(" 3.75"));
    }

    void sugerencias() {
        // "Si" keeps suggesting (0), the other button stops it (1); either closes the window.
        const QString ruta = QDir::temp().filePath("tya_sugiere_prueba");
        Sugiere s(ruta);
        iguales({{s.windowTitle(), "Sugerencias"}, {s.findChild<QPushButton*>("Cancelar")->text(), "Si"}});
        for (const auto& [boton, guardado] : {std::pair{"si", " 0 \r\n"}, std::pair{"Cancelar", " 1 \r\n"}}) {
            s.show();
            QTest::mouseClick(s.findChild<QPushButton*>(boton), Qt::LeftButton);
            QVERIFY(leer(ruta) == guardado && !s.isVisible());
        }
        QFile::remove(ruta);
        // The timer reads "sugiere" on its fifth tick, once: holding 1 shows the window, a
        // missing file shows nothing.
        bool visto = false;
        QTimer cierre;
        QObject::connect(&cierre, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) visto = true, d->reject();
        });
        cierre.start(20);
        Puesto p(" 0 \r\n", [](const QDir& d) { escribir(d.filePath("sugiere"), " 1 \r\n"); });
        QTRY_VERIFY_WITH_TIMEOUT(visto, 3000);
        Puesto q(" 0 \r\n", [](const QDir& d) { QFile::remove(d.filePath("sugiere")); });
        visto = false;
        QTest::qWait(800);
        QVERIFY(!visto);
    }
};

QTEST_MAIN(PrincipTest)
#include "principal_test.moc"
