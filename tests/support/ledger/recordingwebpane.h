#pragma once

#include "ledger/core/webpane.h"

#include <QList>
#include <QUrl>

namespace ledger::test {

// A browser pane that only records the addresses it was sent to.
class RecordingWebPane : public WebPane {
public:
    void navigate(const QUrl &url) override { urls.append(url); }
    QList<QUrl> urls;
};

} // namespace ledger::test
