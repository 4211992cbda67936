// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "archivos_recientes.h"
#include "core/traduccion.h"
#include "files/preferencias.h"
#include "menu_archivo.h"
#include "menu_idioma.h"
#include "pegado_seguro.h"
#include "platform/dialogos.h"
#include "panel_graficos.h"
#include "principal.h"
#include "soltar_archivo.h"
#include "tamano_ventana.h"
#include "vista_superficie.h"

namespace tya {

namespace {

// "Colores para proyector": the choice kept in the settings and the scene redrawn at once.
void instalar_paleta(Princip& ventana, QAction* proyector, Preferencias& preferencias, Dialogos& dialogos) {
    const auto aplicar = [&ventana](bool si) {
        // The scene is drawn in the window's own pixels and enlarged with it on screen: its lines
        // and marks already grow with the window's scale factor, so they are sized for factor 1.
        ventana.escena().estilo({si ? Paleta::Proyector : Paleta::Normal, 1.0});
    };
    proyector->setChecked(preferencias.proyector());
    aplicar(proyector->isChecked());
    QObject::connect(proyector, &QAction::toggled, proyector, [&ventana, &preferencias, &dialogos, aplicar](bool si) {
        aplicar(si);
        ventana.escena().repintar();
        ventana.vista_escena()->refrescar();
        ventana.graficos().repintar();
        if (!preferencias.guardar_proyector(si))
            dialogos.mensaje(Trayecta::tr("No se pudo guardar la elección de colores en %1: vale solo hasta cerrar "
                                          "el programa.")
                                 .arg(preferencias.archivo()));
    });
}

}  // namespace

MenuRecientes* completar_ventana(Princip& ventana, Preferencias& preferencias, Dialogos& dialogos) {
    PegadoSeguro::instalar();  // for every text box of every window, present and to come
    const BarraMenus& menus = menus_de(ventana.menuBar());
    menu_tamano_ventana(menus.ver, preferencias, dialogos);
    menu_idioma(menus.ver, preferencias, dialogos);
    instalar_paleta(ventana, menus.proyector, preferencias, dialogos);
    auto abrir = [&ventana](const QString& ruta) { ventana.archivo().abrir_experiencias(ruta); };
    // Above "Salir" and its separator.
    auto* recientes = new MenuRecientes(menus.archivo, menus.antes_de_salir, menus.recuperar, preferencias, dialogos,
                                        abrir);
    ventana.archivo().archivo_usado = [recientes](const QString& ruta) { recientes->anotar(ruta); };
    new SoltarArchivo(
        &ventana, [&ventana] { return ventana.archivo().puede_recuperar(); }, abrir);
    return recientes;
}

}  // namespace tya
