#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ledger {

// The program-wide input filter of the main window: no right-button input (hence no context
// menu) reaches the browser panes, and neither do Ctrl+N, Ctrl+F and Ctrl+A (no new window, no
// search, no select-all there). Everywhere else these keys do what Qt does.
class AppFilter : public QObject {
    Q_OBJECT
public:
    explicit AppFilter(QObject *parent = nullptr);

    // Right-button input and the three keys are swallowed inside this widget and its
    // descendants.
    void addBrowser(QWidget *browser);
    bool isInBrowser(const QObject *receiver) const;
    static bool isBlockedShortcut(const QEvent *event);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QWidget>> m_browsers;
};

} // namespace ledger
