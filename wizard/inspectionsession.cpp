#include "wizard/inspectionsession.h"

#include "app/signalwatch.h"
#include "core/dateformats.h"
#include "core/inspection.h"
#include "core/logging.h"
#include "core/transducer.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "history/reviewdialog.h"
#include "history/reviewstore.h"
#include "history/transducerstore.h"
#include "history/trend.h"
#include "history/trenddialog.h"
#include "registry/sqldialect.h"
#include "registry/storetext.h"
#include "report/reportform.h"
#include "wizard/photographs.h"
#include "wizard/reportassembly.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QWindow>
#include <utility>

namespace {

const int draftInterval = 30000;
const int retryInterval = 1500;
// well within InspectionStore::staleClaimSeconds, after which another copy may take it
const int claimInterval = 60000;

const QString recoveryFile = QStringLiteral("zetu.db.recovery");

// The longest wait for the window to reach the screen before the start's questions.
const int exposeWait = 1000;

// The signature of the saved report, kept while the inspection stays as reported.
const QString signatureKey = QStringLiteral("signature");

// Inputs a new inspection takes over from the one before: the same technician.
const QStringList carriedOver = {Field::technician};

QString nativePath(const QString &fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// Why zetu.db keeps nothing, and where the values go instead.
QString unusableNotice(InspectionStore::FileState state, const QString &reason)
{
    const QString kept = nativePath(InspectionStore::personalRecoveryFile());
    if (SqlDialect::onServer())
        return InspectionSession::tr(
                   "O servidor da equipe não deixa gravar as inspeções (%1). O assistente "
                   "funciona normalmente, mas nenhuma inspeção será guardada nele: ao fechar o "
                   "programa, os valores digitados ficam em %2.")
            .arg(reason, kept);
    if (state == InspectionStore::FileState::Damaged)
        return InspectionSession::tr(
                   "O arquivo %1 está danificado ou não é um banco de dados (%2). Nada será "
                   "gravado nele. Restaure uma cópia de segurança de zetu.db e guarde o arquivo "
                   "danificado, que pode servir para recuperar os dados. Até lá nenhuma inspeção "
                   "será guardada: ao fechar o programa, os valores digitados ficam em %3.")
            .arg(nativePath(QStringLiteral("zetu.db")), reason, kept);
    return InspectionSession::tr(
               "O arquivo %1 não pode ser gravado (%2). O assistente funciona normalmente, mas "
               "nenhuma inspeção será guardada nele: ao fechar o programa, os valores digitados "
               "ficam em %3.")
        .arg(nativePath(QStringLiteral("zetu.db")), reason, kept);
}

} // namespace

InspectionSession::InspectionSession(Wizard &wizard, QObject *parent)
    : QObject(parent)
    , wizard(wizard)
{
}

void InspectionSession::start(bool usable)
{
    owner = InspectionStore::ownToken();
    QString reason;
    InspectionStore::FileState state = InspectionStore::checkFile(&reason);
    if (!usable && state != InspectionStore::FileState::Damaged)
        state = InspectionStore::FileState::ReadOnly;
    storeUsable =
        state == InspectionStore::FileState::Writable || state == InspectionStore::FileState::Busy;
    if (!storeUsable)
        storeNotice = unusableNotice(state, reason);
    draftTimer.setSingleShot(true);
    draftTimer.setInterval(draftInterval);
    connect(&draftTimer, &QTimer::timeout, this, &InspectionSession::keepInspection);
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(retryInterval);
    connect(&retryTimer, &QTimer::timeout, this, &InspectionSession::retryStore);
    claimTimer.setInterval(claimInterval);
    connect(&claimTimer, &QTimer::timeout, this, &InspectionSession::renewClaim);
    claimTimer.start();
}

void InspectionSession::resumeWhenExposed()
{
    QWindow *window = wizard.dialogParent()->windowHandle();
    QTimer::singleShot(exposeWait, this, &InspectionSession::resumeOnce);
    if (window && !window->isExposed())
        window->installEventFilter(this); // resumeOnce on its first exposure
    else
        QTimer::singleShot(0, this, &InspectionSession::resumeOnce);
}

bool InspectionSession::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<QWindow *>(watched);
    if (event->type() == QEvent::Expose && window && window->isExposed()) {
        window->removeEventFilter(this);
        QTimer::singleShot(0, this, &InspectionSession::resumeOnce);
    }
    return QObject::eventFilter(watched, event);
}

