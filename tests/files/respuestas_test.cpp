// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's answer key: every launch in it is flown headless and every number it gives is
// a result of that flight, a checked sum, a launch value or a number already checked above.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "archivos.h"
#include "core/registros.h"
#include "core/vuelo_sin_ventana.h"
#include "files/temas_ayuda.h"
#include "graphs/tablas.h"

using namespace tya;

namespace {

const QString kNum = QStringLiteral("-?\\d+(?:\\.\\d+)?");

// True when `escrito`, with its decimals, is `v` rounded to them.
bool igual_redondeado(double v, const QString& escrito) {
    const qsizetype punto = escrito.indexOf('.');
    const int decimales = punto < 0 ? 0 : int(escrito.size() - punto - 1);
    return std::fabs(v - escrito.toDouble()) <= 0.5 * std::pow(10.0, -decimales) + 1e-9;
}

// "a op b op c", × and / before + and -, operands perhaps under √.
double cuenta(const QString& expresion) {
    static const QRegularExpression partes(QStringLiteral("(√?)(%1)|([-+×/])").arg(kNum));
    double total = 0, termino = 0;
    QChar op_suma = '+', op_producto;
    for (auto it = partes.globalMatch(expresion); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(3).isEmpty()) {
            const QChar op = m.captured(3)[0];
            if (op == '+' || op == '-') {
                total += op_suma == '+' ? termino : -termino;
                op_suma = op;
                op_producto = QChar();
            } else {
                op_producto = op;
            }
            continue;
        }
        double v = m.captured(2).toDouble();
        if (!m.captured(1).isEmpty()) v = std::sqrt(v);
        termino = op_producto.isNull() ? v : op_producto == '/' ? termino / v : termino * v;
    }
    return total + (op_suma == '+' ? termino : -termino);
}

struct TiroVolado {
    FinVuelo fin = FinVuelo::Suelo;
    QStringList lanzamiento, posiciones, velocidades;
    std::array<double, kCamposResumen> extremos{};
};

TiroVolado volar(const QStringList& campos) {
    VueloSinVentana v;
    EstadoExp& st = *v.st;
    const int param[] = {iXo, iYo, iVo, iAng, -1, iViento, iR, -1, -1, iXoB, iYoB, iVxb, iVyb};
    for (int k = 0; k < campos.size(); ++k)
        if (param[k] > 0) st.Param[param[k]] = Fijo::desde(campos[k].toDouble());
    st.Aire = int16_t(campos[4].toInt());
    st.Densidad = Fijo::desde(campos[7].toDouble());
    st.Cd = Fijo::desde(campos[8].toDouble());
    v.sin_ventana.blanco = campos.size() == 13;
    TiroVolado r;
    r.fin = v.volar();
    r.lanzamiento = campos;
    r.posiciones = tabla_posiciones(st, 1, '.');
    r.velocidades = tabla_velocidades(st, 1, '.');
    for (int f = 0; f < kCamposResumen; ++f) r.extremos[f] = Registros(st, 0).resumen(CampoResumen(f)).real();
    return r;
}

// The value a key line names for the flight: empty optional when the name is unknown.
std::optional<double> valor(const TiroVolado& v, const QString& nombre, const QString& tiempo) {
    static const QMap<QString, int> campos = {{"Xmax", 5},  {"Ymax", 6}, {"T", 7},   {"Dmin", 12},
                                              {"Tmin", 13}, {"VfX", 14}, {"VfY", 15}};
    if (campos.contains(nombre)) return v.extremos[campos[nombre]];
    if (nombre == "marcas") return double(v.posiciones.size() - 1);
    if (nombre == "t" || nombre == "X") return v.posiciones.last().split('\t').value(nombre == "t" ? 0 : 1).toDouble();
    // A sample of the velocity table, by the time its first column shows.
    for (const QString& fila : v.velocidades.mid(0, v.velocidades.size() - 1))
        if (const QStringList c = fila.split('\t'); c[0] == tiempo) return c.value(nombre == "Vx" ? 1 : 2).toDouble();
    return std::nullopt;
}

}  // namespace

