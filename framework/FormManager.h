#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>

class DataModules;
class TDMMain;
namespace framework {
class Prompts;
}

// One window per form class: opening it again brings the open one to the front. The
// "Ventanas" menu lists the open forms; forms get their data modules from here.
class FormManager {
public:
    FormManager(TDMMain& main, DataModules& modules) : main_(main), modules_(modules) {}

    // The menu under which the open forms are listed.
    void setWindowMenu(QMenu* menu) { windowMenu_ = menu; }

    TDMMain& main() const { return main_; }
    DataModules& modules() const { return modules_; }
    framework::Prompts& prompts() const;

    // F is made with (FormManager&); a form that fails to be made leaves nothing behind.
    template <class F> F& MuestraFormulario(QAction* sender = nullptr) {
        const std::type_index key(typeid(F));
        if (auto it = forms_.find(key); it != forms_.end() && it->second) {
            bringToFront(*it->second);
            return static_cast<F&>(*it->second);
        }
        auto* form = new F(*this);
        open(key, form, sender);
        return *form;
    }

    QWidget* openForm(const std::type_index& key) const;

private:
    void open(const std::type_index& key, QWidget* form, QAction* sender);
    void place(QWidget& form);
    static void bringToFront(QWidget& form);

    TDMMain& main_;
    DataModules& modules_;
    QPointer<QMenu> windowMenu_;
    std::map<std::type_index, QPointer<QWidget>> forms_;
    int nextLeft_ = 0;
    int nextTop_ = 60;
};
