#pragma once

#include <QObject>
#include <QString>

// Lets into an edit only the characters of a set (and control keys); any other key is
// swallowed, so data are typed as the agency's files want them.
class CharacterFilter : public QObject {
    Q_OBJECT
public:
    CharacterFilter(const QString& allowed, QObject* parent) : QObject(parent), allowed_(allowed) {}

    // Capitals, digits and the punctuation of names and addresses.
    static const QString kAlphanumeric;
    // Capitals and the punctuation of names.
    static const QString kAlphabetic;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString allowed_;
};
