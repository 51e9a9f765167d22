// The inspection in the wizard kept in zetu.db: a draft from the moment a scanner is
// chosen, written at every step change, on close and at most every 30 s while values
// change; marked reported when its PDF is saved; the history and trend of the
// selected scanner on step 1. What zetu.db refuses while another program or copy
// holds it is tried again every few seconds; values still unwritten at close are
// kept in a file beside it that the next start writes.

#include "core/dateformats.h"
#include "history/historydialog.h"
#include "history/inputvalues.h"
#include "history/inspectionstore.h"
#include "history/trend.h"
#include "history/trenddialog.h"
#include "ui_mainwindow.h"
#include "wizard/equipmentlist.h"
#include "wizard/imagesteps.h"
#include "wizard/mainwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QJsonArray>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QWindow>

namespace {

// Settings and view choices of the window, not values of the inspection.
const QStringList notKept = {QStringLiteral("comboBox"), QStringLiteral("comboBoxImage")};

const int draftInterval = 30000;
const int retryInterval = 1500;
// well within InspectionStore::staleClaimSeconds, after which another copy may take it
const int claimInterval = 60000;

const QString recoveryFile = QStringLiteral("zetu.db.recovery");

// The longest wait for the window to reach the screen before the start's questions.
const int exposeWait = 1000;

// The signature of the saved report, kept while the inspection stays as reported.
const QString signatureKey = QStringLiteral("signature");

// Inputs a new inspection takes over from the one before: the same technician, the same day.
const QStringList carriedOver = {QStringLiteral("lineTecResp"), QStringLiteral("calendarWidget")};

} // namespace

void MainWindow::setUpInspections()
{
    owner = InspectionStore::ownToken();
    storeUsable = dataBase.writability() != DataBase::Unusable;
    startValues = InputValues::collect(this, notKept);
    draftTimer.setSingleShot(true);
    draftTimer.setInterval(draftInterval);
    connect(&draftTimer, &QTimer::timeout, this, &MainWindow::keepInspection);
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(retryInterval);
    connect(&retryTimer, &QTimer::timeout, this, &MainWindow::retryStore);
    claimTimer.setInterval(claimInterval);
    connect(&claimTimer, &QTimer::timeout, this, &MainWindow::renewClaim);
    claimTimer.start();
    InputValues::watch(
        this, this, [this] { inputChanged(); }, notKept);
    connect(&report, &ReportForm::reportSaved, this,
            [this](const QString &fileName) { reportSaved(fileName); });
    connect(&report, &ReportForm::reportSigned, this, &MainWindow::reportSaved);
    connect(ui->pushButtonHistory, &QPushButton::clicked, this, &MainWindow::showHistory);
    connect(ui->pushButtonTrend, &QPushButton::clicked, this, &MainWindow::showTrend);
    connect(ui->pushButtonNewInspection, &QPushButton::clicked, this, &MainWindow::newInspection);
}

void MainWindow::resumeWhenExposed()
{
    QTimer::singleShot(exposeWait, this, &MainWindow::resumeOnce);
    if (windowHandle() && !windowHandle()->isExposed())
        windowHandle()->installEventFilter(this); // resumeOnce on its first exposure
    else
        QTimer::singleShot(0, this, &MainWindow::resumeOnce);
}

void MainWindow::resumeOnce()
{
    if (resumed)
        return;
    resumed = true;
    resumeAtStart();
}

void MainWindow::resumeAtStart()
{
    if (!storeUsable) {
        storeFailed(tr("O arquivo zetu.db não pode ser gravado. O assistente funciona "
                       "normalmente, mas nenhuma inspeção será guardada: os valores se "
                       "perdem ao fechar o programa."));
        return;
    }
    if (equipment->pending()) // just found busy while the window was built
        return storeBusyLater();
    retryStore();
}

// Does in order what zetu.db has not taken yet: read the list, make the table of
// inspections ready, write the values kept at the last close, ask about the latest
// draft, write the wizard's values. Stops at the first refusal of a busy file and
// goes on a moment later, so that no attempt holds the window for long.
void MainWindow::retryStore()
{
    if (retrying) { // a question of an earlier round is still open
        storeBusyLater();
        return;
    }
    if (closing)
        return;
    QScopedValueRollback<bool> guard(retrying, true);
    if (equipment->pending() && !refreshEquipmentList())
        return storeBusyLater();
    if (!storeUsable)
        return;
    if (!prepareStore())
        return storeBusyLater();
    if (!importRecovery() || (resumePending && !offerDraft()))
        return storeBusyLater();
    while (!heldBack.isEmpty() && InspectionStore::save(heldBack.first()) == InspectionStore::Done)
        heldBack.removeFirst();
    if (!heldBack.isEmpty())
        return storeBusyLater();
    if (writePending)
        keepInspection();
}

