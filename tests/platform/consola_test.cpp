// SPDX-License-Identifier: GPL-3.0-or-later
// Standard error without the toolkit's warnings.
#include "platform/consola.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList vistos;
void anotar(QtMsgType, const QMessageLogContext&, const QString& texto) { vistos << texto; }
}  // namespace

TEST(Consola, CallaLosAvisosDeQtYDejaPasarLoGrave) {
    const QtMessageHandler previo = qInstallMessageHandler(anotar);
    tya::silenciar_avisos_qt();
    tya::silenciar_avisos_qt();  // a second call must not hand messages to itself
    qDebug("depuración");
    qInfo("nota");
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'");
    qCritical("grave");
    qInstallMessageHandler(previo);
    EXPECT_EQ(vistos, QStringList{"grave"});
}
