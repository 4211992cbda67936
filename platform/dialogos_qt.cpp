// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogos_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/traduccion.h"

namespace tya {

const QString kTituloAplicacion = QStringLiteral("Trayecta");

void DialogosQt::mensaje(const QString& texto) {
    QMessageBox::warning(padre_, kTituloAplicacion, texto, QMessageBox::Ok);
}

bool DialogosQt::confirmar(const QString& texto) {
    return QMessageBox::warning(padre_, kTituloAplicacion, texto, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Ok) == QMessageBox::Ok;
}

Eleccion DialogosQt::elegir(const QString& texto, const QString& primera, const QString& segunda) {
    QMessageBox m(QMessageBox::Question, kTituloAplicacion, texto, QMessageBox::NoButton, padre_);
    QPushButton* a = m.addButton(primera, QMessageBox::AcceptRole);
    QPushButton* b = m.addButton(segunda, QMessageBox::DestructiveRole);
    QPushButton* c = m.addButton(QMessageBox::Cancel);
    // The safe answer is the one Enter gives; Escape and the window's frame cancel.
    m.setDefaultButton(a);
    m.setEscapeButton(c);
    m.exec();
    if (m.clickedButton() == a) return Eleccion::Primera;
    if (m.clickedButton() == b) return Eleccion::Segunda;
    return Eleccion::Cancelar;
}

QString DialogosQt::entrada(const QString& pregunta, const QString& titulo) {
    return entrada_con_valor(pregunta, titulo, QString());
}

QString DialogosQt::entrada_con_valor(const QString& pregunta, const QString& titulo, const QString& inicial) {
    QInputDialog d(padre_);
    d.setWindowTitle(titulo);
    d.setLabelText(pregunta);
    d.setInputMode(QInputDialog::TextInput);
    d.setTextValue(inicial);
    d.move(67, 67);  // 1000 twips from the screen's corner
    if (d.exec() != QDialog::Accepted) return QString();
    return d.textValue();
}

void DialogosQt::aviso(const QString& titulo, const QString& texto) {
    QMessageBox m(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, padre_);
    m.exec();
}

void DialogosQt::pitido() { QApplication::beep(); }

QString TiposArchivo::type(const QFileInfo& info) const {
    if (info.isRoot()) return Trayecta::tr("Unidad");
    if (info.isDir()) return Trayecta::tr("Carpeta");
    const QString ext = info.suffix();
    return ext.isEmpty() ? Trayecta::tr("Archivo") : Trayecta::tr("Archivo %1").arg(ext);
}

QString DialogosQt::elegir_archivo(const PedidoArchivo& p) {
    QFileDialog d(padre_, p.titulo, p.carpeta, p.filtro);
    d.setAcceptMode(p.guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(p.guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Added before the dialog asks about replacing, so the question names the file written.
    d.setDefaultSuffix(p.sufijo);
    // Qt's Spanish translation leaves the kinds of entry ("Folder") untranslated.
    TiposArchivo tipos;
    d.setIconProvider(&tipos);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
    return d.selectedFiles().constFirst();
}

}  // namespace tya
