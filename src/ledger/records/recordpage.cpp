#include "ledger/records/recordpage.h"

#include "ledger/core/dbguard.h"
#include "ledger/core/figurelabel.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/formtools.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"
#include "ledger/core/standardicons.h"
#include "ledger/data/numbertext.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordform.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ledger {

namespace {

QToolButton *makeToolButton(const QString &name, const QString &caption,
                            QStyle::StandardPixmap icon, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(standardIcon(parent, icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

RecordPageNames RecordPageNames::forWord(const QString &word, const QString &pageControl,
                                         const QString &queryCaption, const QString &editCaption) {
    const auto name = [&word](const char *pattern) {
        return QString::fromLatin1(pattern).arg(word);
    };
    return {
        pageControl,           queryCaption,         editCaption,       name("sbtn_%1_Add"),
        name("sbtn_%1_edit"),  name("sbtn_%1_del"),  name("lv_%1"),     name("lbl_%1_recordcount"),
        name("lbl_%1_sum"),    name("sbtn_%1_cvs"),  name("lbl_%1_id"), name("ckb_%1_continue"),
        name("btn_%1_Submit"), name("btn_%1_cancel")};
}

RecordPage::RecordPage(const RecordPageNames &names, QWidget *parent)
    : QWidget(parent), m_today([] { return QDate::currentDate(); }) {
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(names.pageControl);
    outer->addWidget(m_pages);
    buildQueryPage(names);
    buildEditPage(names);
    m_pages->setCurrentIndex(0);
}

void RecordPage::buildQueryPage(const RecordPageNames &names) {
    auto *page = new QWidget(m_pages);
    page->setWindowTitle(names.queryCaption);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);

    m_toolBar = new QHBoxLayout;
    auto *actions = new QGroupBox(page);
    auto *actionRow = new QHBoxLayout(actions);
    actionRow->setContentsMargins(6, 2, 6, 2);
    auto *add = m_addButton = makeToolButton(names.addButton, QStringLiteral("添加"),
                                             QStyle::SP_FileDialogNewFolder, actions);
    auto *edit = makeToolButton(names.editButton, QStringLiteral("修改"),
                                QStyle::SP_FileDialogDetailedView, actions);
    auto *del =
        makeToolButton(names.deleteButton, QStringLiteral("删除"), QStyle::SP_TrashIcon, actions);
    actionRow->addWidget(add);
    actionRow->addWidget(edit);
    actionRow->addWidget(del);
    m_actions = actionRow;
    m_toolBar->addWidget(actions);
    m_toolBar->addStretch(1);
    layout->addLayout(m_toolBar);

    m_list = new RecordList(page);
    m_list->setObjectName(names.list);
    layout->addWidget(m_list, 1);

    auto *bottom = new QHBoxLayout;
    m_countLabel = new QLabel(QStringLiteral("记录数：0 条"), page);
    m_countLabel->setObjectName(names.countLabel);
    m_sumLabel = new FigureLabel(QString(), page);
    m_sumLabel->setObjectName(names.sumLabel);
    m_countLabel->setMinimumWidth(140);
    bottom->addWidget(m_countLabel);
    bottom->addSpacing(24);
    bottom->addWidget(m_sumLabel);
    bottom->addStretch(1);
    auto *csv = makeToolButton(names.csvButton, QStringLiteral("导出电子表格"),
                               QStyle::SP_DialogSaveButton, page);
    bottom->addWidget(csv);
    layout->addLayout(bottom);
    m_pages->addWidget(page);

    connect(add, &QToolButton::clicked, this, [this] { setState(Mode::Add); });
    connect(edit, &QToolButton::clicked, this, &RecordPage::editClick);
    connect(del, &QToolButton::clicked, this, &RecordPage::deleteClick);
    connect(csv, &QToolButton::clicked, this, &RecordPage::exportClick);
    connect(m_list, &RecordList::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            setState(Mode::Browse, m_list->records()->key(index.row()));
    });
}

void RecordPage::buildEditPage(const RecordPageNames &names) {
    auto *page = new FormPanel(m_pages);
    page->setWindowTitle(names.editCaption);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);

    auto *row = new QHBoxLayout;
    auto *box = new QGroupBox(names.editCaption, page);
    box->setMaximumWidth(620);
    m_form = new RecordForm(box);
    row->addWidget(box, 1);
    row->addStretch(0);
    layout->addLayout(row);

    m_idLabel = new QLabel(page);
    m_idLabel->setObjectName(names.idLabel);
    m_idLabel->hide();
    auto *buttons = new QHBoxLayout;
    m_continue = new QCheckBox(QStringLiteral("连续添加"), page);
    m_continue->setObjectName(names.continueBox);
    // Hidden or shown, the box keeps its place: the buttons beside it never move.
    keepPlaceWhenHidden(m_continue);
    m_submit = new QPushButton(QStringLiteral("保存"), page);
    m_submit->setObjectName(names.submitButton);
    m_cancel = new QPushButton(QStringLiteral("取消"), page);
    m_cancel->setObjectName(names.cancelButton);
    buttons->addWidget(m_continue);
    buttons->addSpacing(24);
    buttons->addWidget(m_submit);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    m_pages->addWidget(page);

    connect(m_submit, &QPushButton::clicked, this, [this] { submitClick(); });
    connect(m_cancel, &QPushButton::clicked, this, &RecordPage::cancelClick);
}

std::optional<QDate> RecordPage::periodStart(Period period, const QDate &today) {
    switch (period) {
    case Period::Today:
        return today;
    case Period::Month:
        return QDate(today.year(), today.month(), 1);
    case Period::Year:
        return QDate(today.year(), 1, 1);
    case Period::All:
        break;
    }
    return std::nullopt;
}

QToolButton *RecordPage::addActionButton(const QString &name, const QString &caption,
                                         QStyle::StandardPixmap icon) {
    QToolButton *button = makeToolButton(name, caption, icon, m_actions->parentWidget());
    m_actions->addWidget(button);
    return button;
}

void RecordPage::setListColumns(const QStringList &captions, const QList<int> &widths) {
    m_list->setColumns(captions, widths);
}

QButtonGroup *RecordPage::addRadioGroup(const QList<std::pair<QString, QString>> &radios,
                                        int checked) {
    auto *box = new QGroupBox(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 2);
    auto *group = new QButtonGroup(this);
    for (const auto &[name, caption] : radios) {
        auto *radio = new QRadioButton(caption, box);
        radio->setObjectName(name);
        group->addButton(radio, int(group->buttons().size()));
        row->addWidget(radio);
    }
    {
        const QSignalBlocker blocker(group->button(checked));
        group->button(checked)->setChecked(true);
    }
    // Checking a radio in code reloads the list as a click does.
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showList();
    });
    m_toolBar->insertWidget(1, box);
    return group;
}

