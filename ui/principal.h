#pragma once
// The main window: menus, parameter panels, markers and the scene it draws on.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "core/experiment_state.h"
#include "core/vuelo.h"
#include "files/bitacora.h"
#include "graphs/graficos.h"
#include "scene/escena.h"
#include "scene/vectores.h"

class QAction;
class QComboBox;
class QListWidget;
class QPushButton;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QTimer;

namespace tya {

class BotonImagen;
class CajaTexto;
class CajaTextos;
class CajaValores;
class ImpresoraSistema;
class TrabajoPractico;
class FormTabla;
class Dialogos;
class Marcador;
class Reloj;
class Trazas;
class VistaSuperficie;
class VisorAyuda;

class Princip : public QMainWindow, public VentanaVuelo, public VentanaEscena {
    Q_OBJECT
public:
    // `directorio` is the working folder with INIC.DAT, trazo.txt and "sugiere".
    Princip(EstadoExp& st, Dialogos& dialogos, Reloj& reloj, const QString& directorio);
    ~Princip() override;

    // The load sequence; when start-up cannot go on, a message naming the file and false.
    bool cargar();

    // Commands of the menu bar and the picture buttons.
    void Lanzar1_Click();
    void Picture1_Click();
    void menu_parar_Click();
    void Picture2_Click();
    void Borrar_Click();
    void menu_zoom_Click();
    void Blanco1_Click();
    void Salir_Click();
    void menu_sugiere_Click();
    void Menu_seleccion_Click(int indice);
    void Timer1_Timer();
    void Cerrar_Click();

    // Experiment files and session documentation (the "&Archivo" menu).
    void Grabar_Click();
    void Recuperar_Click();
    void archivo_experiencias(int modo);  // 1 recovers, 2 saves
    // A file named outside the dialog (command line, a drop, the recent list), recovered as
    // "Recuperar" does; refused when "Recuperar" would be (a flight, a placed target).
    bool puede_recuperar() const;
    void abrir_experiencias(const QString& ruta);
    // Told of every file saved or recovered (the recent list).
    std::function<void(const QString&)> archivo_usado;
    void recup_sesion_Click();
    void menu_trazo_Click();
    void inicializar();       // starts a new session log
    void cerrar_archivos();   // closes every open file of the program
    const Bitacora& bitacora() const { return bitacora_; }
    Trazas* trazas() const { return trazas_; }

    // Text window, problems, practical work and printing.
    void menu_modelo_Click();
    void menu_valores_Click();
    void Problem_Click();
    void tp_Click();
    void ImprVal_Click();
    void ImprGraf_Click();
    CajaValores* caja_valores();  // created on first use
    TrabajoPractico* trabajo_practico() const { return Frame4; }
    ImpresoraSistema& impresora() { return *impresora_; }

    // Parameter entry.
    bool Entrada_KeyPress(int i, QChar tecla);
    void Entrada_Change(int i);
    void SpinUp_Click(int i);
    void SpinDown_Click(int i);
    void Combo1_Click(int posicion);
    void Combo2_Click(int posicion);
    void Option3_Click(int i);

    // Graph-and-table panel and comparisons.
    void menu_posiciones_Click();
    void menu_velocidades_Click();
    void Command7_Click();
    void Option1_Click();
    void Option2_Click();
    bool NGraf_KeyPress(QChar tecla);
    void NGraf_Change();
    void SpinDown2_Click();
    void SpinUp2_Click();
    void Comparar_Click();
    void cierracomparaP_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void menu_copi_pant_Click();
    int16_t modo_graf() const { return ModoGraf; }
    QListWidget* lista() const { return List1; }
    CajaTexto* ngraf() const { return NGraf; }
    Superficie& curvas() { return *curvas_sup_; }
    Superficie& compara_p() { return *comparap_sup_; }
    Superficie& compara_v() { return *comparav_sup_; }

    // Markers.
    void Cruz_MouseDown();
    void Blanco_MouseDown();
    void Form_DragDrop(float x, float y);

    // Sample inspection on the scene.
    void Form_MouseMove(float x, float y);
    void Form_Click();
    void Form_Activate();
    const Raton& raton() const { return raton_; }
    FormTabla* formtabla() const { return formtabla_; }

    CajaTexto* entrada(int i) const { return Entrada[i]; }
    QAction* accion(const QString& nombre) const;
    Superficie& superficie_escena() { return *sup_; }
    Escena& escena() { return *escena_; }
    Marcador* cruz() const { return Cruz; }
    Marcador* blanco() const { return Blanco; }
    QComboBox* combo1() const { return Combo1; }
    QComboBox* combo2() const { return Combo2; }
    QRadioButton* option3(int i) const { return Option3[i]; }
    BotonImagen* spin_up(int i) const { return SpinUp[i]; }
    BotonImagen* spin_down(int i) const { return SpinDown[i]; }
    BotonImagen* picture(int i) const { return i == 1 ? Picture1 : Picture2; }
    VistaSuperficie* vista_escena() const { return vista_; }
    int arrastre() const { return Arrastre; }
    // The window's position in scene units of a marker's top-left corner.
    QPointF esquina_en_escena(const QWidget* marcador) const;