// Makes table `inspection` ready, once; a table of that name that this version did
// not make switches keeping inspections off, with a notice.
bool MainWindow::prepareStore()
{
    if (storeReady || !storeUsable)
        return storeReady;
    const InspectionStore::Outcome outcome = InspectionStore::prepare(&storeForeign);
    if (storeForeign)
        storeFailed(tr("O arquivo zetu.db tem uma tabela \"inspection\" que não foi criada por "
                       "esta versão do programa; ela foi deixada como está. O assistente "
                       "funciona normalmente, mas nenhuma inspeção será guardada: os valores se "
                       "perdem ao fechar o programa."));
    return storeReady = outcome == InspectionStore::Done;
}

void MainWindow::storeBusyLater()
{
    if (storeUsable && !retryTimer.isActive())
        retryTimer.start();
}

// Writes what a close could not write; false while zetu.db refuses it.
bool MainWindow::importRecovery()
{
    const QVector<StoredInspection> kept = InspectionStore::readRecovery(recoveryFile);
    int written = 0;
    for (StoredInspection one : kept) {
        if (InspectionStore::save(one) != InspectionStore::Done)
            break;
        ++written;
    }
    if (written > 0 && InspectionStore::replaceRecovery(recoveryFile, kept.mid(written)))
        QMessageBox::information(
            this, tr("Inspeção recuperada"),
            tr("O arquivo zetu.db estava ocupado quando o programa foi fechado. Os valores da "
               "inspeção ficaram em %1 e agora foram gravados em zetu.db.")
                .arg(recoveryFile));
    return written == kept.size();
}