void RecordPage::selectRadio(QButtonGroup *group, int id) {
    QAbstractButton *radio = group ? group->button(id) : nullptr;
    if (!radio || radio->isChecked())
        showList();
    else
        radio->setChecked(true);
}

void RecordPage::createPeriodRadios(const QString &word) {
    const auto radio = [&word](const char *suffix, const char *caption) {
        return std::pair(QStringLiteral("rdb_%1_%2").arg(word, QLatin1String(suffix)),
                         QString::fromUtf8(caption));
    };
    // In the order of Period.
    m_periods = addRadioGroup({radio("today", "显示今日数据"), radio("month", "显示本月数据"),
                               radio("year", "显示本年数据"), radio("all", "显示全部数据")},
                              int(Period::Month));
}

RecordPage::Period RecordPage::period() const {
    if (!m_periods || m_periods->checkedId() < 0)
        return Period::All;
    return Period(m_periods->checkedId());
}

void RecordPage::selectPeriod(Period period) {
    selectRadio(m_periods, int(period));
}

void RecordPage::showCurrentPeriod() {
    selectPeriod(Period::Month);
    if (m_list->count() == 0)
        selectPeriod(Period::All);
}

std::optional<QDate> RecordPage::listedSince() const {
    return periodStart(period(), today());
}

