// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sweeps: the one launch of the input flown again for every value of one of its fields,
// as a table of results and a plot of the final X against the field; a family repeats the
// sweep for each value of a second field.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "calc.h"
#include "graphs/lamina.h"

class QIODevice;

namespace tya::calc {

constexpr int kValoresBarridoMax = 1000;

// The values of a sweep, DESDE + k PASO, in ten-thousandths as the parameters hold them.
struct Barrido {
    Cantidad campo = Cantidad::Xo;  // one a sweep may step
    int64_t desde = 0, paso = 0;
    int valores = 0;
    Fijo valor(int k) const { return Fijo::crudo(desde + k * paso); }
};

// CAMPO DESDE HASTA PASO, CAMPO one of Xo Yo Vo Ang Viento R Densidad Cd. Refuses a PASO of 0,
// no values, more than kValoresBarridoMax, and Xo or Yo values that are not whole metres.
bool leer_barrido(const QStringList& args, Barrido& b, QString& error);

// The launch of every value, each checked against the limits as a launch line is.
bool lanzamientos_barrido(const Lanzamiento& base, const Barrido& b, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error);

constexpr int kValoresFamiliaMax = 10;

// --familia CAMPO V1,V2,...: CAMPO one of the sweep's fields, Aire, or Forma (Esfera, Bala: the
// drag coefficient by name), other than the swept one. Commas separate the values unless a
// semicolon does ("0,5;1"); Xo and Yo values are whole metres, as in a sweep.
struct Familia {
    std::optional<Cantidad> campo;  // none: no family
    bool forma = false;             // Forma: the values are Cd, shown by their shape's name
    QStringList valores;            // as a launch field reads them
    QStringList textos;             // the shapes' names, for Forma
    QString aviso;                  // said on standard error when commas may have been decimal commas
    QString nombre() const;         // "Vo", "Forma"
    QString texto(int k) const;     // value k as tables and legends show it
};
bool leer_familia(const QStringList& args, Cantidad campo_barrido, Familia& f, QString& error);

// The base launch with each family value in place, checked as a launch line is.
bool lanzamientos_familia(const Lanzamiento& base, const Familia& f, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error);

struct FilaBarrido {
    Fijo valor;
    int n = 0;
    Fijo t, xfin, ymax, vfin;
    FinVuelo fin = FinVuelo::Suelo;
    Fijo familia;  // the family value of the sweep it belongs to
};

// Flies each launch from the state of a fresh run, as its first experiment, with nothing drawn,
// on `hilos` threads (0: one per core); the rows are the same, in the same order, whatever
// the number.
QList<FilaBarrido> barrer(const QList<Lanzamiento>& lanzamientos, Cantidad campo, const ValoresInic& inic,
                          int hilos = 0);

// A header "CAMPO\tN\tT\tXfin\tYmax\tVfin\tFin" and one row per value, with CR LF line ends.
QString tabla_barrido(Cantidad campo, const QList<FilaBarrido>& filas);

// The family's table: its field first, then the sweep's columns; one block of rows per value.
QString tabla_familia(const Familia& familia, Cantidad campo, const QList<QList<FilaBarrido>>& bloques);

// The range against the field, rows that did not end on the ground drawn apart.
Lamina grafico_barrido(Cantidad campo, const QList<FilaBarrido>& filas);
// One curve per family value.
Lamina grafico_familia(const Familia& familia, Cantidad campo, const QList<QList<FilaBarrido>>& bloques);

// --barrido with the options a sweep takes; returns the exit status.
int ejecutar_barrido(const Opciones& o, QIODevice& entrada, QIODevice& salida, QIODevice& errores);

}  // namespace tya::calc
