#pragma once

#include "ledger/core/prompter.h"

namespace ledger {

// The production prompter: modal Qt dialogs over the active window, with the program's own
// captions and button texts.
class QtPrompter : public Prompter {
public:
    void info(const QString &text) override;
    void message(const QString &caption, const QString &text) override;
    bool confirm(const QString &text, const QString &caption) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;
    QString openFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
};

} // namespace ledger
