// SPDX-License-Identifier: GPL-3.0-or-later
#include "ventanas_texto.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTimer>

#include "ayuda.h"
#include "caja_valores.h"
#include "core/experiment_state.h"
#include "core/inic.h"
#include "core/tamano_ventana.h"
#include "scene/escena.h"
#include "platform/impresora_sistema.h"
#include "scene/textos.h"
#include "sugiere.h"
#include "trabajo_practico.h"

namespace tya {

VentanasTexto::VentanasTexto(const ContextoVentana& ctx, ImpresoraSistema& impresora)
    : ctx_(ctx),
      impresora_(impresora),
      textos_(std::make_unique<CajaTextos>(ctx.st, ctx.escena, ctx.dir, medida_en_columnas(fuente_textos()))) {
    trabajo_practico_ = new TrabajoPractico(ctx_.escena, ctx_.dialogos, impresora_, ctx_.dir, ctx_.vista);
    trabajo_practico_->hide();
    connect(trabajo_practico_, &TrabajoPractico::cerrado, this, &VentanasTexto::escena_redibujada);
    connect(trabajo_practico_, &TrabajoPractico::cerrado, this, [this] { volver_foco_.devolver(); });
    reloj_arranque_ = new QTimer(this);
    reloj_arranque_->setObjectName(QStringLiteral("Timer1"));
    reloj_arranque_->setInterval(100);
    connect(reloj_arranque_, &QTimer::timeout, this, &VentanasTexto::tic_de_arranque);
}

// Before the text logic it reads goes: the window belongs to the main window and would outlive it.
VentanasTexto::~VentanasTexto() { delete caja_; }

CajaValores* VentanasTexto::caja_valores() {
    if (!caja_) {
        caja_ = new CajaValores(*textos_, ctx_.st, ctx_.dialogos, impresora_, ctx_.vista->window());
        connect(caja_, &CajaValores::escena_redibujada, this, &VentanasTexto::escena_redibujada);
    }
    return caja_;
}

void VentanasTexto::mostrar_modelo() { caja_valores()->mostrar_texto(TemaTexto::Modelo); }

void VentanasTexto::mostrar_valores_extremos(bool blanco) { caja_valores()->mostrar_valores_extremos(blanco); }

void VentanasTexto::elegir_problema() { caja_valores()->elegir_problema(); }

void VentanasTexto::acerca_de() { caja_valores()->mostrar_texto(TemaTexto::Acerca); }

void VentanasTexto::abrir_trabajo_practico(const QWidget* debajo_de) {
    if (ctx_.st.EnVuelo == 1) return;
    // Beside the flight, below the parameter panels, as large as that room allows; where
    // there is too little room, over the flight's empty sky, as small as can be read.
    const QRect vista = ctx_.vista->rect();
    const QRect vuelo = zona_vuelo(ctx_.sup);
    const int arriba = debajo_de->geometry().bottom() + 6;
    QRect lado(QPoint(vuelo.right() + 6, arriba), vista.bottomRight());
    if (lado.width() < 300) lado = QRect(QPoint(debajo_de->x(), arriba), QSize(360, 240));
    trabajo_practico_->setGeometry(recortada_a(QRect(lado.topLeft(), lado.size().boundedTo({560, 420})), vista));
    if (!trabajo_practico_->isVisible()) volver_foco_.recordar(trabajo_practico_);
    trabajo_practico_->show();
    trabajo_practico_->raise();
    trabajo_practico_->cargar();
    trabajo_practico_->texto()->setFocus(Qt::TabFocusReason);
}

void VentanasTexto::abrir_ayuda(bool buscar) {
    delete ayuda_;
    ayuda_ = new VisorAyuda(ctx_.st.RutaAyuda, buscar ? ModoAyuda::Buscar : ModoAyuda::Contenidos,
                            ctx_.vista->window());
    ayuda_->show();
}

void VentanasTexto::mostrar_sugerencias() {
    Sugiere s(QDir(ctx_.dir).filePath(QStringLiteral("sugiere")), ctx_.vista->window());
    s.exec();
}

void VentanasTexto::arrancar_reloj() { reloj_arranque_->start(); }

void VentanasTexto::tic_de_arranque() {
    ++ticks_;
    if (ticks_ > 4) {
        // Stopped first: the prompt is modal and the timer must not come back while it shows.
        reloj_arranque_->stop();
        double v = 0;
        if (leer_valor(QDir(ctx_.dir).filePath(QStringLiteral("sugiere")), v) && v == 1) mostrar_sugerencias();
    }
}

}  // namespace tya
