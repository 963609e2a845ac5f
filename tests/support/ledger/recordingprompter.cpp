#include "support/ledger/recordingprompter.h"

namespace ledger::test {

void RecordingPrompter::record(PromptCall call) {
    m_calls.append(call);
    if (onPrompt)
        onPrompt(m_calls.last());
}

void RecordingPrompter::info(const QString &text) {
    record({PromptCall::Info, QStringLiteral("提示"), text, {}, {}});
}

void RecordingPrompter::message(const QString &caption, const QString &text) {
    record({PromptCall::Message, caption, text, {}, {}});
}

bool RecordingPrompter::confirm(const QString &text, const QString &caption) {
    record({PromptCall::Confirm, caption, text, {}, {}});
    return m_confirms.isEmpty() ? defaultConfirm : m_confirms.takeFirst();
}

bool RecordingPrompter::inputText(const QString &caption, const QString &prompt, QString &value) {
    record({PromptCall::Input, caption, prompt, {}, {}});
    if (m_inputs.isEmpty())
        return false;
    const std::optional<QString> answer = m_inputs.takeFirst();
    if (!answer)
        return false;
    value = *answer;
    return true;
}

QString RecordingPrompter::openFileName(const QString &caption, const QString &dir,
                                        const QString &filter) {
    record({PromptCall::OpenFile, caption, caption, dir, filter});
    return m_openFiles.isEmpty() ? QString() : m_openFiles.takeFirst();
}

QString RecordingPrompter::saveFileName(const QString &caption, const QString &dir,
                                        const QString &filter) {
    record({PromptCall::SaveFile, caption, caption, dir, filter});
    return m_saveFiles.isEmpty() ? QString() : m_saveFiles.takeFirst();
}

QStringList RecordingPrompter::infos() const {
    QStringList result;
    for (const PromptCall &call : m_calls) {
        if (call.kind == PromptCall::Info)
            result.append(call.text);
    }
    return result;
}

QString RecordingPrompter::lastInfo() const {
    const QStringList all = infos();
    return all.isEmpty() ? QString() : all.last();
}

QStringList RecordingPrompter::texts() const {
    QStringList result;
    for (const PromptCall &call : m_calls)
        result.append(call.text);
    return result;
}

int RecordingPrompter::count(PromptCall::Kind kind) const {
    int n = 0;
    for (const PromptCall &call : m_calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

void RecordingPrompter::clear() {
    m_calls.clear();
    m_confirms.clear();
    m_inputs.clear();
    m_openFiles.clear();
    m_saveFiles.clear();
}

ScopedPrompter::ScopedPrompter() : m_prompter(new RecordingPrompter) {
    m_previous = Prompter::install(std::unique_ptr<Prompter>(m_prompter));
}

ScopedPrompter::~ScopedPrompter() {
    Prompter::install(std::move(m_previous));
}

} // namespace ledger::test
