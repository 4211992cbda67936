#include "inic.h"

#include <QFile>
#include <QSaveFile>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "formato.h"

namespace tya {

const char* nombre_param(int i) {
    static const char* n[] = {"", "Vo", "Ang", "Xo", "Yo", "XoB", "YoB", "Vxb", "Vyb", "R", "Viento"};
    return (i >= 1 && i <= 10) ? n[i] : "";
}

bool leer_inic_texto(const QString& texto, ValoresInic& v, QString& error) {
    QString t = texto;
    t.replace(QLatin1String("\r"), QString());
    QStringList campos;
    for (const QString& linea : t.split(QLatin1Char('\n')))
        for (const QString& c : linea.split(QLatin1Char(',')))
            if (!c.trimmed().isEmpty()) campos << c.trimmed();
    for (int i = 1; i <= 10; ++i) {
        const int base = (i - 1) * 3;
        const QString registro = QStringLiteral("el registro %1 (%2)").arg(i).arg(QLatin1String(nombre_param(i)));
        if (campos.size() < base + 3) {
            error = QStringLiteral("INIC.DAT está incompleto: falta %1.").arg(registro);
            return false;
        }
        double val = 0, mx = 0, mn = 0;
        bool ok1 = false, ok2 = false, ok3 = false;
        val = campos[base].toDouble(&ok1);
        mx = campos[base + 1].toDouble(&ok2);
        mn = campos[base + 2].toDouble(&ok3);
        const bool rango = std::fabs(val) < 1e9 && std::fabs(mx) < 1e9 && mn >= -32768 && mn <= 32767 &&
                           mn == std::floor(mn);
        if (!ok1 || !ok2 || !ok3 || !rango) {
            error = QStringLiteral("INIC.DAT: no se puede leer %1: \"%2, %3, %4\".")
                        .arg(registro, campos[base], campos[base + 1], campos[base + 2]);
            return false;
        }
        v.valor[i] = Fijo::desde(val);
        v.max[i] = Fijo::desde(mx);
        v.min[i] = static_cast<int16_t>(mn);
    }
    return true;
}

bool leer_inic(const QString& ruta, ValoresInic& v, QString& error) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("No se encuentra el archivo INIC.DAT (%1).").arg(ruta);
        return false;
    }
    return leer_inic_texto(QString::fromLatin1(f.readAll()), v, error);
}

void aplicar_inic(const ValoresInic& v, EstadoExp& st) {
    for (int i = 1; i <= 10; ++i) {
        st.Param[i] = v.valor[i];
        st.Max[i] = v.max[i];
        st.Min[i] = v.min[i];
    }
}

bool leer_valor(const QString& ruta, double& valor) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QString t = QString::fromLatin1(f.read(4096)).trimmed();
    double v = 0;
    const QString primero = t.section(QRegularExpression(QStringLiteral("[\\s,]+")), 0, 0);
    if (!leer_numero_completo(primero, v)) return false;
    valor = v;
    return true;
}

bool leer_trazo(const QString& ruta, uint8_t& trazo, QString& error) {
    double v = 0;
    if (!QFile::exists(ruta)) {
        error = QStringLiteral("No se encuentra el archivo trazo.txt (%1).").arg(ruta);
        return false;
    }
    if (!leer_valor(ruta, v) || (v != 0 && v != 1)) {
        error = QStringLiteral("El archivo trazo.txt no contiene 0 ni 1.");
        return false;
    }
    trazo = static_cast<uint8_t>(v);
    return true;
}

bool escribir_valor(const QString& ruta, int valor) {
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray linea = (valor < 0 ? QByteArray::number(valor) : " " + QByteArray::number(valor)) + " \r\n";
    if (f.write(linea) != linea.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

}  // namespace tya
