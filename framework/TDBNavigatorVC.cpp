#include "framework/TDBNavigatorVC.h"

#include "db/DataSet.h"
#include "framework/NavigatorGlyphs.h"
#include "framework/Prompts.h"
#include "framework/TEditControl.h"
#include "framework/UserCommand.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

const QStringList kHints = {QStringLiteral("Primero"),   QStringLiteral("Anterior"),
                            QStringLiteral("Siguiente"), QStringLiteral("Ultimo"),
                            QStringLiteral("Nuevo"),     QStringLiteral("Borrar"),
                            QStringLiteral("Modificar"), QStringLiteral("Guardar"),
                            QStringLiteral("Cancelar"),  QStringLiteral("Refrescar")};
const char* const kNames[] = {"FIRST",  "PRIOR", "NEXT", "LAST",   "INSERT",
                              "DELETE", "EDIT",  "POST", "CANCEL", "REFRESH"};

} // namespace

QList<TDBNavigatorVC::Button> TDBNavigatorVC::returnButtons() {
    return {Button::Insert, Button::Delete, Button::Edit,
            Button::Post,   Button::Cancel, Button::Refresh};
}

TDBNavigatorVC::TDBNavigatorVC(framework::Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("NavMain"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("VCX_") + QString::fromLatin1(kNames[i]));
        b->setIcon(navigatorGlyph(i));
        b->setIconSize(QSize(20, 20));
        b->setMinimumSize(28, 26);
        b->setToolTip(kHints[i]);
        b->setFocusPolicy(Qt::TabFocus);
        const auto which = static_cast<Button>(i);
        if (which == Button::Prior || which == Button::Next) {
            b->setAutoRepeat(true);
            b->setAutoRepeatDelay(400);
            b->setAutoRepeatInterval(100);
        }
        connect(b, &QToolButton::clicked, this, [this, which] { click(which); });
        layout->addWidget(b);
        buttons_[i] = b;
    }
    updateStates();
}

void TDBNavigatorVC::setDataSource(db::DataSet* dataSet) {
    if (dataSet_)
        disconnect(dataSet_, nullptr, this, nullptr);
    dataSet_ = dataSet;
    if (dataSet_) {
        connect(dataSet_, &db::DataSet::stateChanged, this, &TDBNavigatorVC::updateStates);
        connect(dataSet_, &db::DataSet::rowsChanged, this, &TDBNavigatorVC::updateStates);
        connect(dataSet_, &db::DataSet::currentChanged, this, &TDBNavigatorVC::updateStates);
        connect(dataSet_, &QObject::destroyed, this, [this] { dataSet_ = nullptr; });
    }
    updateStates();
}

void TDBNavigatorVC::setVisibleButtons(const QList<Button>& visible) {
    for (int i = 0; i < kButtons; ++i)
        buttons_[i]->setVisible(visible.contains(static_cast<Button>(i)));
    if (menu_)
        setPopupMenu(menu_);
}

void TDBNavigatorVC::setHints(const QStringList& hints) {
    for (int i = 0; i < kButtons; ++i)
        buttons_[i]->setToolTip(hints.value(i).isEmpty() ? kHints[i] : hints.value(i));
}

