#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the running program's accessible tree over AT-SPI, as a screen reader sees it, and
counts the controls whose accessible name says what they are.

Run inside an AT-SPI session with the program started from its build folder, for example:

    dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
      QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ./trayecta &
      sleep 8; /usr/bin/python3 ../tests/ui/arbol_accesible.py'

Prints one line per control (role, verdict, name), then the counts: all controls, without the
menus, and without the menus only those showing.
Exit status 0; 2 when the program is not found on the bus.
"""
import argparse
import re
import sys
import time

import pyatspi

CONTROLES = {
    "push button", "toggle button", "check box", "radio button", "text", "password text",
    "combo box", "spin button", "slider", "list", "list box", "table", "tree table", "page tab",
}
MENUS = {"menu", "menu item", "check menu item", "radio menu item"}
# A plain widget with nothing inside stands for a drawn control: a picture button, a step
# arrow, a marker, the scene or a graph.
DIBUJADOS = {"filler", "panel", "canvas", "image", "unknown"}
# Controls whose insides (a combo box's list, a text box's scroll bars) are theirs.
COMPUESTOS = {"combo box", "text", "spin button", "list", "table", "tree table"}
# Boxes must each say which value they hold.
CAJAS = {"text", "combo box", "spin button", "slider"}
# A name a developer gave an object ("Command5", "Entrada_3", "Text1"), not a caption.
NOMBRE_DE_OBJETO = re.compile(r"^[A-Za-z]+_?[0-9]+$")


def rol(nodo):
    try:
        return nodo.getRoleName()
    except Exception:
        return ""


def estados(nodo):
    try:
        return nodo.getState()
    except Exception:
        return None


def texto(nodo):
    try:
        t = nodo.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return ""


def es_control(nodo):
    r = rol(nodo)
    if r in MENUS or r in CONTROLES:
        return True
    try:
        return r in DIBUJADOS and nodo.childCount == 0
    except Exception:
        return False


def elementos(combo):
    """The entries of a combo box's list."""
    try:
        return {h.name for lista in combo for h in lista}
    except Exception:
        return set()


def veredicto(nodo, repetidos):
    nombre = (nodo.name or "").strip()
    r = rol(nodo)
    if not nombre:
        return "sin nombre"
    if NOMBRE_DE_OBJETO.match(nombre):
        return "nombre de objeto"
    if (r == "text" and nombre == texto(nodo).strip()) or (r == "combo box" and nodo.name in elementos(nodo)):
        return "su contenido"
    if r in CAJAS and nombre in repetidos:
        return "repetido"
    return "bueno"


def recorrer(nodo, visto, salida, profundidad=0):
    if nodo is None or profundidad > 60:
        return
    clave = hash(nodo)
    if clave in visto:
        return
    visto.add(clave)
    if es_control(nodo):
        salida.append(nodo)
        if rol(nodo) in COMPUESTOS:
            return
    try:
        hijos = list(nodo)
    except Exception:
        hijos = []
    for h in hijos:
        recorrer(h, visto, salida, profundidad + 1)


def mostrado(nodo):
    s = estados(nodo)
    return s is not None and s.contains(pyatspi.STATE_SHOWING)


def buscar_programa(nombre, espera):
    fin = time.time() + espera
    while True:
        escritorio = pyatspi.Registry.getDesktop(0)
        for app in escritorio:
            if app is not None and nombre in (app.name or "").lower():
                return app
        if time.time() > fin:
            return None
        time.sleep(0.5)


def main():
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("--programa", default="trayecta", help="name on the bus (default: trayecta)")
    a.add_argument("--esperar", type=float, default=20, help="seconds to wait for it")
    a.add_argument("--solo-fallos", action="store_true", help="list only controls without a good name")
    opc = a.parse_args()
    app = buscar_programa(opc.programa.lower(), opc.esperar)
    if app is None:
        print(f"{opc.programa}: no está en el bus de accesibilidad", file=sys.stderr)
        return 2
    controles = []
    recorrer(app, set(), controles)
    nombres = [(c.name or "").strip() for c in controles if rol(c) in CAJAS]
    repetidos = {n for n in nombres if n and nombres.count(n) > 1}
    grupos = {"todos": lambda c: True, "sin menús": lambda c: rol(c) not in MENUS,
              "a la vista, sin menús": lambda c: rol(c) not in MENUS and mostrado(c)}
    cuenta = {k: [0, 0] for k in grupos}
    for c in controles:
        v = veredicto(c, repetidos)
        for k, entra in grupos.items():
            if entra(c):
                cuenta[k][0] += v == "bueno"
                cuenta[k][1] += 1
        if not (opc.solo_fallos and v == "bueno"):
            vista = "" if mostrado(c) else " (oculto)"
            print(f"{rol(c):16} {v:17} {c.name!r}{vista}")
    for k, (buenos, total) in cuenta.items():
        print(f"{k}: {buenos} de {total} controles con un buen nombre")
    return 0


if __name__ == "__main__":
    sys.exit(main())
