#include "ledger/accounts/movementlist.h"

#include "ledger/core/figurelabel.h"
#include "ledger/core/formpanel.h"
#include "ledger/data/numbertext.h"
#include "ledger/records/recordlist.h"
#include "ledger/records/recordlistmodel.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ledger {

MovementDialog::MovementDialog(const QString &caption, const QString &listName,
                               const QStringList &captions, const QList<int> &widths,
                               const QString &sumText, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(529, 369);
    FormPanel::pressButtonsOnEnter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    m_list = new RecordList(this);
    m_list->setObjectName(listName);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    m_list->setFont(font);
    m_list->setColumns(captions, widths);
    layout->addWidget(m_list, 1);

    m_bottom = new QHBoxLayout;
    m_bottom->setContentsMargins(8, 0, 8, 0);
    m_count = new QLabel(QStringLiteral("记录数：0 条"), this);
    m_count->setObjectName(QStringLiteral("lbl_bank_recordcount"));
    m_sum = new FigureLabel(sumText, this);
    m_sum->setObjectName(QStringLiteral("lbl_bank_sum"));
    m_bottom->addWidget(m_count);
    layout->addLayout(m_bottom);
}

double MovementDialog::showMovements(RecordList *list, const QList<AccountMovement> &movements) {
    RecordRows rows;
    rows.columns = 5;
    rows.cells.reserve(movements.size() * rows.columns);
    double total = 0;
    int number = 0;
    for (const AccountMovement &m : movements) {
        rows.cells << QString::number(++number) << m.date << m.kind << m.item
                   << numberText(m.amount);
        total += m.amount;
    }
    list->records()->setRows(std::move(rows));
    m_count->setText(QStringLiteral("记录数：%1 条").arg(list->count()));
    return total;
}

} // namespace ledger
