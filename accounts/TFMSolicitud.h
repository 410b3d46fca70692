#pragma once

#include "framework/TFModelos.h"

class TDMSolicitud;

// "Solicitud de presentación": the registry data of the company and the presenter who asks
// for the deposit.
class TFMSolicitud : public TFModelos {
    Q_OBJECT
public:
    explicit TFMSolicitud(FormManager& manager);

    TDMSolicitud& dm() const;
    void FijaEmpresa(int empresa);
};
