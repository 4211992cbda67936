// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene with the keyboard's focus: the arrow keys move the launch cross or the target (Tab
// between them, Shift for larger steps), PgUp and PgDn walk the stored marks and Enter opens the
// chosen mark's sample table. Its focus marks are painted over the scene.
#include <QObject>
#include <optional>

#include "contexto.h"
#include "scene/teclado_escena.h"

class QPainter;

namespace tya {

class InspeccionMuestra;
class Marcadores;

class EscenaTeclado : public QObject {
    Q_OBJECT
public:
    EscenaTeclado(const ContextoVentana& ctx, Marcadores& marcadores, InspeccionMuestra& inspeccion, QObject* padre);
    ~EscenaTeclado() override;

    // The marker the arrows move: the target while it is placed and chosen.
    bool moviendo_blanco() const;
    const std::optional<MarcaEscena>& marca() const { return marca_; }
    // The stored marks changed: the walk starts again.
    void olvidar_marca();

    static constexpr int kPasoLargo = 10;  // pixels a Shift+arrow moves a marker

signals:
    // What a screen reader should say of the chosen mark.
    void marca_descrita(const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool tecla(int tecla, Qt::KeyboardModifiers mod);
    void pintar(QPainter& p) const;

    ContextoVentana ctx_;
    Marcadores& marcadores_;
    InspeccionMuestra& inspeccion_;
    bool blanco_ = false;
    std::optional<MarcaEscena> marca_;
};

}  // namespace tya
