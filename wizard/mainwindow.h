#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core/evaluator.h"
#include "core/judgement.h"
#include "history/storedinspection.h"
#include "registry/database.h"
#include "report/reportform.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <QVector>

class EquipmentList;
class ImageSteps;
class QDoubleSpinBox;

namespace Ui {
class MainWindow;
}

// Selects the text of each box that holds 0 and tells whether none of the three does.
bool spinBoxesFilled(QDoubleSpinBox *a, QDoubleSpinBox *b, QDoubleSpinBox *c);

// The eight-step inspection wizard. Navigation and language are its own; the slots of
// the equipment list, the images and the report hand on to the classes that do the
// work (EquipmentList, ImageSteps, ReportAssembly); the mass rows, the step validation
// and the stored inspections are in files of their own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

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

    explicit MainWindow(int languageIndex, QWidget *parent = 0);
    ~MainWindow();

    // Run once the window is shown (main calls it from the event loop): says when
    // zetu.db cannot keep inspections, else offers the latest unfinished inspection.
    void resumeAtStart();
    // Runs resumeAtStart once the shown window is on the screen, where the window
    // manager has put it, so that its boxes are centred on the window; after a second
    // at the latest.
    void resumeWhenExposed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButtonPrevious_clicked();
    void on_pushButtonNext_clicked();
    void on_checkBox2cm_clicked();
    void on_checkBox4cm_clicked();
    void on_checkBox6cm_clicked();
    void on_checkBox8cm_clicked();
    void on_checkBox2cm_1_clicked();
    void on_checkBox4cm_1_clicked();
    void on_checkBox6cm_1_clicked();
    void on_checkBox8cm_1_clicked();
    void on_checkBox2cm_3_clicked();
    void on_checkBox4cm_3_clicked();
    void on_checkBox6cm_3_clicked();
    void on_checkBox8cm_3_clicked();
    void on_checkBox2cm_4_clicked();
    void on_checkBox4cm_4_clicked();
    void on_checkBox6cm_4_clicked();
    void on_checkBox8cm_4_clicked();
    void on_pushButtonNewRecord_clicked();
    void on_pushButtonDeleteRecord_clicked();
    void on_comboBox4ImgUnifor_currentIndexChanged(int index);
    void on_pushButtonReport_clicked();
    void on_pushButton3CaboForca_clicked();
    void on_pushButtonMonitor_clicked();
    void on_pushButton3Controles_clicked();
    void on_pushButton3Botoes_clicked();
    void on_pushButton3Filtro_clicked();
    void on_pushButton3Trasdutores_clicked();
    void on_pushButtonLoadUniImg_clicked();
    void on_pushButtonUniformImgClear_clicked();
    void on_pushButtonPartImgClear_clicked();
    void on_comboBoxImage_currentIndexChanged(int index);
    void on_plainTextEdit4_textChanged();
    void on_pushButtonEdit_clicked();
    void on_comboBox_currentIndexChanged(int index);

    // stored inspections (inspections.cpp)
    void showHistory();
    void showTrend();
    void newInspection();
    void keepInspection();
    void inputChanged();
    // signature: the facts of a signed report, empty for an unsigned one
    void reportSaved(const QString &fileName, const QJsonObject &signature = QJsonObject());
    void retryStore();
    void renewClaim();

private:
    void showStep(int index);
    bool validateStep(int index);
    void focusFirstInput();
    void watchEnterKeys();
    bool enterMovesOn(QObject *watched, QEvent *event);
    // The message that keeps step `index` from being left, null when it may be left.
    QString stepProblem(int index);

    // equipment list
    // Re-reads the list; false, with the list saying so, while zetu.db is busy.
    bool refreshEquipmentList();
    QStringList equipmentRecordAt(int row) const;

    // images
    void releaseImages();
    // Set a photograph from its file; false and nothing changed when it gives none.
    // With `refusal`, the reason is told there instead of in a message box.
    bool setPartImage(int partIndex, const QString &path, QString *refusal = nullptr);
    bool setUniformImage(const QString &path, QString *refusal = nullptr);

    // stored inspections
    void setUpInspections();
    void resumeOnce();
    void loadInspection(const StoredInspection &inspection);
    void clearInputs(const QStringList &kept = QStringList());
    void setInspectionAside();
    bool takeSelectedScanner();
    bool startNewInspection(int key);
    void storeFailed(const QString &notice);
    bool prepareStore();
    bool offerDraft();
    bool importRecovery();
    void storeBusyLater();
    void tellStoreBusy();
    int selectedEquipmentKey() const;
    bool selectEquipment(int equipmentKey);

    // mass rows
    void updateMassRows();

    Ui::MainWindow *ui;
    DataBase dataBase;
    ReportForm report;
    Evaluator evaluator;
    EquipmentList *equipment = nullptr; // the list of step 1
    ImageSteps *images = nullptr;       // the pictures of steps 2 and 3
    QStringList stepTitles;
    QStringList stepCounters;

    // the inspection being kept in zetu.db (id -1 until it is first written)
    StoredInspection inspection;
    QJsonObject startValues;   // the inputs as the form starts, for loading an inspection
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

#endif // MAINWINDOW_H
