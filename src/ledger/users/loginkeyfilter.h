#pragma once

#include <QValidator>

namespace ledger {

// Key filter of the login edits: every character sign-up accepts may be typed (so a name that
// signed up can also log in); control characters are refused, typed or pasted.
class LoginKeyFilter : public QValidator {
    Q_OBJECT
public:
    explicit LoginKeyFilter(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    static bool acceptsChar(QChar c);
};

} // namespace ledger
