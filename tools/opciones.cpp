// SPDX-License-Identifier: GPL-3.0-or-later
#include "opciones.h"

#include <array>

#include "core/traduccion.h"
#include "files/figura.h"

namespace tya::calc {

namespace {

// A sheet's PNG from a thumbnail to a poster; larger ones would take gigabytes.
constexpr int kTamanoMin = 100, kTamanoMax = 10000;

// The two arguments after the option: "posiciones" or "velocidades", then an experiment
// number from 1 to 10, or "todos" (kTodasLasExperiencias) when `todos` allows it.
bool leer_magnitud_y_numero(const QString& opcion, const QStringList& v, bool todos, Magnitud& m, int& n,
                            QString& error) {
    if (v[0] == QLatin1String("posiciones")) {
        m = Magnitud::Posiciones;
    } else if (v[0] == QLatin1String("velocidades")) {
        m = Magnitud::Velocidades;
    } else {
        error = Trayecta::tr("%1: \"%2\" no es \"posiciones\" ni \"velocidades\".").arg(opcion, v[0]);
        return false;
    }
    if (todos && v[1] == QLatin1String("todos")) {
        n = kTodasLasExperiencias;
        return true;
    }
    bool ok = false;
    n = v[1].toInt(&ok);
    if (!ok || n < 1 || n > kExperiencias) {
        error = (todos ? Trayecta::tr("%1: \"%2\" no es un número de experiencia de 1 a 10 o \"todos\".")
                       : Trayecta::tr("%1: \"%2\" no es un número de experiencia de 1 a 10."))
                    .arg(opcion, v[1]);
        return false;
    }
    return true;
}

// Options that only store their file name or a flag.
template <QString Opciones::*campo> bool archivo(const QString&, const QStringList& v, Opciones& o, QString&) {
    o.*campo = v.value(0);
    return true;
}
// Options whose values are read later, by what they ask for (a sweep, a family).
template <QStringList Opciones::*campo> bool lista(const QString&, const QStringList& v, Opciones& o, QString&) {
    o.*campo = v;
    return true;
}
// A figure's file: its ending must name a format it can be written in.
bool terminacion_admitida(const QString& ruta, QString& error) {
    FormatoFigura f = FormatoFigura::Png;
    return ruta.isEmpty() || formato_figura(ruta, f, error);
}
template <QString Opciones::*campo> bool figura(const QString& x, const QStringList& v, Opciones& o, QString& error) {
    return archivo<campo>(x, v, o, error) && terminacion_admitida(v.value(0), error);
}
template <Salida que> bool salida(const QString&, const QStringList&, Opciones& o, QString&) {
    o.salidas << PedidoSalida{que};
    return true;
}

constexpr const char* kExperienciaN = QT_TRANSLATE_NOOP(
    "Trayecta", "\"posiciones\" o \"velocidades\" y un número de experiencia de 1 a 10");

const std::array kOpciones = {
    DefOpcion{"--inic",
              nullptr,
              1,
              true,
              nullptr,
              true,
              nullptr,
              archivo<&Opciones::inic>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--inic ARCHIVO"),
                QT_TRANSLATE_NOOP("Trayecta", "límites y valores iniciales (INIC.DAT de la carpeta de trabajo)")}}},
    DefOpcion{"--leer",
              nullptr,
              1,
              true,
              nullptr,
              false,
              nullptr,
              archivo<&Opciones::leer>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--leer ARCHIVO.TYA"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "carga las experiencias de un archivo de experiencias\n"
                                  "(como Recuperar) en lugar de calcular lanzamientos;\n"
                                  "las demás salidas trabajan sobre ellas")}}},
    DefOpcion{"--tya",
              nullptr,
              1,
              true,
              nullptr,
              false,
              nullptr,
              archivo<&Opciones::tya>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--tya ARCHIVO"),
                QT_TRANSLATE_NOOP("Trayecta", "guarda las experiencias en un archivo de experiencias")}}},
    DefOpcion{"--escena",
              nullptr,
              1,
              true,
              nullptr,
              false,
              nullptr,
              figura<&Opciones::escena>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--escena ARCHIVO.png"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "guarda la imagen de la escena tras los vuelos (con\n"
                                  "--rotulado, una hoja A4 con reglas en metros)")}}},
    DefOpcion{"--grafico",
              nullptr,
              3,
              true,
              QT_TRANSLATE_NOOP("Trayecta",
                                "\"posiciones\" o \"velocidades\" y un número de experiencia de 1 a 10 o \"todos\""),
              false,
              nullptr,
              [](const QString& x, const QStringList& v, Opciones& o, QString& error) {
                  PedidoGrafico g{Magnitud::Posiciones, 0, v.value(2)};
                  if (!leer_magnitud_y_numero(x, v, true, g.magnitud, g.experiencia, error) ||
                      !terminacion_admitida(g.archivo, error))
                      return false;
                  o.graficos << g;
                  return true;
              },
              {{QT_TRANSLATE_NOOP("Trayecta", "--grafico posiciones|velocidades N|todos ARCHIVO.png"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "guarda como imagen el gráfico contra el tiempo de la\n"
                                  "experiencia N (1 a 10), o con \"todos\" la comparación\n"
                                  "de todas las experiencias; muestra Y o Vy")}}},
    DefOpcion{"--rotulado",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              [](const QString&, const QStringList&, Opciones& o, QString&) { return o.rotulado = true; },
              {{"--rotulado", QT_TRANSLATE_NOOP("Trayecta",
                                                "los gráficos de --grafico y la escena de --escena salen\n"
                                                "como hojas de trabajo A4: título, ejes con valores y\n"
                                                "unidades (la escena, con reglas en metros) y una\n"
                                                "leyenda con Vo, Ang, el medio y todo campo que cambie\n"
                                                "entre las experiencias")}}},
    DefOpcion{"--horizontal",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              [](const QString&, const QStringList&, Opciones& o, QString&) { return o.horizontal = true; },
              {{"--horizontal", QT_TRANSLATE_NOOP("Trayecta", "los gráficos muestran X o Vx en lugar de Y o Vy")}}},
    DefOpcion{
        "--tabla",
        nullptr,
        2,
        false,
        kExperienciaN,
        false,
        nullptr,
        [](const QString& x, const QStringList& v, Opciones& o, QString& error) {
            Magnitud m = Magnitud::Posiciones;
            int n = 0;
            if (!leer_magnitud_y_numero(x, v, false, m, n, error)) return false;
            o.salidas << PedidoSalida{m == Magnitud::Posiciones ? Salida::TablaPosiciones : Salida::TablaVelocidades,
                                      n};
            return true;
        },
        {{"--tabla posiciones N", QT_TRANSLATE_NOOP("Trayecta", "imprime la tabla de posiciones de la experiencia N")},
         {"--tabla velocidades N",
          QT_TRANSLATE_NOOP("Trayecta", "imprime la tabla de velocidades de la experiencia N")}}},
    DefOpcion{"--log",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              salida<Salida::Log>,
              {{"--log", QT_TRANSLATE_NOOP("Trayecta", "imprime la línea de bitácora de cada lanzamiento")}}},
    DefOpcion{"--valores",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              salida<Salida::Valores>,
              {{"--valores", QT_TRANSLATE_NOOP("Trayecta",
                                               "imprime la tabla de valores extremos separada por\n"
                                               "tabuladores, como la copia al portapapeles (con las\n"
                                               "columnas del blanco si el último lanzamiento lo tiene)")}}},
    DefOpcion{"--imprimir-valores",
              nullptr,
              1,
              true,
              nullptr,
              false,
              nullptr,
              archivo<&Opciones::pdf_valores>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--imprimir-valores ARCHIVO.pdf"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "guarda la tabla de valores extremos tal como se\n"
                                  "imprime, en un PDF")}}},
    DefOpcion{"--resumen",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              salida<Salida::Resumen>,
              {{"--resumen", QT_TRANSLATE_NOOP("Trayecta",
                                               "imprime una línea por experiencia: número, muestras,\n"
                                               "tiempo final, X final y el mensaje del final, si hubo\n"
                                               "(es la salida cuando no se pide ninguna otra)")}}},
    DefOpcion{"--barrido",
              nullptr,
              4,
              false,
              QT_TRANSLATE_NOOP("Trayecta", "CAMPO DESDE HASTA PASO"),
              true,
              nullptr,
              lista<&Opciones::barrido>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--barrido CAMPO DESDE HASTA PASO"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "vuela el único lanzamiento de la entrada una vez por\n"
                                  "cada valor DESDE, DESDE+PASO, ... hasta HASTA del campo\n"
                                  "CAMPO (Xo Yo Vo Ang Viento R Densidad Cd), cada vuelo\n"
                                  "como la primera experiencia; imprime por valor N, T,\n"
                                  "Xfin, Ymax (la altura máxima de Valores Extremos), Vfin\n"
                                  "y el mensaje del final (1000 valores como máximo; Xo e\n"
                                  "Yo en metros enteros; solo se combina con --inic,\n"
                                  "--grafico-barrido, --familia y -j, una vez cada una)")}}},
    DefOpcion{"--grafico-barrido",
              nullptr,
              1,
              true,
              nullptr,
              true,
              "--barrido",
              figura<&Opciones::grafico_barrido>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--grafico-barrido ARCHIVO.png"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "con --barrido, guarda en una hoja A4 el alcance\n"
                                  "según CAMPO; los vuelos que no terminaron en el suelo\n"
                                  "van aparte, con su símbolo explicado")}}},
    DefOpcion{"--familia",
              nullptr,
              2,
              false,
              QT_TRANSLATE_NOOP("Trayecta", "CAMPO V1,V2,..."),
              true,
              "--barrido",
              lista<&Opciones::familia>,
              {{QT_TRANSLATE_NOOP("Trayecta", "--familia CAMPO V1,V2,..."),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "con --barrido, repite el barrido para cada valor V1, V2,\n"
                                  "... (10 como máximo) de otro campo (Xo Yo Vo Ang Viento\n"
                                  "R Densidad Cd, Aire con 0,1 para vacío y aire, o Forma\n"
                                  "con Esfera,Bala); las comas separan los valores, salvo\n"
                                  "que los separe un punto y coma: \"0,5;1\" son 0,5 y 1;\n"
                                  "la tabla lleva ese campo en la primera columna y el\n"
                                  "gráfico una curva por valor")}}},
    DefOpcion{"--tamano",
              nullptr,
              1,
              false,
              QT_TRANSLATE_NOOP("Trayecta", "ANCHOxALTO en puntos"),
              true,
              nullptr,
              [](const QString& x, const QStringList& v, Opciones& o, QString& error) {
                  const QStringList partes = v[0].split(QLatin1Char('x'));
                  bool ok_a = false, ok_h = false;
                  const int a = partes.value(0).toInt(&ok_a), h = partes.value(1).toInt(&ok_h);
                  if (partes.size() == 2 && ok_a && ok_h && a >= kTamanoMin && h >= kTamanoMin && a <= kTamanoMax &&
                      h <= kTamanoMax) {
                      o.tamano = QSize(a, h);
                      return true;
                  }
                  error = Trayecta::tr(
                              "%1: \"%2\" no es ANCHOxALTO en puntos, cada uno de %3 a %4 (por ejemplo 1754x1240).")
                              .arg(x, v[0].left(24), QString::number(kTamanoMin), QString::number(kTamanoMax));
                  return false;
              },
              {{QT_TRANSLATE_NOOP("Trayecta", "--tamano ANCHOxALTO"),
                QT_TRANSLATE_NOOP("Trayecta",
                                  "el PNG de una hoja (--grafico-barrido, --rotulado)\n"
                                  "mide ANCHO x ALTO puntos en lugar de A4 a 300 ppp")}}},
    DefOpcion{"-j",
              nullptr,
              1,
              false,
              QT_TRANSLATE_NOOP("Trayecta", "un número de hilos"),
              true,
              "--barrido",
              [](const QString& x, const QStringList& v, Opciones& o, QString& error) {
                  bool ok = false;
                  o.hilos = v[0].toInt(&ok);
                  if (ok && o.hilos >= 1 && o.hilos <= 256) return true;
                  error = Trayecta::tr("%1: \"%2\" no es un número de hilos de 1 a 256.").arg(x, v[0].left(24));
                  return false;
              },
              {{"-j N", QT_TRANSLATE_NOOP("Trayecta",
                                          "vuela los lanzamientos de --barrido en N hilos como\n"
                                          "máximo (de forma predeterminada, uno por núcleo; el\n"
                                          "resultado es el mismo)")}}},
    DefOpcion{"--version",
              nullptr,
              0,
              false,
              nullptr,
              false,
              nullptr,
              [](const QString&, const QStringList&, Opciones& o, QString&) { return o.version = true; },
              {{"--version", QT_TRANSLATE_NOOP("Trayecta", "muestra el nombre y la versión del programa")}}},
    DefOpcion{"--help",
              "-h",
              0,
              false,
              nullptr,
              false,
              nullptr,
              [](const QString&, const QStringList&, Opciones& o, QString&) { return o.ayuda = true; },
              {{"--help", QT_TRANSLATE_NOOP("Trayecta", "muestra esta ayuda")}}},
};