TEST(Respuestas, CadaTiroVueloYCadaNumeroComprobado) {
    QStringList lineas = QString::fromUtf8(prueba::leer(TYA_DATOS "/respuestas.txt")).split('\n');
    const QRegularExpression tiro("^Tiro: (.*)$"),
        cuentas(QStringLiteral("((?:√?%1\\s+[-+×/]\\s+)+√?%1|√%1)\\s*=\\s*(%1)").arg(kNum)),
        par(QStringLiteral("\\b(Xmax|Ymax|T|VfX|VfY|Dmin|Tmin|marcas|t|X|Vx|Vy)(?:\\((%1) s\\))?\\s*=\\s*(%1)")
                .arg(kNum)),
        fin("Fin: (\\w+)"), rotulo("(?:Problema|Tabla|[Pp]unto) \\d+|^\\d+\\. "), numero(kNum);
    // The program's own constants a text may quote: sample period, step, g, the scale's factor.
    const QSet<QString> constantes = {"0.75", "0.015", "9.81", "10", "640", "375"};
    QSet<QString> comprobados;  // numbers of the section already checked or given as launch values
    std::optional<TiroVolado> ultimo;
    int vuelos = 0, pares = 0;
    bool empezado = false;
    for (int n = 0; n < lineas.size(); ++n) {
        QString l = lineas[n].trimmed();
        const std::string donde = "respuestas.txt:" + std::to_string(n + 1) + ": " + l.toStdString();
        if (l.startsWith("Problema ") || l == "TRABAJO PRÁCTICO") {
            empezado = true;
            comprobados.clear();
            ultimo.reset();
            // The section's launch values may be quoted before their launch.
            for (int k = n + 1; k < lineas.size() && !lineas[k].startsWith("Problema "); ++k)
                if (const auto m = tiro.match(lineas[k].trimmed()); m.hasMatch())
                    for (const QString& c : m.captured(1).split(' ')) comprobados << c;
        }
        if (!empezado) continue;  // the explanation before the answers
        if (const auto m = tiro.match(l); m.hasMatch()) {
            const QStringList campos = m.captured(1).split(' ');
            ASSERT_TRUE(campos.size() == 9 || campos.size() == 13) << donde;
            ultimo = volar(campos);
            ++vuelos;
            for (const QString& c : campos) comprobados << c;
            continue;
        }
        for (auto it = cuentas.globalMatch(l); it.hasNext();) {
            const auto m = it.next();
            EXPECT_TRUE(igual_redondeado(cuenta(m.captured(1)), m.captured(2)))
                << donde << " da " << cuenta(m.captured(1));
            comprobados << m.captured(2);
        }
        l.replace(cuentas, " ");
        for (auto it = par.globalMatch(l); it.hasNext();) {
            const auto m = it.next();
            ASSERT_TRUE(ultimo.has_value()) << donde;
            const std::optional<double> v = valor(*ultimo, m.captured(1), m.captured(2));
            ASSERT_TRUE(v.has_value()) << donde;
            EXPECT_TRUE(igual_redondeado(*v, m.captured(3))) << donde << " da " << *v;
            comprobados << m.captured(2) << m.captured(3);
            ++pares;
        }
        l.replace(par, " ");
        if (const auto m = fin.match(l); m.hasMatch()) {
            ASSERT_TRUE(ultimo.has_value()) << donde;
            EXPECT_EQ(m.captured(1), ultimo->fin == FinVuelo::Impacto ? "Impacto" : "Suelo") << donde;
        }
        l.replace(rotulo, " ");
        // Whatever number is left restates one of the section's.
        for (auto it = numero.globalMatch(l); it.hasNext();) {
            const QString x = it.next().captured(0);
            EXPECT_TRUE(comprobados.contains(x) || constantes.contains(x)) << donde << ": " << x.toStdString();
        }
    }
    // The practical work and the sixteen problems, each with its flights.
    EXPECT_GE(vuelos, 60);
    EXPECT_GE(pares, 120);
    // The help's topic holds the same text after its first line.
    QString tema;
    for (const TemaAyuda& t : leer_ayuda(TYA_DATOS "/tyayuda2.hlp"))
        if (t.titulo == "Respuestas para el docente") tema = t.texto;
    const QString archivo = QString::fromUtf8(prueba::leer(TYA_DATOS "/respuestas.txt")).remove('\r');
    EXPECT_TRUE(tema.endsWith(archivo.section('\n', 1).trimmed()));
}