RecordTotals RecordPage::queryTotals() const {
    return recordSource()->totals(listedSince());
}

void RecordPage::showList() {
    const bool shown = guardDb("record list", [this] {
        const std::unique_ptr<RecordSource> source = recordSource();
        const std::optional<QDate> since = listedSince();
        // The keys now, the rows when they are scrolled into view.
        QVector<qint64> keys = m_list->records()->takeKeys();
        source->keys(since, &keys);
        m_list->records()->setKeys(std::move(keys),
                                   [this](const QVector<qint64> &shown, RecordRows *out) {
                                       recordSource()->rows(shown, out);
                                       formatListRows(out);
                                   });
        const RecordTotals totals = source->totals(since);
        m_count = totals.count;
        m_total = totals.total;
    });
    if (!shown) {
        m_list->records()->clear();
        m_count = 0;
        m_total = 0;
    }
    m_countLabel->setText(QStringLiteral("记录数：%1 条").arg(m_count));
    m_sumLabel->setText(totalPrefix() + formatMoneyN(m_total) + QStringLiteral(" 元"));
    emit listShown();
}

void RecordPage::setState(Mode mode, qint64 key) {
    if (mode == Mode::Del)
        return;
    guardDb("record page state", [&] {
        if (stateRoutine(mode, key))
            showRecordForm(mode, key);
    });
}

void RecordPage::showRecordForm(Mode mode, qint64 key) {
    m_submit->setEnabled(mode != Mode::Browse);
    m_editKey = mode == Mode::Edit ? std::optional<qint64>(key) : std::nullopt;
    m_idLabel->setText(m_editKey ? QString::number(*m_editKey) : QString());
    FormPanel::setTabChain(m_form->fields() + QList<QWidget *>{m_continue, m_submit, m_cancel});
    m_pages->setCurrentIndex(1);
    if (QWidget *first = m_form->firstField())
        first->setFocus(Qt::OtherFocusReason);
}

void RecordPage::showAmount(QLineEdit *field, Mode mode, double stored) {
    m_shownAmount = mode == Mode::Add ? std::nullopt : std::optional<double>(stored);
    field->setText(m_shownAmount ? numberText(stored) : QString());
}

bool RecordPage::readShownAmount(QLineEdit *field, const QString &name, double *value) const {
    return readAmountField(field, name, value, QString(), m_shownAmount);
}

void RecordPage::editClick() {
    qint64 key = 0;
    if (!m_list->selectedKey(&key)) {
        showInfo(QStringLiteral("选择需要修改的记录。"));
        return;
    }
    setState(Mode::Edit, key);
}

void RecordPage::deleteClick() {
    qint64 key = 0;
    if (!m_list->selectedKey(&key)) {
        showInfo(QStringLiteral("选择需要修改的记录。"));
        return;
    }
    if (!Prompter::instance().confirm(QStringLiteral("确定删除该记录?"), QStringLiteral("提示")))
        return;
    if (guardDb(
            "record delete", [&] { recordSource()->remove(key); }, QStringLiteral("删除失败。"))) {
        showList();
        showInfo(QStringLiteral("删除成功。"));
    }
}

void RecordPage::cancelClick() {
    showQueryPage();
}

void RecordPage::exportClick() {
    exportListView(*m_list->records());
}

void RecordPage::showQueryPage() {
    m_pages->setCurrentIndex(0);
    // The keyboard goes on from "添加" (the form's controls are gone from sight).
    m_addButton->setFocus(Qt::OtherFocusReason);
}

void RecordPage::saveRecord(const std::function<bool(Db &)> &save) {
    bool ok = false;
    if (guardDb(
            "record save", [&] { ok = save(ledgerDb()); }, QStringLiteral("保存失败!")))
        finishSave(ok);
}

void RecordPage::finishSave(bool ok) {
    if (!ok) {
        showInfo(QStringLiteral("保存失败!"));
        return;
    }
    showInfo(QStringLiteral("保存成功!"));
    if (!m_continue->isHidden() && m_continue->isChecked())
        setState(Mode::Add);
    else
        showQueryPage();
    showList();
}

} // namespace ledger
