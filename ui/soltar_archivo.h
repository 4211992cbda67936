// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An experiment file dropped from the file manager onto the main window is recovered.
#include <QObject>
#include <functional>

class QMimeData;
class QWidget;

namespace tya {

class SoltarArchivo : public QObject {
public:
    // `puede` says whether a file may be recovered now (not during a flight, nor with a target
    // placed); `abrir` recovers it.
    SoltarArchivo(QWidget* ventana, std::function<bool()> puede, std::function<void(const QString&)> abrir);

    // The one local .TYA file the data carries; empty for anything else.
    static QString archivo_de(const QMimeData* datos);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    std::function<bool()> puede_;
    std::function<void(const QString&)> abrir_;
};

}  // namespace tya
