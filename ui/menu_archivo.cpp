// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_archivo.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTime>
#include <memory>

#include "avisos_estado.h"
#include "barra_menus.h"
#include "core/formato.h"
#include "core/inic.h"
#include "core/traduccion.h"
#include "dialogo_logs.h"
#include "files/experimentos.h"
#include "files/impresion.h"
#include "files/informe.h"
#include "files/sesion.h"
#include "panel_graficos.h"
#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "repeticion.h"
#include "scene/escena.h"
#include "trazas.h"

namespace tya {

MenuArchivo::MenuArchivo(const ContextoVentana& ctx, const BarraMenus& menus, PanelGraficos& graficos,
                         Repeticion& repeticion, ImpresoraSistema& impresora, QObject* padre)
    : QObject(padre), ctx_(ctx), menus_(menus), graficos_(graficos), repeticion_(repeticion), impresora_(impresora) {
    connect(&ctx_.avisos, &AvisosEstado::vuelo_terminado, this, [this] { guardadas_ = false; });
    connect(&ctx_.avisos, &AvisosEstado::experiencias_borradas, this, [this] { guardadas_ = true; });
}

namespace {
PedidoArchivo pedido_tya(bool guardar) {
    PedidoArchivo p;
    p.carpeta = carpeta_experiencias();
    p.titulo = guardar ? Trayecta::tr("Guardar") : Trayecta::tr("Recuperar");
    p.filtro = QStringLiteral("TYAib(*.TYA)");
    p.guardar = guardar;
    p.sufijo = QStringLiteral("TYA");
    return p;
}
}  // namespace

bool MenuArchivo::guardar() {
    if (ctx_.st.EnVuelo == 1) return false;
    const QString elegida = ctx_.dialogos.elegir_archivo(pedido_tya(true));
    if (elegida.isEmpty()) return false;  // cancelled: nothing written
    // A bare name gets the extension "Recuperar" lists; another one is the user's choice.
    const QString ruta = con_extension_tya(elegida);
    const ResultadoArchivo r = grabar_experiencias(ctx_.st, ruta);
    cerrar_archivos();
    if (!r) {
        ctx_.dialogos.mensaje(r.error);
        return false;
    }
    guardadas_ = true;
    if (archivo_usado) archivo_usado(ruta);
    return true;
}

void MenuArchivo::recuperar() {
    if (ctx_.st.EnVuelo == 1) return;
    const QString elegida = ctx_.dialogos.elegir_archivo(pedido_tya(false));
    if (!elegida.isEmpty()) recuperar_de(elegida);  // cancelled: nothing read
}

bool MenuArchivo::puede_recuperar() const { return ctx_.st.EnVuelo != 1 && menus_.recuperar->isEnabled(); }

void MenuArchivo::abrir_experiencias(const QString& ruta) {
    if (!puede_recuperar()) return;
    recuperar_de(ruta);
}

void MenuArchivo::recuperar_de(const QString& ruta) {
    EstadoExp& st = ctx_.st;
    // Read aside: the flights on the scene and in the records are lost only for a file that was
    // read whole, never for one refused half-way.
    auto leido = std::make_unique<EstadoExp>(st);
    leido->NExp = 0;
    leido->NGrafSel = 0;
    leido->NColor = 2;
    QString numero;
    const ResultadoArchivo r = recuperar_experiencias(*leido, ruta, [&numero](const QString& t) { numero = t; });
    cerrar_archivos();
    if (!r) {
        ctx_.dialogos.mensaje(r.error);
        return;
    }
    ctx_.escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
    st = *leido;
    graficos_.mostrar_numero(numero);
    ctx_.escena.redibujar_escena();
    ctx_.refrescar_escena();
    guardadas_ = true;
    emit ctx_.avisos.experiencias_recuperadas();
    if (archivo_usado) archivo_usado(ruta);
}

void MenuArchivo::cerrar_archivos() { bitacora_.cerrar(); }

void MenuArchivo::inicializar() {
    cerrar_archivos();
    bitacora_.iniciar(ctx_.dir, QTime::currentTime(), QDate::currentDate());  // a failed step is passed over
    menus_.documentar->setChecked(true);
}

void MenuArchivo::alternar_documentacion() {
    if (menus_.documentar->isChecked()) {
        // The log stays open; no more lines go to it.
        menus_.documentar->setChecked(false);
        ctx_.st.Trazo = 0;
        return;
    }
    ctx_.st.Trazo = 1;
    inicializar();
    ctx_.dialogos.aviso(QStringLiteral("Trayecta"), aviso_documentar());
}

void MenuArchivo::documentar_lanzamiento() { bitacora_.documentar(ctx_.st, separador_local()); }

void MenuArchivo::ver_sesiones() {
    if (ctx_.st.EnVuelo == 1) return;
    if (!trazas_)
        trazas_ = new Trazas(
            ctx_.dir, [this] { cerrar_archivos(); }, ctx_.vista->window());
    trazas_->exec();
}

void MenuArchivo::documentacion_al_arrancar(const QStringList& logs) {
    EstadoExp& st = ctx_.st;
    File1 = logs;
    if (st.Trazo != 1) return;
    if (ofrecer_borrar_logs(st.Trazo, st.TamLogs)) {
        DialogoLogs d(st.NLogs, st.TamLogs, ctx_.vista->window());
        if (d.exec() == QDialog::Accepted) {
            cerrar_archivos();
            borrar_logs(ctx_.dir, File1);
            st.Trazo = 0;
            menus_.documentar->setChecked(false);
        }
    }
    if (st.Trazo == 1) inicializar();
}

namespace {
void avisar(Dialogos& d, const ResultadoImpresion& r) {
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) d.mensaje(m);
}
}  // namespace

