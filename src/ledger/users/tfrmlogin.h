#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class TfrmLogin;
}

namespace ledger {

class TfrmReg;

// The login dialog shown by start-up. Result 1: logged in (currentUserId is set);
// 2: cancelled; 0: closed by the window's close button.
class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    enum Result { LoggedIn = 1, Cancelled = 2 };

    explicit TfrmLogin(QWidget *parent = nullptr);
    ~TfrmLogin() override;

    void btn_OKClick();
    void btnRegClick();
    void Btn_CancelClick();

private:
    void edt_userReturn();

    std::unique_ptr<Ui::TfrmLogin> ui;
};

} // namespace ledger
