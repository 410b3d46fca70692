#include "accounts/TDMBalance.h"

namespace {

using enum accounts::Source;

// In the table's column order, which the deposit file follows.
const accounts::Line kLineas[] = {
    {"11000", "A) ACTIVO NO CORRIENTE", Total, "11100 + 11200 + 11300 + 11400 + 11500 + 11600 + 11700"},
    {"11100", "I. Inmovilizado intangible", Accounts, "20, 280, 290"},
    {"11200", "II. Inmovilizado material", Accounts, "21, 281, 291, 23"},
    {"11300", "III. Inversiones inmobiliarias", Accounts, "22, 282, 292"},
    {"11400", "IV. Inversiones en empresas del grupo y asociadas a largo plazo", Accounts, "2403, 2404, 2413, 2414, 2423, 2424, 2493, 2494, 2933, 2934, 2943, 2944, 2953, 2954"},
    {"11500", "V. Inversiones financieras a largo plazo", Accounts, "2405, 2415, 2425, 2495, 250, 251, 252, 253, 254, 255, 258, 259, 26, 2935, 2945, 2955, 296, 297, 298"},
    {"11600", "VI. Activos por impuesto diferido", Accounts, "474"},
    {"11700", "VII. Deudores comerciales no corrientes", ByHand},
    {"12000", "B) ACTIVO CORRIENTE", Total, "12200 + 12300 + 12400 + 12500 + 12600 + 12700"},
    {"12200", "I. Existencias", Accounts, "30, 31, 32, 33, 34, 35, 36, 39, 407"},
    {"12300", "II. Deudores comerciales y otras cuentas a cobrar", Total, "12380 + 12370 + 12390"},
    {"12380", "1. Clientes por ventas y prestaciones de servicios", Total, "12381 + 12382"},
    {"12381", "a) Clientes por ventas y prestaciones de servicios a largo plazo", ByHand},
    {"12382", "b) Clientes por ventas y prestaciones de servicios a corto plazo", Accounts, "430, 431, 432, 433, 434, 435, 436, 437, 490, 493"},
    {"12370", "2. Accionistas (socios) por desembolsos exigidos", ByHand},
    {"12390", "3. Otros deudores", Accounts, "44, 460, 470, 471, 472, 544, 473"},
    {"12400", "III. Inversiones en empresas del grupo y asociadas a corto plazo", Accounts, "5303, 5304, 5313, 5314, 5323, 5324, 5333, 5334, 5343, 5344, 5353, 5354, 5393, 5394, 5933, 5934, 5943, 5944, 5953, 5954", "5523+, 5524+"},
    {"12500", "IV. Inversiones financieras a corto plazo", Accounts, "5305, 5315, 5325, 5335, 5345, 5355, 5395, 540, 541, 542, 543, 545, 546, 547, 548, 549, 5590, 565, 566, 5935, 5945, 5955, 596, 597, 598", "551+, 5525+"},
    {"12600", "V. Periodificaciones a corto plazo", Accounts, "480, 567"},
    {"12700", "VI. Efectivo y otros activos líquidos equivalentes", Accounts, "57"},
    {"10000", "TOTAL ACTIVO ( A + B )", Total, "11000 + 12000"},
    {"20000", "A) PATRIMONIO NETO", Total, "21000 + 22000 + 23000"},
    {"21000", "A-1) Fondos propios", Total, "21100 + 21200 + 21300 + 21400 + 21500 + 21600 + 21700 + 21800"},
    {"21100", "I. Capital", Total, "21110 + 21120"},
    {"21110", "1. Capital escriturado", NegatedAccounts, "100, 101, 102"},
    {"21120", "2. (Capital no exigido)", NegatedAccounts, "1030, 1040"},
    {"21200", "II. Prima de emisión", NegatedAccounts, "110"},
    {"21300", "III. Reservas", NegatedAccounts, "112, 113, 114, 119"},
    {"21400", "IV. (Acciones y participaciones en patrimonio propias)", NegatedAccounts, "108, 109"},
    {"21500", "V. Resultado de ejercicios anteriores", NegatedAccounts, "120, 121"},
    {"21600", "VI. Otras aportaciones de socios", NegatedAccounts, "118"},
    {"21700", "VII. Resultado del ejercicio", NegatedAccounts, "129"},
    {"21800", "VIII. (Dividendo a cuenta)", NegatedAccounts, "557"},
    {"22000", "A-2) Ajustes en patrimonio neto", ByHand},
    {"23000", "A-3) Subvenciones, donaciones y legados recibidos", NegatedAccounts, "130, 131, 132"},
    {"31000", "B) PASIVO NO CORRIENTE", Total, "31100 + 31200 + 31300 + 31400 + 31500 + 31600 + 31700"},
    {"31100", "I. Provisiones a largo plazo", NegatedAccounts, "14"},
    {"31200", "II. Deudas a largo plazo", Total, "31220 + 31230 + 31290"},
    {"31220", "1. Deudas con entidades de crédito", NegatedAccounts, "1605, 170"},
    {"31230", "2. Acreedores por arrendamiento financiero", NegatedAccounts, "1625, 174"},
    {"31290", "3. Otras deudas a largo plazo", NegatedAccounts, "1615, 1635, 171, 172, 173, 175, 176, 177, 179, 180, 185"},
    {"31300", "III. Deudas con empresas del grupo y asociadas a largo plazo", NegatedAccounts, "1603, 1604, 1613, 1614, 1623, 1624, 1633, 1634"},
    {"31400", "IV. Pasivos por impuesto diferido", NegatedAccounts, "479"},
    {"31500", "V. Periodificaciones a largo plazo", NegatedAccounts, "181"},
    {"31600", "VI. Acreedores comerciales no corrientes", ByHand},
    {"31700", "VII. Deudas con características especiales a largo plazo", NegatedAccounts, "15"},
    {"32000", "C) PASIVO CORRIENTE", Total, "32200 + 32300 + 32400 + 32500 + 32600 + 32700"},
    {"32200", "I. Provisiones a corto plazo", NegatedAccounts, "499, 529"},
    {"32300", "II. Deudas a corto plazo", Total, "32320 + 32330 + 32390"},
    {"32320", "1. Deudas con entidades de crédito", NegatedAccounts, "5105, 520, 527"},
    {"32330", "2. Acreedores por arrendamiento financiero", NegatedAccounts, "5125, 524"},
    {"32390", "3. Otras deudas a corto plazo", NegatedAccounts, "1034, 1044, 190, 192, 194, 500, 505, 506, 509, 5115, 5135, 5145, 521, 522, 523, 525, 526, 528, 555, 5565, 5566, 5595, 560, 561", "551-, 5525-"},
    {"32400", "III. Deudas con empresas del grupo y asociadas a corto plazo", NegatedAccounts, "5103, 5104, 5113, 5114, 5123, 5124, 5133, 5134, 5143, 5144, 5563, 5564", "5523-, 5524-"},
    {"32500", "IV. Acreedores comerciales y otras cuentas a pagar", Total, "32580 + 32590"},
    {"32580", "1. Proveedores", Total, "32581 + 32582"},
    {"32581", "a) Proveedores a largo plazo", ByHand},
    {"32582", "b) Proveedores a corto plazo", NegatedAccounts, "400, 401, 403, 404, 405, 406"},
    {"32590", "2. Otros acreedores", NegatedAccounts, "41, 438, 465, 475, 476, 477"},
    {"32600", "V. Periodificaciones a corto plazo", NegatedAccounts, "485, 568"},
    {"32700", "VI. Deuda con características especiales a corto plazo", NegatedAccounts, "502, 507"},
    {"30000", "TOTAL PATRIMONIO NETO Y PASIVO (A+B+C)", Total, "20000 + 31000 + 32000"},
};

} // namespace

// The balances up to the closing regularisation (period 13); the 2017 totals of the own
// funds and the capital may be typed over.
const accounts::Statement TDMBalance::kBalance = {
    QStringLiteral("BALANCE"),
    kLineas,
    13,
    QStringLiteral("BALANCE PYMES - "),
    {QStringLiteral("C21000"), QStringLiteral("C21100")},
};

TDMBalance::TDMBalance(TDMMain& main) : AnnualStatement(main, kBalance) {}
