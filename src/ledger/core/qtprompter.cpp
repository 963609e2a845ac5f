#include "ledger/core/qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ledger {

namespace {

const QString kOkText = QStringLiteral("确定");
const QString kCancelText = QStringLiteral("取消");

QWidget *dialogParent() {
    return QApplication::activeWindow();
}

void showBox(QMessageBox::Icon icon, const QString &caption, const QString &text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(kOkText);
    box.exec();
}

} // namespace

void QtPrompter::info(const QString &text) {
    showBox(QMessageBox::Information, QStringLiteral("提示"), text);
}

void QtPrompter::message(const QString &caption, const QString &text) {
    showBox(QMessageBox::Information, caption, text);
}

bool QtPrompter::confirm(const QString &text, const QString &caption) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    dialogParent());
    box.button(QMessageBox::Ok)->setText(kOkText);
    box.button(QMessageBox::Cancel)->setText(kCancelText);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool QtPrompter::inputText(const QString &caption, const QString &prompt, QString &value) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(kOkText);
    dialog.setCancelButtonText(kCancelText);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString QtPrompter::openFileName(const QString &caption, const QString &dir,
                                 const QString &filter) {
    return QFileDialog::getOpenFileName(dialogParent(), caption, dir, filter);
}

QString QtPrompter::saveFileName(const QString &caption, const QString &dir,
                                 const QString &filter) {
    // Callers ask their own replace question.
    return QFileDialog::getSaveFileName(dialogParent(), caption, dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace ledger
