#include "wizard/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/language.h"
#include "wizard/decimalkeyfilter.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>

MainWindow::MainWindow(int languageIndex, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , report(nullptr)
{
    ui->setupUi(this);

    dataBase.openDataBase(QStringLiteral("zetu.db"));

    ui->comboBox->blockSignals(true);
    ui->comboBox->setCurrentIndex(languageIndex);
    ui->comboBox->blockSignals(false);

    stepTitles << tr("Equipamento") << tr("Inspeções Físicas e Mecânicas")
               << tr("Uniformidade da imagem") << tr("Zona Morta / Resolução")
               << tr("Medidas na Vertical") << tr("Medidas na Horizontal") << tr("Massas")
               << tr("Relatório");
    for (int step = 1; step <= 8; ++step)
        stepCounters << QStringLiteral("%1 / 8").arg(step);

    setUpEquipmentModel();

    // The report button sits on the last page; it starts disabled, as it is on
    // every step until step 8 has been completed.
    ui->pushButtonReport->setEnabled(false);

    // "." and "," both type the decimal comma in every number box.
    (new DecimalKeyFilter(this))->watchAll(this);

    // The report button takes no focus; it is reached from the keyboard by its shortcut.
    ui->pushButtonReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    const QLocale portuguese(QLocale::Portuguese);
    ui->calendarWidget->setLocale(portuguese);
    // A new locale moves the calendar's first column to its first day of the week
    // but leaves the highlight on the old cell; selecting the date again moves the
    // highlight onto it.
    ui->calendarWidget->setSelectedDate(ui->calendarWidget->selectedDate());
    ui->textEdit->viewport()->setAutoFillBackground(false);
    ui->textEdit_2->viewport()->setAutoFillBackground(false);
    ui->labelUniform->hide();
    uniformImage = nullptr;
    lastDir = QDir::homePath();
    setUpInspections();
}

MainWindow::~MainWindow()
{
    dataBase.closeDataBase();
    delete ui;
    releaseImages();
}

void MainWindow::showStep(int index)
{
    if (index > 6) {
        ui->pushButtonNext->setText(tr("Concluir"));
    } else {
        ui->pushButtonNext->setText(tr("Próximo"));
        if (index < 0)
            return;
    }

    if (index < ui->stackedWidget->count()) {
        ui->pushButtonNext->setEnabled(true);
        ui->pushButtonReport->setEnabled(false);
        ui->stackedWidget->setCurrentIndex(index);
        ui->labelStep->setText(stepTitles.value(index));
        ui->labelStep2->setText(stepCounters.value(index));
        keepInspection();
    } else if (index == ui->stackedWidget->count()) {
        // The finished state: step 8 stays on screen and the report can be made.
        ui->pushButtonNext->setEnabled(false);
        ui->pushButtonReport->setEnabled(true);
    }
}

void MainWindow::on_pushButtonPrevious_clicked()
{
    showStep(ui->stackedWidget->currentIndex() - 1);
}

void MainWindow::on_pushButtonNext_clicked()
{
    const int index = ui->stackedWidget->currentIndex();
    if (validateStep(index))
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
