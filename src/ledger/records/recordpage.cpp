#include "ledger/records/recordpage.h"

#include "ledger/core/comboitems.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/fieldstyle.h"
#include "ledger/core/moneytext.h"
#include "ledger/core/prompter.h"
#include "ledger/core/standardicons.h"
#include "ledger/data/cards.h"
#include "ledger/data/lookuplists.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ledger/records/csvexport.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ledger {

namespace {

const char kListButtonProperty[] = "listButton";
const char kFormRowProperty[] = "formRow";

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

bool isInside(const QWidget *widget, const QWidget *container) {
    return widget && (widget == container || container->isAncestorOf(widget));
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
    auto *add = makeToolButton(names.addButton, QStringLiteral("添加"),
                               QStyle::SP_FileDialogNewFolder, actions);
    auto *edit = makeToolButton(names.editButton, QStringLiteral("修改"),
                                QStyle::SP_FileDialogDetailedView, actions);
    auto *del =
        makeToolButton(names.deleteButton, QStringLiteral("删除"), QStyle::SP_TrashIcon, actions);
    actionRow->addWidget(add);
    actionRow->addWidget(edit);
    actionRow->addWidget(del);
    m_toolBar->addWidget(actions);
    m_toolBar->addStretch(1);
    layout->addLayout(m_toolBar);

    m_list = new RecordList(page);
    m_list->setObjectName(names.list);
    layout->addWidget(m_list, 1);

    auto *bottom = new QHBoxLayout;
    m_countLabel = new QLabel(QStringLiteral("记录数：0 条"), page);
    m_countLabel->setObjectName(names.countLabel);
    m_sumLabel = new QLabel(page);
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
    auto *page = new QWidget(m_pages);
    page->setWindowTitle(names.editCaption);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);

    auto *row = new QHBoxLayout;
    auto *box = new QGroupBox(names.editCaption, page);
    box->setMaximumWidth(620);
    m_form = new QGridLayout(box);
    m_form->setHorizontalSpacing(6);
    m_form->setVerticalSpacing(8);
    m_form->setColumnMinimumWidth(1, 260);
    m_form->setColumnStretch(1, 1);
    row->addWidget(box, 1);
    row->addStretch(0);
    layout->addLayout(row);

    auto *buttons = new QHBoxLayout;
    m_idLabel = new QLabel(page);
    m_idLabel->setObjectName(names.idLabel);
    m_idLabel->hide();
    m_continue = new QCheckBox(QStringLiteral("连续添加"), page);
    m_continue->setObjectName(names.continueBox);
    m_submit = new QPushButton(QStringLiteral("保存"), page);
    m_submit->setObjectName(names.submitButton);
    auto *cancel = new QPushButton(QStringLiteral("取消"), page);
    cancel->setObjectName(names.cancelButton);
    m_submit->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addWidget(m_idLabel);
    buttons->addWidget(m_continue);
    buttons->addSpacing(24);
    buttons->addWidget(m_submit);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    m_pages->addWidget(page);

    connect(m_submit, &QPushButton::clicked, this, [this] { submitClick(); });
    connect(cancel, &QPushButton::clicked, this, &RecordPage::cancelClick);
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

void RecordPage::setListColumns(const QStringList &captions, const QList<int> &widths) {
    m_list->setColumns(captions, widths);
}

void RecordPage::createPeriodRadios(const QString &word) {
    auto *group = new QGroupBox(this);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    m_periods = new QButtonGroup(this);
    static const struct {
        const char *suffix;
        const char *caption;
        Period period;
    } radios[] = {{"today", "显示今日数据", Period::Today},
                  {"month", "显示本月数据", Period::Month},
                  {"year", "显示本年数据", Period::Year},
                  {"all", "显示全部数据", Period::All}};
    for (const auto &r : radios) {
        auto *radio = new QRadioButton(QString::fromUtf8(r.caption), group);
        radio->setObjectName(QStringLiteral("rdb_%1_%2").arg(word, QLatin1String(r.suffix)));
        m_periods->addButton(radio, int(r.period));
        row->addWidget(radio);
        // Checking a radio in code reloads the list as a click does.
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                showList();
        });
    }
    {
        const QSignalBlocker blocker(m_periods->button(int(Period::Month)));
        m_periods->button(int(Period::Month))->setChecked(true);
    }
    m_toolBar->insertWidget(1, group);
}

RecordPage::Period RecordPage::period() const {
    if (!m_periods || m_periods->checkedId() < 0)
        return Period::All;
    return Period(m_periods->checkedId());
}

void RecordPage::selectPeriod(Period period) {
    QAbstractButton *radio = m_periods ? m_periods->button(int(period)) : nullptr;
    if (!radio || radio->isChecked())
        showList();
    else
        radio->setChecked(true);
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
    guardDb("record page state", [&] { stateRoutine(mode, key); });
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
}

void RecordPage::showEditPage() {
    m_pages->setCurrentIndex(1);
}

bool RecordPage::editingKey(qint64 *key) const {
    bool ok = false;
    *key = m_idLabel->text().toLongLong(&ok);
    return ok && !m_idLabel->text().isEmpty();
}

