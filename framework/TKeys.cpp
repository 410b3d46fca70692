#include "framework/TKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

TKeys::TKeys(QWidget* owner)
    : QObject(owner),
      owner_(owner), commands_{
                         {QStringLiteral("Primero"), QKeySequence(Qt::CTRL | Qt::Key_P)},
                         {QStringLiteral("Anterior"), QKeySequence(Qt::CTRL | Qt::Key_A)},
                         {QStringLiteral("Siguiente"), QKeySequence(Qt::CTRL | Qt::Key_S)},
                         {QStringLiteral("Último"), QKeySequence(Qt::CTRL | Qt::Key_U)},
                         {QStringLiteral("Añadir"), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
                         {QStringLiteral("Borrar"), QKeySequence(Qt::CTRL | Qt::Key_Delete)},
                         {QStringLiteral("Modificar"), QKeySequence(Qt::CTRL | Qt::Key_E)},
                         {QStringLiteral("Grabar"), QKeySequence(Qt::CTRL | Qt::Key_G)},
                         {QStringLiteral("Cancelar"), QKeySequence(Qt::CTRL | Qt::Key_X)},
                         {QStringLiteral("Refrescar"), QKeySequence(Qt::CTRL | Qt::Key_R)},
                         {QStringLiteral("Buscar"), QKeySequence(Qt::CTRL | Qt::Key_B)},
                         {QStringLiteral("Búsqueda aproximada"),
                          QKeySequence(Qt::CTRL | Qt::Key_Q)},
                         {QStringLiteral("Búsqueda exacta"), QKeySequence(Qt::CTRL | Qt::Key_W)},
                         {QStringLiteral("Imprime pantalla"), QKeySequence(Qt::CTRL | Qt::Key_I)},
                         {QStringLiteral("Filtra rango"), QKeySequence(Qt::CTRL | Qt::Key_F)},
                         {QStringLiteral("Imprime report"), QKeySequence(Qt::CTRL | Qt::Key_L)},
                         {QStringLiteral("Copiar"), QKeySequence(Qt::CTRL | Qt::Key_C)},
                         {QStringLiteral("Cortar"), QKeySequence(Qt::CTRL | Qt::Key_X)},
                         {QStringLiteral("Pegar"), QKeySequence(Qt::CTRL | Qt::Key_V)},
                         {QStringLiteral("Cerrar la ventana"), QKeySequence(Qt::Key_F4)},
                         {QStringLiteral("Enlace"), QKeySequence(Qt::Key_Insert)}} {
    qApp->installEventFilter(this);
}

TKeys::~TKeys() {
    qApp->removeEventFilter(this);
}

QKeySequence TKeys::shortcut(const QString& caption) const {
    for (const Command& c : commands_)
        if (c.caption == caption)
            return c.key;
    return {};
}

void TKeys::setShortcut(const QString& caption, const QKeySequence& key) {
    for (Command& c : commands_)
        if (c.caption == caption)
            c.key = key;
}

void TKeys::link(QMenu* menu) {
    if (!menus_.contains(menu))
        menus_ << menu;
    apply(menu);
}

void TKeys::unlink(QMenu* menu) {
    menus_.removeAll(menu);
}

void TKeys::ActualizarPopUps() {
    for (const QPointer<QMenu>& menu : menus_)
        if (menu)
            apply(menu);
}

// The items also go on the owner, where their shortcuts work while the menu is closed.
void TKeys::apply(QMenu* menu) const {
    for (QAction* item : menu->actions()) {
        const QKeySequence key = shortcut(item->text());
        if (key.isEmpty())
            continue;
        item->setShortcut(key);
        item->setShortcutContext(Qt::WindowShortcut);
        owner_->addAction(item);
    }
}

bool TKeys::isOwnCommand(const QKeySequence& key) const {
    for (const QPointer<QMenu>& menu : menus_)
        if (menu)
            for (const QAction* item : menu->actions())
                if (item->isEnabled() && item->isVisible() && item->shortcut() == key)
                    return true;
    return false;
}

// An edit would keep Ctrl+X, Ctrl+A or Ctrl+Insert for itself; the form's command comes first.
bool TKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != owner_->window())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return isOwnCommand(QKeySequence(key->keyCombination()));
}
