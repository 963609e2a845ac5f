#pragma once

#include <QUrl>

namespace ledger {

// A browser pane as the program uses it: it only ever navigates. Production wraps a
// QWebEngineView; tests use a stub that records the address.
class WebPane {
public:
    virtual ~WebPane() = default;
    virtual void navigate(const QUrl &url) = 0;
};

} // namespace ledger
