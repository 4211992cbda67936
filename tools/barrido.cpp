// SPDX-License-Identifier: GPL-3.0-or-later
#include "barrido.h"

#include <QIODevice>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

#include "core/formato.h"
#include "core/registros.h"
#include "core/vuelo_sin_ventana.h"
#include "files/figura.h"
#include "graphs/grafico_barrido.h"
#include "salida.h"

namespace tya::calc {

namespace {

// The fields a sweep may step, numbered as in the launch line, with their units.
struct CampoBarrido { int campo; const char* unidad; };
const CampoBarrido kCamposBarrido[] = {{0, "m"}, {1, "m"}, {2, "m/s"}, {3, "º"}, {5, "m/s"}, {6, "cm"}, {7, "g/cm³"}};
constexpr int kCampoXo = 0, kCampoYo = 1, kCampoAire = 4;

// Far beyond every limit a start-up file can sensibly give; keeps the value arithmetic exact.
constexpr double kMayorValor = 1e9;

QString unidad(int campo) {
    for (const CampoBarrido& c : kCamposBarrido)
        if (c.campo == campo) return QString::fromUtf8(c.unidad);
    return {};
}

QString texto_fin(FinVuelo fin) {
    switch (fin) {
    case FinVuelo::Impacto: return QStringLiteral("Impacto");
    case FinVuelo::Limite: return QStringLiteral("Fin de Simulación");
    default: return {};
    }
}

const QString kFinDeLinea = QStringLiteral("\r\n");

QString cabecera(int campo) { return nombre_campo(campo) + QStringLiteral("\tN\tT\tXfin\tYmax\tVfin\tFin") + kFinDeLinea; }

QString renglon(const FilaBarrido& f) {
    return QStringList{forma_archivo(f.valor), QString::number(f.n), forma_archivo(f.t), forma_archivo(f.xfin),
                       forma_archivo(f.ymax), forma_archivo(f.vfin), texto_fin(f.fin)}
               .join(QLatin1Char('\t')) +
           kFinDeLinea;
}

FilaBarrido fila(const EstadoExp& st, Fijo valor, FinVuelo fin) {
    const Registros exp(st, 0);
    const double vx = exp.resumen(CampoResumen::VfX).real(), vy = exp.resumen(CampoResumen::VfY).real();
    return {valor, exp.muestras(), exp.resumen(CampoResumen::T), exp.xf(), exp.ymax(),
            Fijo::saturado(std::sqrt(vx * vx + vy * vy)), fin, {}};
}

}  // namespace

bool leer_barrido(const QStringList& args, Barrido& b, QString& error) {
    if (args.size() != 4) {
        error = QStringLiteral("La opción --barrido necesita CAMPO DESDE HASTA PASO.");
        return false;
    }
    b = Barrido();
    b.campo = -1;
    for (const CampoBarrido& c : kCamposBarrido)
        if (nombre_campo(c.campo).compare(args[0], Qt::CaseInsensitive) == 0) b.campo = c.campo;
    if (b.campo < 0) {
        error = QStringLiteral("--barrido: \"%1\" no es un campo que se pueda barrer (Xo Yo Vo Ang Viento R Densidad).")
                    .arg(args[0].left(24));
        return false;
    }
    const QString campo = QStringLiteral("--barrido %1").arg(nombre_campo(b.campo));
    const char* nombres[3] = {"DESDE", "HASTA", "PASO"};
    int64_t crudo[3] = {};
    for (int i = 0; i < 3; ++i) {
        double v = 0;
        if (!leer_numero_completo(args[i + 1], v)) {
            error = QStringLiteral("%1: %2 no es un número: \"%3\".").arg(campo, nombres[i], args[i + 1].left(24));
            return false;
        }
        if (std::fabs(v) > kMayorValor) {
            error = QStringLiteral("%1: %2 fuera de rango (%3).").arg(campo, nombres[i], args[i + 1].left(24));
            return false;
        }
        crudo[i] = Fijo::desde(v).crudo();
    }
    const int64_t desde = crudo[0], hasta = crudo[1], paso = crudo[2];
    if (paso == 0) {
        error = QStringLiteral("%1: PASO es 0 (los valores llevan cuatro decimales como máximo).").arg(campo);
        return false;
    }
    const int64_t metro = Fijo::entero(1).crudo();
    if ((b.campo == kCampoXo || b.campo == kCampoYo) && (desde % metro != 0 || paso % metro != 0)) {
        error = QStringLiteral("%1: %2 se da en metros enteros; DESDE y PASO deben ser enteros.")
                    .arg(campo, nombre_campo(b.campo));
        return false;
    }
    if (paso > 0 ? hasta < desde : hasta > desde) {
        error = QStringLiteral("%1: ningún valor; de DESDE %2 no se llega a HASTA %3 con PASO %4.")
                    .arg(campo, forma_archivo(Fijo::crudo(desde)), forma_archivo(Fijo::crudo(hasta)),
                         forma_archivo(Fijo::crudo(paso)));
        return false;
    }
    const int64_t valores = (hasta - desde) / paso + 1;  // same signs: the quotient is whole steps
    if (valores > kValoresBarridoMax) {
        error = QStringLiteral("%1: %2 valores; el máximo es %3.").arg(campo).arg(valores).arg(kValoresBarridoMax);
        return false;
    }
    b.desde = desde;
    b.paso = paso;
    b.valores = static_cast<int>(valores);
    return true;
}

bool lanzamientos_barrido(const Lanzamiento& base, const Barrido& b, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error) {
    lista.clear();
    for (int k = 0; k < b.valores; ++k) {
        Lanzamiento l = base;
        const Fijo v = b.valor(k);
        l.v[b.campo] = v.real();
        l.textos[b.campo] = forma_archivo(v);
        QString motivo;
        if (!comprobar(l, limites, motivo)) {
            error = QStringLiteral("--barrido %1 = %2: %3").arg(nombre_campo(b.campo), forma_archivo(v), motivo);
            lista.clear();
            return false;
        }
        lista << l;
    }
    return true;
}

QList<FilaBarrido> barrer(const QList<Lanzamiento>& lanzamientos, int campo, const ValoresInic& inic, int hilos) {
    // Every flight starts from the state of a run before its first launch.
    auto limpio = std::make_unique<EstadoExp>();
    aplicar_inic(inic, *limpio);
    std::vector<FilaBarrido> filas(static_cast<size_t>(lanzamientos.size()));
    std::atomic<int> siguiente{0};
    // Each thread flies on a flight set-up of its own (state, window stub, boxes), taking the
    // next launch not yet taken; a row goes to its launch's place, so the order never depends
    // on the threads.
    auto trabajar = [&] {
        VueloSinVentana vuelo;
        for (int i = siguiente++; i < lanzamientos.size(); i = siguiente++) {
            const Lanzamiento& l = lanzamientos[i];
            *vuelo.st = *limpio;
            poner_lanzamiento(l, inic, *vuelo.st);
            vuelo.sin_ventana.blanco = l.blanco;
            const FinVuelo fin = vuelo.volar();
            filas[static_cast<size_t>(i)] = fila(*vuelo.st, Fijo::desde(l.v[campo]), fin);
            vuelo.dialogos.mensajes.clear();
        }
    };
    if (hilos <= 0) hilos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    hilos = std::min<int>(hilos, static_cast<int>(lanzamientos.size()));
    std::vector<std::thread> otros;
    for (int h = 1; h < hilos; ++h) otros.emplace_back(trabajar);
    trabajar();
    for (std::thread& t : otros) t.join();
    return QList<FilaBarrido>(filas.begin(), filas.end());
}

QString tabla_barrido(int campo, const QList<FilaBarrido>& filas) {
    QString s = cabecera(campo);
    for (const FilaBarrido& f : filas) s += renglon(f);
    return s;
}

QString tabla_familia(int campo_familia, int campo, const QList<QList<FilaBarrido>>& bloques) {
    QString s = nombre_campo(campo_familia) + QLatin1Char('\t') + cabecera(campo);
    for (const QList<FilaBarrido>& b : bloques)
        for (const FilaBarrido& f : b) s += forma_archivo(f.familia) + QLatin1Char('\t') + renglon(f);
    return s;
}

namespace {

EjeLamina eje(int campo) { return {nombre_campo(campo), unidad(campo)}; }

QList<QPointF> curva(const QList<FilaBarrido>& filas) {
    QList<QPointF> puntos;
    puntos.reserve(filas.size());
    for (const FilaBarrido& f : filas) puntos << QPointF(f.valor.real(), f.xfin.real());
    return puntos;
}

const EjeLamina kXfin{QStringLiteral("Xfin"), QStringLiteral("m")};

}  // namespace

Lamina grafico_barrido(int campo, const QList<FilaBarrido>& filas) { return lamina_barrido(curva(filas), eje(campo), kXfin); }

Lamina grafico_familia(int campo_familia, int campo, const QList<QList<FilaBarrido>>& bloques) {
    QList<CurvaFamilia> curvas;
    for (const QList<FilaBarrido>& b : bloques)
        curvas << CurvaFamilia{b.isEmpty() ? 0 : b.front().familia.real(), curva(b)};
    return lamina_familia(curvas, eje(campo_familia), eje(campo), kXfin);
}

bool leer_familia(const QStringList& args, int campo_barrido, Familia& f, QString& error) {
    f = Familia();
    for (const CampoBarrido& c : kCamposBarrido)
        if (nombre_campo(c.campo).compare(args.value(0), Qt::CaseInsensitive) == 0) f.campo = c.campo;
    if (nombre_campo(kCampoAire).compare(args.value(0), Qt::CaseInsensitive) == 0) f.campo = kCampoAire;
    if (f.campo < 0) {
        error = QStringLiteral("--familia: \"%1\" no es un campo que pueda formar una familia (Xo Yo Vo Ang Viento R Densidad Aire).")
                    .arg(args.value(0).left(24));
        return false;
    }
    if (f.campo == campo_barrido) {
        error = QStringLiteral("--familia %1: es el campo del barrido; la familia varía otro.").arg(nombre_campo(f.campo));
        return false;
    }
    f.valores = args.value(1).split(QLatin1Char(','));
    if (f.valores.size() > kValoresFamiliaMax) {
        error = QStringLiteral("--familia %1: %2 valores; el máximo es %3.")
                    .arg(nombre_campo(f.campo)).arg(f.valores.size()).arg(kValoresFamiliaMax);
        return false;
    }
    return true;
}

bool lanzamientos_familia(const Lanzamiento& base, const Familia& f, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error) {
    lista.clear();
    for (const QString& v : f.valores) {
        Lanzamiento l = base;
        l.textos[f.campo] = v;
        QString motivo;
        // The value as the field of a launch line would be read and checked.
        if (!leer_numero_completo(v, l.v[f.campo])) {
            motivo = QStringLiteral("no es un número: \"%1\"").arg(v.left(24));
        } else if (comprobar(l, limites, motivo)) {
            lista << l;
            continue;
        }
        error = QStringLiteral("--familia %1 = %2: %3").arg(nombre_campo(f.campo), v.left(24), motivo);
        lista.clear();
        return false;
    }
    return true;
}

int ejecutar_barrido(const Opciones& o, QIODevice& entrada, QIODevice& salida, QIODevice& errores) {
    auto rechazo = [&](const QString& e) {
        errores.write((e + QLatin1Char('\n')).toUtf8());
        return kSalidaRechazo;
    };
    Barrido b;
    Familia familia;
    ValoresInic inic;
    QList<Lanzamiento> base, bases, lanzamientos;
    QString error;
    if (!leer_barrido(o.barrido, b, error) || (!o.familia.isEmpty() && !leer_familia(o.familia, b.campo, familia, error)) ||
        !leer_inic(o.inic, inic, error) || !leer_entradas(o, entrada, inic, base, error))
        return rechazo(error);
    if (base.isEmpty())
        return rechazo(QStringLiteral("--barrido necesita una línea de lanzamiento y la entrada no tiene ninguna."));
    if (base.size() > 1)
        return rechazo(QStringLiteral("%1, línea %2: --barrido lee una sola línea de lanzamiento y esta es otra más.")
                           .arg(base[1].origen).arg(base[1].linea));
    bases = base;
    if (familia.campo >= 0 && !lanzamientos_familia(base[0], familia, inic, bases, error)) return rechazo(error);
    for (const Lanzamiento& l : bases) {
        QList<Lanzamiento> una;
        if (!lanzamientos_barrido(l, b, inic, una, error)) return rechazo(error);
        lanzamientos += una;
    }

    // Every flight of every block at once, so that the threads stay busy to the end.
    const QList<FilaBarrido> todas = barrer(lanzamientos, b.campo, inic, o.hilos);
    QList<QList<FilaBarrido>> bloques;
    for (int k = 0; k < bases.size(); ++k) {
        bloques << todas.mid(k * b.valores, b.valores);
        if (familia.campo >= 0)
            for (FilaBarrido& f : bloques.last()) f.familia = Fijo::desde(bases[k].v[familia.campo]);
    }
    if (!o.grafico_barrido.isEmpty()) {
        const Lamina l = familia.campo >= 0 ? grafico_familia(familia.campo, b.campo, bloques)
                                            : grafico_barrido(b.campo, bloques[0]);
        const QString e = guardar_figura(o.grafico_barrido, kLaminaAnchoPx, kLaminaAltoPx,
                                         [&](QPainter& p) { dibujar_lamina(p, l); });
        if (!e.isEmpty()) {
            errores.write((e + QLatin1Char('\n')).toUtf8());
            return kSalidaEscritura;
        }
    }
    const QByteArray texto = (familia.campo >= 0 ? tabla_familia(familia.campo, b.campo, bloques)
                                                 : tabla_barrido(b.campo, bloques[0]))
                                 .toUtf8();
    if (salida.write(texto) != texto.size()) {
        errores.write((mensaje_salida(salida) + QLatin1Char('\n')).toUtf8());
        return kSalidaEscritura;
    }
    return kSalidaBien;
}

}  // namespace tya::calc
