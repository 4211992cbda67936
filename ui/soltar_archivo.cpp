// SPDX-License-Identifier: GPL-3.0-or-later
#include "soltar_archivo.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace tya {

SoltarArchivo::SoltarArchivo(QWidget* ventana, std::function<bool()> puede, std::function<void(const QString&)> abrir)
    : QObject(ventana), puede_(std::move(puede)), abrir_(std::move(abrir)) {
    // What the scene's view does not take (anything but a marker) comes up to the window.
    ventana->setAcceptDrops(true);
    ventana->installEventFilter(this);
}

QString SoltarArchivo::archivo_de(const QMimeData* datos) {
    if (!datos || !datos->hasUrls() || datos->urls().size() != 1) return {};
    const QUrl u = datos->urls().constFirst();
    if (!u.isLocalFile() || !u.toLocalFile().endsWith(QLatin1String(".tya"), Qt::CaseInsensitive)) return {};
    return u.toLocalFile();
}

bool SoltarArchivo::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDropEvent*>(evento);
            // Refused as "Recuperar" is: the file manager shows it cannot be dropped.
            if (!archivo_de(e->mimeData()).isEmpty() && puede_())
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(evento);
            const QString ruta = archivo_de(e->mimeData());
            if (ruta.isEmpty() || !puede_()) return true;
            e->acceptProposedAction();
            // After the drop has ended: the file manager is not kept waiting behind a message box.
            QTimer::singleShot(0, this, [this, ruta] { abrir_(ruta); });
            return true;
        }
        default:
            return QObject::eventFilter(objeto, evento);
    }
}

}  // namespace tya
