// The "&Archivo" menu: experiment files, the session log and its viewer, and the start-up
// offer to delete old logs.
#include <QAction>
#include <QDate>
#include <QTime>

#include "controles.h"
#include "core/formato.h"
#include "dialogo_logs.h"
#include "files/experimentos.h"
#include "files/sesion.h"
#include "platform/dialogos.h"
#include "principal.h"
#include "trazas.h"

namespace tya {

void Princip::Grabar_Click() {
    if (st.EnVuelo == 1) return;
    archivo_experiencias(2);
}

void Princip::Recuperar_Click() {
    if (st.EnVuelo == 1) return;
    escena_->borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
    refrescar_escena();
    archivo_experiencias(1);
}

void Princip::archivo_experiencias(int modo) {
    if (modo != 1 && modo != 2) return;
    const bool guardar = modo == 2;
    PedidoArchivo pedido;
    pedido.carpeta = carpeta_experiencias();
    pedido.titulo = guardar ? QStringLiteral("Guardar") : QStringLiteral("Recuperar");
    pedido.filtro = QStringLiteral("TYAib(*.TYA)");
    pedido.guardar = guardar;
    const QString ruta = dialogos_.elegir_archivo(pedido);
    if (ruta.isEmpty()) return;  // cancelled: nothing read or written

    if (guardar) {
        const ResultadoArchivo r = grabar_experiencias(st, ruta);
        cerrar_archivos();
        if (!r) dialogos_.mensaje(r.error);
        if (r && archivo_usado) archivo_usado(ruta);
        return;
    }
    recuperar_de(ruta);
}

bool Princip::puede_recuperar() const { return st.EnVuelo != 1 && Recuperar->isEnabled(); }

void Princip::abrir_experiencias(const QString& ruta) {
    if (!puede_recuperar()) return;
    escena_->borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
    refrescar_escena();
    recuperar_de(ruta);
}

void Princip::recuperar_de(const QString& ruta) {
    const ResultadoArchivo r = recuperar_experiencias(st, ruta, [this](const QString& t) { NGraf->setText(t); });
    cerrar_archivos();
    if (!r) {
        // Back to the scene the reset left: nothing half-read stays in the views or the box.
        escena_->borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
        refrescar_escena();
        dialogos_.mensaje(r.error);
        return;
    }
    escena_->redibujar_escena();
    refrescar_escena();
    for (QAction* a : {menu_velocidades, menu_valores, menu_posiciones, ImprVal, ImprGraf, Grabar}) a->setEnabled(true);
    // An open panel drew from the records before they were read; show what was read.
    NGraf_Change();
    if (archivo_usado) archivo_usado(ruta);
}

void Princip::cerrar_archivos() { bitacora_.cerrar(); }

void Princip::inicializar() {
    cerrar_archivos();
    bitacora_.iniciar(dir_, QTime::currentTime(), QDate::currentDate());  // a failed step is passed over
    menu_trazo->setChecked(true);
}

void Princip::menu_trazo_Click() {
    if (menu_trazo->isChecked()) {
        // The log stays open; no more lines go to it.
        menu_trazo->setChecked(false);
        st.Trazo = 0;
        return;
    }
    st.Trazo = 1;
    inicializar();
    dialogos_.aviso(QStringLiteral("Trayecta"), aviso_documentar());
}

void Princip::documentar_lanzamiento() { bitacora_.documentar(st, separador_local()); }

void Princip::recup_sesion_Click() {
    if (st.EnVuelo == 1) return;
    if (!trazas_) trazas_ = new Trazas(dir_, [this] { cerrar_archivos(); }, this);
    trazas_->exec();
}

void Princip::documentacion_al_arrancar() {
    if (ofrecer_borrar_logs(st.Trazo, st.TamLogs)) {
        DialogoLogs d(st.NLogs, st.TamLogs, this);
        if (d.exec() == QDialog::Accepted) {
            cerrar_archivos();
            borrar_logs(dir_, File1);
            st.Trazo = 0;
            menu_trazo->setChecked(false);
        }
    }
    if (st.Trazo == 1) inicializar();
}

}  // namespace tya
