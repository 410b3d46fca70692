#pragma once

#include "framework/OrderedGrid.h"

#include <QPointer>

// The read-only list of a register (its "&Tabla" sheet) and of the detail lists of the
// annual returns: title clicks re-order it, Enter and a double click show the record card.
//
//   DBGMain = new TDBGridOrder(dm.DMMain.prompts(), TSTabla);
//   DBGMain->setColumns({{"CONTRIBUYENTE", "Número"}, {"TITULO", "Titulo", 300}});
//   DBGMain->CamposAOrdenar = {"CONTRIBUYENTE", "TITULO"};
//   DBGMain->TabFicha = TSFicha;
//   DBGMain->setDataSource(&dm.DSQMaestro);
class TDBGridOrder : public framework::OrderedGrid {
    Q_OBJECT
public:
    explicit TDBGridOrder(framework::Prompts& prompts, QWidget* parent = nullptr);

    QStringList& CamposAOrdenar = sortFields;
    QList<QPixmap>& CamposAOrdenarImgs = images;
    int& IndiceColOrdenada = sortableImage;
    int& IndiceAscendente = ascendingImage;
    int& IndiceDescendente = descendingImage;
    int& IndiceColMarcada = checkedImage;
    QColor& CampoAOrdenarColor = sortedColor;
    QStringList& CamposAMarcar = checkFields;
    QStringList& CamposChecked = checkedValues;
    QStringList& CamposNoChecked = uncheckedValues;
    bool PermutaPaneles = true;
    // A sheet of a QTabWidget; cleared when the sheet is destroyed.
    QPointer<QWidget> TabFicha;

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showCard();
};