// Offers the latest draft that no running copy has open, unless the wizard has been
// used meanwhile; false while zetu.db cannot be read.
bool MainWindow::offerDraft()
{
    InspectionStore::Outcome outcome;
    StoredInspection draft;
    const bool found = InspectionStore::latestDraft(&draft, &outcome);
    if (outcome != InspectionStore::Done)
        return false;
    resumePending = false;
    if (!found || inspection.id >= 0 || changedSinceReport ||
        ui->stackedWidget->currentIndex() > EquipmentStep)
        return true;
    // named as it was when it was kept: its scanner may have gone since
    const QString scanner = draft.scanner.isEmpty()
                                ? InspectionStore::equipmentId(draft.equipmentKey)
                                : draft.scanner.at(2);
    const QString question = tr("Continuar a inspeção não concluída de %1 de %2?")
                                 .arg(scanner, draft.changed.toString(DateFormats::shownWithTime));
    if (QMessageBox::question(this, tr("Inspeção não concluída"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes)
        loadInspection(draft);
    return true;
}

void MainWindow::renewClaim()
{
    if (storeReady && inspection.id >= 0 && !closing)
        InspectionStore::claim(inspection.id, owner);
}

// A close while zetu.db is still busy keeps the values beside it for the next start.
void MainWindow::closeEvent(QCloseEvent *event)
{
    closing = true;
    retryTimer.stop();
    claimTimer.stop();
    keepInspection();
    if (writePending)
        heldBack << inspection;
    for (const StoredInspection &held : qAsConst(heldBack)) {
        if (storeUsable)
            InspectionStore::keepForRecovery(recoveryFile, held);
    }
    heldBack.clear();
    writePending = false;
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
// been chosen and step 1 left. An inspection without a scanner (new, or its scanner
// deleted) takes the one chosen when step 1 is left. A reported inspection is changed
// in place only when it was opened on purpose (from the history or the start's
// question), and then stays a draft that has a report until the report is saved
// again; otherwise the changes start a new draft, and the reported one is left as it
// is. Values of the stored inspection that this
// version does not know (written by a later one) are kept. A write refused is tried
// again a moment later; one that meets a change by another copy is kept as a draft
// of its own, which is said once.
void MainWindow::keepInspection()
{
    draftTimer.stop();
    if (!storeUsable || restoring)
        return;
    const int key = selectedEquipmentKey();
    const int step = ui->stackedWidget->currentIndex();
    if (inspection.id < 0 && !writePending && (key < 0 || step == EquipmentStep))
        return;
    if (inspection.equipmentKey < 0 && key >= 0 && step > 0) {
        inspection.equipmentKey = key;
        inspection.scanner = equipmentRecordAt(ui->tableView->currentIndex().row());
    }
    if (changedSinceReport && inspection.state == StoredInspection::Reported && !reopened) {
        StoredInspection changed;
        changed.equipmentKey = inspection.equipmentKey;
        changed.scanner = inspection.scanner;
        changed.values = inspection.values; // with the values a later version wrote
        inspection = changed;
    }
    const QDateTime now = QDateTime::currentDateTime();
    if (!inspection.started.isValid())
        inspection.started = now;
    inspection.changed = now;
    if (changedSinceReport)
        inspection.state = StoredInspection::Draft;
    inspection.technician = ui->lineTecResp->text();
    const QJsonObject collected = InputValues::collect(this, notKept);
    for (auto value = collected.begin(); value != collected.end(); ++value)
        inspection.values.insert(value.key(), value.value());
    // A signature belongs to the reported values it signed; a change drops it.
    if (inspection.state != StoredInspection::Reported)
        inspection.values.remove(signatureKey);
    inspection.values.insert(QStringLiteral("photos"), images->photographs().paths());
    inspection.values.insert(QStringLiteral("step"), step);

    bool copied = false;
    writePending = !prepareStore() || InspectionStore::save(inspection, closing ? QString() : owner,
                                                            &copied) != InspectionStore::Done;
    if (writePending)
        return storeBusyLater();
    if (copied && !copyNoticeShown) {
        copyNoticeShown = true;
        QMessageBox::information(this, tr("Inspeção alterada em outra cópia"),
                                 tr("Outra cópia do programa alterou esta inspeção em zetu.db. "
                                    "Para que nada se perca, os valores deste assistente foram "
                                    "guardados como um rascunho separado."));
    }
}

// Says once per run that nothing will be kept, and stops trying.
void MainWindow::storeFailed(const QString &notice)
{
    storeUsable = false;
    draftTimer.stop();
    retryTimer.stop();
    if (storeNoticeShown)
        return;
    storeNoticeShown = true;
    storeNotice = notice;
    QMessageBox::warning(this, tr("Inspeções não serão guardadas"), notice);
}

void MainWindow::tellStoreBusy()
{
    QMessageBox::information(this, windowTitle(),
                             tr("O arquivo zetu.db está ocupado por outro programa. Tente de "
                                "novo em instantes."));
}

// Puts every input but those in `kept` at its start value and drops the photographs.
void MainWindow::clearInputs(const QStringList &kept)
{
    QJsonObject values = startValues;
    for (const QString &name : kept)
        values.remove(name);
    InputValues::apply(this, values, notKept);
    updateMassRows();
    releaseImages();
    ui->comboBoxImage->setCurrentIndex(0);
    ui->labelEquipPartImg->setPixmap(QPixmap());
    ui->labelUniformImg->setPixmap(QPixmap());
}

// Writes the inspection held, or keeps it to be written once zetu.db takes it, before
// the wizard takes another.
void MainWindow::setInspectionAside()
{
    keepInspection();
    if (writePending)
        heldBack << inspection;
    writePending = false;
}

// Step 1 is left with the selected scanner: the inspection of another scanner held by
// the wizard is kept as it is, and a new one starts. False when the user keeps it.
bool MainWindow::takeSelectedScanner()
{
    const int key = selectedEquipmentKey();
    return inspection.equipmentKey < 0 || key == inspection.equipmentKey || startNewInspection(key);
}

void MainWindow::newInspection()
{
    const int key = selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(this, windowTitle(), tr("Selecione um equipamento"));
        return;
    }
    if (startNewInspection(key))
        showStep(1);
}

// Keeps the inspection held and starts one of scanner `key` from the start values, but
// the technician and the date; without photographs. Where nothing is kept, values in
// no saved report are dropped only after a question.
bool MainWindow::startNewInspection(int key)
{
    if (!storeUsable && changedSinceReport &&
        QMessageBox::question(this, tr("Nova inspeção"),
                              tr("Os valores da inspeção atual não são guardados e serão "
                                 "perdidos. Começar uma nova inspeção?"),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return false;
    setInspectionAside();
    restoring = true;
    clearInputs(carriedOver);
    restoring = false;
    inspection = StoredInspection();
    inspection.equipmentKey = key;
    inspection.scanner = equipmentRecordAt(ui->tableView->currentIndex().row());
    reopened = false;
    changedSinceReport = false;
    return true;
}

// Puts a stored inspection into the wizard: the inputs (those it lacks at their start
// values), the photographs, the scanner and the step. Values that cannot be used and
// photographs whose file gives no picture are named in one notice, each with why.
void MainWindow::loadInspection(const StoredInspection &stored)
{
    restoring = true;
    draftTimer.stop();
    QStringList problems;
    if (stored.unreadable)
        problems << tr("todos os valores (dados ilegíveis)");
    clearInputs();
    problems << InputValues::apply(this, stored.values, notKept);
    updateMassRows();

    const QJsonObject photos = stored.values.value(QStringLiteral("photos")).toObject();
    QStringList refused; // each refused file once, with its reason
    QString refusal;
    for (int part = 0; part < 6; ++part) {
        const QString path = photos.value(QString::number(part)).toString();
        if (!path.isEmpty() && !setPartImage(part, path, &refusal))
            refused << refusal;
    }
    ui->comboBoxImage->setCurrentIndex(0);
    on_comboBoxImage_currentIndexChanged(0);
    const QString uniformity = photos.value(Photographs::uniformityKey).toString();
    if (!uniformity.isEmpty() && !setUniformImage(uniformity, &refusal))
        refused << refusal;
    refused.removeDuplicates();
    problems << refused;

    if (!selectEquipment(stored.equipmentKey)) // its scanner has gone: none is chosen
        ui->tableView->selectionModel()->clear();
    inspection = stored;
    // A row that could not be read is left as it is; the wizard's values become a new one.
    if (stored.unreadable)
        inspection.id = -1;
    else if (inspection.id >= 0 && storeReady)
        InspectionStore::claim(inspection.id, owner);
    inspection.unreadable = false;
    reopened = true;
    changedSinceReport = stored.state == StoredInspection::Draft;
    // No step is reached past one whose checks fail: the inspection goes on at the
    // first such step, which then says why in its own words. A reported one whose
    // steps all pass is finished: its report can be made at once.
    const int storedStep =
        stored.state == StoredInspection::Reported
            ? int(StepCount)
            : qBound(int(EquipmentStep), stored.values.value(QStringLiteral("step")).toInt(),
                     int(ResponsibleStep));
    int step = EquipmentStep;
    while (step < storedStep && stepProblem(step).isNull())
        ++step;
    showStep(qMin(step, int(ResponsibleStep)));
    if (step == StepCount)
        showStep(step);
    restoring = false;
    if (!problems.isEmpty())
        QMessageBox::warning(this, tr("Inspeção restaurada"),
                             tr("Estes valores não puderam ser restaurados e ficaram como no "
                                "início:\n%1")
                                 .arg(problems.join(QLatin1Char('\n'))));
    if (step < storedStep)
        validateStep(step);
}

int MainWindow::selectedEquipmentKey() const
{
    return equipment->selectedKey();
}

bool MainWindow::selectEquipment(int equipmentKey)
{
    return equipment->select(equipmentKey);
}

void MainWindow::showHistory()
{
    const int key = selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(this, windowTitle(), tr("Selecione um equipamento"));
        return;
    }
    if (storeForeign) {
        QMessageBox::information(this, windowTitle(), storeNotice);
        return;
    }
    if (draftTimer.isActive()) // values changed since the last write
        keepInspection();
    InspectionStore::Outcome outcome;
    HistoryDialog dialog(InspectionStore::forEquipment(key, &outcome),
                         equipmentRecordAt(ui->tableView->currentIndex().row()).value(2), this);
    // While zetu.db is busy the dialog says so, and fills in once it can be read.
    QTimer refill;
    if (outcome == InspectionStore::Busy) {
        dialog.showBusy(tr("O arquivo zetu.db está ocupado por outro programa. As inspeções "
                           "aparecem assim que ele for liberado."));
        connect(&refill, &QTimer::timeout, &dialog, [&] {
            const QVector<StoredInspection> read = InspectionStore::forEquipment(key, &outcome);
            if (outcome != InspectionStore::Done)
                return;
            refill.stop();
            dialog.setInspections(read);
        });
        refill.start(retryInterval);
    }
    const bool opened = dialog.exec() == QDialog::Accepted;
    // The inspection in the wizard, deleted from the history, is kept anew from its
    // next change on.
    const bool heldDeleted = dialog.deletedIds().contains(inspection.id);
    if (heldDeleted) {
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
                .arg(inspectionDate(chosen).toString(DateFormats::shown)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!heldDeleted)
        setInspectionAside();
    loadInspection(chosen);
}

void MainWindow::showTrend()
{
    const int key = selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(this, windowTitle(), tr("Selecione um equipamento"));
        return;
    }
    if (storeForeign) {
        QMessageBox::information(this, windowTitle(), storeNotice);
        return;
    }
    if (draftTimer.isActive())
        keepInspection();
    InspectionStore::Outcome outcome;
    const QVector<StoredInspection> inspections = InspectionStore::forEquipment(key, &outcome);
    if (outcome == InspectionStore::Busy)
        return tellStoreBusy();
    TrendDialog dialog(inspections, equipmentRecordAt(ui->tableView->currentIndex().row()).value(2),
                       this);
    dialog.exec();
}
