// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <utility>

#include "barrido.h"
#include "salida.h"
#include "core/archivo_texto.h"
#include "core/carpeta_trabajo.h"
#include "core/entrada_parametros.h"
#include "core/formato.h"
#include "core/registros.h"
#include "core/resumen_vuelo.h"
#include "core/traduccion.h"
#include "core/version.h"
#include "core/vuelo_sin_ventana.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "files/figura.h"
#include "files/impresion.h"
#include "files/informe.h"
#include "graphs/escena_rotulada.h"
#include "graphs/grafico_rotulado.h"
#include "graphs/tablas.h"
#include "platform/impresora.h"
#include "platform/motivo_archivo.h"
#include "platform/superficie.h"
#include "scene/escena.h"

namespace tya::calc {

namespace {

int campos_dados(const Lanzamiento& l) { return l.blanco ? kCamposConBlanco : kCamposLanzamiento; }

QString campo_txt(int k) { return Trayecta::tr("campo %1 (%2)").arg(k + 1).arg(nombre_campo(k)); }

QString fuera_de_rango(const Lanzamiento& l, int k, const QString& rango) {
    return Trayecta::tr("%1: Valor fuera de rango (%2; %3)").arg(campo_txt(k), l.textos.value(k).left(24), rango);
}

const QRegularExpression& separadores() {
    static const QRegularExpression re(QStringLiteral("[ \\t]+"));
    return re;
}

}  // namespace

const QString& nombre_campo(int k) {
    static const auto n = [] {
        std::array<QString, kCamposConBlanco> a;
        for (int i = 0; i < kCamposConBlanco; ++i) a[i] = QString::fromUtf8(kCantidades[i].nombre);
        return a;
    }();
    static const QString nada;
    return k >= 0 && k < kCamposConBlanco ? n[k] : nada;
}

LecturaLinea leer_linea(const QString& texto, Lanzamiento& l, QString& error) {
    const QStringList campos = texto.trimmed().split(separadores(), Qt::SkipEmptyParts);
    double v = 0;
    if (campos.isEmpty() || !leer_numero_completo(campos[0], v)) return LecturaLinea::Saltada;
    if (campos.size() != kCamposLanzamiento && campos.size() != kCamposConBlanco) {
        error = Trayecta::tr("se esperaban %1 o %2 campos y hay %3")
                    .arg(kCamposLanzamiento)
                    .arg(kCamposConBlanco)
                    .arg(campos.size());
        return LecturaLinea::Error;
    }
    l.v = {};
    l.blanco = campos.size() == kCamposConBlanco;
    l.textos = campos;
    for (int k = 0; k < campos.size(); ++k) {
        if (!leer_numero_completo(campos[k], l.v[k])) {
            error = Trayecta::tr("%1: no es un número: \"%2\"").arg(campo_txt(k), campos[k].left(24));
            return LecturaLinea::Error;
        }
    }
    return LecturaLinea::Lanzamiento;
}

bool comprobar(Lanzamiento& l, const ValoresInic& lim, QString& error) {
    for (int k = 0; k < campos_dados(l); ++k) {
        const ValorEntrado v = comprobar_entrada(kCantidades[k].dato, l.v[k], lim.max, lim.min);
        l.v[k] = v.valor;
        if (!v.aceptado()) {
            error = fuera_de_rango(l, k, v.permitido);
            return false;
        }
    }
    return true;
}

bool leer_lanzamientos(const QString& texto, const QString& origen, const ValoresInic& lim, QList<Lanzamiento>& lista,
                       QString& error) {
    const QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    for (int n = 0; n < lineas.size(); ++n) {
        Lanzamiento l;
        l.origen = origen;
        l.linea = n + 1;
        QString motivo;
        const LecturaLinea r = leer_linea(lineas[n], l, motivo);
        if (r == LecturaLinea::Saltada) continue;
        if (r == LecturaLinea::Error || !comprobar(l, lim, motivo)) {
            error = Trayecta::tr("%1, línea %2: %3").arg(origen).arg(l.linea).arg(motivo);
            return false;
        }
        if (lista.size() == kLanzamientosMax) {
            error = Trayecta::tr("%1, línea %2: más de %3 lanzamientos; se guardan diez experiencias como máximo")
                        .arg(origen)
                        .arg(l.linea)
                        .arg(kLanzamientosMax);
            return false;
        }
        lista << l;
    }
    return true;
}

struct Calculadora::Impl : VueloSinVentana {
    ValoresInic inic;
    Superficie sup = nueva_superficie_escena(632, 420);
    QStringList lineas;  // the session log's line of each launch
    Escena escena{*st, sup};
    QList<FinVuelo> fines;
};

Calculadora::Calculadora(const ValoresInic& inic) : d_(std::make_unique<Impl>()) {
    d_->inic = inic;
    aplicar_inic(inic, *d_->st);
    d_->st->Trazo = 1;  // every launch gives its log line
    d_->escena.preparar();
}

Calculadora::~Calculadora() = default;

void poner_lanzamiento(const Lanzamiento& l, const ValoresInic& inic, EstadoExp& st) {
    // Each line stands alone: a launch without target fields keeps the start-up target values.
    for (int i = 1; i <= kParametros; ++i) st.Param[i] = inic.valor[i];
    for (int k = 0; k < campos_dados(l); ++k) st.poner(kCantidades[k].id, Fijo::desde(l.v[k]));
    st.Parar = 0;
}

FinVuelo Calculadora::lanzar(const Lanzamiento& l) {
    EstadoExp& st = *d_->st;
    poner_lanzamiento(l, d_->inic, st);
    d_->sin_ventana.blanco = l.blanco;
    const FinVuelo fin = d_->volar(d_->escena);
    d_->lineas << linea_lanzamiento(st, separador_local());
    d_->fines << fin;
    return fin;
}

bool Calculadora::recuperar(const QString& ruta, QString& error) {
    EstadoExp& st = *d_->st;
    d_->escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
    const ResultadoArchivo r = recuperar_experiencias(st, ruta);
    if (!r) {
        error = r.error;
        d_->escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
        return false;
    }
    d_->escena.redibujar_escena();
    // A file does not say how its flights ended: the summary shows no end message for them.
    d_->fines = QList<FinVuelo>(st.NExp, FinVuelo::Suelo);
    return true;
}

EstadoExp& Calculadora::estado() { return *d_->st; }
const EstadoExp& Calculadora::estado() const { return *d_->st; }
Superficie& Calculadora::superficie() { return d_->sup; }
const QStringList& Calculadora::lineas_log() const { return d_->lineas; }
const QList<FinVuelo>& Calculadora::fines() const { return d_->fines; }

QString resumen(const EstadoExp& st, int experiencia, FinVuelo fin, QChar sep) {
    const int e = experiencia - 1;
    if (e < 0 || e >= kExperiencias) return {};
    const Registros exp(st, e);
    const QString m = QStringLiteral("0.00");
    QString s = QStringLiteral("%1\t%2\t%3\t%4")
                    .arg(experiencia)
                    .arg(exp.muestras())
                    .arg(formato(exp.tf(), m, sep), formato(exp.xf(), m, sep));
    // The same wording as the sweep tables and the window's result line.
    if (fin == FinVuelo::Impacto || fin == FinVuelo::Limite) s += QLatin1Char('\t') + mensaje_fin(fin);
    return s;
}

namespace {

void decir(QIODevice& d, const QString& t) { d.write((t + QLatin1Char('\n')).toUtf8()); }

}  // namespace

bool leer_entradas(const Opciones& o, QIODevice& entrada, const ValoresInic& inic, QList<Lanzamiento>& lista,
                   QString& error) {
    const QStringList archivos = o.archivos.isEmpty() ? QStringList{QStringLiteral("-")} : o.archivos;
    for (const QString& a : archivos) {
        QByteArray datos;
        QString origen = a;
        if (a == QLatin1String("-")) {
            origen = Trayecta::tr("entrada estándar");
            if (QString motivo; !leer_dispositivo(entrada, kTopeTexto, datos, motivo)) {
                error = Trayecta::tr("No se puede leer la entrada estándar: %1.").arg(motivo);
                return false;
            }
        } else if (QString motivo; !leer_archivo(a, kTopeTexto, datos, motivo)) {
            error = Trayecta::tr("No se puede leer %1: %2.").arg(a, motivo);
            return false;
        }
        if (const QString motivo = motivo_contenido(datos); !motivo.isEmpty()) {
            error = Trayecta::tr("No se puede leer %1: %2.").arg(origen, motivo);
            return false;
        }
        if (!leer_lanzamientos(QString::fromUtf8(datos), origen, inic, lista, error)) return false;
    }
    return true;
}

namespace {

// Tables and graphs may only name launched experiments, and a comparison needs one at least.
bool experiencias_pedidas(const Opciones& o, int lanzadas, QString& error) {
    auto falta = [&](const QString& opcion, int k) {
        if (k == kTodasLasExperiencias ? lanzadas > 0 : k <= lanzadas) return false;
        error = k == kTodasLasExperiencias
                    ? Trayecta::tr("%1: no hay experiencias que comparar.").arg(opcion)
                    : Trayecta::tr("%1: no hay experiencia %2 (hay %3).").arg(opcion).arg(k).arg(lanzadas);
        return true;
    };
    for (const PedidoSalida& p : o.salidas)
        if ((p.que == Salida::TablaPosiciones || p.que == Salida::TablaVelocidades) &&
            falta(QStringLiteral("--tabla"), p.experiencia))
            return false;
    for (const PedidoGrafico& g : o.graficos)
        if (falta(QStringLiteral("--grafico"), g.experiencia)) return false;
    return true;
}

}  // namespace

namespace {

// The options, with INIC.DAT taken from the window's working folder when none is named. Help
// and version stop reading there: they need nothing else.
bool leer_orden(const QStringList& args, Opciones& o, QString& error) {
    if (!leer_opciones(args, o, error)) return false;
    if (o.ayuda || o.version) return true;
    if (!o.leer.isEmpty() && !o.archivos.isEmpty()) {
        error = Trayecta::tr(
            "--leer carga experiencias en lugar de lanzamientos: no se le agregan archivos de lanzamientos.");
        return false;
    }
    if (o.inic.isEmpty() && o.leer.isEmpty()) {
        // The window's own start-up folder: this one if it holds INIC.DAT, the per-user one otherwise.
        const QString carpeta = preparar_carpeta_trabajo(error);
        if (carpeta.isEmpty()) return false;
        o.inic = QDir(carpeta).filePath(QStringLiteral("INIC.DAT"));
    }
    error = combinacion_rechazada(o);
    return error.isEmpty();
}

// The launches of the input, checked against INIC.DAT's limits. An experiment file needs no
// limits: INIC.DAT is read only to check launches.
bool leer_datos(const Opciones& o, QIODevice& entrada, ValoresInic& inic, QList<Lanzamiento>& lanzamientos,
                QString& error) {
    return !o.leer.isEmpty() ||
           (leer_inic(o.inic, inic, error) && leer_entradas(o, entrada, inic, lanzamientos, error));
}

// The experiments the outputs work on: the file's, or the launches flown one after another.
bool volar_todo(const Opciones& o, const QList<Lanzamiento>& lanzamientos, Calculadora& calc, QString& error) {
    if (!o.leer.isEmpty() && !calc.recuperar(o.leer, error)) return false;
    for (const Lanzamiento& l : lanzamientos) calc.lanzar(l);
    return experiencias_pedidas(o, calc.estado().NExp, error);
}

// The report's layout follows the target, as the window's does when the report is made.
bool con_blanco(const QList<Lanzamiento>& lanzamientos) {
    return !lanzamientos.isEmpty() && lanzamientos.last().blanco;
}

// Each figure as a function that writes it, in the order the options were given.
QList<std::function<QString()>> figuras(const Opciones& o, const QList<Lanzamiento>& lanzamientos, Calculadora& calc) {
    QList<CamposLanzamiento> campos;
    for (const Lanzamiento& l : lanzamientos) {
        CamposLanzamiento c{};
        std::copy_n(l.v.begin(), c.size(), c.begin());
        campos << c;
    }
    const EstadoExp& st = calc.estado();
    QList<std::function<QString()>> imagenes;
    if (!o.escena.isEmpty()) {
        if (o.rotulado) {
            imagenes << [&o, &st, &calc, campos] {
                const Superficie& sup = calc.superficie();
                return guardar_hoja(
                    o.escena, [&](QPainter& p) { dibujar_escena_rotulada(p, st, sup, campos); }, o.tamano);
            };
        } else {
            imagenes << [&o, &calc] { return guardar_imagen(calc.superficie().imagen(), o.escena); };
        }
    }
    for (const PedidoGrafico& g : o.graficos) {
        if (o.rotulado) {
            imagenes << [&st, &o, campos, g] {
                const Lamina l = lamina_rotulada(st, g.magnitud, !o.horizontal, g.experiencia, campos);
                return guardar_hoja(
                    g.archivo, [&](QPainter& p) { dibujar_lamina(p, l); }, o.tamano);
            };
        } else {
            imagenes << [&st, &o, g] {
                return guardar_imagen(imagen_grafico(st, g.magnitud, !o.horizontal, g.experiencia), g.archivo);
            };
        }
    }
    return imagenes;
}

// The files asked for, in order: the experiment file, the figures, the printed report. The first
// that cannot be written stops the rest; its message is returned.
QString guardar_pedidos(const Opciones& o, const QList<Lanzamiento>& lanzamientos, Calculadora& calc) {
    const EstadoExp& st = calc.estado();
    if (!o.tya.isEmpty())
        if (const ResultadoArchivo r = grabar_experiencias(st, o.tya); !r) return r.error;
    for (const auto& guardar : figuras(o, lanzamientos, calc))
        if (const QString e = guardar(); !e.isEmpty()) return e;
    if (!o.pdf_valores.isEmpty()) {
        const TextoEnColumnas tabla = tabla_impresa(st, con_blanco(lanzamientos), separador_local());
        QString error;
        if (!escribir_pdf(
                o.pdf_valores, QStringLiteral("valores-extremos"), pagina_predeterminada(),
                [&](QPagedPaintDevice& d, QString& e) { return dibujar_texto(d, tabla, e); }, error))
            return error;
    }
    return {};
}

// What goes to standard output; the summary when nothing else is asked for.
QByteArray texto_salida(const Opciones& o, const QList<Lanzamiento>& lanzamientos, const Calculadora& calc) {
    const EstadoExp& st = calc.estado();
    const QChar sep = separador_local();
    QList<PedidoSalida> salidas = o.salidas;
    if (salidas.isEmpty() && o.tya.isEmpty() && o.escena.isEmpty() && o.graficos.isEmpty() && o.pdf_valores.isEmpty())
        salidas << PedidoSalida{Salida::Resumen};
    QByteArray texto;
    for (const PedidoSalida& p : salidas) {
        switch (p.que) {
            case Salida::Resumen:
                for (int k = 1; k <= st.NExp; ++k)
                    texto += (resumen(st, k, calc.fines()[k - 1], sep) + QLatin1Char('\n')).toUtf8();
                break;
            case Salida::Log:
                for (const QString& l : calc.lineas_log()) texto += (l + QLatin1Char('\n')).toUtf8();
                break;
            case Salida::TablaPosiciones:
            case Salida::TablaVelocidades: {
                const QStringList filas = p.que == Salida::TablaPosiciones ? tabla_posiciones(st, p.experiencia, sep)
                                                                           : tabla_velocidades(st, p.experiencia, sep);
                texto += texto_copia(filas).toUtf8();
                break;
            }
            case Salida::Valores:
                texto += texto_copia_informe(st, con_blanco(lanzamientos), sep).toUtf8();
                break;
        }
    }
    return texto;
}

int fallar(QIODevice& errores, const QString& error, int estado) {
    decir(errores, error);
    return estado;
}

}  // namespace

int ejecutar(const QStringList& args, QIODevice& entrada, QIODevice& salida, QIODevice& errores) {
    Opciones o;
    QString error;
    if (!leer_orden(args, o, error)) return fallar(errores, error, kSalidaRechazo);
    if (o.ayuda || o.version) {
        salida.write(o.ayuda ? texto_ayuda().toUtf8()
                             : QStringLiteral("trayecta-calc %1\n").arg(version_programa()).toUtf8());
        return kSalidaBien;
    }
    if (!o.barrido.isEmpty()) return ejecutar_barrido(o, entrada, salida, errores);
    ValoresInic inic;
    QList<Lanzamiento> lanzamientos;
    if (!leer_datos(o, entrada, inic, lanzamientos, error)) return fallar(errores, error, kSalidaRechazo);
    Calculadora calc(inic);
    if (!volar_todo(o, lanzamientos, calc, error)) return fallar(errores, error, kSalidaRechazo);
    if (const QString e = guardar_pedidos(o, lanzamientos, calc); !e.isEmpty())
        return fallar(errores, e, kSalidaEscritura);
    const QByteArray texto = texto_salida(o, lanzamientos, calc);
    if (salida.write(texto) != texto.size()) return fallar(errores, mensaje_salida(salida), kSalidaEscritura);
    return kSalidaBien;
}

}  // namespace tya::calc
