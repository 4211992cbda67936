// SPDX-License-Identifier: GPL-3.0-or-later
// The menus by keyboard, the projector palette and the language chosen from "Ver"; every window
// and panel asked what a screen reader would say; flights as the launch command flies them.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/preferencias.h"
#include "puesto.h"
#include "scene/textos.h"
#include "ui/arranque.h"
#include "ui/caja_valores.h"
#include "ui/dialogo_logs.h"
#include "ui/sugiere.h"
#include "ui/trazas.h"

using namespace tya;
using namespace tya::prueba;

namespace {

bool es_entrada(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) ||
           (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w)) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

// What a student reaches: buttons, boxes, lists, tables, the scene and the picture buttons.
bool es_control(const QWidget* w) {
    return es_entrada(w) || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const VistaSuperficie*>(w) ||
           qobject_cast<const BotonImagen*>(w) || qobject_cast<const Marcador*>(w);
}

// Parts of a compound control (a combo box's list, a spin box's editor) are named by it.
bool parte_de_otro(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p)) return true;
    return false;
}

QString describir(const QWidget* w) {
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// How far a caption stands before a box: left of a one-line box on its row, or just above a
// box, where the box it is aligned with comes first.
int distancia(const QRect& r, const QRect& c) {
    if (r.right() <= c.left() + 2 && c.height() < 3 * r.height() && r.center().y() >= c.top() &&
        r.center().y() <= c.bottom())
        return 1000 * (c.left() - r.right());
    if (r.bottom() <= c.top() + 2 && r.right() >= c.left() && r.left() <= c.right())
        return 1000 * (c.top() - r.bottom()) + 1 + std::abs(c.left() - r.left());
    return 1 << 30;
}

// The visible caption nearest before the box, unless it stands nearer another box.
QLabel* rotulo_de(const QWidget* caja) {
    QLabel* mejor = nullptr;
    int menor = 40 * 1000;
    QList<const QWidget*> cajas;
    for (const QWidget* w : caja->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != caja && w->isVisible() && es_entrada(w)) cajas << w;
    for (QLabel* l : caja->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        // Figures on a label are a value it shows ("t = 0 s"), not a caption.
        if (!l->isVisible() || l->text().trimmed().isEmpty() ||
            l->text().contains(QRegularExpression(QStringLiteral("[0-9]"))))
            continue;
        const int d = distancia(l->geometry(), caja->geometry());
        if (d >= menor) continue;
        if (std::any_of(cajas.cbegin(), cajas.cend(),
                        [&](const QWidget* o) { return distancia(l->geometry(), o->geometry()) < d; }))
            continue;
        menor = d;
        mejor = l;
    }
    return mejor;
}

// A developer's name for an object ("Command5", "Entrada_3"), never a caption.
const QRegularExpression kNombreDeObjeto(QStringLiteral("^[A-Za-z]+_?[0-9]+$"));

// The caption a button shows, which may well be its object's name too ("Imprimir").
QString leyenda(const QWidget* w) {
    const auto* b = qobject_cast<const QAbstractButton*>(w);
    return b ? b->text().remove(QLatin1Char('&')).trimmed() : QString();
}

// The faults of one window, keyed so a control seen in several steps is told once.
void auditar(QWidget* ventana, QMap<QString, QString>& fallos) {
    const QString donde = ventana->windowTitle().isEmpty() ? ventana->objectName() : ventana->windowTitle();
    QMap<QString, QStringList> nombres;  // boxes by their accessible name
    QList<QWidget*> todos = ventana->findChildren<QWidget*>();
    todos.prepend(ventana);
    for (QWidget* w : todos) {
        // A window opened from this one is audited on its own.
        if (!w->isVisible() || w->window() != ventana || !es_control(w) || parte_de_otro(w)) continue;
        const QString quien = donde + QStringLiteral(": ") + describir(w);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        const QString nombre = i ? i->text(QAccessible::Name).trimmed() : QString();
        const QString valor = i ? i->text(QAccessible::Value).trimmed() : QString();
        if (nombre.isEmpty())
            fallos.insert(quien, quien + QStringLiteral(" sin nombre accesible"));
        else if (kNombreDeObjeto.match(nombre).hasMatch() || (nombre == w->objectName() && nombre != leyenda(w)))
            fallos.insert(quien, quien + QStringLiteral(" se llama como su objeto"));
        // A list's or table's interface answers its name for every text, the value too.
        else if (es_entrada(w) && !qobject_cast<const QAbstractItemView*>(w) && nombre == valor)
            fallos.insert(quien, quien + QStringLiteral(" se llama como su contenido"));
        else if (es_entrada(w))
            nombres[nombre] << describir(w);
        if (es_entrada(w) && w->parentWidget())
            if (QLabel* l = rotulo_de(w); l && l->buddy() != w)
                fallos.insert(quien + QStringLiteral(" rótulo"),
                              QStringLiteral("%1: rótulo %2 \"%3\" sin compañero (%4)")
                                  .arg(donde, describir(l), l->text(), describir(w)));
    }
    // A text painted as a picture is read from the window's description, line by line.
    if (auto* c = qobject_cast<CajaValores*>(ventana)) {
        const QString leido = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Description);
        for (const TextoEnColumnas::Renglon& r : c->texto().renglones())
            for (const TextoEnColumnas::Trozo& t : r)
                if (!leido.contains(t.texto.trimmed()))
                    fallos.insert(donde + t.texto,
                                  QStringLiteral("%1: \"%2\" dibujado y no leído").arg(donde, t.texto.trimmed()));
    }
    // Boxes sharing a name ("Blanco" for all four target values) cannot be told apart.
    for (auto n = nombres.cbegin(); n != nombres.cend(); ++n)
        if (n.value().size() > 1)
            for (const QString& c : n.value())
                fallos.insert(donde + QStringLiteral(": ") + c,
                              QStringLiteral("%1: %2 comparte el nombre \"%3\"").arg(donde, c, n.key()));
}

