// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and panel opened, every control on it asked what a screen reader would say.
// Each fault is printed, one line per control, so the list is a to-do list as well as a test.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>

#include "puesto.h"
#include "scene/textos.h"
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

class AccesibilidadTest : public QObject {
    Q_OBJECT

private slots:
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
        for (const char* ang : {"45", "60"}) {
            p.w->lanzamiento().entrada(2)->setText(ang);
            p.w->comandos().lanzar();
        }
        auditar_visibles(fallos);
        // Panels and windows, one after another, each audited while it shows.
        const std::function<void()> pasos[] = {
            [&] { p.menu("menu_posiciones"); },
            [&] { p.menu("menu_velocidades"); },
            [&] { QTest::mouseClick(p.w->findChild<QWidget*>("Comparar"), Qt::LeftButton); },
            [&] { p.menu("menu_posiciones"); },
            [&] { QTest::mouseClick(p.w->findChild<QWidget*>("Comparar"), Qt::LeftButton); },
            [&] { p.menu("Repetir"); },
            [&] { p.menu("menu_valores"); },
            [&] { p.menu("menu_modelo"); },
            [&] { p.menu("Menu_seleccion4"); },
            [&] {
                p.dlg.respuestas_entrada = {QStringLiteral("3")};
                p.menu("Problem");
            },
            [&] { p.menu("tp"); },
            [&] { p.menu("Menu_seleccion1"); },
            [&] {  // a mark's table: the pointer on experiment 1's second sample, then a click
                const Registros r(*p.st, 0);
                p.w->inspeccion().puntero_movido(float(r.x(2).real()), float(r.y(2).real()));
                p.w->inspeccion().clic_en_escena();
            },
            [&] { p.menu("Blanco1"); },
        };
        for (const auto& paso : pasos) {
            paso();
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

        for (const QString& f : std::as_const(fallos)) qInfo().noquote() << f;
        qInfo().noquote() << fallos.size() << "fallos";
        QVERIFY2(fallos.isEmpty(),
                 qPrintable(QStringLiteral("%1 controles sin un nombre que leer").arg(fallos.size())));
    }
};

QTEST_MAIN(AccesibilidadTest)
#include "accesibilidad_test.moc"
