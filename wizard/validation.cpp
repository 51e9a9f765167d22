// The check that guards Next: each step's inputs must be complete.

#include "ui_mainwindow.h"
#include "wizard/mainwindow.h"
#include "wizard/massrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QItemSelectionModel>
#include <QMessageBox>

namespace {

// One modal box with the message; the title stays "Error" in every language.
void showError(QWidget *parent, const QString &message)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Error"));
    box.setText(message);
    box.exec();
}

bool allChosen(std::initializer_list<const QComboBox *> boxes)
{
    for (const QComboBox *box : boxes)
        if (box->currentIndex() == 0)
            return false;
    return true;
}

} // namespace

bool spinBoxesFilled(QDoubleSpinBox *a, QDoubleSpinBox *b, QDoubleSpinBox *c)
{
    // the zero boxes get their text selected, so typing replaces it
    for (QDoubleSpinBox *box : {a, b, c})
        if (box->value() == 0)
            box->selectAll();
    return a->value() != 0 && b->value() != 0 && c->value() != 0;
}

bool MainWindow::validateStep(int index)
{
    const QString message = stepProblem(index);
    if (message.isNull())
        return true;
    showError(this, message);
    return false;
}

QString MainWindow::stepProblem(int index)
{
    QString message;
    switch (index) {
    case EquipmentStep: {
        const QItemSelectionModel *selection = ui->tableView->selectionModel();
        if (!selection || !selection->hasSelection())
            message = tr("Selecione um equipamento");
        break;
    }
    case PhysicalStep:
        if (!allChosen({ui->comboBox3cabo, ui->comboBox3botoes, ui->comboBox3Controles,
                        ui->comboBox3FiltPoeira, ui->comboBox3Monitor, ui->comboBox3Transtud}))
            message = tr("Selecione um valor para cada campo");
        break;
    case UniformityStep: {
        const int rating = ui->comboBox4ImgUnifor->currentIndex();
        if (rating == 0)
            message = tr("Selecione um valor para a uniformidade");
        else if (rating > 1 && ui->plainTextEdit4->toPlainText().isEmpty())
            message = tr("Preencha o campo de texto\nexplicando a inomogeneidade");
        else if (ui->lineEdit4Transdutor->text().isEmpty())
            message = tr("Preencha o campo transdutor");
        break;
    }
    case DeadZoneStep:
        if (!allChosen({ui->comboBox2_05db_RA, ui->comboBox2_05db_RL, ui->comboBox2_05db_ZM,
                        ui->comboBox2_07db_RA, ui->comboBox2_07db_RL, ui->comboBox2_07db_ZM}))
            message = tr("Selecione um valor para cada campo");
        break;
    case MassStep: {
        // every row is examined, so every zero box of a checked row is selected
        bool anechoicComplete = true;
        bool hyperechoicComplete = true;
        for (const MassRowWidgets &row : massRowWidgets(ui)) {
            if (row.depth->isChecked() && !spinBoxesFilled(row.height, row.width, row.area))
                (row.type == MassType::Anechoic ? anechoicComplete : hyperechoicComplete) = false;
        }
        if (!anechoicComplete || !hyperechoicComplete)
            message =
                tr("Massa(s) ") + (anechoicComplete ? QString() : tr("Anecóicas")) +
                (!anechoicComplete && !hyperechoicComplete ? QStringLiteral(" e ") : QString()) +
                (hyperechoicComplete ? QString() : tr("Hiperecóicas")) + tr(" não preenchida(s)");
        break;
    }
    case ResponsibleStep:
        if (ui->lineTecResp->text().isEmpty())
            message = tr("Prencha o nome do responsável técnico");
        break;
    default: // the measurement steps always pass
        break;
    }
    return message;
}
