#include "framework/DataModules.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"

#include <algorithm>

namespace {

auto entryOf(auto& modules, const TDMBase& module) {
    return std::find_if(modules.begin(), modules.end(),
                        [&](const auto& e) { return e.second.module.get() == &module; });
}

} // namespace

void DataModules::LiberaModuloDatos(TDMBase& module) {
    const auto it = entryOf(modules_, module);
    if (it == modules_.end())
        return;
    if (--it->second.users > 0)
        return;
    for (db::DataSet* ds : module.dataSets()) {
        if (!ds->editing())
            continue;
        if (!main_.prompts().question(QStringLiteral("¿Desea grabar los cambios realizados?"),
                                      QStringLiteral("Atención..."))) {
            ds->cancel();
            continue;
        }
        try {
            ds->post();
        } catch (...) {
            ++it->second.users; // the form stays open with its edit
            throw;
        }
    }
    modules_.erase(it);
}

int DataModules::users(const TDMBase& module) const {
    const auto it = entryOf(modules_, module);
    return it == modules_.end() ? 0 : it->second.users;
}

void DataModules::cancelaEdiciones() {
    for (auto& [type, entry] : modules_)
        for (db::DataSet* ds : entry.module->dataSets())
            if (ds->editing())
                ds->cancel();
}
