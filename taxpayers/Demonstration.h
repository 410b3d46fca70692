#pragma once

#include <QString>

// A demonstration office in a folder: a system database with a company, a self-employed
// person, a landlord and a taxpayer without accounting, each of the first three with a
// generated accounting database of its own, the settings file that points there, and
// the agency's folder for the returns' files.
class Demonstration {
public:
    explicit Demonstration(const QString& folder);

    // Builds what is missing; a demonstration already there is kept as it is.
    void build() const;
    QString systemDatabase() const;
    // The folder to point TRIBUTRA_WINDIR at: it holds the demonstration's settings.
    const QString& settingsFolder() const { return folder_; }
    // The demonstration's drive C, with the agency's folder "aeat" the returns copy into.
    const QString& driveFolder() const { return folder_; }

private:
    // The taxpayers and the activity headings their returns look up.
    void addRegister() const;
    void writeSettings() const;

    QString folder_;
};
