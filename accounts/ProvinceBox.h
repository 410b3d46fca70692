#pragma once

#include "framework/TDBComboBoxVC.h"

// The provinces' drop-down list: their names, the two-digit code kept as a number; the
// first item, empty, is no province yet.
class ProvinceBox : public TDBComboBoxVC {
    Q_OBJECT
public:
    ProvinceBox(db::DataSet& record, const QString& field, db::DataSet& provinces,
                framework::Prompts& prompts, QWidget* parent = nullptr);
};
