// The inspection in the wizard kept in zetu.db: a draft from the moment a scanner is
// chosen, written at every step change, on close and at most every 30 s while values
// change; marked reported when its PDF is saved; the history and trend of the
// selected scanner on step 1.

#include "history/historydialog.h"
#include "history/inputvalues.h"
#include "history/inspectionstore.h"
#include "history/trenddialog.h"
#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"
#include "wizard/massrows.h"

#include <QCloseEvent>
#include <QDir>
#include <QJsonArray>
#include <QMessageBox>
#include <QSqlTableModel>

namespace {

// Settings and view choices of the window, not values of the inspection.
const QStringList notKept = {QStringLiteral("comboBox"), QStringLiteral("comboBoxImage")};

const int draftInterval = 30000;

const QString uniformityKey = QStringLiteral("uniformity");
// The signature of the saved report, kept while the inspection stays as reported.
const QString signatureKey = QStringLiteral("signature");

} // namespace

void MainWindow::setUpInspections()
{
    storeUsable = dataBase.isWritable();
    startValues = InputValues::collect(this, notKept);
    draftTimer.setSingleShot(true);
    draftTimer.setInterval(draftInterval);
    connect(&draftTimer, &QTimer::timeout, this, &MainWindow::keepInspection);
    InputValues::watch(
        this, this, [this] { inputChanged(); }, notKept);
    connect(&report, &ReportForm::reportSaved, this,
            [this](const QString &fileName) { reportSaved(fileName); });
    connect(&report, &ReportForm::reportSigned, this, &MainWindow::reportSaved);
    connect(ui->pushButtonHistory, &QPushButton::clicked, this, &MainWindow::showHistory);
    connect(ui->pushButtonTrend, &QPushButton::clicked, this, &MainWindow::showTrend);
}

