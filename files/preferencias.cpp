// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencias.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "archivos_recientes.h"
#include "core/tamano_ventana.h"

namespace tya {

namespace {
const QString kTamano = QStringLiteral("ventana/tamano");
const QString kRecientes = QStringLiteral("archivo/recientes");
const QString kProyector = QStringLiteral("ventana/proyector");
const QString kIdioma = QStringLiteral("ventana/idioma");

// Read whole at every start and rewritten whole at every save: a file beyond this size is none
// the program wrote, and would stop the window each time.
std::unique_ptr<QSettings> abrir(const QString& archivo) {
    if (QFileInfo(archivo).size() > kTopePreferencias) {
        // Set aside, not read: the program goes on with its defaults and a new small file.
        const QString aparte = archivo + QStringLiteral(".grande");
        QFile::remove(aparte);
        if (!QFile::rename(archivo, aparte)) return nullptr;
    }
    return std::make_unique<QSettings>(archivo, QSettings::IniFormat);
}
}  // namespace

Preferencias::Preferencias()
    : Preferencias(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/Trayecta/trayecta.ini")) {}

Preferencias::Preferencias(const QString& archivo) : archivo_(archivo), s_(abrir(archivo)) {}

Preferencias::~Preferencias() = default;

QString Preferencias::archivo() const { return archivo_; }

int Preferencias::tamano() const {
    if (!s_ || s_->status() != QSettings::NoError) return 0;
    bool ok = false;
    const int p = s_->value(kTamano).toInt(&ok);
    return ok ? tamano_valido(p) : 0;
}

bool Preferencias::proyector() const {
    if (!s_ || s_->status() != QSettings::NoError) return false;
    // Only the two words the program writes: anything else keeps the usual palette.
    return s_->value(kProyector).toString() == QLatin1String("true");
}

bool Preferencias::guardar_proyector(bool si) { return escribir(kProyector, si); }

QString Preferencias::idioma() const {
    if (!s_ || s_->status() != QSettings::NoError) return {};
    return s_->value(kIdioma).toString();
}

bool Preferencias::guardar_idioma(const QString& codigo) { return escribir(kIdioma, codigo); }

QStringList Preferencias::recientes() const {
    if (!s_ || s_->status() != QSettings::NoError) return {};
    // Whatever the file holds, the list the menu shows keeps its rules.
    QStringList r;
    const QStringList guardada = s_->value(kRecientes).toStringList();
    for (auto it = guardada.crbegin(); it != guardada.crend(); ++it)
        if (!it->isEmpty()) r = anotar_reciente(r, *it);
    return r;
}

bool Preferencias::escribir(const QString& clave, const QVariant& valor) {
    if (!s_) return false;
    s_->setValue(clave, valor);
    s_->sync();
    return s_->status() == QSettings::NoError;
}

bool Preferencias::guardar_tamano(int porcentaje) { return escribir(kTamano, tamano_valido(porcentaje)); }

bool Preferencias::guardar_recientes(const QStringList& lista) { return escribir(kRecientes, lista); }

}  // namespace tya
