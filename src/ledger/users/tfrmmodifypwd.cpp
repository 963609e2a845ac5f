#include "ledger/users/tfrmmodifypwd.h"

#include "ledger/app/paths.h"
#include "ledger/core/untpub.h"
#include "ledger/core/untvar.h"
#include "ledger/crypto/untdes.h"
#include "ledger/data/tfrmdm.h"
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

    const QString key = QString::fromLatin1(kPasswordKey);
    try {
        if (!frmDM)
            throw DbError(QStringLiteral("no data module"), 0);
        Db &db = frmDM->adoConn();
        {
            Statement q(db, QStringLiteral("select * from kx_user where userid=?"),
                        {currentUserId});
            if (!q.next()) {
                showInfo(QStringLiteral("密码修改失败。"));
                return;
            }
            if (q.text(QStringLiteral("logPwd")) != desEncryptHex(currentLogName + oldPwd, key)) {
                showInfo(QStringLiteral("原密码不正确。"));
                return;
            }
        }
        const int changed = db.exec(QStringLiteral("update kx_User set LogPwd=? where userid=?"),
                                    {desEncryptHex(currentLogName + newPwd, key), currentUserId});
        if (changed != 1)
            throw DbError(QStringLiteral("user row not updated"), 0);
    } catch (const DbError &) {
        showInfo(QStringLiteral("密码修改失败。"));
        reject();
        return;
    }
    showInfo(QStringLiteral("密码修改成功。"));
    accept();
}

} // namespace ledger