void TDBNavigatorVC::setPopupMenu(QMenu* menu) {
    menu_ = menu;
    const QList<QAction*> items = menu->actions();
    for (int i = 0; i < kButtons && i < items.size(); ++i) {
        QAction* item = items[i];
        item->setVisible(!buttons_[i]->isHidden());
        item->setEnabled(buttons_[i]->isEnabled());
        disconnect(item, &QAction::triggered, this, nullptr);
        const auto which = static_cast<Button>(i);
        connect(item, &QAction::triggered, this, [this, which] { click(which); });
    }
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TDBNavigatorVC::click(Button b) {
    framework::runCommand(prompts_, [&] { BtnClick(b); }, recordName_);
}

void TDBNavigatorVC::BtnClick(Button b) {
    bool allow = true;
    if (OnClickBefore)
        OnClickBefore(b, allow);
    bool editing = false;
    if (dataSet_ && dataSet_->active() && allow) {
        if (BeforeAction)
            BeforeAction(b);
        act(b, editing);
    }
    if (OnClick)
        OnClick(b);
    if (editing && allow)
        enterEditing(b == Button::Insert);
    else
        leaveEditing();
    if (OnClickAfterAdjust)
        OnClickAfterAdjust(b);
}

void TDBNavigatorVC::act(Button b, bool& editing) {
    db::DataSet& ds = *dataSet_;
    const bool ascending = OrdenAscendente;
    switch (b) {
    case Button::First:
        ascending ? ds.first() : ds.last();
        break;
    case Button::Prior:
        ascending ? ds.prior() : ds.next();
        break;
    case Button::Next:
        ascending ? ds.next() : ds.prior();
        break;
    case Button::Last:
        ascending ? ds.last() : ds.first();
        break;
    case Button::Insert:
        editing = true;
        if (EditControl)
            EditControl->MuestraFicha();
        ds.insert();
        break;
    case Button::Delete:
        if (!ConfirmDelete || prompts_.confirm(DelMessage, DelCaption))
            ds.remove();
        break;
    case Button::Edit:
        editing = true;
        ds.edit();
        break;
    case Button::Post:
        ds.post();
        if (RefreshOnPost)
            ds.refresh();
        break;
    case Button::Cancel:
        ds.cancel();
        break;
    case Button::Refresh:
        ds.refresh();
        break;
    }
}

void TDBNavigatorVC::enterEditing(bool inserted) {
    if (Exclusivo)
        lockHolder(true);
    updateStates();
    if (EditControl)
        EditControl->Editando(true);
    QWidget* focus = inserted ? InsertaControl.data() : EditaControl.data();
    if (focus)
        focus->setFocus();
}

void TDBNavigatorVC::leaveEditing() {
    lockHolder(false);
    if (EditControl)
        EditControl->Editando(false);
}

// Exclusive mode: while a record is edited the rest of the tool bar that holds the
// navigator waits.
void TDBNavigatorVC::lockHolder(bool locked) {
    if (!locked) {
        for (const QPointer<QAction>& a : lockedActions_)
            if (a)
                a->setEnabled(true);
        lockedActions_.clear();
        return;
    }
    auto* holder = qobject_cast<QToolBar*>(parentWidget());
    if (!holder || !lockedActions_.isEmpty())
        return;
    for (QAction* a : holder->actions()) {
        if (holder->widgetForAction(a) == this || !a->isEnabled())
            continue;
        a->setEnabled(false);
        lockedActions_ << a;
    }
}

void TDBNavigatorVC::updateStates() {
    const bool open = isEnabled() && dataSet_ && dataSet_->active();
    const bool modifiable = open && dataSet_->canModify();
    const bool editing = open && dataSet_->editing();
    const bool locked = ModoDeSeguridad && editing;
    const int row = open ? dataSet_->currentRow() : 0;
    const int last = open ? dataSet_->recordCount() - 1 : 0;
    const bool states[kButtons] = {
        open && row > 0 && !locked,    open && row > 0 && !locked,
        open && row < last && !locked, open && row < last && !locked,
        modifiable && !locked,         modifiable && !dataSet_->isEmpty() && !locked,
        modifiable && !editing,        modifiable && editing,
        modifiable && editing,         modifiable && !locked};
    for (int i = 0; i < kButtons; ++i)
        setButtonEnabled(i, states[i]);
}

void TDBNavigatorVC::setButtonEnabled(int i, bool enabled) {
    buttons_[i]->setEnabled(enabled);
    if (menu_ && i < menu_->actions().size())
        menu_->actions()[i]->setEnabled(enabled);
}

void TDBNavigatorVC::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (!step) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int at =
        int(std::find(buttons_.begin(), buttons_.end(), focusWidget()) - buttons_.begin());
    for (int i = at + step; i >= 0 && i < kButtons; i += step) {
        if (!buttons_[i]->isHidden()) {
            buttons_[i]->setFocus();
            break;
        }
    }
}

void TDBNavigatorVC::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateStates();
}
