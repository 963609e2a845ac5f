#pragma once

// A prompter for tests: records every prompt with its texts, answers from scripted queues and
// never opens a window.
//
//     ledger::test::ScopedPrompter prompter;     // installed until the end of the scope
//     prompter->queueConfirm(false);             // the next confirm() answers Cancel
//     page.deleteButton()->click();
//     QCOMPARE(prompter->infos(), QStringList{"删除失败。"});
//
// Unscripted answers: confirm() gives defaultConfirm (true), inputText() and the file choices
// answer "cancelled". onPrompt runs inside every call, while the "box" would be up.

#include "ledger/core/prompter.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace ledger::test {

struct PromptCall {
    enum Kind { Info, Message, Confirm, Input, OpenFile, SaveFile };
    Kind kind;
    QString caption;
    QString text; // message text, input prompt or file dialog caption
    QString dir;
    QString filter;
};

class RecordingPrompter : public Prompter {
public:
    void info(const QString &text) override;
    void message(const QString &caption, const QString &text) override;
    bool confirm(const QString &text, const QString &caption) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;
    QString openFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;

    void queueConfirm(bool answer) { m_confirms.append(answer); }
    void queueInput(std::optional<QString> answer) { m_inputs.append(std::move(answer)); }
    void queueOpenFile(const QString &path) { m_openFiles.append(path); }
    void queueSaveFile(const QString &path) { m_saveFiles.append(path); }

    bool defaultConfirm = true;
    std::function<void(const PromptCall &)> onPrompt;

    const QList<PromptCall> &calls() const { return m_calls; }
    QStringList infos() const; // texts of info() calls, in order
    QString lastInfo() const;  // empty when none
    QStringList texts() const; // texts of every call, in order
    int count(PromptCall::Kind kind) const;
    void clear(); // forgets calls and scripted answers

private:
    void record(PromptCall call);

    QList<PromptCall> m_calls;
    QList<bool> m_confirms;
    QList<std::optional<QString>> m_inputs;
    QStringList m_openFiles;
    QStringList m_saveFiles;
};

// Installs a RecordingPrompter for its lifetime and puts the previous prompter back after.
class ScopedPrompter {
public:
    ScopedPrompter();
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter &) = delete;
    ScopedPrompter &operator=(const ScopedPrompter &) = delete;

    RecordingPrompter *operator->() const { return m_prompter; }
    RecordingPrompter &operator*() const { return *m_prompter; }
    RecordingPrompter *get() const { return m_prompter; }

private:
    RecordingPrompter *m_prompter;
    std::unique_ptr<Prompter> m_previous;
};

} // namespace ledger::test
