#include "framework/TPopUpKeys.h"

TPopUpKeys::~TPopUpKeys() {
    setTeclas(nullptr);
}

void TPopUpKeys::setTeclas(TKeys* keys) {
    if (keys_)
        keys_->unlink(this);
    keys_ = keys;
    if (keys_)
        keys_->link(this);
}
