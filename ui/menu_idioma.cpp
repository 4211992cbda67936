// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_idioma.h"

#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <memory>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/preferencias.h"
#include "platform/dialogos.h"

namespace tya {

namespace {
// A language's name with the access key on its first letter no earlier entry took: the names
// are never translated, so neither are their keys.
QString con_tecla(const QString& nombre, QString& usadas) {
    for (qsizetype i = 0; i < nombre.size(); ++i) {
        const QChar c = nombre[i].toUpper();
        if (!c.isLetter() || usadas.contains(c)) continue;
        usadas += c;
        return nombre.left(i) + QLatin1Char('&') + nombre.mid(i);
    }
    return nombre;
}
}  // namespace

QMenu* menu_idioma(QMenu* ver, Preferencias& preferencias, Dialogos& dialogos) {
    QMenu* m = ver->addMenu(Trayecta::tr("&Idioma"));
    m->setObjectName(QStringLiteral("menu_idioma"));
    auto* grupo = new QActionGroup(m);
    // The entry checked again when a choice cannot be kept.
    // A kept choice that is no offered language (a hand-edited file) counts as none.
    auto guardado = std::make_shared<QString>(elegir_idioma(preferencias.idioma(), idioma_actual()));
    QString usadas;
    for (const Idioma& idioma : kIdiomas) {
        const QString codigo = QLatin1String(idioma.codigo);
        QAction* a = m->addAction(con_tecla(QString::fromUtf8(idioma.nombre), usadas));
        a->setObjectName(QStringLiteral("idioma_") + codigo);
        a->setCheckable(true);
        a->setChecked(codigo == *guardado);
        grupo->addAction(a);
        QObject::connect(a, &QAction::triggered, m, [m, codigo, &preferencias, &dialogos, guardado] {
            if (!preferencias.guardar_idioma(codigo)) {
                if (QAction* antes = m->findChild<QAction*>(QStringLiteral("idioma_") + *guardado))
                    antes->setChecked(true);
                dialogos.mensaje(
                    Trayecta::tr("No se pudo guardar el idioma en %1: sigue marcado el que estaba elegido.")
                        .arg(QDir::toNativeSeparators(preferencias.archivo())));
                return;
            }
            *guardado = codigo;
            // Said in the language of this run: the window's texts stay as they are until then.
            dialogos.mensaje(Trayecta::tr("El idioma elegido se verá la próxima vez que se abra Trayecta."));
        });
    }
    return m;
}

}  // namespace tya
