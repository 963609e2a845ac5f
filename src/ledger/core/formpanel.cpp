#include "ledger/core/formpanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTabBar>

namespace ledger {

namespace {

// Watches one window for the keys its children pass up to it.
class ButtonKeys : public QObject {
public:
    explicit ButtonKeys(QWidget *window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        return watched == parent() && event->type() == QEvent::KeyPress &&
               FormPanel::pressFocusedButton(static_cast<QKeyEvent *>(event),
                                             static_cast<QWidget *>(watched));
    }
};

} // namespace

FormPanel::FormPanel(QWidget *parent) : QWidget(parent) {}

void FormPanel::setTabChain(const QList<QWidget *> &widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}

bool FormPanel::pressFocusedButton(QKeyEvent *event, const QWidget *scope) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    // Check boxes and radio buttons keep Qt's rule: Enter does not toggle them.
    if (!button || qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button) ||
        !scope->isAncestorOf(button) || !button->isEnabled())
        return false;
    event->accept();
    button->click();
    return true;
}

void FormPanel::pressButtonsOnEnter(QWidget *window) {
    new ButtonKeys(window);
}

bool FormPanel::takesTab(const QWidget *scope, const QWidget *widget) {
    return scope->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

bool FormPanel::focusNextPrevChild(bool next) {
    QWidget *current = QApplication::focusWidget();
    if (!current || !isAncestorOf(current))
        return QWidget::focusNextPrevChild(next);
    for (QWidget *w = current;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == current)
            return true;
        if (takesTab(this, w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void FormPanel::focusFirstField() {
    focusFirstControl(this);
}

bool FormPanel::focusFirstControl(QWidget *scope) {
    for (QWidget *w = scope->nextInFocusChain(); w != scope; w = w->nextInFocusChain()) {
        if (takesTab(scope, w) && !qobject_cast<QTabBar *>(w)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void FormPanel::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!isAncestorOf(QApplication::focusWidget()))
        focusFirstField();
}

void FormPanel::keyPressEvent(QKeyEvent *event) {
    if (!pressFocusedButton(event, this))
        QWidget::keyPressEvent(event);
}

} // namespace ledger
