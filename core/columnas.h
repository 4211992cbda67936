// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text printed at character columns, as a print position moves along a line: printing at a
// column left of the position goes to that column on the next line.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tya {

class TextoEnColumnas {
public:
    // Width of a text in columns; the default counts characters (a fixed-pitch font).
    using Medida = std::function<double(const QString&)>;

    struct Trozo {
        double columna;  // 1 is the left edge
        QString texto;
    };
    using Renglon = QList<Trozo>;

    explicit TextoEnColumnas(Medida medida = {});

    // Moves to `columna` (on the next line when the position is already past it), then prints.
    void en(int columna, const QString& texto);
    // Prints at the current position.
    void texto(const QString& t);
    // Ends the line: the next text starts at column 1 of a new line.
    void fin_linea();
    // One whole line from `columna`.
    void linea(int columna, const QString& t) {
        en(columna, t);
        fin_linea();
    }
    void limpiar();

    const QList<Renglon>& renglones() const { return renglones_; }
    double posicion() const { return posicion_; }
    // Each line with its texts at their columns, padded with blanks (exact for a fixed pitch).
    QStringList lineas() const;

private:
    Renglon& actual();
    Medida medida_;
    QList<Renglon> renglones_;
    double posicion_ = 1;
    bool abierto_ = false;  // the last line has not been ended
};

}  // namespace tya
