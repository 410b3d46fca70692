#pragma once

#include <QLineEdit>

class DataLink;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// An edit bound to a field: the display format while it is not being typed in, the
// edit format while it is; the field gets the text when the edit is left or the record
// posted. With PuntoToComa a typed "." becomes the decimal comma, as amount boxes want.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    DBEdit(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
           QWidget* parent = nullptr);

    void setPuntoToComa(bool on) { puntoToComa_ = on; }
    // Read-only whatever the record allows, as a form keeps a box until a mode opens it.
    void setLocked(bool on);
    // Shows the field in capitals, whatever was stored.
    void setUpperCase(bool on);
    DataLink& link() const { return *link_; }
    // A text chosen in a dialog goes into the field as if typed and left; false when
    // the record cannot be edited or the field refuses it.
    bool enterText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // The text the user typed changed; lookup edits follow it.
    virtual void typedTextChanged() {}

private:
    void showField();
    bool changesText(const QKeyEvent* event) const;

    DataLink* link_;
    bool puntoToComa_ = false;
    bool locked_ = false;
    bool upperCase_ = false;
};
