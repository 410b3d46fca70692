#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace config {
struct DatabaseLocation;
}

// Asks where the system's database lives. Its user and password serve the connection
// test only: the system always connects as the administrator.
class TFUbica : public QDialog {
    Q_OBJECT
public:
    TFUbica(config::DatabaseLocation& location, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DefectoClick();
    void LocalRemoteClick();
    void BrowseClick();
    void TestClick();
    void updateParam(const QString& name, const QString& value);
    void accept() override;

    config::DatabaseLocation& location_;
    QLineEdit* DatabaseName;
    QRadioButton* LocalRbtn;
    QRadioButton* RemoteRbtn;
    QPushButton* Browse;
    QLabel* ServerLabel;
    QLineEdit* ServerName;
    QLabel* ProtocolLabel;
    QComboBox* Protocol;
    QLineEdit* UserName;
    QLineEdit* Password;
    QPlainTextEdit* DatabaseParams;
    QPushButton* OKBtn;
    QPushButton* Test;
};
