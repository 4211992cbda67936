// The text window, the practical-work panel and the print commands, driven from the menus
// with no printer on the system.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "puesto.h"
#include "ui/caja_valores.h"
#include "ui/trabajo_practico.h"

using namespace tya;
using namespace tya::prueba;

class TextosVentanaTest : public QObject {
    Q_OBJECT

    struct Ventana : Puesto {
        Ventana()
            : Puesto(" 0 \r\n", [](const QDir& d) {
                  escribir(d.filePath("tpract.txt"), "Objetivos\r\nPaso 1\r\n");
                  escribir(d.filePath("3Prob"), "Un problema\r\n");
              }) {}
        QPushButton* boton(const char* nombre) { return w->caja_valores()->findChild<QPushButton*>(nombre); }
        // So many PDFs of this kind in the folder, and the last message names the newest.
        void impresos(const char* que, int cuantos) {
            const QStringList l = QDir(dir.path()).entryList({QLatin1String(que) + "_*.pdf"}, QDir::Files, QDir::Name);
            QCOMPARE(l.size(), cuantos);
            QVERIFY(!dlg.mensajes.isEmpty() &&
                    dlg.mensajes.last().contains(QDir::toNativeSeparators(dir.filePath(l.last()))));
        }
    };

private slots:
    void acerca_de_y_problema() {
        Ventana p;
        p.menu("Menu_seleccion4");
        CajaValores* c = p.w->caja_valores();
        QVERIFY(c->isVisible() && c->findChild<QLabel*>("icono")->isVisible() && !p.boton("Imprimir")->isVisible());
        c->Imprimir_Click();  // no problem chosen yet: says where to choose one
        QVERIFY(p.dlg.mensajes.last().contains(QStringLiteral("Problemas")));

        p.dlg.respuestas_entrada = {QStringLiteral("3")};
        p.menu("Problem");
        QCOMPARE(c->windowTitle(), QStringLiteral("Problema a resolver"));
        QVERIFY(p.boton("Imprimir")->isVisible() && !c->findChild<QLabel*>("icono")->isVisible());
        QTest::mouseClick(p.boton("Imprimir"), Qt::LeftButton);
        p.impresos("problema-3Prob", 1);
        QTest::mouseClick(p.boton("Salir3"), Qt::LeftButton);
        QVERIFY(!c->isVisible() && !p.w->superficie_escena().retenido());
    }

    void informe_copia_e_impresion() {
        Ventana p;
        p.w->Lanzar1_Click();
        p.menu("menu_valores");
        QTest::mouseClick(p.boton("Copiar"), Qt::LeftButton);
        QCOMPARE(p.st->TextoCopia.count(QStringLiteral("\r\n")), 3);  // header, empty line, one flight
        QCOMPARE(QGuiApplication::clipboard()->text(), p.st->TextoCopia);
        p.menu("ImprVal");
        p.impresos("valores-extremos", 1);
        // The image of the window: retained mode is left as it was found.
        for (bool retenido : {false, true}) {
            p.w->superficie_escena().retenido(retenido);
            p.menu("ImprGraf");
            QCOMPARE(p.w->superficie_escena().retenido(), retenido);
        }
        p.impresos("grafica", 2);
    }

    void trabajo_practico() {
        Ventana p;
        p.menu("tp");
        p.menu("tp");
        TrabajoPractico* tp = p.w->trabajo_practico();
        const QString texto = QStringLiteral("Objetivos\nPaso 1");  // once, though opened twice
        QVERIFY(tp->isVisible());
        QCOMPARE(tp->caja_tp()->toPlainText(), texto);
        QTest::keyClicks(tp->caja_tp(), QStringLiteral("xyz"));
        QTest::mouseClick(tp->findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Objetivos\r\nPaso 1\r\n"));
        QTest::mouseClick(tp->findChild<QPushButton*>("ImpTP"), Qt::LeftButton);
        p.impresos("trabajo-practico", 1);
        QCOMPARE(tp->caja_tp()->toPlainText(), texto);
        QTest::mouseClick(tp->findChild<QPushButton*>("CerrarTP"), Qt::LeftButton);
        QVERIFY(!tp->isVisible());

        // Without the file: a message naming it, and an empty panel.
        QFile::remove(p.dir.filePath("tpract.txt"));
        p.menu("tp");
        QVERIFY(tp->caja_tp()->toPlainText().isEmpty());
        QVERIFY(p.dlg.mensajes.last().contains(QStringLiteral("tpract.txt")));
    }
};

QTEST_MAIN(TextosVentanaTest)
#include "textos_ventana_test.moc"
