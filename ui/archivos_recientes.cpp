// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivos_recientes.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "core/traduccion.h"
#include "files/archivos_recientes.h"
#include "files/preferencias.h"
#include "platform/dialogos.h"

namespace tya {

MenuRecientes::MenuRecientes(QMenu* archivo, QAction* antes_de, QAction* recuperar, Preferencias& preferencias,
                             Dialogos& dialogos, std::function<void(const QString&)> abrir)
    : QObject(archivo),
      menu_(archivo),
      antes_de_(antes_de),
      recuperar_(recuperar),
      preferencias_(preferencias),
      dialogos_(dialogos),
      abrir_(std::move(abrir)),
      lista_(preferencias.recientes()) {
    menu_->setToolTipsVisible(true);
    // Refused where "Recuperar" is: while a target is placed.
    connect(recuperar_, &QAction::changed, this, [this] {
        for (QAction* a : entradas_) a->setEnabled(recuperar_->isEnabled());
    });
    mostrar();
}

QAction* MenuRecientes::entrada(int n) const { return n >= 1 && n <= entradas_.size() ? entradas_[n - 1] : nullptr; }

void MenuRecientes::anotar(const QString& ruta) {
    lista_ = anotar_reciente(lista_, ruta);
    mostrar();
    // A list that cannot be kept still serves this session; the user is not interrupted for it.
    preferencias_.guardar_recientes(lista_);
}

void MenuRecientes::elegir(const QString& ruta) {
    if (!QFileInfo::exists(ruta)) {
        lista_.removeAll(ruta);
        preferencias_.guardar_recientes(lista_);
        dialogos_.mensaje(
            Trayecta::tr("El archivo %1 ya no existe; se quitó de la lista.").arg(QDir::toNativeSeparators(ruta)));
        mostrar();
        return;
    }
    abrir_(ruta);
}

void MenuRecientes::mostrar() {
    qDeleteAll(entradas_);
    entradas_.clear();
    delete separador_;
    separador_ = nullptr;
    if (lista_.isEmpty()) return;
    separador_ = menu_->insertSeparator(antes_de_);
    for (int i = 0; i < lista_.size(); ++i) {
        const QString ruta = lista_[i];
        auto* a = new QAction(titulo_reciente(i + 1, ruta), menu_);
        a->setObjectName(QStringLiteral("reciente_%1").arg(i + 1));
        a->setToolTip(QDir::toNativeSeparators(ruta));  // the whole name a long caption shortens
        a->setEnabled(recuperar_->isEnabled());
        // Queued: the file is read once the menu has closed, as after the file dialog.
        connect(
            a, &QAction::triggered, this, [this, ruta] { elegir(ruta); }, Qt::QueuedConnection);
        menu_->insertAction(antes_de_, a);
        entradas_ << a;
    }
}

}  // namespace tya
