#pragma once

#include <QDialog>

#include <functional>

class QAction;
class QFontComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QStatusBar;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class Ruler;
class TDMMemorias;

// "Edición de capítulos de la Memoria": a small word processor for a chapter's rich text,
// with its own commands to insert a formula's placeholder, to show the formulas' amounts
// for a taxpayer, and to go back to the placeholders.
class TMainForm : public QDialog {
    Q_OBJECT
public:
    TMainForm(TDMMemorias& dm, QWidget* parent = nullptr);

    // The chapter's stored text (RTF); an empty one starts an empty chapter.
    void carga(const QByteArray& rtf);
    QByteArray contenido() const;
    bool modificado() const;

    QTextEdit* RichEdit1;
    Ruler* Ruler1;
    QStatusBar* StatusBar;
    QWidget* PCapitulo;
    QLabel* LMemoria;
    QLabel* LCapitulo;
    QMenu* MProcesos;
    QAction* AFormulas;
    QAction* ACalculo;
    QAction* ATexto;

    // The placeholders replaced by the amounts of the taxpayer chosen; the text with its
    // placeholders kept aside in "capitulo.txt" of the current directory.
    void Calculo(int contribuyente);
    // Back to the placeholders.
    void CambiaAFormulas();
    // Inserts the placeholder of formula `numero` at the caret.
    void InsertaFormula(int numero);
    // Loads a rich-text file (or a plain one), named then in the caption.
    void abre(const QString& fichero);
    // The window as a composed memoria is shown in it, to print or save: no chapter panel
    // and no formula commands.
    void modoMemoria();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ejecuta(const std::function<void()>& orden);
    void creaAcciones();
    void creaBarra();
    void muestraSeleccion();
    void muestraEstado();
    void formato(const std::function<void(QTextCharFormat&)>& cambia);
    void alinea(Qt::Alignment alineacion);
    void vinetas(bool on);
    bool guardaCambios();
    bool guarda(const QString& fichero);
    bool guardaComo();
    void imprime();
    void formulas();
    void pideContribuyente();
    QString scratch() const;

    TDMMemorias& dm_;
    QString fichero_;
    bool mostrando_ = false;
    QFontComboBox* fuente_;
    QSpinBox* tamano_;
    QToolButton* negrita_;
    QToolButton* cursiva_;
    QToolButton* subrayado_;
    QToolButton* izquierda_;
    QToolButton* centro_;
    QToolButton* derecha_;
    QToolButton* vinetas_;
    QLabel* posicion_;
    QLabel* modificado_;
    QList<QAction*> barraArchivos_; // the tool bar's shortcuts to the menus
    QList<QAction*> barraEdicion_;
};
