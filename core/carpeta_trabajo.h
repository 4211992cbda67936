// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working folder: where the start-up files are read and the logs written.
#include <QString>

namespace tya {

class Dialogos;

// The per-user folder: "Trayecta" in the user's documents folder (the home folder if there is none).
QString carpeta_usuario();

// The shipped start-up files, found from the program's own folder: the installed share/trayecta
// beside its bin/, or the program's folder itself when it holds INIC.DAT (a build folder).
// Empty when neither exists.
QString carpeta_compartida(const QString& dir_programa);

// `actual` when it holds INIC.DAT (a build or classroom folder), `de_usuario` otherwise.
QString elegir_carpeta(const QString& actual, const QString& de_usuario);

// Creates `destino` and copies into it every shipped file it lacks, those of the shipped
// subfolders (the translated texts' en/, pt_BR/) into subfolders of the same names. A copy made
// earlier is brought up to date only while the user has left it as it was; a file the user or
// the program changed is never overwritten. False with `error` naming the folder or file that
// failed.
bool llenar_carpeta(const QString& compartida, const QString& destino, QString& error);

// The whole decision: the folder to work in, created and filled when it is the per-user one.
// Empty with `error` when the per-user folder cannot be made ready.
QString preparar_carpeta_trabajo(const QString& actual, const QString& dir_programa, const QString& de_usuario,
                                 QString& error);
// The same with the current directory, the running program's folder and carpeta_usuario().
QString preparar_carpeta_trabajo(QString& error);

// At start-up: the prepared folder made the current directory, and returned. When it cannot be,
// the user is told why in the program's message box, and the result is empty.
QString entrar_en_carpeta_trabajo(const QString& actual, const QString& dir_programa, const QString& de_usuario,
                                  Dialogos& dialogos);
QString entrar_en_carpeta_trabajo(Dialogos& dialogos);

}  // namespace tya
