#include "returns/ReturnForms.h"

#include "framework/FormManager.h"
#include "returns/periodic/TFMM111.h"
#include "returns/periodic/TFMM115.h"
#include "returns/periodic/TFMM300.h"

namespace returns {

std::span<const ReturnForm> forms() {
    static const ReturnForm all[] = {
        {"111", "AMod111", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM111>(a); }},
        {"115", "AMod115", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM115>(a); }},
        {"303", "AMod300", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM300>(a); }},
    };
    return all;
}

} // namespace returns
