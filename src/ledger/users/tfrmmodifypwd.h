#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmModifyPwd;
}

namespace ledger {

// Changes the logged-in user's password. Accepted after a successful change.
class TfrmModifyPwd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmModifyPwd(QWidget *parent = nullptr);
    ~TfrmModifyPwd() override;

    void btn_ModifyPwdClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmModifyPwd> ui;
};

} // namespace ledger