void MenuArchivo::imprimir_valores(bool blanco) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TextoEnColumnas tabla = tabla_impresa(ctx_.st, blanco, separador_local());
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("valores-extremos"),
        [&](QPagedPaintDevice& d, QString& e) { return dibujar_texto(d, tabla, e); });
    QApplication::restoreOverrideCursor();
    avisar(ctx_.dialogos, r);
}

void MenuArchivo::imprimir_grafica() {
    const bool encendido = !ctx_.sup.retenido();
    if (encendido) ctx_.sup.retenido(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The client area as shown: the scene with every panel and marker on it.
    repeticion_.mostrar_marcas(false);  // the replay cursor is no part of the picture
    const QImage imagen = ctx_.vista->grab().toImage();
    repeticion_.mostrar_marcas(true);
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("grafica"), [&](QPagedPaintDevice& d, QString& e) { return dibujar_imagen(d, imagen, e); });
    QApplication::restoreOverrideCursor();
    if (encendido) ctx_.sup.retenido(false);
    avisar(ctx_.dialogos, r);
}

int MenuArchivo::sin_guardar() const {
    const int n = ctx_.st.NExp;
    return !guardadas_ && n > 0 && menus_.guardar->isEnabled() ? n : 0;
}

bool MenuArchivo::puede_salir() {
    const int n = sin_guardar();
    if (n == 0 || salida_decidida_) return true;
    const QString pregunta = n == 1 ? Trayecta::tr("¿Salir sin guardar la experiencia?")
                                    : Trayecta::tr("¿Salir sin guardar las %1 experiencias?").arg(n);
    switch (ctx_.dialogos.elegir(pregunta, Trayecta::tr("Guardar"), Trayecta::tr("Salir"))) {
        case Eleccion::Primera:
            salida_decidida_ = guardar();
            return salida_decidida_;
        case Eleccion::Segunda:
            salida_decidida_ = true;
            return true;
        case Eleccion::Cancelar:
            return false;
    }
    return false;
}

void MenuArchivo::salir() {
    if (!puede_salir()) return;
    escribir_valor(QDir(ctx_.dir).filePath(QStringLiteral("trazo.txt")), ctx_.st.Trazo);
    cerrar_archivos();
    ctx_.st.Parar = 1;
    QApplication::quit();
}

}  // namespace tya
