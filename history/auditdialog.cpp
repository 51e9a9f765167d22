#include "history/auditdialog.h"
#include "ui_auditdialog.h"

#include "history/tolerancesdialog.h"
#include "history/tolerancestore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>

namespace {

// The widest a column of names or changes starts; the reason takes the rest, and long
// texts wrap.
const int widestWho = 200;
const int widestWhat = 360;

// A moment in the interface's language, with the full year.
QString whenText(const QDateTime &at, const QLocale &locale)
{
    QString format = locale.dateTimeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(at, format);
}

// A cell on one line, its whole text in the tool tip, sorted by `key` (else its text).
QStandardItem *cell(const QString &text, const QVariant &key = QVariant())
{
    auto *item = new QStandardItem(text.simplified());
    item->setToolTip(text);
    item->setData(key.isValid() ? key : QVariant(text.simplified()), Qt::UserRole);
    return item;
}

} // namespace

AuditDialog::AuditDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AuditDialog)
    , model(new QStandardItemModel(0, ColumnCount, this))
{
    ui->setupUi(this);
    model->setHorizontalHeaderLabels({tr("Quando"), tr("Quem"), tr("O quê"), tr("Por quê")});
    model->setSortRole(Qt::UserRole);
    ToleranceStore::Outcome outcome = InspectionStore::Done;
    for (const ToleranceStore::AuditEntry &entry : ToleranceStore::auditTrail(&outcome))
        model->appendRow({cell(whenText(entry.at, locale()), entry.at), cell(entry.who),
                          cell(entry.describe()), cell(entry.why)});
    ui->tableView->setModel(model);
    ui->tableView->sortByColumn(WhenColumn, Qt::DescendingOrder);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->setColumnWidth(WhoColumn,
                                  qMin(ui->tableView->columnWidth(WhoColumn), widestWho));
    ui->tableView->setColumnWidth(WhatColumn,
                                  qMin(ui->tableView->columnWidth(WhatColumn), widestWhat));
    ui->tableView->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->labelEmpty->setVisible(model->rowCount() == 0);

    auto *copy = new QAction(tr("Copiar"), ui->tableView);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &AuditDialog::on_pushButtonCopy_clicked);
    ui->tableView->addAction(copy);
    connect(ui->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AuditDialog::updateButtons);
    updateButtons();
    if (outcome != InspectionStore::Done) // said once the dialog is up
        QTimer::singleShot(0, this, [this, outcome] {
            QMessageBox::warning(this, windowTitle(),
                                 tr("O registro de alterações não pôde ser lido: %1.")
                                     .arg(TolerancesDialog::failureReason(outcome)));
        });
}

AuditDialog::~AuditDialog()
{
    delete ui;
}

QString AuditDialog::selectedText() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->tableView->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int row : qAsConst(rows)) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << model->item(row, column)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void AuditDialog::on_pushButtonCopy_clicked()
{
    QApplication::clipboard()->setText(selectedText());
}

void AuditDialog::updateButtons()
{
    ui->pushButtonCopy->setEnabled(ui->tableView->selectionModel()->hasSelection());
}
