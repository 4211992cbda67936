// The text window, the practical-work panel and the print commands, driven from the menus
// with no printer on the system.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "platform/reloj.h"
#include "ui/caja_valores.h"
#include "ui/principal.h"
#include "ui/trabajo_practico.h"

using namespace tya;

class TextosVentanaTest : public QObject {
    Q_OBJECT

    struct Puesto {
        QTemporaryDir dir;
        std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
        DialogosGuion dlg;
        RelojContador reloj;
        std::unique_ptr<Princip> w;
        Puesto() {
            for (const char* n : {"INIC.DAT", "trazo.txt"})
                QFile::copy(QStringLiteral(TYA_DATOS "/") + QLatin1String(n), dir.filePath(QLatin1String(n)));
            escribir("tpract.txt", "Objetivos\r\nPaso 1\r\n");
            escribir("3Prob", "Un problema\r\n");
            w = std::make_unique<Princip>(*st, dlg, reloj, dir.path());
            if (!w->cargar()) qFatal("%s", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
            w->impresora().hay_impresora([] { return false; });
            w->show();
        }
        void escribir(const char* nombre, const QByteArray& datos) {
            QFile f(dir.filePath(QLatin1String(nombre)));
            if (f.open(QIODevice::WriteOnly)) f.write(datos);
        }
        QPushButton* boton(const char* nombre) { return w->caja_valores()->findChild<QPushButton*>(nombre); }
        // The PDFs printed so far, and the last message names the newest.
        QStringList pdfs(const char* que) {
            return QDir(dir.path()).entryList({QLatin1String(que) + QStringLiteral("_*.pdf")}, QDir::Files);
        }
        bool avisado(const QString& pdf) {
            return !dlg.mensajes.isEmpty() && dlg.mensajes.last().contains(QDir::toNativeSeparators(dir.filePath(pdf)));
        }
    };

private slots:
    void ventana_de_textos_y_problema() {
        Puesto p;
        p.w->accion("Menu_seleccion4")->trigger();
        CajaValores* c = p.w->caja_valores();
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Acerca de Trayecta"));
        QVERIFY(c->findChild<QLabel*>("icono")->isVisible() && !p.boton("Imprimir")->isVisible());
        // Printing with no problem chosen says so.
        c->Imprimir_Click();
        QVERIFY(p.dlg.mensajes.last().contains(QStringLiteral("Problemas")));

        p.dlg.respuestas_entrada = {QStringLiteral("3")};
        p.w->accion("Problem")->trigger();
        QCOMPARE(c->windowTitle(), QStringLiteral("Problema a resolver"));
        QVERIFY(p.boton("Imprimir")->isVisible() && !c->findChild<QLabel*>("icono")->isVisible());
        QTest::mouseClick(p.boton("Imprimir"), Qt::LeftButton);
        QCOMPARE(p.pdfs("problema-3Prob").size(), 1);
        QVERIFY(p.avisado(p.pdfs("problema-3Prob").first()));
        QTest::mouseClick(p.boton("Salir3"), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QVERIFY(!p.w->superficie_escena().retenido());
    }

    void informe_copia_e_impresion() {
        Puesto p;
        p.w->Lanzar1_Click();
        p.w->accion("menu_valores")->trigger();
        CajaValores* c = p.w->caja_valores();
        QCOMPARE(c->windowTitle(), QStringLiteral("Valores Extremos"));
        QVERIFY(p.boton("Copiar")->isVisible());
        QTest::mouseClick(p.boton("Copiar"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), p.st->TextoCopia);
        QVERIFY(p.st->TextoCopia.startsWith(QStringLiteral("Xo\tYo\t")));

        p.w->accion("ImprVal")->trigger();
        QCOMPARE(p.pdfs("valores-extremos").size(), 1);
        QVERIFY(p.avisado(p.pdfs("valores-extremos").first()));
        // The image of the window: retained mode is left as it was found.
        for (bool retenido : {false, true}) {
            p.w->superficie_escena().retenido(retenido);
            p.w->accion("ImprGraf")->trigger();
            QCOMPARE(p.w->superficie_escena().retenido(), retenido);
        }
        QCOMPARE(p.pdfs("grafica").size(), 2);
        QVERIFY(p.avisado(p.pdfs("grafica").last()));
    }

    void trabajo_practico() {
        Puesto p;
        p.w->accion("tp")->trigger();
        p.w->accion("tp")->trigger();
        TrabajoPractico* tp = p.w->trabajo_practico();
        QVERIFY(tp->isVisible());
        QCOMPARE(tp->caja_tp()->toPlainText(), QStringLiteral("Objetivos\nPaso 1"));  // once
        QTest::keyClicks(tp->caja_tp(), QStringLiteral("xyz"));
        QCOMPARE(tp->caja_tp()->toPlainText(), QStringLiteral("Objetivos\nPaso 1"));
        QTest::mouseClick(tp->findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Objetivos\r\nPaso 1\r\n"));
        QTest::mouseClick(tp->findChild<QPushButton*>("ImpTP"), Qt::LeftButton);
        QCOMPARE(p.pdfs("trabajo-practico").size(), 1);
        QCOMPARE(tp->caja_tp()->toPlainText(), QStringLiteral("Objetivos\nPaso 1"));
        QTest::mouseClick(tp->findChild<QPushButton*>("CerrarTP"), Qt::LeftButton);
        QVERIFY(!tp->isVisible());

        // Without the file: a message naming it, and an empty panel.
        QFile::remove(p.dir.filePath("tpract.txt"));
        p.w->accion("tp")->trigger();
        QVERIFY(tp->caja_tp()->toPlainText().isEmpty());
        QVERIFY(p.dlg.mensajes.last().contains(QStringLiteral("tpract.txt")));
    }
};

QTEST_MAIN(TextosVentanaTest)
#include "textos_ventana_test.moc"
