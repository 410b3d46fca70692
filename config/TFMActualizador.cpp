#include "config/TFMActualizador.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TFMActualizador::TFMActualizador(std::function<void()> update, QWidget* parent)
    : QDialog(parent), update_(std::move(update)) {
    setObjectName(QStringLiteral("FMActualizador"));
    setWindowTitle(QStringLiteral("Actualización de la base de datos"));

    auto* memo = new QTextEdit;
    memo->setReadOnly(true);
    QFont bold = memo->font();
    bold.setBold(true);
    memo->setFont(bold);
    const QStringList lines = {QStringLiteral("¡¡¡ A T E N C I O N !!!"),
                               QStringLiteral("Se va a proceder a la actualización de la"),
                               QStringLiteral("base de datos Tribra16.gdb"),
                               QString(),
                               QStringLiteral("Haga click en el botón OK. ó pulse "),
                               QStringLiteral("CANCEL  para abortar el proceso.")};
    memo->setPlainText(lines.join(u'\n'));
    memo->selectAll();
    memo->setAlignment(Qt::AlignCenter);
    memo->moveCursor(QTextCursor::Start);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btOk = buttons->button(QDialogButtonBox::Ok);
    connect(btOk, &QPushButton::clicked, this, &TFMActualizador::btOkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo);
    layout->addWidget(buttons);
    resize(420, 240);
}

void TFMActualizador::btOkClick() {
    btOk->setEnabled(false);
    try {
        update_();
        accept();
    } catch (...) {
        failure_ = std::current_exception();
        reject();
    }
}
