#include "wizard/tolerancechoice.h"

#include "history/auditdialog.h"
#include "history/tolerancesdialog.h"
#include "wizard/equipmentlist.h"

#include <QAction>
#include <QPushButton>

ToleranceChoice::ToleranceChoice(EquipmentList *equipment, QPushButton *button,
                                 QAction *auditAction, std::function<QString()> technician,
                                 QWidget *window)
    : QObject(window)
    , equipment(equipment)
    , button(button)
    , technician(std::move(technician))
    , window(window)
{
    connect(button, &QPushButton::clicked, this, &ToleranceChoice::showSets);
    connect(auditAction, &QAction::triggered, this, &ToleranceChoice::showAudit);
    updateButton();
}

void ToleranceChoice::showSets()
{
    const int key = equipment->selectedKey();
    if (key < 0)
        return;
    TolerancesDialog dialog(key, equipment->currentRecord(), technician(), window);
    dialog.exec();
    if (dialog.changedSets())
        emit toleranceSetChanged(key);
}

void ToleranceChoice::showAudit()
{
    AuditDialog(window).exec();
}

void ToleranceChoice::updateButton()
{
    button->setEnabled(equipment->selectedKey() >= 0);
}
