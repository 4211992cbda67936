// SPDX-License-Identifier: GPL-3.0-or-later
#include "textos.h"

#include <QDir>
#include <QFontMetricsF>

#include "core/archivo_texto.h"
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

const QStringList& parrafo_acerca() {
    static const QStringList l = {QStringLiteral("Trayecta es un programa libre (GPL 3 o posterior) para la clase"),
                                  QStringLiteral("de Física: simula el tiro oblicuo en el vacío y en el aire, y"),
                                  QStringLiteral("trae problemas, un trabajo práctico y sus respuestas para el"),
                                  QStringLiteral("docente (respuestas.txt).")};
    return l;
}

const QStringList& contacto_acerca() {
    static const QStringList l = {QStringLiteral("Los textos (0Prob a 15Prob, tpract.txt, respuestas.txt, la ayuda)"),
                                  QStringLiteral("se leen de la carpeta de trabajo, no de la de instalación: el"),
                                  QStringLiteral("docente puede cambiarlos allí. Vea \"Archivos del programa\" en"),
                                  QStringLiteral("la ayuda.")};
    return l;
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

QString CajaTextos::ruta(const QString& nombre) const { return QDir(dir_).filePath(nombre); }

bool CajaTextos::mostrar_archivo(const QString& nombre, QString& error) {
    vista_.texto.fin_linea();
    QStringList lineas;
    if (!leer_lineas(ruta(nombre), lineas, error)) return false;
    for (const QString& l : lineas) vista_.texto.linea(kColumnaArchivo, l);
    return true;
}

void CajaTextos::mostrar_informe(const TextoEnColumnas& texto, bool blanco) {
    VistaCaja& v = vista_;
    v.caption = QStringLiteral("Valores Extremos");
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
            v.caption = QStringLiteral("Acerca de Trayecta");
            v.icono = true;
            v.texto.linea(kColumnaAcerca, QStringLiteral("Versión %1").arg(version_programa()));
            v.texto.fin_linea();
            for (const QString& l : parrafo_acerca()) v.texto.linea(kColumnaAcerca, l);
            v.texto.fin_linea();
            for (const QString& l : contacto_acerca()) v.texto.linea(kColumnaAcerca, l);
            return true;
        case TemaTexto::Problema:
            v.caption = QStringLiteral("Problema a resolver");
            v.imprimir = true;
            return mostrar_archivo(st_.ArchivoProblema, error);
        case TemaTexto::Modelo:
        case TemaTexto::Metodo: {
            const bool modelo = tema == TemaTexto::Modelo;
            v.caption = modelo ? QStringLiteral("Modelo de Fricción") : QStringLiteral("Método de cálculo");
            v.alto = 6000;
            v.arriba_salir3 = 5120;
            v.salir3 = modelo ? QStringLiteral("Seguir") : QStringLiteral("Salir");
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
    if (vista_.salir3 == QLatin1String("Seguir")) {
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
        r = d.entrada_con_valor(QStringLiteral("Ingrese el Número de problema (entre 0 y 15)"),
                                QStringLiteral("Problemas"), QStringLiteral("0"));
        if (r.isEmpty()) return;
    } while (!respuesta_problema_valida(r));
    st_.ArchivoProblema = r + QStringLiteral("Prob");
    if (!mostrar_texto(TemaTexto::Problema)) cerrar();
}

bool CajaTextos::lineas_problema(QStringList& lineas, QString& error) const {
    if (st_.ArchivoProblema.isEmpty()) {
        error = QStringLiteral("No hay un problema elegido para imprimir: elija uno en Actividades, Problemas.");
        return false;
    }
    return leer_lineas(ruta(st_.ArchivoProblema), lineas, error);
}

}  // namespace tya
