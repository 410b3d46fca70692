#pragma once

#include "framework/TFMBase.h"

class TDBGridFind;
class TDMMemorias;

// "Confección de Memorias": the memorias with, below them, the chapters of the one in hand;
// a chapter's "Contenido" opens its text in the chapter editor.
class TFMMemorias : public TFMBase {
    Q_OBJECT
public:
    explicit TFMMemorias(FormManager& manager);

    TDBNavigatorVC* NavCapitulos;
    TDBGridFind* DBCapitulos;

    // The chapter's text edited in the editor and, when kept and changed, stored.
    void DBCapitulosEditButtonClick();

private:
    TDMMemorias& dm() const;
    QWidget* capitulos();
};
