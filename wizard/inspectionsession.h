#ifndef INSPECTIONSESSION_H
#define INSPECTIONSESSION_H

#include "history/storedinspection.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>

class QDialog;

class QWidget;

// The inspection in the wizard kept in zetu.db: a draft from the moment a scanner is
// chosen, written at every step change, on close and at most every 30 s while values
// change; marked reported when its PDF is saved; the history and trend of the
// selected scanner on step 1. What zetu.db refuses while another program or copy
// holds it is tried again every few seconds; values still unwritten at close are
// kept in a file beside it that the next start writes.
class InspectionSession : public QObject
{
    Q_OBJECT

public:
    // What the session needs of the wizard window.
    class Wizard
    {
    public:
        // The steps, by the index of their page in the stacked widget.
        enum Step {
            EquipmentStep,
            PhysicalStep,
            UniformityStep,
            DeadZoneStep,
            VerticalStep,
            HorizontalStep,
            MassStep,
            ResponsibleStep,
            StepCount, // past the last page: the finished state
        };

        // Parent of the session's message boxes and dialogs; its title names them.
        virtual QWidget *dialogParent() = 0;
        // The page index shown.
        virtual int currentStep() const = 0;
        virtual void showStep(int index) = 0;
        // The message that keeps step `index` from being left, null when it may be left.
        virtual QString stepProblem(int index) = 0;
        // Checks step `index` and says why it may not be left.
        virtual bool validateStep(int index) = 0;
        // The key of the scanner chosen in the list, -1 when none is.
        virtual int selectedEquipmentKey() const = 0;
        // The chosen scanner's record (Institution, Place, ID, Model, Manufacturer).
        virtual QStringList selectedEquipmentRecord() const = 0;
        // Chooses scanner `key` in the list; false, with none chosen, when it is not there.
        virtual bool selectEquipment(int key) = 0;
        // The transducer chosen on step 1, -1 when none is.
        virtual qint64 selectedTransducerKey() const = 0;
        // Chooses transducer `key` of the chosen scanner, a retired one included.
        virtual bool selectTransducer(qint64 key) = 0;
        // zetu.db's transducers or reported inspections changed: due dates may differ.
        virtual void storeChanged() = 0;
        // Whether the list could not be read yet, and a new attempt to read it.
        virtual bool equipmentListPending() const = 0;
        virtual bool refreshEquipmentList() = 0;
        // The inputs' values (StoredInspection::values), and setting them: returns the
        // names of those that could not be used.
        virtual QJsonObject inputValues() = 0;
        virtual QStringList setInputValues(const QJsonObject &values) = 0;
        // The inputs' values as the form starts, before anything was typed or set.
        virtual QJsonObject startValues() = 0;
        // The photographs' files ("0" to "5", "uniformity"); setting them returns why
        // each file refused was refused, and clearing drops them all.
        virtual QJsonObject photographPaths() = 0;
        virtual QStringList setPhotographs(const QJsonObject &paths) = 0;
        virtual void clearPhotographs() = 0;

    protected:
        ~Wizard() = default;
    };

    explicit InspectionSession(Wizard &wizard, QObject *parent = nullptr);

    // Starts keeping the wizard's values; `usable` false, or a real write refused: zetu.db
    // cannot keep inspections, said by resumeAtStart, and the values are kept at close in
    // the user's data folder.
    void start(bool usable);
    // A notice that resumeAtStart shows first (empty: none).
    void tellAtStart(const QString &notice) { startNotice = notice; }
    // Says when zetu.db cannot keep inspections, else offers the latest unfinished one.
    void resumeAtStart();
    // Runs resumeAtStart once the shown window is on the screen, where the window
    // manager has put it, so that its boxes are centred on the window; after a second
    // at the latest.
    void resumeWhenExposed();
    // The window closes: the values are written, or kept beside zetu.db when it is busy,
    // or in the user's data folder when zetu.db cannot keep them.
    void close();
    // Step 1 is left with the selected scanner: the inspection of another scanner held by
    // the wizard is kept as it is, and a new one starts. False when the user keeps it.
    bool takeSelectedScanner();
    // Table `inspection` is ready to be read and written.
    bool isReady() const { return storeReady; }
    // The inspection's row (-1 until it is first written), and whether the wizard holds
    // the values of its saved report, unchanged.
    qint64 inspectionId() const { return inspection.id; }
    bool holdsReport() const
    {
        return inspection.state == StoredInspection::Reported && !changedSinceReport;
    }
    // The registry's record of scanner `key` was edited from `before` to `after`.
    void equipmentEdited(int key, const QStringList &before, const QStringList &after);
    // Shows the report of a stored inspection, built from its values alone.
    static void showStoredReport(const StoredInspection &stored, QWidget *parent);
    // Scanner `key` was deleted with its inspections.
    void equipmentDeleted(int key);
    void tellStoreBusy();

signals:
    // Another client changed the team's server: a dialog open over the window reads
    // what it shows again.
    void changedElsewhere();

public slots:
    void keepInspection();
    void showHistory();
    void showTrend();
    // The inspections awaiting review, of every scanner.
    void showReview();
    void newInspection();
    void inputChanged();
    // signature: the facts of a signed report, empty for an unsigned one
    void reportSaved(const QString &fileName, const QJsonObject &signature = QJsonObject());

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer *readAgainOnChange(QDialog *dialog, const std::function<bool()> &read);
    void retryStore();
    void renewClaim();
    void resumeOnce();
    void loadInspection(const StoredInspection &inspection);
    void tellReturned(qint64 id);
    void keepElsewhere(StoredInspection held);
    void clearInputs(const QStringList &kept = QStringList());
    void setInspectionAside();
    bool startNewInspection(int key);
    void storeFailed(const QString &notice);
    bool prepareStore();
    bool offerDraft();
    bool importRecovery();
    void storeBusyLater();
    // The selected scanner, its values written; -1, said, when none or nothing is kept.
    int scannerForHistory();

    Wizard &wizard;
    // the inspection being kept in zetu.db (id -1 until it is first written)
    StoredInspection inspection;
    QString owner;             // this copy's claim on the inspection it has open
    bool storeUsable = false;  // false: zetu.db cannot keep inspections, said once at start
    bool storeForeign = false; // a table `inspection` this version did not make
    bool storeReady = false;   // table `inspection` made ready
    bool resumePending = true; // the start's question about the latest draft not yet asked
    bool writePending = false; // values not yet written: zetu.db busy or failing
    bool retrying = false;
    bool copyNoticeShown = false;
    bool storeNoticeShown = false;
    QString storeNotice; // why nothing is kept, as said at start
    QString startNotice; // said first when the window resumes
    bool restoring = false;
    bool closing = false;
    bool resumed = false;
    bool changedSinceReport = false;
    bool reopened = false;              // opened on purpose: a reported one is changed in place
    QVector<StoredInspection> heldBack; // inspections set aside, not yet written: zetu.db busy
    QTimer draftTimer;                  // at most one draft write every 30 s while values change
    QTimer retryTimer;                  // tries again what zetu.db refused while it was busy
    QTimer claimTimer;                  // renews the claim on the open inspection
};

#endif // INSPECTIONSESSION_H