void MainWindow::resumeAtStart()
{
    if (!storeUsable) {
        storeFailed();
        return;
    }
    StoredInspection draft;
    if (!InspectionStore::latestDraft(&draft))
        return;
    const QString question = tr("Continuar a inspeção não concluída de %1 de %2?")
                                 .arg(InspectionStore::equipmentId(draft.equipmentKey),
                                      draft.changed.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    if (QMessageBox::question(this, tr("Inspeção não concluída"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes)
        loadInspection(draft);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    keepInspection();
    QMainWindow::closeEvent(event);
}

void MainWindow::inputChanged()
{
    if (restoring)
        return;
    changedSinceReport = true;
    if (storeUsable && !draftTimer.isActive())
        draftTimer.start();
}

void MainWindow::reportSaved(const QString &fileName, const QJsonObject &signature)
{
    if (signature.isEmpty())
        inspection.values.remove(signatureKey);
    else
        inspection.values.insert(signatureKey, signature);
    inspection.state = StoredInspection::Reported;
    inspection.pdfPath = fileName;
    changedSinceReport = false;
    keepInspection();
}

// Writes the wizard's values as the current inspection; nothing before a scanner has
// been chosen and step 1 left. A scanner chosen anew moves a draft to it and starts
// a new inspection after a reported one.
void MainWindow::keepInspection()
{
    draftTimer.stop();
    if (!storeUsable || restoring)
        return;
    const int key = selectedEquipmentKey();
    const int step = ui->stackedWidget->currentIndex();
    if (inspection.id < 0 && (key < 0 || step == 0))
        return;
    if (key >= 0 && key != inspection.equipmentKey) {
        if (inspection.state == StoredInspection::Reported)
            inspection = StoredInspection();
        inspection.equipmentKey = key;
    }
    const QDateTime now = QDateTime::currentDateTime();
    if (!inspection.started.isValid())
        inspection.started = now;
    inspection.changed = now;
    if (changedSinceReport)
        inspection.state = StoredInspection::Draft;
    inspection.technician = ui->lineTecResp->text();
    const QJsonValue signature = inspection.values.value(signatureKey);
    inspection.values = InputValues::collect(this, notKept);
    if (inspection.state == StoredInspection::Reported && signature.isObject())
        inspection.values.insert(signatureKey, signature);
    QJsonObject photos;
    for (auto path = partImagePaths.constBegin(); path != partImagePaths.constEnd(); ++path)
        photos.insert(QString::number(path.key()), path.value());
    if (!uniformImagePath.isEmpty())
        photos.insert(uniformityKey, uniformImagePath);
    inspection.values.insert(QStringLiteral("photos"), photos);
    inspection.values.insert(QStringLiteral("step"), step);

    if (!inspectionTableReady)
        inspectionTableReady = dataBase.createInspectionTable();
    if (!inspectionTableReady || !InspectionStore::save(inspection))
        storeFailed();
}

// Says once per run that nothing will be kept, and stops trying.
void MainWindow::storeFailed()
{
    storeUsable = false;
    draftTimer.stop();
    if (storeNoticeShown)
        return;
    storeNoticeShown = true;
    QMessageBox::warning(this, tr("Inspeções não serão guardadas"),
                         tr("O arquivo zetu.db não pode ser gravado. O assistente funciona "
                            "normalmente, mas nenhuma inspeção será guardada: os valores se "
                            "perdem ao fechar o programa."));
}

// Puts a stored inspection into the wizard: the inputs (those it lacks at their start
// values), the photographs, the scanner and the step. Values that cannot be used and
// photographs whose file has gone are named in one notice.
void MainWindow::loadInspection(const StoredInspection &stored)
{
    restoring = true;
    draftTimer.stop();
    QStringList problems;
    if (stored.unreadable)
        problems << tr("todos os valores (dados ilegíveis)");
    InputValues::apply(this, startValues, notKept);
    problems << InputValues::apply(this, stored.values, notKept);
    for (int row = 0; row < massRowCount; ++row)
        updateMassRow(row);

    releaseImages();
    partImagePaths.clear();
    uniformImagePath.clear();
    ui->labelEquipPartImg->setPixmap(QPixmap());
    ui->labelUniformImg->setPixmap(QPixmap());
    const QJsonObject photos = stored.values.value(QStringLiteral("photos")).toObject();
    auto missing = [this](const QString &path) {
        return tr("fotografia não encontrada: %1").arg(QDir::toNativeSeparators(path));
    };
    for (int part = 0; part < 6; ++part) {
        const QString path = photos.value(QString::number(part)).toString();
        if (!path.isEmpty() && !setPartImage(part, path))
            problems << missing(path);
    }
    ui->comboBoxImage->setCurrentIndex(0);
    on_comboBoxImage_currentIndexChanged(0);
    const QString uniformity = photos.value(uniformityKey).toString();
    if (!uniformity.isEmpty() && !setUniformImage(uniformity))
        problems << missing(uniformity);

    selectEquipment(stored.equipmentKey);
    inspection = stored;
    inspection.unreadable = false;
    changedSinceReport = stored.state == StoredInspection::Draft;
    showStep(qBound(0, stored.values.value(QStringLiteral("step")).toInt(),
                    ui->stackedWidget->count() - 1));
    restoring = false;
    if (!problems.isEmpty())
        QMessageBox::warning(this, tr("Inspeção restaurada"),
                             tr("Estes valores não puderam ser restaurados e ficaram como no "
                                "início:\n%1")
                                 .arg(problems.join(QLatin1Char('\n'))));
}

int MainWindow::selectedEquipmentKey() const
{
    const QModelIndex current = ui->tableView->selectionModel()->currentIndex();
    if (!current.isValid() || !ui->tableView->selectionModel()->hasSelection())
        return -1;
    return model->data(model->index(current.row(), 0)).toInt();
}

bool MainWindow::selectEquipment(int equipmentKey)
{
    while (model->canFetchMore())
        model->fetchMore();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, 0)).toInt() == equipmentKey) {
            ui->tableView->setCurrentIndex(model->index(row, 1));
            return true;
        }
    }
    return false;
}

void MainWindow::showHistory()
{
    const int key = selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(this, windowTitle(), tr("Selecione um equipamento"));
        return;
    }
    if (draftTimer.isActive()) // values changed since the last write
        keepInspection();
    HistoryDialog dialog(InspectionStore::forEquipment(key), InspectionStore::equipmentId(key),
                         this);
    const bool opened = dialog.exec() == QDialog::Accepted;
    // The inspection in the wizard, deleted from the history, is kept anew from its
    // next change on.
    if (dialog.deletedIds().contains(inspection.id)) {
        inspection = StoredInspection();
        changedSinceReport = true;
    }
    const StoredInspection chosen = dialog.chosen();
    if (!opened || chosen.id < 0 || chosen.id == inspection.id)
        return;
    if (changedSinceReport &&
        QMessageBox::question(
            this, tr("Abrir inspeção"),
            tr("O assistente tem valores que não estão em nenhum relatório salvo. Abrir a "
               "inspeção de %1 no lugar deles? Eles continuam no histórico como rascunho.")
                .arg(chosen.started.toString(QStringLiteral("dd/MM/yyyy HH:mm"))),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    loadInspection(chosen);
}

void MainWindow::showTrend()
{
    const int key = selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(this, windowTitle(), tr("Selecione um equipamento"));
        return;
    }
    if (draftTimer.isActive())
        keepInspection();
    TrendDialog dialog(InspectionStore::forEquipment(key), InspectionStore::equipmentId(key), this);
    dialog.exec();
}
