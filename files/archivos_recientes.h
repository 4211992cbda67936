// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of the experiment files last saved or recovered, as "Archivo" shows it.
#include <QString>
#include <QStringList>

namespace tya {

inline constexpr int kMaxRecientes = 5;
// The most characters of a file's name, and of its folder, that a menu entry shows.
inline constexpr int kLargoNombreReciente = 40;

// `ruta` (made absolute) first, any earlier mention of the same file dropped, at most five.
QStringList anotar_reciente(const QStringList& lista, const QString& ruta);

// `texto` cut to `largo` characters by an ellipsis in its middle; as it is when short enough.
QString acortar_al_medio(const QString& texto, int largo);

// The caption of the n-th entry (1 to 5): its access key, the file's name and its folder, each
// shortened in the middle to kLargoNombreReciente characters.
QString titulo_reciente(int n, const QString& ruta);

}  // namespace tya
