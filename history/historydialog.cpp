#include "history/historydialog.h"
#include "core/dateformats.h"
#include "registry/storetext.h"
#include "ui_historydialog.h"

#include "core/inspection.h"
#include "core/judgement.h"
#include "core/logging.h"
#include "history/changereasondialog.h"
#include "history/inspectioncsv.h"
#include "history/inspectionstore.h"
#include "history/pdfviewer.h"
#include "history/trend.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

// The filter's entry that shows every inspection.
const qint64 allTransducers = -2;

// Newest first by the inspection's own date, then by when it was last changed.
QVector<StoredInspection> newestFirst(QVector<StoredInspection> inspections)
{
    std::stable_sort(inspections.begin(), inspections.end(), [](const auto &a, const auto &b) {
        const QDate dateA = inspectionDate(a), dateB = inspectionDate(b);
        return dateA != dateB ? dateA > dateB : a.changed > b.changed;
    });
    return inspections;
}

QString dateText(const StoredInspection &inspection)
{
    return inspectionDate(inspection).toString(DateFormats::shown);
}

// "3 de 44": the failed results of those judged.
QString failedText(const StoredInspection &inspection)
{
    if (inspection.unreadable)
        return QStringLiteral("?");
    const QVector<Result> results = judge(Inspection(inspection.values));
    return HistoryDialog::tr("%1 de %2").arg(failedCount(results)).arg(judgedCount(results));
}

} // namespace

// A reported inspection whose report was signed names its signer.
QString HistoryDialog::stateText(const StoredInspection &inspection)
{
    const QJsonObject signature = inspection.values.value(QStringLiteral("signature")).toObject();
    // a draft that has a report was changed after it
    if (inspection.state == StoredInspection::Draft)
        return inspection.pdfPath.isEmpty() ? tr("Rascunho") : tr("Alterada após o relatório");
    if (signature.isEmpty())
        return tr("Relatório salvo");
    return tr("Assinado por %1").arg(signature.value(QStringLiteral("signer")).toString());
}

HistoryDialog::HistoryDialog(const QVector<StoredInspection> &inspections, const QString &scannerId,
                             QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::HistoryDialog)
    , scannerId(scannerId)
    , all(newestFirst(inspections))
{
    ui->setupUi(this);
    ui->labelScanner->setText(ui->labelScanner->text().arg(scannerId));
    emptyText = ui->labelEmpty->text();
    setTransducers({});
    connect(ui->comboBoxTransducer, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &HistoryDialog::applyFilter);
    connect(ui->tableWidget, &QTableWidget::itemSelectionChanged, this,
            &HistoryDialog::updateButtons);
    setRole(ReviewStore::connectedRole());
    updateButtons();
}

void HistoryDialog::setRole(TeamRole role)
{
    ui->pushButtonBaseline->setVisible(TeamRights::mayChangeTolerances(role));
}

void HistoryDialog::setReviews(const QHash<qint64, ReviewStore::Review> &read)
{
    reviews = read;
    fill();
    updateButtons();
}

HistoryDialog::~HistoryDialog()
{
    delete ui;
}

void HistoryDialog::setInspections(const QVector<StoredInspection> &read)
{
    all = newestFirst(read);
    ui->labelEmpty->setText(emptyText);
    applyFilter();
}

void HistoryDialog::refresh(const QVector<StoredInspection> &read,
                            const QVector<Transducer> &scannerTransducers,
                            const QHash<qint64, ReviewStore::Review> &readReviews)
{
    const qint64 selected = inspections.value(selectedRow()).id;
    QScrollBar *scroll = ui->tableWidget->verticalScrollBar();
    const int scrolled = scroll->value();
    all = newestFirst(read);
    reviews = readReviews;
    ui->labelEmpty->setText(emptyText);
    setTransducers(scannerTransducers);
    const auto kept = std::find_if(inspections.cbegin(), inspections.cend(),
                                   [selected](const auto &one) { return one.id == selected; });
    if (kept != inspections.cend())
        ui->tableWidget->selectRow(int(kept - inspections.cbegin()));
    scroll->setValue(scrolled);
}

