// The main window driven as a student would: keys, clicks, scripted answers to the boxes.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "apoyo.h"
#include "ui/controles.h"
#include "ui/formtabla.h"
#include "ui/principal.h"
#include "ui/sugiere.h"

using namespace tya;
using tya::prueba::leer;

class PrincipTest : public QObject {
    Q_OBJECT

    struct Puesto {
        QTemporaryDir dir;
        std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
        DialogosGuion dlg;
        RelojContador reloj;
        std::unique_ptr<Princip> w;
        explicit Puesto(bool cargar = true, const QByteArray& sugiere = " 0 \r\n") {
            for (const char* n : {"INIC.DAT", "trazo.txt"})
                QFile::copy(QStringLiteral(TYA_DATOS "/") + QLatin1String(n), dir.filePath(QLatin1String(n)));
            QFile s(dir.filePath(QStringLiteral("sugiere")));
            if (!sugiere.isNull() && s.open(QIODevice::WriteOnly)) s.write(sugiere);
            s.close();
            w = std::make_unique<Princip>(*st, dlg, reloj, dir.path());
            if (cargar) {
                if (!w->cargar()) qFatal("%s", qPrintable(dlg.mensajes.join('\n')));
                w->show();
            }
        }
        void teclear(int i, const QString& texto) {
            for (QChar c : texto) QTest::keyClick(w->entrada(i), c.toLatin1());
        }
        bool activo(const char* nombre) { return w->accion(QLatin1String(nombre))->isEnabled(); }
    };

private slots:
    void menus_y_estado_inicial() {
        Puesto p;
        const QStringList apagadas = {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"};
        for (const QString& n : apagadas) QVERIFY2(!p.w->accion(n)->isEnabled(), qPrintable(n));
        QCOMPARE(p.w->accion("Borrar")->text(), QStringLiteral("B&orrar") + QString(42, QLatin1Char(' ')));
        QCOMPARE(p.w->accion("menu_zoom")->text(), QStringLiteral("Escala/10"));
        QCOMPARE(p.w->accion("Salir")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(p.w->windowTitle(), QStringLiteral("Trayecta  //  Fisilab"));
        QVERIFY(!p.w->findChild<QGroupBox*>("Frame2")->isVisible());
        QVERIFY(p.w->findChild<QGroupBox*>("Frame1")->isVisible());
        QVERIFY(!p.w->blanco()->isVisible());
        QCOMPARE(p.w->entrada(1)->toolTip(), QStringLiteral("Velocidad Inicial, de 0 a 340 m/S"));
        QCOMPARE(p.w->combo1()->currentText(), QStringLiteral("Plomo (d: 11.3)"));
        QVERIFY(!p.w->entrada(10)->isEnabled());
        QCOMPARE(p.st->Max[iXo], Fijo::entero(6450));
        // uno.log marks every start.
        QCOMPARE(leer(p.dir.filePath("uno.log")), QByteArray("archivo de inicio\r\n"));
    }

    void entrada_de_parametros() {
        Puesto p;
        // 3, 5, 0 into Vo (maximum 340): the third key is refused with the message.
        p.w->entrada(1)->clear();
        p.teclear(1, "35");
        QCOMPARE(p.st->Param[iVo], Fijo::entero(35));
        QVERIFY(p.dlg.mensajes.isEmpty());
        p.teclear(1, "0");
        QCOMPARE(p.dlg.mensajes, QStringList{"Valor fuera de rango"});
        QCOMPARE(p.st->Param[iVo], Fijo::entero(35));
        QCOMPARE(p.w->entrada(1)->text(), QStringLiteral("35"));
        // A letter is discarded with a beep; "1,5" reads as 1.
        p.w->entrada(2)->clear();
        p.teclear(2, "1a,5");
        QCOMPARE(p.dlg.pitidos, 1);
        QCOMPARE(p.w->entrada(2)->text(), QStringLiteral("1,5"));
        QCOMPARE(p.st->Param[iAng], Fijo::entero(1));
        // Xo takes the whole part and moves the cross; beyond its maximum it goes back silently.
        const QPoint antes = p.w->cruz()->pos();
        p.w->entrada(3)->setText("12.7");
        QCOMPARE(p.w->entrada(3)->text(), QStringLiteral("12"));
        QCOMPARE(p.st->Param[iXo], Fijo::entero(12));
        QVERIFY(p.w->cruz()->pos() != antes);
        p.dlg.mensajes.clear();
        p.w->entrada(3)->clear();
        p.teclear(3, "7000");
        QCOMPARE(p.st->Param[iXo], Fijo::entero(700));
        p.w->entrada(4)->setText("5000");
        QCOMPARE(p.st->Param[iYo], Fijo());
        QVERIFY(p.dlg.mensajes.isEmpty());
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
        QCOMPARE(p.st->Param[iAng], Fijo::entero(-45));
        QCOMPARE(p.st->Param[iVo], Fijo::entero(12));
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
        // A value far beyond the fixed-point range is refused like any other.
        p.w->entrada(9)->setText("99999999999999999999999");
        QCOMPARE(p.dlg.mensajes.size(), 1);
        QCOMPARE(p.st->Param[iR], Fijo::entero(1));
        // So is one with more digits than a double holds, in a whole-number box too.
        p.w->entrada(6)->setText(QString(400, QLatin1Char('9')));
        QCOMPARE(p.dlg.mensajes.size(), 2);
        QCOMPARE(p.st->Param[iYoB], Fijo::entero(1000));
    }

    void flechas() {
        Puesto p;
        p.w->entrada(1)->setText("335");
        QTest::mouseClick(p.w->spin_up(1), Qt::LeftButton);
        QCOMPARE(p.dlg.mensajes, QStringList{"Valor fuera de rango"});
        QCOMPARE(p.st->Param[iVo], Fijo::entero(335));
        QCOMPARE(p.w->entrada(1)->text(), QStringLiteral("335"));
        p.w->entrada(2)->setText("0");
        QTest::mouseClick(p.w->spin_down(2), Qt::LeftButton);
        QCOMPARE(p.st->Param[iAng], Fijo::entero(-5));
        QTest::mouseClick(p.w->spin_down(1), Qt::LeftButton);
        QCOMPARE(p.st->Param[iVo], Fijo::entero(325));
        // The pressed look is undone: the face is as before the click.
        const QImage cara = p.w->spin_up(2)->superficie().imagen();
        QTest::mouseClick(p.w->spin_up(2), Qt::LeftButton);
        QCOMPARE(p.w->spin_up(2)->superficie().imagen(), cara);
    }

    void material_forma_y_medio() {
        Puesto p;
        p.w->Combo1_Click(1);
        QCOMPARE(p.st->Densidad, Fijo::crudo(78000));
        for (const char* malo : {"5,5", "25", "0.005", ""}) {
            p.dlg.respuestas_entrada.push_back(QString::fromLatin1(malo));
            p.w->Combo1_Click(5);
            QCOMPARE(p.st->Densidad, Fijo::crudo(113000));
            QCOMPARE(p.w->combo1()->currentText(), QStringLiteral("Plomo (d: 11.3)"));
        }
        QCOMPARE(p.dlg.preguntas.front(), QStringLiteral("Ingrese la densidad, entre 0.01 y 20|Material"));
        // A text wider than the list shows its beginning.
        p.dlg.respuestas_entrada.push_back("12.3456789012345");
        p.w->Combo1_Click(5);
        QCOMPARE(p.st->Densidad, Fijo::desde(12.3457));
        QCOMPARE(p.w->combo1()->currentText(), QStringLiteral("Material: d = 12.3456789012345"));
        QCOMPARE(p.w->combo1()->lineEdit()->cursorPosition(), 0);
        p.w->Combo2_Click(1);
        QCOMPARE(p.st->Cd, Fijo::crudo(2000));

        p.w->option3(1)->click();
        QCOMPARE(p.st->Aire, 1);
        QVERIFY(p.w->entrada(10)->isEnabled());
        p.w->entrada(10)->setText("20");
        QCOMPARE(p.st->Param[iViento], Fijo::entero(20));
        p.w->option3(0)->click();
        QCOMPARE(p.st->Aire, 0);
        QCOMPARE(p.st->Param[iViento], Fijo());
        QVERIFY(!p.w->entrada(10)->isEnabled());
        p.w->option3(1)->click();
        QCOMPARE(p.st->Param[iViento], Fijo());
    }

    void lanzar_y_parar() {
        Puesto p;
        p.w->accion("Lanzar1")->trigger();
        QCOMPARE(p.st->NExp, 1);
        QCOMPARE(muestras(p.st->Pos[0]), 20);
        QVERIFY(p.activo("menu_posiciones") && p.activo("Grabar") && p.activo("ImprVal"));
        QCOMPARE(p.st->EnVuelo, 0);
        // The stop button during a flight: the flight ends at once and is stored.
        QTimer::singleShot(0, p.w.get(), [&] {
            QCOMPARE(p.st->EnVuelo, 1);
            p.w->Lanzar1_Click();  // a second launch while one runs is ignored
            QTest::mouseClick(p.w->picture(2), Qt::LeftButton);
        });
        QTest::mouseClick(p.w->picture(1), Qt::LeftButton);
        QCOMPARE(p.st->NExp, 2);
        QCOMPARE(muestras(p.st->Pos[1]), 1);
        // At ten experiments the launch asks first; Cancel keeps them, OK starts again at 1.
        for (int k = 3; k <= 10; ++k) p.w->Lanzar1_Click();
        QCOMPARE(p.st->NExp, 10);
        p.dlg.respuestas_confirmar = {false, true};
        p.w->Lanzar1_Click();
        QCOMPARE(p.st->NExp, 10);
        QCOMPARE(p.dlg.mensajes.back(), QStringLiteral("Los Gráficos anteriores serán borrados"));
        p.w->Lanzar1_Click();
        QCOMPARE(p.st->NExp, 1);
        QCOMPARE(p.st->Pos[0][0], Fijo::entero(3));
        // Borrar forgets them and switches the six entries off.
        p.w->accion("Borrar")->trigger();
        QCOMPARE(p.st->NExp, 0);
        QVERIFY(!p.activo("Grabar") && !p.activo("menu_velocidades") && !p.activo("ImprGraf"));
    }

    void blanco_y_zoom() {
        Puesto p;
        p.w->Lanzar1_Click();
        p.w->accion("Blanco1")->trigger();
        QVERIFY(p.w->accion("Blanco1")->isChecked());
        QCOMPARE(p.st->NExp, 0);
        QVERIFY(p.w->findChild<QGroupBox*>("Frame2")->isVisible() && p.w->blanco()->isVisible());
        QVERIFY(!p.activo("Grabar") && !p.activo("Recuperar") && !p.activo("menu_zoom"));
        QVERIFY(!p.activo("menu_posiciones") && !p.activo("menu_velocidades"));
        // A launch with the target enables the extreme values only.
        p.w->Lanzar1_Click();
        QVERIFY(p.activo("menu_valores") && !p.activo("menu_posiciones") && !p.activo("Grabar"));
        p.w->accion("Blanco1")->trigger();
        QVERIFY(!p.w->accion("Blanco1")->isChecked());
        QVERIFY(p.activo("Grabar") && p.activo("Recuperar") && p.activo("menu_zoom"));
        QVERIFY(!p.activo("menu_posiciones"));
        QVERIFY(!p.w->blanco()->isVisible());

        p.w->accion("menu_zoom")->trigger();
        QCOMPARE(p.st->Escala, 10);
        QCOMPARE(p.w->accion("menu_zoom")->text(), QStringLiteral("Escala x 10"));
        QCOMPARE(p.w->findChild<QLabel*>("Label18")->text(), QStringLiteral("375 m"));
        QCOMPARE(p.w->findChild<QLabel*>("Label19")->text(), QStringLiteral("640 m"));
        QVERIFY(!p.activo("Blanco1"));
        // At Escala 10 a drop at (3000, 2000) is the launch point (300, 200).
        p.w->Cruz_MouseDown();
        QCOMPARE(p.w->arrastre(), 1);
        p.w->Form_DragDrop(3000, 2000);
        QCOMPARE(p.st->Param[iXo], Fijo::entero(300));
        QCOMPARE(p.st->Param[iYo], Fijo::entero(200));
        QCOMPARE(p.w->entrada(3)->text(), QStringLiteral("300"));
        // Beyond 640 m the drop is refused by the entry check and the old value stays.
        p.w->Form_DragDrop(9000, -50);
        QCOMPARE(p.st->Param[iXo], Fijo::entero(300));
        QCOMPARE(p.st->Param[iYo], Fijo());
        p.w->accion("menu_zoom")->trigger();
        QCOMPARE(p.w->accion("menu_zoom")->text(), QStringLiteral("Escala /10"));
        QVERIFY(p.activo("Blanco1"));
        // The cross sits by the placement rule: the marked point a quarter in from the corner.
        const QPointF esquina = p.w->esquina_en_escena(p.w->cruz());
        QVERIFY(std::fabs(esquina.x() - (300 - p.st->MedioAnchoCruz / 2.0)) < 12);
        // The target is dragged without the zoom and lands where the pointer was.
        p.w->accion("Blanco1")->trigger();
        p.w->Blanco_MouseDown();
        p.w->Form_DragDrop(2500.6f, 1200);
        QCOMPARE(p.st->Param[iXoB], Fijo::entero(2500));
        QCOMPARE(p.w->entrada(5)->text(), QStringLiteral("2500"));
        // During a flight a drop changes nothing.
        p.st->EnVuelo = 1;
        p.w->Form_DragDrop(100, 100);
        QCOMPARE(p.st->Param[iXoB], Fijo::entero(2500));
    }

    void salida_y_archivos_de_arranque() {
        {
            Puesto p;
            p.st->Trazo = 1;
            p.w->Salir_Click();
            QCOMPARE(leer(p.dir.filePath("trazo.txt")), QByteArray(" 1 \r\n"));
        }
        {
            Puesto p;
            p.st->Trazo = 1;
            p.w->close();
            QCOMPARE(leer(p.dir.filePath("trazo.txt")), leer(TYA_DATOS "/trazo.txt"));
        }
        // A missing or malformed start-up file: the program's message box, naming the failure.
        for (const char* malo : {"INIC.DAT", "trazo.txt"}) {
            Puesto p(false);
            QFile f(p.dir.filePath(malo));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (QByteArray(malo) == "INIC.DAT") f.write("100, 340, 0\r\n45, x, -180\r\n");
            else f.remove();
            f.close();
            QVERIFY(!p.w->cargar());
            QCOMPARE(p.dlg.mensajes.size(), 1);
            QVERIFY2(p.dlg.mensajes[0].contains(malo), qPrintable(p.dlg.mensajes[0]));
        }
    }

    void vistas_y_portapapeles() {
        Puesto p;
        p.w->resize(1400, 900);  // the panels stand right of the scene, beyond the design width
        for (int ang : {45, 60, 30}) {
            p.teclear(2, QString());
            p.w->entrada(2)->setText(QString::number(ang));
            p.w->Lanzar1_Click();
        }
        QCOMPARE(p.st->NExp, 3);
        auto* frame3 = p.w->findChild<QGroupBox*>("Frame3");
        auto* label13 = p.w->findChild<QLabel*>("Label13");
        auto* option1 = p.w->findChild<QRadioButton*>("Option1");
        auto* command7 = p.w->findChild<QPushButton*>("Command7");
        // Velocity view with the horizontal component, then the position view: the option's
        // handler runs first, still in velocity mode, and the view overwrites its graph.
        p.w->accion("menu_velocidades")->trigger();
        QCOMPARE(frame3->title(), QStringLiteral("Velocidades Instantaneas"));
        QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(6, option1->height() / 2));  // on its circle
        QCOMPARE(label13->text(), QStringLiteral("Vx"));
        p.w->accion("menu_posiciones")->trigger();
        QCOMPARE(p.w->findChild<QGroupBox*>("Velocidades")->title(), QStringLiteral("Velocidades Vy"));
        QCOMPARE(label13->text(), QStringLiteral("Y"));
        QCOMPARE(frame3->title(), QStringLiteral("Posiciones"));
        QCOMPARE(command7->text(), QStringLiteral("Ver Velocidades"));
        QCOMPARE(p.w->modo_graf(), int16_t(2));
        QCOMPARE(p.w->lista()->count(), muestras(p.st->Pos[2]) + 1);
        // Typing 1 then 2: experiment 1 is shown, then the box empties and nothing is redrawn.
        p.w->ngraf()->clear();
        QTest::keyClick(p.w->ngraf(), '1');
        const int filas_1 = muestras(p.st->Pos[0]) + 1;
        QCOMPARE(p.w->lista()->count(), filas_1);
        const QImage grafico_1 = p.w->curvas().imagen().copy();
        QTest::keyClick(p.w->ngraf(), '2');
        QCOMPARE(p.w->ngraf()->text(), QString());
        QCOMPARE(p.st->NGrafSel, int16_t(12));
        QCOMPARE(p.w->lista()->count(), filas_1);
        QTest::keyClick(p.w->ngraf(), 'x');  // refused, typed or pasted
        QGuiApplication::clipboard()->setText(QStringLiteral("x3."));
        QTest::keySequence(p.w->ngraf(), QKeySequence::Paste);
        QCOMPARE(p.w->ngraf()->text(), QStringLiteral("3"));
        QCOMPARE(p.st->NGrafSel, int16_t(3));
        // The arrows: at the last experiment "next" keeps it; "previous" goes down with a blank.
        p.w->ngraf()->setText(QStringLiteral("3"));
        QTest::mouseClick(p.w->findChild<QWidget*>("SpinUp2"), Qt::LeftButton);
        QCOMPARE(p.st->NGrafSel, int16_t(3));
        QTest::mouseClick(p.w->findChild<QWidget*>("SpinDown2"), Qt::LeftButton);
        QCOMPARE(p.st->NGrafSel, int16_t(2));
        QCOMPARE(p.w->ngraf()->text(), QStringLiteral(" 2"));
        QVERIFY(p.w->curvas().imagen() != grafico_1);
        // Clipboard: the table text, the graph bitmap, the scene's retained image.
        QTest::mouseClick(p.w->findChild<QPushButton*>("Command5"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), p.st->TextoCopia);
        QVERIFY(p.st->TextoCopia.startsWith(QStringLiteral("0\t0\t0\r\n")));
        QTest::mouseClick(p.w->findChild<QPushButton*>("Command6"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 p.w->curvas().imagen_retenida().convertToFormat(QImage::Format_RGB32));
        p.w->accion("menu_copi_pant")->trigger();
        const QSize area = p.w->vista_escena()->size();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 p.w->superficie_escena().imagen_retenida().copy(QRect(QPoint(), area)).convertToFormat(QImage::Format_RGB32));
        // Comparing in velocity mode opens the velocity panel; its Cerrar hides it again.
        QTest::mouseClick(command7, Qt::LeftButton);
        QCOMPARE(frame3->title(), QStringLiteral("Velocidades Instantaneas"));
        QTest::mouseClick(p.w->findChild<QPushButton*>("Comparar"), Qt::LeftButton);
        auto* velocidades = p.w->findChild<QGroupBox*>("Velocidades");
        QVERIFY(velocidades->isVisible());
        QVERIFY(!p.w->findChild<QGroupBox*>("Comparaposi")->isVisible());
        QVERIFY(p.w->compara_v().imagen() != nueva_caja_grafico(CajaGrafico::ComparaV).imagen());
        QTest::mouseClick(p.w->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!velocidades->isVisible());
        // A launch hides the panel.
        p.w->Lanzar1_Click();
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
        QCOMPARE(t->windowTitle(), QStringLiteral("Tabla"));
        QCOMPARE(t->valor(1), QStringLiteral(" 3.75"));
        QCOMPARE(t->valor(7), QStringLiteral("-9.81"));
        // Over the empty sky the pointer is the arrow again and a click changes nothing.
        QTest::mouseMove(vista, QPoint(sobre.x() + 300, sobre.y() - 10));
        QCOMPARE(vista->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(vista, Qt::LeftButton, {}, QPoint(sobre.x() + 300, sobre.y() - 10));
        QCOMPARE(t->valor(1), QStringLiteral(" 3.75"));
    }

    void sugerencias() {
        Sugiere s(QDir::temp().filePath("tya_sugiere_prueba"));
        QCOMPARE(s.windowTitle(), QStringLiteral("Sugerencias"));
        QCOMPARE(s.findChild<QPushButton*>("Cancelar")->text(), QStringLiteral("Si"));
        s.show();
        QTest::mouseClick(s.findChild<QPushButton*>("si"), Qt::LeftButton);
        QCOMPARE(leer(QDir::temp().filePath("tya_sugiere_prueba")), QByteArray(" 0 \r\n"));
        QVERIFY(!s.isVisible());
        s.show();
        QTest::mouseClick(s.findChild<QPushButton*>("Cancelar"), Qt::LeftButton);
        QCOMPARE(leer(QDir::temp().filePath("tya_sugiere_prueba")), QByteArray(" 1 \r\n"));
        QFile::remove(QDir::temp().filePath("tya_sugiere_prueba"));

        // The timer reads "sugiere" on its fifth tick, once: holding 1 shows the window.
        Puesto p(true, " 1 \r\n");
        bool visto = false;
        QTimer cierre;
        QObject::connect(&cierre, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) { visto = true; d->reject(); }
        });
        cierre.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(visto, 3000);
        // A missing file shows nothing.
        Puesto q(true, QByteArray());
        visto = false;
        QTest::qWait(800);
        QVERIFY(!visto);
    }
};

QTEST_MAIN(PrincipTest)
#include "principal_test.moc"
