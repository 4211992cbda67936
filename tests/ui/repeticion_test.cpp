// SPDX-License-Identifier: GPL-3.0-or-later
// The replay panel driven by keys and clicks: every view follows its cursor, and closing it
// leaves the window as it was.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "puesto.h"
#include "scene/vectores.h"
#include "ui/repeticion.h"

using namespace tya;
using namespace tya::prueba;

class RepeticionTest : public QObject {
    Q_OBJECT

private slots:
    void repetir() {
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
        QCOMPARE(r->experiencia(), 2);
        QCOMPARE(r->muestra(), 1);
        QCOMPARE(r->cuenta(), muestras(st.Pos[1]));
        for (auto [tecla, muestra] : {std::pair(Qt::Key_End, r->cuenta()),
                                      {Qt::Key_Home, 1},
                                      {Qt::Key_Right, 2},
                                      {Qt::Key_Right, 3},
                                      {Qt::Key_Left, 2}}) {
            QTest::keyClick(r, tecla);
            QCOMPARE(r->muestra(), muestra);
        }
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
    }
};

QTEST_MAIN(RepeticionTest)
#include "repeticion_test.moc"
