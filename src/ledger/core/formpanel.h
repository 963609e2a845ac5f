#pragma once

#include <QList>
#include <QWidget>

class QKeyEvent;

namespace ledger {

// A form that is walked with the keyboard alone: Tab and Shift+Tab go round its visible,
// enabled controls in focus-chain order and never leave it or land on a hidden control; Enter
// on a focused button presses it, as Space does; when it is shown, its first field has the
// focus.
class FormPanel : public QWidget {
    Q_OBJECT
public:
    explicit FormPanel(QWidget *parent = nullptr);

    // The focus chain follows the widgets in this order (the visual order of a form).
    static void setTabChain(const QList<QWidget *> &widgets);
    // Enter or Return on a focused push or tool button inside scope: the button is clicked.
    // False when the event is something else.
    static bool pressFocusedButton(QKeyEvent *event, const QWidget *scope);
    // The same rule for a whole dialog or window: Enter or Return that its focused button
    // leaves unhandled presses that button when the key reaches the window.
    static void pressButtonsOnEnter(QWidget *window);

    // Focuses the first control Tab would reach (tab bars aside).
    void focusFirstField();
    // The same inside any widget: false when it holds no such control.
    static bool focusFirstControl(QWidget *scope);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Shown, enabled, inside scope and taking the focus by Tab itself (no proxy).
    static bool takesTab(const QWidget *scope, const QWidget *widget);
};

} // namespace ledger
