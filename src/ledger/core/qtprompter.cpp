#include "ledger/core/qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ledger {

namespace {

const QString kOkText = QStringLiteral("确定");
const QString kCancelText = QStringLiteral("取消");

// The window the last dialog was opened over.
QPointer<QWidget> lastParent;

// The active window; just after a dialog closed, while no window is active yet, the window
// that dialog was opened over.
QWidget *dialogParent() {
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible())
        lastParent = active;
    return lastParent && lastParent->isVisible() ? lastParent.data() : nullptr;
}

// Gives the activation back to the window a closed dialog was opened over. A window manager
// does it too; without one no window stays active, and the keyboard focus of the form the
// user goes on typing into shows nowhere.
void reactivate(QWidget *parent) {
    if (parent && parent->isVisible() && QApplication::activeWindow() != parent)
        parent->activateWindow();
}

int execOver(QDialog &dialog, QWidget *parent) {
    const int result = dialog.exec();
    reactivate(parent);
    return result;
}

void showBox(QMessageBox::Icon icon, const QString &caption, const QString &text) {
    QWidget *parent = dialogParent();
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(kOkText);
    execOver(box, parent);
}

} // namespace

void QtPrompter::info(const QString &text) {
    showBox(QMessageBox::Information, QStringLiteral("提示"), text);
}

void QtPrompter::message(const QString &caption, const QString &text) {
    showBox(QMessageBox::Information, caption, text);
}

bool QtPrompter::confirm(const QString &text, const QString &caption) {
    QWidget *parent = dialogParent();
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Ok)->setText(kOkText);
    box.button(QMessageBox::Cancel)->setText(kCancelText);
    box.setDefaultButton(QMessageBox::Ok);
    return execOver(box, parent) == QMessageBox::Ok;
}

bool QtPrompter::inputText(const QString &caption, const QString &prompt, QString &value) {
    QWidget *parent = dialogParent();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(kOkText);
    dialog.setCancelButtonText(kCancelText);
    if (execOver(dialog, parent) != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString QtPrompter::openFileName(const QString &caption, const QString &dir,
                                 const QString &filter) {
    QWidget *parent = dialogParent();
    const QString name = QFileDialog::getOpenFileName(parent, caption, dir, filter);
    reactivate(parent);
    return name;
}

QString QtPrompter::saveFileName(const QString &caption, const QString &dir,
                                 const QString &filter) {
    // Callers ask their own replace question.
    QWidget *parent = dialogParent();
    const QString name = QFileDialog::getSaveFileName(parent, caption, dir, filter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    reactivate(parent);
    return name;
}

} // namespace ledger
