#pragma once
// Message boxes, input boxes and the beep, as the program asks for them. The window uses
// the toolkit's boxes; tests and the calculator answer them from a script.
#include <QString>
#include <QStringList>
#include <deque>

namespace tya {

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Exclamation icon, OK button, the program's title.
    virtual void mensaje(const QString& texto) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirmar(const QString& texto) = 0;
    // Input box; an empty text for Cancel.
    virtual QString entrada(const QString& pregunta, const QString& titulo) = 0;
    // The same with a default answer already typed in the box.
    virtual QString entrada_con_valor(const QString& pregunta, const QString& titulo, const QString& /*inicial*/) {
        return entrada(pregunta, titulo);
    }
    // Plain OK box with a title of its own, no icon.
    virtual void aviso(const QString& titulo, const QString& texto) { mensaje(titulo + texto); }
    virtual void pitido() = 0;
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

    QStringList mensajes, preguntas;
    std::deque<bool> respuestas_confirmar;
    std::deque<QString> respuestas_entrada;
    int pitidos = 0;
};

}  // namespace tya
