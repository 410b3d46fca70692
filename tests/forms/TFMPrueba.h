#pragma once

#include "TDMPrueba.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBGridOrder.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/TFMBase.h"

#include <QFormLayout>
#include <QLineEdit>

// A register-style form over the test register, as a register's form is written; its
// "Relacionado" box is a lookup of another row of the same table.
class TFMPrueba : public TFMBase {
    Q_OBJECT
public:
    explicit TFMPrueba(FormManager& fm)
        : TFMBase(fm, fm.modules().CreaModuloDatos<TDMPrueba>(), QStringLiteral("CODIGO"),
                  QStringLiteral("TITULO")) {
        auto& ds = module().QMaestro;
        auto* card = new QFormLayout(PEMain);
        codigo = new DBEdit(ds, QStringLiteral("CODIGO"), prompts());
        titulo = new DBEdit(ds, QStringLiteral("TITULO"), prompts());
        relacionado = new TDBEDITFIND(ds, QStringLiteral("N"), prompts(),
                                      {QStringLiteral("T_PRUEBA"),
                                       {QStringLiteral("CODIGO"), QStringLiteral("TITULO")},
                                       QStringLiteral("CODIGO"),
                                       QStringLiteral("TITULO"),
                                       {}});
        descripcion = new QLineEdit;
        relacionado->setLookUpEdit(descripcion);
        card->addRow(QStringLiteral("Código"), codigo);
        card->addRow(QStringLiteral("Título"), titulo);
        card->addRow(QStringLiteral("Relacionado"), relacionado);
        card->addRow(QString(), descripcion);
        NavMain->InsertaControl = codigo;
        NavMain->EditaControl = titulo;
        DBGMain->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("Código")},
                             {QStringLiteral("TITULO"), QStringLiteral("Título"), 260}});
        DBGMain->CamposAOrdenar = {QStringLiteral("CODIGO"), QStringLiteral("TITULO")};
    }

    DBEdit* codigo;
    DBEdit* titulo;
    TDBEDITFIND* relacionado;
    QLineEdit* descripcion;
};
