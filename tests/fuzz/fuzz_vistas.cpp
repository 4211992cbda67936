// SPDX-License-Identifier: GPL-3.0-or-later
// An experiment file read as the "Recuperar" command does, then every view of what was read:
// the scene redrawn at both zooms, both tables, the four graphs, the comparisons and the
// vectors of every sample.
#include "comun.h"
#include "files/informe.h"
#include "graphs/graficos.h"
#include "graphs/tablas.h"
#include "scene/escena.h"
#include "scene/vectores.h"

using namespace tya;

namespace {

void tabla(const EstadoExp& st, int k, bool velocidades) {
    const QStringList filas = velocidades ? tabla_velocidades(st, k, QLatin1Char(','))
                                          : tabla_posiciones(st, k, QLatin1Char(','));
    if (!experiencia_guardada(st, k)) {
        EXIGIR(filas.isEmpty(), QStringLiteral("tabla sin selección válida"));
        return;
    }
    const int n = Registros(st, k - 1).de(velocidades ? Magnitud::Velocidades : Magnitud::Posiciones).muestras();
    EXIGIR(filas.size() == n + 1, QStringLiteral("%1 filas para %2 muestras").arg(filas.size()).arg(n));
    for (const QString& f : filas) EXIGIR(f.count(QLatin1Char('\t')) == 2, f);
}

void grafico(const MarcoGrafico& m, bool hay) {
    EXIGIR(m.dibujado == hay && (!hay || (m.T >= 1 && m.arriba != m.abajo)),
           QStringLiteral("gráfico dibujado: %1, marco T %2").arg(m.dibujado).arg(m.T));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam) {
    fuzz::iniciar_qt();
    static const std::unique_ptr<EstadoExp> estado = std::make_unique<EstadoExp>();
    EstadoExp& st = *estado = fuzz::estado_inicial();
    // Surfaces kept from one input to the next and cleared: a new image for each is slow.
    static Superficie sup = nueva_superficie_escena();
    sup.modo(Modo::Copia);
    sup.retenido(true);
    sup.borrar();
    Escena escena(st, sup);
    escena.preparar();
    escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);

    const ResultadoArchivo r = fuzz::leer_y_comprobar(st, fuzz::bytes(datos, tam));
    const QByteArray antes = texto_experiencias(st);
    if (r.ok) escena.redibujar_escena();

    static Superficie curvas = nueva_caja_grafico(CajaGrafico::Curvas);
    static Superficie compara_p = nueva_caja_grafico(CajaGrafico::ComparaP);
    static Superficie compara_v = nueva_caja_grafico(CajaGrafico::ComparaV);
    for (Superficie* caja : {&curvas, &compara_p, &compara_v}) {
        caja->retenido(true);
        caja->borrar();
        caja->modo(Modo::Invertido);
        caja->escala(0, 0, caja->ancho_px(), caja->alto_px());
        caja->posicion(0, 0);
    }
    AcumComparacion acum;
    // One experiment past the stored ones too: the number box may name it.
    for (int k = 0; k <= st.NExp + 1; ++k) {
        tabla(st, k, false);
        tabla(st, k, true);
        const bool hay = experiencia_guardada(st, k);
        for (const bool vertical : {false, true}) {
            grafico(graficar_posiciones(st, k, curvas, vertical), hay);
            grafico(graficar_velocidades(st, k, curvas, vertical), hay);
        }
    }
    for (const bool vertical : {false, true}) {
        comparar_posiciones(st, acum, compara_p, vertical);
        comparar_velocidades(st, acum, compara_v, vertical);
    }
    // The extreme-values report in both layouts: one header, then a row per experiment.
    for (const bool blanco : {false, true}) {
        const QString copia = texto_copia_informe(st, blanco);
        EXIGIR(copia.count(QStringLiteral("\r\n")) == st.NExp + 2, copia);
        tabla_impresa(st, blanco, QLatin1Char('.'));
    }

    for (int zoom = 0; zoom < 2; ++zoom) {
        escena.menu_zoom();  // 10 first, then back to 1, each redrawing the experiments
        Raton raton;
        for (int k = 1; k <= st.NExp; ++k) {
            const size_t e = static_cast<size_t>(k - 1);
            const int n = Registros(st, static_cast<int>(e)).muestras();
            for (int i = 1; i <= n; ++i) {
                const float x = st.Xs[e][static_cast<size_t>(i)], y = st.Ys[e][static_cast<size_t>(i)];
                const double j = buscar_muestra(st, k, x, y);
                EXIGIR(j >= 1 && j <= n, QStringLiteral("muestra %1 de %2").arg(j).arg(n));
                valores_muestra(st, k, i);
                dibujar_vectores(st, sup, x, y, k, i);
                // A click on the sample's mark, as the scene's mouse handling reports it.
                raton.XRaton = static_cast<float>(static_cast<double>(x) * st.Escala);
                raton.YRaton = static_cast<float>(static_cast<double>(y) * st.Escala);
                raton.ColorCursor = sup.color_en(raton.XRaton, raton.YRaton);
                if (const auto m = clic_escena(raton, st, sup))
                    EXIGIR(m->experiencia >= 1 && m->experiencia <= st.NExp && m->indice >= 1 &&
                               m->indice <= Registros(st, m->experiencia - 1).muestras(),
                           QStringLiteral("clic: experiencia %1, muestra %2").arg(m->experiencia).arg(m->indice));
            }
        }
    }
    EXIGIR(st.Escala == 1, QString::number(st.Escala));
    EXIGIR(texto_experiencias(st) == antes, QStringLiteral("las vistas cambiaron las experiencias"));
    return 0;
}
