#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core/transducer.h"
#include "registry/database.h"
#include "report/reportform.h"
#include "wizard/inspectionsession.h"

#include <QMainWindow>
#include <QScopedPointer>
#include <QStringList>

class DataFiles;
class DecimalKeyFilter;
class EquipmentList;
class ImageSteps;
class InspectionFields;
class ToleranceChoice;
class TransducerChoice;
class BaselineHints;
class ServerWatch;
struct MeasuringField;
struct StepForms;

namespace Ui {
class MainWindow;
}

// The eight-step inspection wizard. Navigation and language are its own; the slots of
// the equipment list, the images and the report hand on to the classes that do the
// work (EquipmentList, ImageSteps, ReportAssembly); the inspection it holds is kept in
// zetu.db by its InspectionSession; the mass rows and the step validation are in files
// of their own.
class MainWindow : public QMainWindow, private InspectionSession::Wizard
{
    Q_OBJECT

public:
    explicit MainWindow(int languageIndex, QWidget *parent = 0);
    ~MainWindow();

    // Run once the window is shown (main calls it from the event loop): says when
    // zetu.db cannot keep inspections, else offers the latest unfinished inspection.
    void resumeAtStart() { session.resumeAtStart(); }
    // Runs resumeAtStart once the shown window is on the screen, where the window
    // manager has put it, so that its boxes are centred on the window; after a second
    // at the latest.
    void resumeWhenExposed() { session.resumeWhenExposed(); }

    // Builds steps 2 to 8, which the first screen does without: from the first turn of
    // the event loop after the window is first on the screen on, one step a turn, or at
    // once as soon as anything needs one of their widgets (a step shown, values read or
    // set, a draft restored). Does nothing once they are built.
    void buildSteps();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButtonPrevious_clicked();
    void on_pushButtonNext_clicked();
    void on_pushButtonNewRecord_clicked();
    void on_pushButtonDeleteRecord_clicked();
    void on_pushButtonEdit_clicked();
    void on_comboBox_currentIndexChanged(int index);
    void on_actionExportAll_triggered();
    void on_actionBackup_triggered();
    void on_actionRestore_triggered();
    void on_actionFirstStep_triggered();
    void on_actionQuit_triggered();
    void on_actionSendToServer_triggered();
    void on_actionAbout_triggered();

private:
    // The handlers of the widgets of steps 2 to 8, named as the slots bound by name are,
    // connected when the steps are built (see bindSteps).
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
    void buildStepsWhenIdle();
    void finishSteps();
    void bindSteps();
    // The forms of steps 2 to 8 and the inputs of the inspection, built first if they are
    // not yet.
    StepForms &steps();
    InspectionFields &inputs();

    void showStep(int index) override;
    bool validateStep(int index) override;
    void focusFirstInput();
    void watchKeys(QWidget *root);
    bool entersMoveOn(const QWidget *widget) const;
    bool enterMovesOn(QObject *watched, QEvent *event);
    // The message that keeps step `index` from being left, null when it may be left;
    // `unmeasured`, when given, is set to the measuring field the step lacks first.
    QString stepProblem(int index) override { return stepProblem(index, nullptr); }
    QString stepProblem(int index, const MeasuringField **unmeasured);

    // Re-reads the list; false, with the list saying so, while zetu.db is busy.
    bool refreshEquipmentList() override;

    // what the inspection session reads and sets
    QWidget *dialogParent() override { return this; }
    int currentStep() const override;
    int selectedEquipmentKey() const override;
    QStringList selectedEquipmentRecord() const override;
    bool selectEquipment(int equipmentKey) override;
    bool selectTransducer(qint64 key) override;
    qint64 selectedTransducerKey() const override;
    void storeChanged() override;
    void showScannerTransducers();
    void takeTransducer();
    bool takeJudgement();
    void retakeJudgement();
    void showJudgement();
    bool equipmentListPending() const override;
    QJsonObject inputValues() override;
    QJsonObject startValues() override;
    QStringList setInputValues(const QJsonObject &values) override;
    QJsonObject photographPaths() override;
    QStringList setPhotographs(const QJsonObject &paths) override;
    void clearPhotographs() override;

    // mass rows
    void updateMassRows();
    // On a team's server: the line that says when it is out of reach, the list and due
    // dates read again when another client changed them; the copies of zetu.db offered
    // only on it.
    void watchServer();
    void readServerChanges();
    // The scanner's transducers, and its tolerance set and baseline, read again.
    void readChoicesAgain();

    Ui::MainWindow *ui;
    // Steps 2 to 8 and what works on their widgets: the forms as far as they are set up,
    // the rest null until all of them are.
    QScopedPointer<StepForms> forms;
    QScopedPointer<InspectionFields> fields; // the inputs of the inspection
    QJsonObject formValues;                  // the inputs' values as the forms set them
    ImageSteps *images = nullptr;            // the pictures of steps 2 and 3
    DataBase dataBase;
    // The report dialog, made when the first report is (the first screen has no use
    // for it), and kept with its content until the window closes.
    ReportForm &report();
    QScopedPointer<ReportForm> reportForm;
    EquipmentList *equipment = nullptr;      // the list of step 1
    TransducerChoice *transducers = nullptr; // the transducer chosen on step 1
    ToleranceChoice *tolerances = nullptr;   // the tolerance sets of step 1's scanner
    Transducer chosenTransducer;             // the inspection's transducer, as inspected
    bool quietInputs = false;                // inputs set by the window, not the user
    // The tolerance set and baseline the inspection is judged with, as kept in its values
    // (empty: the original rules, no baseline).
    QJsonObject judgement;
    // The reason the scanner's set or the transducer's baseline could not be read last
    // time (a busy or damaged zetu.db); empty once they are read. Read again every
    // `judgementRetryMs` while a report cannot be made.
    QString judgementUnread;
    static const int judgementRetryMs = 2000;
    BaselineHints *hints = nullptr;
    DataFiles *files = nullptr;     // export, backup and restore
    ServerWatch *server = nullptr;  // the team's server, when the program works on one
    bool serverReadWaiting = false; // another client's change read once a dialog closes
    QStringList stepTitles;
    QStringList stepCounters;

    InspectionSession session{*this};
};

#endif // MAINWINDOW_H
