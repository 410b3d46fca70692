#pragma once

#include <QMenu>
#include <QPointer>

#include "framework/TKeys.h"

// A pop-up menu whose items take their shortcuts from a TKeys.
class TPopUpKeys : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;
    ~TPopUpKeys() override;

    void setTeclas(TKeys* keys);
    TKeys* teclas() const { return keys_; }

private:
    QPointer<TKeys> keys_;
};
