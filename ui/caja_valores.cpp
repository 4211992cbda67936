// SPDX-License-Identifier: GPL-3.0-or-later
#include "caja_valores.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "core/experiment_state.h"
#include "core/formato.h"
#include "core/traduccion.h"
#include "files/impresion.h"
#include "files/informe.h"
#include "platform/dialogos.h"
#include "platform/impresora.h"
#include "core/tamano_ventana.h"
#include "scene/textos.h"
#include "foco.h"

namespace tya {

namespace {
constexpr int kTwipsPorPx = 15;
// A window's outer size in twips holds its frame too: borders and caption, in pixels.
constexpr int kMarcoAncho = 6, kMarcoAlto = 26;
int px(int twips) { return static_cast<int>(std::lround(double(twips) / kTwipsPorPx)); }
}  // namespace

CajaValores::CajaValores(CajaTextos& textos, EstadoExp& st, Dialogos& dialogos, Impresora& impresora, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      textos_(textos),
      st_(st),
      dialogos_(dialogos),
      impresora_(impresora),
      fuente_(fuente_textos()) {
    setObjectName(QStringLiteral("CajaValores"));
    setModal(false);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto boton = [this](const char* nombre, const QString& caption, int x, int y, int w, int h) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        b->setGeometry(px(x), px(y), px(w), px(h));
        return b;
    };
    auto imagen = [this](const char* nombre, const QString& archivo, int x, int y, int w, int h) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nombre));
        // From the working folder; a missing picture leaves the place empty.
        const QPixmap p(textos_.ruta(archivo));
        l->setPixmap(p);
        l->setGeometry(px(x), px(y), std::max(px(w), p.width()), std::max(px(h), p.height()));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->hide();
        return l;
    };
    copiar_ = boton("Copiar", Trayecta::tr("Copiar al Portapapeles"), 1440, 2520, 2655, 375);
    figura_modelo_ = imagen("Picture1", QStringLiteral("Picture1.png"), 600, 2640, 2055, 2895);
    icono_ = imagen("icono", QStringLiteral("icono.png"), 120, 120, 495, 495);
    imprimir_ = boton("Imprimir", Trayecta::tr("Imprimir"), 600, 4440, 1215, 375);
    cerrar_ = boton("Salir3", Trayecta::tr("Cerrar"), 5880, 4560, 855, 375);
    copiar_->hide();
    imprimir_->hide();
    barra_ = new QScrollBar(Qt::Vertical, this);
    barra_->setObjectName(QStringLiteral("desplazamiento"));
    barra_->hide();
    connect(barra_, &QScrollBar::valueChanged, this, &CajaValores::desplazar);
    connect(copiar_, &QPushButton::clicked, this, &CajaValores::copiar);
    connect(imprimir_, &QPushButton::clicked, this, &CajaValores::imprimir_problema);
    connect(cerrar_, &QPushButton::clicked, this, &CajaValores::cerrar_o_seguir);
    move(px(1000), 100);
    foco_visible(this);
}

void CajaValores::mostrar_texto(TemaTexto tema) {
    // The copy button belongs to the report alone, whichever way the report was left.
    textos_.ventana_desactivada();
    textos_.mostrar_texto(tema);
    aplicar();
}

void CajaValores::elegir_problema() {
    textos_.ventana_desactivada();
    textos_.elegir_problema(dialogos_);
    aplicar();
    if (!textos_.vista().visible) emit escena_redibujada();
}

void CajaValores::mostrar_valores_extremos(bool blanco) {
    if (st_.EnVuelo == 1) return;
    textos_.vista().visible = false;
    textos_.mostrar_informe(informe_en_columnas(st_, blanco, separador_local(), textos_.vista().texto), blanco);
    st_.TextoCopia = texto_copia_informe(st_, blanco, separador_local());
    aplicar();
}

const TextoEnColumnas& CajaValores::texto() const { return textos_.vista().texto; }

