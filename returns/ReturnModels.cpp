#include "returns/ReturnModels.h"

#include "returns/informative/TDMM347.h"
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
        {QStringLiteral("347"), TDMM347::kRegistros, &TDMM347::Archiva}};
    return all;
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
