// SPDX-License-Identifier: GPL-3.0-or-later
#include "informe.h"

#include <algorithm>
#include <cmath>

#include "core/formato.h"

namespace tya {

namespace {

// A launch quantity's column: its label and summary field from the table of quantities.
ColumnaInforme lanzada(Cantidad q, int columna_etiqueta, int columna_valor) {
    const DefCantidad& c = cantidad(q);
    return {QString::fromUtf8(c.informe), columna_etiqueta, *c.resumen, columna_valor, false};
}

// Label, label column, field, value column, rounded in the window.
using C = CampoResumen;
using Q = Cantidad;
const QList<ColumnaInforme> kSinBlanco = {lanzada(Q::Xo, 5, 4),
                                          lanzada(Q::Yo, 15, 14),
                                          lanzada(Q::Vo, 25, 24),
                                          lanzada(Q::Ang, 35, 34),
                                          {QStringLiteral("Roz."), 45, C::Roz, 44, false},
                                          {QStringLiteral("Xmax"), 55, C::Xmax, 54, false},
                                          {QStringLiteral("Ymax"), 65, C::Ymax, 64, false},
                                          {QStringLiteral("T"), 75, C::T, 74, true},
                                          {QStringLiteral("VfX"), 82, C::VfX, 81, true},
                                          {QStringLiteral("VfY"), 90, C::VfY, 89, true}};

const QList<ColumnaInforme> kConBlanco = {lanzada(Q::Xo, 5, 5),
                                          lanzada(Q::Yo, 13, 13),
                                          lanzada(Q::Vo, 21, 21),
                                          lanzada(Q::Ang, 29, 29),
                                          {QStringLiteral("Roz."), 37, C::Roz, 37, false},
                                          lanzada(Q::XoB, 45, 45),
                                          lanzada(Q::YoB, 53, 53),
                                          lanzada(Q::Vxb, 61, 61),
                                          lanzada(Q::Vyb, 69, 69),
                                          {QStringLiteral("Dmin"), 77, C::Dmin, 77, false},
                                          {QStringLiteral("Tmin"), 85, C::Tmin, 85, false}};

// The printed layout: the window's labels at 8k - 8 (or 7k - 7), column 1 at least.
QList<ColumnaInforme> impresas(const QList<ColumnaInforme>& ventana, int paso) {
    QList<ColumnaInforme> l = ventana;
    for (int k = 0; k < l.size(); ++k) {
        const int c = std::max(1, paso * k);
        l[k].columna_etiqueta = l[k].columna_valor = c;
        l[k].redondeado = false;
    }
    return l;
}

// The print form with the decimal separator the reader expects.
QString forma_con(Fijo v, QChar sep) {
    QString s = forma_impresion(v);
    if (sep != QLatin1Char('.')) s.replace(QLatin1Char('.'), sep);
    return s;
}

void encabezado(TextoEnColumnas& t, const QList<ColumnaInforme>& cols) {
    for (const ColumnaInforme& c : cols) t.en(c.columna_etiqueta, c.etiqueta);
    t.fin_linea();
    t.fin_linea();
}

// Each experiment's values as `forma` writes them, in the layout's order.
template <typename Forma>
QList<QStringList> valores(const EstadoExp& st, const QList<ColumnaInforme>& cols, Forma forma) {
    QList<QStringList> filas;
    for (int e = 0; e < std::clamp<int>(st.NExp, 0, kExperiencias); ++e) {
        QStringList f;
        for (const ColumnaInforme& c : cols) f << forma(c, Registros(st, e).resumen(c.campo));
        filas << f;
    }
    return filas;
}

// A long value (a flight of 1000 s, a speed of six digits) must not run into the next column:
// each column moves right to one blank past the widest text of the one before it, label or
// value, trailing blank aside; a column never moves left of its place, so usual values stay put.
QList<ColumnaInforme> apartar(QList<ColumnaInforme> cols, const QList<QStringList>& filas,
                              const TextoEnColumnas& molde) {
    TextoEnColumnas regla = molde;
    auto ancho = [&regla](const QString& t) {
        regla.limpiar();
        regla.texto(t);
        return regla.posicion() - 1;
    };
    for (qsizetype k = 1; k < cols.size(); ++k) {
        const ColumnaInforme& antes = cols[k - 1];
        double fin = antes.columna_etiqueta + ancho(antes.etiqueta) -
                     (cols[k].columna_etiqueta - cols[k].columna_valor);
        for (const QStringList& f : filas) {
            QString v = f.value(k - 1);
            while (v.endsWith(QLatin1Char(' '))) v.chop(1);
            fin = std::max(fin, antes.columna_valor + ancho(v));
        }
        const int corrida = static_cast<int>(std::ceil(fin + 1 - 1e-6)) - cols[k].columna_valor;
        if (corrida > 0) {
            cols[k].columna_valor += corrida;
            cols[k].columna_etiqueta += corrida;
        }
    }
    return cols;
}

// The rows at the columns they were laid out for.
void filas_en(TextoEnColumnas& t, const QList<ColumnaInforme>& cols, const QList<QStringList>& filas) {
    for (const QStringList& f : filas)
        for (qsizetype k = 0; k < cols.size(); ++k) t.en(cols[k].columna_valor, f.value(k));
}

}  // namespace

const QList<ColumnaInforme>& columnas_informe(bool blanco) { return blanco ? kConBlanco : kSinBlanco; }

const QList<ColumnaInforme>& columnas_impresas(bool blanco) {
    static const QList<ColumnaInforme> sin = impresas(kSinBlanco, 8), con = impresas(kConBlanco, 7);
    return blanco ? con : sin;
}

QString texto_copia_informe(const EstadoExp& st, bool blanco, QChar sep) {
    const QList<ColumnaInforme>& cols = columnas_informe(blanco);
    QStringList etiquetas;
    for (const ColumnaInforme& c : cols) etiquetas << c.etiqueta;
    QString s = etiquetas.join(QLatin1Char('\t')) + QStringLiteral("\r\n\r\n");
    for (int e = 0; e < std::clamp<int>(st.NExp, 0, kExperiencias); ++e) {
        for (const ColumnaInforme& c : cols) {
            QString v = forma_copia(Registros(st, e).resumen(c.campo));
            if (sep != QLatin1Char('.')) v.replace(QLatin1Char('.'), sep);
            s += v + QLatin1Char('\t');
        }
        s += QStringLiteral("\r\n");
    }
    return s;
}

TextoEnColumnas informe_en_columnas(const EstadoExp& st, bool blanco, QChar sep, const TextoEnColumnas& molde) {
    TextoEnColumnas t = molde;
    t.limpiar();
    const QList<QStringList> filas = valores(st, columnas_informe(blanco), [sep](const ColumnaInforme& c, Fijo x) {
        return c.redondeado ? formato(x, QStringLiteral("#0.0"), sep) : forma_con(x, sep);
    });
    const QList<ColumnaInforme> cols = apartar(columnas_informe(blanco), filas, t);
    encabezado(t, cols);
    filas_en(t, cols, filas);
    return t;
}

TextoEnColumnas tabla_impresa(const EstadoExp& st, bool blanco, QChar sep) {
    TextoEnColumnas t;
    const QList<QStringList> filas = valores(st, columnas_impresas(blanco),
                                             [sep](const ColumnaInforme&, Fijo x) { return forma_con(x, sep); });
    const QList<ColumnaInforme> cols = apartar(columnas_impresas(blanco), filas, t);
    encabezado(t, cols);
    filas_en(t, cols, filas);
    return t;
}

}  // namespace tya