void HistoryDialog::setTransducers(const QVector<Transducer> &scannerTransducers)
{
    transducers = scannerTransducers;
    readBaselines();
    QComboBox *combo = ui->comboBoxTransducer;
    const QVariant chosen = combo->currentData();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(tr("Todos"), allTransducers);
    for (const Transducer &transducer : qAsConst(transducers))
        combo->addItem(transducer.describe(locale()) +
                           (transducer.retired ? QLatin1Char(' ') + tr("(retirado)") : QString()),
                       transducer.key);
    if (std::any_of(all.cbegin(), all.cend(),
                    [](const StoredInspection &one) { return one.transducerKey < 0; }))
        combo->addItem(tr("Sem transdutor"), qint64(-1));
    combo->setCurrentIndex(qMax(0, combo->findData(chosen)));
    applyFilter();
}

void HistoryDialog::applyFilter()
{
    const qint64 key = ui->comboBoxTransducer->currentData().toLongLong();
    inspections.clear();
    for (const StoredInspection &inspection : qAsConst(all)) {
        if (key == allTransducers || inspection.transducerKey == key)
            inspections.append(inspection);
    }
    fill();
    updateButtons();
}

QString HistoryDialog::transducerText(const StoredInspection &inspection,
                                      const QVector<Transducer> &transducers, const QLocale &locale)
{
    const QJsonObject record = inspection.values.value(Field::transducerRecord).toObject();
    if (!record.isEmpty())
        return Transducer::fromJson(record).describe(locale);
    const QString typed = inspection.values.value(Field::transducer).toString();
    if (!typed.isEmpty())
        return typed;
    for (const Transducer &transducer : transducers) {
        if (transducer.key == inspection.transducerKey)
            return transducer.describe(locale);
    }
    return QString();
}

void HistoryDialog::showBusy(const QString &text)
{
    ui->labelEmpty->setText(text);
    ui->labelEmpty->setVisible(true);
}

void HistoryDialog::fill()
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(inspections.size());
    for (int row = 0; row < inspections.size(); ++row) {
        const StoredInspection &inspection = inspections.at(row);
        // a review is shown while the inspection is the report it was filed with; a
        // note also while the inspection is being corrected
        const ReviewStore::Review review = reviews.value(inspection.id);
        QStringList state = {stateText(inspection)};
        if (inspection.state == StoredInspection::Reported ||
            review.state == ReviewStore::Review::Returned)
            state << review.describe();
        state << baselineText(inspection);
        state.removeAll(QString());
        const QString cells[] = {dateText(inspection),
                                 transducerText(inspection, transducers, locale()),
                                 inspection.changed.toString(DateFormats::shownWithTime),
                                 inspection.technician,
                                 state.join(QStringLiteral(" · ")),
                                 failedText(inspection),
                                 inspection.pdfPath};
        for (int column = 0; column < PdfColumn + 1; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column == FailedColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == PdfColumn || column == TransducerColumn)
                item->setToolTip(cells[column]);
            if (column == StateColumn)
                item->setToolTip(stateTip(inspection));
            table->setItem(row, column, item);
        }
    }
    // Long histories are measured on their first rows: their cells are alike.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->resizeColumnsToContents();
    // Wide enough for every column and tall enough for some twenty rows, in the
    // window's font, as far as the screen allows; a longer path is cut in its middle.
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    const QMargins margins = layout()->contentsMargins();
    const QRect available = screen()->availableGeometry();
    // a list read again keeps the size the user sees, once it was fitted to rows
    if (!isVisible() || !fitted) {
        resize(qBound(minimumSizeHint().width(), width + margins.left() + margins.right(),
                      available.width() * 9 / 10),
               qMin(fontMetrics().height() * 30, available.height() * 8 / 10));
        fitted = !inspections.isEmpty();
    }
    if (inspections.isEmpty())
        ui->labelEmpty->setVisible(true);
    else {
        ui->labelEmpty->setVisible(false);
        table->selectRow(0);
    }
}

