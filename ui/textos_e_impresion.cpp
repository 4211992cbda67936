// The main window's commands for the text window, problems, practical work and printing.
#include <QAction>
#include <QApplication>

#include "caja_valores.h"
#include "controles.h"
#include "core/formato.h"
#include "files/impresion.h"
#include "files/informe.h"
#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "principal.h"
#include "repeticion.h"
#include "scene/textos.h"
#include "trabajo_practico.h"

namespace tya {

void Princip::conectar_textos() {
    connect(menu_modelo, &QAction::triggered, this, &Princip::menu_modelo_Click);
    connect(menu_valores, &QAction::triggered, this, &Princip::menu_valores_Click);
    connect(Problem, &QAction::triggered, this, &Princip::Problem_Click);
    connect(tp, &QAction::triggered, this, &Princip::tp_Click);
    connect(ImprVal, &QAction::triggered, this, &Princip::ImprVal_Click);
    connect(ImprGraf, &QAction::triggered, this, &Princip::ImprGraf_Click);
    connect(Frame4, &TrabajoPractico::cerrado, this, &Princip::refrescar_escena);
}

CajaValores* Princip::caja_valores() {
    if (!caja_) {
        caja_ = new CajaValores(*textos_, st, dialogos_, *impresora_, this);
        connect(caja_, &CajaValores::escena_redibujada, this, &Princip::refrescar_escena);
    }
    return caja_;
}

void Princip::menu_modelo_Click() { caja_valores()->mostrar_texto(7); }

void Princip::menu_valores_Click() { caja_valores()->menu_valores_Click(!Blanco->isHidden()); }

void Princip::Problem_Click() { caja_valores()->Problem_Click(); }

void Princip::tp_Click() {
    if (st.EnVuelo == 1) return;
    // Over the scene, below the parameter panels.
    Frame4->setGeometry(Frame1->x(), Frame1->geometry().bottom() + 6, 560, 320);
    Frame4->show();
    Frame4->raise();
    int modo = 0;
    Frame4->trabajo_practico(modo);
}

namespace {
void avisar(Dialogos& d, const ResultadoImpresion& r) {
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) d.mensaje(m);
}
}  // namespace

void Princip::ImprVal_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TextoEnColumnas tabla = tabla_impresa(st, !Blanco->isHidden(), separador_local());
    const ResultadoImpresion r = impresora_->imprimir(
        QStringLiteral("valores-extremos"), [&](QPagedPaintDevice& d, QString& e) { return dibujar_texto(d, tabla, e); });
    QApplication::restoreOverrideCursor();
    avisar(dialogos_, r);
}

void Princip::ImprGraf_Click() {
    const bool encendido = !sup_->retenido();
    if (encendido) sup_->retenido(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The client area as shown: the scene with every panel and marker on it.
    repeticion_->mostrar_marcas(false);  // the replay cursor is no part of the picture
    const QImage imagen = vista_->grab().toImage();
    repeticion_->mostrar_marcas(true);
    const ResultadoImpresion r = impresora_->imprimir(
        QStringLiteral("grafica"), [&](QPagedPaintDevice& d, QString& e) { return dibujar_imagen(d, imagen, e); });
    QApplication::restoreOverrideCursor();
    if (encendido) sup_->retenido(false);
    avisar(dialogos_, r);
}

}  // namespace tya
