#include "history/reviewdialog.h"
#include "registry/storetext.h"
#include "ui_reviewdialog.h"

#include "core/dateformats.h"
#include "core/inspection.h"
#include "core/judgement.h"
#include "core/logging.h"
#include "history/changereasondialog.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "history/trend.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

const QString reviewerKey = QStringLiteral("Review/Name");

// The oldest first by the inspection's own date, then by when it was started.
void oldestFirst(QVector<StoredInspection> &inspections)
{
    std::stable_sort(inspections.begin(), inspections.end(), [](const auto &a, const auto &b) {
        const QDate dateA = inspectionDate(a), dateB = inspectionDate(b);
        return dateA != dateB ? dateA < dateB : a.started < b.started;
    });
}

} // namespace

ReviewDialog::ReviewDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ReviewDialog)
{
    ui->setupUi(this);
    emptyText = ui->labelEmpty->text();
    connect(ui->tableWidget, &QTableWidget::itemSelectionChanged, this,
            &ReviewDialog::updateButtons);
    setRole(ReviewStore::connectedRole());
    reload();
}

ReviewDialog::~ReviewDialog()
{
    delete ui;
}

void ReviewDialog::setRole(TeamRole role)
{
    const bool reviewer = TeamRights::mayReview(role);
    ui->pushButtonApprove->setVisible(reviewer);
    ui->pushButtonReturn->setVisible(reviewer);
}

bool ReviewDialog::reload()
{
    InspectionStore::Outcome outcome;
    QVector<StoredInspection> read = InspectionStore::awaitingReview(&outcome);
    if (outcome == InspectionStore::Done)
        reviews = ReviewStore::latest(-1, &outcome);
    if (outcome != InspectionStore::Done) {
        pending.clear();
        fill();
        ui->labelEmpty->setText(
            outcome == InspectionStore::Busy
                ? StoreText::busy() + QLatin1Char(' ') + tr("Tente de novo em instantes.")
                : tr("A lista de revisão não pôde ser lida (veja o registro do programa)."));
        return false;
    }
    oldestFirst(read);
    const qint64 selected = pending.value(selectedRow()).id;
    pending = read;
    ui->labelEmpty->setText(emptyText);
    fill();
    for (int row = 0; row < pending.size(); ++row) {
        if (pending[row].id == selected)
            ui->tableWidget->selectRow(row);
    }
    return true;
}

