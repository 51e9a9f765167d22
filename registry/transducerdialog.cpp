#include "registry/transducerdialog.h"
#include "ui_transducerdialog.h"

#include <QMessageBox>
#include <QPushButton>

TransducerDialog::TransducerDialog(const Transducer &transducer, const QString &scannerId,
                                   QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TransducerDialog)
    , edited(transducer)
{
    ui->setupUi(this);
    setWindowTitle(transducer.key < 0 ? tr("Novo transdutor de %1").arg(scannerId)
                                      : tr("Transdutor de %1").arg(scannerId));
    ui->comboBoxType->addItems(Transducer::typeNames());
    for (int months : intervals())
        ui->comboBoxInterval->addItem(tr("A cada %n meses", nullptr, months), months);
    ui->lineEditModel->setText(transducer.model);
    ui->lineEditSerial->setText(transducer.serial);
    ui->comboBoxType->setCurrentIndex(transducer.type);
    ui->doubleSpinBoxFrequency->setValue(transducer.frequency);
    const int interval = ui->comboBoxInterval->findData(transducer.intervalMonths);
    ui->comboBoxInterval->setCurrentIndex(qMax(0, interval));
    ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setText(transducer.key < 0 ? tr("Adicionar") : tr("Salvar"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
}

TransducerDialog::~TransducerDialog()
{
    delete ui;
}

const QVector<int> &TransducerDialog::intervals()
{
    static const QVector<int> months = {12, 6};
    return months;
}

Transducer TransducerDialog::transducer() const
{
    Transducer transducer = edited;
    transducer.model = ui->lineEditModel->text().trimmed();
    transducer.serial = ui->lineEditSerial->text().trimmed();
    transducer.type =
        Transducer::Type(qBound(0, ui->comboBoxType->currentIndex(), Transducer::typeCount - 1));
    transducer.frequency = ui->doubleSpinBoxFrequency->value();
    transducer.intervalMonths = ui->comboBoxInterval->currentData().toInt();
    return transducer;
}

// A transducer is told apart from the scanner's others by its model.
void TransducerDialog::accept()
{
    if (ui->lineEditModel->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("Digite o modelo do transdutor."));
        ui->lineEditModel->setFocus();
        return;
    }
    QDialog::accept();
}
