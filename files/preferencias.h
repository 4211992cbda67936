// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program keeps for the user between runs, in the user's configuration folder (never
// in the working folder, which a whole class may share): the window size, the palette and the
// recent files.
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace tya {

// A settings file larger than this is set aside unread ("trayecta.ini.grande") as damaged.
inline constexpr qint64 kTopePreferencias = 1 << 20;

class Preferencias {
public:
    // The user's own file ("Trayecta/trayecta.ini" in the configuration folder).
    Preferencias();
    // A file of one's choosing.
    explicit Preferencias(const QString& archivo);
    ~Preferencias();

    // The chosen window size in percent, 0 for "Automático"; also 0 when the file is
    // unreadable, corrupt or holds a size not offered.
    int tamano() const;
    // False when the file could not be written.
    bool guardar_tamano(int porcentaje);

    // Whether the experiments are drawn in the projector palette; false when unset or unreadable.
    bool proyector() const;
    bool guardar_proyector(bool si);

    // The language the user chose in the menu ("es", "en", "pt_BR"), empty when unset: the
    // desktop's then rules. Whatever else the file holds is not an offered language.
    QString idioma() const;
    bool guardar_idioma(const QString& codigo);

    // The recent experiment files, newest first, at most five, without repeats.
    QStringList recientes() const;
    bool guardar_recientes(const QStringList& lista);

    QString archivo() const;

private:
    bool escribir(const QString& clave, const QVariant& valor);
    QString archivo_;
    std::unique_ptr<QSettings> s_;  // null when an oversized file could not be set aside
};

}  // namespace tya