void ReviewDialog::fill()
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(pending.size());
    for (int row = 0; row < pending.size(); ++row) {
        const StoredInspection &inspection = pending.at(row);
        const QVector<Result> results = judge(Inspection(inspection.values));
        const QString scanner =
            inspection.scanner.value(2).isEmpty()
                ? QString()
                : tr("%1 (%2)").arg(inspection.scanner.value(2), inspection.scanner.value(0));
        const QString cells[] = {
            scanner, HistoryDialog::transducerText(inspection, {}, locale()),
            inspectionDate(inspection).toString(DateFormats::shown), inspection.technician,
            inspection.unreadable
                ? QStringLiteral("?")
                : tr("%1 de %2").arg(failedCount(results)).arg(judgedCount(results))};
        for (int column = 0; column <= FailedColumn; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            if (column == FailedColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    ui->labelEmpty->setVisible(pending.isEmpty());
    if (!pending.isEmpty())
        table->selectRow(0);
    updateButtons();
}

int ReviewDialog::selectedRow() const
{
    const QModelIndexList rows = ui->tableWidget->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReviewDialog::updateButtons()
{
    const int row = selectedRow();
    const bool selected = row >= 0;
    ui->pushButtonReport->setEnabled(selected && !pending.value(row).unreadable);
    ui->pushButtonApprove->setEnabled(selected);
    ui->pushButtonReturn->setEnabled(selected);
}

void ReviewDialog::on_pushButtonReport_clicked()
{
    const int row = selectedRow();
    if (row >= 0)
        emit reportRequested(pending.at(row));
}

void ReviewDialog::on_tableWidget_cellDoubleClicked(int row, int)
{
    if (!pending.value(row).unreadable)
        emit reportRequested(pending.value(row));
}

void ReviewDialog::on_pushButtonApprove_clicked()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const StoredInspection chosen = pending.at(row);
    const QString date = inspectionDate(chosen).toString(DateFormats::shown);
    bool given = false;
    const QString name = QInputDialog::getText(
        this, tr("Aprovar inspeção"),
        tr("A inspeção de %1 feita por %2 será aprovada em seu nome. Seu nome:")
            .arg(date, chosen.technician),
        QLineEdit::Normal, lastReviewer(), &given);
    if (!given)
        return;
    keepReviewer(name);
    const ReviewStore::Outcome outcome =
        ReviewStore::approve(reviews.value(chosen.id), name.simplified());
    const bool done = told(this, outcome, chosen.technician);
    if (outcome != ReviewStore::Outcome::Busy)
        reload();
    if (!done)
        return;
    emit reviewed();
    if (QMessageBox::question(this, tr("Aprovar inspeção"),
                              tr("A inspeção de %1 foi aprovada. Abrir o relatório para salvá-lo "
                                 "e assiná-lo agora?")
                                  .arg(date),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes)
        emit signingRequested(chosen);
}

void ReviewDialog::on_pushButtonReturn_clicked()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const StoredInspection chosen = pending.at(row);
    ChangeReasonDialog note(
        tr("A inspeção de %1 volta a %2 com esta nota. Corrigida e relatada de novo, ela "
           "aguarda revisão outra vez.")
            .arg(inspectionDate(chosen).toString(DateFormats::shown), chosen.technician),
        lastReviewer(), this);
    note.setWording(tr("Devolver inspeção"), tr("&Nota"), tr("ex.: refazer a zona morta a 0.7 dB"));
    if (note.exec() != QDialog::Accepted)
        return;
    const ToleranceStore::Signed by = note.signedBy();
    keepReviewer(by.who);
    const ReviewStore::Outcome outcome =
        ReviewStore::giveBack(reviews.value(chosen.id), by.who, by.why);
    const bool done = told(this, outcome, chosen.technician);
    if (outcome != ReviewStore::Outcome::Busy)
        reload();
    if (done)
        emit reviewed();
}

bool ReviewDialog::told(QWidget *parent, ReviewStore::Outcome outcome, const QString &technician)
{
    using Outcome = ReviewStore::Outcome;
    QString text;
    switch (outcome) {
    case Outcome::Done:
        return true;
    case Outcome::Busy:
        text = StoreText::busy() + QLatin1Char(' ') +
               tr("A revisão não foi gravada. Tente de novo em instantes.");
        break;
    case Outcome::Denied:
        text = tr("O servidor recusou a revisão: o seu usuário não tem o direito de aprovar "
                  "nem de devolver inspeções.");
        break;
    case Outcome::NoName:
        text = tr("Informe o nome de quem revisa.");
        break;
    case Outcome::SameName:
        text = tr("A inspeção foi feita por %1 e não pode ser aprovada pelo mesmo nome. Outra "
                  "pessoa deve revisá-la.")
                   .arg(technician);
        break;
    case Outcome::NoNote:
        text = tr("Uma inspeção só é devolvida com uma nota ao técnico.");
        break;
    case Outcome::Changed:
        text = tr("A inspeção não aguarda mais esta revisão: foi revisada, alterada ou relatada "
                  "de novo enquanto isso. A lista foi lida de novo.");
        break;
    case Outcome::Failed:
        text = tr("A revisão não pôde ser gravada (veja o registro do programa).");
        break;
    }
    QMessageBox::warning(parent, tr("Revisão"), text);
    return false;
}

QString ReviewDialog::lastReviewer()
{
    return QSettings(QStringLiteral("zetu.ini"), QSettings::IniFormat)
        .value(reviewerKey)
        .toString();
}

void ReviewDialog::keepReviewer(const QString &name)
{
    QSettings settings(QStringLiteral("zetu.ini"), QSettings::IniFormat);
    settings.setValue(reviewerKey, name.simplified());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(zetuStore) << "cannot keep the reviewer's name in zetu.ini";
}
