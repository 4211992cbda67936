// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencias.h"

#include <QSettings>

#include "archivos_recientes.h"
#include "core/tamano_ventana.h"

namespace tya {

namespace {
const QString kTamano = QStringLiteral("ventana/tamano");
const QString kRecientes = QStringLiteral("archivo/recientes");
}  // namespace

Preferencias::Preferencias()
    : s_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Trayecta"),
                                     QStringLiteral("trayecta"))) {}

Preferencias::Preferencias(const QString& archivo) : s_(std::make_unique<QSettings>(archivo, QSettings::IniFormat)) {}

Preferencias::~Preferencias() = default;

QString Preferencias::archivo() const { return s_->fileName(); }

int Preferencias::tamano() const {
    if (s_->status() != QSettings::NoError) return 0;
    bool ok = false;
    const int p = s_->value(kTamano).toInt(&ok);
    return ok ? tamano_valido(p) : 0;
}

QStringList Preferencias::recientes() const {
    if (s_->status() != QSettings::NoError) return {};
    // Whatever the file holds, the list the menu shows keeps its rules.
    QStringList r;
    const QStringList guardada = s_->value(kRecientes).toStringList();
    for (auto it = guardada.crbegin(); it != guardada.crend(); ++it)
        if (!it->isEmpty()) r = anotar_reciente(r, *it);
    return r;
}

bool Preferencias::escribir(const QString& clave, const QVariant& valor) {
    s_->setValue(clave, valor);
    s_->sync();
    return s_->status() == QSettings::NoError;
}

bool Preferencias::guardar_tamano(int porcentaje) { return escribir(kTamano, tamano_valido(porcentaje)); }

bool Preferencias::guardar_recientes(const QStringList& lista) { return escribir(kRecientes, lista); }

}  // namespace tya
