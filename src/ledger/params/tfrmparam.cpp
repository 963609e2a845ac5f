#include "ledger/params/tfrmparam.h"

#include "ledger/core/prompter.h"
#include "ledger/core/untpub.h"
#include "ledger/data/db.h"
#include "ledger/data/tfrmdm.h"
#include "ui_tfrmparam.h"

#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

namespace ledger {

namespace {

const QString kCash = QStringLiteral("现金");
const QString kFundsType = QStringLiteral("FundsType");
const QString kPrompt = QStringLiteral("输入新项：    ");
const QString kLookupSql =
    QStringLiteral("SELECT keyvalue from kx_hash where keyname=? order by seqid, hashid");

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

TfrmParam::TfrmParam(QWidget *parent) : QDialog(parent), ui(new Ui::TfrmParam) {
    ui->setupUi(this);
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
        g.button->setIcon(style()->standardIcon(g.icon));
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
    ui->lvList->setColumnHidden(0, true);
    ui->lvList->setColumnWidth(1, 250);
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
}

TfrmParam::~TfrmParam() = default;

void TfrmParam::showParamEditor(QComboBox *combo, const QString &listName, QWidget *parent) {
    TfrmParam editor(parent);
    editor.setTarget(combo, listName);
    editor.exec();
}

QString TfrmParam::canonicalListName(const QString &listName) {
    static const QStringList names = {QStringLiteral("StaffName"), QStringLiteral("IncomeType"),
                                      QStringLiteral("OutType"), kFundsType,
                                      QStringLiteral("CardCompany")};
    for (const QString &name : names) {
        if (name.compare(listName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return listName;
}

void TfrmParam::setTarget(QComboBox *combo, const QString &listName) {
    m_combo = combo;
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
    ui->lvList->setRowCount(0);
    if (isFundsTypeList())
        appendRow(QString(), kCash);
    try {
        if (!frmDM)
            return;
        Statement query(frmDM->adoConn(),
                        QStringLiteral("select hashid, keyValue from kx_hash where keyname=? "
                                       "order by seqid, hashid"),
                        {m_listName});
        while (query.next())
            appendRow(query.text(0), query.text(1));
    } catch (const std::exception &e) {
        qWarning("list editor load: %s", e.what());
    }
}

QStringList TfrmParam::entries() const {
    QStringList texts;
    for (int r = 0; r < ui->lvList->rowCount(); ++r)
        texts << ui->lvList->item(r, 1)->text();
    return texts;
}

int TfrmParam::selectedRow() const {
    const QModelIndexList cells = ui->lvList->selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void TfrmParam::selectRow(int row) {
    ui->lvList->clearSelection();
    if (row >= 0 && row < ui->lvList->rowCount()) {
        ui->lvList->setCurrentCell(row, 1);
        ui->lvList->selectRow(row);
    }
}

bool TfrmParam::isFundsTypeList() const {
    return m_listName == kFundsType;
}

bool TfrmParam::isCashRow(int row) const {
    return isFundsTypeList() && ui->lvList->item(row, 1)->text() == kCash;
}

void TfrmParam::appendRow(const QString &id, const QString &text) {
    const int row = ui->lvList->rowCount();
    ui->lvList->insertRow(row);
    ui->lvList->setItem(row, 0, new QTableWidgetItem(id));
    ui->lvList->setItem(row, 1, new QTableWidgetItem(text));
}

int TfrmParam::findText(const QString &text) const {
    for (int r = 0; r < ui->lvList->rowCount(); ++r) {
        if (ui->lvList->item(r, 1)->text() == text)
            return r;
    }
    return -1;
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
    appendRow(QStringLiteral("0"), answer);
    selectRow(ui->lvList->rowCount() - 1);
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
    const QString current = ui->lvList->item(row, 1)->text();
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
    ui->lvList->item(row, 1)->setText(answer);
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
        ui->lvList->removeRow(row);
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
    const int last = ui->lvList->rowCount() - 1;
    if (row < 0 || (up && row == 0) || (!up && row == last))
        return;
    const int target = up ? (byOne ? row - 1 : 0) : (byOne ? row + 1 : last);
    QTableWidgetItem *id = ui->lvList->takeItem(row, 0);
    QTableWidgetItem *text = ui->lvList->takeItem(row, 1);
    ui->lvList->setUpdatesEnabled(false);
    ui->lvList->removeRow(row);
    ui->lvList->insertRow(target);
    ui->lvList->setItem(target, 0, id);
    ui->lvList->setItem(target, 1, text);
    ui->lvList->setUpdatesEnabled(true);
    selectRow(target);
    if (focusAfter)
        ui->lvList->setFocus();
    ui->lvList->scrollToItem(text, QAbstractItemView::EnsureVisible);
}

void TfrmParam::btnSubmitClick() {
    // One transaction: the stored list is replaced whole or not at all.
    bool ok = frmDM && frmDM->adoConn().isOpen();
    if (ok) {
        try {
            Transaction transaction(frmDM->adoConn());
            ok = execSQL(QStringLiteral("delete from kx_hash where keyname=?"), {m_listName});
            for (int r = 0; ok && r < ui->lvList->rowCount(); ++r) {
                if (isCashRow(r))
                    continue;
                ok = execSQL(QStringLiteral("insert into kx_hash(keyname, keyvalue, seqid) "
                                            "values(?,?,?)"),
                             {m_listName, ui->lvList->item(r, 1)->text(), r});
            }
            if (ok)
                transaction.commit();
        } catch (const std::exception &e) {
            qWarning("list editor save: %s", e.what());
            ok = false;
        }
    }
    if (!ok) {
        showInfo(QStringLiteral("保存失败。"));
        return;
    }
    refillCombo();
    accept();
}

void TfrmParam::refillCombo() {
    if (!m_combo)
        return;
    try {
        if (isFundsTypeList()) {
            const QString text = m_combo->currentText();
            {
                const QSignalBlocker blocker(m_combo.data());
                m_combo->clear();
                m_combo->addItem(kCash);
                m_combo->setCurrentIndex(-1);
                m_combo->setEditText(text);
            }
            fillItemsFromQuery(kLookupSql, {m_listName}, QStringLiteral("keyvalue"), m_combo, false,
                               false);
        } else {
            fillItemsFromQuery(kLookupSql, {m_listName}, QStringLiteral("keyvalue"), m_combo, true,
                               false);
        }
    } catch (const std::exception &e) {
        qWarning("list editor refill: %s", e.what());
    }
}

void TfrmParam::btnCancelClick() {
    reject();
}

} // namespace ledger
