// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Housekeeping of the session logs: listing them, the start-up offer to delete them, reading
// one back for the viewer, and the texts the documentation commands show.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/traduccion.h"

namespace tya {

// The .log files of a folder, by name in alphabetical order, with their total size.
struct ListaLogs {
    QStringList nombres;
    int64_t bytes = 0;
};
ListaLogs listar_logs(const QString& carpeta);

// Above this total the start-up offers to switch documentation off and delete the logs.
constexpr int64_t kTamLogsAviso = 10000;
bool ofrecer_borrar_logs(int trazo, int64_t tam_logs);

// The start-up offer's text and question. The question is translated when it is read, in the
// language installed by then (a QString made at start-up would stay Spanish).
QString texto_dialogo_logs(int nlogs, int64_t tam_logs);
struct PreguntaDialogoLogs {
    operator QString() const {
        return Trayecta::tr(" ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar todos los archivos  .log  ?");
    }
};
inline constexpr PreguntaDialogoLogs kPreguntaDialogoLogs;

// Deletes every listed log of `carpeta` but the last of the list; a file that cannot be
// deleted (already gone, write-protected) is skipped. Returns the names not deleted.
QStringList borrar_logs(const QString& carpeta, const QStringList& nombres);

// A log's text, every line ended by CR LF; empty when the file cannot be read.
QString texto_log(const QString& ruta);

// The message shown when documentation is switched on.
QString aviso_documentar();

}  // namespace tya
