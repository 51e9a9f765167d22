#include "wizard/transducerchoice.h"

#include "core/logging.h"
#include "history/transducerstore.h"
#include "registry/sqldialect.h"
#include "registry/transducerdialog.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The data of the entry that adds a transducer.
const qint64 addEntry = -2;

} // namespace

TransducerChoice::TransducerChoice(QComboBox *combo, QPushButton *edit, QPushButton *remove,
                                   QWidget *window)
    : QObject(window)
    , combo(combo)
    , editButton(edit)
    , removeButton(remove)
    , window(window)
{
    connect(combo, QOverload<int>::of(&QComboBox::activated), this, &TransducerChoice::chosenEntry);
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TransducerChoice::updateButtons);
    connect(edit, &QPushButton::clicked, this, &TransducerChoice::editChosen);
    connect(remove, &QPushButton::clicked, this, &TransducerChoice::removeChosen);
    updateButtons();
}

void TransducerChoice::setScanner(int key, const QStringList &scanner)
{
    scannerKey = key;
    record = scanner;
    fill(-1);
}

// Read again because the store changed: what is listed stays while the store cannot be
// read (a server out of reach), so that the transducer being inspected is not lost.
void TransducerChoice::reload()
{
    InspectionStore::Outcome outcome = InspectionStore::Failed;
    const QVector<Transducer> read = scannerKey < 0
                                         ? QVector<Transducer>()
                                         : TransducerStore::forEquipment(scannerKey, &outcome);
    if (scannerKey >= 0 && outcome != InspectionStore::Done && readable && !transducers.isEmpty())
        return;
    list(read, scannerKey < 0 || outcome == InspectionStore::Done, selected().key);
}

void TransducerChoice::fill(qint64 chosen)
{
    InspectionStore::Outcome outcome = InspectionStore::Failed;
    const QVector<Transducer> read = scannerKey < 0
                                         ? QVector<Transducer>()
                                         : TransducerStore::forEquipment(scannerKey, &outcome);
    list(read, scannerKey < 0 || outcome == InspectionStore::Done, chosen);
}

// The scanner's transducers in use, then `chosen` when it is retired; `chosen` is made
// current, else the first.
void TransducerChoice::list(const QVector<Transducer> &read, bool wasRead, qint64 chosen)
{
    transducers = read;
    readable = wasRead;
    QSignalBlocker blocker(combo);
    combo->clear();
    int current = -1;
    for (const Transducer &transducer : qAsConst(transducers)) {
        if (transducer.retired && transducer.key != chosen)
            continue;
        QString text = transducer.describe(window->locale());
        if (transducer.retired)
            text += QLatin1Char(' ') + tr("(retirado)");
        combo->addItem(text, transducer.key);
        if (transducer.key == chosen)
            current = combo->count() - 1;
    }
    if (scannerKey >= 0 && readable)
        combo->addItem(tr("Adicionar transdutor…"), addEntry);
    combo->setCurrentIndex(current >= 0 ? current : (combo->count() > 1 || !readable ? 0 : -1));
    lastIndex = combo->currentIndex();
    combo->setEnabled(scannerKey >= 0 && readable);
    updateButtons();
}

Transducer TransducerChoice::selected() const
{
    const qint64 key = combo->currentData().toLongLong();
    for (const Transducer &transducer : transducers) {
        if (transducer.key == key && key >= 0)
            return transducer;
    }
    return Transducer();
}

bool TransducerChoice::select(qint64 key)
{
    for (const Transducer &transducer : qAsConst(transducers)) {
        if (transducer.key == key) {
            fill(key);
            return true;
        }
    }
    return false;
}

bool TransducerChoice::ensureChosen()
{
    if (selected().key < 0) // another copy may have added one meanwhile
        fill(-1);
    if (!readable || selected().key >= 0)
        return true;
    const QString scanner = record.value(2);
    QMessageBox box(QMessageBox::Question, window->windowTitle(),
                    tr("O equipamento %1 não tem transdutores cadastrados. Cada inspeção é de um "
                       "transdutor: cadastre o transdutor que será inspecionado.")
                        .arg(scanner),
                    QMessageBox::Cancel, window);
    QPushButton *addButton = box.addButton(tr("Adicionar transdutor…"), QMessageBox::AcceptRole);
    box.setDefaultButton(addButton);
    box.exec();
    return box.clickedButton() == addButton && add();
}

void TransducerChoice::chosenEntry(int index)
{
    if (combo->itemData(index).toLongLong() == addEntry) {
        const int before = lastIndex;
        if (!add()) {
            QSignalBlocker blocker(combo);
            combo->setCurrentIndex(before);
        }
    }
    lastIndex = combo->currentIndex();
}

// Adds a transducer to the scanner shown and chooses it; false when the user cancels
// or zetu.db does not take it.
bool TransducerChoice::add()
{
    Transducer transducer;
    transducer.equipmentKey = scannerKey;
    TransducerDialog dialog(transducer, record.value(2), window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    transducer = dialog.transducer();
    const InspectionStore::Outcome outcome = TransducerStore::save(transducer, record);
    if (outcome != InspectionStore::Done) {
        tellBusy();
        return false;
    }
    fill(transducer.key);
    emit changed();
    return true;
}

void TransducerChoice::editChosen()
{
    const Transducer chosen = selected();
    if (chosen.key < 0)
        return;
    TransducerDialog dialog(chosen, record.value(2), window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Transducer edited = dialog.transducer();
    if (TransducerStore::save(edited, record) != InspectionStore::Done)
        return tellBusy();
    fill(edited.key);
    emit changed();
}

void TransducerChoice::removeChosen()
{
    const Transducer chosen = selected();
    if (chosen.key < 0)
        return;
    const QString name = chosen.describe(window->locale());
    const QString question =
        chosen.inspections > 0
            ? tr("O transdutor %1 tem %n inspeções guardadas. Ele deixa de ser oferecido para "
                 "novas inspeções, e o histórico dele é mantido. Retirar o transdutor?",
                 nullptr, chosen.inspections)
                  .arg(name)
            : tr("Remover o transdutor %1?").arg(name);
    if (QMessageBox::question(window, window->windowTitle(), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    bool retired = false;
    if (TransducerStore::remove(chosen.key, &retired) != InspectionStore::Done)
        return tellBusy();
    qCInfo(zetuStore) << "transducer" << chosen.key << (retired ? "retired" : "removed");
    fill(-1);
    emit changed();
}

void TransducerChoice::tellBusy()
{
    QMessageBox::information(window, window->windowTitle(),
                             SqlDialect::onServer()
                                 ? tr("O servidor da equipe não pôde guardar o transdutor agora: "
                                      "ele está ocupado, fora de alcance ou não deixa gravar. "
                                      "Tente de novo em instantes.")
                                 : tr("O arquivo zetu.db não pôde guardar o transdutor agora: "
                                      "ele está ocupado por outro programa ou não pode ser "
                                      "gravado. Tente de novo em instantes."));
}

void TransducerChoice::updateButtons()
{
    const bool chosen = selected().key >= 0;
    editButton->setEnabled(chosen);
    removeButton->setEnabled(chosen);
}
