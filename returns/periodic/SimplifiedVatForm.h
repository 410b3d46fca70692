#pragma once

#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/PeriodicReturnForm.h"

class ModoComplementario;
class QLabel;

// The form of models 310 and 311: the complementary mode, the printed state and the tax
// office in the head; the activities with their amounts, the boxes, the payment with the
// signature, and the data of the telematic presentation.
class SimplifiedVatForm : public PeriodicReturnForm {
    Q_OBJECT
public:
    // What tells the two models' forms apart.
    struct Textos {
        int filas;                       // activity rows shown (the file's)
        const BoxGroup* liquidacion;     // under the activities
        const BoxGroup* resultado;       // page "&Resultado (3)"
        const char* aDeducir;            // the box the complementary mode opens
        const char* justificante;        // the earlier receipt number
        const char* ingreso;             // the amount paid
        const char* formaPago;
        const char* casillaCompensa;     // "Si la casilla NN resulta negativa, consigne el"
        const char* negativa;            // the check box on TIPO and its group
        const char* grupoNegativa;
        const char* firma;               // "Firma (9)", "Sujeto pasivo (9)"
        const char* codigoElectronico;   // the earlier declaration's electronic code
        bool devolucion;                 // the refund group of 311
    };

    SimplifiedVatForm(FormManager& manager, PeriodicReturn& module, const Textos& textos);

    ModoComplementario* modo;
    QLabel* LEstado;

private:
    void paginaLiquidacion(const Textos& textos);
    void paginaResultado(const Textos& textos);
    void paginaOtros(const Textos& textos);
    void paginaTelematica(const Textos& textos);
    void muestraEstado();
};
