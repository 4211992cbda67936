// SPDX-License-Identifier: GPL-3.0-or-later
#include "inic.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "archivo_texto.h"
#include "formato.h"
#include "platform/escritura_atomica.h"
#include "platform/motivo_archivo.h"
#include "traduccion.h"

namespace tya {

const char* nombre_param(int i) {
    const DefCantidad* c = cantidad_de_param(i);
    return c ? c->nombre : "";
}

namespace {

struct CampoInic {
    QString texto;
    int linea = 0;
    bool coma_decimal = false;  // followed by a comma with a digit on both sides and no blank
};

constexpr int kCamposInic = 3 * kParametros;  // a record per parameter: start-up value, maximum and minimum
constexpr qint64 kTopeInic = 64 << 10;

// The three numbers of a record, as the messages name them.
const char* const kQue[3] = {QT_TRANSLATE_NOOP("Trayecta", "el valor inicial"),
                             QT_TRANSLATE_NOOP("Trayecta", "el máximo"), QT_TRANSLATE_NOOP("Trayecta", "el mínimo")};

}  // namespace

bool leer_inic_texto(const QString& texto, ValoresInic& v, QString& error) {
    QList<CampoInic> campos;
    bool coma_con_blanco = false;
    const QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    for (int n = 0; n < lineas.size(); ++n) {
        const QStringList partes = lineas[n].split(QLatin1Char(','));
        for (int k = 0; k < partes.size(); ++k) {
            const QString& c = partes[k];
            if (k + 1 < partes.size() && !partes[k + 1].isEmpty() && partes[k + 1][0].isSpace()) coma_con_blanco = true;
            if (c.trimmed().isEmpty()) continue;
            const bool pegada = k + 1 < partes.size() && c.back().isDigit() && !partes[k + 1].isEmpty() &&
                                partes[k + 1][0].isDigit();
            campos.append({c.trimmed(), n + 1, pegada});
        }
    }
    auto registro = [&](int i) {
        return Trayecta::tr("INIC.DAT, línea %1, registro %2 (%3)")
            .arg(QString::number(campos.value((i - 1) * 3).linea), QString::number(i),
                 QString::fromUtf8(nombre_param(i)));
    };
    // A decimal comma splits one value in two and shifts every later record: named as such when
    // the file has too many values and otherwise separates them with a comma and a blank.
    if (campos.size() > kCamposInic && coma_con_blanco) {
        for (int k = 0; k < campos.size(); ++k) {
            if (!campos[k].coma_decimal) continue;
            error = Trayecta::tr(
                        "%1: \"%2,%3\" lleva coma decimal; en INIC.DAT el separador decimal es el punto "
                        "(%2.%3) y la coma separa los valores.")
                        .arg(registro(k / 3 + 1), campos[k].texto, campos[k + 1].texto);
            return false;
        }
    }
    const QString debe = Trayecta::tr(
                             "INIC.DAT debe tener diez registros de tres números (valor inicial, "
                             "máximo y mínimo), 30 en total, y tiene %1")
                             .arg(campos.size());
    for (int i = 1; i <= kParametros; ++i) {
        if (campos.size() < i * 3) {
            error = Trayecta::tr("%1: falta %2 del registro %3 (%4).")
                        .arg(debe, Trayecta::tr(kQue[campos.size() % 3]), QString::number(i),
                             QString::fromUtf8(nombre_param(i)));
            return false;
        }
        double x[3] = {};
        for (int j = 0; j < 3; ++j) {
            const QString& t = campos[(i - 1) * 3 + j].texto;
            bool ok = false;
            x[j] = t.toDouble(&ok);
            if (!ok || !std::isfinite(x[j])) {
                error = Trayecta::tr("%1: %2 (\"%3\") no es un número.")
                            .arg(registro(i), Trayecta::tr(kQue[j]), t.left(24));
                return false;
            }
            if (std::fabs(x[j]) >= 1e9) {
                error = Trayecta::tr("%1: %2 (%3) es demasiado grande.")
                            .arg(registro(i), Trayecta::tr(kQue[j]), t.left(24));
                return false;
            }
        }
        const double val = x[0], mx = x[1], mn = x[2];
        if (mn != std::floor(mn) || mn < -32768 || mn > 32767) {
            error = Trayecta::tr("%1: el mínimo (%2) debe ser un número entero.")
                        .arg(registro(i), campos[(i - 1) * 3 + 2].texto);
            return false;
        }
        if (mn > mx) {
            error = Trayecta::tr("%1: el mínimo (%2) es mayor que el máximo (%3).")
                        .arg(registro(i), campos[(i - 1) * 3 + 2].texto, campos[(i - 1) * 3 + 1].texto);
            return false;
        }
        v.valor[i] = Fijo::desde(val);
        v.max[i] = Fijo::desde(mx);
        v.min[i] = static_cast<int16_t>(mn);
        // Compared as stored, so a start value the window would refuse is refused here too.
        if (v.valor[i] > v.max[i] || v.valor[i] < Fijo::entero(v.min[i])) {
            error = Trayecta::tr("%1: el valor inicial (%2) está fuera de sus límites (%3 a %4).")
                        .arg(registro(i), campos[(i - 1) * 3].texto, campos[(i - 1) * 3 + 2].texto,
                             campos[(i - 1) * 3 + 1].texto);
            return false;
        }
    }
    if (campos.size() > kCamposInic) {
        error = Trayecta::tr("%1: sobra \"%2\" (línea %3).")
                    .arg(debe, campos[kCamposInic].texto.left(24), QString::number(campos[kCamposInic].linea));
        return false;
    }
    return true;
}

bool leer_inic(const QString& ruta, ValoresInic& v, QString& error) {
    QByteArray datos;
    QString motivo;
    if (!leer_archivo(ruta, kTopeInic, datos, motivo) || !(motivo = motivo_contenido(datos)).isEmpty()) {
        error = Trayecta::tr("No se puede leer el archivo INIC.DAT (%1): %2.").arg(ruta, motivo);
        return false;
    }
    return leer_inic_texto(QString::fromLatin1(datos), v, error);
}

void aplicar_inic(const ValoresInic& v, EstadoExp& st) {
    for (int i = 1; i <= kParametros; ++i) {
        st.Param[i] = v.valor[i];
        st.Max[i] = v.max[i];
        st.Min[i] = v.min[i];
    }
}

namespace {

// The first number of a one-value file; the reason when the file cannot be read.
bool primer_valor(const QString& ruta, double& valor, QString& motivo) {
    QByteArray datos;
    if (!leer_archivo(ruta, kTopeInic, datos, motivo)) return false;
    const QString t = QString::fromLatin1(datos).trimmed();
    const QString primero = t.section(QRegularExpression(QStringLiteral("[\\s,]+")), 0, 0);
    double v = 0;
    if (!leer_numero_completo(primero, v)) return false;
    valor = v;
    return true;
}

}  // namespace

bool leer_valor(const QString& ruta, double& valor) {
    QString motivo;
    return primer_valor(ruta, valor, motivo);
}

bool leer_trazo(const QString& ruta, uint8_t& trazo, QString& error) {
    double v = 0;
    QString motivo;
    if (!primer_valor(ruta, v, motivo) || (v != 0 && v != 1)) {
        error = motivo.isEmpty() ? Trayecta::tr("El archivo trazo.txt no contiene 0 ni 1.")
                                 : Trayecta::tr("No se puede leer el archivo trazo.txt (%1): %2.").arg(ruta, motivo);
        return false;
    }
    trazo = static_cast<uint8_t>(v);
    return true;
}

bool escribir_valor(const QString& ruta, int valor, QString* motivo) {
    const QByteArray linea = (valor < 0 ? QByteArray::number(valor) : " " + QByteArray::number(valor)) + " \r\n";
    const Escritura w = escribir_archivo(ruta, linea);
    if (motivo) *motivo = w.motivo;
    return bool(w);
}

}  // namespace tya
