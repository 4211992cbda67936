// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a student would: keys, clicks, scripted answers to the boxes.
// What the scene, graph and file routines compute is pinned in their own tests; here, that the
// window calls them and what the user sees change.
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "core/traduccion.h"
#include "idioma.h"
#include "puesto.h"
#include "scene/escena.h"
#include "ui/ayuda.h"
#include "ui/caja_valores.h"
#include "ui/formtabla.h"
#include "ui/repeticion.h"
#include "ui/sugiere.h"
#include "ui/tamano_ventana.h"
#include "ui/trabajo_practico.h"

using namespace tya;
using namespace tya::prueba;

namespace {
void teclear(QLineEdit* caja, const QString& texto) {
    caja->clear();
    QTest::keyClicks(caja, texto);
}
void pegar(QLineEdit* caja, const QString& texto) {
    caja->clear();
    QGuiApplication::clipboard()->setText(texto);
    QTest::keySequence(caja, QKeySequence::Paste);
}
QImage rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }
QRect global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); }

template <class T = QPushButton> T* hijo(Puesto& p, const char* nombre) { return p.w->findChild<T*>(nombre); }
void clic(Puesto& p, const char* nombre) { QTest::mouseClick(hijo<QWidget>(p, nombre), Qt::LeftButton); }
void opcion(Puesto& p, const char* nombre) {  // on its circle
    auto* o = hijo<QWidget>(p, nombre);
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
}

// The pointer over experiment 1's sample `i`, shown as a cross, and a click: the mark's table, if it shows.
FormTabla* clic_en_marca(Puesto& p, int i) {
    const Superficie& s = p.w->superficie_escena();
    const QPoint sobre(qRound(s.x_px(p.st->Xs[0][i])), qRound(s.y_px(p.st->Ys[0][i])));
    QTest::mouseMove(p.w->vista_escena(), sobre);
    if (p.w->vista_escena()->cursor().shape() != Qt::CrossCursor) return nullptr;
    QTest::mouseClick(p.w->vista_escena(), Qt::LeftButton, {}, sobre);
    FormTabla* t = p.w->inspeccion().formtabla();
    return t && t->isVisible() ? t : nullptr;
}
}  // namespace

