// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// trayecta-calc: launches read from text, flown headless through the program's own flight.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "core/inic.h"
#include "core/vuelo.h"
#include "graphs/graficos.h"
#include "opciones.h"

class QIODevice;
class QImage;

namespace tya {
class Superficie;
}

namespace tya::calc {

// The fields of a launch line are the quantities of the table in its order: those of a log's line
// (Xo Yo Vo Ang Aire Viento R Densidad Cd), then the target's (XoB YoB Vxb Vyb).
constexpr int kCamposLanzamiento = kCantidadesEnBitacora;
constexpr int kCamposConBlanco = static_cast<int>(kCantidades.size());
constexpr int kLanzamientosMax = 10;

// Field names in line order: those of the session-log line, then the target.
const QString& nombre_campo(int k);  // k = 0..12
inline const QString& nombre_campo(Cantidad c) { return nombre_campo(static_cast<int>(c)); }

struct Lanzamiento {
    std::array<double, kCamposConBlanco> v{};
    QStringList textos;   // the fields as written, for the messages
    bool blanco = false;  // the four target fields were given
    QString origen;       // file name, or "entrada estándar"
    int linea = 0;
    double& valor(Cantidad c) { return v[static_cast<size_t>(c)]; }
    QString& texto(Cantidad c) { return textos[static_cast<int>(c)]; }
};

// What a line of launches turned out to be.
enum class LecturaLinea { Lanzamiento, Saltada, Error };

// One input line. Blanks or tabs separate fields, "." or "," is the decimal separator.
// A line whose first field is not a number (a log header, a blank line) is skipped.
LecturaLinea leer_linea(const QString& texto, Lanzamiento& l, QString& error);

// Checks the values as parameter entry does (coordinates take their whole part first);
// the error names the field. Nothing is converted to fixed point before it passes.
bool comprobar(Lanzamiento& l, const ValoresInic& limites, QString& error);

// Every launch of a text, appended to `lista`; false at the first refused line, or at the
// launch beyond the tenth. The error names the source and the line.
bool leer_lanzamientos(const QString& texto, const QString& origen, const ValoresInic& limites,
                       QList<Lanzamiento>& lista, QString& error);

// Sets the parameters, material, shape and medium of a launch into the state, over the
// start-up values (a launch without target fields keeps the start-up target values).
void poner_lanzamiento(const Lanzamiento& l, const ValoresInic& inic, EstadoExp& st);

// The experiments of one run: launches flown to their end on a scene that is not shown, or an
// experiment file read back, with the log line and the end of every flight.
class Calculadora {
public:
    explicit Calculadora(const ValoresInic& inic);
    ~Calculadora();
    // Flies one launch as the next experiment.
    FinVuelo lanzar(const Lanzamiento& l);
    // Replaces the experiments by those of an experiment file, as Recuperar does; false with
    // the message naming the file and the line when it cannot be read.
    bool recuperar(const QString& ruta, QString& error);

    EstadoExp& estado();
    const EstadoExp& estado() const;
    Superficie& superficie();
    const QStringList& lineas_log() const;  // the 59-character line of every launch
    const QList<FinVuelo>& fines() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// "1\t20\t14.40\t1018.10" and, when the flight ended on a message, a tab and the message.
QString resumen(const EstadoExp& st, int experiencia, FinVuelo fin, QChar separador);

constexpr int kSalidaBien = 0;
constexpr int kSalidaEscritura = 1;  // an output file could not be written
constexpr int kSalidaRechazo = 2;    // bad options or input: nothing is written

// Every input in order as launches; false (with the message) at the first that cannot be read or refused.
bool leer_entradas(const Opciones& o, QIODevice& entrada, const ValoresInic& inic, QList<Lanzamiento>& lista,
                   QString& error);

// The whole command, arguments without the program's name: the options and the input read, the
// launches flown, the files and standard output written. Returns the exit status.
int ejecutar(const QStringList& args, QIODevice& entrada, QIODevice& salida, QIODevice& errores);

}  // namespace tya::calc
