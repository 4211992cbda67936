#include "experimentos.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include "core/formato.h"

namespace tya {

namespace {

const QByteArray kFin = QByteArrayLiteral("\r\n");

// Sample count of a record as the file uses it, or -1 when it does not fit the records.
int cuenta_archivo(const Registro& r) {
    const double n = r[1].real();
    if (!(n > -0.5 && n < kMuestrasArchivo + 0.5)) return -1;
    return entero16(n);
}

bool componer(const EstadoExp& st, QByteArray& salida, QString& error) {
    if (st.NExp < 0 || st.NExp > kExperiencias) {
        error = QStringLiteral("No se puede guardar: el número de experiencias (%1) no está entre 0 y 10.").arg(st.NExp);
        return false;
    }
    const int ne = st.NExp;
    int cuentas_pos[kExperiencias] = {}, cuentas_vel[kExperiencias] = {};
    for (int e = 0; e < ne; ++e) {
        cuentas_pos[e] = cuenta_archivo(st.Pos[e]);
        cuentas_vel[e] = cuenta_archivo(st.VelMarca[e]);
        if (cuentas_pos[e] < 0 || cuentas_vel[e] < 0) {
            error = QStringLiteral("No se puede guardar: la experiencia %1 tiene un número de muestras imposible.").arg(e + 1);
            return false;
        }
    }
    QByteArray s;
    s.reserve(1 << 16);
    auto valor = [&s](Fijo v) { s += forma_archivo(v).toLatin1(); s += kFin; };
    s += QByteArray::number(ne) + kFin;
    for (int e = 0; e < ne; ++e)
        for (int k = 0; k <= 2 * cuentas_pos[e] + 8; ++k) valor(st.Pos[e][k]);
    for (int e = 0; e < ne; ++e)
        for (int k = 1; k <= 2 * cuentas_vel[e] + 8; ++k) valor(st.VelMarca[e][k]);
    for (int e = 0; e < ne; ++e)
        for (int j = 1; j <= cuentas_vel[e] + 2; ++j) { valor(st.Ax[e][j]); valor(st.Ay[e][j]); }
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
            if (decimales < 4) crudo = crudo * 10 + static_cast<unsigned>(d);
            else if (decimales == 4) siguiente = d;
            else resto = resto || d != 0;
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

// Reads one value per line, counting lines for the error text.
class Lector {
public:
    explicit Lector(QIODevice& d) : d_(d) {}
    int linea() const { return linea_; }
    QString error;

    bool leer(Fijo& v) {
        if (d_.atEnd()) {
            ++linea_;
            error = QStringLiteral("El archivo termina antes de tiempo (línea %1).").arg(linea_);
            return false;
        }
        QByteArray b = d_.readLine();
        ++linea_;
        while (b.endsWith('\n') || b.endsWith('\r')) b.chop(1);
        switch (leer_fijo(b, v)) {
        case Numero::Bien:
            return true;
        case Numero::NoEsNumero:
            error = QStringLiteral("La línea %1 no es un número: \"%2\".").arg(linea_).arg(QString::fromLatin1(b.left(40)));
            return false;
        case Numero::Grande:
            error = QStringLiteral("El número de la línea %1 es demasiado grande.").arg(linea_);
            return false;
        }
        return false;
    }
    // A count read back as a 16-bit whole number; -1 when it lies outside [minimo, maximo].
    int cuenta(Fijo v, int minimo, int maximo) const {
        const double d = v.real();
        if (!(d > minimo - 0.5 && d < maximo + 0.5)) return -1;
        const int n = entero16(d);
        return n < minimo || n > maximo ? -1 : n;
    }

private:
    QIODevice& d_;
    int linea_ = 0;
};

bool leer_bloques(EstadoExp& st, Lector& lec, int ne, QString& error) {
    int n[kExperiencias] = {};
    auto cuenta = [&](const Fijo& v, int e) {
        n[e] = lec.cuenta(v, 0, kMuestrasArchivo);
        if (n[e] < 0)
            error = QStringLiteral("La experiencia %1 declara %2 muestras en la línea %3; caben de 0 a %4.")
                        .arg(e + 1).arg(forma_archivo(v)).arg(lec.linea()).arg(kMuestrasArchivo);
        return n[e] >= 0;
    };
    for (int e = 0; e < ne; ++e) {
        auto& pos = st.Pos[e];
        if (!lec.leer(pos[0])) return false;
        st.NColor = entero16(pos[0].real());
        if (!lec.leer(pos[1]) || !cuenta(pos[1], e)) return false;
        for (int j = 1; j <= n[e] + 3; ++j) {
            if (!lec.leer(pos[2 * j]) || !lec.leer(pos[2 * j + 1])) return false;
            st.Xs[e][j] = static_cast<float>(pos[2 * j].real());
            st.Ys[e][j] = static_cast<float>(pos[2 * j + 1].real());
        }
        if (!lec.leer(pos[2 * n[e] + 8])) return false;
    }
    for (int e = 0; e < ne; ++e) {
        auto& vel = st.VelMarca[e];
        if (!lec.leer(vel[1]) || !cuenta(vel[1], e)) return false;
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
    if (destino.write(s) != s.size()) return fallo(0, QStringLiteral("No se pudo escribir el archivo completo."));
    return {true, 0, {}};
}

ResultadoArchivo grabar_experiencias(const EstadoExp& st, const QString& ruta) {
    QByteArray s;
    QString error;
    if (!componer(st, s, error)) return fallo(0, error);
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return fallo(0, QStringLiteral("No se puede crear el archivo %1: %2").arg(ruta, f.errorString()));
    // commit() alone can report success on a full disk: check the write and the flush first.
    if (f.write(s) != s.size() || !f.flush()) {
        const QString motivo = f.errorString();
        f.cancelWriting();
        f.commit();
        return fallo(0, QStringLiteral("No se pudo escribir el archivo %1: %2").arg(ruta, motivo));
    }
    if (!f.commit()) return fallo(0, QStringLiteral("No se pudo guardar el archivo %1: %2").arg(ruta, f.errorString()));
    return {true, 0, {}};
}

ResultadoArchivo leer_experiencias(EstadoExp& st, QIODevice& origen, const AlFijarNGraf& al_fijar_ngraf) {
    Lector lec(origen);
    auto olvidar = [&st, &lec](const QString& error) {
        st.NExp = 0;
        st.NGrafSel = 0;
        st.NColor = 2;
        return fallo(lec.linea(), error);
    };
    Fijo cuenta;
    if (!lec.leer(cuenta)) return olvidar(lec.error);
    const int ne = lec.cuenta(cuenta, 0, kExperiencias);
    if (ne < 0)
        return olvidar(QStringLiteral("El archivo declara %1 experiencias; caben de 0 a 10.").arg(forma_archivo(cuenta)));
    st.NExp = static_cast<int16_t>(ne);
    st.NGrafSel = st.NExp;
    if (al_fijar_ngraf) al_fijar_ngraf(QString::number(ne));
    QString error;
    if (!leer_bloques(st, lec, ne, error)) return olvidar(error.isEmpty() ? lec.error : error);
    return {true, lec.linea(), {}};
}

ResultadoArchivo recuperar_experiencias(EstadoExp& st, const QString& ruta, const AlFijarNGraf& al_fijar_ngraf) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        st.NExp = 0;
        st.NGrafSel = 0;
        st.NColor = 2;
        return fallo(0, QStringLiteral("No se puede abrir el archivo %1: %2").arg(ruta, f.errorString()));
    }
    return leer_experiencias(st, f, al_fijar_ngraf);
}

}  // namespace tya
