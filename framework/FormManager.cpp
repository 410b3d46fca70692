#include "framework/FormManager.h"

#include "config/TDMMain.h"
#include "framework/TMenuItemVentana.h"

#include <QScreen>

#include <algorithm>

framework::Prompts& FormManager::prompts() const {
    return main_.prompts();
}

QWidget* FormManager::openForm(const std::type_index& key) const {
    const auto it = forms_.find(key);
    return it == forms_.end() ? nullptr : it->second.data();
}

void FormManager::open(const std::type_index& key, QWidget* form, QAction* sender) {
    form->setAttribute(Qt::WA_DeleteOnClose);
    forms_[key] = form;
    place(*form);
    form->show();
    if (sender && windowMenu_)
        new TMenuItemVentana(form, sender, windowMenu_);
}

// The maintenance forms centre themselves; any other form is cascaded from the top left.
void FormManager::place(QWidget& form) {
    const QRect screen = form.screen()->availableGeometry();
    if (form.property("centrado").toBool()) {
        form.resize(form.size().expandedTo(form.sizeHint()));
        const QPoint centred = screen.center() - form.rect().center();
        form.move(std::max(centred.x(), screen.left()), std::max(centred.y(), screen.top()));
        return;
    }
    if (screen.width() < form.width() + nextLeft_)
        nextLeft_ = 0;
    if (screen.height() < form.height() + nextTop_)
        nextTop_ = 106;
    form.move(nextLeft_, nextTop_);
    nextLeft_ += form.frameGeometry().width() - form.width();
    nextTop_ += form.frameGeometry().height() - form.height();
}

void FormManager::bringToFront(QWidget& form) {
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
}
