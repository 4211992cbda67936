// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Archivo" menu and the text windows: experiment files through the file dialog, the
// session log, its viewer and the start-up offer to delete logs, printing with no printer, and
// the about, problem and practical-work windows; the window's size and pasting anything anywhere.
// The file formats are pinned in files/.
#include <QClipboard>
#include <QMenu>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "core/columnas.h"
#include "core/traduccion.h"
#include "files/bitacora.h"
#include "idioma.h"
#include "puesto.h"
#include "files/archivos_recientes.h"
#include "files/preferencias.h"
#include "ui/archivos_recientes.h"
#include "ui/arranque.h"
#include "ui/caja_valores.h"
#include "platform/dialogos_qt.h"
#include "ui/dialogo_logs.h"
#include "ui/tamano_ventana.h"
#include "ui/trabajo_practico.h"
#include "ui/trazas.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// So many PDFs of this kind in the folder, and the last message names the newest.
void impresos(Puesto& p, const char* que, int cuantos) {
    const QStringList l = QDir(p.dir.path()).entryList({QLatin1String(que) + "_*.pdf"}, QDir::Files, QDir::Name);
    QCOMPARE(l.size(), cuantos);
    QVERIFY(p.dlg.mensajes.last().contains(QDir::toNativeSeparators(p.dir.filePath(l.last()))));
}
QPushButton* boton(QWidget* w, const char* nombre) { return w->findChild<QPushButton*>(nombre); }
}  // namespace

class ArchivoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void guardar_y_recuperar() {
        EnEspanol guardia;  // the messages' wording: file and line; the type names
        Puesto p;
        for (int ang : {45, 70, 20}) {
            p.w->lanzamiento().entrada(2)->setText(QString::number(ang));
            p.w->comandos().lanzar();
        }
        const QString a = p.dir.filePath("a.TYA");
        p.menu("Grabar", a);
        QCOMPARE(QFileInfo(p.dlg.archivos.at(0).carpeta).fileName(), QStringLiteral("trayexp"));
        const TiposArchivo tipos;  // as the dialog names them
        QCOMPARE(tipos.type(QFileInfo(p.dir.path())), QStringLiteral("Carpeta"));
        QCOMPARE(tipos.type(QFileInfo(a)), QStringLiteral("Archivo TYA"));
        const QImage escena = p.w->superficie_escena().imagen().copy();
        // The panel open on experiment 1 while recovering shows the file's third one at the end,
        // not what the record held before.
        p.st->Pos[2][1] = Fijo::entero(1);
        p.menu("menu_posiciones");
        p.menu("Borrar");
        p.menu("Recuperar", a);
        QCOMPARE(p.dlg.mensajes, QStringList());
        QCOMPARE(p.w->graficos().numero()->text(), QStringLiteral("3"));
        QCOMPARE(p.w->graficos().tabla()->count(), muestras(p.st->Pos[2]) + 1);
        QVERIFY(p.activos({"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"}));
        QCOMPARE(p.w->superficie_escena().imagen(), escena);
        // A cancelled dialog, and a file that fails half-way, lose nothing: the flights stay on
        // the scene, in the records and in the panel. The failure names the file and the line.
        QList<QByteArray> lineas = leer(a).split('\n');
        lineas[59] = "x\r";
        const QString mala = p.dir.filePath("malo.TYA");
        escribir(mala, lineas.join('\n'));
        p.menu("menu_velocidades");
        const int filas = p.w->graficos().tabla()->count();
        const QImage con_panel = p.w->superficie_escena().imagen().copy();
        for (const QString& respuesta : {QString(), mala}) {
            p.menu("Recuperar", respuesta);
            QCOMPARE(p.st->NExp, 3);
            QCOMPARE(p.w->graficos().numero()->text(), QStringLiteral("3"));
            QCOMPARE(p.w->graficos().tabla()->count(), filas);
            QCOMPARE(p.w->superficie_escena().imagen(), con_panel);
            QVERIFY(p.activos({"Grabar", "menu_posiciones"}));
        }
        QCOMPARE(p.dlg.mensajes.size(), 1);
        QVERIFY2(p.dlg.mensajes[0].contains(mala + ", línea 60:"), qPrintable(p.dlg.mensajes[0]));
        p.menu("Grabar");
        QCOMPARE(p.dlg.mensajes.size(), 1);  // cancelled: nothing written, nothing reported

