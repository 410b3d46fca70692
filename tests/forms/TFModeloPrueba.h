#pragma once

#include "TDMPrueba.h"
#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/TFModelos.h"

#include <QFormLayout>

// A return-style form over the test register, as a return's form is written.
class TFModeloPrueba : public TFModelos {
    Q_OBJECT
public:
    explicit TFModeloPrueba(FormManager& fm)
        : TFModelos(fm, fm.modules().CreaModuloDatos<TDMPrueba>()) {
        auto& ds = module().QMaestro;
        auto* card = new QFormLayout(PEMain);
        codigo = new DBEdit(ds, QStringLiteral("CODIGO"), prompts());
        titulo = new DBEdit(ds, QStringLiteral("TITULO"), prompts());
        importe = new DBEdit(ds, QStringLiteral("IMPORTE"), prompts());
        importe->setPuntoToComa(true);
        n = new TDBComboBoxVC(ds, QStringLiteral("N"), prompts(),
                              {QStringLiteral("Uno"), QStringLiteral("Dos")},
                              {QStringLiteral("1"), QStringLiteral("2")});
        card->addRow(QStringLiteral("Código"), codigo);
        card->addRow(QStringLiteral("Título"), titulo);
        card->addRow(QStringLiteral("Importe"), importe);
        card->addRow(QStringLiteral("N"), n);
        card->addRow(QStringLiteral("Importe mostrado"),
                     new DBShadedBox(ds, QStringLiteral("IMPORTE"), prompts()));
        NavMain->InsertaControl = codigo;
        NavMain->EditaControl = titulo;
    }

    DBEdit* codigo;
    DBEdit* titulo;
    DBEdit* importe;
    TDBComboBoxVC* n;
};
