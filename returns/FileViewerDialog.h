#pragma once

#include <QDialog>

class QPlainTextEdit;

// A file the system wrote, field by field, as `tributra ver` prints it.
class FileViewerDialog : public QDialog {
    Q_OBJECT
public:
    FileViewerDialog(const QString& path, QWidget* parent = nullptr);

    QPlainTextEdit* Texto;
};
