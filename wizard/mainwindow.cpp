#include "wizard/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/language.h"
#include "registry/equipmentfields.h"
#include "wizard/decimalkeyfilter.h"
#include "wizard/equipmentlist.h"
#include "wizard/imagesteps.h"
#include "wizard/inspectionfields.h"
#include "wizard/reportassembly.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSqlTableModel>

namespace {

// Widgets that take a typed or chosen value, as opposed to buttons and tabs.
bool isInput(const QWidget *widget)
{
    return qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

// Settings and view choices of the window, not values of the inspection.
const QStringList notKept = {QStringLiteral("comboBox"), QStringLiteral("comboBoxImage")};

} // namespace

MainWindow::MainWindow(int languageIndex, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    fields.reset(new InspectionFields(this, notKept));
    images = new ImageSteps(ui, this);
    connect(images, &ImageSteps::changed, &session, &InspectionSession::inputChanged);

    dataBase.openDataBase(QStringLiteral("zetu.db"));

    ui->comboBox->blockSignals(true);
    ui->comboBox->setCurrentIndex(languageIndex);
    ui->comboBox->blockSignals(false);

    stepTitles << tr("Equipamento") << tr("Inspeções Físicas e Mecânicas")
               << tr("Uniformidade da imagem") << tr("Zona Morta / Resolução")
               << tr("Medidas na Vertical") << tr("Medidas na Horizontal") << tr("Massas")
               << tr("Relatório");
    for (int step = 1; step <= StepCount; ++step)
        stepCounters << QStringLiteral("%1 / 8").arg(step);

    equipment = new EquipmentList(dataBase, ui->tableView, this);
    connect(equipment, &EquipmentList::storeBusy, &session, &InspectionSession::tellStoreBusy);
    connect(equipment, &EquipmentList::recordChanged, &session,
            &InspectionSession::equipmentEdited);
    connect(equipment, &EquipmentList::removedWithInspections, &session,
            &InspectionSession::equipmentDeleted);

    // The report button sits on the last page; it starts disabled, as it is on
    // every step until step 8 has been completed.
    ui->pushButtonReport->setEnabled(false);

    // Numbers and dates in the interface language, in every widget of the window and
    // of the report; set before the number boxes take their own copy of it.
    setLocale(interfaceLocale(languageIndex));

    // "." and "," both type the decimal separator in every number box.
    (new DecimalKeyFilter(this))->watchAll(this);
    watchEnterKeys();

    // The report button takes no focus; it is reached from the keyboard by its shortcut.
    ui->pushButtonReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    // A new locale moves the calendar's first column to its first day of the week
    // but leaves the highlight on the old cell; selecting the date again moves the
    // highlight onto it.
    ui->calendarWidget->setSelectedDate(ui->calendarWidget->selectedDate());
    ui->textEdit->viewport()->setAutoFillBackground(false);
    ui->textEdit_2->viewport()->setAutoFillBackground(false);
    session.start(dataBase.writability() != DataBase::Unusable);
    fields->watch(&session, [this] { session.inputChanged(); });
    fields->showLimits(this, locale());
    connect(ui->pushButtonHistory, &QPushButton::clicked, &session,
            &InspectionSession::showHistory);
    connect(ui->pushButtonTrend, &QPushButton::clicked, &session, &InspectionSession::showTrend);
    connect(ui->pushButtonNewInspection, &QPushButton::clicked, &session,
            &InspectionSession::newInspection);
    focusFirstInput();
}

MainWindow::~MainWindow()
{
    dataBase.closeDataBase();
    delete ui;
}

void MainWindow::showStep(int index)
{
    if (index >= ResponsibleStep) {
        ui->pushButtonNext->setText(tr("Concluir"));
    } else {
        ui->pushButtonNext->setText(tr("Próximo"));
        if (index < 0)
            return;
    }

    if (index < StepCount) {
        ui->pushButtonNext->setEnabled(true);
        ui->pushButtonReport->setEnabled(false);
        ui->stackedWidget->setCurrentIndex(index);
        ui->labelStep->setText(stepTitles.value(index));
        ui->labelStep2->setText(stepCounters.value(index));
        focusFirstInput();
        session.keepInspection();
    } else if (index == StepCount) {
        // The finished state: step 8 stays on screen and the report can be made.
        ui->pushButtonNext->setEnabled(false);
        ui->pushButtonReport->setEnabled(true);
    }
}

// The first input of the step shown, in tab order, that can take the focus now.
void MainWindow::focusFirstInput()
{
    QWidget *page = ui->stackedWidget->currentWidget();
    for (QWidget *widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && isInput(widget) && widget->isEnabled() &&
            widget->isVisibleTo(page) && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// Enter in a line or number field of a step moves on as Next does. The explanation
// keeps Enter for itself, as do the list and the calendar's own year field.
void MainWindow::watchEnterKeys()
{
    for (QWidget *widget : ui->stackedWidget->findChildren<QWidget *>()) {
        const bool field =
            qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSpinBox *>(widget);
        if (field && !ui->calendarWidget->isAncestorOf(widget))
            widget->installEventFilter(this);
    }
}

bool MainWindow::enterMovesOn(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto *field = qobject_cast<QWidget *>(watched);
    // a number box's own line edit stands for the box
    if (auto *box = qobject_cast<QAbstractSpinBox *>(field ? field->parentWidget() : nullptr))
        field = box;
    if (!field || !ui->stackedWidget->currentWidget()->isAncestorOf(field))
        return false;
    if (auto *box = qobject_cast<QAbstractSpinBox *>(field))
        box->interpretText(); // the value as typed, before the step is checked
    on_pushButtonNext_clicked();
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (enterMovesOn(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_pushButtonPrevious_clicked()
{
    showStep(ui->stackedWidget->currentIndex() - 1);
}

void MainWindow::on_pushButtonNext_clicked()
{
    const int index = ui->stackedWidget->currentIndex();
    if (validateStep(index) && (index > 0 || session.takeSelectedScanner()))
        showStep(index + 1);
}

void MainWindow::on_comboBox_currentIndexChanged(int index)
{
    // Both messages are fixed texts: the title in the chosen language, the text in
    // the one that is active until the restart.
    if (index == 0) {
        writeLanguageSetting(QStringLiteral("pt_BR"));
        QMessageBox::information(this, QStringLiteral("Idioma"),
                                 QStringLiteral("Restart the ZETU to complete language changing"),
                                 QMessageBox::Ok);
    } else if (index == 1) {
        writeLanguageSetting(QStringLiteral("en_US"));
        QMessageBox::information(
            this, QStringLiteral("Language"),
            QStringLiteral("Reinicie o programa para que a mudança seja concluída"),
            QMessageBox::Ok);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    session.close();
    QMainWindow::closeEvent(event);
}

// What the inspection session reads from the window and sets in it.
int MainWindow::currentStep() const
{
    return ui->stackedWidget->currentIndex();
}

int MainWindow::selectedEquipmentKey() const
{
    return equipment->selectedKey();
}

QStringList MainWindow::selectedEquipmentRecord() const
{
    return equipment->currentRecord();
}

// With no row of the scanner (it has gone), none is chosen.
bool MainWindow::selectEquipment(int equipmentKey)
{
    if (equipment->select(equipmentKey))
        return true;
    ui->tableView->selectionModel()->clear();
    return false;
}

bool MainWindow::equipmentListPending() const
{
    return equipment->pending();
}

bool MainWindow::refreshEquipmentList()
{
    return equipment->refresh();
}

QJsonObject MainWindow::inputValues() const
{
    return fields->read().values();
}

QStringList MainWindow::setInputValues(const QJsonObject &values)
{
    const QStringList problems = fields->write(Inspection(values));
    updateMassRows();
    return problems;
}

QJsonObject MainWindow::photographPaths() const
{
    return images->photographs().paths();
}

// Each refused file is named once, with its reason.
QStringList MainWindow::setPhotographs(const QJsonObject &paths)
{
    QStringList refused;
    QString refusal;
    for (int part = 0; part < Photographs::partCount; ++part) {
        const QString path = paths.value(QString::number(part)).toString();
        if (!path.isEmpty() && !images->setPart(part, path, &refusal))
            refused << refusal;
    }
    ui->comboBoxImage->setCurrentIndex(0);
    images->show();
    const QString uniformity = paths.value(Photographs::uniformityKey).toString();
    if (!uniformity.isEmpty() && !images->setUniformity(uniformity, &refusal))
        refused << refusal;
    refused.removeDuplicates();
    return refused;
}

void MainWindow::clearPhotographs()
{
    images->clear();
    ui->comboBoxImage->setCurrentIndex(0);
    ui->labelEquipPartImg->setPixmap(QPixmap());
    ui->labelUniformImg->setPixmap(QPixmap());
}

// The equipment list of step 1.
void MainWindow::on_pushButtonNewRecord_clicked()
{
    equipment->addRecord();
}

void MainWindow::on_pushButtonEdit_clicked()
{
    equipment->editCurrent();
}

void MainWindow::on_pushButtonDeleteRecord_clicked()
{
    equipment->removeCurrent(session.isReady());
}

// The pictures of steps 2 and 3; the six part buttons' slots are bound by name, and a
// test fails when one of them no longer finds its button.
void MainWindow::on_pushButton3CaboForca_clicked()
{
    images->choosePart(ui->pushButton3CaboForca);
}

void MainWindow::on_pushButtonMonitor_clicked()
{
    images->choosePart(ui->pushButtonMonitor);
}

void MainWindow::on_pushButton3Controles_clicked()
{
    images->choosePart(ui->pushButton3Controles);
}

void MainWindow::on_pushButton3Botoes_clicked()
{
    images->choosePart(ui->pushButton3Botoes);
}

void MainWindow::on_pushButton3Filtro_clicked()
{
    images->choosePart(ui->pushButton3Filtro);
}

void MainWindow::on_pushButton3Trasdutores_clicked()
{
    images->choosePart(ui->pushButton3Trasdutores);
}

void MainWindow::on_comboBoxImage_currentIndexChanged(int)
{
    images->show();
}

void MainWindow::on_pushButtonPartImgClear_clicked()
{
    images->clearSelectedPart();
}

void MainWindow::on_pushButtonLoadUniImg_clicked()
{
    images->chooseUniformity();
}

void MainWindow::on_pushButtonUniformImgClear_clicked()
{
    images->clearUniformity();
}

void MainWindow::on_comboBox4ImgUnifor_currentIndexChanged(int index)
{
    images->ratingChanged(index);
}

void MainWindow::on_plainTextEdit4_textChanged()
{
    images->trimExplanation();
}

ReportForm &MainWindow::report()
{
    if (!reportForm) {
        reportForm.reset(new ReportForm);
        reportForm->setLocale(locale());
        connect(reportForm.data(), &ReportForm::reportSaved, &session,
                [this](const QString &fileName) { session.reportSaved(fileName); });
        connect(reportForm.data(), &ReportForm::reportSigned, &session,
                &InspectionSession::reportSaved);
    }
    return *reportForm;
}

void MainWindow::on_pushButtonReport_clicked()
{
    ReportAssembly(fields->read(), equipment->currentRecord(), images->photographs(), report())
        .fill();
    report().exec();
}