StoredInspection HistoryDialog::chosen() const
{
    return inspections.value(chosenRow);
}

void HistoryDialog::updateButtons()
{
    const int row = selectedRow();
    const bool selected = row >= 0;
    ui->pushButtonOpen->setEnabled(selected);
    // a row whose values cannot be read has no report to show
    ui->pushButtonReport->setEnabled(selected && !inspections.value(row).unreadable);
    ui->pushButtonOpenPdf->setEnabled(selected && !inspections.value(row).pdfPath.isEmpty());
    ui->pushButtonDelete->setEnabled(selected);
    // a reported inspection of a transducer that is not its baseline already
    const StoredInspection &one = inspections.value(row);
    const QVector<ToleranceStore::BaselineEntry> &kept = baselines[one.transducerKey];
    ui->pushButtonBaseline->setEnabled(selected && one.state == StoredInspection::Reported &&
                                       one.transducerKey >= 0 && !one.unreadable &&
                                       (kept.isEmpty() || kept.last().inspectionId != one.id));
}

void HistoryDialog::readBaselines()
{
    baselines.clear();
    for (const Transducer &transducer : qAsConst(transducers))
        baselines.insert(transducer.key, ToleranceStore::baselines(transducer.key));
}

// "Linha de base" for the baseline in force, "Linha de base até 10/06/2026" for one
// that another has replaced.
QString HistoryDialog::baselineText(const StoredInspection &inspection) const
{
    const QVector<ToleranceStore::BaselineEntry> kept = baselines.value(inspection.transducerKey);
    for (int i = kept.size() - 1; i >= 0; --i) {
        if (kept[i].inspectionId != inspection.id)
            continue;
        if (i == kept.size() - 1)
            return tr("Linha de base");
        return tr("Linha de base até %1")
            .arg(kept[i + 1].chosen.date().toString(DateFormats::shown));
    }
    return QString();
}

// Why and by whom an inspection was made a baseline, each time it was.
QString HistoryDialog::baselineReasons(const StoredInspection &inspection) const
{
    QStringList lines;
    for (const ToleranceStore::BaselineEntry &entry : baselines.value(inspection.transducerKey)) {
        if (entry.inspectionId != inspection.id)
            continue;
        lines << (entry.chosen.isValid()
                      ? tr("Linha de base desde %1, por %2: %3")
                            .arg(entry.chosen.toString(DateFormats::shownWithTime), entry.who,
                                 entry.why)
                      : tr("Linha de base: a primeira inspeção relatada do transdutor"));
    }
    return lines.join(QLatin1Char('\n'));
}

// Who returned the inspection and why, then why it is a baseline.
QString HistoryDialog::stateTip(const StoredInspection &inspection) const
{
    const ReviewStore::Review review = reviews.value(inspection.id);
    QStringList lines;
    if (review.state == ReviewStore::Review::Returned)
        lines << tr("Devolvida por %1 em %2: %3")
                     .arg(review.who, review.at.toString(DateFormats::shownWithTime), review.note);
    lines << baselineReasons(inspection);
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

void HistoryDialog::on_pushButtonBaseline_clicked()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const StoredInspection chosen = inspections.at(row);
    ChangeReasonDialog reason(
        tr("A inspeção de %1 passa a ser a linha de base de %2. As inspeções seguintes deste "
           "transdutor serão comparadas com ela; as anteriores e seus relatórios não mudam.")
            .arg(dateText(chosen), transducerText(chosen, transducers, locale())),
        QString(), this);
    if (reason.exec() != QDialog::Accepted)
        return;
    const InspectionStore::Outcome outcome =
        ToleranceStore::chooseBaseline(chosen.transducerKey, chosen.id, reason.signedBy());
    if (outcome != InspectionStore::Done) {
        QMessageBox::warning(
            this, tr("Linha de base"),
            outcome == InspectionStore::Busy
                ? StoreText::busy() + QLatin1Char(' ') +
                      tr("A linha de base não foi alterada. Tente de novo em instantes.")
                : tr("A linha de base não pôde ser alterada (veja o registro do programa)."));
        return;
    }
    readBaselines();
    fill();
    ui->tableWidget->selectRow(row);
    emit baselineChosen();
}

