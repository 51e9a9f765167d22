#ifndef TOLERANCECHOICE_H
#define TOLERANCECHOICE_H

#include <QObject>
#include <functional>

class EquipmentList;
class QAction;
class QPushButton;
class QWidget;

// Step 1's way to the tolerance sets of the scanner chosen in the list, and the menu's
// way to the audit trail of the tolerances. The button is enabled while a scanner is
// chosen; a change is signed with the technician's name as typed (`technician` reads it),
// unless corrected.
class ToleranceChoice : public QObject
{
    Q_OBJECT

public:
    ToleranceChoice(EquipmentList *equipment, QPushButton *button, QAction *auditAction,
                    std::function<QString()> technician, QWidget *window);

public slots:
    void showSets();
    void showAudit();
    // Enables the button while a scanner is chosen.
    void updateButton();

signals:
    // The scanner's set was chosen again, or a set got a new version: the set it is
    // judged with may be another now.
    void toleranceSetChanged(int equipmentKey);

private:
    EquipmentList *equipment;
    QPushButton *button;
    std::function<QString()> technician;
    QWidget *window;
};

#endif // TOLERANCECHOICE_H