void auditar_visibles(QMap<QString, QString>& fallos) {
    for (QWidget* v : QApplication::topLevelWidgets())
        if (v->isVisible()) auditar(v, fallos);
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void menus() {
        // Two recent files and the projector palette kept from the last start; no language.
        Puesto p({}, false);
        Preferencias pref(p.dir.filePath("trayecta.conf"));
        pref.guardar_recientes({p.dir.filePath("a.TYA"), p.dir.filePath("b.TYA")});
        pref.guardar_proyector(true);
        completar_ventana(*p.w, pref, p.dlg);
        QVERIFY(p.w->cargar());
        auto textos = [&p] {
            QStringList t;
            for (const QAction* a : p.w->findChildren<QAction*>()) t << a->text();
            return t;
        };
        const QStringList antes = textos();

        // Each entry of the bar and of every menu has an access key, none used twice in its menu.
        int entradas = 0;
        for (const QWidget* m : p.w->findChildren<QWidget*>()) {
            if (!qobject_cast<const QMenu*>(m) && !qobject_cast<const QMenuBar*>(m)) continue;
            QSet<QKeySequence> usadas;
            for (QAction* a : m->actions()) {
                if (a->isSeparator()) continue;
                const QKeySequence t = QKeySequence::mnemonic(a->text());
                ++entradas;
                QVERIFY2(!t.isEmpty() && !usadas.contains(t), qPrintable(a->text()));
                usadas << t;
            }
        }
        QVERIFY(entradas >= 38);  // the bar, its menus, the sizes and the recent files
        // The recent files go above the separator before "Salir", which BarraMenus names.
        const BarraMenus& b = menus_de(p.w->menuBar());
        const QList<QAction*> archivo = b.archivo->actions();
        QCOMPARE(archivo.indexOf(b.antes_de_salir) + 1, archivo.indexOf(b.salir));
        QCOMPARE(archivo.at(archivo.indexOf(b.antes_de_salir) - 1)->objectName(), QStringLiteral("reciente_2"));

        // The projector palette kept is in use.
        QAction* proyector = p.w->accion(QStringLiteral("menu_proyector"));
        QVERIFY(proyector->isChecked());
        QCOMPARE(p.w->escena().estilo().paleta, Paleta::Proyector);
        for (int i = 0; i < 2; ++i) p.w->comandos().lanzar();
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

        // No language kept: the running one is checked. English chosen is kept for the next start,
        // which is said in this run's language; the window's texts stay as they are.
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

    // Every window and panel opened, every control on it asked what a screen reader would say,
    // after two flights checked on the way. Each fault is printed, one line per control, so the list is a to-do list as
    // well as a test.
    void cada_control_con_nombre() {
        QAccessible::setActive(true);
        QMap<QString, QString> fallos;
        // The start-up offer to delete old logs is the first window a documenting class sees.
        al_abrirse<DialogoLogs>([&](DialogoLogs* d) {
            auditar(d, fallos);
            QTest::mouseClick(d->cancelar, Qt::LeftButton);
        });
        Puesto p([](const QDir& d) {
            escribir(d.filePath("trazo.txt"), " 1 \r\n");
            escribir(d.filePath("a.log"), QByteArray(5000, 'a'));
            escribir(d.filePath("b.log"), QByteArray(4982, 'b'));
            escribir(d.filePath("c.log"), "");
            escribir(d.filePath("tyayuda2.hlp"), leer(TYA_DATOS "/tyayuda2.hlp"));
        });
        // The start-up look at "sugiere" done first, so its prompt never comes up under a later modal one.
        QTRY_VERIFY(!p.w->textos().findChild<QTimer*>("Timer1")->isActive());
        // Two flights as the launch command flies them in the window: the raised radius shown, the
        // target marker moving to the hit, the end messages, the log line. A hit: the marker follows the target,
        // "Impacto" is said once.
        p.menu("Blanco1");
        const QPoint antes = p.w->marcadores().blanco()->pos();
        p.w->lanzamiento().entrada(1)->setText("200");
        p.w->lanzamiento().entrada(2)->setText("47");
        p.w->comandos().lanzar();
        QCOMPARE(p.dlg.mensajes, QStringList{Trayecta::tr("Impacto")});
        QVERIFY(p.w->marcadores().blanco()->pos() != antes);
        QCOMPARE(p.st->EnVuelo, int16_t(0));
        p.menu("Blanco1");
        // A light ball from 3500 m, below the smallest radius: 0.01 shown, "Fin de Simulación"
        // at the 1900th sample.
        p.w->lanzamiento().medio(1)->click();
        p.st->Densidad = Fijo::desde(0.01);
        p.st->Param[iR] = Fijo();
        p.w->lanzamiento().entrada(1)->setText("0");
        p.w->lanzamiento().entrada(4)->setText("3500");
        p.w->comandos().lanzar();
        QCOMPARE(p.dlg.mensajes.back(), Trayecta::tr("Fin de Simulación"));
        QCOMPARE(muestras(p.st->Pos[p.st->NExp - 1]), 1900);
        QCOMPARE(p.w->lanzamiento().entrada(9)->text(), QStringLiteral("0.01"));
        // Both launches in the session log.
        QString log;
        for (const QString& f : QDir(p.dir.path()).entryList({"*.log"}, QDir::Files))
            if (f != "uno.log") log += QString::fromLatin1(leer(p.dir.filePath(f)));
        QCOMPARE(log.count(con_separador(QStringLiteral("200.0   47.0"))), 1);
        QCOMPARE(log.count(con_separador(QStringLiteral("3500 0.0"))), 1);
        auditar_visibles(fallos);
        // Panels and windows, one after another, each audited while it shows.
        for (const QString paso : {"menu_posiciones", "menu_velocidades", "Comparar", "menu_posiciones", "Comparar",
                                   "Repetir", "menu_valores", "menu_modelo", "Menu_seleccion4", "Problem", "tp",
                                   "Menu_seleccion1", "marca", "Blanco1"}) {
            if (paso == "Comparar") {
                QTest::mouseClick(p.w->findChild<QWidget*>(paso), Qt::LeftButton);
            } else if (paso == "marca") {  // a mark's table: the pointer on experiment 1's second sample, a click
                const Registros r(*p.st, 0);
                p.w->inspeccion().puntero_movido(float(r.x(2).real()), float(r.y(2).real()));
                p.w->inspeccion().clic_en_escena();
            } else {
                if (paso == "Problem") p.dlg.respuestas_entrada = {QStringLiteral("3")};
                p.w->accion(paso)->trigger();
            }
            QApplication::processEvents();
            auditar_visibles(fallos);
        }
        // The modal ones are audited while they wait for an answer.
        al_abrirse<Sugiere>([&](Sugiere* s) {
            auditar(s, fallos);
            QTest::mouseClick(s->findChild<QPushButton*>("Cancelar"), Qt::LeftButton);
        });
        p.menu("menu_sugiere");
        al_abrirse<Trazas>([&](Trazas* t) {
            auditar(t, fallos);
            t->cerrar();
        });
        p.menu("recup_sesion");

        QVERIFY2(fallos.isEmpty(),
                 qPrintable(QStringLiteral("%1 controles sin un nombre que leer:\n").arg(fallos.size()) +
                            QStringList(fallos.values()).join('\n')));
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
