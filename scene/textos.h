// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text window's contents and controls, without the window: the topics of mostrar_texto,
// files and the about text at their print columns, the close/continue button, and the
// choice of a problem.
#include <QFont>
#include <QString>
#include <QStringList>

#include "core/columnas.h"
#include "core/experiment_state.h"
#include "core/traduccion.h"

namespace tya {

class Dialogos;
class Escena;

constexpr int kColumnaArchivo = 5;  // a file's lines
constexpr int kColumnaAcerca = 9;   // the about text

// The topics the text window shows by itself (the extreme-values report fills it from files/).
enum class TemaTexto { Acerca = 1, Problema = 6, Modelo = 7, Metodo = 8 };

// What the window shows. Positions and sizes in twips.
struct VistaCaja {
    bool visible = false;
    QString caption;
    int izquierda = 1000, ancho = 7000, alto = 3425;
    bool copiar = false, imprimir = false, icono = false, picture1 = false;
    QString salir3 = Trayecta::tr("Cerrar");
    bool seguir = false;  // the button is "Seguir": it leads from the model on to the method
    int arriba_salir3 = 4560, arriba_imprimir = 4440;
    TextoEnColumnas texto;
};

// The window's print font (bold 8.25-point sans serif) and its column measure: a column is
// the font's average character width.
QFont fuente_textos();
TextoEnColumnas::Medida medida_en_columnas(const QFont& fuente);

// The about text: what the program is, and where its texts are read from; each line from column 9.
QStringList parrafo_acerca();
QStringList contacto_acerca();

// A problem number as typed: decimal digits only, with a value from 0 to 15.
bool respuesta_problema_valida(const QString& respuesta);

class CajaTextos {
public:
    // `directorio`: the working folder the texts are read from.
    CajaTextos(EstadoExp& st, Escena& escena, const QString& directorio, TextoEnColumnas::Medida medida = {});

    VistaCaja& vista() { return vista_; }
    // False when the topic's file could not be read (for a problem the window is left to its
    // caller) or a flight runs.
    bool mostrar_texto(TemaTexto tema);
    // An empty line, then each line of the file from column 5; false (nothing printed but
    // the empty line) when the file cannot be read.
    bool mostrar_archivo(const QString& nombre, QString& error);
    // The window's button: "Seguir" leads from the model on to the method, any other closes.
    void cerrar_o_seguir();
    // Closes the window as "Cerrar" does (also the window frame's close box).
    void cerrar();
    // Another window became active: `Copiar` is hidden.
    void ventana_desactivada() { vista_.copiar = false; }
    // The extreme-values report: its text laid out in columns, in the window of its own size.
    void mostrar_informe(const TextoEnColumnas& texto, bool blanco);

    // The menu entry "Problemas": asks for the number until a valid one or none is given.
    void elegir_problema(Dialogos& dialogos);
    // The lines `Imprimir` prints: the last problem chosen; false with a message otherwise.
    bool lineas_problema(QStringList& lineas, QString& error) const;

    QString ruta(const QString& nombre) const;

private:
    EstadoExp& st_;
    Escena& escena_;
    QString dir_;
    VistaCaja vista_;
};

}  // namespace tya
