#pragma once

#include <QWidget>

class DBEdit;
class QLabel;
class QToolButton;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// The complementary mode of a return form's head: the speed button "C" turns it on and off;
// on, it shows the red label, the receipt number of the earlier declaration and opens the
// box of earlier results. The mode belongs to the form: it starts off with every form.
class ModoComplementario : public QWidget {
    Q_OBJECT
public:
    ModoComplementario(db::DataSet& record, const QString& justificante,
                       framework::Prompts& prompts, QWidget* parent = nullptr);

    // The box "A deducir" the mode opens.
    void abre(DBEdit* aDeducir);
    bool activo() const;
    // As a click on the button.
    void pulsa();
    // A stored earlier receipt means a complementary declaration: the mode follows it.
    void siguePorJustificante();

    QToolButton* btcomplementaria;
    QLabel* LComplementaria;
    QLabel* LJustificante;
    DBEdit* EJustificante;

private:
    void muestra();

    DBEdit* aDeducir_ = nullptr;
};
