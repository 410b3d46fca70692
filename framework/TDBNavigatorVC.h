#pragma once

#include "framework/RecordName.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QMenu;
class QToolButton;
class TEditControl;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// The row of ten record buttons of every maintenance form. While a record is edited it
// locks navigation (safety mode) and the rest of its tool bar (exclusive mode), and
// tells the edit controller; its pop-up menu items mirror the buttons.
class TDBNavigatorVC : public QWidget {
    Q_OBJECT
public:
    enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtons = 10;
    // What the return forms show.
    static QList<Button> returnButtons();

    explicit TDBNavigatorVC(framework::Prompts& prompts, QWidget* parent = nullptr);

    void setDataSource(db::DataSet* dataSet);
    // How the database's errors of a post or delete name the record.
    void setRecordName(const framework::RecordName& name) { recordName_ = name; }
    db::DataSet* dataSource() const { return dataSet_; }
    void setVisibleButtons(const QList<Button>& visible);
    // One hint per button; an empty one keeps the default.
    void setHints(const QStringList& hints);
    // The items of the menu, in the buttons' order, follow the buttons.
    void setPopupMenu(QMenu* menu);
    QToolButton* button(Button b) const { return buttons_[index(b)]; }

    bool ConfirmDelete = true;
    QString DelCaption = QStringLiteral("Información");
    QString DelMessage = QStringLiteral(" ¿ Borra el registro ? ");
    bool ModoDeSeguridad = true;
    bool Exclusivo = true;
    bool RefreshOnPost = false;
    bool OrdenAscendente = true;
    QPointer<TEditControl> EditControl;
    QPointer<QWidget> EditaControl;
    QPointer<QWidget> InsertaControl;

    std::function<void(Button, bool& allow)> OnClickBefore;
    std::function<void(Button)> BeforeAction;
    std::function<void(Button)> OnClick;
    std::function<void(Button)> OnClickAfterAdjust;

    // Performs a button's command; a rule broken on the way is thrown, and the steps
    // after it do not run.
    void BtnClick(Button b);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static int index(Button b) { return static_cast<int>(b); }
    void act(Button b, bool& editing);
    void enterEditing(bool inserted);
    void leaveEditing();
    void lockHolder(bool locked);
    void updateStates();
    void setButtonEnabled(int i, bool enabled);
    void click(Button b);

    framework::Prompts& prompts_;
    framework::RecordName recordName_;
    db::DataSet* dataSet_ = nullptr;
    std::array<QToolButton*, kButtons> buttons_{};
    QPointer<QMenu> menu_;
    QList<QPointer<QWidget>> lockedWidgets_;
    QList<QPointer<QAction>> lockedActions_;
};