void CajaValores::aplicar() {
    const VistaCaja& v = textos_.vista();
    if (!v.visible) {
        const bool tenia_foco = tiene_el_foco(this);
        hide();
        if (tenia_foco) volver_foco_.devolver();
        return;
    }
    setWindowTitle(v.caption);
    // The text is painted, not shown in a control: a screen reader reads it from here.
    QStringList lineas;
    for (const TextoEnColumnas::Renglon& r : v.texto.renglones()) {
        QString l;
        for (const TextoEnColumnas::Trozo& t : r)
            l += (l.isEmpty() ? QString() : QStringLiteral("  ")) + t.texto.trimmed();
        lineas << l;
    }
    setAccessibleName(v.caption);
    setAccessibleDescription(lineas.join(QLatin1Char('\n')).trimmed());
    copiar_->setVisible(v.copiar);
    imprimir_->setVisible(v.imprimir);
    icono_->setVisible(v.icono);
    figura_modelo_->setVisible(v.picture1);
    cerrar_->setText(v.salir3);

    // The text decides the size when it does not fit the window's: no line is cut off.
    const QFontMetricsF fm(fuente_);
    const double columna = fm.averageCharWidth();
    double derecha = 0;
    for (const TextoEnColumnas::Renglon& r : v.texto.renglones())
        for (const TextoEnColumnas::Trozo& t : r)
            derecha = std::max(derecha, (t.columna - 1) * columna + fm.horizontalAdvance(t.texto));
    const int abajo_texto = static_cast<int>(std::ceil(v.texto.renglones().size() * fm.lineSpacing())) + 4;
    const int arriba_botones = std::min(px(v.arriba_imprimir), px(v.arriba_salir3));
    const int bajar = std::max(0, abajo_texto - arriba_botones);
    QSize cliente(px(v.ancho) - kMarcoAncho, px(v.alto) - kMarcoAlto + bajar);
    cliente.setWidth(std::max(cliente.width(), static_cast<int>(std::ceil(derecha + columna))));
    // The frame as the window manager draws it, once the window has been shown.
    QSize marco = frameGeometry().size() - size();
    if (marco.isEmpty()) marco = QSize(kMarcoAncho, kMarcoAlto);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect pantalla = s ? s->availableGeometry() : QRect(QPoint(), cliente + marco);
    QRect ventana = recortada_a(QRect(QPoint(px(v.izquierda), y()), cliente + marco), pantalla);
    // Cut to the screen: the buttons stay at the bottom, the text and pictures scroll above them.
    const int sobra = cliente.height() - (ventana.height() - marco.height());
    // The scroll bar stands right of the text, never over its last column.
    if (sobra > 0 && derecha + columna + barra_->sizeHint().width() > cliente.width()) {
        cliente.setWidth(static_cast<int>(std::ceil(derecha + columna)) + barra_->sizeHint().width());
        ventana = recortada_a(
            QRect(QPoint(px(v.izquierda), y()), QSize(cliente.width(), ventana.height() - marco.height()) + marco),
            pantalla);
    }
    cliente = ventana.size() - marco;
    const int subir = std::max(0, sobra);
    imprimir_->move(imprimir_->x(), px(v.arriba_imprimir) + bajar - subir);
    cerrar_->move(cerrar_->x(), px(v.arriba_salir3) + bajar - subir);
    copiar_->move(copiar_->x(), px(2520) + bajar - subir);
    barra_->setGeometry(
        cliente.width() - barra_->sizeHint().width(), 0, barra_->sizeHint().width(),
        std::max(0, std::min(cerrar_->y(), imprimir_->isVisible() ? imprimir_->y() : cerrar_->y()) - 4));
    barra_->setRange(0, subir);
    barra_->setPageStep(std::max(1, barra_->height()));
    barra_->setSingleStep(static_cast<int>(fm.lineSpacing()));
    barra_->setValue(0);
    barra_->setVisible(subir > 0);
    desplazar();
    setFixedSize(cliente);
    move(ventana.topLeft());
    update();
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        volver_foco_.recordar(this);
        show();
        activateWindow();
    }
    cerrar_->setFocus(Qt::TabFocusReason);
}

void CajaValores::desplazar() {
    const int d = barra_->value();
    icono_->move(icono_->x(), px(120) - d);
    figura_modelo_->move(figura_modelo_->x(), px(2640) - d);
    update();
}

void CajaValores::wheelEvent(QWheelEvent* ev) {
    if (barra_->isVisible()) QCoreApplication::sendEvent(barra_, ev);
}

void CajaValores::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (barra_->isVisible()) p.setClipRect(0, 0, barra_->x(), barra_->height());
    p.translate(0, -barra_->value());
    p.setFont(fuente_);
    p.setPen(palette().color(QPalette::Text));
    const QFontMetricsF fm(fuente_);
    const double columna = fm.averageCharWidth();
    double y = fm.ascent();
    for (const TextoEnColumnas::Renglon& r : textos_.vista().texto.renglones()) {
        for (const TextoEnColumnas::Trozo& t : r) p.drawText(QPointF((t.columna - 1) * columna, y), t.texto);
        y += fm.lineSpacing();
    }
}

void CajaValores::changeEvent(QEvent* ev) {
    // Only when another window of the program takes over; going to another program keeps it.
    if (ev->type() == QEvent::ActivationChange && !isActiveWindow() && QApplication::activeWindow()) {
        textos_.ventana_desactivada();
        copiar_->hide();
    }
    QDialog::changeEvent(ev);
}

void CajaValores::copiar() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(st_.TextoCopia);
}

void CajaValores::imprimir_problema() {
    QStringList lineas;
    QString error;
    if (!textos_.lineas_problema(lineas, error)) {
        dialogos_.mensaje(error);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("problema-") + st_.ArchivoProblema,
        [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, lineas, e); });
    QApplication::restoreOverrideCursor();
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) dialogos_.mensaje(m);
}

void CajaValores::cerrar_o_seguir() {
    textos_.cerrar_o_seguir();
    // Closed, not led on to the next topic (whatever the button's caption reads in this language).
    const bool cierra = !textos_.vista().visible;
    aplicar();
    if (cierra) emit escena_redibujada();
}

void CajaValores::closeEvent(QCloseEvent* ev) {
    // The frame's close box closes as "Cerrar" would, whatever the button reads.
    textos_.cerrar();
    aplicar();
    emit escena_redibujada();
    ev->accept();
}

void CajaValores::reject() {
    textos_.cerrar();
    aplicar();
    emit escena_redibujada();
}

}  // namespace tya
