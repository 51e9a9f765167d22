#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "history/storedinspection.h"
#include "registry/database.h"
#include "report/evaluator.h"
#include "report/reportform.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QDoubleSpinBox;
class QPixmap;
class QSqlTableModel;

namespace Ui {
class MainWindow;
}

// Selects the text of each box that holds 0 and tells whether none of the three does.
bool spinBoxesFilled(QDoubleSpinBox *a, QDoubleSpinBox *b, QDoubleSpinBox *c);

// The eight-step inspection wizard. Its slots are split into files by concern:
// navigation and language here, the equipment list, the images, the mass rows,
// the step validation and the report assembly in files of their own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(int languageIndex, QWidget *parent = 0);
    ~MainWindow();

    // Run once the window is shown (main calls it from the event loop): says when
    // zetu.db cannot keep inspections, else offers the latest unfinished inspection.
    void resumeAtStart();

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
    void keepInspection();
    void inputChanged();
    // signature: the facts of a signed report, empty for an unsigned one
    void reportSaved(const QString &fileName, const QJsonObject &signature = QJsonObject());

private:
    void showStep(int index);
    bool validateStep(int index);

    // equipment list
    void setUpEquipmentModel();
    void fitEquipmentColumns();
    QSet<qlonglong> hiddenEquipmentKeys() const;
    void showEquipmentRows(const QSet<qlonglong> &hiddenKeys);
    void runEquipmentDialog(int mode);

    // images
    void loadPartImage(int partIndex);
    void releaseImages();
    // Set a photograph from its file (partIndex -1: the uniformity image); false and
    // nothing changed when it cannot be read.
    bool setPartImage(int partIndex, const QString &path);
    bool setUniformImage(const QString &path);

    // stored inspections
    void setUpInspections();
    void loadInspection(const StoredInspection &inspection);
    void storeFailed();
    int selectedEquipmentKey() const;
    bool selectEquipment(int equipmentKey);

    // mass rows
    void updateMassRow(int row);

    // report assembly
    void fillReport();
    void fillReportHeader();
    void fillDeadZoneResolution();
    void fillPhysicalInspection();
    void fillInspectionImages();
    void fillUniformity();
    void fillVerticalMeasurements();
    void fillHorizontalMeasurements();
    void fillMasses();
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

    // the inspection being kept in zetu.db (id -1 until it is first written)
    StoredInspection inspection;
    QJsonObject startValues; // the inputs as the form starts, for loading an inspection
    bool storeUsable = false;
    bool inspectionTableReady = false;
    bool storeNoticeShown = false;
    bool restoring = false;
    bool changedSinceReport = false;
    QTimer draftTimer; // at most one draft write every 30 s while values change
};

#endif // MAINWINDOW_H
