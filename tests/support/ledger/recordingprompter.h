#pragma once

// A prompter for tests: records every prompt, answers from scripted queues, never opens a
// window. Unscripted: confirm() answers true, inputs and file choices answer "cancelled".

#include "ledger/core/prompter.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace ledger::test {

struct PromptCall {
    enum Kind { Info, Message, Confirm, Input, SaveFile, OpenFile };
    Kind kind;
    QString caption;
    QString text; // message text, input prompt or file dialog caption
    QString filter;
};

class RecordingPrompter : public Prompter {
public:
    void info(const QString &text) override {
        record(PromptCall::Info, QStringLiteral("提示"), text);
    }
    void message(const QString &caption, const QString &text) override {
        record(PromptCall::Message, caption, text);
    }
    bool confirm(const QString &text, const QString &caption) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;
    QString openFileName(const QString &caption, const QString &, const QString &filter) override {
        record(PromptCall::OpenFile, caption, caption, filter);
        return m_openFiles.isEmpty() ? QString() : m_openFiles.takeFirst();
    }
    QString saveFileName(const QString &caption, const QString &, const QString &filter) override;

    void queueConfirm(bool answer) { m_confirms.append(answer); }
    void queueInput(std::optional<QString> answer) { m_inputs.append(std::move(answer)); }
    void queueSaveFile(const QString &path) { m_saveFiles.append(path); }
    void queueOpenFile(const QString &path) { m_openFiles.append(path); }

    const QList<PromptCall> &calls() const { return m_calls; }
    QStringList infos() const; // texts of info() calls, in order
    QStringList texts() const; // texts of every call, in order
    int count(PromptCall::Kind kind) const;
    void clear(); // forgets calls and scripted answers

private:
    void record(PromptCall::Kind kind, const QString &caption, const QString &text,
                const QString &filter = {}) {
        m_calls.append({kind, caption, text, filter});
    }

    QList<PromptCall> m_calls;
    QList<bool> m_confirms;
    QList<std::optional<QString>> m_inputs;
    QStringList m_saveFiles;
    QStringList m_openFiles;
};

// Installs a RecordingPrompter for its lifetime and puts the previous prompter back after.
class ScopedPrompter {
public:
    ScopedPrompter();
    ~ScopedPrompter() { Prompter::install(std::move(m_previous)); }
    ScopedPrompter(const ScopedPrompter &) = delete;
    ScopedPrompter &operator=(const ScopedPrompter &) = delete;
    RecordingPrompter *operator->() const { return m_prompter; }

private:
    RecordingPrompter *m_prompter;
    std::unique_ptr<Prompter> m_previous;
};

} // namespace ledger::test
