// SPDX-License-Identifier: GPL-3.0-or-later
#include "barra_menus.h"

#include <QAction>
#include <QMenuBar>

#include "core/traduccion.h"

namespace tya {

namespace {

// The bar keeps its entries with it, so whoever holds the bar reaches them by their members.
class EntradasBarra : public QObject {
public:
    EntradasBarra(const BarraMenus& b, QObject* padre) : QObject(padre), menus(b) {}
    const BarraMenus menus;
};

QAction* entrada(QMenu* m, const char* nombre, const QString& caption, bool on, QKeySequence atajo = QKeySequence()) {
    QAction* a = m->addAction(caption);
    a->setObjectName(QLatin1String(nombre));
    a->setEnabled(on);
    if (!atajo.isEmpty()) a->setShortcut(atajo);
    return a;
}

QMenu* menu(QMenuBar* barra, const char* nombre, const QString& caption) {
    QMenu* m = barra->addMenu(caption);
    m->setObjectName(QLatin1String(nombre));
    return m;
}

QAction* en_barra(QMenuBar* barra, const char* nombre, const QString& caption) {
    QAction* a = barra->addAction(caption);
    a->setObjectName(QLatin1String(nombre));
    return a;
}

QKeySequence ctrl(char letra) { return QKeySequence(QStringLiteral("Ctrl+") + QLatin1Char(letra)); }

}  // namespace

BarraMenus crear_barra_menus(QMenuBar* barra) {
    BarraMenus b;
    QMenu* archivo = b.archivo = menu(barra, "Archivo", Trayecta::tr("&Archivo"));
    b.guardar = entrada(archivo, "Grabar", Trayecta::tr("&Guardar"), false, ctrl('G'));
    b.recuperar = entrada(archivo, "Recuperar", Trayecta::tr("&Recuperar"), true, ctrl('R'));
    b.ver_sesiones = entrada(archivo, "recup_sesion", Trayecta::tr("Recuperar &Archivo de Sesión"), true);
    b.documentar = entrada(archivo, "menu_trazo", Trayecta::tr("&Documentar Sesión"), true);
    b.documentar->setCheckable(true);
    b.imprimir_valores = entrada(archivo, "ImprVal", Trayecta::tr("&Imprimir Valores"), false);
    b.imprimir_grafica = entrada(archivo, "ImprGraf", Trayecta::tr("Imprimir Gra&fica"), false);
    b.antes_de_salir = archivo->addSeparator();
    b.salir = entrada(archivo, "Salir", Trayecta::tr("&Salir"), true, ctrl('S'));

    QMenu* edicion = menu(barra, "menu_edicion", Trayecta::tr("&Edición"));
    b.copiar_pantalla = entrada(edicion, "menu_copi_pant", Trayecta::tr("&Copiar Pantalla al Portapapeles"), true);

    QMenu* ver = b.ver = menu(barra, "menu_ver", Trayecta::tr("&Ver"));
    b.valores_extremos = entrada(ver, "menu_valores", Trayecta::tr("Valores &Extremos"), false);
    b.posiciones = entrada(ver, "menu_posiciones", Trayecta::tr("Gráfico &Posiciones"), false);
    b.velocidades = entrada(ver, "menu_velocidades", Trayecta::tr("Gráfico &Velocidades"), false);
    b.repetir = entrada(ver, "Repetir", Trayecta::tr("&Repetir"), false);  // the replay panel
    b.zoom = entrada(ver, "menu_zoom", Trayecta::tr("E&scala/10"), true);
    b.modelo = entrada(ver, "menu_modelo", Trayecta::tr("&Modelo"), true);
    b.proyector = entrada(ver, "menu_proyector", Trayecta::tr("&Colores para proyector"), true);
    b.proyector->setCheckable(true);

    QMenu* blanco = menu(barra, "Opciones", Trayecta::tr("&Blanco"));
    b.colocar_blanco = entrada(blanco, "Blanco1", Trayecta::tr("&Colocar"), true, ctrl('B'));
    b.colocar_blanco->setCheckable(true);

    QMenu* actividades = menu(barra, "Actividades", Trayecta::tr("A&ctividades"));
    b.trabajo_practico = entrada(actividades, "tp", Trayecta::tr("&Trabajo Práctico"), true);
    b.problemas = entrada(actividades, "Problem", Trayecta::tr("&Problemas"), true);

    b.lanzar = en_barra(barra, "Lanzar1", Trayecta::tr("&LANZAR"));
    b.parar = en_barra(barra, "menu_parar", Trayecta::tr("&Parar"));
    b.borrar = en_barra(barra, "Borrar", Trayecta::tr("B&orrar") + QString(42, QLatin1Char(' ')));

    QMenu* ayuda = menu(barra, "Ayuda", Trayecta::tr("A&YUDA"));
    b.contenidos = entrada(ayuda, "Menu_seleccion1", Trayecta::tr("&Contenidos"), true, QKeySequence(Qt::Key_F1));
    b.buscar = entrada(ayuda, "Menu_seleccion2", Trayecta::tr("&Buscar"), true);
    ayuda->addSeparator()->setObjectName(QStringLiteral("Menu_seleccion3"));
    b.acerca = entrada(ayuda, "Menu_seleccion4", Trayecta::tr("&Acerca de Trayecta"), true);

    b.sugerencias = en_barra(barra, "menu_sugiere", QStringLiteral("&?"));
    new EntradasBarra(b, barra);
    return b;
}

const BarraMenus& menus_de(const QMenuBar* barra) {
    static const BarraMenus ninguno;
    if (barra)
        for (const QObject* o : barra->children())
            if (const auto* e = dynamic_cast<const EntradasBarra*>(o)) return e->menus;
    return ninguno;
}

}  // namespace tya