    // VentanaVuelo
    void procesar_eventos() override;
    bool blanco_colocado() const override;
    void mostrar_radio(const QString& t) override;
    void mover_blanco(double izquierda, double arriba) override;
    void mostrar_ngraf(const QString& t) override;
    void documentar_lanzamiento() override;

    // VentanaEscena
    void menus_experiencias(bool habilitados) override;
    void vaciar_lista_y_ngraf() override;
    void borrar_curvas() override;
    void colocar_blanco(Esquina e) override;
    void colocar_cruz(Esquina e) override;
    void zoom_cambiado(const FilaZoom& fila) override;

protected:
    void closeEvent(QCloseEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void crear_menus();
    void recuperar_de(const QString& ruta);
    void crear_paneles();
    void crear_vistas();
    // The graph routines, drawn only for an experiment that exists.
    void graficar(bool velocidades);
    void comparar(bool velocidades);
    void tabla(bool velocidades);
    void presionar_y(BotonImagen* b, const std::function<void()>& accion);
    void poner_texto(int i, const QString& t);
    void recordar_anterior(int i);
    void mover_marcador(QWidget* m, Esquina e);
    void refrescar_escena();
    // The start-up steps of session documentation: the offer to delete old logs and a new log.
    void documentacion_al_arrancar();
    void mostrar_sugerencias();
    void conectar_textos();

    EstadoExp& st;
    Dialogos& dialogos_;
    Reloj& reloj_;
    QString dir_;
    std::unique_ptr<Superficie> sup_;
    std::unique_ptr<Escena> escena_;
    VistaSuperficie* vista_ = nullptr;

    QAction *Grabar = nullptr, *Recuperar = nullptr, *recup_sesion = nullptr, *menu_trazo = nullptr,
            *ImprVal = nullptr, *ImprGraf = nullptr, *Salir = nullptr, *menu_copi_pant = nullptr,
            *menu_valores = nullptr, *menu_posiciones = nullptr, *menu_velocidades = nullptr,
            *menu_zoom = nullptr, *menu_modelo = nullptr, *Blanco1 = nullptr, *tp = nullptr,
            *Problem = nullptr, *Lanzar1 = nullptr, *menu_parar = nullptr, *Borrar = nullptr,
            *menu_sugiere = nullptr;
    std::array<QAction*, 5> Menu_seleccion{};

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *ccc = nullptr, *Frame5 = nullptr, *Frame10 = nullptr,
              *Frame3 = nullptr, *Comparaposi = nullptr, *Velocidades = nullptr;
    TrabajoPractico* Frame4 = nullptr;
    std::array<CajaTexto*, 11> Entrada{};
    std::array<BotonImagen*, 3> SpinUp{}, SpinDown{};
    BotonImagen *Picture1 = nullptr, *Picture2 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    std::array<QRadioButton*, 2> Option3{};
    QLabel *Label18 = nullptr, *Label19 = nullptr;
    Marcador *Cruz = nullptr, *Blanco = nullptr;
    QTimer* Timer1 = nullptr;

    std::unique_ptr<Superficie> curvas_sup_, comparap_sup_, comparav_sup_;
    VistaSuperficie *Curvas = nullptr, *ComparaP = nullptr, *ComparaV = nullptr;
    QListWidget* List1 = nullptr;
    QLabel *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label17 = nullptr;
    CajaTexto* NGraf = nullptr;
    BotonImagen *SpinDown2 = nullptr, *SpinUp2 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QPushButton *Command7 = nullptr, *Command6 = nullptr, *Command5 = nullptr, *Comparar = nullptr,
                *Cerrar = nullptr, *Command2 = nullptr, *cierracomparaP = nullptr, *Command3 = nullptr,
                *Command1 = nullptr;
    int16_t ModoGraf = 0;
    AcumComparacion acumulados_;

    int16_t ticks_ = 0;
    Fijo Anterior;
    int anterior_de_ = 0;  // the box whose value Anterior holds
    std::array<int16_t, 3> Paso{0, 10, 5};
    int16_t Arrastre = 0;
    bool saliendo_ = false;
    VisorAyuda* ayuda_ = nullptr;
    Raton raton_;
    FormTabla* formtabla_ = nullptr;
    Bitacora bitacora_;
    QStringList File1;  // the .log files as counted at start-up, in alphabetical order
    Trazas* trazas_ = nullptr;

    std::unique_ptr<ImpresoraSistema> impresora_;
    std::unique_ptr<CajaTextos> textos_;
    CajaValores* caja_ = nullptr;
};

}  // namespace tya
