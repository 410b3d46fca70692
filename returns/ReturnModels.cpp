#include "returns/ReturnModels.h"

#include "returns/informative/TDMM347.h"
#include "returns/informative/TDMM349.h"
#include "returns/periodic/TDMM111.h"
#include "returns/periodic/TDMM115.h"
#include "returns/periodic/TDMM123.h"
#include "returns/periodic/TDMM130.h"
#include "returns/periodic/TDMM131.h"
#include "returns/periodic/TDMM202.h"
#include "returns/periodic/TDMM300.h"
#include "returns/periodic/TDMM310.h"
#include "returns/periodic/TDMM311.h"

namespace returns {

std::span<const PeriodicReturn::Model* const> models() {
    static const PeriodicReturn::Model* const all[] = {
        &TDMM111::kModelo, &TDMM115::kModelo, &TDMM123::kModelo,
        &TDMM130::kModelo, &TDMM131::kModelo, &TDMM202::kModelo,
        &TDMM300::kModelo, &TDMM310::kModelo, &TDMM311::kModelo};
    return all;
}

std::span<const RecordFile> recordFiles() {
    static const RecordFile all[] = {
        {QStringLiteral("347"), TDMM347::kRegistros, {}, &TDMM347::Archiva},
        {QStringLiteral("349"), TDMM349::kRegistros, periods::kTrimestresMesesYAnual,
         &TDMM349::Archiva},
    };
    return all;
}

bool RecordFile::periodoValido(const QString& periodo) const {
    for (size_t i = 1; i < periodos.size(); ++i)
        if (periodo == QLatin1String(periodos[i].code))
            return true;
    return false;
}

const RecordFile* findRecordFile(const QString& code) {
    for (const RecordFile& file : recordFiles())
        if (file.modelo == code)
            return &file;
    return nullptr;
}

const PeriodicReturn::Model* findModel(const QString& code) {
    for (const PeriodicReturn::Model* model : models())
        if (model->modelo == code)
            return model;
    return nullptr;
}

} // namespace returns
