#include "ledger/users/tfrmlogin.h"

#include "ledger/app/programskin.h"
#include "ledger/core/currentuser.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/prompter.h"
#include "ledger/data/users.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/users/loginkeyfilter.h"
#include "ledger/users/tfrmreg.h"
#include "ui_tfrmlogin.h"

namespace ledger {

TfrmLogin::TfrmLogin(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmLogin>()) {
    ui->setupUi(this);
    attachProgramSkin(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(280, 220);
    FormPanel::pressButtonsOnEnter(this);

    auto *filter = new LoginKeyFilter(this);
    ui->edt_user->setValidator(filter);
    ui->edt_Pwd->setValidator(filter);

    connect(ui->edt_user, &QLineEdit::returnPressed, this, &TfrmLogin::edt_userReturn);
    connect(ui->edt_Pwd, &QLineEdit::returnPressed, this, &TfrmLogin::btn_OKClick);
    connect(ui->btn_OK, &QPushButton::clicked, this, &TfrmLogin::btn_OKClick);
    connect(ui->btnReg, &QPushButton::clicked, this, &TfrmLogin::btnRegClick);
    connect(ui->Btn_Cancel, &QPushButton::clicked, this, &TfrmLogin::Btn_CancelClick);
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::edt_userReturn() {
    ui->edt_Pwd->setFocus();
}

void TfrmLogin::btn_OKClick() {
    currentLogName = ui->edt_user->text().trimmed();
    const QString password = ui->edt_Pwd->text().trimmed();
    if (currentLogName.isEmpty() || password.isEmpty()) {
        showInfo(QStringLiteral("用户名、密码不能为空!"));
        return;
    }

    std::optional<int> userId;
    // On a failure the dialog stays open; the user is told why nothing happened.
    if (!guardDb(
            "login", [&] { userId = Users(ledgerDb()).logIn(currentLogName, password); },
            TfrmDM::connectionFailedText()))
        return;
    if (userId) {
        currentUserId = *userId;
        done(LoggedIn);
        return;
    }
    Prompter::instance().message(QStringLiteral("登录失败"), QStringLiteral("用户名、密码不正确!"));
    ui->edt_user->clear();
    ui->edt_Pwd->clear();
    ui->edt_user->setFocus();
}

void TfrmLogin::btnRegClick() {
    auto *reg = new TfrmReg(this);
    reg->setAttribute(Qt::WA_DeleteOnClose);
    reg->exec();
}

void TfrmLogin::Btn_CancelClick() {
    done(Cancelled);
}

} // namespace ledger
