#include "ledger/stats/stattab.h"

#include "ledger/core/datefield.h"
#include "ledger/core/dbguard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ledger {

namespace {

QDateEdit *makeDatePicker(const QString &name, QWidget *parent) {
    auto *picker = new DateField(parent);
    picker->setObjectName(name);
    return picker;
}

} // namespace

StatTab::StatTab(const StatTabNames &names, FirstPeriod firstPeriod, QWidget *parent)
    : QWidget(parent), m_firstPeriod(firstPeriod) {
    setObjectName(names.sheet);
    setProperty("tag", 0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_toolBar = new QHBoxLayout;
    m_begin = makeDatePicker(names.begin, this);
    m_end = makeDatePicker(names.end, this);
    m_toolBar->addWidget(new QLabel(QStringLiteral("从"), this));
    m_toolBar->addWidget(m_begin);
    m_toolBar->addWidget(new QLabel(QStringLiteral("到"), this));
    m_toolBar->addWidget(m_end);
    QToolButton *searchButton = addToolButton(names.search, QStringLiteral("查询"));
    searchButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(searchButton, &QToolButton::clicked, this, [this] { search(); });
    layout->addLayout(m_toolBar);
    m_body = new QVBoxLayout;
    layout->addLayout(m_body, 1);
}

QToolButton *StatTab::addToolButton(const QString &name, const QString &caption) {
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    m_toolBar->addWidget(button);
    return button;
}

QDate StatTab::beginDate() const {
    return m_begin->date();
}

QDate StatTab::endDate() const {
    return m_end->date();
}

void StatTab::setRange(const QDate &begin, const QDate &end) {
    m_begin->setDate(begin);
    m_end->setDate(end);
}

QDate StatTab::firstDay(FirstPeriod period, const QDate &today) {
    return period == FirstPeriod::Month ? QDate(today.year(), today.month(), 1)
                                        : QDate(today.year(), 1, 1);
}

void StatTab::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (property("tag").toInt() != 0)
        return;
    setProperty("tag", 1);
    const QDate today = QDate::currentDate();
    setRange(firstDay(m_firstPeriod, today), today);
    search();
}

bool StatTab::guardRead(const char *what, const std::function<void()> &read) {
    return guardDb(what, read, QStringLiteral("数据库读取失败。"));
}

} // namespace ledger
