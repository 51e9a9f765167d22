#ifndef TRANSDUCERCHOICE_H
#define TRANSDUCERCHOICE_H

#include "core/transducer.h"

#include <QObject>
#include <QStringList>
#include <QVector>

class QComboBox;
class QPushButton;
class QWidget;

// The choice of the inspected transducer on step 1: the transducers in use of the
// scanner chosen in the list, then an entry that adds one; the buttons that correct
// and remove the chosen one. A transducer with stored inspections is retired rather
// than deleted: it leaves the choice and keeps its history.
class TransducerChoice : public QObject
{
    Q_OBJECT

public:
    TransducerChoice(QComboBox *combo, QPushButton *edit, QPushButton *remove, QWidget *window);

    // Shows the transducers of scanner `key` (-1: none) with `record` (Institution,
    // Place, ID, Model, Manufacturer).
    void setScanner(int key, const QStringList &record);
    // Reads the scanner's transducers again, keeping the one chosen.
    void reload();
    // The chosen transducer; key -1 when none is.
    Transducer selected() const;
    // Chooses transducer `key` of the scanner shown, a retired one included; false when
    // the scanner has no such transducer.
    bool select(qint64 key);
    // Whether zetu.db keeps transducers (it may be busy, read-only or damaged).
    bool available() const { return readable; }
    // A transducer is chosen, or the user adds one when the scanner has none; false when
    // none is chosen.
    bool ensureChosen();

signals:
    // A transducer was added, corrected or removed.
    void changed();

private:
    // The scanner's transducers read, `chosen` made current.
    void fill(qint64 chosen);
    void list(const QVector<Transducer> &read, bool wasRead, qint64 chosen);
    void chosenEntry(int index);
    bool add();
    void editChosen();
    void removeChosen();
    void tellBusy();
    void updateButtons();

    QComboBox *combo;
    QPushButton *editButton;
    QPushButton *removeButton;
    QWidget *window;
    int scannerKey = -1;
    QStringList record;
    QVector<Transducer> transducers; // of the scanner, retired ones included
    bool readable = false;
    int lastIndex = -1;
};

#endif // TRANSDUCERCHOICE_H
