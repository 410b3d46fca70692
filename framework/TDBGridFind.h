#pragma once

#include "framework/OrderedGrid.h"

// An editable list with the same title ordering and check-box columns that a click or
// Space toggles; the chapters of a memoria.
//
//   DBGCapitulos = new TDBGridFind(dm.DMMain.prompts(), this);
//   DBGCapitulos->setObjectName("DBGCapitulos");
//   DBGCapitulos->setColumns({{"CAPITULO", "Capítulo"}, {"TITULO", "Título"}});
//   DBGCapitulos->CamposAOrdernar = {"CAPITULO", "TITULO"};
//   DBGCapitulos->setDataSource(&dm.QCapitulos);
class TDBGridFind : public framework::OrderedGrid {
    Q_OBJECT
public:
    explicit TDBGridFind(framework::Prompts& prompts, QWidget* parent = nullptr);

    QStringList& CamposAOrdernar = sortFields;
    QList<QPixmap>& CampoAOrdenarBitmaps = images;
    int& IndiceBitmapOrdenable = sortableImage;
    int& IndiceBitmapAscendente = ascendingImage;
    int& IndiceBitmapDescendente = descendingImage;
    int& IndiceBitmapChecked = checkedImage; // -1: the ticked square is filled
    QColor& CampoAOrdenarColor = sortedColor;
    QStringList& ColumnasCheckBoxes = checkFields;
    QStringList& ColumnasChecked = checkedValues;
    QStringList& ColumnasNoChecked = uncheckedValues;
    bool AutoPostEnCheckBox = false;

signals:
    // After every move of the dataset's current row.
    void OnRowChange();

protected:
    void sortWithoutDataSource() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void toggle(const QModelIndex& index);
};
