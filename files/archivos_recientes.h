// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of the experiment files last saved or recovered, as "Archivo" shows it.
#include <QString>
#include <QStringList>

namespace tya {

inline constexpr int kMaxRecientes = 5;

// `ruta` (made absolute) first, any earlier mention of the same file dropped, at most five.
QStringList anotar_reciente(const QStringList& lista, const QString& ruta);

// The caption of the n-th entry (1 to 5): its access key, the file's name and its folder.
QString titulo_reciente(int n, const QString& ruta);

}  // namespace tya
