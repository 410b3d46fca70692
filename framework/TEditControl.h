#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QMenu;
class TKeys;

// Keeps a maintenance form's card in front while a record is edited: the other sheets'
// tabs go, the edit panel is enabled; afterwards the tabs come back and the card stays.
class TEditControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QPointer<QWidget> FichaEdicion;
    QPointer<QWidget> FichaExclusiva;
    QPointer<QWidget> PanelEdicion;
    QPointer<QWidget> Complementario;
    QPointer<QMenu> PopUpMenu;
    QPointer<TKeys> Teclas;

    void Editando(bool editing);
    void MuestraFicha();
    bool editando() const { return editing_; }

private:
    static void showSheet(QWidget* sheet, bool visible);

    bool editing_ = false;
};
