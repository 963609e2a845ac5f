#include "ledger/mainwindow/startuptiming.h"

#include "ledger/mainwindow/firstpaint.h"

#include <QDateTime>
#include <cstdio>

namespace ledger {

bool StartupTiming::enabled() {
    static const bool on = qEnvironmentVariableIntValue("KEXBORA_TIMING") == 1;
    return on;
}

void StartupTiming::mark(const QString &label) {
    if (!enabled())
        return;
    std::fprintf(stderr, "kexbora-timing %s %lld\n", qPrintable(label),
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::fflush(stderr);
}

void StartupTiming::watchFirstPaint(QObject *widget, const QString &label) {
    if (enabled())
        FirstPaint::watch(widget, [label] { mark(label); });
}

} // namespace ledger
