#pragma once

#include <span>

class FormManager;
class QAction;

// The form of each model of the list of models, and the menu command that opens it.
namespace returns {

struct ReturnForm {
    const char* modelo; // the model's code in the list of models
    const char* accion; // the object name of its menu command
    void (*muestra)(FormManager& forms, QAction* accion);
};

std::span<const ReturnForm> forms();

} // namespace returns
