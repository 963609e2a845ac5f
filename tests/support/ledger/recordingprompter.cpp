#include "support/ledger/recordingprompter.h"

namespace ledger::test {

bool RecordingPrompter::confirm(const QString &text, const QString &caption) {
    record(PromptCall::Confirm, caption, text);
    return m_confirms.isEmpty() || m_confirms.takeFirst();
}

bool RecordingPrompter::inputText(const QString &caption, const QString &prompt, QString &value) {
    record(PromptCall::Input, caption, prompt);
    const std::optional<QString> answer = m_inputs.isEmpty() ? std::nullopt : m_inputs.takeFirst();
    if (answer)
        value = *answer;
    return answer.has_value();
}

QString RecordingPrompter::saveFileName(const QString &caption, const QString &,
                                        const QString &filter) {
    record(PromptCall::SaveFile, caption, caption, filter);
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

QStringList RecordingPrompter::texts() const {
    QStringList result;
    for (const PromptCall &call : m_calls)
        result.append(call.text);
    return result;
}

int RecordingPrompter::count(PromptCall::Kind kind) const {
    return int(std::count_if(m_calls.begin(), m_calls.end(),
                             [kind](const PromptCall &call) { return call.kind == kind; }));
}

void RecordingPrompter::clear() {
    m_calls.clear();
    m_confirms.clear();
    m_inputs.clear();
    m_saveFiles.clear();
    m_openFiles.clear();
}

ScopedPrompter::ScopedPrompter() : m_prompter(new RecordingPrompter) {
    m_previous = Prompter::install(std::unique_ptr<Prompter>(m_prompter));
}

} // namespace ledger::test
