// SPDX-License-Identifier: GPL-3.0-or-later
// The scene by keyboard, the result line a screen reader speaks, and leaving with unsaved work.
#include <QAccessible>
#include <QMimeData>
#include <QStatusBar>

#include "core/formato.h"
#include "tests/idioma.h"
#include "puesto.h"
#include "ui/escena_teclado.h"
#include "ui/formtabla.h"
#include "ui/linea_estado.h"

using namespace tya;
using namespace tya::prueba;

namespace {
void tecla(Puesto& p, int t, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QApplication::setActiveWindow(p.w.get());
    if (!p.w->vista_escena()->hasFocus()) p.w->vista_escena()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(p.w->vista_escena(), Qt::Key(t), m);
}
// A marker dropped at a pixel of the scene, as the toolkit delivers a drag.
void soltar_en(Puesto& p, QPointF px) {
    QMimeData datos;
    datos.setData(QString::fromLatin1(kMimeMarcador), "cruz");
    // The toolkit delivers a drop only to the widget that took the drag as it entered.
    QDragEnterEvent entra(px.toPoint(), Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.w->vista_escena(), &entra);
    QDropEvent suelta(px, Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p.w->vista_escena(), &suelta);
}
QPointF pixel(Puesto& p, Fijo x, Fijo y, int esc = 1) {
    const Superficie& s = p.w->superficie_escena();
    return {std::round(s.x_px(x.real() * esc)), std::round(s.y_px(y.real() * esc))};
}
// The program has left when trazo.txt holds what Salir writes (the test starts it at " 0 ").
bool salio(Puesto& p) { return leer(p.dir.filePath("trazo.txt")) == QByteArray(" 1 \r\n"); }
}  // namespace

class EscenaTecladoTest : public QObject {
    Q_OBJECT

private slots:
    void marcadores_como_un_arrastre() {
        Puesto p, q;
        // An arrow on a control of a panel lying on the scene is not the scene's.
        QApplication::setActiveWindow(p.w.get());
        p.w->lanzamiento().boton_bajar(1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(p.w->lanzamiento().boton_bajar(1), Qt::Key_Up);
        QCOMPARE(p.st->Yo(), q.st->Yo());
        // Ten pixels right and one up with the keys, and a drop of the cross at that pixel.
        const QPointF destino = pixel(q, q.st->Xo(), q.st->Yo()) + QPointF(10, -1);
        tecla(p, Qt::Key_Right, Qt::ShiftModifier);
        tecla(p, Qt::Key_Up);
        q.w->marcadores().tomar_cruz();
        soltar_en(q, destino);
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
        const QString alcance = QStringLiteral("alcance 1018") + QChar(separador_esperado()) + "19 m";
        QVERIFY2(linea.startsWith("Experiencia 1, vacío, plomo: " + alcance), qPrintable(linea));
        // The line lies under the scene, never over it, and the scene lists the same flight.
        QVERIFY(p.w->statusBar()->geometry().top() >= p.w->vista_escena()->geometry().bottom());
        QCOMPARE(p.w->vista_escena()->accessibleDescription(), linea);
        QCOMPARE(QAccessible::queryAccessibleInterface(p.w->linea_estado())->text(QAccessible::Name), linea);
        // PgDn from nothing takes the first mark, PgUp there goes nowhere; Enter opens its table.
        tecla(p, Qt::Key_PageDown);
        tecla(p, Qt::Key_PageDown);
        QCOMPARE(p.w->teclado().marca(), (MarcaEscena{1, 2}));
        QVERIFY(p.w->linea_estado()->text().startsWith("Experiencia 1, muestra 2 de "));
        tecla(p, Qt::Key_PageUp);
        tecla(p, Qt::Key_PageUp);
        QCOMPARE(p.dlg.pitidos, 1);
        tecla(p, Qt::Key_Return);
        QVERIFY(p.w->inspeccion().formtabla());
        QVERIFY(p.w->inspeccion().formtabla()->isVisible());
        QCOMPARE(p.w->inspeccion().formtabla()->valor(1), QStringLiteral(" 0"));
        // A cleared scene has no flights to list and no mark to stand on.
        p.menu("Borrar");
        QCOMPARE(p.w->vista_escena()->accessibleDescription(), QStringLiteral("Ninguna experiencia."));
        QCOMPARE(p.w->teclado().marca(), std::nullopt);
    }

    void salir_con_experiencias_sin_guardar() {
        EnEspanol guardia;  // the question's wording is checked
        const QString archivo = QStringLiteral("clase.TYA");
        // What was done before Salir, how the question is answered, what is asked, and whether
        // the program left.
        const struct {
            int vuelos;
            bool guardado, borrado;
            std::optional<Eleccion> respuesta;
            QString ruta;  // the save dialog's answer
            const char* pregunta;
            bool sale;
        } casos[] = {
            {0, false, false, {}, {}, nullptr, true},
            {1, false, false, Eleccion::Cancelar, {}, "¿Salir sin guardar la experiencia?", false},
            {2, false, false, Eleccion::Segunda, {}, "¿Salir sin guardar las 2 experiencias?", true},
            {2, false, false, Eleccion::Primera, {}, "¿Salir sin guardar las 2 experiencias?", false},  // save
                                                                                                        // cancelled
            {2, false, false, Eleccion::Primera, archivo, "¿Salir sin guardar las 2 experiencias?", true},
            {2, true, false, {}, {}, nullptr, true},
            {2, false, true, {}, {}, nullptr, true},
        };
        for (const auto& c : casos) {
            Puesto p;
            for (int i = 0; i < c.vuelos; ++i) p.menu("Lanzar1");
            if (c.guardado) p.menu("Grabar", p.dir.filePath(archivo));
            if (c.borrado) p.menu("Borrar");
            if (c.respuesta) p.dlg.respuestas_elegir.push_back(*c.respuesta);
            if (!c.ruta.isEmpty()) p.dlg.respuestas_archivo.push_back(p.dir.filePath(c.ruta));
            p.st->Trazo = 1;
            p.menu("Salir");
            QCOMPARE(p.dlg.preguntas.value(0),
                     c.pregunta ? QString::fromUtf8(c.pregunta) + "|Guardar|Salir" : QString());
            QCOMPARE(salio(p), c.sale);
            QCOMPARE(QFile::exists(p.dir.filePath(archivo)), c.guardado || !c.ruta.isEmpty());
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
};

QTEST_MAIN(EscenaTecladoTest)
#include "escena_teclado_test.moc"
