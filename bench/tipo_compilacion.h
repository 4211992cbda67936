// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first line of every benchmark: figures from an unoptimised build mean little.
#include <cstdio>

#ifndef TYA_TIPO_COMPILACION
#define TYA_TIPO_COMPILACION "?"
#endif

inline void imprimir_tipo_compilacion() {
#ifdef __OPTIMIZE__
    const char* optimizado = "optimised";
#else
    const char* optimizado = "not optimised";
#endif
    std::printf("build type: %s (%s)\n\n", TYA_TIPO_COMPILACION, optimizado);
}
