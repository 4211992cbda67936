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
#include "core/resumen_vuelo.h"
#include "core/traduccion.h"
#include "core/vuelo_sin_ventana.h"
#include "files/figura.h"
#include "graphs/grafico_barrido.h"
#include "salida.h"

namespace tya::calc {

namespace {

const QString kForma = QStringLiteral("Forma");

// The shapes by name, with the drag coefficient each stands for. The names are read in the
// user's words untranslated, as field names are; a worksheet legend shows them translated.
struct FormaNombrada {
    const char* nombre;
    const char* cd;
};
const FormaNombrada kFormas[] = {{QT_TRANSLATE_NOOP("Trayecta", "Esfera"), "0.4"},
                                 {QT_TRANSLATE_NOOP("Trayecta", "Bala"), "0.2"}};

// A shape's name as a legend shows it.
QString forma_mostrada(const QString& nombre) {
    for (const FormaNombrada& n : kFormas)
        if (nombre == QLatin1String(n.nombre)) return Trayecta::tr(n.nombre);
    return nombre;
}

bool metros_enteros(Cantidad campo, int64_t crudo) {
    return (campo != Cantidad::Xo && campo != Cantidad::Yo) || crudo % Fijo::entero(1).crudo() == 0;
}

// Far beyond every limit a start-up file can sensibly give; keeps the value arithmetic exact.
constexpr double kMayorValor = 1e9;

QString unidad(Cantidad campo) { return QString::fromUtf8(cantidad(campo).unidad); }

// The quantity so named, when `puede` says it may be varied.
std::optional<Cantidad> campo_que(const QString& nombre, bool DefCantidad::*puede) {
    const DefCantidad* c = cantidad_por_nombre(nombre);
    if (c && c->*puede) return c->id;
    return std::nullopt;
}

const QString kFinDeLinea = QStringLiteral("\r\n");

QString cabecera(Cantidad campo) {
    return nombre_campo(campo) + QStringLiteral("\tN\tT\tXfin\tYmax\tVfin\t") +
           Trayecta::tr("Fin", "a sweep table's column heading: how the flight ended") + kFinDeLinea;
}

QString renglon(const FilaBarrido& f) {
    const QChar sep = separador_local();
    return QStringList{forma_archivo(f.valor, sep), QString::number(f.n),       forma_archivo(f.t, sep),
                       forma_archivo(f.xfin, sep),  forma_archivo(f.ymax, sep), forma_archivo(f.vfin, sep),
                       mensaje_fin(f.fin)}
               .join(QLatin1Char('\t')) +
           kFinDeLinea;
}

FilaBarrido fila(const EstadoExp& st, Fijo valor, FinVuelo fin) {
    const Registros exp(st, 0);
    const double vx = exp.resumen(CampoResumen::VfX).real(), vy = exp.resumen(CampoResumen::VfY).real();
    // The highest point as the extreme values give it, not the highest 0.75 s sample.
    return {valor,
            exp.muestras(),
            exp.resumen(CampoResumen::T),
            exp.xf(),
            exp.resumen(CampoResumen::Ymax),
            Fijo::saturado(std::sqrt(vx * vx + vy * vy)),
            fin,
            {}};
}

}  // namespace

bool leer_barrido(const QStringList& args, Barrido& b, QString& error) {
    if (args.size() != 4) {
        error = Trayecta::tr("La opción %1 necesita %2.")
                    .arg(QStringLiteral("--barrido"), Trayecta::tr("CAMPO DESDE HASTA PASO"));
        return false;
    }
    b = Barrido();
    const std::optional<Cantidad> barrible = campo_que(args[0], &DefCantidad::barrido);
    if (!barrible) {
        error = Trayecta::tr("--barrido: \"%1\" no es un campo que se pueda barrer (%2).")
                    .arg(args[0].left(24), nombres(&DefCantidad::barrido));
        return false;
    }
    b.campo = *barrible;
    const QString campo = QStringLiteral("--barrido %1").arg(nombre_campo(b.campo));
    const char* nombres[3] = {QT_TRANSLATE_NOOP("Trayecta", "DESDE"), QT_TRANSLATE_NOOP("Trayecta", "HASTA"),
                              QT_TRANSLATE_NOOP("Trayecta", "PASO")};
    int64_t crudo[3] = {};
    for (int i = 0; i < 3; ++i) {
        double v = 0;
        if (!leer_numero_completo(args[i + 1], v)) {
            error = Trayecta::tr("%1: %2 no es un número: \"%3\".")
                        .arg(campo, Trayecta::tr(nombres[i]), args[i + 1].left(24));
            return false;
        }
        if (std::fabs(v) > kMayorValor) {
            error =
                Trayecta::tr("%1: %2 fuera de rango (%3).").arg(campo, Trayecta::tr(nombres[i]), args[i + 1].left(24));
            return false;
        }
        crudo[i] = Fijo::desde(v).crudo();
    }
    const int64_t desde = crudo[0], hasta = crudo[1], paso = crudo[2];
    if (paso == 0) {
        error = Trayecta::tr("%1: PASO es 0 (los valores llevan cuatro decimales como máximo).").arg(campo);
        return false;
    }
    if (!metros_enteros(b.campo, desde) || !metros_enteros(b.campo, paso)) {
        error = Trayecta::tr("%1: %2 se da en metros enteros; DESDE y PASO deben ser enteros.")
                    .arg(campo, nombre_campo(b.campo));
        return false;
    }
    if (paso > 0 ? hasta < desde : hasta > desde) {
        error = Trayecta::tr("%1: ningún valor; de DESDE %2 no se llega a HASTA %3 con PASO %4.")
                    .arg(campo, forma_archivo(Fijo::crudo(desde)), forma_archivo(Fijo::crudo(hasta)),
                         forma_archivo(Fijo::crudo(paso)));
        return false;
    }
    const int64_t valores = (hasta - desde) / paso + 1;  // same signs: the quotient is whole steps
    if (valores > kValoresBarridoMax) {
        error = Trayecta::tr("%1: %2 valores; el máximo es %3.")
                    .arg(campo, QString::number(valores), QString::number(kValoresBarridoMax));
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
        l.valor(b.campo) = v.real();
        l.texto(b.campo) = forma_archivo(v);
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

QList<FilaBarrido> barrer(const QList<Lanzamiento>& lanzamientos, Cantidad campo, const ValoresInic& inic, int hilos) {
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
            filas[static_cast<size_t>(i)] = fila(*vuelo.st, Fijo::desde(l.v[static_cast<size_t>(campo)]), fin);
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

QString tabla_barrido(Cantidad campo, const QList<FilaBarrido>& filas) {
    QString s = cabecera(campo);
    for (const FilaBarrido& f : filas) s += renglon(f);
    return s;
}

QString tabla_familia(const Familia& familia, Cantidad campo, const QList<QList<FilaBarrido>>& bloques) {
    QString s = familia.nombre() + QLatin1Char('\t') + cabecera(campo);
    for (int k = 0; k < bloques.size(); ++k)
        for (const FilaBarrido& f : bloques[k]) s += familia.texto(k) + QLatin1Char('\t') + renglon(f);
    return s;
}

QString Familia::nombre() const { return forma ? kForma : campo ? nombre_campo(*campo) : QString(); }

QString Familia::texto(int k) const {
    if (forma) return textos.value(k);
    double v = 0;
    leer_numero_completo(valores.value(k), v);
    return forma_archivo(Fijo::desde(v), separador_local());
}

namespace {

EjeLamina eje(Cantidad campo) { return {Trayecta::tr(cantidad(campo).llano), unidad(campo), nombre_campo(campo)}; }

// Built when drawn, so that it speaks the language installed by then.
EjeLamina eje_alcance() { return {Trayecta::tr("Alcance"), QStringLiteral("m"), QStringLiteral("Xfin")}; }

FinPunto fin_punto(FinVuelo f) {
    switch (f) {
        case FinVuelo::Impacto:
            return FinPunto::Impacto;
        case FinVuelo::Desborde:
            return FinPunto::FueraDeEscala;
        case FinVuelo::Limite:
            return FinPunto::Limite;
        default:
            return FinPunto::Normal;
    }
}

CurvaFamilia curva(const QString& nombre, const QList<FilaBarrido>& filas) {
    CurvaFamilia c{nombre, {}, {}};
    for (const FilaBarrido& f : filas) {
        c.puntos << QPointF(f.valor.real(), f.xfin.real());
        c.fines << fin_punto(f.fin);
    }
    return c;
}

QString titulo(Cantidad campo) { return Trayecta::tr("Alcance según %1").arg(Trayecta::tr(cantidad(campo).en_titulo)); }

}  // namespace

Lamina grafico_barrido(Cantidad campo, const QList<FilaBarrido>& filas) {
    return lamina_barrido(titulo(campo), curva({}, filas), eje(campo), eje_alcance());
}

Lamina grafico_familia(const Familia& familia, Cantidad campo, const QList<QList<FilaBarrido>>& bloques) {
    QList<CurvaFamilia> curvas;
    const bool medio = familia.campo == Cantidad::Aire;
    for (int k = 0; k < bloques.size(); ++k) {
        QString nombre;
        if (familia.forma)
            nombre = forma_mostrada(familia.texto(k));
        else if (medio)
            nombre = bloques[k].value(0).familia.crudo() == 0 ? Trayecta::tr("vacío") : Trayecta::tr("aire");
        else
            nombre = QStringLiteral("%1 = %2").arg(
                familia.nombre(), con_unidad(bloques[k].value(0).familia.real(), unidad(*familia.campo)));
        curvas << curva(nombre, bloques[k]);
    }
    const QString de = familia.forma ? Trayecta::tr("forma", "the particle's shape, in a title")
                                     : Trayecta::tr(cantidad(*familia.campo).llano).toLower();
    return lamina_familia(Trayecta::tr("%1, una curva por %2").arg(titulo(campo), de), curvas, eje(campo),
                          eje_alcance());
}

bool leer_familia(const QStringList& args, Cantidad campo_barrido, Familia& f, QString& error) {
    f = Familia();
    const QString nombre = args.value(0);
    f.campo = campo_que(nombre, &DefCantidad::familia);
    if (kForma.compare(nombre, Qt::CaseInsensitive) == 0) {
        f.campo = Cantidad::Cd;
        f.forma = true;
    }
    if (!f.campo) {
        error = Trayecta::tr("--familia: \"%1\" no es un campo que pueda formar una familia (%2 %3).")
                    .arg(nombre.left(24), nombres(&DefCantidad::familia), kForma);
        return false;
    }
    if (f.campo == campo_barrido) {
        error = Trayecta::tr("--familia %1: es el campo del barrido; la familia varía otro.").arg(f.nombre());
        return false;
    }
    // Commas separate the values, unless a semicolon does: then a comma is a decimal comma.
    const QString lista = args.value(1);
    const QChar entre = lista.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
    for (QString v : lista.split(entre)) {
        v = v.trimmed();
        if (f.forma) {
            const FormaNombrada* hallada = nullptr;
            for (const FormaNombrada& n : kFormas)
                if (QString::fromUtf8(n.nombre).compare(v, Qt::CaseInsensitive) == 0) hallada = &n;
            if (!hallada) {
                error = Trayecta::tr("--familia Forma: \"%1\" no es una forma (Esfera o Bala).").arg(v.left(24));
                return false;
            }
            f.textos << QString::fromUtf8(hallada->nombre);
            v = QString::fromUtf8(hallada->cd);
        }
        f.valores << v;
    }
    // Commas between values without a decimal point anywhere may have meant decimal commas
    // ("0,5,1"): the values read are said, never taken silently.
    if (entre == QLatin1Char(',') && f.valores.size() > 1 && !f.forma && f.campo != Cantidad::Aire &&
        !lista.contains(QLatin1Char('.'))) {
        f.aviso = Trayecta::tr(
                      "--familia %1: se leen %2 valores, %3; para escribirlos con coma decimal, "
                      "sepárelos con punto y coma (\"0,5;1\").")
                      .arg(f.nombre())
                      .arg(f.valores.size())
                      .arg(f.valores.join(QStringLiteral("; ")));
    }
    if (f.valores.size() > kValoresFamiliaMax) {
        error = Trayecta::tr("%1: %2 valores; el máximo es %3.")
                    .arg(QStringLiteral("--familia %1").arg(f.nombre()), QString::number(f.valores.size()),
                         QString::number(kValoresFamiliaMax));
        return false;
    }
    return true;
}

bool lanzamientos_familia(const Lanzamiento& base, const Familia& f, const ValoresInic& limites,
                          QList<Lanzamiento>& lista, QString& error) {
    lista.clear();
    for (const QString& v : f.valores) {
        Lanzamiento l = base;
        l.texto(*f.campo) = v;
        QString motivo;
        // The value as the field of a launch line would be read and checked.
        if (!leer_numero_completo(v, l.valor(*f.campo))) {
            motivo = Trayecta::tr("no es un número: \"%1\"").arg(v.left(24));
        } else if (!metros_enteros(*f.campo, Fijo::desde(l.valor(*f.campo)).crudo())) {
            motivo = Trayecta::tr("%1 se da en metros enteros").arg(nombre_campo(*f.campo));
        } else if (comprobar(l, limites, motivo)) {
            lista << l;
            continue;
        }
        error = QStringLiteral("--familia %1 = %2: %3").arg(f.nombre(), v.left(24), motivo);
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
    if (!leer_barrido(o.barrido, b, error) ||
        (!o.familia.isEmpty() && !leer_familia(o.familia, b.campo, familia, error)) ||
        !leer_inic(o.inic, inic, error) || !leer_entradas(o, entrada, inic, base, error))
        return rechazo(error);
    if (base.isEmpty())
        return rechazo(Trayecta::tr("--barrido necesita una línea de lanzamiento y la entrada no tiene ninguna."));
    if (base.size() > 1)
        return rechazo(Trayecta::tr("%1, línea %2: --barrido lee una sola línea de lanzamiento y esta es otra más.")
                           .arg(base[1].origen)
                           .arg(base[1].linea));
    if (!familia.aviso.isEmpty()) errores.write((familia.aviso + QLatin1Char('\n')).toUtf8());
    bases = base;
    if (familia.campo && !lanzamientos_familia(base[0], familia, inic, bases, error)) return rechazo(error);
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
        if (familia.campo)
            for (FilaBarrido& f : bloques.last()) f.familia = Fijo::desde(bases[k].valor(*familia.campo));
    }
    if (!o.grafico_barrido.isEmpty()) {
        const Lamina l = familia.campo ? grafico_familia(familia, b.campo, bloques)
                                       : grafico_barrido(b.campo, bloques[0]);
        const QString e = guardar_hoja(
            o.grafico_barrido, [&](QPainter& p) { dibujar_lamina(p, l); }, o.tamano);
        if (!e.isEmpty()) {
            errores.write((e + QLatin1Char('\n')).toUtf8());
            return kSalidaEscritura;
        }
    }
    const QByteArray texto =
        (familia.campo ? tabla_familia(familia, b.campo, bloques) : tabla_barrido(b.campo, bloques[0])).toUtf8();
    if (salida.write(texto) != texto.size()) {
        errores.write((mensaje_salida(salida) + QLatin1Char('\n')).toUtf8());
        return kSalidaEscritura;
    }
    return kSalidaBien;
}

}  // namespace tya::calc
