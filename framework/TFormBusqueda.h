#pragma once

#include "db/DataSet.h"
#include "framework/DataSetModel.h"
#include "framework/SearchQuery.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableView;
namespace framework {
class Prompts;
}

// The search dialog of the lookup edits: the rows of the lookup's table whose search
// column begins with what is typed, refreshed at every key. Digits search the code,
// letters the description; the arrows change the search column.
class TFormBusqueda : public QDialog {
    Q_OBJECT
public:
    TFormBusqueda(db::Database& database, db::Transaction& transaction, framework::Prompts& prompts,
                  const QString& baseSelect, int columnCount, QWidget* parent = nullptr);

    void EstableceCampo(const QString& column);
    void setValue(const QString& text);
    const QString& searchColumn() const { return query_.column(); }
    // The current row's value of a column.
    QString chosen(const QString& column) const;

    QLineEdit* Edt_valor;
    QTableView* DBGCampos;
    db::DataSet DataFind;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void reopen();
    void valueChanged();
    void moveSearchColumn(int step);

    framework::Prompts& prompts_;
    SearchQuery query_;
    framework::DataSetModel model_;
    int columnCount_;
    int columnSize_ = 20;
    bool cutting_ = false;
};
