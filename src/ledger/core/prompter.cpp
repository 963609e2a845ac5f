#include "ledger/core/prompter.h"

#include "ledger/core/qtprompter.h"

namespace ledger {

namespace {

std::unique_ptr<Prompter> &current() {
    static std::unique_ptr<Prompter> prompter;
    return prompter;
}

} // namespace

Prompter &Prompter::instance() {
    auto &prompter = current();
    if (!prompter)
        prompter = std::make_unique<QtPrompter>();
    return *prompter;
}

std::unique_ptr<Prompter> Prompter::install(std::unique_ptr<Prompter> prompter) {
    std::unique_ptr<Prompter> previous = std::move(current());
    current() = std::move(prompter);
    return previous;
}

void showInfo(const QString &text) {
    Prompter::instance().info(text);
}

} // namespace ledger
