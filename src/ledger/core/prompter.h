#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace ledger {

// Every message, question and file choice the program puts to the user goes through the
// installed prompter. Production shows Qt dialogs; tests install a scripted recorder so that no
// modal loop ever blocks a headless run.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Information box: caption "提示", one "确定" button.
    virtual void info(const QString &text) = 0;
    // Information box with its own caption (the login failure box).
    virtual void message(const QString &caption, const QString &text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool confirm(const QString &text, const QString &caption) = 0;
    // One-line input; false when cancelled.
    virtual bool inputText(const QString &caption, const QString &prompt, QString &value) = 0;
    // File choices; an empty result means cancelled.
    virtual QString openFileName(const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir,
                                 const QString &filter) = 0;

    static Prompter &instance();
    // Installs a prompter and returns the previous one (nullptr restores the production one).
    static std::unique_ptr<Prompter> install(std::unique_ptr<Prompter> prompter);
};

// The usual information box (caption "提示") of the installed prompter.
void showInfo(const QString &text);

} // namespace ledger
