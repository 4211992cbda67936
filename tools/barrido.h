#pragma once
// Sweeps: the one launch of the input flown again for every value of one of its fields,
// as a table of results and a plot of the final X against the field.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "calc.h"

class QIODevice;

namespace tya::calc {

constexpr int kValoresBarridoMax = 1000;

// The values of a sweep, DESDE + k PASO, in ten-thousandths as the parameters hold them.
struct Barrido {
    int campo = 0;  // field of the launch line, as numbered by nombre_campo
    int64_t desde = 0, paso = 0;
    int valores = 0;
    Fijo valor(int k) const { return Fijo::crudo(desde + k * paso); }
};

// CAMPO DESDE HASTA PASO, CAMPO one of Xo Yo Vo Ang Viento R Densidad. Refuses a PASO of 0,
// no values, more than kValoresBarridoMax, and Xo or Yo values that are not whole metres.
bool leer_barrido(const QStringList& args, Barrido& b, QString& error);

// The launch of every value, each checked against the limits as a launch line is.
bool lanzamientos_barrido(const Lanzamiento& base, const Barrido& b, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error);

struct FilaBarrido {
    Fijo valor;
    int n = 0;
    Fijo t, xfin, ymax, vfin;
    FinVuelo fin = FinVuelo::Suelo;
};

// Flies each launch from the state of a fresh run, as its first experiment, with nothing drawn.
QList<FilaBarrido> barrer(const QList<Lanzamiento>& lanzamientos, int campo, const ValoresInic& inic);

// A header "CAMPO\tN\tT\tXfin\tYmax\tVfin\tFin" and one row per value, with CR LF line ends.
QString tabla_barrido(int campo, const QList<FilaBarrido>& filas);

// Xfin against the field, in the colour experiment 1 shows in.
QImage grafico_barrido(int campo, const QList<FilaBarrido>& filas);

// --barrido with --inic and --grafico-barrido; returns the exit status.
int ejecutar_barrido(const Opciones& o, QIODevice& entrada, QIODevice& salida, QIODevice& errores);

}  // namespace tya::calc
