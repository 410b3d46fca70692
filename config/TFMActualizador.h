#pragma once

#include <QDialog>

#include <exception>
#include <functional>

class QPushButton;

// Warns that the schema update is about to run; OK runs it with the dialog still up
// and closes once it has ended.
class TFMActualizador : public QDialog {
    Q_OBJECT
public:
    explicit TFMActualizador(std::function<void()> update, QWidget* parent = nullptr);

    // What the update threw, if it failed: passed on after the dialog closed, never
    // through the event loop.
    std::exception_ptr failure() const { return failure_; }

private:
    void btOkClick();

    std::function<void()> update_;
    std::exception_ptr failure_;
    QPushButton* btOk;
};
