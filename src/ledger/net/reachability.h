#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace ledger {

class WebPane;

// Web address tests, asynchronous with a time-out, on the data module's HTTP client when there
// is one: done(true) when the address answers 200 or 302 (GET), else when a HEAD request
// completes without error. Nothing is called once context is gone.
void urlReachable(const QString &url, QObject *context, std::function<void(bool)> done,
                  int timeoutMs = 5000);
// Navigates to url when it is reachable, else to the local fallback file (or address).
void navigateWithFallback(WebPane *pane, const QString &url, const QString &fallbackFile,
                          QObject *context);

} // namespace ledger
