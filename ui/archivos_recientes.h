// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last five experiment files saved or recovered, listed in "Archivo" above "Salir".
#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace tya {

class Dialogos;
class Preferencias;

class MenuRecientes : public QObject {
    Q_OBJECT
public:
    // The entries go before `antes_de` in `archivo`; they are enabled while `recuperar` is, and
    // a chosen one is handed to `abrir`.
    MenuRecientes(QMenu* archivo, QAction* antes_de, QAction* recuperar, Preferencias& preferencias, Dialogos& dialogos,
                  std::function<void(const QString&)> abrir);

    // A file just saved or recovered goes first.
    void anotar(const QString& ruta);
    // The entry for the n-th file (1 to 5); null when the list is shorter.
    QAction* entrada(int n) const;

private:
    void elegir(const QString& ruta);
    void mostrar();

    QMenu* menu_;
    QAction* antes_de_;
    QAction* recuperar_;
    Preferencias& preferencias_;
    Dialogos& dialogos_;
    std::function<void(const QString&)> abrir_;
    QStringList lista_;
    QList<QAction*> entradas_;
    QAction* separador_ = nullptr;
};

}  // namespace tya
