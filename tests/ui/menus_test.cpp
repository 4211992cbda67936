// SPDX-License-Identifier: GPL-3.0-or-later
// The menus by keyboard, and the projector palette and the language chosen from "Ver".
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/preferencias.h"
#include "puesto.h"
#include "ui/arranque.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// The access key of a caption: the letter after a single "&", upper case; none if it has none.
QChar tecla(const QString& t) {
    for (int i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&') continue;
        if (t[i + 1] != '&') return t[i + 1].toUpper();
        ++i;
    }
    return {};
}
}  // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void teclas_de_acceso() {
        Puesto p({}, false);
        Preferencias pref(p.dir.filePath("trayecta.conf"));
        pref.guardar_recientes({p.dir.filePath("a.TYA"), p.dir.filePath("b.TYA")});
        completar_ventana(*p.w, pref, p.dlg);
        QVERIFY(p.w->cargar());
        QList<QMenu*> menus{nullptr};  // the bar itself first
        menus << p.w->findChildren<QMenu*>();
        int entradas = 0;
        for (QMenu* m : menus) {
            const QList<QAction*> acciones = m ? m->actions() : p.w->menuBar()->actions();
            QSet<QChar> usadas;
            for (QAction* a : acciones) {
                if (a->isSeparator()) continue;
                const QChar t = tecla(a->text());
                ++entradas;
                QVERIFY2(!t.isNull(), qPrintable(a->text()));
                QVERIFY2(!usadas.contains(t), qPrintable(a->text()));
                usadas << t;
            }
        }
        QVERIFY(entradas >= 38);  // the bar, its menus, the sizes and the recent files
        // The recent files go above the separator before "Salir", which BarraMenus names.
        const BarraMenus& b = menus_de(p.w->menuBar());
        const QList<QAction*> archivo = b.archivo->actions();
        QCOMPARE(archivo.indexOf(b.antes_de_salir) + 1, archivo.indexOf(b.salir));
        QCOMPARE(archivo.at(archivo.indexOf(b.antes_de_salir) - 1)->objectName(), QStringLiteral("reciente_2"));
    }

    void paleta_de_proyector() {
        Puesto p({}, false);
        Preferencias pref(p.dir.filePath("trayecta.conf"));
        pref.guardar_proyector(true);
        completar_ventana(*p.w, pref, p.dlg);
        QVERIFY(p.w->cargar());
        QAction* proyector = p.w->accion(QStringLiteral("menu_proyector"));
        QVERIFY(proyector->isChecked());
        QCOMPARE(p.w->escena().estilo().paleta, Paleta::Proyector);
        p.w->comandos().lanzar();
        p.w->comandos().lanzar();
        const QImage proyectada = p.w->superficie_escena().imagen();
        QCOMPARE(p.st->ColorExp[1], color_experiencia(Paleta::Proyector, 1, Registros(*p.st, 1).color()));
        // Back to the usual palette at once, and kept for the next start.
        proyector->trigger();
        QCOMPARE(pref.proyector(), false);
        QCOMPARE(p.st->ColorExp[1], color_paleta(Registros(*p.st, 1).color()) ^ 0xffffffu);
        QVERIFY(p.w->superficie_escena().imagen() != proyectada);
        // The comparison keeps the span in TfinEnt and shows its legend in the projector palette only.
        PanelComparacion& c = p.w->graficos().comparacion_posiciones();
        AcumComparacion acum;
        p.st->TfinEnt = 0;
        const MarcoGrafico m = c.comparar(*p.st, acum, false, true, {});
        QCOMPARE(p.st->TfinEnt, m.T);
        QVERIFY(c.leyenda()->isHidden());
        c.comparar(*p.st, acum, false, true, {Paleta::Proyector, 1});
        QVERIFY(!c.leyenda()->isHidden());
    }

    void idioma_elegido() {
        // Nothing kept: the running language is checked. English chosen is kept for the next
        // start, which is said in this run's language; the window's texts stay as they are.
        Puesto p({}, false);
        Preferencias pref(p.dir.filePath("trayecta.conf"));
        completar_ventana(*p.w, pref, p.dlg);
        QVERIFY(p.w->cargar());
        auto textos = [&p] {
            QStringList t;
            for (const QAction* a : p.w->findChildren<QAction*>()) t << a->text();
            return t;
        };
        const QStringList antes = textos();
        QStringList nombres;
        for (const QAction* a : p.w->findChild<QMenu*>("menu_idioma")->actions()) nombres << a->text().remove('&');
        QCOMPARE(nombres, (QStringList{"Español", "English", "Português"}));
        QVERIFY(p.w->accion("idioma_" + idioma_actual())->isChecked());
        p.menu("idioma_en");
        QVERIFY(p.w->accion("idioma_en")->isChecked());
        QCOMPARE(Preferencias(pref.archivo()).idioma(), QStringLiteral("en"));
        QCOMPARE(p.dlg.mensajes,
                 QStringList{Trayecta::tr("El idioma elegido se verá la próxima vez que se abra Trayecta.")});
        QCOMPARE(textos(), antes);
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