constexpr int kColumnaAyuda = 33;

QString renglones_ayuda(const LineaAyuda& l) {
    const QString sangria(kColumnaAyuda, QLatin1Char(' '));
    QString uso = QStringLiteral("  ") + Trayecta::tr(l.uso);
    QString s;
    if (uso.size() < kColumnaAyuda) {
        s = uso.leftJustified(kColumnaAyuda);
    } else {
        s = uso + QLatin1Char('\n') + sangria;
    }
    s += Trayecta::tr(l.texto).replace(QLatin1Char('\n'), QLatin1Char('\n') + sangria);
    return s + QLatin1Char('\n');
}

}  // namespace

std::span<const DefOpcion> definiciones_opciones() { return kOpciones; }

const DefOpcion* buscar_opcion(const QString& nombre) {
    for (const DefOpcion& d : kOpciones)
        if (nombre == QLatin1String(d.nombre) || (d.alias && nombre == QLatin1String(d.alias))) return &d;
    return nullptr;
}

bool leer_opciones(const QStringList& args, Opciones& o, QString& error) {
    o = Opciones();
    bool solo_archivos = false;
    for (int a = 0; a < args.size(); ++a) {
        const QString x = args[a];
        if (solo_archivos || x == QLatin1String("-") || !x.startsWith(QLatin1Char('-'))) {
            o.archivos << x;
            continue;
        }
        if (x == QLatin1String("--")) {
            o.dadas << x;
            solo_archivos = true;
            continue;
        }
        const DefOpcion* d = buscar_opcion(x);
        if (!d) {
            error = Trayecta::tr("Opción desconocida: %1 (vea --help).").arg(x);
            return false;
        }
        // A second sweep or family would silently replace the first one's values.
        const bool una_vez = x == QLatin1String("--barrido") || x == QLatin1String("--familia") ||
                             x == QLatin1String("-j") || x == QLatin1String("--tamano");
        if (una_vez && o.dadas.contains(x)) {
            error = Trayecta::tr("La opción %1 se da dos veces; se admite una sola.").arg(x);
            return false;
        }
        const QStringList v = args.mid(a + 1, d->valores);
        const int otros = d->valores - (d->archivo ? 1 : 0);
        if (v.size() < otros) {
            error = Trayecta::tr("La opción %1 necesita %2.").arg(x, Trayecta::tr(d->necesita));
            return false;
        }
        o.dadas << x;
        if (!d->leer(x, v, o, error)) return false;
        if (d->archivo && (v.size() < d->valores || v.last().isEmpty())) {
            error = Trayecta::tr("La opción %1 necesita un nombre de archivo.").arg(x);
            return false;
        }
        a += d->valores;
    }
    return true;
}

