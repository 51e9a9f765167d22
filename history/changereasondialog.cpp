#include "history/changereasondialog.h"
#include "ui_changereasondialog.h"

#include <QPushButton>

ChangeReasonDialog::ChangeReasonDialog(const QString &what, const QString &name, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ChangeReasonDialog)
{
    ui->setupUi(this);
    ui->labelWhat->setText(what);
    ui->lineEditWho->setText(name.trimmed());
    connect(ui->lineEditWho, &QLineEdit::textChanged, this, &ChangeReasonDialog::updateButtons);
    connect(ui->plainTextEditWhy, &QPlainTextEdit::textChanged, this,
            &ChangeReasonDialog::updateButtons);
    updateButtons();
    if (!ui->lineEditWho->text().isEmpty())
        ui->plainTextEditWhy->setFocus();
}

ChangeReasonDialog::~ChangeReasonDialog()
{
    delete ui;
}

ToleranceStore::Signed ChangeReasonDialog::signedBy() const
{
    return {ui->lineEditWho->text().simplified(), ui->plainTextEditWhy->toPlainText().trimmed()};
}

void ChangeReasonDialog::setWording(const QString &title, const QString &why,
                                    const QString &example)
{
    setWindowTitle(title);
    ui->labelWhy->setText(why);
    ui->plainTextEditWhy->setPlaceholderText(example);
}

void ChangeReasonDialog::updateButtons()
{
    const ToleranceStore::Signed by = signedBy();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!by.who.isEmpty() && !by.why.isEmpty());
}
