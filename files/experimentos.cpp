// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentos.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

#include "core/archivo_texto.h"
#include "core/formato.h"
#include "core/traduccion.h"
#include "platform/escritura_atomica.h"
#include "platform/motivo_archivo.h"

namespace tya {

namespace {

const QByteArray kFin = QByteArrayLiteral("\r\n");

// Sample count of a record as a flight stores it (a whole number from 1 to 1900), or -1.
int cuenta_vuelo(Fijo v) {
    if (!v.es_entero() || v < Fijo::entero(1) || v > Fijo::entero(kMarcasMax)) return -1;
    return static_cast<int>(v.crudo() / Fijo::kEscala);
}

bool componer(const EstadoExp& st, QByteArray& salida, QString& error) {
    if (st.NExp < 0 || st.NExp > kExperiencias) {
        error = Trayecta::tr("No se puede guardar: el número de experiencias (%1) no está entre 0 y 10.").arg(st.NExp);
        return false;
    }
    const int ne = st.NExp;
    int cuentas_pos[kExperiencias] = {}, cuentas_vel[kExperiencias] = {};
    for (int e = 0; e < ne; ++e) {
        cuentas_pos[e] = cuenta_vuelo(st.Pos[e][1]);
        cuentas_vel[e] = cuenta_vuelo(st.VelMarca[e][1]);
        // A file the reader would refuse is not written at all.
        if (cuentas_pos[e] < 0 || cuentas_vel[e] != cuentas_pos[e]) {
            error = Trayecta::tr("No se puede guardar: la experiencia %1 tiene un número de muestras imposible.")
                        .arg(e + 1);
            return false;
        }
    }
    QByteArray s;
    s.reserve(1 << 16);
    auto valor = [&s](Fijo v) {
        s += forma_archivo(v).toLatin1();
        s += kFin;
    };
    s += QByteArray::number(ne) + kFin;
    for (int e = 0; e < ne; ++e)
        for (int k = 0; k <= 2 * cuentas_pos[e] + 8; ++k) valor(st.Pos[e][k]);
    for (int e = 0; e < ne; ++e)
        for (int k = 1; k <= 2 * cuentas_vel[e] + 8; ++k) valor(st.VelMarca[e][k]);
    for (int e = 0; e < ne; ++e)
        for (int j = 1; j <= cuentas_vel[e] + 2; ++j) {
            valor(st.Ax[e][j]);
            valor(st.Ay[e][j]);
        }
    for (int e = 0; e < ne; ++e)
        for (const Fijo& f : st.Extremos[e]) valor(f);
    salida = s;
    return true;
}

ResultadoArchivo fallo(int linea, const QString& error) { return {false, linea, error}; }

enum class Numero { Bien, NoEsNumero, Grande };

// A plain decimal number ("-", digits, "." and digits, blanks around it) read digit by digit
// into fixed point: going through a double would change the last digit of large values.
// Decimals beyond the fourth round to the nearest 0.0001, ties to even.
Numero leer_fijo(QByteArrayView t, Fijo& v) {
    t = t.trimmed();
    const bool neg = t.startsWith('-');
    qsizetype p = neg || t.startsWith('+') ? 1 : 0;
    // Any integer part beyond 2^64 is out of range; stopping there keeps the sums in 128 bits.
    constexpr unsigned __int128 kTope = static_cast<unsigned __int128>(1) << 64;
    unsigned __int128 crudo = 0;
    bool digitos = false, grande = false;
    auto digito = [&t](qsizetype i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    for (; digito(p); ++p) {
        digitos = true;
        crudo = crudo * 10 + static_cast<unsigned>(t[p] - '0');
        if (crudo > kTope) {
            grande = true;
            crudo = kTope;
        }
    }
    int decimales = 0, siguiente = 0;
    bool resto = false;  // a nonzero digit after the fifth decimal
    if (p < t.size() && t[p] == '.') {
        for (++p; digito(p); ++p, ++decimales) {
            digitos = true;
            const int d = t[p] - '0';
            if (decimales < 4)
                crudo = crudo * 10 + static_cast<unsigned>(d);
            else if (decimales == 4)
                siguiente = d;
            else
                resto = resto || d != 0;
        }
    }
    if (!digitos || p != t.size()) return Numero::NoEsNumero;
    if (grande) return Numero::Grande;
    for (int i = decimales; i < 4; ++i) crudo *= 10;
    if (siguiente > 5 || (siguiente == 5 && (resto || (crudo & 1) != 0))) crudo += 1;
    const unsigned __int128 limite = static_cast<unsigned __int128>(INT64_MAX) + (neg ? 1 : 0);
    if (crudo > limite) return Numero::Grande;
    const __int128 con_signo = neg ? -static_cast<__int128>(crudo) : static_cast<__int128>(crudo);
    v = Fijo::crudo(static_cast<int64_t>(con_signo));
    return Numero::Bien;
}

// Reads one value per line, counting lines for the error text. Lines may end in CR LF,
// LF alone or CR alone.
class Lector {
public:
    explicit Lector(QByteArray datos) : d_(std::move(datos)) {}
    int linea() const { return linea_; }
    void saltar_a(int linea) { linea_ = linea; }
    QString error;

    bool leer(Fijo& v) {
        ++linea_;
        if (p_ >= d_.size()) {
            error = Trayecta::tr("el archivo termina antes de tiempo");
            return false;
        }
        qsizetype fin = p_;
        while (fin < d_.size() && d_[fin] != '\n' && d_[fin] != '\r') ++fin;
        const QByteArrayView b = QByteArrayView(d_).sliced(p_, fin - p_);
        p_ = fin;
        if (p_ < d_.size() && d_[p_] == '\r') ++p_;
        if (p_ < d_.size() && d_[p_] == '\n') ++p_;
        switch (leer_fijo(b, v)) {
            case Numero::Bien:
                return true;
            case Numero::NoEsNumero:
                error = Trayecta::tr("no es un número: \"%1\"")
                            .arg(QString::fromLatin1(b.first(std::min<qsizetype>(b.size(), 40))));
                return false;
            case Numero::Grande:
                error = Trayecta::tr("el número es demasiado grande");
                return false;
        }
        return false;
    }

private:
    QByteArray d_;
    qsizetype p_ = 0;
    int linea_ = 0;
};

bool leer_bloques(EstadoExp& st, Lector& lec, int ne) {
    int n[kExperiencias] = {};
    // Each count is checked before it is stored, so the records never hold one no flight writes.
    auto cuenta = [&](Fijo& destino, int e, bool velocidad) {
        Fijo v;
        if (!lec.leer(v)) return false;
        const int c = cuenta_vuelo(v);
        if (c < 0) {
            lec.error = Trayecta::tr("la experiencia %1 declara %2 muestras; una experiencia tiene de 1 a %3")
                            .arg(e + 1)
                            .arg(forma_archivo(v))
                            .arg(kMarcasMax);
            return false;
        }
        if (velocidad && c != n[e]) {
            lec.error = Trayecta::tr("la experiencia %1 declara %2 muestras de velocidad y %3 de posición")
                            .arg(e + 1)
                            .arg(c)
                            .arg(n[e]);
            return false;
        }
        n[e] = c;
        destino = v;
        return true;
    };
    for (int e = 0; e < ne; ++e) {
        auto& pos = st.Pos[e];
        if (!lec.leer(pos[0])) return false;
        st.NColor = entero16(pos[0].real());
        if (!cuenta(pos[1], e, false)) return false;
        for (int j = 1; j <= n[e] + 3; ++j) {
            if (!lec.leer(pos[2 * j]) || !lec.leer(pos[2 * j + 1])) return false;
            st.Xs[e][j] = static_cast<float>(pos[2 * j].real());
            st.Ys[e][j] = static_cast<float>(pos[2 * j + 1].real());
        }
        if (!lec.leer(pos[2 * n[e] + 8])) return false;
    }
    for (int e = 0; e < ne; ++e) {
        auto& vel = st.VelMarca[e];
        if (!cuenta(vel[1], e, true)) return false;
        for (int j = 1; j <= n[e] + 3; ++j) {
            if (!lec.leer(vel[2 * j]) || !lec.leer(vel[2 * j + 1])) return false;
            st.Vx[e][j] = vel[2 * j];
            st.Vy[e][j] = vel[2 * j + 1];
        }
        if (!lec.leer(vel[2 * n[e] + 8])) return false;
    }
    for (int e = 0; e < ne; ++e)
        for (int j = 1; j <= n[e] + 2; ++j) {
            if (!lec.leer(st.Ax[e][j]) || !lec.leer(st.Ay[e][j])) return false;
            st.Tiempo[e][j] = Fijo::desde((j - 1) * 0.75);
        }
    for (int e = 0; e < ne; ++e)
        for (Fijo& f : st.Extremos[e])
            if (!lec.leer(f)) return false;
    return true;
}

}  // namespace

QByteArray texto_experiencias(const EstadoExp& st, QString* error) {
    QByteArray s;
    QString e;
    if (!componer(st, s, e)) {
        if (error) *error = e;
        return {};
    }
    return s;
}

ResultadoArchivo escribir_experiencias(const EstadoExp& st, QIODevice& destino) {
    QByteArray s;
    QString error;
    if (!componer(st, s, error)) return fallo(0, error);
    if (destino.write(s) != s.size()) return fallo(0, Trayecta::tr("No se pudo escribir el archivo completo."));
    return {true, 0, {}};
}

ResultadoArchivo grabar_experiencias(const EstadoExp& st, const QString& ruta) {
    QByteArray s;
    QString error;
    if (!componer(st, s, error)) return fallo(0, error);
    if (const Escritura w = escribir_archivo(ruta, s); !w)
        return fallo(0, Trayecta::tr("No se pudo guardar el archivo %1: %2.").arg(ruta, w.motivo));
    return {true, 0, {}};
}

ResultadoArchivo leer_experiencias(EstadoExp& st, QIODevice& origen, const AlFijarNGraf& al_fijar_ngraf) {
    QByteArray datos = origen.read(kTopeExperiencias + 1);
    quitar_bom(datos);
    Lector lec(datos);
    auto olvidar = [&st, &lec](const QString& error) {
        st.NExp = 0;
        st.NGrafSel = 0;
        st.NColor = 2;
        return fallo(lec.linea(), error);
    };
    if (datos.size() > kTopeExperiencias)
        return olvidar(Trayecta::tr("ocupa más de %1; ningún archivo de experiencias es tan grande")
                           .arg(texto_tamano(kTopeExperiencias)));
    // Binary content is named, not echoed, at its line.
    qsizetype donde = 0;
    if (const QString m = motivo_contenido(datos, &donde); !m.isEmpty()) {
        const QByteArray antes = datos.left(donde).replace("\r\n", "\n");
        lec.saltar_a(static_cast<int>(antes.count('\n') + antes.count('\r')) + 1);
        //: %1 is what is wrong with the content: "tiene bytes nulos: no es un archivo de texto"
        return olvidar(Trayecta::tr("el archivo %1").arg(m));
    }
    Fijo cuenta;
    if (!lec.leer(cuenta)) return olvidar(lec.error);
    if (!cuenta.es_entero() || cuenta < Fijo() || cuenta > Fijo::entero(kExperiencias))
        return olvidar(Trayecta::tr("el archivo declara %1 experiencias; caben de 0 a 10").arg(forma_archivo(cuenta)));
    const int ne = static_cast<int>(cuenta.crudo() / Fijo::kEscala);
    st.NExp = static_cast<int16_t>(ne);
    st.NGrafSel = st.NExp;
    if (al_fijar_ngraf) al_fijar_ngraf(QString::number(ne));
    if (!leer_bloques(st, lec, ne)) return olvidar(lec.error);
    return {true, lec.linea(), {}};
}

ResultadoArchivo recuperar_experiencias(EstadoExp& st, const QString& ruta, const AlFijarNGraf& al_fijar_ngraf) {
    QByteArray datos;
    QString motivo;
    if (!leer_archivo(ruta, kTopeExperiencias, datos, motivo)) {
        st.NExp = 0;
        st.NGrafSel = 0;
        st.NColor = 2;
        return fallo(0, Trayecta::tr("No se puede abrir el archivo %1: %2.").arg(ruta, motivo));
    }
    QBuffer b(&datos);
    b.open(QIODevice::ReadOnly);
    ResultadoArchivo r = leer_experiencias(st, b, al_fijar_ngraf);
    if (!r) r.error = Trayecta::tr("No se puede leer el archivo %1, línea %2: %3.").arg(ruta).arg(r.linea).arg(r.error);
    return r;
}

QString con_extension_tya(const QString& ruta) {
    const QString nombre = QFileInfo(ruta).fileName();
    if (nombre.isEmpty() || nombre.endsWith(QLatin1Char('.')))
        return nombre.isEmpty() ? ruta : ruta + QLatin1String("TYA");
    // A leading dot names a hidden file, not an extension.
    return nombre.lastIndexOf(QLatin1Char('.')) > 0 ? ruta : ruta + QLatin1String(".TYA");
}

QString carpeta_experiencias() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documentos.isEmpty()) return {};
    const QString carpeta = QDir(documentos).filePath(QStringLiteral("trayexp"));
    // Where it cannot be made the dialog starts in the documents folder itself.
    return QDir().mkpath(carpeta) ? carpeta : documentos;
}

}  // namespace tya
