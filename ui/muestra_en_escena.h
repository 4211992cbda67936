// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inspecting a sample on the scene: the pointer turns to a cross over a mark, and a click on
// one draws its vectors and shows its values in the small table window.
#include <QObject>

#include "contexto.h"
#include "scene/vectores.h"

namespace tya {

class FormTabla;
class Repeticion;

class InspeccionMuestra : public QObject {
    Q_OBJECT
public:
    InspeccionMuestra(const ContextoVentana& ctx, Repeticion& repeticion, QObject* padre);

    void puntero_movido(float x, float y);
    void clic_en_escena();
    // Sample i of experiment k chosen from the keyboard: what a click on its mark does.
    void elegir_muestra(int k, int i);
    // The vectors and the table of sample i of experiment k, also while it is being replayed.
    void abrir_tabla(int k, int i);
    // The main window became active: the background colour is read again.
    void ventana_activada();

    FormTabla* formtabla() const { return formtabla_; }

private:
    void mostrar_tabla(const std::array<QString, 7>& valores);

    ContextoVentana ctx_;
    Repeticion& repeticion_;
    Raton raton_;
    FormTabla* formtabla_ = nullptr;
};

}  // namespace tya
