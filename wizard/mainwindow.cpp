#include "wizard/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/language.h"
#include "wizard/decimalkeyfilter.h"
#include "wizard/equipmentlist.h"
#include "wizard/imagesteps.h"
#include "wizard/reportassembly.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QWindow>

namespace {

// Widgets that take a typed or chosen value, as opposed to buttons and tabs.
bool isInput(const QWidget *widget)
{
    return qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

} // namespace

MainWindow::MainWindow(int languageIndex, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , report(nullptr)
{
    ui->setupUi(this);
    images = new ImageSteps(ui, this);
    connect(images, &ImageSteps::changed, this, &MainWindow::inputChanged);

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
    connect(equipment, &EquipmentList::storeBusy, this, &MainWindow::tellStoreBusy);
    connect(equipment, &EquipmentList::recordChanged, this,
            [this](int key, const QStringList &before, const QStringList &after) {
                if (inspection.equipmentKey == key && inspection.scanner == before)
                    inspection.scanner = after;
            });
    connect(equipment, &EquipmentList::removedWithInspections, this, [this](int key) {
        if (inspection.equipmentKey == key) {
            inspection = StoredInspection(); // the wizard's inspection went with its scanner
            changedSinceReport = true;
        }
    });

    // The report button sits on the last page; it starts disabled, as it is on
    // every step until step 8 has been completed.
    ui->pushButtonReport->setEnabled(false);

    // Numbers and dates in the interface language, in every widget of the window and
    // of the report; set before the number boxes take their own copy of it.
    setLocale(interfaceLocale(languageIndex));
    report.setLocale(locale());

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
    setUpInspections();
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
        keepInspection();
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
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::resumeOnce);
    } else if (enterMovesOn(watched, event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_pushButtonPrevious_clicked()
{
    showStep(ui->stackedWidget->currentIndex() - 1);
}

void MainWindow::on_pushButtonNext_clicked()
{
    const int index = ui->stackedWidget->currentIndex();
    if (validateStep(index) && (index > 0 || takeSelectedScanner()))
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

// The equipment list of step 1.
bool MainWindow::refreshEquipmentList()
{
    return equipment->refresh();
}

QStringList MainWindow::equipmentRecordAt(int row) const
{
    return equipment->recordAt(row);
}

void MainWindow::on_pushButtonNewRecord_clicked()
{
    equipment->addRecord();
}

void MainWindow::on_pushButtonEdit_clicked()
{
    equipment->editCurrent(storeReady);
}

void MainWindow::on_pushButtonDeleteRecord_clicked()
{
    equipment->removeCurrent(storeReady);
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

void MainWindow::releaseImages()
{
    images->clear();
}

bool MainWindow::setPartImage(int partIndex, const QString &path, QString *refusal)
{
    return images->setPart(partIndex, path, refusal);
}

bool MainWindow::setUniformImage(const QString &path, QString *refusal)
{
    return images->setUniformity(path, refusal);
}

void MainWindow::on_pushButtonReport_clicked()
{
    ReportAssembly(*ui, equipment->currentRecord(), images->photographs(), report).fill();
    report.exec();
}
