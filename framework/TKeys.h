#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QMenu;

// The forms' keyboard commands: each pop-up menu linked here gets, item by item, the
// shortcut of its caption ("Grabar" Ctrl+G, "Cancelar" Ctrl+X...). The shortcuts act on
// the owner's window and win over the edits' own keys (Ctrl+X cancels, it does not cut).
class TKeys : public QObject {
    Q_OBJECT
public:
    explicit TKeys(QWidget* owner);
    ~TKeys() override;

    // The shortcut of a menu caption; empty when none serves it.
    QKeySequence shortcut(const QString& caption) const;
    void setShortcut(const QString& caption, const QKeySequence& key);

    void link(QMenu* menu);
    void unlink(QMenu* menu);
    // Applies the shortcuts again to every linked menu.
    void ActualizarPopUps();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Command {
        QString caption;
        QKeySequence key;
    };
    void apply(QMenu* menu) const;
    bool isOwnCommand(const QKeySequence& key) const;

    QWidget* owner_;
    std::vector<Command> commands_;
    QList<QPointer<QMenu>> menus_;
};
