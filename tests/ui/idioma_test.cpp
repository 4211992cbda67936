// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each language: every caption is one of that language's catalogue, none is left
// in another, and the help of that language names every command and panel.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/temas_ayuda.h"
#include "idioma.h"
#include "puesto.h"

using namespace tya;
using namespace tya::prueba;

namespace {

QString sin_acceso(QString t) { return t.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed(); }

// A catalogue's texts in one language: the sources (Spanish) or their translations, each as a
// pattern where %1, %2... stand for anything.
struct Catalogo {
    QList<QRegularExpression> textos;
    QSet<QString> en_espanol;  // sources whose translation differs: Spanish left behind

    explicit Catalogo(const QString& codigo) {
        const bool es = codigo == QLatin1String("es");
        leer(QStringLiteral(TYA_TRADUCCIONES "/trayecta_%1.ts").arg(es ? QStringLiteral("en") : codigo), es);
    }
    void leer(const QString& ruta, bool fuentes) {
        QFile f(ruta);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(ruta));
        QXmlStreamReader x(&f);
        QString fuente;
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement) continue;
            if (x.name() == QLatin1String("source")) fuente = sin_acceso(x.readElementText());
            if (x.name() != QLatin1String("translation")) continue;
            const QString traduccion = sin_acceso(x.readElementText());
            const QString t = fuentes ? fuente : traduccion;
            if (traduccion != fuente) en_espanol << fuente;
            QStringList partes = t.split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& p : partes) p = QRegularExpression::escape(p);
            const QString patron = partes.join(QStringLiteral(".*"));
            textos << QRegularExpression(QStringLiteral("^(?:%1)$").arg(patron),
                                         QRegularExpression::DotMatchesEverythingOption);
        }
        if (fuentes) en_espanol.clear();
    }
    bool tiene(const QString& t) const {
        return std::any_of(textos.cbegin(), textos.cend(),
                           [&](const QRegularExpression& r) { return r.match(t).hasMatch(); });
    }
};

// Every caption the window shows, menus included.
QStringList rotulos(QWidget* w) {
    QStringList r;
    for (QMenu* m : w->findChildren<QMenu*>()) r << m->title();
    for (QAction* a : w->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) r << a->text();  // the recent files are file names
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) r << b->text();
    for (QGroupBox* g : w->findChildren<QGroupBox*>()) r << g->title();
    for (QLabel* l : w->findChildren<QLabel*>()) r << l->text();
    for (QComboBox* c : w->findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) r << c->itemText(i);
    QStringList limpios;
    for (const QString& t : r)
        // Numbers, symbols and units read the same in every language.
        if (const QString s = sin_acceso(t); s.contains(QRegularExpression(QStringLiteral("\\p{L}{3}")))) limpios << s;
    limpios.removeDuplicates();
    return limpios;
}

}  // namespace

class IdiomaTest : public QObject {
    Q_OBJECT
private slots:
    void cada_rotulo_de_su_catalogo_y_en_su_ayuda() {
        EnEspanol guardia;
        for (const Idioma& i : kIdiomas) {
            instalar_idioma(i.codigo);
            const Catalogo catalogo(i.codigo);
            Puesto p;
            // The graph panel and its comparison add their own captions.
            p.menu("menu_posiciones");
            const QString ayuda = ruta_texto(QStringLiteral(TYA_DATOS), QStringLiteral("tyayuda2.hlp"));
            QString todo;
            for (const TemaAyuda& t : leer_ayuda(ayuda)) todo += t.titulo + '\n' + t.texto + '\n';
            QStringList sin_catalogo, en_espanol;
            for (const QString& r : rotulos(p.w.get())) {
                if (!catalogo.tiene(r)) sin_catalogo << r;
                if (catalogo.en_espanol.contains(r)) en_espanol << r;
            }
            QVERIFY2(sin_catalogo.isEmpty(),
                     qPrintable(QStringLiteral("%1: %2").arg(i.codigo, sin_catalogo.join(" | "))));
            QVERIFY2(en_espanol.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(i.codigo, en_espanol.join(" | "))));
            // The help names every menu, command and panel as this language shows them, and the
            // two captions the views give the graph panel.
            QStringList nombres = {Trayecta::tr("Posiciones"), Trayecta::tr("Velocidades Instantaneas")};
            for (QMenu* m : p.w->findChildren<QMenu*>()) nombres << sin_acceso(m->title());
            for (QAction* a : p.w->findChildren<QAction*>())
                if (!a->objectName().isEmpty()) nombres << sin_acceso(a->text());
            for (QGroupBox* g : p.w->findChildren<QGroupBox*>())
                if (g->objectName() != "Frame3") nombres << g->title().trimmed();
            QStringList sin_ayuda;
            for (const QString& n : nombres)
                if (!todo.contains(n)) sin_ayuda << n;
            QVERIFY2(sin_ayuda.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(i.codigo, sin_ayuda.join(" | "))));
        }
    }
};

QTEST_MAIN(IdiomaTest)
#include "idioma_test.moc"