void InspectionSession::resumeOnce()
{
    if (resumed)
        return;
    resumed = true;
    resumeAtStart();
}

void InspectionSession::resumeAtStart()
{
    if (!startNotice.isEmpty())
        QMessageBox::information(wizard.dialogParent(), wizard.dialogParent()->windowTitle(),
                                 std::exchange(startNotice, QString()));
    if (!storeUsable) {
        qCWarning(zetuStore) << "zetu.db cannot be written: no inspection is kept";
        storeFailed(storeNotice);
        return;
    }
    if (wizard.equipmentListPending()) // just found busy while the window was built
        return storeBusyLater();
    retryStore();
}

// Does in order what zetu.db has not taken yet: read the list, make the table of
// inspections ready, write the values kept at the last close, ask about the latest
// draft, write the wizard's values. Stops at the first refusal of a busy file and
// goes on a moment later, so that no attempt holds the window for long.
void InspectionSession::retryStore()
{
    if (retrying) { // a question of an earlier round is still open
        storeBusyLater();
        return;
    }
    if (closing)
        return;
    QScopedValueRollback<bool> guard(retrying, true);
    if (wizard.equipmentListPending() && !wizard.refreshEquipmentList())
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
bool InspectionSession::prepareStore()
{
    if (storeReady || !storeUsable)
        return storeReady;
    const InspectionStore::Outcome outcome = InspectionStore::prepare(&storeForeign);
    QString reason;
    if (storeForeign && SqlDialect::onServer())
        storeFailed(tr("O servidor da equipe tem as tabelas de uma versão mais nova do "
                       "programa; elas foram deixadas como estão. O assistente funciona "
                       "normalmente, mas nenhuma inspeção será guardada nelas: ao fechar o "
                       "programa, os valores digitados ficam em %1.")
                        .arg(nativePath(InspectionStore::personalRecoveryFile())));
    else if (storeForeign)
        storeFailed(tr("O arquivo zetu.db tem uma tabela \"inspection\" que não foi criada por "
                       "esta versão do programa; ela foi deixada como está. O assistente "
                       "funciona normalmente, mas nenhuma inspeção será guardada nele: ao "
                       "fechar o programa, os valores digitados ficam em %1.")
                        .arg(nativePath(InspectionStore::personalRecoveryFile())));
    else if (outcome == InspectionStore::Failed) { // found only now: no use trying again
        const InspectionStore::FileState state = InspectionStore::checkFile(&reason);
        if (state != InspectionStore::FileState::Busy)
            storeFailed(unusableNotice(state == InspectionStore::FileState::Damaged
                                           ? state
                                           : InspectionStore::FileState::ReadOnly,
                                       reason));
    }
    storeReady = outcome == InspectionStore::Done;
    if (storeReady)
        wizard.storeChanged();
    return storeReady;
}

void InspectionSession::storeBusyLater()
{
    if (storeUsable && !retryTimer.isActive())
        retryTimer.start();
}

// Writes what a close could not write; false while zetu.db refuses it. A file that
// cannot be read is set aside and named.
bool InspectionSession::importRecovery()
{
    int written = 0;
    QString aside;
    const InspectionStore::Outcome outcome =
        InspectionStore::importRecovery(recoveryFile, &written, &aside);
    const bool server = SqlDialect::onServer();
    if (!aside.isEmpty())
        QMessageBox::warning(
            wizard.dialogParent(), tr("Inspeção não recuperada"),
            server
                ? tr("O arquivo %1, que guardava valores de inspeções para o servidor da "
                     "equipe, não pôde ser lido: está danificado ou não é um arquivo comum. "
                     "Nada dele foi gravado no servidor. Ele foi guardado como %2, para uma "
                     "possível recuperação.")
                      .arg(nativePath(recoveryFile), nativePath(aside))
                : tr("O arquivo %1, que guardava valores de inspeções para zetu.db, não pôde ser "
                     "lido: está danificado ou não é um arquivo comum. Nada dele foi gravado em "
                     "zetu.db. Ele foi guardado como %2, para uma possível recuperação.")
                      .arg(nativePath(recoveryFile), nativePath(aside)));
    if (written > 0)
        QMessageBox::information(
            wizard.dialogParent(), tr("Inspeção recuperada"),
            server ? tr("O servidor da equipe estava fora de alcance quando o programa foi "
                        "fechado. Os valores da inspeção ficaram em %1 e agora foram gravados "
                        "no servidor.")
                         .arg(recoveryFile)
                   : tr("O arquivo zetu.db estava ocupado quando o programa foi fechado. Os "
                        "valores da "
                        "inspeção ficaram em %1 e agora foram gravados em zetu.db.")
                         .arg(recoveryFile));
    return outcome == InspectionStore::Done;
}

// Offers the latest draft that no running copy has open, unless the wizard has been
// used meanwhile; false while zetu.db cannot be read.
bool InspectionSession::offerDraft()
{
    InspectionStore::Outcome outcome;
    StoredInspection draft;
    const bool found = InspectionStore::latestDraft(&draft, owner, &outcome);
    if (outcome == InspectionStore::Busy)
        return false;
    resumePending = false;
    if (!found)
        return true;
    if (inspection.id >= 0 || changedSinceReport || wizard.currentStep() > Wizard::EquipmentStep) {
        InspectionStore::release(draft.id, owner);
        return true;
    }
    // named as it was when it was kept: its scanner may have gone since
    const QString scanner = draft.scanner.isEmpty()
                                ? InspectionStore::equipmentId(draft.equipmentKey)
                                : draft.scanner.at(2);
    const QString question = tr("Continuar a inspeção não concluída de %1 de %2?")
                                 .arg(scanner, draft.changed.toString(DateFormats::shownWithTime));
    if (QMessageBox::question(wizard.dialogParent(), tr("Inspeção não concluída"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes)
        loadInspection(draft);
    else
        InspectionStore::release(draft.id, owner);
    return true;
}

void InspectionSession::renewClaim()
{
    if (storeReady && inspection.id >= 0 && !closing &&
        InspectionStore::claim(inspection.id, owner) != InspectionStore::Done)
        qCDebug(zetuStore) << "inspection" << inspection.id << "is not claimed: held or busy";
}

// A close while zetu.db is still busy keeps the values beside it for the next start.
void InspectionSession::close()
{
    closing = true;
    retryTimer.stop();
    claimTimer.stop();
    keepInspection();
    if (writePending)
        heldBack << inspection;
    for (const StoredInspection &held : qAsConst(heldBack)) {
        if (!InspectionStore::keepForRecovery(recoveryFile, held))
            keepElsewhere(held);
    }
    if (!storeUsable && changedSinceReport)
        keepElsewhere(inspection);
    // what was opened and set aside is free for other copies; a busy file is not waited on
    if (storeReady && storeUsable && heldBack.isEmpty())
        InspectionStore::release(-1, owner);
    heldBack.clear();
    writePending = false;
}

// Values that zetu.db cannot take go to a file of the user's data folder, as an
// inspection of their own, and the user is told where (not when the session ends).
void InspectionSession::keepElsewhere(StoredInspection held)
{
    held.id = -1;
    held.revision = 0;
    const QString file = InspectionStore::personalRecoveryFile();
    const bool kept = InspectionStore::keepForRecovery(file, held);
    if (kept)
        qCWarning(zetuStore) << "the values of inspection of scanner" << held.equipmentKey
                             << "are kept in" << file;
    else
        qCCritical(zetuStore) << "the values of inspection" << held.id << "of scanner"
                              << held.equipmentKey << "are lost";
    if (SignalWatch::ending())
        return;
    if (kept)
        QMessageBox::information(
            wizard.dialogParent(), tr("Inspeção guardada à parte"),
            SqlDialect::onServer()
                ? tr("O servidor da equipe não pôde guardar a inspeção. Os valores dela foram "
                     "guardados em %1. Quando o servidor puder ser gravado, copie esse arquivo "
                     "para a pasta do zetu.ini com o nome zetu.db.recovery: o programa os grava "
                     "no servidor ao iniciar.")
                      .arg(nativePath(file))
                : tr("O arquivo zetu.db não pôde guardar a inspeção. Os valores dela foram "
                     "guardados "
                     "em %1. Quando zetu.db puder ser gravado, copie esse arquivo para a pasta de "
                     "zetu.db com o nome zetu.db.recovery: o programa os grava em zetu.db ao "
                     "iniciar.")
                      .arg(nativePath(file)));
    else
        QMessageBox::warning(wizard.dialogParent(), tr("Inspeção não guardada"),
                             tr("Os valores da inspeção não puderam ser guardados em %1 e se "
                                "perdem ao fechar o programa.")
                                 .arg(nativePath(file)));
}

void InspectionSession::inputChanged()
{
    if (restoring)
        return;
    changedSinceReport = true;
    if (storeUsable && !draftTimer.isActive())
        draftTimer.start();
}

void InspectionSession::reportSaved(const QString &fileName, const QJsonObject &signature)
{
    if (signature.isEmpty())
        inspection.values.remove(signatureKey);
    else
        inspection.values.insert(signatureKey, signature);
    inspection.state = StoredInspection::Reported;
    inspection.pdfPath = fileName;
    inspection.forReview = true; // a report saved waits for review, again after a return
    changedSinceReport = false;
    keepInspection();
    wizard.storeChanged();
}

// Writes the wizard's values as the current inspection; nothing before a scanner has
// been chosen and step 1 left. An inspection without a scanner (new, or its scanner
// deleted) takes the one chosen when step 1 is left. A reported inspection is changed
// in place only when it was opened on purpose (from the history or the start's
// question), and then stays a draft that has a report until the report is saved
// again; otherwise the changes start a new draft, and the reported one is left as it
// is. Values of the stored inspection that this version does not know (written by a
// later one) are kept. A write refused is tried again a moment later; one that meets
// a change by another copy is kept as a draft of its own, which is said once.
void InspectionSession::keepInspection()
{
    draftTimer.stop();
    if ((!storeUsable && !closing) || restoring) // at close, gathered to be kept elsewhere
        return;
    const int key = wizard.selectedEquipmentKey();
    const int step = wizard.currentStep();
    if (storeUsable && inspection.id < 0 && !writePending &&
        (key < 0 || step == Wizard::EquipmentStep))
        return;
    if (inspection.equipmentKey < 0 && key >= 0 && (step > 0 || !storeUsable)) {
        inspection.equipmentKey = key;
        inspection.scanner = wizard.selectedEquipmentRecord();
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
    const QJsonObject collected = wizard.inputValues();
    inspection.technician = collected.value(QStringLiteral("lineTecResp")).toString();
    for (auto value = collected.begin(); value != collected.end(); ++value)
        inspection.values.insert(value.key(), value.value());
    // A signature belongs to the reported values it signed; a change drops it.
    if (inspection.state != StoredInspection::Reported)
        inspection.values.remove(signatureKey);
    inspection.values.insert(QStringLiteral("photos"), wizard.photographPaths());
    inspection.values.insert(QStringLiteral("step"), step);
    const Transducer transducer =
        Transducer::fromJson(inspection.values.value(Field::transducerRecord).toObject());
    if (transducer.key >= 0)
        inspection.transducerKey = transducer.key;
    if (!storeUsable)
        return;

    bool copied = false;
    writePending = !prepareStore() || InspectionStore::save(inspection, closing ? QString() : owner,
                                                            &copied) != InspectionStore::Done;
    if (writePending)
        return storeBusyLater();
    if (copied && !copyNoticeShown) {
        copyNoticeShown = true;
        QMessageBox::information(wizard.dialogParent(), tr("Inspeção alterada em outra cópia"),
                                 tr("Outra cópia do programa alterou esta inspeção. "
                                    "Para que nada se perca, os valores deste assistente foram "
                                    "guardados como um rascunho separado."));
    }
}

// Says once per run that nothing will be kept, and stops trying.
void InspectionSession::storeFailed(const QString &notice)
{
    storeUsable = false;
    draftTimer.stop();
    retryTimer.stop();
    if (storeNoticeShown)
        return;
    storeNoticeShown = true;
    storeNotice = notice;
    QMessageBox::warning(wizard.dialogParent(), tr("Inspeções não serão guardadas"), notice);
}

void InspectionSession::tellStoreBusy()
{
    QMessageBox::information(wizard.dialogParent(), wizard.dialogParent()->windowTitle(),
                             StoreText::busy() + QLatin1Char(' ') +
                                 tr("Tente de novo em instantes."));
}

// Puts every input but those in `kept` at its start value, the date at today, and drops
// the photographs.
void InspectionSession::clearInputs(const QStringList &kept)
{
    Inspection values(wizard.startValues());
    values.setDate(QDate::currentDate()); // each inspection starts on its own day
    for (const QString &name : kept)
        values.remove(name);
    wizard.setInputValues(values.values());
    wizard.clearPhotographs();
}

// Writes the inspection held, or keeps it to be written once zetu.db takes it, before
// the wizard takes another.
void InspectionSession::setInspectionAside()
{
    keepInspection();
    if (writePending)
        heldBack << inspection;
    writePending = false;
}

bool InspectionSession::takeSelectedScanner()
{
    const int key = wizard.selectedEquipmentKey();
    return inspection.equipmentKey < 0 || key == inspection.equipmentKey || startNewInspection(key);
}

void InspectionSession::newInspection()
{
    const int key = wizard.selectedEquipmentKey();
    if (key < 0) {
        QMessageBox::information(wizard.dialogParent(), wizard.dialogParent()->windowTitle(),
                                 tr("Selecione um equipamento"));
        return;
    }
    if (startNewInspection(key))
        wizard.showStep(Wizard::PhysicalStep);
}

// Keeps the inspection held and starts one of scanner `key` from the start values, but
// the technician, dated today; without photographs. Where nothing is kept, values in
// no saved report are dropped only after a question.
bool InspectionSession::startNewInspection(int key)
{
    if (!storeUsable && changedSinceReport &&
        QMessageBox::question(wizard.dialogParent(), tr("Nova inspeção"),
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
    inspection.scanner = wizard.selectedEquipmentRecord();
    reopened = false;
    changedSinceReport = false;
    return true;
}

// Puts a stored inspection into the wizard: the inputs (those it lacks at their start
// values), the photographs, the scanner and the step. Values that cannot be used and
// photographs whose file gives no picture are named in one notice, each with why.
void InspectionSession::loadInspection(const StoredInspection &stored)
{
    restoring = true;
    draftTimer.stop();
    QStringList problems;
    if (stored.tooLong)
        problems << tr("todos os valores (mais do que o limite de %1 MB)")
                        .arg(InspectionStore::valuesLimit / 1000000);
    else if (stored.unreadable)
        problems << tr("todos os valores (dados ilegíveis)");
    clearInputs();
    problems << wizard.setInputValues(stored.values);
    problems << wizard.setPhotographs(stored.values.value(QStringLiteral("photos")).toObject());
    wizard.selectEquipment(stored.equipmentKey); // its scanner may have gone: none is chosen
    wizard.selectTransducer(stored.transducerKey);
    inspection = stored;
    // A row that could not be read is left as it is; the wizard's values become a new one.
    if (stored.unreadable)
        inspection.id = -1;
    else if (inspection.id >= 0 && storeReady &&
             InspectionStore::claim(inspection.id, owner) != InspectionStore::Done)
        qCDebug(zetuStore) << "inspection" << inspection.id << "is not claimed: held or busy";
    inspection.unreadable = false;
    reopened = true;
    changedSinceReport = stored.state == StoredInspection::Draft;
    // No step is reached past one whose checks fail: the inspection goes on at the
    // first such step, which then says why in its own words. A reported one whose
    // steps all pass is finished: its report can be made at once.
    const int storedStep = stored.state == StoredInspection::Reported
                               ? int(Wizard::StepCount)
                               : qBound(int(Wizard::EquipmentStep),
                                        stored.values.value(QStringLiteral("step")).toInt(),
                                        int(Wizard::ResponsibleStep));
    int step = Wizard::EquipmentStep;
    while (step < storedStep && wizard.stepProblem(step).isNull())
        ++step;
    wizard.showStep(qMin(step, int(Wizard::ResponsibleStep)));
    if (step == Wizard::StepCount)
        wizard.showStep(step);
    restoring = false;
    if (!problems.isEmpty())
        QMessageBox::warning(wizard.dialogParent(), tr("Inspeção restaurada"),
                             tr("Estes valores não puderam ser restaurados e ficaram como no "
                                "início:\n%1")
                                 .arg(problems.join(QLatin1Char('\n'))));
    if (step < storedStep)
        wizard.validateStep(step);
}

void InspectionSession::equipmentEdited(int key, const QStringList &before,
                                        const QStringList &after)
{
    if (storeReady && InspectionStore::renameEquipment(key, before, after) != InspectionStore::Done)
        qCWarning(zetuStore) << "the inspections of scanner" << key << "keep its former record";
    if (inspection.equipmentKey == key && inspection.scanner == before)
        inspection.scanner = after;
}

void InspectionSession::equipmentDeleted(int key)
{
    if (inspection.equipmentKey != key)
        return;
    inspection = StoredInspection(); // the wizard's inspection went with its scanner
    changedSinceReport = true;
}

int InspectionSession::scannerForHistory()
{
    const int key = wizard.selectedEquipmentKey();
    QWidget *parent = wizard.dialogParent();
    if (key < 0) {
        QMessageBox::information(parent, parent->windowTitle(), tr("Selecione um equipamento"));
        return -1;
    }
    if (storeForeign) {
        QMessageBox::information(parent, parent->windowTitle(), storeNotice);
        return -1;
    }
    if (draftTimer.isActive()) // values changed since the last write
        keepInspection();
    return key;
}

void InspectionSession::showHistory()
{
    const int key = scannerForHistory();
    if (key < 0)
        return;
    InspectionStore::Outcome outcome;
    HistoryDialog dialog(InspectionStore::forEquipment(key, &outcome),
                         wizard.selectedEquipmentRecord().value(2), wizard.dialogParent());
    dialog.setTransducers(TransducerStore::forEquipment(key));
    dialog.setReviews(ReviewStore::latest(key));
    connect(&dialog, &HistoryDialog::reportRequested, this,
            [&dialog](const StoredInspection &stored) { showStoredReport(stored, &dialog); });
    bool baselineChosen = false;
    connect(&dialog, &HistoryDialog::baselineChosen, this, [&] { baselineChosen = true; });
    QTimer *refill = readAgainOnChange(&dialog, [&dialog, key] {
        InspectionStore::Outcome read;
        const QVector<StoredInspection> inspections = InspectionStore::forEquipment(key, &read);
        if (read != InspectionStore::Done)
            return false;
        dialog.refresh(inspections, TransducerStore::forEquipment(key), ReviewStore::latest(key));
        return true;
    });
    // While the store is busy the dialog says so, and fills in once it can be read.
    if (outcome == InspectionStore::Busy) {
        dialog.showBusy(StoreText::busy() + QLatin1Char(' ') +
                        tr("As inspeções aparecem assim que ele for liberado."));
        refill->start(retryInterval);
    }
    const bool opened = dialog.exec() == QDialog::Accepted;
    if (!dialog.deletedIds().isEmpty() || baselineChosen)
        wizard.storeChanged();
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
    const QString date = inspectionDate(chosen).toString(DateFormats::shown);
    if (storeReady && !chosen.unreadable && // never written: its values become a new row
        InspectionStore::claim(chosen.id, owner) == InspectionStore::Failed) {
        QMessageBox::information(
            wizard.dialogParent(), tr("Abrir inspeção"),
            tr("A inspeção de %1 está aberta em outra cópia do programa e não foi aberta aqui. "
               "Feche-a na outra cópia e tente de novo; se aquela cópia parou sem fechar, a "
               "inspeção fica livre %2 minutos depois.")
                .arg(date)
                .arg(InspectionStore::staleClaimSeconds / 60));
        return;
    }
    if (changedSinceReport &&
        QMessageBox::question(
            wizard.dialogParent(), tr("Abrir inspeção"),
            tr("O assistente tem valores que não estão em nenhum relatório salvo. Abrir a "
               "inspeção de %1 no lugar deles? Eles continuam no histórico como rascunho.")
                .arg(date),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        InspectionStore::release(chosen.id, owner);
        return;
    }
    if (!heldDeleted)
        setInspectionAside();
    loadInspection(chosen);
    tellReturned(chosen.id);
}

// Reads what `dialog` shows again when another client changed the store, once nothing is
// open over it (a question about a row of its list is never answered under a list read
// again), and again a little later while the store cannot be read. The timer returned
// makes a read as soon as it may.
QTimer *InspectionSession::readAgainOnChange(QDialog *dialog, const std::function<bool()> &read)
{
    auto *timer = new QTimer(dialog);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, dialog, [dialog, timer, read] {
        if (QApplication::activeModalWidget() != dialog || !read())
            timer->start(retryInterval);
    });
    connect(this, &InspectionSession::changedElsewhere, timer, [timer] { timer->start(0); });
    return timer;
}

// An inspection returned by its reviewer is continued: the note says what to correct.
void InspectionSession::tellReturned(qint64 id)
{
    const ReviewStore::Review review = ReviewStore::latestOf(id);
    if (review.state != ReviewStore::Review::Returned)
        return;
    QMessageBox::information(
        wizard.dialogParent(), tr("Inspeção devolvida"),
        tr("%1 devolveu esta inspeção em %2 com a nota:\n\n%3\n\nCorrija-a e salve o "
           "relatório de novo: ela volta a aguardar revisão.")
            .arg(review.who, review.at.toString(DateFormats::shown), review.note));
}

void InspectionSession::showReview()
{
    QWidget *parent = wizard.dialogParent();
    if (!prepareStore()) {
        QMessageBox::information(parent, parent->windowTitle(),
                                 storeNotice.isEmpty() ? StoreText::busy() + QLatin1Char(' ') +
                                                             tr("Tente de novo em instantes.")
                                                       : storeNotice);
        return;
    }
    ReviewDialog dialog(parent);
    const auto showReport = [&dialog](const StoredInspection &stored) {
        showStoredReport(stored, &dialog);
    };
    connect(&dialog, &ReviewDialog::reportRequested, this, showReport);
    connect(&dialog, &ReviewDialog::signingRequested, this, showReport);
    readAgainOnChange(&dialog, [&dialog] { return dialog.reload(); });
    dialog.exec();
}

// The report of a stored inspection as its values hold it, beside the wizard's own: the
// scanner as it was recorded with it, the photographs read from their files again.
void InspectionSession::showStoredReport(const StoredInspection &stored, QWidget *parent)
{
    const Inspection inspection(stored.values);
    const QStringList scanner = stored.scanner.isEmpty()
                                    ? InspectionStore::equipmentRecord(stored.equipmentKey)
                                    : stored.scanner;
    ReportForm report(parent);
    report.setLocale(parent->locale());
    ReportAssembly(inspection, scanner, Photographs::read(inspection.photographs()), report).fill();
    // who approved the report, while it is the one approved
    const ReviewStore::Review review = ReviewStore::latestOf(stored.id);
    if (stored.state == StoredInspection::Reported && review.state == ReviewStore::Review::Approved)
        report.setApproval(review.who, review.at);
    report.exec();
}

void InspectionSession::showTrend()
{
    const int key = scannerForHistory();
    if (key < 0)
        return;
    InspectionStore::Outcome outcome;
    const QVector<StoredInspection> inspections = InspectionStore::forEquipment(key, &outcome);
    if (outcome == InspectionStore::Busy)
        return tellStoreBusy();
    TrendDialog dialog(inspections, wizard.selectedEquipmentRecord().value(2),
                       TransducerStore::forEquipment(key), wizard.selectedTransducerKey(),
                       wizard.dialogParent());
    readAgainOnChange(&dialog, [&dialog, key] {
        InspectionStore::Outcome read;
        const QVector<StoredInspection> inspections = InspectionStore::forEquipment(key, &read);
        if (read != InspectionStore::Done)
            return false;
        dialog.setInspections(inspections, TransducerStore::forEquipment(key));
        return true;
    });
    dialog.exec();
}
