#pragma once

#include <QObject>
#include <QString>

namespace ledger {

// With KEXBORA_TIMING=1 in the environment, prints "kexbora-timing <label> <epoch ms>" to
// standard error when a watched window is first painted. Does nothing otherwise.
class StartupTiming : public QObject {
    Q_OBJECT
public:
    static bool enabled();
    static void mark(const QString &label);
    // Marks label once, at the first paint of widget (the watcher is a child of it).
    static void watchFirstPaint(QObject *widget, const QString &label);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupTiming(QObject *widget, const QString &label);
    QString m_label;
};

} // namespace ledger
