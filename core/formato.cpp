// SPDX-License-Identifier: GPL-3.0-or-later
#include "formato.h"

#include <QLocale>
#include <cmath>

namespace tya {

namespace {

// Digits of |raw| / 10000 rounded to `decimales` places, half away from zero.
QString digitos(int64_t crudo, int decimales, int& entero_len, bool& cero) {
    const bool neg = crudo < 0;
    unsigned __int128 a = neg ? static_cast<unsigned __int128>(-(static_cast<__int128>(crudo)))
                              : static_cast<unsigned __int128>(crudo);
    unsigned __int128 div = 1;
    for (int i = decimales; i < 4; ++i) div *= 10;
    unsigned __int128 q = a / div;
    if ((a % div) * 2 >= div) q += 1;
    QString s;
    if (q == 0) s = QStringLiteral("0");
    while (q > 0) {
        s.prepend(QChar('0' + static_cast<int>(q % 10)));
        q /= 10;
    }
    while (s.size() < decimales + 1) s.prepend(QLatin1Char('0'));
    entero_len = static_cast<int>(s.size()) - decimales;
    cero = s.count(QLatin1Char('0')) == s.size();
    return s;
}

}  // namespace

QString forma_archivo(Fijo v) {
    int ent = 0;
    bool cero = false;
    QString d = digitos(v.crudo(), 4, ent, cero);
    QString entero = d.left(ent);
    QString frac = d.mid(ent);
    while (frac.endsWith(QLatin1Char('0'))) frac.chop(1);
    QString s = entero;
    if (!frac.isEmpty()) s += QLatin1Char('.') + frac;
    if (v.crudo() < 0) s.prepend(QLatin1Char('-'));
    return s;
}

QString forma_archivo(Fijo v, QChar separador) {
    QString s = forma_archivo(v);
    if (separador != QLatin1Char('.')) s.replace(QLatin1Char('.'), separador);
    return s;
}

QString forma_simple(Fijo v) {
    const QString s = forma_archivo(v);
    return v.crudo() < 0 ? s : QLatin1Char(' ') + s;
}

QString forma_copia(Fijo v) {
    QString s = forma_simple(v);
    if (s.mid(1, 2) == QLatin1String("0.")) s.remove(1, 1);
    return s;
}

QString forma_simple(double v) { return forma_simple(Fijo::saturado(v)); }

QString forma_simple_entero(int64_t v) { return v < 0 ? QString::number(v) : QLatin1Char(' ') + QString::number(v); }

QString forma_simple_f32(float f) {
    const double v = f;
    if (v == 0) return QStringLiteral(" 0");
    const double a = std::fabs(v);
    QString s;
    if (a >= 1e7 || a < 1e-4) {
        s = QString::number(a, 'E', 6);  // d.ddddddE+xx
        const int e = s.indexOf(QLatin1Char('E'));
        QString mant = s.left(e);
        while (mant.endsWith(QLatin1Char('0'))) mant.chop(1);
        if (mant.endsWith(QLatin1Char('.'))) mant.chop(1);
        s = mant + s.mid(e);
    } else {
        s = QString::number(a, 'g', 7);
        if (s.contains(QLatin1Char('e'))) s = QString::number(a, 'f', 7);
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0'))) s.chop(1);
            if (s.endsWith(QLatin1Char('.'))) s.chop(1);
        }
    }
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + s;
}

QString forma_impresion(Fijo v) { return forma_simple(v) + QLatin1Char(' '); }

QString formato(Fijo v, const QString& mascara, QChar separador) {
    const int punto = mascara.indexOf(QLatin1Char('.'));
    const QString ent_m = punto < 0 ? mascara : mascara.left(punto);
    const QString frac_m = punto < 0 ? QString() : mascara.mid(punto + 1);
    const int min_ent = static_cast<int>(ent_m.count(QLatin1Char('0')));
    const int min_dec = static_cast<int>(frac_m.count(QLatin1Char('0')));
    const int max_dec = static_cast<int>(frac_m.size());

    int ent_len = 0;
    bool cero = false;
    const QString d = digitos(v.crudo(), max_dec, ent_len, cero);
    QString entero = d.left(ent_len);
    QString frac = d.mid(ent_len);
    while (frac.size() > min_dec && frac.endsWith(QLatin1Char('0'))) frac.chop(1);
    // Leading zeros are kept only as far as the mask asks for integer digits.
    while (entero.size() > min_ent && entero.startsWith(QLatin1Char('0'))) entero.remove(0, 1);
    QString s = entero;
    if (!frac.isEmpty()) s += separador + frac;
    if (s.isEmpty()) s = QStringLiteral("0");
    // A value that rounds to zero is shown without a sign.
    if (v.crudo() < 0 && !cero) s.prepend(QLatin1Char('-'));
    return s;
}

QString formato(double v, const QString& mascara, QChar separador) {
    return formato(Fijo::saturado(v), mascara, separador);
}

QString ajustar(const QString& texto, int ancho) {
    return texto.size() >= ancho ? texto.left(ancho) : texto.leftJustified(ancho, QLatin1Char(' '));
}

namespace {
// Reads a number from position p; returns the characters consumed (0 if none).
qsizetype leer(const QString& t, qsizetype p, double& valor) {
    const qsizetype inicio = p;
    QString n;
    if (p < t.size() && (t[p] == QLatin1Char('-') || t[p] == QLatin1Char('+'))) n += t[p++];
    bool dig = false;
    while (p < t.size() && t[p].isDigit() && t[p].unicode() < 128) {
        n += t[p++];
        dig = true;
    }
    if (p < t.size() && (t[p] == QLatin1Char('.') || t[p] == QLatin1Char(','))) {
        n += QLatin1Char('.');
        ++p;
        while (p < t.size() && t[p].isDigit() && t[p].unicode() < 128) {
            n += t[p++];
            dig = true;
        }
    }
    if (!dig) {
        valor = 0;
        return 0;
    }
    bool ok = false;
    valor = n.toDouble(&ok);
    // Too many digits for a double: an infinite value, so every range check refuses it.
    if (!ok) valor = n.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
    return p - inicio;
}
}  // namespace

double leer_numero(const QString& texto) {
    qsizetype p = 0;
    while (p < texto.size() && (texto[p] == QLatin1Char(' ') || texto[p] == QLatin1Char('\t'))) ++p;
    double v = 0;
    leer(texto, p, v);
    return v;
}

bool leer_numero_completo(const QString& texto, double& valor) {
    const QString t = texto.trimmed();
    if (t.isEmpty()) return false;
    const qsizetype n = leer(t, 0, valor);
    return n > 0 && n == t.size() && std::isfinite(valor);
}

QChar separador_local() {
    const QString d = QLocale::system().decimalPoint();
    return d.isEmpty() ? QLatin1Char('.') : d.front();
}

}  // namespace tya
