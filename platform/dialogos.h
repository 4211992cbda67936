// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes, input boxes and the beep, as the program asks for them. The window uses
// the toolkit's boxes; tests and the calculator answer them from a script.
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

namespace tya {

// What the common file dialog is prepared with.
struct PedidoArchivo {
    QString titulo;
    QString carpeta;       // initial folder
    QString filtro;        // one entry such as "TYAib(*.TYA)"
    bool guardar = false;  // save (ask before overwriting) or open (the file must exist)
    QString sufijo;        // added by the dialog to a name typed without an extension
};

// The answer to a question with three buttons: the first, the second or "Cancelar".
enum class Eleccion { Primera, Segunda, Cancelar };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Exclamation icon, OK button, the program's title.
    virtual void mensaje(const QString& texto) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirmar(const QString& texto) = 0;
    // Question mark, buttons `primera`, `segunda` and "Cancelar"; Escape and closing the box cancel.
    virtual Eleccion elegir(const QString& texto, const QString& primera, const QString& segunda) = 0;
    // Input box; an empty text for Cancel.
    virtual QString entrada(const QString& pregunta, const QString& titulo) = 0;
    // The same with a default answer already typed in the box.
    virtual QString entrada_con_valor(const QString& pregunta, const QString& titulo, const QString& /*inicial*/) {
        return entrada(pregunta, titulo);
    }
    // Plain OK box with a title of its own, no icon.
    virtual void aviso(const QString& titulo, const QString& texto) { mensaje(titulo + texto); }
    virtual void pitido() = 0;
    // The common file dialog: the chosen name, with `sufijo` where the dialog adds it; empty for Cancel.
    virtual QString elegir_archivo(const PedidoArchivo& /*pedido*/) { return QString(); }
};

// Answers from a script and keeps what was shown.
class DialogosGuion : public Dialogos {
public:
    void mensaje(const QString& t) override { mensajes << t; }
    bool confirmar(const QString& t) override {
        mensajes << t;
        if (respuestas_confirmar.empty()) return true;
        bool r = respuestas_confirmar.front();
        respuestas_confirmar.pop_front();
        return r;
    }
    Eleccion elegir(const QString& t, const QString& primera, const QString& segunda) override {
        preguntas << t + QLatin1Char('|') + primera + QLatin1Char('|') + segunda;
        if (respuestas_elegir.empty()) return Eleccion::Cancelar;
        const Eleccion r = respuestas_elegir.front();
        respuestas_elegir.pop_front();
        return r;
    }
    QString entrada(const QString& p, const QString& titulo) override {
        preguntas << p + QLatin1Char('|') + titulo;
        if (respuestas_entrada.empty()) return QString();
        QString r = respuestas_entrada.front();
        respuestas_entrada.pop_front();
        return r;
    }
    QString entrada_con_valor(const QString& p, const QString& titulo, const QString& inicial) override {
        const QString r = entrada(p, titulo);
        preguntas.last() += QLatin1Char('|') + inicial;
        return r;
    }
    void aviso(const QString& titulo, const QString& texto) override { mensajes << titulo + QLatin1Char('|') + texto; }
    void pitido() override { ++pitidos; }
    QString elegir_archivo(const PedidoArchivo& p) override {
        archivos << p;
        if (respuestas_archivo.empty()) return QString();
        QString r = respuestas_archivo.front();
        respuestas_archivo.pop_front();
        return r;
    }

    QStringList mensajes, preguntas;
    QList<PedidoArchivo> archivos;
    std::deque<QString> respuestas_archivo;
    std::deque<bool> respuestas_confirmar;
    std::deque<Eleccion> respuestas_elegir;
    std::deque<QString> respuestas_entrada;
    int pitidos = 0;
};

}  // namespace tya
