#pragma once

// Drives a page through its widgets, found by component name, as a user would.

#include "support/ledger/recordingprompter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace ledger::test {

class PageDriver {
public:
    explicit PageDriver(QWidget *page) : m_page(page) {}

    template <typename T = QWidget> T *find(const QString &name) const {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const { return edit(name)->text(); }
    QStringList texts(const QStringList &names) const {
        QStringList result;
        for (const QString &name : names)
            result << text(name);
        return result;
    }
    void setText(const QString &name, const QString &text) const { edit(name)->setText(text); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
    // A choice from the drop-down list: the index changes, then the user's signal.
    void choose(const QString &name, int index) const {
        auto *combo = find<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

private:
    QWidget *m_page;
};

// A page shown as the active window (focus needs it), with a recording prompter installed.
template <typename Page> struct PageFixture {
    ScopedPrompter prompter;
    Page page;
    PageDriver ui{&page};

    PageFixture() {
        page.show();
        page.activateWindow();
        if (!QTest::qWaitForWindowActive(&page))
            qWarning("page not active");
    }
};

} // namespace ledger::test
