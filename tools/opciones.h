// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// trayecta-calc's options, each defined once: parsing, --help and which options go together
// all come from one table.
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <span>

#include "graphs/graficos.h"

namespace tya::calc {

enum class Salida { Resumen, Log, TablaPosiciones, TablaVelocidades, Valores };
struct PedidoSalida {
    Salida que;
    int experiencia = 0;
};

// A graph image: experiment 1..10, or kTodasLasExperiencias for the comparison.
struct PedidoGrafico {
    Magnitud magnitud = Magnitud::Posiciones;
    int experiencia = kTodasLasExperiencias;
    QString archivo;
};

struct Opciones {
    QString inic;  // empty: INIC.DAT of the working folder
    QString tya, escena;
    QString leer;                 // an experiment file loaded instead of flying launches
    QString pdf_valores;          // the printed extreme-values table, as a PDF
    QList<PedidoSalida> salidas;  // standard-output pieces, in the order asked
    QList<PedidoGrafico> graficos;
    bool horizontal = false;  // graphs of X or Vx instead of Y or Vy
    QStringList archivos;     // none: standard input; "-" also names it
    bool ayuda = false;
    bool version = false;
    QStringList barrido;  // CAMPO DESDE HASTA PASO, as given
    QString grafico_barrido;
    QStringList familia;    // CAMPO V1,V2,..., as given
    int hilos = 0;          // -j: the threads a sweep flies on; 0, one per core
    bool rotulado = false;  // --grafico draws the worksheet graph
    QSize tamano;           // a sheet's PNG size; empty: A4 at 300 dpi
    QStringList dadas;      // every option given, in order
};

// One line of --help: the option as written and its explanation ('\n' between lines).
struct LineaAyuda {
    const char* uso = nullptr;
    const char* texto = nullptr;
};

struct DefOpcion {
    const char* nombre;
    const char* alias;     // a second spelling, or nullptr
    int valores;           // the arguments that follow it
    bool archivo;          // the last of them is a file name, which may not be empty
    const char* necesita;  // what the other arguments are, for the message when they are missing
    bool en_barrido;       // may be given with --barrido
    const char* requiere;  // an option it is meaningless without, or nullptr
    // Stores the arguments (all of those before the file name are there; the file name may
    // be missing, which the parser reports after this has checked the others).
    bool (*leer)(const QString& opcion, const QStringList& valores, Opciones& o, QString& error);
    LineaAyuda ayuda[2];
};

std::span<const DefOpcion> definiciones_opciones();
const DefOpcion* buscar_opcion(const QString& nombre);

bool leer_opciones(const QStringList& args, Opciones& o, QString& error);
QString texto_ayuda();

// The first option given without the one it needs, or given with --barrido that a sweep does
// not take: its message; empty when the options go together.
QString combinacion_rechazada(const Opciones& o);

}  // namespace tya::calc
