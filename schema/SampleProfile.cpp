#include "schema/SampleProfile.h"

#include "schema/TaxNumber.h"

namespace schema {
namespace {

const QString kSales = QStringLiteral("70000000");
const QString kServices = QStringLiteral("70500000");
const QString kRentsReceived = QStringLiteral("75200000");
const QString kPurchases = QStringLiteral("60000000");
const QString kRents = QStringLiteral("62100000");
const QString kRepairs = QStringLiteral("62200000");
const QString kFees = QStringLiteral("62300000");
const QString kSupplies = QStringLiteral("62800000");
const QString kOtherServices = QStringLiteral("62900000");
const QString kBorne = QStringLiteral("47300001");
const QString kFeesWithheld = QStringLiteral("47510002");
const QString kRentsWithheld = QStringLiteral("47510003");
constexpr int kFeeRate = 150;
constexpr int kRentRate = 190;

constexpr qint64 euros(qint64 amount) {
    return amount * 100;
}

SampleProfile company() {
    SampleProfile p;
    p.name = QStringLiteral("SUMINISTROS DEL TURIA SL");
    p.parties = {
        {"43000001", "DISTRIBUCIONES LEVANTE SL", cifOf(u'B', 4612345), "46001"},
        {"43000002", "COMERCIAL ARAGONESA SA", cifOf(u'A', 5023456), "50001"},
        {"43000003", "GARCIA LOPEZ JUAN", nifOf(24356789), "46940"},
        {"43000004", "SUPERMERCADOS DEL NORTE SL", cifOf(u'B', 4834567), "48001"},
        {"43000005", "MULLER HANDELSGESELLSCHAFT GMBH", "DE812345678", ""},
        {"40000001", "SUMINISTROS INDUSTRIALES LEVANTINOS SL", cifOf(u'B', 312345), "03001"},
        {"40000002", "PAPELERA DEL SUR SA", cifOf(u'A', 4198765), "41001"},
        {"40000003", "FOURNITURES DUPONT SARL", "FR40303265045", ""},
        {"41000001", "SOFTWARE ITALIA SRL", "IT01234567897", ""},
        {"41000002", "MARTINEZ PEREZ ANA", nifOf(33456789), "46004"},
        {"41000003", "INMUEBLES CASTELLANA SL", cifOf(u'B', 2876543), "28046"},
        {"41000004", "ELECTRICA DEL LEVANTE SA", cifOf(u'A', 4654321), "46015"},
        {"46500001", "SANCHEZ RUIZ MARIA", nifOf(20123456), "46010"},
        {"46500002", "GOMEZ NAVARRO PEDRO", nifOf(20234567), "46020"},
        {"46500003", "TORRES MOLINA LUCIA", nifOf(20345678), "46100"},
        {"41000005", "REFORMAS INDUSTRIALES DEL TURIA SL", cifOf(u'B', 4622113), "46980"},
        {"41000006", "ASESORIA LABORAL DEL SEGURA SL", cifOf(u'B', 3045678), "30008"},
    };
    p.drawn = {
        {0, u'R', u'0', u'9', kSales, 500, 6000, {1}, false, 0, {}, 8},
        {1, u'R', u'0', u'9', kSales, 1000, 12000, {1}, false, 0, {}, 5},
        {2, u'R', u'0', u'9', kSales, 200, 1500, {1}, true, 0, {}, 3},
        {3, u'R', u'0', u'9', kSales, 500, 5000, {2, 3}, false, 0, {}, 3},
        {4, u'R', u'5', u'9', kSales, 2000, 12000, {}, false, 0, {}, 2},
        {5, u'S', u'0', u'4', kPurchases, 200, 4000, {1}, false, 0, {}, 6},
        {6, u'S', u'0', u'4', kPurchases, 100, 1500, {1, 2}, false, 0, {}, 3},
        {7, u'S', u'2', u'4', kPurchases, 800, 5000, {1}, false, 0, {}, 2},
        {8, u'S', u'6', u'4', kOtherServices, 100, 600, {1}, false, 0, {}, 1},
        // Building work: the buyer accrues the quota (reverse charge).
        {15, u'S', u'5', u'4', kRepairs, 1000, 6000, {1}, false, 0, {}, 1},
    };
    p.monthly = {
        {10, u'S', u'0', u'B', kRents, 1500, 1500, {1}, false, kRentRate, kRentsWithheld, 1},
        {9, u'S', u'0', u'4', kFees, 300, 300, {1}, false, kFeeRate, kFeesWithheld, 1},
        {11, u'S', u'0', u'4', kSupplies, 150, 400, {1}, false, 0, {}, 1},
    };
    // The labour adviser's yearly fee comes to exactly 3.005,06 with its VAT: the operations
    // declared with a third party must exceed that, so it stays out of model 347.
    p.yearly = {{6, {16, u'S', u'0', u'4', kOtherServices, 0, 0, {1}, false, 0, {}, 1, 248352}}};
    p.employees = {{12, 1800, 120}, {13, 2100, 150}, {14, 1400, 80}};
    // Furniture, equipment, a van and stock, financed by capital, reserves and loans.
    p.opening = {
        {"21600000", euros(8000)},  {"21700000", euros(12000)},  {"21800000", euros(20000)},
        {"30000000", euros(15000)}, {"57200000", euros(40000)},  {"10000000", -euros(60000)},
        {"11300000", -euros(5000)}, {"17000000", -euros(25000)}, {"52000000", -euros(5000)}};
    return p;
}

SampleProfile selfEmployed() {
    SampleProfile p;
    p.name = QStringLiteral("FERNANDEZ DIAZ CARLOS");
    p.person = true;
    p.parties = {
        {"43000001", "CONSTRUCCIONES ALBORAYA SL", cifOf(u'B', 4687654), "46120"},
        {"43000002", "RODRIGUEZ VIDAL ELENA", nifOf(29456123), "46002"},
        {"43000003", "SERRANO PASTOR MIGUEL", nifOf(73012345), "46130"},
        {"40000001", "PAPELERA DEL SUR SA", cifOf(u'A', 4198765), "41001"},
        {"41000001", "SOFTWARE ITALIA SRL", "IT01234567897", ""},
        {"41000002", "INMUEBLES CASTELLANA SL", cifOf(u'B', 2876543), "28046"},
        {"41000003", "COMUNICACIONES DEL ESTE SA", cifOf(u'A', 4611223), "46021"},
        {"46500001", "MORENO GIL SARA", nifOf(48123987), "46003"},
        {"40000002", "AUTOMOCION VALENCIA SA", cifOf(u'A', 4677889), "46009"},
    };
    p.drawn = {
        {0, u'R', u'0', u'9', kServices, 400, 3000, {1}, false, kFeeRate, kBorne, 4},
        {1, u'R', u'0', u'9', kServices, 200, 1500, {1}, false, 0, {}, 3},
        {2, u'R', u'0', u'9', kServices, 100, 900, {1}, false, 0, {}, 3},
        {3, u'S', u'0', u'4', kPurchases, 50, 400, {1}, false, 0, {}, 2},
        {4, u'S', u'6', u'4', kOtherServices, 30, 200, {1}, false, 0, {}, 1},
    };
    p.monthly = {
        {5, u'S', u'0', u'B', kRents, 700, 700, {1}, false, kRentRate, kRentsWithheld, 1},
        {6, u'S', u'0', u'4', kSupplies, 60, 120, {1}, false, 0, {}, 1},
    };
    // A van in August: the third quarter's VAT is a credit carried to the fourth.
    p.yearly = {
        {8, {8, u'S', u'4', u'4', QStringLiteral("21800000"), 32000, 32000, {1}, false, 0, {}, 1}}};
    p.employees = {{7, 1100, 20}};
    p.opening = {{"21700000", euros(3000)}, {"57200000", euros(9000)}, {"10000000", -euros(12000)}};
    return p;
}

SampleProfile landlord() {
    SampleProfile p;
    p.name = QStringLiteral("NAVARRO ROCA JOSE LUIS");
    p.person = true;
    p.parties = {
        {"43000001", "ASESORES REUNIDOS DEL TURIA SL", cifOf(u'B', 4655667), "46004"},
        {"43000002", "CLINICA DENTAL SONRISA SLP", cifOf(u'B', 4699881), "46007"},
        {"43000003", "COMERCIAL ARAGONESA SA", cifOf(u'A', 5023456), "50001"},
        {"41000001", "REFORMAS Y REPARACIONES TURIA SL", cifOf(u'B', 4633445), "46900"},
        {"41000002", "LOPEZ SERRANO ANTONIO", nifOf(22987654), "46005"},
        {"41000003", "ELECTRICA DEL LEVANTE SA", cifOf(u'A', 4654321), "46015"},
    };
    p.drawn = {
        {3, u'S', u'0', u'4', kRepairs, 50, 600, {1}, false, 0, {}, 3},
        {5, u'S', u'0', u'4', kSupplies, 40, 250, {1}, false, 0, {}, 2},
    };
    p.monthly = {
        {0, u'R', u'0', u'B', kRentsReceived, 1200, 1200, {1}, false, kRentRate, kBorne, 1},
        {1, u'R', u'0', u'B', kRentsReceived, 950, 950, {1}, false, kRentRate, kBorne, 1},
        {2, u'R', u'0', u'B', kRentsReceived, 1800, 1800, {1}, false, kRentRate, kBorne, 1},
        {4, u'S', u'0', u'4', kFees, 90, 90, {1}, false, kFeeRate, kFeesWithheld, 1},
    };
    p.opening = {{"21000000", euros(60000)},
                 {"21100000", euros(240000)},
                 {"57200000", euros(15000)},
                 {"10000000", -euros(315000)}};
    return p;
}

} // namespace

SampleProfile sampleProfile(AccountingSample::Taxpayer taxpayer) {
    switch (taxpayer) {
    case AccountingSample::Taxpayer::SelfEmployed:
        return selfEmployed();
    case AccountingSample::Taxpayer::Landlord:
        return landlord();
    case AccountingSample::Taxpayer::Company:
        break;
    }
    return company();
}

} // namespace schema
