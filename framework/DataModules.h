#pragma once

#include "framework/TDMBase.h"

#include <map>
#include <memory>
#include <typeindex>

class TDMMain;

// The data modules the open forms share: one per class, alive from the first form that
// needs it to the last one that lets it go.
class DataModules {
public:
    explicit DataModules(TDMMain& main) : main_(main) {}

    // The module of class T, made and opened on first use; every call counts one user.
    template <class T> T& CreaModuloDatos() {
        const std::type_index key(typeid(T));
        if (auto it = modules_.find(key); it != modules_.end()) {
            ++it->second.users;
            return static_cast<T&>(*it->second.module);
        }
        auto module = std::make_unique<T>(main_);
        module->DataModuleCreate();
        T& made = *module;
        modules_.emplace(key, Entry{std::move(module), 1});
        return made;
    }

    // One user fewer. The last one is asked about every dataset still being edited
    // ("¿Desea grabar los cambios realizados?": Yes posts, No cancels), then the module
    // goes. A post that fails keeps the module and its edit, and the error goes on.
    void LiberaModuloDatos(TDMBase& module);

    int users(const TDMBase& module) const;

    // Every edit not posted is cancelled, without a question: the application is being
    // ended from outside (a signal), and nothing unconfirmed may be stored.
    void cancelaEdiciones();

private:
    struct Entry {
        std::unique_ptr<TDMBase> module;
        int users;
    };

    TDMMain& main_;
    std::map<std::type_index, Entry> modules_;
};
