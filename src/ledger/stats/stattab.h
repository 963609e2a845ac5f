#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>

class QDateEdit;
class QHBoxLayout;
class QToolButton;
class QVBoxLayout;

namespace ledger {

// Component names of one statistics tab.
struct StatTabNames {
    QString sheet;  // TabSheet11
    QString begin;  // dtp_huizong_begindt
    QString end;    // dtp_huizong_enddt
    QString search; // sbtn_huizong_search
};

// A tab of the statistics page: a date range ("从", "到") and "查询" above the tab's content.
// The first time the tab is shown (its tag 0 turns 1) the range becomes the month or the year
// up to today and the tab searches; "查询" searches again.
class StatTab : public QWidget {
    Q_OBJECT
public:
    enum class FirstPeriod { Month, Year };

    StatTab(const StatTabNames &names, FirstPeriod firstPeriod, QWidget *parent = nullptr);

    QDate beginDate() const;
    QDate endDate() const;
    void setRange(const QDate &begin, const QDate &end);
    // Fills the tab for the range; failures are told, the tab keeps what it showed.
    virtual void search() = 0;

    static QDate firstDay(FirstPeriod period, const QDate &today);

protected:
    void showEvent(QShowEvent *event) override;
    QHBoxLayout *toolBar() const { return m_toolBar; }
    QVBoxLayout *body() const { return m_body; }
    QToolButton *addToolButton(const QString &name, const QString &caption);
    // Runs a database read for the tab; a failure is told in one sentence.
    static bool guardRead(const char *what, const std::function<void()> &read);

private:
    FirstPeriod m_firstPeriod;
    QDateEdit *m_begin;
    QDateEdit *m_end;
    QHBoxLayout *m_toolBar;
    QVBoxLayout *m_body;
};

} // namespace ledger
