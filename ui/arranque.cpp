// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranque.h"

#include <QMenu>

#include "archivos_recientes.h"
#include "menu_archivo.h"
#include "pegado_seguro.h"
#include "principal.h"
#include "soltar_archivo.h"
#include "tamano_ventana.h"

namespace tya {

MenuRecientes* completar_ventana(Princip& ventana, Preferencias& preferencias, Dialogos& dialogos) {
    PegadoSeguro::instalar();  // for every text box of every window, present and to come
    menu_tamano_ventana(ventana.findChild<QMenu*>(QStringLiteral("menu_ver")), preferencias, dialogos);
    auto abrir = [&ventana](const QString& ruta) { ventana.archivo().abrir_experiencias(ruta); };
    // Above "Salir" and its separator.
    auto* recientes = new MenuRecientes(ventana.findChild<QMenu*>(QStringLiteral("Archivo")),
                                        ventana.findChild<QAction*>(QStringLiteral("x")),
                                        ventana.accion(QStringLiteral("Recuperar")), preferencias, dialogos, abrir);
    ventana.archivo().archivo_usado = [recientes](const QString& ruta) { recientes->anotar(ruta); };
    new SoltarArchivo(&ventana, [&ventana] { return ventana.archivo().puede_recuperar(); }, abrir);
    return recientes;
}

}  // namespace tya