QString texto_ayuda() {
    QString s = Trayecta::tr(
        "Uso: trayecta-calc [opciones] [archivo...]\n"
        "\n"
        "Calcula lanzamientos de Trayecta sin ventana. Lee un lanzamiento por línea de los\n"
        "archivos nombrados (\"-\" o ninguno: la entrada estándar). Cada línea tiene nueve\n"
        "números en el orden de la bitácora de sesión:\n"
        "    Xo Yo Vo Ang Aire Viento R Densidad Cd\n"
        "y, si se agregan cuatro más, XoB YoB Vxb Vyb, un blanco colocado para ese lanzamiento.\n"
        "Los campos se separan con blancos o tabuladores. Las líneas cuyo primer campo no es un\n"
        "número se saltan, así que una bitácora (.log) sirve de entrada tal como está. Los\n"
        "lanzamientos son las experiencias 1, 2, ... (diez como máximo).\n"
        "\n"
        "Los valores se comprueban con los límites de INIC.DAT; Aire es 0 (vacío) o 1 (aire),\n"
        "Densidad va de 0.01 a 20 y Cd es 0.4 (esfera) o 0.2 (bala).\n"
        "\n"
        "Opciones:\n");
    for (const DefOpcion& d : kOpciones)
        for (const LineaAyuda& l : d.ayuda)
            if (l.uso) s += renglones_ayuda(l);
    return s + Trayecta::tr(
                   "Las opciones se pueden combinar; las salidas se imprimen en el orden pedido.\n"
                   "La experiencia N de --tabla y --grafico debe ser uno de los lanzamientos dados.\n"
                   "La escena y los gráficos se guardan como PDF si el nombre termina en .pdf, como SVG\n"
                   "si termina en .svg y como PNG si termina en .png o no tiene terminación; otra\n"
                   "terminación se rechaza. Las hojas (--grafico-barrido, --rotulado) son A4 apaisadas;\n"
                   "su PNG, de 3508 x 2480 puntos (300 por pulgada).\n"
                   "\n"
                   "Separador decimal: al leer, \".\" y \",\" valen en cualquier número (en --familia\n"
                   "las comas separan valores, salvo que lo haga un punto y coma; si ningún valor lleva\n"
                   "punto, la salida de errores dice los valores leídos). Al escribir, las\n"
                   "tablas, la bitácora y los números de las figuras llevan el separador del idioma del\n"
                   "sistema: la coma con es_ES.UTF-8, el punto con LC_ALL=C (para otros programas). Los\n"
                   "archivos de experiencias e INIC.DAT llevan siempre el punto.\n"
                   "\n"
                   "Estado de salida: 0 bien; 1 no se pudo escribir un archivo de salida o la salida\n"
                   "estándar; 2 opciones o entrada rechazadas (el mensaje nombra la línea y el campo)\n"
                   "y nada escrito.\n");
}

