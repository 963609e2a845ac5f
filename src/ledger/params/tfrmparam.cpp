#include "ledger/params/tfrmparam.h"

#include "ledger/core/comboitems.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/formpanel.h"
#include "ledger/core/prompter.h"
#include "ledger/core/standardicons.h"
#include "ledger/data/lookuplists.h"
#include "ledger/datamodule/tfrmdm.h"
#include "ui_tfrmparam.h"

#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QStringListModel>
#include <QStyle>

namespace ledger {

namespace {

const QString kPrompt = QStringLiteral("输入新项：    ");

// Leading and trailing blanks and control characters removed.
QString trimAnswer(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

TfrmParam::TfrmParam(QWidget *parent)
    : QDialog(parent), ui(new Ui::TfrmParam), m_entries(new QStringListModel(this)) {
    ui->setupUi(this);
    ui->lvList->setModel(m_entries);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    const struct {
        QToolButton *button;
        QStyle::StandardPixmap icon;
    } glyphs[] = {{ui->sbtnAdd, QStyle::SP_FileDialogNewFolder},
                  {ui->sbtnEdit, QStyle::SP_FileDialogDetailedView},
                  {ui->sbtnDel, QStyle::SP_TrashIcon},
                  {ui->sbtnTop, QStyle::SP_MediaSkipBackward},
                  {ui->sbtnUp, QStyle::SP_ArrowUp},
                  {ui->sbtnDown, QStyle::SP_ArrowDown},
                  {ui->sbtnBottom, QStyle::SP_MediaSkipForward}};
    for (const auto &g : glyphs) {
        g.button->setIcon(standardIcon(this, g.icon));
        g.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        g.button->setAutoRaise(true);
        g.button->setIconSize(QSize(16, 16));
        // Seven buttons share the narrow top panel: they may shrink to their caption.
        g.button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        g.button->setMinimumWidth(g.button->fontMetrics().horizontalAdvance(g.button->text()) + 6);
    }
    resize(294, 348);
    QFont listFont(QStringLiteral("宋体"));
    listFont.setPixelSize(13);
    ui->lvList->setFont(listFont);
    ui->lvList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->lvList->verticalHeader()->setMinimumSectionSize(20);
    ui->lvList->verticalHeader()->setDefaultSectionSize(20);
    ui->lvList->setWordWrap(false);

    connect(ui->sbtnAdd, &QToolButton::clicked, this, &TfrmParam::sbtnAddClick);
    connect(ui->sbtnEdit, &QToolButton::clicked, this, &TfrmParam::sbtnEditClick);
    connect(ui->sbtnDel, &QToolButton::clicked, this, &TfrmParam::sbtnDelClick);
    connect(ui->sbtnTop, &QToolButton::clicked, this, &TfrmParam::sbtnTopClick);
    connect(ui->sbtnUp, &QToolButton::clicked, this, &TfrmParam::sbtnUpClick);
    connect(ui->sbtnDown, &QToolButton::clicked, this, &TfrmParam::sbtnDownClick);
    connect(ui->sbtnBottom, &QToolButton::clicked, this, &TfrmParam::sbtnBottomClick);
    connect(ui->btnSubmit, &QPushButton::clicked, this, &TfrmParam::btnSubmitClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmParam::btnCancelClick);
    // Enter acts on the focused button, never on the dialog's default one behind it.
    FormPanel::pressButtonsOnEnter(this);
}

TfrmParam::~TfrmParam() = default;

void TfrmParam::showParamEditor(QComboBox *combo, const QString &listName, QWidget *parent,
                                const std::function<void()> &refill) {
    TfrmParam editor(parent);
    editor.setTarget(combo, listName, refill);
    editor.exec();
}

QString TfrmParam::canonicalListName(const QString &listName) {
    static const QStringList names = {QStringLiteral("StaffName"), QStringLiteral("IncomeType"),
                                      QStringLiteral("OutType"), LookupLists::fundsTypeList(),
                                      QStringLiteral("CardCompany")};
    for (const QString &name : names) {
        if (name.compare(listName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return listName;
}

void TfrmParam::setTarget(QComboBox *combo, const QString &listName,
                          const std::function<void()> &refill) {
    m_combo = combo;
    m_refill = refill;
    ui->lblFunId->setText(combo ? combo->objectName() : QString());
    ui->lblKeyname->setText(canonicalListName(listName));
}

void TfrmParam::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_loaded)
        FormShow();
}

void TfrmParam::FormShow() {
    m_loaded = true;
    m_listName = ui->lblKeyname->text();
    QStringList entries;
    if (isFundsTypeList())
        entries.append(LookupLists::cashEntry());
    guardDb("list editor load",
            [&] { entries.append(LookupLists(ledgerDb()).values(m_listName)); });
    m_entries->setStringList(entries);
    ui->lvList->setFocus(Qt::OtherFocusReason);
}

QStringList TfrmParam::entries() const {
    return m_entries->stringList();
}

int TfrmParam::selectedRow() const {
    const QModelIndexList cells = ui->lvList->selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void TfrmParam::selectRow(int row) {
    ui->lvList->clearSelection();
    if (row >= 0 && row < m_entries->rowCount()) {
        ui->lvList->setCurrentIndex(m_entries->index(row));
        ui->lvList->selectRow(row);
    }
}

bool TfrmParam::isFundsTypeList() const {
    return m_listName == LookupLists::fundsTypeList();
}

bool TfrmParam::isCashRow(int row) const {
    return isFundsTypeList() && m_entries->index(row).data().toString() == LookupLists::cashEntry();
}

void TfrmParam::appendRow(const QString &text) {
    const int row = m_entries->rowCount();
    m_entries->insertRows(row, 1);
    m_entries->setData(m_entries->index(row), text);
}

int TfrmParam::findText(const QString &text) const {
    return int(m_entries->stringList().indexOf(text));
}

void TfrmParam::sbtnAddClick() {
    QString answer;
    if (!Prompter::instance().inputText(QStringLiteral("添加"), kPrompt, answer))
        answer.clear();
    answer = trimAnswer(answer);
    if (answer.isEmpty()) {
        showInfo(QStringLiteral("输入项为空。"));
        return;
    }
    if (findText(answer) >= 0) {
        showInfo(QStringLiteral("存在相同项。"));
        return;
    }
    appendRow(answer);
    selectRow(m_entries->rowCount() - 1);
    ui->lvList->setFocus();
}

void TfrmParam::sbtnEditClick() {
    const int row = selectedRow();
    if (row < 0) {
        showInfo(QStringLiteral("请选中需要修改的项目。"));
        return;
    }
    if (isCashRow(row)) {
        showInfo(QStringLiteral("现金项不能被修改。"));
        return;
    }
    const QString current = m_entries->index(row).data().toString();
    QString answer = current;
    if (!Prompter::instance().inputText(QStringLiteral("添加"), kPrompt, answer))
        answer = current;
    answer = trimAnswer(answer);
    if (answer.isEmpty()) {
        showInfo(QStringLiteral("输入项为空。"));
        return;
    }
    if (answer == current)
        return;
    if (findText(answer) >= 0) {
        showInfo(QStringLiteral("存在相同项。"));
        return;
    }
    m_entries->setData(m_entries->index(row), answer);
}

void TfrmParam::sbtnDelClick() {
    const int row = selectedRow();
    if (row < 0) {
        showInfo(QStringLiteral("请选中需要删除的记录。"));
        return;
    }
    if (isCashRow(row)) {
        showInfo(QStringLiteral("现金项不能被删除。"));
        return;
    }
    if (Prompter::instance().confirm(QStringLiteral("确定删除该记录?"), QStringLiteral("提示")))
        m_entries->removeRows(row, 1);
}

void TfrmParam::sbtnTopClick() {
    moveItem(selectedRow(), true, true, false);
}
void TfrmParam::sbtnUpClick() {
    moveItem(selectedRow(), true, true, true);
}
void TfrmParam::sbtnDownClick() {
    moveItem(selectedRow(), false, true, true);
}
void TfrmParam::sbtnBottomClick() {
    moveItem(selectedRow(), false, true, false);
}

void TfrmParam::moveItem(int row, bool up, bool focusAfter, bool byOne) {
    const int last = m_entries->rowCount() - 1;
    if (row < 0 || (up && row == 0) || (!up && row == last))
        return;
    const int target = up ? (byOne ? row - 1 : 0) : (byOne ? row + 1 : last);
    // moveRow takes the row the moved one is to stand before.
    m_entries->moveRow(QModelIndex(), row, QModelIndex(), up ? target : target + 1);
    selectRow(target);
    if (focusAfter)
        ui->lvList->setFocus();
    ui->lvList->scrollTo(m_entries->index(target), QAbstractItemView::EnsureVisible);
}

void TfrmParam::btnSubmitClick() {
    // Stored positions count the cash row, which itself is never stored.
    QList<LookupEntry> stored;
    const QStringList texts = entries();
    for (int r = 0; r < texts.size(); ++r) {
        if (!isCashRow(r))
            stored.append({texts.at(r), r});
    }
    if (!guardDb(
            "list editor save", [&] { LookupLists(ledgerDb()).replace(m_listName, stored); },
            QStringLiteral("保存失败。")))
        return;
    refillCombo();
    accept();
}

void TfrmParam::refillCombo() {
    if (!m_combo)
        return;
    guardDb("list editor refill", [this] {
        if (m_refill)
            m_refill();
        else
            fillComboItems(m_combo, LookupLists(ledgerDb()).values(m_listName), true, false);
    });
}

void TfrmParam::btnCancelClick() {
    reject();
}

} // namespace ledger
