// SPDX-License-Identifier: GPL-3.0-or-later
#include "temas_ayuda.h"

#include <QRegularExpression>
#include <QStringList>

#include "core/archivo_texto.h"
#include "core/traduccion.h"

namespace tya {

QList<TemaAyuda> leer_ayuda(const QString& ruta, QString* error) {
    QList<TemaAyuda> temas;
    QStringList lineas;
    QString e;
    if (!leer_lineas(ruta, lineas, e)) {
        if (error) *error = e;
        return temas;
    }
    for (const QString& l : lineas) {
        if (l.startsWith(QLatin1String("# "))) {
            temas.append({l.mid(2).trimmed(), QString()});
        } else if (!temas.isEmpty()) {
            temas.last().texto += l + QLatin1Char('\n');
        }
    }
    for (TemaAyuda& t : temas) t.texto = t.texto.trimmed();
    if (temas.isEmpty() && error)
        *error = Trayecta::tr("El archivo de ayuda %1 no tiene temas (cada tema empieza con una línea \"# título\").")
                     .arg(ruta);
    return temas;
}

QString sin_acentos(const QString& texto) {
    // Decomposed, an accented letter is its base letter followed by marks that can be dropped.
    const QString d = texto.normalized(QString::NormalizationForm_D);
    QString s;
    s.reserve(d.size());
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing) s += c;
    return s.toCaseFolded();
}

QList<int> temas_con(const QList<TemaAyuda>& temas, const QString& palabras) {
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    const QStringList buscadas = sin_acentos(palabras).split(blancos, Qt::SkipEmptyParts);
    QList<int> hallados;
    for (int i = 0; i < temas.size(); ++i) {
        const QString t = sin_acentos(temas[i].titulo + QLatin1Char('\n') + temas[i].texto);
        bool todas = true;
        for (const QString& p : buscadas) todas = todas && t.contains(p);
        if (todas) hallados << i;
    }
    return hallados;
}

}  // namespace tya