QLabel *RecordPage::addFormRow(const QString &caption, QWidget *field, bool required,
                               QWidget *besideField) {
    const int row = m_form->rowCount();
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    const bool tall = field->sizeHint().height() > 40;
    label->setAlignment(Qt::AlignRight | (tall ? Qt::AlignTop : Qt::AlignVCenter));
    m_form->addWidget(label, row, 0);
    if (besideField) {
        auto *pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(field, 1);
        pair->addWidget(besideField);
        m_form->addLayout(pair, row, 1);
    } else {
        m_form->addWidget(field, row, 1);
    }
    field->setProperty(kFormRowProperty, row);
    auto *must = new QLabel(QStringLiteral("*"), field->parentWidget());
    QPalette red = must->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    must->setPalette(red);
    must->setAlignment(tall ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
    QSizePolicy keep = must->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    must->setSizePolicy(keep);
    must->setVisible(required);
    m_form->addWidget(must, row, 2);
    return must;
}

QComboBox *RecordPage::makeCombo(const QString &name) {
    auto *combo = new QComboBox(m_form->parentWidget());
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    return combo;
}

QDateEdit *RecordPage::addDateRow(const QString &caption, const QString &name) {
    auto *date = new QDateEdit(m_form->parentWidget());
    date->setObjectName(name);
    date->setDisplayFormat(QLatin1String(kDateFmt));
    date->setCalendarPopup(true);
    date->setDate(today());
    addFormRow(caption, date, true);
    return date;
}

QPlainTextEdit *RecordPage::addMemoRow(const QString &name) {
    auto *memo = new QPlainTextEdit(m_form->parentWidget());
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(110);
    addFormRow(QStringLiteral("备注："), memo, false);
    return memo;
}

QToolButton *RecordPage::addListButton(QComboBox *combo, const QString &name, const QString &hint) {
    auto *button = new QToolButton(combo->parentWidget());
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(23, 21);
    const bool refresh = hint == QStringLiteral("刷新列表");
    button->setIcon(
        standardIcon(this, refresh ? QStyle::SP_BrowserReload : QStyle::SP_FileDialogListView));
    QSizePolicy keep = button->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    button->setSizePolicy(keep);
    button->hide();
    m_form->addWidget(button, combo->property(kFormRowProperty).toInt(), 3);
    combo->setProperty(kListButtonProperty, QVariant::fromValue<QObject *>(button));
    combo->installEventFilter(this);
    if (combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    return button;
}

bool RecordPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        QObject *object = watched;
        auto *combo = qobject_cast<QComboBox *>(object);
        if (!combo && object->parent())
            combo = qobject_cast<QComboBox *>(object->parent());
        if (combo) {
            auto *button =
                qobject_cast<QWidget *>(combo->property(kListButtonProperty).value<QObject *>());
            if (button) {
                if (event->type() == QEvent::FocusIn) {
                    button->show();
                } else {
                    const auto reason = static_cast<QFocusEvent *>(event)->reason();
                    const bool keep = reason == Qt::PopupFocusReason ||
                                      reason == Qt::ActiveWindowFocusReason ||
                                      isInside(QApplication::focusWidget(), combo);
                    if (!keep)
                        button->hide();
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool RecordPage::needsAccount(const QComboBox *fundsType) {
    const QString text = fundsType->currentText().trimmed();
    return !text.isEmpty() && fundsType->findText(text, Qt::MatchFixedString) >= 1;
}

void RecordPage::resetFundsTypes(QComboBox *combo) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(QStringLiteral("现金"));
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

namespace {

void appendLookupList(QComboBox *combo, const QString &listName, bool clearFirst) {
    fillComboItems(combo, LookupLists(ledgerDb()).values(listName), clearFirst, false);
}

} // namespace

void RecordPage::fillLookupList(QComboBox *combo, const QString &listName) {
    appendLookupList(combo, listName, true);
    setComboText(combo, QString());
}

void RecordPage::fillFundsTypes(QComboBox *combo) {
    resetFundsTypes(combo);
    appendLookupList(combo, QStringLiteral("FundsType"), false);
    setComboText(combo, QString());
}

QString RecordPage::trimmedText(QComboBox *combo) {
    const QString text = combo->currentText().trimmed();
    if (text != combo->currentText()) {
        const QSignalBlocker blocker(combo);
        combo->setEditText(text);
    }
    return text;
}

void RecordPage::setComboText(QComboBox *combo, const QString &text) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void RecordPage::setFieldLocked(QWidget *field, bool locked) {
    ledger::setFieldLocked(field, locked);
}

void RecordPage::watchPaymentForm(QComboBox *fundsType, const std::function<void()> &rule) {
    connect(fundsType, &QComboBox::editTextChanged, this, [rule] { rule(); });
    QLineEdit *edit = fundsType->lineEdit();
    connect(edit, &QLineEdit::editingFinished, this, [edit] {
        const QString text = edit->text().trimmed();
        if (text != edit->text())
            edit->setText(text);
    });
}

void RecordPage::applyAccountRule(QComboBox *fundsType, QComboBox *account, QLabel *must) {
    // The text is looked up trimmed but left as typed: "Bank of China" keeps its blanks.
    const QString text = fundsType->currentText().trimmed();
    {
        const QSignalBlocker blocker(account);
        account->clear();
        account->setCurrentIndex(-1);
        account->setEditText(QString());
    }
    if (!needsAccount(fundsType)) {
        setFieldLocked(account, true);
        account->setEnabled(false);
        must->hide();
        return;
    }
    setFieldLocked(account, false);
    account->setEnabled(true);
    must->show();
    guardDb("account list",
            [&] { fillComboItems(account, Cards(ledgerDb()).validAccounts(text), true, false); });
}

bool RecordPage::rejectField(const QString &message, QWidget *field) {
    showInfo(message);
    if (field)
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

void RecordPage::saveRecord(const std::function<bool(Db &)> &save) {
    bool ok = false;
    guardDb("record save", [&] { ok = save(ledgerDb()); });
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
