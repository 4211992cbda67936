// SPDX-License-Identifier: GPL-3.0-or-later
#include "textos.h"

#include <QDir>
#include <QFontMetricsF>

#include "core/archivo_texto.h"
#include "core/idioma.h"
#include "core/traduccion.h"
#include "core/version.h"
#include "escena.h"
#include "platform/dialogos.h"

namespace tya {

QFont fuente_textos() {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

TextoEnColumnas::Medida medida_en_columnas(const QFont& fuente) {
    const QFontMetricsF fm(fuente);
    const double columna = fm.averageCharWidth() > 0 ? fm.averageCharWidth() : 1;
    return [fm, columna](const QString& t) { return fm.horizontalAdvance(t) / columna; };
}

// Each paragraph one catalogue entry, broken into lines where the translation breaks it.
QStringList parrafo_acerca() {
    return Trayecta::tr(
               "Trayecta es un programa libre (GPL 3 o posterior) para la clase\n"
               "de Física: simula el tiro oblicuo en el vacío y en el aire, y\n"
               "trae problemas, un trabajo práctico y sus respuestas para el\n"
               "docente (respuestas.txt).")
        .split(QLatin1Char('\n'));
}

QStringList contacto_acerca() {
    return Trayecta::tr(
               "Los textos (0Prob a 15Prob, tpract.txt, respuestas.txt, la ayuda)\n"
               "se leen de la carpeta de trabajo, no de la de instalación: el\n"
               "docente puede cambiarlos allí. Vea \"Archivos del programa\" en\n"
               "la ayuda.")
        .split(QLatin1Char('\n'));
}

bool respuesta_problema_valida(const QString& r) {
    if (r.isEmpty()) return false;
    for (QChar c : r)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    // Compared without conversion, so no string of digits is too long to judge.
    QString cifras = r;
    while (cifras.size() > 1 && cifras.startsWith(QLatin1Char('0'))) cifras.remove(0, 1);
    return cifras.size() == 1 || (cifras.size() == 2 && cifras < QLatin1String("16"));
}

CajaTextos::CajaTextos(EstadoExp& st, Escena& escena, const QString& directorio, TextoEnColumnas::Medida medida)
    : st_(st), escena_(escena), dir_(directorio) {
    vista_.texto = TextoEnColumnas(std::move(medida));
}

// A picture with words in it has a copy per language, like the texts.
QString CajaTextos::ruta(const QString& nombre) const { return ruta_texto(dir_, nombre); }

bool CajaTextos::mostrar_archivo(const QString& nombre, QString& error) {
    vista_.texto.fin_linea();
    QStringList lineas;
    // The teaching texts are read in the chosen language when a translated copy exists.
    if (!leer_lineas(ruta_texto(dir_, nombre), lineas, error)) return false;
    for (const QString& l : lineas) vista_.texto.linea(kColumnaArchivo, l);
    return true;
}

void CajaTextos::mostrar_informe(const TextoEnColumnas& texto, bool blanco) {
    VistaCaja& v = vista_;
    v.caption = Trayecta::tr("Valores Extremos");
    v.copiar = true;
    v.izquierda = blanco ? 100 : 400;
    v.ancho = blanco ? 9300 : 9000;
    v.alto = 3425;
    v.arriba_imprimir = v.arriba_salir3 = 2520;
    v.picture1 = false;
    v.icono = false;  // the about text's icon would cover the header
    v.texto = texto;
    v.visible = true;
}

bool CajaTextos::mostrar_texto(TemaTexto tema) {
    if (st_.EnVuelo == 1) return false;
    VistaCaja& v = vista_;
    v.visible = false;
    v.picture1 = false;
    v.copiar = false;
    // The icon belongs to the about text alone: left on, it would cover another topic's lines.
    v.icono = false;
    escena_.retenido(true);
    v.texto.limpiar();
    v.izquierda = 1000;
    v.ancho = 7000;
    v.alto = 3425;
    if (tema == TemaTexto::Acerca || tema == TemaTexto::Problema) v.visible = true;
    v.arriba_imprimir = v.arriba_salir3 = 2520;
    QString error;
    switch (tema) {
        case TemaTexto::Acerca:
            v.caption = Trayecta::tr("Acerca de Trayecta");
            v.icono = true;
            v.texto.linea(kColumnaAcerca, Trayecta::tr("Versión %1").arg(version_programa()));
            v.texto.fin_linea();
            for (const QString& l : parrafo_acerca()) v.texto.linea(kColumnaAcerca, l);
            v.texto.fin_linea();
            for (const QString& l : contacto_acerca()) v.texto.linea(kColumnaAcerca, l);
            return true;
        case TemaTexto::Problema:
            v.caption = Trayecta::tr("Problema a resolver");
            v.imprimir = true;
            return mostrar_archivo(st_.ArchivoProblema, error);
        case TemaTexto::Modelo:
        case TemaTexto::Metodo: {
            const bool modelo = tema == TemaTexto::Modelo;
            v.caption = modelo ? Trayecta::tr("Modelo de Fricción") : Trayecta::tr("Método de cálculo");
            v.alto = 6000;
            v.arriba_salir3 = 5120;
            v.salir3 = modelo ? Trayecta::tr("Seguir") : Trayecta::tr("Salir");
            v.seguir = modelo;
            v.picture1 = modelo;
            v.visible = true;
            // A missing text is said in the window itself, so the reader is not left with a blank page.
            if (!mostrar_archivo(modelo ? QStringLiteral("modelo.txt") : QStringLiteral("metodo.txt"), error)) {
                v.texto.linea(kColumnaArchivo, error);
                return false;
            }
            return true;
        }
    }
    return false;
}

void CajaTextos::cerrar_o_seguir() {
    if (vista_.seguir) {
        // The next topic cannot open during a flight: the window stays until it can.
        if (st_.EnVuelo == 1) return;
        vista_.visible = false;
        mostrar_texto(TemaTexto::Metodo);
        return;
    }
    cerrar();
}

void CajaTextos::cerrar() {
    vista_.visible = false;
    vista_.icono = false;
    escena_.redibujar_escena();
    escena_.retenido(false);
    vista_.imprimir = false;
}

void CajaTextos::elegir_problema(Dialogos& d) {
    if (st_.EnVuelo == 1) return;
    QString r;
    do {
        r = d.entrada_con_valor(Trayecta::tr("Ingrese el Número de problema (entre 0 y 15)"), Trayecta::tr("Problemas"),
                                QStringLiteral("0"));
        if (r.isEmpty()) return;
    } while (!respuesta_problema_valida(r));
    st_.ArchivoProblema = r + QStringLiteral("Prob");
    if (!mostrar_texto(TemaTexto::Problema)) cerrar();
}

bool CajaTextos::lineas_problema(QStringList& lineas, QString& error) const {
    if (st_.ArchivoProblema.isEmpty()) {
        error = Trayecta::tr("No hay un problema elegido para imprimir: elija uno en Actividades, Problemas.");
        return false;
    }
    return leer_lineas(ruta_texto(dir_, st_.ArchivoProblema), lineas, error);
}

}  // namespace tya
