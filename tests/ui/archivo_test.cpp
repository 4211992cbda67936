// The "&Archivo" menu in the window: experiment files through the file dialog, the session
// log, its viewer and the start-up offer to delete logs.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/formato.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "graphs/tablas.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "proteger.h"
#include "ui/controles.h"
#include "ui/dialogo_logs.h"
#include "ui/formtabla.h"
#include "ui/principal.h"
#include "ui/trazas.h"

using namespace tya;

namespace {
QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) f.write(datos);
}
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

    struct Puesto {
        QTemporaryDir dir;
        std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
        DialogosGuion dlg;
        RelojContador reloj;
        std::unique_ptr<Princip> w;
        explicit Puesto(const QByteArray& trazo = " 0 \r\n", const std::function<void(const QString&)>& antes = {}) {
            QFile::copy(QStringLiteral(TYA_DATOS "/INIC.DAT"), dir.filePath("INIC.DAT"));
            escribir(dir.filePath("trazo.txt"), trazo);
            escribir(dir.filePath("sugiere"), " 0 \r\n");
            if (antes) antes(dir.path());
            w = std::make_unique<Princip>(*st, dlg, reloj, dir.path());
            if (!w->cargar()) qFatal("%s", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
            w->resize(1400, 900);
            w->show();
        }
        bool activo(const char* nombre) { return w->accion(QLatin1String(nombre))->isEnabled(); }
        void guardar(const QString& ruta) {
            dlg.respuestas_archivo.push_back(ruta);
            w->accion("Grabar")->trigger();
        }
        void recuperar(const QString& ruta) {
            dlg.respuestas_archivo.push_back(ruta);
            w->accion("Recuperar")->trigger();
        }
        // Cleared as Borrar leaves it: no experiments, empty box and list, entries off.
        void limpio() {
            QCOMPARE(st->NExp, int16_t(0));
            QCOMPARE(w->ngraf()->text(), QString());
            QCOMPARE(w->lista()->count(), 0);
            for (const char* n : {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"})
                QVERIFY2(!activo(n), n);
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void guardar_recuperar_guardar() {
        Puesto p;
        for (int ang : {45, 70, 20}) {
            p.w->entrada(2)->setText(QString::number(ang));
            p.w->Lanzar1_Click();
        }
        const QString a = p.dir.filePath("a.TYA"), b = p.dir.filePath("b");
        p.guardar(a);
        const PedidoArchivo g = p.dlg.archivos.at(0);
        QCOMPARE(g.titulo, QStringLiteral("Guardar"));
        QCOMPARE(g.filtro, QStringLiteral("TYAib(*.TYA)"));
        QVERIFY(g.guardar);
        QCOMPARE(QFileInfo(g.carpeta).fileName(), QStringLiteral("trayexp"));
        QVERIFY(QFileInfo(g.carpeta).isDir());
        QStringList tablas;
        for (int k = 1; k <= 3; ++k) {
            p.st->NGrafSel = int16_t(k);
            tablas << tabla_posiciones(*p.st, QLatin1Char('.')).join('|') + tabla_velocidades(*p.st, QLatin1Char('.')).join('|');
        }
        const QImage escena = p.w->superficie_escena().imagen().copy();

        // The panel open on experiment 1 while recovering shows the file's third one at the end.
        p.w->accion("menu_posiciones")->trigger();
        p.w->accion("Borrar")->trigger();
        p.recuperar(a);
        QVERIFY(p.dlg.archivos.at(1).titulo == "Recuperar" && !p.dlg.archivos.at(1).guardar);
        QVERIFY(p.dlg.mensajes.isEmpty());
        QCOMPARE(p.st->NExp, int16_t(3));
        QCOMPARE(p.w->ngraf()->text(), QStringLiteral("3"));
        QCOMPARE(p.st->NColor, int16_t(9));
        QCOMPARE(p.w->lista()->count(), muestras(p.st->Pos[2]) + 1);
        for (const char* n : {"Grabar", "ImprVal", "ImprGraf", "menu_valores", "menu_posiciones", "menu_velocidades"})
            QVERIFY2(p.activo(n), n);
        QCOMPARE(p.w->superficie_escena().imagen(), escena);
        for (int k = 1; k <= 3; ++k) {
            p.st->NGrafSel = int16_t(k);
            QCOMPARE(tabla_posiciones(*p.st, QLatin1Char('.')).join('|') + tabla_velocidades(*p.st, QLatin1Char('.')).join('|'),
                     tablas[k - 1]);
        }
        p.guardar(b);  // no extension: written under exactly that name
        QCOMPARE(leer(b), leer(a));
        QVERIFY(!QFile::exists(b + ".TYA"));

        // A cancelled dialog reads and writes nothing; the reset before it stays.
        p.w->accion("Recuperar")->trigger();
        p.limpio();
        p.w->Lanzar1_Click();
        p.w->accion("Grabar")->trigger();
        QCOMPARE(leer(b), leer(a));
    }

    void archivos_que_no_se_leen() {
        Puesto p;
        p.w->Lanzar1_Click();
        p.guardar(p.dir.filePath("uno.TYA"));
        QList<QByteArray> bueno = leer(p.dir.filePath("uno.TYA")).split('\n');
        auto con = [&bueno](int linea, const QByteArray& v) {
            QList<QByteArray> l = bueno;
            l[linea - 1] = v + "\r";
            return l.join('\n');
        };
        struct Caso { QByteArray texto; int linea; };
        const QList<Caso> casos = {{"", 1}, {"11\r\n", 1}, {con(51, "19"), 51}, {con(3, "20.4"), 3}, {con(60, "x"), 60}};
        const QImage limpia = [&] {
            p.w->accion("Borrar")->trigger();
            return p.w->superficie_escena().imagen().copy();
        }();
        for (const Caso& c : casos) {
            p.w->Lanzar1_Click();
            p.w->Lanzar1_Click();
            p.w->accion("menu_velocidades")->trigger();
            const QString ruta = p.dir.filePath("malo.TYA");
            escribir(ruta, c.texto);
            p.dlg.mensajes.clear();
            p.recuperar(ruta);
            QCOMPARE(p.dlg.mensajes.size(), 1);
            QVERIFY2(p.dlg.mensajes[0].contains(ruta) && p.dlg.mensajes[0].contains(QStringLiteral("línea %1:").arg(c.linea)),
                     qPrintable(p.dlg.mensajes[0]));
            p.limpio();
            QCOMPARE(p.w->superficie_escena().imagen(), limpia);
        }
    }

    void guardar_donde_no_se_puede() {
        Puesto p;
        p.w->Lanzar1_Click();
        const QString carpeta = p.dir.filePath("protegida");
        QDir(p.dir.path()).mkdir("protegida");
        const QString ruta = carpeta + "/clase.TYA";
        escribir(ruta, "1\r\nviejo\r\n");
        if (!prueba::proteger(carpeta)) QSKIP("no way to protect a folder here");
        p.guardar(ruta);
        const QByteArray despues = leer(ruta);
        prueba::desproteger(carpeta);
        QCOMPARE(despues, QByteArray("1\r\nviejo\r\n"));
        QCOMPARE(p.dlg.mensajes.size(), 1);
        QVERIFY2(p.dlg.mensajes[0].startsWith("No se pudo guardar el archivo " + ruta), qPrintable(p.dlg.mensajes[0]));
        QCOMPARE(p.st->NExp, int16_t(1));  // saving changes no state
    }

    void valores_extremos_en_todas_las_vistas() {
        // Any value the reader takes must pass every view; a click on the mark draws the vectors.
        Puesto p;
        p.w->Lanzar1_Click();
        EstadoExp& st = *p.st;
        const int n = muestras(st.Pos[0]);
        const Fijo tope = Fijo::crudo(INT64_MAX), fondo = Fijo::crudo(INT64_MIN + 1);
        st.Vx[0][6] = st.VelMarca[0][12] = Fijo::entero(200000000000000);
        st.Vy[0][6] = st.VelMarca[0][13] = fondo;
        st.Ax[0][6] = tope;
        st.Ay[0][6] = fondo;
        st.VelMarca[0][2 * n + 2] = st.Pos[0][2 * n + 2] = st.VelMarca[0][2 * n + 8] = tope;
        st.VelMarca[0][2 * n + 3] = st.Pos[0][2 * n + 3] = fondo;
        st.Extremos[0].fill(tope);
        const QString ruta = p.dir.filePath("extremo.TYA");
        QVERIFY(grabar_experiencias(st, ruta));
        p.recuperar(ruta);
        QCOMPARE(st.NExp, int16_t(1));
        for (const char* vista : {"menu_posiciones", "menu_velocidades"}) {
            p.w->accion(vista)->trigger();
            QTest::mouseClick(p.w->findChild<QPushButton*>("Comparar"), Qt::LeftButton);
            QTest::mouseClick(p.w->findChild<QWidget*>("Option1"), Qt::LeftButton, {}, QPoint(6, 8));
        }
        auto* vista = p.w->vista_escena();
        const Superficie& sup = p.w->superficie_escena();
        const QPoint sobre(int(sup.x_px(st.Xs[0][6])), int(sup.y_px(st.Ys[0][6])));
        QTest::mouseMove(vista, sobre);
        QTest::mouseClick(vista, Qt::LeftButton, {}, sobre);
        QVERIFY(p.w->formtabla() && p.w->formtabla()->isVisible());
        QCOMPARE(p.w->formtabla()->valor(4), QStringLiteral(" 200000000000000"));
    }

    void documentar_sesion() {
        Puesto p;
        QVERIFY(sesiones(p.dir.path()).isEmpty());
        QAction* trazo = p.w->accion("menu_trazo");
        trazo->trigger();
        QVERIFY(trazo->isChecked());
        QCOMPARE(p.st->Trazo, uint8_t(1));
        QCOMPARE(p.dlg.mensajes, QStringList{"Trayecta|" + QStringLiteral("\r\nLa documentación de la sesión queda grabada en"
                                                                          "\r\narchivos .log con la hora por nombre,\r\n"
                                                                          "en la carpeta de la aplicacion")});
        const QStringList logs = sesiones(p.dir.path());
        QCOMPARE(logs.size(), 1);
        QVERIFY(QRegularExpression("^[0-2][0-9]_[0-5][0-9]\\.log$").match(logs[0]).hasMatch());
        const QString ruta = p.dir.filePath(logs[0]);
        const QByteArray linea = (linea_lanzamiento(*p.st, separador_local()) + "\r\n").toUtf8();
        QCOMPARE(linea.size(), 61);
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
        trazo->trigger();
        QVERIFY(!trazo->isChecked());
        QCOMPARE(p.st->Trazo, uint8_t(0));
        p.w->Lanzar1_Click();
        QCOMPARE(leer(ruta), cabecera + linea + linea);
        p.w->Salir_Click();
        QCOMPARE(leer(p.dir.filePath("trazo.txt")), QByteArray(" 0 \r\n"));
    }

    void visor_de_sesiones() {
        Puesto p;
        escribir(p.dir.filePath("08_30.log"), "05_12_2026\r\n \r\nuna linea\r\n");
        bool visto = false;
        al_abrirse<Trazas>([&](Trazas* t) {
            visto = true;
            QCOMPARE(t->windowTitle(), QStringLiteral("Archivos de Sesiones Realizadas"));
            QCOMPARE(t->Command3->text(), QStringLiteral("Copiar  al Portapapeles"));
            QCOMPARE(t->File1->count(), 2);
            t->File1->setCurrentRow(0);
            QTest::mouseClick(t->Command2, Qt::LeftButton);
            QCOMPARE(t->Text1->toPlainText(), QStringLiteral("05_12_2026\n \nuna linea\n"));
            QVERIFY(t->Text1->font().fixedPitch());
            QTest::mouseClick(t->Command3, Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("05_12_2026\r\n \r\nuna linea\r\n"));
            QTest::mouseClick(t->Command1, Qt::LeftButton);
        });
        p.w->accion("recup_sesion")->trigger();
        QVERIFY(visto);
        // Opened again: the same list, although a log was started in between.
        p.w->accion("menu_trazo")->trigger();
        int cuenta = 0;
        al_abrirse<Trazas>([&](Trazas* t) {
            cuenta = t->File1->count();
            t->Command1_Click();
        });
        p.w->accion("recup_sesion")->trigger();
        QCOMPARE(cuenta, 2);
    }

    void oferta_de_borrar_logs() {
        // 10001 bytes in four logs: "Aceptar" by Enter deletes all but the last, switches
        // documentation off and starts no log; "Cancelar" goes on to start one.
        auto logs = [](const QString& d) {
            escribir(d + "/a.log", QByteArray(5000, 'a'));
            escribir(d + "/b.log", QByteArray(4982, 'b'));
            escribir(d + "/c.log", "");
        };
        QString texto;
        al_abrirse<DialogoLogs>([&](DialogoLogs* d) {
            texto = d->Text1->toPlainText();
            QTest::keyClick(d, Qt::Key_Return);
        });
        Puesto p(" 1 \r\n", logs);
        QCOMPARE(texto, QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   4 archivos y  10001 bytes"));
        QCOMPARE(QDir(p.dir.path()).entryList({"*.log"}, QDir::Files), QStringList{"uno.log"});
        QCOMPARE(p.st->Trazo, uint8_t(0));
        QVERIFY(!p.w->accion("menu_trazo")->isChecked());

        al_abrirse<DialogoLogs>([](DialogoLogs* d) { QTest::mouseClick(d->CancelButton, Qt::LeftButton); });
        Puesto q(" 1 \r\n", logs);
        QCOMPARE(sesiones(q.dir.path()).size(), 4);
        QVERIFY(q.st->Trazo == 1 && q.w->accion("menu_trazo")->isChecked() && q.w->bitacora().abierta());
    }
};

QTEST_MAIN(ArchivoTest)
#include "archivo_test.moc"
