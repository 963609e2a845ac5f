#include "ledger/users/tfrmmodifypwd.h"

#include "ledger/core/currentuser.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/prompter.h"
#include "ledger/data/users.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ui_tfrmmodifypwd.h"

#include <QScreen>
#include <cmath>

namespace ledger {

TfrmModifyPwd::TfrmModifyPwd(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmModifyPwd>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(283, 235);
    FormPanel::pressButtonsOnEnter(this);
    connect(ui->btn_ModifyPwd, &QPushButton::clicked, this, &TfrmModifyPwd::btn_ModifyPwdClick);
    connect(ui->btn_Close, &QPushButton::clicked, this, &TfrmModifyPwd::reject);
}

TfrmModifyPwd::~TfrmModifyPwd() = default;

void TfrmModifyPwd::showEvent(QShowEvent *event) {
    // Horizontally centred, at two fifths of the free height.
    if (QScreen *s = screen()) {
        const QRect g = s->geometry();
        const int left = static_cast<int>(std::lround((g.width() - width()) / 2.0));
        const int top = static_cast<int>(std::lround((g.height() - height()) * 2.0 / 5.0));
        move(g.x() + left, g.y() + top);
    }
    ui->edt_OldPwd->clear();
    ui->edt_NewPwd->clear();
    ui->edt_NewPwdConfirm->clear();
    ui->edt_OldPwd->setFocus();
    QDialog::showEvent(event);
}

void TfrmModifyPwd::btn_ModifyPwdClick() {
    const QString oldPwd = ui->edt_OldPwd->text().trimmed();
    const QString newPwd = ui->edt_NewPwd->text().trimmed();
    if (oldPwd.isEmpty()) {
        showInfo(QStringLiteral("原密码不能为空。"));
        return;
    }
    if (ui->edt_NewPwd->text() != ui->edt_NewPwdConfirm->text()) {
        showInfo(QStringLiteral("两次输入的密码不一致。"));
        return;
    }
    if (newPwd.isEmpty()) {
        showInfo(QStringLiteral("新密码不能为空。"));
        return;
    }

    const QString failed = QStringLiteral("密码修改失败。");
    Users::PasswordCheck check = Users::PasswordCheck::UnknownUser;
    const bool changed = guardDb(
        "password change",
        [&] {
            Users users(ledgerDb());
            check = users.checkPassword(currentUserId, currentLogName, oldPwd);
            if (check == Users::PasswordCheck::Matches)
                users.setPassword(currentUserId, currentLogName, newPwd);
        },
        failed);
    if (!changed) {
        reject();
    } else if (check == Users::PasswordCheck::UnknownUser) {
        showInfo(failed);
    } else if (check == Users::PasswordCheck::Wrong) {
        showInfo(QStringLiteral("原密码不正确。"));
    } else {
        showInfo(QStringLiteral("密码修改成功。"));
        accept();
    }
}

} // namespace ledger