        // A name typed bare gets the extension "Recuperar" lists; another extension is kept.
        p.menu("Grabar", p.dir.filePath("grupo1"));
        p.menu("Grabar", p.dir.filePath("notas.txt"));
        QCOMPARE(p.dlg.archivos.last().sufijo, QStringLiteral("TYA"));
        QCOMPARE(QDir(p.dir.path()).entryList({"grupo1*", "notas*"}, QDir::Files),
                 (QStringList{"grupo1.TYA", "notas.txt"}));

        // Saving where the file cannot be replaced says so.
        const QString carpeta = p.dir.filePath("protegida"), ruta = carpeta + "/clase.TYA";
        escribir(ruta, "viejo\r\n");
        if (!proteger(carpeta)) QSKIP("no way to protect a folder here");
        p.w->comandos().lanzar();
        p.menu("Grabar", ruta);
        desproteger(carpeta);
        QCOMPARE(p.dlg.mensajes.size(), 2);  // and nothing before since the bad file
        QVERIFY2(p.dlg.mensajes[1].startsWith("No se pudo guardar el archivo " + ruta), qPrintable(p.dlg.mensajes[1]));
    }

    void abrir_recientes_tamano_y_pegar() {
        Puesto p({}, false);
        Preferencias pref(p.dir.filePath("trayecta.conf"));
        const QString perdido = p.dir.filePath("perdido.TYA");
        pref.guardar_recientes({perdido});
        MenuRecientes* recientes = completar_ventana(*p.w, pref, p.dlg);
        QVERIFY(p.w->cargar());
        p.w->comandos().lanzar();
        const QString a = p.dir.filePath("a.TYA");
        p.menu("Grabar", a);
        QCOMPARE(pref.recientes(), (QStringList{a, perdido}));
        QCOMPARE(recientes->entrada(1)->text(), titulo_reciente(1, a));

        // A file dropped from the file manager: refused with a target placed, as "Recuperar"
        // is, and then read as it reads it.
        auto soltar = [&](const QString& ruta) {
            QMimeData datos;
            datos.setUrls({QUrl::fromLocalFile(ruta)});
            QDragEnterEvent entra(QPoint(300, 300), Qt::CopyAction, &datos, Qt::LeftButton, {});
            QApplication::sendEvent(p.w.get(), &entra);
            QDropEvent suelta(QPointF(300, 300), Qt::CopyAction, &datos, Qt::LeftButton, {});
            QApplication::sendEvent(p.w.get(), &suelta);
            QCoreApplication::processEvents();
            return entra.isAccepted() && suelta.isAccepted();
        };
        p.menu("Borrar");
        p.menu("Blanco1");
        QVERIFY(!soltar(a));
        QCOMPARE(p.st->NExp, 0);
        QVERIFY(!recientes->entrada(1)->isEnabled());
        p.menu("Blanco1");
        QVERIFY(soltar(a));
        QCOMPARE(p.st->NExp, 1);
        QVERIFY(p.activos({"Grabar", "menu_posiciones"}));
        QCOMPARE(p.dlg.mensajes, QStringList());
        QVERIFY(!soltar(p.dir.filePath("INIC.DAT")));

        // A recent file that is gone leaves the list with a message naming it; one that is there is read.
        p.menu("Borrar");
        recientes->entrada(2)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(p.dlg.mensajes.size(), 1);
        QVERIFY2(p.dlg.mensajes[0].contains(perdido), qPrintable(p.dlg.mensajes[0]));
        QCOMPARE(pref.recientes(), QStringList{a});
        recientes->entrada(1)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(p.st->NExp, 1);

        // The window size is kept for the next start.
        auto* tamano = p.w->findChild<QMenu*>("menu_tamano");
        QVERIFY(tamano->actions().first()->isChecked());
        QCOMPARE(tamano->actions().size(), 7);
        p.w->findChild<QAction*>("tamano_150")->trigger();
        QCOMPARE(pref.tamano(), 150);
        // A size that does not fit the screen is refused naming the largest that does; one that
        // fits is told to be seen at the next start; one that cannot be kept leaves the kept one checked.
        const QSize fisica = p.w->screen()->availableGeometry().size() * p.w->screen()->devicePixelRatio();
        const QString t = p.dir.filePath("t.ini"), fuera = QStringLiteral("/dev/null/t.ini");
        for (const auto& [archivo, elegido, marcado, mensaje] :
             {std::tuple(
                  t, 300, 0,
                  Trayecta::tr(
                      "El tamaño %1 % no cabe en esta pantalla (%2 × %3 disponibles). El mayor que cabe es %4 %.")
                      .arg(300)
                      .arg(fisica.width())
                      .arg(fisica.height())
                      .arg(tamano_mayor_que_cabe(fisica))),
              {t, 100, 100, Trayecta::tr("El nuevo tamaño de la ventana se verá la próxima vez que se abra Trayecta.")},
              {fuera, 100, 0,
               Trayecta::tr(
                   "No se pudo guardar el tamaño de la ventana en %1: sigue marcado el tamaño que estaba guardado.")
                   .arg(fuera)}}) {
            Preferencias otra(archivo);
            QMenu ver;
            QMenu* m = menu_tamano_ventana(&ver, otra, p.dlg);
            p.dlg.mensajes.clear();
            m->findChild<QAction*>(QStringLiteral("tamano_%1").arg(elegido))->trigger();
            QVERIFY2(p.dlg.mensajes.value(0).contains(mensaje), qPrintable(p.dlg.mensajes.join('|')));
            QVERIFY(m->findChild<QAction*>(QStringLiteral("tamano_%1").arg(marcado))->isChecked());
        }

        // Installed with the window's start-up parts, the guard reaches every editable text of
        // the program, one made later included; the log viewer's text is only read.
        QPlainTextEdit libre;
        libre.show();
        CajaTexto* vo = p.w->lanzamiento().entrada(1);
        auto mime = [](const char* formato, const QByteArray& contenido) {
            auto* m = new QMimeData;
            if (formato) m->setData(QLatin1String(formato), contenido);
            return m;
        };
        auto imagen = new QMimeData;
        imagen->setImageData(QImage(8, 8, QImage::Format_RGB32));
        for (const auto& [portapapeles, en_texto, en_caja] :
             {std::tuple<QMimeData*, QString, QString>{mime(nullptr, {}), "", "0"},
              {imagen, "", "0"},
              {mime("application/octet-stream", QByteArray("\x00\x01\xff", 3)), "", "0"},
              {mime("text/plain", QByteArray(10 << 20, '7')), "", "0"},
              {mime("text/plain",
                    "4\x01"
                    "5\nx"),
               "45\nx", "045"}}) {
            libre.clear();
            vo->setText("0");
            vo->end(false);
            QGuiApplication::clipboard()->setMimeData(portapapeles);
            QTest::keyClick(&libre, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(vo, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(libre.toPlainText(), en_texto);
            QCOMPARE(vo->text(), en_caja);
        }
        Trazas visor(p.dir.path(), {});
        QVERIFY(visor.texto->isReadOnly());
        QVERIFY(visor.texto->tabChangesFocus());
    }

    void oferta_de_borrar_logs() {
        // 10001 bytes in four logs: "Aceptar" by Enter deletes all but the last, switches
        // documentation off and starts no log; "Cancelar" goes on to start one.
        EnEspanol guardia;  // the count's composed wording
        auto logs = [](const QDir& d) {
            escribir(d.filePath("trazo.txt"), " 1 \r\n");
            escribir(d.filePath("a.log"), QByteArray(5000, 'a'));
            escribir(d.filePath("b.log"), QByteArray(4982, 'b'));
            escribir(d.filePath("c.log"), "");
        };
        const QString cuenta = QStringLiteral(
            "La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   4 archivos y  10001 bytes");
        QString texto;
        for (const bool acepta : {true, false}) {
            al_abrirse<DialogoLogs>([&texto, acepta](DialogoLogs* d) {
                texto = d->cuenta->toPlainText();
                acepta ? QTest::keyClick(d, Qt::Key_Return) : QTest::mouseClick(d->cancelar, Qt::LeftButton);
            });
            Puesto p(logs);
            QCOMPARE(texto, cuenta);
            if (acepta)
                QCOMPARE(QDir(p.dir.path()).entryList({"*.log"}, QDir::Files), QStringList{"uno.log"});
            else
                QCOMPARE(QDir(p.dir.path()).entryList({"?.log", "??_??.log"}, QDir::Files).size(), 4);
            QCOMPARE(p.st->Trazo, uint8_t(!acepta));
            QCOMPARE(p.w->accion("menu_trazo")->isChecked(), !acepta);
            QCOMPARE(p.w->archivo().bitacora().abierta(), !acepta);
        }
    }

    void textos_impresion_y_sesion() {
        Puesto p;
        p.menu("Menu_seleccion4");
        CajaValores* c = p.w->textos().caja_valores();
        auto* icono = c->findChild<QLabel*>("icono");
        QVERIFY(icono->isVisible());
        QVERIFY(!boton(c, "Imprimir")->isVisible());
        p.dlg.respuestas_entrada = {QStringLiteral("3")};
        p.menu("Problem");
        QVERIFY(boton(c, "Imprimir")->isVisible());
        QVERIFY(!icono->isVisible());
        QTest::mouseClick(boton(c, "Imprimir"), Qt::LeftButton);
        impresos(p, "problema-3Prob", 1);
        QTest::mouseClick(boton(c, "Salir3"), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QVERIFY(!p.w->superficie_escena().retenido());

        escribir(p.dir.filePath("sesion.log"), "05_12_2026\r\n \r\nuna linea\r\n");
        // The viewer copies a log with its CR LF; opened again it lists the same files, although
        // a log was started in between.
        // Checked once the modal viewer is closed: a failure inside it would leave it open.
        QList<int> cuentas;
        QString copiado;
        al_abrirse<Trazas>([&](Trazas* t) {
            cuentas << t->lista->count();
            t->lista->setCurrentRow(0);
            QTest::mouseClick(t->aceptar, Qt::LeftButton);
            QTest::mouseClick(t->boton_copiar, Qt::LeftButton);
            copiado = QGuiApplication::clipboard()->text();
            QTest::mouseClick(t->boton_cerrar, Qt::LeftButton);
        });
        p.menu("recup_sesion");
        QCOMPARE(copiado, QStringLiteral("05_12_2026\r\n \r\nuna linea\r\n"));
        p.dlg.mensajes.clear();
        p.menu("menu_trazo");
        QVERIFY(p.w->accion("menu_trazo")->isChecked());
        QCOMPARE(p.st->Trazo, uint8_t(1));
        QCOMPARE(p.dlg.mensajes.size(), 1);
        const QStringList logs = QDir(p.dir.path()).entryList({"??_??.log"}, QDir::Files);  // named by the time
        QCOMPARE(logs.size(), 1);
        const QString ruta = p.dir.filePath(logs[0]);
        // A speed typed with a comma is the speed of the log line, in the locale's form.
        p.w->lanzamiento().entrada(1)->setText("52,5");
        const QByteArray linea = con_separador("0     0    52.5    45.0    0    0      1.0    11.3   0.4   \r\n");
        const QByteArray cabecera = leer(ruta);
        p.w->comandos().lanzar();
        QCOMPARE(leer(ruta), cabecera + linea);

        // The same flight in the extreme values.
        p.menu("menu_valores");
        QTest::mouseClick(boton(c, "Copiar"), Qt::LeftButton);
        QCOMPARE(p.st->TextoCopia.count("\r\n"), 3);  // header, empty line, one flight
        QCOMPARE(QGuiApplication::clipboard()->text(), p.st->TextoCopia);
        // The window and its copy show the locale's separator.
        QCOMPARE(c->texto().lineas().value(2),
                 con_separador(QStringLiteral(
                     "    0         0         52.5      45        0         281       70       7.6    37.1    -37.0")));
        QVERIFY(p.st->TextoCopia.split("\r\n").value(2).startsWith(
            con_separador(QStringLiteral(" 0\t 0\t 52.5\t 45\t 0\t 281\t 70\t 7.5"))));
        p.menu("ImprVal");
        impresos(p, "valores-extremos", 1);
        // The image of the window: retained mode is left as it was found.
        for (bool retenido : {false, true}) {
            p.w->superficie_escena().retenido(retenido);
            p.menu("ImprGraf");
            QCOMPARE(p.w->superficie_escena().retenido(), retenido);
        }
        impresos(p, "grafica", 2);

        // The practical work: loaded once though opened twice, not editable, copied with CR LF
        // and printed as it is.
        p.menu("tp");
        p.menu("tp");
        TrabajoPractico* tp = p.w->textos().trabajo_practico();
        const QString texto = QStringLiteral("Objetivos\nPaso 1");
        QVERIFY(tp->isVisible());
        QCOMPARE(tp->texto()->toPlainText(), texto);
        QTest::keyClicks(tp->texto(), QStringLiteral("xyz"));
        QTest::mouseClick(boton(tp, "Command4"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Objetivos\r\nPaso 1\r\n"));
        QTest::mouseClick(boton(tp, "ImpTP"), Qt::LeftButton);
        impresos(p, "trabajo-practico", 1);
        QCOMPARE(tp->texto()->toPlainText(), texto);
        QTest::mouseClick(boton(tp, "CerrarTP"), Qt::LeftButton);
        QVERIFY(!tp->isVisible());
        // Without the file: a message naming it, and an empty panel.
        QFile::remove(p.dir.filePath("tpract.txt"));
        p.menu("tp");
        QCOMPARE(tp->texto()->toPlainText(), QString());
        QVERIFY2(p.dlg.mensajes.last().contains(QStringLiteral("tpract.txt")), qPrintable(p.dlg.mensajes.last()));

        // Recovering closes every file; the next flight's line still reaches the log.
        p.menu("Grabar", p.dir.filePath("x.TYA"));
        p.menu("Recuperar", p.dir.filePath("x.TYA"));
        QVERIFY(!p.w->archivo().bitacora().abierta());
        p.w->comandos().lanzar();
        QCOMPARE(leer(ruta), cabecera + linea + linea);
        // Switched off: the entry unchecked, and later flights write nothing.
        p.menu("menu_trazo");
        QVERIFY(!p.w->accion("menu_trazo")->isChecked());
        QCOMPARE(p.st->Trazo, uint8_t(0));
        p.w->comandos().lanzar();
        QCOMPARE(leer(ruta), cabecera + linea + linea);
        al_abrirse<Trazas>([&](Trazas* t) {
            cuentas << t->lista->count();
            t->cerrar();
        });
        p.menu("recup_sesion");
        QCOMPARE(cuentas, (QList<int>{2, 2}));
    }
};

QTEST_MAIN(ArchivoTest)
#include "archivo_test.moc"
