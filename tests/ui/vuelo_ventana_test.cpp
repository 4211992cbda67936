// SPDX-License-Identifier: GPL-3.0-or-later
// A flight as the launch command flies it in the window: the raised radius shown, the target
// marker moving to the hit, the end messages, the log line.
#include <QDir>
#include <QRadioButton>

#include "core/traduccion.h"
#include "puesto.h"

using namespace tya;
using namespace tya::prueba;

class VueloVentanaTest : public QObject {
    Q_OBJECT

private slots:
    void vuelos() {
        Puesto p([](const QDir& d) { escribir(d.filePath("trazo.txt"), " 1 \r\n"); });
        EstadoExp& st = *p.st;
        // A hit: the marker follows the target, "Impacto" is said once.
        p.menu("Blanco1");
        const QPoint antes = p.w->marcadores().blanco()->pos();
        p.w->lanzamiento().entrada(1)->setText("200");
        p.w->lanzamiento().entrada(2)->setText("47");
        p.w->comandos().lanzar();
        QCOMPARE(p.dlg.mensajes, QStringList{Trayecta::tr("Impacto")});
        QVERIFY(p.w->marcadores().blanco()->pos() != antes);
        QCOMPARE(st.EnVuelo, int16_t(0));
        p.menu("Blanco1");
        // A light ball from 3500 m, below the smallest radius: 0.01 shown, "Fin de Simulación"
        // at the 1900th sample.
        p.w->lanzamiento().medio(1)->click();
        st.Densidad = Fijo::desde(0.01);
        st.Param[iR] = Fijo();
        p.w->lanzamiento().entrada(1)->setText("0");
        p.w->lanzamiento().entrada(4)->setText("3500");
        p.w->comandos().lanzar();
        QCOMPARE(p.dlg.mensajes.back(), Trayecta::tr("Fin de Simulación"));
        QCOMPARE(muestras(st.Pos[st.NExp - 1]), 1900);
        QCOMPARE(p.w->lanzamiento().entrada(9)->text(), QStringLiteral("0.01"));
        // Both launches in the session log.
        QString log;
        for (const QString& f : QDir(p.dir.path()).entryList({"*.log"}, QDir::Files))
            if (f != "uno.log") log += QString::fromLatin1(leer(p.dir.filePath(f)));
        QCOMPARE(log.count(con_separador(QStringLiteral("200.0   47.0"))), 1);
        QCOMPARE(log.count(con_separador(QStringLiteral("3500 0.0"))), 1);
    }
};

QTEST_MAIN(VueloVentanaTest)
#include "vuelo_ventana_test.moc"