class PrincipTest : public QObject {
    Q_OBJECT

private slots:
    void arranque_y_lanzamiento() {
        // With "sugiere" holding 1 the suggestions show shortly after start; the button reading
        // "No" stores 0, and, opened from the "?" entry, the one reading "Si" stores 1.
        al_abrirse<Sugiere>([](Sugiere* s) { QTest::mouseClick(s->findChild<QPushButton*>("si"), Qt::LeftButton); });
        Puesto p([](const QDir& d) { escribir(d.filePath("sugiere"), " 1 \r\n"); });
        QVERIFY(
            p.activos({}, {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"}));
        QVERIFY(!p.w->lanzamiento().entrada(10)->isEnabled());
        QCOMPARE(leer(p.dir.filePath("uno.log")), QByteArray("archivo de inicio\r\n"));  // marks every start
        QTRY_COMPARE_WITH_TIMEOUT(leer(p.dir.filePath("sugiere")), QByteArray(" 0 \r\n"), 3000);
        al_abrirse<Sugiere>(
            [](Sugiere* s) { QTest::mouseClick(s->findChild<QPushButton*>("Cancelar"), Qt::LeftButton); });
        p.menu("menu_sugiere");
        QCOMPARE(leer(p.dir.filePath("sugiere")), QByteArray(" 1 \r\n"));
        // A message up at start (a damaged file named on the command line) is answered before
        // the hints show over it.
        QMessageBox mensaje(QMessageBox::Warning, "Trayecta", "No se puede leer el archivo");
        mensaje.setWindowModality(Qt::ApplicationModal);
        mensaje.show();
        QStringList orden;
        QTimer::singleShot(50, &mensaje, [&] {  // ends with the test, answered or not
            orden << QStringLiteral("mensaje %1").arg(QApplication::activeModalWidget() == &mensaje);
            mensaje.accept();
        });
        al_abrirse<Sugiere>([&](Sugiere* s) {
            orden << QStringLiteral("sugerencias %1").arg(mensaje.isVisible());
            s->accept();
        });
        Sugiere(p.dir.filePath("otra_sugiere")).exec();
        QCOMPARE(orden, (QStringList{"mensaje 1", "sugerencias 0"}));
        // "Buscar" looks into the topics' text, not only their titles (that the help names every
        // command, in every language, is checked with the languages).
        VisorAyuda v(ruta_texto(QStringLiteral(TYA_DATOS), QStringLiteral("tyayuda2.hlp")), ModoAyuda::Buscar);
        v.findChild<QLineEdit*>("buscar")->setText(QStringLiteral("kg/m"));
        auto* temas = v.findChild<QListWidget*>("temas");
        QVERIFY(!temas->findItems(p.w->accion("menu_valores")->text().remove('&'), Qt::MatchExactly).isEmpty());

        // The first launch enables what needs a flight.
        p.menu("Lanzar1");
        QCOMPARE(muestras(p.st->Pos[0]), 20);
        QCOMPARE(p.st->EnVuelo, int16_t(0));
        QVERIFY(p.activos({"menu_posiciones", "Grabar", "ImprVal"}));
        // Over a mark the pointer is a cross, and a click shows the sample's values.
        FormTabla* tabla = clic_en_marca(p, 6);
        QVERIFY2(tabla, "no cross over the mark, or no table after the click");
        QCOMPARE(tabla->valor(1), con_separador(QStringLiteral(" 3.75")));
        // The stop button during a flight: the flight ends at once and is stored.
        QTimer::singleShot(0, p.w.get(), [&] {
            QCOMPARE(p.st->EnVuelo, 1);
            p.w->comandos().lanzar();  // a second launch while one runs is ignored
            QTest::mouseClick(p.w->lanzamiento().boton_parar(), Qt::LeftButton);
        });
        QTest::mouseClick(p.w->lanzamiento().boton_lanzar(), Qt::LeftButton);
        QCOMPARE(p.st->NExp, int16_t(2));
        QCOMPARE(muestras(p.st->Pos[1]), 1);
        // At ten experiments the launch asks first; Cancel keeps them, OK starts again at 1.
        for (int k = 3; k <= 10; ++k) p.w->comandos().lanzar();
        p.dlg.respuestas_confirmar = {false, true};
        p.w->comandos().lanzar();
        QCOMPARE(p.st->NExp, int16_t(10));
        QCOMPARE(p.dlg.mensajes.back(), Trayecta::tr("Los Gráficos anteriores serán borrados"));
        p.w->comandos().lanzar();
        QCOMPARE(p.st->NExp, int16_t(1));

        // Placing the target forgets the experiments and switches entries off.
        p.menu("Blanco1");
        QVERIFY(p.w->accion("Blanco1")->isChecked());
        QCOMPARE(p.st->NExp, int16_t(0));
        QVERIFY(p.w->marcadores().blanco()->isVisible());
        QVERIFY(p.activos({}, {"Grabar", "Recuperar", "menu_zoom", "menu_posiciones", "menu_velocidades"}));
        // A launch with the target enables the extreme values only.
        p.w->comandos().lanzar();
        QVERIFY(p.activos({"menu_valores"}, {"menu_posiciones", "Grabar"}));
        p.menu("Blanco1");
        QVERIFY(!p.w->accion("Blanco1")->isChecked());
        QVERIFY(!p.w->marcadores().blanco()->isVisible());
        QVERIFY(p.activos({"Grabar", "Recuperar", "menu_zoom"}, {"menu_posiciones"}));
        p.menu("Borrar");
        QVERIFY(p.activos({}, {"Grabar", "ImprGraf"}));

        p.menu("menu_zoom");
        QVERIFY(p.activos({}, {"Blanco1"}));
        QCOMPARE(hijo<QLabel>(p, "Label19")->text(), QStringLiteral("640 m"));
        // At Escala 10 a drop at (3000, 2000) is the launch point (300, 200).
        p.w->marcadores().tomar_cruz();
        p.w->marcadores().soltar_marcador(3000, 2000);
        QCOMPARE(p.st->Param[iXo], Fijo::entero(300));
        QCOMPARE(p.st->Param[iYo], Fijo::entero(200));
        QCOMPARE(p.w->lanzamiento().entrada(iXo)->text(), QStringLiteral("300"));
        p.menu("menu_zoom");
        // The target is dragged without the zoom; during a flight a drop changes nothing.
        p.menu("Blanco1");
        p.w->marcadores().tomar_blanco();
        p.w->marcadores().soltar_marcador(2500.6f, 1200);
        QCOMPARE(p.st->Param[iXoB], Fijo::entero(2500));
        QCOMPARE(p.w->lanzamiento().entrada(iXoB)->text(), QStringLiteral("2500"));
        p.st->EnVuelo = 1;
        p.w->marcadores().soltar_marcador(100, 100);
        QCOMPARE(p.st->Param[iXoB], Fijo::entero(2500));

        EnEspanol guardia;  // the start-up messages' composed wording
        // A start-up file that cannot be read, or INIC.DAT with a decimal comma, refused whole
        // before any entry box is filled: the program's message box, naming it.
        for (const auto& [antes, nombrado] :
             {std::pair<std::function<void(const QDir&)>, QString>{
                  [](const QDir& d) { QFile::remove(d.filePath("trazo.txt")); }, "trazo.txt"},
              {[](const QDir& d) {
                   escribir(d.filePath("INIC.DAT"), "100,5, 340, 0\r\n" + leer(TYA_DATOS "/INIC.DAT").mid(13));
               },
               "INIC.DAT, línea 1, registro 1 (Vo): \"100,5\" lleva coma decimal"}}) {
            Puesto r(antes, false);
            QVERIFY(!r.w->cargar());
            QCOMPARE(r.dlg.mensajes.size(), 1);
            QVERIFY2(r.dlg.mensajes[0].contains(nombrado), qPrintable(r.dlg.mensajes[0]));
        }
        // A help file without topics says so.
        escribir(p.dir.filePath("vacia.hlp"), "sin temas\r\n");
        QString error;
        QVERIFY(leer_ayuda(p.dir.filePath("vacia.hlp"), &error).isEmpty());
        QVERIFY2(error.contains("no tiene temas"), qPrintable(error));
    }

    void parametros_material_y_medio() {
        EnEspanol guardia;  // the materials' composed captions
        Puesto p;
        PanelLanzamiento& l = p.w->lanzamiento();
        // 3, 5, 0 into Vo (maximum 340): the third key is refused with the message.
        teclear(l.entrada(iVo), "350");
        QCOMPARE(p.dlg.mensajes, QStringList{"Valor fuera de rango"});
        QCOMPARE(p.st->Param[iVo], Fijo::entero(35));
        QCOMPARE(l.entrada(iVo)->text(), QStringLiteral("35"));
        // A letter is discarded with a beep; the comma is a decimal separator like the point.
        teclear(l.entrada(iAng), "1a,5");
        QCOMPARE(p.dlg.pitidos, 1);
        QCOMPARE(l.entrada(iAng)->text(), QStringLiteral("1,5"));
        QCOMPARE(p.st->Param[iAng], Fijo::desde(1.5));
        // Positions typed or set beyond their maximum go back silently, each to its own previous
        // value; whole-number boxes take the whole part and move the cross; values beyond the
        // fixed-point range or a double's digits are refused with the message.
        p.dlg.mensajes.clear();
        const QPoint cruz = p.w->marcadores().cruz()->pos();
        const std::tuple<bool, int, QString, Fijo, int> fijados[] = {
            {true, iXo, "7000", Fijo::entero(700), 0},
            {false, iXo, "12,7", Fijo::entero(12), 0},
            {false, iYo, "5000", Fijo(), 0},
            {false, iR, "99999999999999999999999", Fijo::entero(1), 1},
            {false, iYoB, QString(400, QLatin1Char('9')), Fijo::entero(1000), 2}};
        for (const auto& [tecleado, caja, texto, valor, mensajes] : fijados) {
            tecleado ? teclear(l.entrada(caja), texto) : l.entrada(caja)->setText(texto);
            QCOMPARE(p.st->Param[caja], valor);
            QCOMPARE(p.dlg.mensajes.size(), mensajes);
        }
        QCOMPARE(l.entrada(iXo)->text(), QStringLiteral("12"));
        QVERIFY(p.w->marcadores().cruz()->pos() != cruz);
        // Pasted text goes through the same filter as typed keys, the line break dropped
        // silently: the box never shows what its value is not. So does the context menu's paste.
        pegar(l.entrada(iVo), QStringLiteral("1a\r\n2"));
        QCOMPARE(l.entrada(iVo)->text(), QStringLiteral("12"));
        QCOMPARE(p.dlg.pitidos, 2);
        QCOMPARE(p.st->Param[iVo], Fijo::entero(12));
        QGuiApplication::clipboard()->setText(QStringLiteral("z9"));
        QTimer::singleShot(50, [] {
            for (QAction* a : qobject_cast<QMenu*>(QApplication::activePopupWidget())->actions())
                if (a->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"))) a->trigger();
            QApplication::activePopupWidget()->close();
        });
        l.entrada(iAng)->selectAll();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), l.entrada(iAng)->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(l.entrada(iAng), &menu);
        QCOMPARE(l.entrada(iAng)->text(), QStringLiteral("9"));
        // Typed key by key or pasted, a decimal keeps its whole part in a whole-metre box, which
        // shows it once the typing is over.
        p.dlg.mensajes.clear();
        const std::tuple<int, const char*, int> enteros[] = {
            {iXo, "12,7", 12}, {iXo, "12.7", 12}, {iYo, "0,9", 0}, {iXoB, "3000,5", 3000}, {iYoB, "12.75", 12}};
        for (auto [caja, texto, metros] : enteros) {
            for (bool pegado : {false, true}) {
                pegado ? pegar(l.entrada(caja), texto) : teclear(l.entrada(caja), texto);
                QCOMPARE(p.st->Param[caja].real(), double(metros));
                emit l.entrada(caja)->editingFinished();
                QCOMPARE(l.entrada(caja)->text(), QString::number(metros));
            }
        }
        QVERIFY2(p.dlg.mensajes.isEmpty(), qPrintable(p.dlg.mensajes.join('|')));

        // The arrows step by 10 and 5 from the box's value, read with either separator, and
        // refuse a step out of range; the pressed look is undone.
        l.entrada(iVo)->setText("52,5");
        QTest::mouseClick(l.boton_subir(iVo), Qt::LeftButton);
        QCOMPARE(p.st->Param[iVo], Fijo::desde(62.5));
        QCOMPARE(l.entrada(iVo)->text(), con_separador(QStringLiteral("62.5")));
        l.entrada(iVo)->setText("335");
        QTest::mouseClick(l.boton_subir(iVo), Qt::LeftButton);
        QCOMPARE(p.dlg.mensajes, QStringList{"Valor fuera de rango"});
        QCOMPARE(l.entrada(iVo)->text(), QStringLiteral("335"));
        l.entrada(iAng)->setText("0");
        const QImage cara = l.boton_bajar(iAng)->superficie().imagen();
        QTest::mouseClick(l.boton_bajar(iAng), Qt::LeftButton);
        QCOMPARE(p.st->Param[iAng], Fijo::entero(-5));
        QCOMPARE(l.boton_bajar(iAng)->superficie().imagen(), cara);

        // The materials show their density in the locale's form. "Otro material": anything but a
        // plain number from 0.01 to 20 falls back to lead; the comma is a decimal separator there too.
        const QString plomo = con_separador(QStringLiteral("Plomo (d: 11.3)"));
        QCOMPARE(l.material()->itemText(0), plomo);
        QCOMPARE(l.material()->itemText(3), con_separador(QStringLiteral("Hielo (d: 0.92)")));
        p.dlg.respuestas_entrada.push_back("5,5");
        l.elegir_material(5);
        QCOMPARE(p.st->Densidad, Fijo::desde(5.5));
        QCOMPARE(l.material()->currentText(), QStringLiteral("Material: d = 5,5"));
        for (const char* malo : {"5;5", "25", "0,005", ""}) {
            p.dlg.respuestas_entrada.push_back(QString::fromLatin1(malo));
            l.elegir_material(5);
            QCOMPARE(p.st->Densidad, Fijo::crudo(113000));
            QCOMPARE(l.material()->currentText(), plomo);
        }
        // A text wider than the list shows its beginning.
        p.dlg.respuestas_entrada.push_back("12.3456789012345");
        l.elegir_material(5);
        QCOMPARE(p.st->Densidad, Fijo::desde(12.3457));
        QCOMPARE(l.material()->lineEdit()->cursorPosition(), 0);
        // Wind only in air; leaving the air clears it, and coming back does not restore it.
        l.medio(1)->click();
        l.entrada(iViento)->setText("20");
        for (const int aire : {0, 1}) {
            l.medio(aire)->click();
            QCOMPARE(p.st->Aire, int16_t(aire));
            QCOMPARE(p.st->Param[iViento], Fijo());
            QCOMPARE(l.entrada(iViento)->isEnabled(), aire == 1);
        }
    }

    void vistas_paneles_y_portapapeles() {
        EnEspanol guardia;  // the views' and the comparison's composed captions
        // The panels stand right of the scene, beyond the design width, until the window is made smaller.
        Puesto p([](const QDir& d) {
            escribir(d.filePath("metodo.txt"), leer(TYA_DATOS "/metodo.txt"));
            escribir(d.filePath("modelo.txt"), leer(TYA_DATOS "/modelo.txt"));
            QByteArray largo;
            for (int i = 0; i < 200; ++i) largo += "Paso " + QByteArray::number(i) + "\r\n";
            escribir(d.filePath("tpract.txt"), largo);
        });
        for (const char* ang : {"45", "60", "30"}) {
            p.w->lanzamiento().entrada(iAng)->setText(ang);
            p.w->comandos().lanzar();
        }
        // Velocity view with the horizontal component, then the position view: the option's
        // handler runs first, still in velocity mode, and the view overwrites its graph.
        p.menu("menu_velocidades");
        opcion(p, "Option1");
        QCOMPARE(hijo<QLabel>(p, "Label13")->text(), QStringLiteral("Vx"));
        p.menu("menu_posiciones");
        QCOMPARE(hijo<QGroupBox>(p, "Velocidades")->title(), QStringLiteral("Velocidades Vy"));
        QCOMPARE(hijo<QLabel>(p, "Label13")->text(), QStringLiteral("Y"));
        QCOMPARE(p.w->graficos().modo(), ModoGrafico::Posiciones);
        QCOMPARE(p.w->graficos().tabla()->count(), muestras(p.st->Pos[2]) + 1);
        // Typing 1 then 2: experiment 1 is shown, then the box empties and nothing is redrawn.
        teclear(p.w->graficos().numero(), "12");
        QVERIFY(p.w->graficos().numero()->text().isEmpty());
        QCOMPARE(p.st->NGrafSel, int16_t(12));
        QCOMPARE(p.w->graficos().tabla()->count(), muestras(p.st->Pos[0]) + 1);
        pegar(p.w->graficos().numero(), QStringLiteral("x3."));  // digits only
        QCOMPARE(p.w->graficos().numero()->text(), QStringLiteral("3"));
        QCOMPARE(p.st->NGrafSel, int16_t(3));
        // The arrows: at the last experiment "next" keeps it; "previous" goes down with a blank.
        clic(p, "SpinUp2");
        QCOMPARE(p.st->NGrafSel, int16_t(3));
        clic(p, "SpinDown2");
        QCOMPARE(p.st->NGrafSel, int16_t(2));
        QCOMPARE(p.w->graficos().numero()->text(), QStringLiteral(" 2"));
        QCOMPARE(p.w->graficos().tabla()->count(), muestras(p.st->Pos[1]) + 1);
        // Clipboard: the table text, the graph bitmap, the scene's retained image.
        // Rows in the locale's form, in the list and on the clipboard.
        QCOMPARE(p.w->graficos().tabla()->item(1)->text(), con_separador(QStringLiteral("0.75\t37.50\t62.14")));
        clic(p, "Command5");
        QCOMPARE(QGuiApplication::clipboard()->text(), p.st->TextoCopia);
        QCOMPARE(p.st->TextoCopia.split("\r\n").value(1), p.w->graficos().tabla()->item(1)->text());
        clic(p, "Command6");
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(p.w->graficos().grafico().imagen_retenida()));
        p.menu("menu_copi_pant");
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()),
                 rgb(p.w->superficie_escena().imagen_retenida().copy(QRect(QPoint(), p.w->vista_escena()->size()))));
        // Comparing in velocity mode opens the velocity panel; its Cerrar hides it again, and a
        // launch hides the graph panel.
        clic(p, "Command7");
        clic(p, "Comparar");
        auto* velocidades = hijo<QGroupBox>(p, "Velocidades");
        QVERIFY(velocidades->isVisible());
        QVERIFY(!hijo<QGroupBox>(p, "Comparaposi")->isVisible());
        QVERIFY(p.w->graficos().comparacion_velocidades().superficie().imagen() !=
                nueva_caja_grafico(CajaGrafico::ComparaV).imagen());
        clic(p, "Command1");
        QVERIFY(!velocidades->isVisible());
        p.w->comandos().lanzar();
        QVERIFY(!hijo<QGroupBox>(p, "Frame3")->isVisible());

        // The window at its automatic size on a 1920 x 1080 screen, in its own pixels.
        p.w->move(0, 0);
        p.w->resize(903, 484);
        const QRect pantalla = p.w->screen()->availableGeometry();
        const QRect vuelo = zona_vuelo(p.w->superficie_escena()).translated(p.w->vista_escena()->mapToGlobal(QPoint()));
        // The comparison stands beside the graph panel's table and buttons, and follows the component.
        p.menu("menu_posiciones");
        clic(p, "Comparar");
        PanelComparacion& comparacion = p.w->graficos().comparacion_posiciones();
        QVERIFY(p.w->vista_escena()->rect().contains(comparacion.geometry()));
        QVERIFY(!comparacion.geometry().intersects(p.w->graficos().tabla_y_botones()));
        const QImage y = comparacion.superficie().imagen().copy();
        opcion(p, "Option1");
        QCOMPARE(comparacion.title(), QStringLiteral("Posiciones X"));
        QVERIFY(comparacion.superficie().imagen() != y);
        opcion(p, "Option2");
        QCOMPARE(comparacion.superficie().imagen(), y);
        // Dragged by its caption, inside the scene; a press below the caption moves nothing.
        ALaVista a_la_vista;
        qApp->installEventFilter(&a_la_vista);
        const QPoint antes = comparacion.pos();
        for (const int y : {5, comparacion.height() / 2}) {
            QTest::mousePress(&comparacion, Qt::LeftButton, {}, QPoint(40, y));
            QTest::mouseMove(&comparacion, QPoint(10, y + 10));
            QTest::mouseRelease(&comparacion, Qt::LeftButton, {}, QPoint(10, y + 10));
            QCOMPARE(comparacion.pos(), antes + QPoint(-30, 10));
        }
        qApp->removeEventFilter(&a_la_vista);
        // The replay panel and a clicked mark's table stand off the flight, inside the screen.
        p.menu("Repetir");
        p.w->repeticion()->close();
        FormTabla* tabla = clic_en_marca(p, 4);
        QVERIFY2(tabla, "no cross over the mark, or no table after the click");
        p.menu("Repetir");
        for (const QWidget* w : {static_cast<QWidget*>(tabla), static_cast<QWidget*>(p.w->repeticion())}) {
            QVERIFY2(pantalla.contains(global(w)), qPrintable(w->objectName()));
            QVERIFY2(!global(w).intersects(vuelo), qPrintable(w->objectName()));
        }
        p.w->repeticion()->close();
        // "Método de cálculo" lies on the screen with "Salir" in it; the report's copy button
        // does not follow into the texts opened after it.
        p.menu("menu_valores");
        QVERIFY(hijo(p, "Copiar")->isVisible());
        clic(p, "Salir3");
        p.menu("menu_modelo");
        QVERIFY(!hijo(p, "Copiar")->isVisible());
        clic(p, "Salir3");  // "Seguir"
        auto* caja = p.w->findChild<CajaValores*>();
        QCOMPARE(caja->windowTitle(), QStringLiteral("Método de cálculo"));
        QVERIFY(pantalla.contains(caja->frameGeometry()));
        QVERIFY(caja->rect().contains(hijo(p, "Salir3")->geometry()));
        clic(p, "Salir3");
        // The practical work stays beside the flight and reopens where it was read.
        p.menu("tp");
        TrabajoPractico* tp = p.w->textos().trabajo_practico();
        QVERIFY(!global(tp).intersects(vuelo));
        tp->texto()->verticalScrollBar()->setValue(40);
        clic(p, "CerrarTP");
        p.menu("tp");
        QCOMPARE(tp->texto()->verticalScrollBar()->value(), 40);
    }
};

QTEST_MAIN(PrincipTest)
#include "principal_test.moc"
