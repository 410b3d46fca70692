#include "memoria/TdlgFManual.h"

#include "memoria/TDMMemorias.h"
#include "util/NumberFormat.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

QLineEdit* soloLectura(const QString& texto) {
    auto* e = new QLineEdit(texto);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setMinimumWidth(320);
    return e;
}

// Digits, the decimal comma (a typed point becomes one), the minus and backspace.
class FiltroImporte : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        if (key->key() == Qt::Key_Backspace || t.isEmpty() || !t.at(0).isPrint())
            return false;
        auto* edit = static_cast<QLineEdit*>(watched);
        if (t == u"." || t == u",") {
            edit->insert(QStringLiteral(","));
            return true;
        }
        return !(t.at(0).isDigit() || t == u"-");
    }
};

} // namespace

TdlgFManual::TdlgFManual(TDMMemorias& dm, double guardado, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgFManual"));
    setWindowTitle(QStringLiteral("Formula manual"));
    EImporte = new QLineEdit(util::formatFloat(QStringLiteral("0.##########"), guardado));
    if (EImporte->text().isEmpty())
        EImporte->setText(QStringLiteral("0"));
    EImporte->installEventFilter(new FiltroImporte(EImporte));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Memoría"),
                 soloLectura(TDMMemorias::NumeroYTitulo(dm.QMaestro, QStringLiteral("MEMORIA"))));
    form->addRow(QStringLiteral("Capítulo"), soloLectura(TDMMemorias::NumeroYTitulo(
                                                 dm.QCapitulos, QStringLiteral("CAPITULO"))));
    form->addRow(QStringLiteral("Formula"),
                 soloLectura(TDMMemorias::NumeroYTitulo(dm.QFormulas, QStringLiteral("FORMULA"))));
    form->addRow(QStringLiteral("Importe "), EImporte);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

double TdlgFManual::importe() const {
    QString t = EImporte->text().trimmed();
    t.replace(u',', u'.');
    return t.toDouble();
}
