#ifndef TRANSDUCERDIALOG_H
#define TRANSDUCERDIALOG_H

#include "core/transducer.h"

#include <QDialog>

namespace Ui {
class TransducerDialog;
}

// The dialog in which a transducer of a scanner is described: model, serial number,
// type, nominal frequency and how often it is inspected. It edits a value; the caller
// keeps it.
class TransducerDialog : public QDialog
{
    Q_OBJECT

public:
    // `scannerId` names the scanner in the title.
    TransducerDialog(const Transducer &transducer, const QString &scannerId,
                     QWidget *parent = nullptr);
    ~TransducerDialog() override;

    // What the fields hold, with the key and scanner of the transducer given.
    Transducer transducer() const;

    // The intervals offered, in months.
    static const QVector<int> &intervals();

public slots:
    void accept() override;

private:
    Ui::TransducerDialog *ui;
    Transducer edited;
};

#endif // TRANSDUCERDIALOG_H
