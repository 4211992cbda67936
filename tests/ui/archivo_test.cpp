// The "&Archivo" menu in the window: experiment files through the file dialog, the session
// log, its viewer and the start-up offer to delete logs.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include "core/formato.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "puesto.h"
#include "ui/controles.h"
#include "ui/dialogo_logs.h"
#include "ui/formtabla.h"
#include "ui/trazas.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// Runs `accion` on the first modal window of type T to show up.
template <class T> void al_abrirse(std::function<void(T*)> accion) {
    auto* t = new QTimer;
    QObject::connect(t, &QTimer::timeout, [t, accion] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            accion(d);
        }
    });
    t->start(10);
}
// The session logs of a folder but the start marker.
QStringList sesiones(const QString& dir) {
    QStringList l = QDir(dir).entryList({"*.log"}, QDir::Files);
    l.removeAll("uno.log");
    return l;
}
}  // namespace

class ArchivoTest : public QObject {
    Q_OBJECT

    struct Ventana : Puesto {
        using Puesto::Puesto;
        void guardar(const QString& ruta) { dlg.respuestas_archivo.push_back(ruta); menu("Grabar"); }
        void recuperar(const QString& ruta) { dlg.respuestas_archivo.push_back(ruta); menu("Recuperar"); }
        // The entries a loaded experiment turns on, on or off.
        void entradas(bool activas) {
            for (const char* n : {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"})
                QVERIFY2(w->accion(QLatin1String(n))->isEnabled() == activas, n);
        }
        // Cleared as Borrar leaves it: no experiments, empty box and list, entries off.
        void limpio() {
            QCOMPARE(st->NExp, int16_t(0));
            QCOMPARE(w->ngraf()->text(), QString());
            QCOMPARE(w->lista()->count(), 0);
            entradas(false);
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void guardar_recuperar_guardar() {
        Ventana p;
        for (int ang : {45, 70, 20}) {
            p.w->entrada(2)->setText(QString::number(ang));
            p.w->Lanzar1_Click();
        }
        const QString a = p.dir.filePath("a.TYA"), b = p.dir.filePath("b");
        p.guardar(a);
        const PedidoArchivo g = p.dlg.archivos.at(0);
        QVERIFY(g.titulo == "Guardar" && g.filtro == "TYAib(*.TYA)" && g.guardar);
        QVERIFY(QFileInfo(g.carpeta).fileName() == "trayexp" && QFileInfo(g.carpeta).isDir());
        const QImage escena = p.w->superficie_escena().imagen().copy();

        // The panel open on experiment 1 while recovering shows the file's third one at the end.
        p.menu("menu_posiciones");
        p.menu("Borrar");
        p.recuperar(a);
        QVERIFY(p.dlg.archivos.at(1).titulo == "Recuperar" && !p.dlg.archivos.at(1).guardar);
        QVERIFY(p.dlg.mensajes.isEmpty());
        QCOMPARE(p.st->NExp, int16_t(3));
        QCOMPARE(p.w->ngraf()->text(), QStringLiteral("3"));
        QCOMPARE(p.st->NColor, int16_t(9));
        QCOMPARE(p.w->lista()->count(), muestras(p.st->Pos[2]) + 1);
        p.entradas(true);
        QCOMPARE(p.w->superficie_escena().imagen(), escena);
        p.guardar(b);  // no extension: written under exactly that name
        QCOMPARE(leer(b), leer(a));
        QVERIFY(!QFile::exists(b + ".TYA"));

        // A cancelled dialog reads and writes nothing; the reset before it stays.
        p.menu("Recuperar");
        p.limpio();
        p.w->Lanzar1_Click();
        p.menu("Grabar");
        QCOMPARE(leer(b), leer(a));
    }

    void archivos_que_no_se_leen() {
        Ventana p;
        p.w->Lanzar1_Click();
        p.guardar(p.dir.filePath("uno.TYA"));
        const QList<QByteArray> bueno = leer(p.dir.filePath("uno.TYA")).split('\n');
        auto con = [&bueno](int linea, const QByteArray& v) {
            QList<QByteArray> l = bueno;
            l[linea - 1] = v + "\r";
            return l.join('\n');
        };
        p.menu("Borrar");
        const QImage limpia = p.w->superficie_escena().imagen().copy();
        const QString ruta = p.dir.filePath("malo.TYA");
        const std::pair<QByteArray, int> casos[] = {{"", 1}, {"11\r\n", 1}, {con(3, "1901"), 3}, {con(3, "20.4"), 3},
                                                    {con(51, "19"), 51}, {con(60, "x"), 60}};
        for (const auto& [texto, linea] : casos) {
            p.w->Lanzar1_Click();
            p.w->Lanzar1_Click();
            p.menu("menu_velocidades");
            escribir(ruta, texto);
            p.dlg.mensajes.clear();
            p.recuperar(ruta);
            QCOMPARE(p.dlg.mensajes.size(), 1);
            QVERIFY2(p.dlg.mensajes[0].contains(ruta) && p.dlg.mensajes[0].contains(QStringLiteral("línea %1:").arg(linea)),
                     qPrintable(p.dlg.mensajes[0]));
            p.limpio();
            QCOMPARE(p.w->superficie_escena().imagen(), limpia);
        }
    }

    void guardar_donde_no_se_puede() {
        Ventana p;
        p.w->Lanzar1_Click();
        const QString carpeta = p.dir.filePath("protegida"), ruta = carpeta + "/clase.TYA";
        escribir(ruta, "1\r\nviejo\r\n");
        if (!proteger(carpeta)) QSKIP("no way to protect a folder here");
        p.guardar(ruta);
        desproteger(carpeta);
        QCOMPARE(leer(ruta), QByteArray("1\r\nviejo\r\n"));
        QCOMPARE(p.dlg.mensajes.size(), 1);
        QVERIFY2(p.dlg.mensajes[0].startsWith("No se pudo guardar el archivo " + ruta), qPrintable(p.dlg.mensajes[0]));
        QCOMPARE(p.st->NExp, int16_t(1));  // saving changes no state
    }

    void valores_extremos_en_todas_las_vistas() {
        // Any value the reader takes must pass every view; a click on the mark draws the vectors.
        Ventana p;
        p.w->Lanzar1_Click();
        EstadoExp& st = *p.st;
        const int n = muestras(st.Pos[0]);
        const Fijo tope = Fijo::crudo(INT64_MAX), fondo = Fijo::crudo(INT64_MIN + 1);
        st.Vx[0][6] = st.VelMarca[0][12] = Fijo::entero(200000000000000);
        st.Vy[0][6] = st.VelMarca[0][13] = st.Ay[0][6] = fondo;
        st.Ax[0][6] = tope;
        st.VelMarca[0][2 * n + 2] = st.Pos[0][2 * n + 2] = st.VelMarca[0][2 * n + 8] = tope;
        st.VelMarca[0][2 * n + 3] = st.Pos[0][2 * n + 3] = fondo;
        st.Extremos[0].fill(tope);
        const QString ruta = p.dir.filePath("extremo.TYA");
        QVERIFY(grabar_experiencias(st, ruta));
        p.recuperar(ruta);
        QCOMPARE(st.NExp, int16_t(1));
        for (const char* vista : {"menu_posiciones", "menu_velocidades"}) {
            p.menu(vista);
            QTest::mouseClick(p.w->findChild<QPushButton*>("Comparar"), Qt::LeftButton);
            QTest::mouseClick(p.w->findChild<QWidget*>("Option1"), Qt::LeftButton, {}, QPoint(6, 8));
        }
        const Superficie& sup = p.w->superficie_escena();
        const QPoint sobre(int(sup.x_px(st.Xs[0][6])), int(sup.y_px(st.Ys[0][6])));
        QTest::mouseMove(p.w->vista_escena(), sobre);
        QTest::mouseClick(p.w->vista_escena(), Qt::LeftButton, {}, sobre);
        QVERIFY(p.w->formtabla() && p.w->formtabla()->isVisible());
        QCOMPARE(p.w->formtabla()->valor(4), QStringLiteral(" 200000000000000"));
    }

    void documentar_sesion() {
        Ventana p;
        QVERIFY(sesiones(p.dir.path()).isEmpty());
        p.menu("menu_trazo");
        QVERIFY(p.w->accion("menu_trazo")->isChecked() && p.st->Trazo == 1);
        QCOMPARE(p.dlg.mensajes, QStringList{"Trayecta|" + QStringLiteral("\r\nLa documentación de la sesión queda grabada en"
                                                                          "\r\narchivos .log con la hora por nombre,\r\n"
                                                                          "en la carpeta de la aplicacion")});
        const QStringList logs = sesiones(p.dir.path());
        QCOMPARE(logs.size(), 1);
        QVERIFY(QRegularExpression("^[0-2][0-9]_[0-5][0-9]\\.log$").match(logs[0]).hasMatch());
        const QString ruta = p.dir.filePath(logs[0]);
        const QByteArray linea = (linea_lanzamiento(*p.st, separador_local()) + "\r\n").toUtf8();
        const QByteArray cabecera = leer(ruta);
        QVERIFY(cabecera.endsWith("\r\n \r\nXo    Yo    Vo     Ang.  Aire  Viento  R      Dens.  Forma\r\n \r\n"));
        p.w->Lanzar1_Click();
        QCOMPARE(leer(ruta), cabecera + linea);
        // Recovering closes every file; the next flight's line still reaches the log.
        p.guardar(p.dir.filePath("x.TYA"));
        p.recuperar(p.dir.filePath("x.TYA"));
        QVERIFY(!p.w->bitacora().abierta());
        p.w->Lanzar1_Click();
        QCOMPARE(leer(ruta), cabecera + linea + linea);
        // Switched off: the entry unchecked, later flights write nothing, and Salir stores " 0 ".
        p.menu("menu_trazo");
        QVERIFY(!p.w->accion("menu_trazo")->isChecked() && p.st->Trazo == 0);
        p.w->Lanzar1_Click();
        QCOMPARE(leer(ruta), cabecera + linea + linea);
        p.w->Salir_Click();
        QCOMPARE(leer(p.dir.filePath("trazo.txt")), QByteArray(" 0 \r\n"));
    }

    void visor_de_sesiones() {
        Ventana p;
        escribir(p.dir.filePath("08_30.log"), "05_12_2026\r\n \r\nuna linea\r\n");
        int cuentas[2] = {};
        al_abrirse<Trazas>([&](Trazas* t) {
            cuentas[0] = t->File1->count();
            QCOMPARE(t->windowTitle(), QStringLiteral("Archivos de Sesiones Realizadas"));
            QCOMPARE(t->Command3->text(), QStringLiteral("Copiar  al Portapapeles"));
            t->File1->setCurrentRow(0);
            QTest::mouseClick(t->Command2, Qt::LeftButton);
            QCOMPARE(t->Text1->toPlainText(), QStringLiteral("05_12_2026\n \nuna linea\n"));
            QVERIFY(t->Text1->font().fixedPitch());
            QTest::mouseClick(t->Command3, Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("05_12_2026\r\n \r\nuna linea\r\n"));
            QTest::mouseClick(t->Command1, Qt::LeftButton);
        });
        p.menu("recup_sesion");
        // Opened again: the same list, although a log was started in between.
        p.menu("menu_trazo");
        al_abrirse<Trazas>([&](Trazas* t) {
            cuentas[1] = t->File1->count();
            t->Command1_Click();
        });
        p.menu("recup_sesion");
        QCOMPARE(cuentas[0], 2);
        QCOMPARE(cuentas[1], 2);
    }

    void oferta_de_borrar_logs() {
        // 10001 bytes in four logs: "Aceptar" by Enter deletes all but the last, switches
        // documentation off and starts no log; "Cancelar" goes on to start one.
        auto logs = [](const QDir& d) {
            escribir(d.filePath("a.log"), QByteArray(5000, 'a'));
            escribir(d.filePath("b.log"), QByteArray(4982, 'b'));
            escribir(d.filePath("c.log"), "");
        };
        QString texto;
        al_abrirse<DialogoLogs>([&](DialogoLogs* d) {
            texto = d->Text1->toPlainText();
            QTest::keyClick(d, Qt::Key_Return);
        });
        Ventana p(" 1 \r\n", logs);
        QCOMPARE(texto, QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   4 archivos y  10001 bytes"));
        QCOMPARE(QDir(p.dir.path()).entryList({"*.log"}, QDir::Files), QStringList{"uno.log"});
        QVERIFY(p.st->Trazo == 0 && !p.w->accion("menu_trazo")->isChecked());

        al_abrirse<DialogoLogs>([](DialogoLogs* d) { QTest::mouseClick(d->CancelButton, Qt::LeftButton); });
        Ventana q(" 1 \r\n", logs);
        QCOMPARE(sesiones(q.dir.path()).size(), 4);
        QVERIFY(q.st->Trazo == 1 && q.w->accion("menu_trazo")->isChecked() && q.w->bitacora().abierta());
    }
};

QTEST_MAIN(ArchivoTest)
#include "archivo_test.moc"
