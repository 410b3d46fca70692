#include "returns/ReturnForms.h"

#include "framework/FormManager.h"
#include "returns/informative/TFMM347.h"
#include "returns/informative/TFMM349.h"
#include "returns/periodic/TFMM111.h"
#include "returns/periodic/TFMM115.h"
#include "returns/periodic/TFMM123.h"
#include "returns/periodic/TFMM130.h"
#include "returns/periodic/TFMM131.h"
#include "returns/periodic/TFMM202.h"
#include "returns/periodic/TFMM300.h"
#include "returns/periodic/TFMM310.h"
#include "returns/periodic/TFMM311.h"

namespace returns {

std::span<const ReturnForm> forms() {
    static const ReturnForm all[] = {
        {"111", "AMod111", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM111>(a); }},
        {"115", "AMod115", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM115>(a); }},
        {"123", "AMod123", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM123>(a); }},
        {"130", "AMod130", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM130>(a); }},
        {"131", "AMod131", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM131>(a); }},
        {"202", "AMod202", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM202>(a); }},
        {"303", "AMod300", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM300>(a); }},
        {"310", "AMod310", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM310>(a); }},
        {"311", "AMod311", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM311>(a); }},
        {"347", "AMod347", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM347>(a); }},
        {"349", "AComunitarias", [](FormManager& f, QAction* a) { f.MuestraFormulario<TFMM349>(a); }},
    };
    return all;
}

} // namespace returns
