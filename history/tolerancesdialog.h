#ifndef TOLERANCESDIALOG_H
#define TOLERANCESDIALOG_H

#include "core/teamrole.h"
#include "history/tolerancestore.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

namespace Ui {
class TolerancesDialog;
}

// The tolerance sets kept in zetu.db, each rule in words, and the set one scanner is
// judged with. A copy of any set can be made and its numbers edited; each saved edit is
// the set's next version. The built-in sets are shown, never edited. Every change asks
// who makes it and why, and goes into the audit trail.
class TolerancesDialog : public QDialog
{
    Q_OBJECT

public:
    // The sets as scanner `equipmentKey` sees them, its record being (Institution, Place,
    // ID, Model, Manufacturer); `name` is proposed as who makes a change.
    TolerancesDialog(int equipmentKey, const QStringList &record, const QString &name,
                     QWidget *parent = nullptr);
    ~TolerancesDialog() override;

    // Shows only the sets and the scanner's choice to whom `role` does not let change
    // them.
    void setRole(TeamRole role);

    // Whether a set was chosen for the scanner or a new version of a set was kept.
    bool changedSets() const { return changed; }

    // The name of a kind of result, "Zona morta", in the catalogue's language.
    static QString resultName(Rule result);
    // Why the store refused a read or a change, in words for a message.
    static QString failureReason(ToleranceStore::Outcome outcome);

public slots:
    // Closes, after asking whether unsaved numbers may go.
    void reject() override;

private slots:
    void on_pushButtonCopy_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonChoose_clicked();
    void on_pushButtonAudit_clicked();
    void on_listWidgetSets_currentRowChanged(int row);
    void showRule();
    void editRule();

private:
    // Reads the sets again and shows the one with `id` (-1: the scanner's).
    ToleranceStore::Outcome reload(qint64 id);
    void fillSets();
    void fillRules();
    void fillKinds(Rule result);
    void updateEditor();
    void updateButtons();
    Rule shownResult() const;
    ToleranceRule editorRule(Rule result) const;
    bool hasEdits() const;
    bool dropEdits();
    bool validEdits();
    QString nameProblem(const QString &setName) const;
    // The latest version of set `id` kept in zetu.db; 0 when it cannot be read.
    static int laterVersion(qint64 id);
    bool keepOverLater(ToleranceSet *kept);
    // Asks who makes the change and why; false when the user cancels.
    bool signedFor(const QString &what, ToleranceStore::Signed *by);
    // Says why the store refused `what`; true when it was done.
    bool told(ToleranceStore::Outcome outcome, const QString &what);

    Ui::TolerancesDialog *ui;
    int equipmentKey;
    QStringList record;
    QString name;
    QVector<ToleranceSet> sets; // as kept, the latest version of each
    qint64 chosenId;            // the set the scanner is judged with
    int shownRow = -1;
    ToleranceSet edited; // the shown set with the numbers typed
    bool filling = false;
    bool changed = false;
    bool mayChange = true; // the connected person may change sets and choose one
};

#endif // TOLERANCESDIALOG_H
