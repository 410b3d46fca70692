#pragma once

#include "framework/TFModelos.h"

#include <span>

class AnnualStatement;
class QToolButton;

// The form of a statement of the accounts, opened for one taxpayer over the identification
// form: pages of lines (caption, code, a box for 2017 and one for 2016), totals shaded and
// read-only, and the capture from the accounting database.
class AnnualStatementForm : public TFModelos {
    Q_OBJECT
public:
    struct Page {
        const char* title;
        const char* first; // the codes of its first and last lines
        const char* last;
    };

    AnnualStatementForm(FormManager& manager, AnnualStatement& module, std::span<const Page> pages);

    AnnualStatement& dm() const;
    // The statement of that taxpayer, its caption with the taxpayer's name, the first page.
    void FijaEmpresa(int empresa);

    QToolButton* sbCapturaConta;

private:
    QWidget* pagina(const Page& page);
};
