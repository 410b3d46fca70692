#include "accounts/TFMSolicitud.h"

#include "accounts/ProvinceBox.h"
#include "accounts/TDMSolicitud.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBNavigatorVC.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

TFMSolicitud::TFMSolicitud(FormManager& manager)
    : TFModelos(manager, manager.modules().CreaModuloDatos<TDMSolicitud>()) {
    setObjectName(QStringLiteral("FMSolicitud"));
    setWindowTitle(QStringLiteral("Solicitud de presentación"));
    db::DataSet& ds = dm().QMaestro;
    auto edit = [&](const char* field, int width = 0) {
        auto* e = new DBEdit(ds, QLatin1String(field), prompts());
        if (width)
            e->setMaximumWidth(width);
        return e;
    };
    auto* registro = new QGroupBox(QStringLiteral("Datos registrales"));
    auto* datos = new QFormLayout(registro);
    datos->addRow(QStringLiteral("Tomo:"), edit("TOMO", 100));
    datos->addRow(QStringLiteral("Folio:"), edit("FOLIO", 100));
    datos->addRow(QStringLiteral("No. hoja Registral:"), edit("HOJA", 100));

    auto* presentante = new QGroupBox(
        QStringLiteral("IDENTIFICACIÓN DEL PRESENTANTE QUE HACE LA SOLICITUD"));
    auto* form = new QFormLayout(presentante);
    form->addRow(QStringLiteral("Nombre y Apellidos:"), edit("PRESENTADOR"));
    form->addRow(QStringLiteral("DNI:"), edit("DNI", 110));
    form->addRow(QStringLiteral("Domicilio:"), edit("DOMICILIO"));
    form->addRow(QStringLiteral("Código postal:"), edit("CODPOSTAL", 80));
    form->addRow(QStringLiteral("Ciudad:"), edit("MUNICIPIO"));
    form->addRow(QStringLiteral("Provincia:"), new ProvinceBox(ds, QStringLiteral("IDPROVINCIA"),
                                                               dm().qProvincias, prompts()));
    form->addRow(QStringLiteral("Teléfono:"), edit("TELEFONO", 110));
    form->addRow(QStringLiteral("Fax:"), edit("FAX", 110));
    form->addRow(QStringLiteral("Correo electrónico:"), edit("EMAIL"));

    auto* card = new QVBoxLayout(PEMain);
    card->addWidget(registro);
    card->addWidget(presentante);
    card->addStretch();
    resize(760, 560);
}

TDMSolicitud& TFMSolicitud::dm() const {
    return static_cast<TDMSolicitud&>(module());
}

void TFMSolicitud::FijaEmpresa(int empresa) {
    dm().FijaEmpresa(empresa);
    const QString nombre = dm().xAgencia.isEmpty()
                               ? QString()
                               : dm().xAgencia.field(QStringLiteral("NOMBRE")).asString();
    setWindowTitle(QStringLiteral("SOLICITUD DE PRESENTACIÓN - ") + nombre);
}
