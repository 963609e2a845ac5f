#include "ledger/users/tfrmreg.h"

#include "common/gbktext.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/prompter.h"
#include "ledger/data/users.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ui_tfrmreg.h"

namespace ledger {

TfrmReg::TfrmReg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmReg>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    FormPanel::pressButtonsOnEnter(this);
    connect(ui->btn_OK, &QPushButton::clicked, this, &TfrmReg::btn_OKClick);
    connect(ui->Btn_Cancel, &QPushButton::clicked, this, &TfrmReg::reject);
}

TfrmReg::~TfrmReg() = default;

void TfrmReg::showEvent(QShowEvent *event) {
    ui->edt_User->clear();
    ui->edt_Pwd->clear();
    ui->edt_Pwd2->clear();
    ui->edt_User->setFocus();
    QDialog::showEvent(event);
}

void TfrmReg::btn_OKClick() {
    const QString name = ui->edt_User->text().trimmed();
    const QString password = ui->edt_Pwd->text().trimmed();
    const QString confirmation = ui->edt_Pwd2->text().trimmed();

    if (name.isEmpty()) {
        showInfo(QStringLiteral("用户名不能为空!"));
        return;
    }
    if (common::toGbkText(name).size() > kMaxBytes) {
        showInfo(QStringLiteral("用户名最长20个字节!"));
        return;
    }
    if (password.isEmpty() || confirmation.isEmpty()) {
        showInfo(QStringLiteral("密码和确认密码不能为空!"));
        return;
    }
    if (password != confirmation) {
        showInfo(QStringLiteral("两次输入的密码不一致!"));
        ui->edt_Pwd->clear();
        ui->edt_Pwd2->clear();
        ui->edt_Pwd->setFocus();
        return;
    }
    if (common::toGbkText(password).size() > kMaxBytes) {
        showInfo(QStringLiteral("密码最长20个字节!"));
        return;
    }

    bool taken = false;
    const bool done = guardDb(
        "sign-up",
        [&] {
            Users users(ledgerDb());
            taken = users.exists(name);
            if (!taken)
                users.add(name, password);
        },
        QStringLiteral("注册失败!"));
    if (!done)
        return;
    if (taken) {
        showInfo(QStringLiteral("该用户名已存在!"));
        ui->edt_User->clear();
        ui->edt_User->setFocus();
        return;
    }
    showInfo(QStringLiteral("注册成功!"));
    accept();
}

} // namespace ledger
