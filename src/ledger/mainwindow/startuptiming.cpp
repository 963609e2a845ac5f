#include "ledger/mainwindow/startuptiming.h"

#include <QDateTime>
#include <QEvent>
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
    if (enabled() && widget)
        new StartupTiming(widget, label);
}

StartupTiming::StartupTiming(QObject *widget, const QString &label)
    : QObject(widget), m_label(label) {
    widget->installEventFilter(this);
}

bool StartupTiming::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        mark(m_label);
        deleteLater();
    }
    return false;
}

} // namespace ledger
