#include "accounts/TDMPyG.h"

namespace {

using enum accounts::Source;

// Income shows positive and expenses negative. Group 746 feeds both 40900 and 41430.
const accounts::Line kLineas[] = {
    {"40100", "1. Importe neto de la cifra de negocios", NegatedAccounts, "700, 701, 702, 703, 704, 705, 706, 708, 709"},
    {"40200", "2. Variación de existencias de productos terminados y en curso de fabricación", NegatedAccounts, "6930, 71, 7930"},
    {"40300", "3. Trabajos realizados por la empresa para su activo", NegatedAccounts, "73"},
    {"40400", "4. Aprovisionamientos", NegatedAccounts, "600, 601, 602, 606, 607, 608, 609, 61, 6931, 6932, 6933, 7931, 7932, 7933"},
    {"40500", "5. Otros ingresos de explotación", NegatedAccounts, "740, 747, 75"},
    {"40600", "6. Gastos de personal", NegatedAccounts, "64"},
    {"40700", "7. Otros gastos de explotación", NegatedAccounts, "62, 631, 634, 636, 639, 65, 694, 695, 794, 7954"},
    {"40800", "8. Amortización del inmovilizado", NegatedAccounts, "68"},
    {"40900", "9. Imputación de subvenciones de inmovilizado no financiero y otras", NegatedAccounts, "746"},
    {"41000", "10. Excesos de provisiones", NegatedAccounts, "7951, 7952, 7955"},
    {"41100", "11. Deterioro y resultado por enajenaciones del inmovilizado", NegatedAccounts, "670, 671, 672, 690, 691, 692, 770, 771, 772, 790, 791, 792"},
    {"41300", "12. Otros resultados", NegatedAccounts, "678, 778"},
    {"49100", "A) RESULTADO DE EXPLOTACIÓN (SUMA 1 AL 12)", Total, "40100 + 40200 + 40300 + 40400 + 40500 + 40600 + 40700 + 40800 + 40900 + 41000 + 41100 + 41300"},
    {"41400", "13. Ingresos financieros", Total, "41430 + 41490"},
    {"41430", "a) Imputación de subvenciones, donaciones y legados de carácter financiero", NegatedAccounts, "746"},
    {"41490", "b) Otros ingresos financieros", NegatedAccounts, "760, 761, 762, 769"},
    {"41500", "14. Gastos financieros", NegatedAccounts, "660, 661, 662, 664, 665, 669"},
    {"41600", "15. Variación de valor razonable de instrumentos financieros", NegatedAccounts, "663, 763"},
    {"41700", "16. Diferencias de cambio", NegatedAccounts, "668, 768"},
    {"41800", "17. Deterioro y resultado por enajenaciones de instrumentos financieros", NegatedAccounts, "666, 667, 673, 675, 696, 697, 698, 699, 766, 773, 775, 796, 797, 798, 799"},
    {"49200", "B) RESULTADO FINANCIERO (13+14+15+16+17)", Total, "41400 + 41500 + 41600 + 41700 + 41800"},
    {"49300", "C) RESULTADO ANTES DE IMPUESTOS (A+B)", Total, "49100 + 49200"},
    {"41900", "18. Impuesto sobre beneficios", NegatedAccounts, "6300, 6301, 633, 638"},
    {"49500", "D) RESULTADO DEL EJERCICIO (C+18)", Total, "49300 + 41900"},
};

} // namespace

// The year's movements before the closing regularisation: periods 0 to 12.
const accounts::Statement TDMPyG::kPyG = {
    QStringLiteral("PyG"),
    kLineas,
    12,
    QStringLiteral("PÉRDIDAS Y GANANCIAS PYMES - "),
    {},
};

TDMPyG::TDMPyG(TDMMain& main) : AnnualStatement(main, kPyG) {}
