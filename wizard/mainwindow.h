#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core/evaluator.h"
#include "core/judgement.h"
#include "registry/database.h"
#include "registry/insertequip.h"
#include "report/reportform.h"
#include "wizard/inspectionsession.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <QVector>

class QDoubleSpinBox;
class QLabel;
class QPixmap;
class QSqlTableModel;

namespace Ui {
class MainWindow;
}

// Selects the text of each box that holds 0 and tells whether none of the three does.
bool spinBoxesFilled(QDoubleSpinBox *a, QDoubleSpinBox *b, QDoubleSpinBox *c);

// The eight-step inspection wizard. Its slots are split into files by concern:
// navigation and language here, the equipment list, the images, the mass rows,
// the step validation and the report assembly in files of their own. The inspection
// it holds is kept in zetu.db by its InspectionSession.
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

private:
    void showStep(int index) override;
    bool validateStep(int index) override;
    void focusFirstInput();
    void watchEnterKeys();
    bool enterMovesOn(QObject *watched, QEvent *event);
    // The message that keeps step `index` from being left, null when it may be left.
    QString stepProblem(int index) override;

    // equipment list
    void setUpEquipmentModel();
    void fitEquipmentColumns();
    QSet<qlonglong> hiddenEquipmentKeys() const;
    void showEquipmentRows(const QSet<qlonglong> &hiddenKeys);
    void runEquipmentDialog(InsertEquip::Mode mode);
    // Re-reads the list; false, with the list saying so, while zetu.db is busy.
    bool refreshEquipmentList() override;
    QStringList equipmentRecordAt(int row) const;

    // images
    void loadPartImage(int partIndex);
    void releaseImages();
    // Set a photograph from its file; false and nothing changed when it gives none.
    // With `refusal`, the reason is told there instead of in a message box.
    bool setPartImage(int partIndex, const QString &path, QString *refusal = nullptr);
    bool setUniformImage(const QString &path, QString *refusal = nullptr);
    void showPhotographs();

    // what the inspection session reads and sets
    QWidget *dialogParent() override { return this; }
    int currentStep() const override;
    int selectedEquipmentKey() const override;
    QStringList selectedEquipmentRecord() const override;
    bool selectEquipment(int equipmentKey) override;
    bool equipmentListPending() const override { return listPending; }
    QJsonObject inputValues() const override;
    QStringList setInputValues(const QJsonObject &values) override;
    QJsonObject photographPaths() const override;
    QStringList setPhotographs(const QJsonObject &paths) override;
    void clearPhotographs() override;

    // mass rows
    void updateMassRows();

    // report assembly
    void fillReport();
    void fillReportHeader();
    void fillDeadZoneResolution(const QVector<Result> &results);
    void fillPhysicalInspection(const QVector<Result> &results);
    void fillInspectionImages();
    void fillUniformity();
    void fillVerticalMeasurements(const QVector<Result> &results);
    void fillHorizontalMeasurements(const QVector<Result> &results);
    void fillMasses(const QVector<Result> &results);
    void fillDateResponsible();

    Ui::MainWindow *ui;
    DataBase dataBase;
    ReportForm report;
    Evaluator evaluator;
    QSqlTableModel *model = nullptr;
    QHash<int, QPixmap *> partImages;
    QPixmap *uniformImage = nullptr;
    QStringList stepTitles;
    QStringList stepCounters;
    QString lastDir;
    QHash<int, QString> partImagePaths; // file of each part photograph shown
    QString uniformImagePath;

    bool listPending = false; // the list could not be read yet: zetu.db busy
    InspectionSession session{*this};
    QLabel *listBusy = nullptr; // over the list while it cannot be read
};

#endif // MAINWINDOW_H
