#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmReg;
}

namespace ledger {

// The sign-up dialog, opened from the login dialog. Accepted after a successful sign-up.
class TfrmReg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReg(QWidget *parent = nullptr);
    ~TfrmReg() override;

    void btn_OKClick();

    // The longest name and password, in bytes of common::toGbkText.
    static constexpr int kMaxBytes = 20;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmReg> ui;
};

} // namespace ledger
