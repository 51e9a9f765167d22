// The check that guards Next: each step's inputs must be complete.

#include "ui_mainwindow.h"
#include "wizard/inspectionfields.h"
#include "wizard/mainwindow.h"

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

bool allChosen(const Inspection &inspection, std::initializer_list<const char *> fields)
{
    for (const char *field : fields) {
        if (inspection.choice(QLatin1String(field)) <= 0)
            return false;
    }
    return true;
}

} // namespace

bool MainWindow::validateStep(int index)
{
    const MeasuringField *unmeasured = nullptr;
    const QString message = stepProblem(index, &unmeasured);
    if (message.isNull())
        return true;
    showError(this, message);
    if (unmeasured)
        inputs().reveal(unmeasured->name);
    return false;
}

QString MainWindow::stepProblem(int index, const MeasuringField **unmeasured)
{
    const Inspection inspection = inputs().read();
    QString message;
    switch (index) {
    case EquipmentStep: {
        const QItemSelectionModel *selection = ui->tableView->selectionModel();
        if (!selection || !selection->hasSelection())
            message = tr("Selecione um equipamento");
        break;
    }
    case PhysicalStep:
        if (!allChosen(inspection,
                       {"comboBox3cabo", "comboBox3botoes", "comboBox3Controles",
                        "comboBox3FiltPoeira", "comboBox3Monitor", "comboBox3Transtud"}))
            message = tr("Selecione um valor para cada campo");
        break;
    case UniformityStep: {
        const double rating = inspection.choice(Field::uniformity);
        if (rating <= 0)
            message = tr("Selecione um valor para a uniformidade");
        else if (rating > 1 && inspection.text(Field::explanation).isEmpty())
            message = tr("Preencha o campo de texto\nexplicando a inomogeneidade");
        else if (inspection.text(Field::transducer).isEmpty())
            message = tr("Preencha o campo transdutor");
        break;
    }
    case DeadZoneStep:
        if (!allChosen(inspection, {"comboBox2_05db_RA", "comboBox2_05db_RL", "comboBox2_05db_ZM",
                                    "comboBox2_07db_RA", "comboBox2_07db_RL", "comboBox2_07db_ZM"}))
            message = tr("Selecione um valor para cada campo");
        break;
    case VerticalStep:
    case HorizontalStep:
    case MassStep: {
        const QVector<const MeasuringField *> missing = inspection.unmeasured(index);
        if (missing.isEmpty())
            break;
        message = tr("Digite o valor medido de %1.").arg(missing.first()->describe(locale()));
        if (missing.size() > 1)
            message +=
                QLatin1Char(' ') + tr("Faltam %n valores nesta etapa.", nullptr, missing.size());
        if (unmeasured)
            *unmeasured = missing.first();
        break;
    }
    case ResponsibleStep:
        if (inspection.technician().isEmpty())
            message = tr("Prencha o nome do responsável técnico");
        break;
    default:
        break;
    }
    return message;
}
