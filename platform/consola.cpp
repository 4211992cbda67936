// SPDX-License-Identifier: GPL-3.0-or-later
#include "consola.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace tya {

namespace {
QtMessageHandler anterior = nullptr;

void filtrar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtDebugMsg || tipo == QtInfoMsg || tipo == QtWarningMsg) return;
    if (anterior)
        anterior(tipo, contexto, texto);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contexto, texto)));
}
}  // namespace

void silenciar_avisos_qt() {
    const QtMessageHandler previo = qInstallMessageHandler(filtrar);
    // Installed twice, it must not pass messages to itself.
    if (previo != filtrar) anterior = previo;
}

}  // namespace tya