int HistoryDialog::selectedRow() const
{
    const QModelIndexList rows = ui->tableWidget->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void HistoryDialog::on_pushButtonOpen_clicked()
{
    chosenRow = selectedRow();
    if (chosenRow >= 0)
        accept();
}

void HistoryDialog::on_pushButtonReport_clicked()
{
    const int row = selectedRow();
    if (row >= 0)
        emit reportRequested(inspections.at(row));
}

void HistoryDialog::on_pushButtonOpenPdf_clicked()
{
    const int row = selectedRow();
    if (row >= 0)
        PdfViewer::open(this, inspections.at(row).pdfPath);
}

void HistoryDialog::on_tableWidget_cellDoubleClicked(int row, int)
{
    chosenRow = row;
    accept();
}

void HistoryDialog::on_pushButtonDelete_clicked()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const StoredInspection &inspection = inspections.at(row);
    const QString when = dateText(inspection);
    if (QMessageBox::question(
            this, windowTitle(),
            tr("Apagar a inspeção de %1? Ela não poderá ser recuperada.").arg(when),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (InspectionStore::remove(inspection.id) != InspectionStore::Done) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("Não foi possível apagar a inspeção (veja o registro do programa)."));
        return;
    }
    deleted.append(inspection.id);
    const qint64 id = inspection.id;
    all.erase(std::remove_if(all.begin(), all.end(),
                             [id](const StoredInspection &one) { return one.id == id; }),
              all.end());
    inspections.remove(row);
    ui->tableWidget->removeRow(row);
    ui->labelEmpty->setVisible(inspections.isEmpty());
    updateButtons();
}

void HistoryDialog::on_pushButtonExport_clicked()
{
    QVector<StoredInspection> listed = inspections;
    for (StoredInspection &inspection : listed) {
        if (inspection.scanner.isEmpty()) // kept by the earlier version with its key only
            inspection.scanner = InspectionStore::equipmentRecord(inspection.equipmentKey);
    }
    const QString safeId = QString(scannerId).replace(QRegularExpression(QStringLiteral("[^\\w-]")),
                                                      QStringLiteral("_"));
    exportCsv(
        this, listed,
        tr("inspecoes_%1_%2.csv").arg(safeId, QDate::currentDate().toString(DateFormats::stored)));
}

void HistoryDialog::exportCsv(QWidget *parent, const QVector<StoredInspection> &inspections,
                              const QString &name)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fileName =
        QFileDialog::getSaveFileName(parent, tr("Exportar inspeções"),
                                     QDir(documents).filePath(name), tr("Planilha CSV (*.csv)"));
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(InspectionCsv::compose(inspections, parent->locale())) < 0 || !file.commit()) {
        qCWarning(zetuStore) << "cannot export inspections to" << fileName << file.errorString();
        QMessageBox::warning(parent, tr("Exportar inspeções"),
                             tr("O arquivo %1 não pôde ser gravado (%2).")
                                 .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return;
    }
    QMessageBox::information(parent, tr("Exportar inspeções"),
                             tr("Inspeções exportadas: %1, para o arquivo %2.")
                                 .arg(inspections.size())
                                 .arg(QDir::toNativeSeparators(fileName)));
}