QString combinacion_rechazada(const Opciones& o) {
    if (o.dadas.contains(QLatin1String("--barrido"))) {
        QStringList admitidas;
        for (const DefOpcion& d : kOpciones)
            if (d.en_barrido && QLatin1String(d.nombre) != QLatin1String("--barrido"))
                admitidas << QString::fromUtf8(d.nombre);
        const QString lista = admitidas.size() < 2
                                  ? admitidas.join(QString())
                                  : Trayecta::tr("%1 y %2", "the last two of a list")
                                        .arg(admitidas.mid(0, admitidas.size() - 1).join(QStringLiteral(", ")),
                                             admitidas.last());
        for (const QString& x : o.dadas) {
            const DefOpcion* d = buscar_opcion(x);
            if (x != QLatin1String("--") && !(d && d->en_barrido))
                return Trayecta::tr("--barrido solo se combina con %1, no con %2.").arg(lista, x);
        }
    }
    if (o.rotulado && o.graficos.isEmpty() && o.escena.isEmpty())
        return Trayecta::tr("La opción --rotulado necesita --grafico o --escena.");
    for (const QString& x : o.dadas) {
        const DefOpcion* d = buscar_opcion(x);
        if (d && d->requiere && !o.dadas.contains(QLatin1String(d->requiere)))
            return Trayecta::tr("La opción %1 necesita %2.").arg(x, QString::fromUtf8(d->requiere));
    }
    return {};
}

}  // namespace tya::calc
