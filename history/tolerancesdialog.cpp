#include "history/tolerancesdialog.h"
#include "history/reviewstore.h"
#include "ui_tolerancesdialog.h"

#include "core/evaluator.h"
#include "history/auditdialog.h"
#include "history/changereasondialog.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The kind combo's entry for a result the set leaves unjudged.
const int notJudged = -1;

// The editor's pages, in the order of the form.
enum Page { NonePage, RangePage, ChangePage, DeviationPage };

const char *const resultNames[ruleCount] = {
    QT_TRANSLATE_NOOP("TolerancesDialog", "Inspeções físicas e mecânicas"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Zona morta"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Resolução axial"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Resolução lateral"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Média vertical"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Média horizontal"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Altura/largura das massas"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Área das massas"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Penetração máxima")};

const char *const kindNames[ToleranceRule::kindCount] = {
    QT_TRANSLATE_NOOP("TolerancesDialog", "Faixa de valores"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Diferença da linha de base"),
    QT_TRANSLATE_NOOP("TolerancesDialog", "Desvio do valor nominal")};

// A rating or a choice of step 4: a range keeps its fixed table, without numbers.
bool isChoice(Rule result)
{
    JudgedResult judged;
    judged.rule = result;
    return judged.isChoice();
}

// The original rule's bounds, proposed when a range is given numbers of its own.
QPair<double, double> originalBounds(Rule result)
{
    switch (result) {
    case Rule::VerticalMean:
        return {Evaluator::verticalMeanLow, Evaluator::verticalMeanHigh};
    case Rule::HorizontalMean:
        return {Evaluator::horizontalMeanLow, Evaluator::horizontalMeanHigh};
    case Rule::AspectRatio:
        return {Evaluator::aspectRatioLow, Evaluator::aspectRatioHigh};
    default:
        return {Evaluator::areaLowFactor, Evaluator::areaHighFactor};
    }
}

// A set's rules in the order of the results, as the table shows them.
ToleranceSet ordered(ToleranceSet set)
{
    std::stable_sort(set.rules.begin(), set.rules.end(),
                     [](const ToleranceRule &a, const ToleranceRule &b) {
                         return int(a.result) < int(b.result);
                     });
    return set;
}

// "AAPM TG-128 (v1)", as the audit trail names a set.
QString versionText(const ToleranceSet &set)
{
    return QStringLiteral("%1 (v%2)").arg(set.name, QString::number(set.version));
}

} // namespace

TolerancesDialog::TolerancesDialog(int equipmentKey, const QStringList &record, const QString &name,
                                   QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TolerancesDialog)
    , equipmentKey(equipmentKey)
    , record(record)
    , name(name)
    , chosenId(ToleranceSet::OriginalId)
{
    ui->setupUi(this);
    setWindowTitle(tr("Tolerâncias de %1").arg(record.value(2)));
    ui->labelScanner->setText(ui->labelScanner->text().arg(record.value(2)));
    ui->tableWidgetRules->horizontalHeader()->setSectionResizeMode(0,
                                                                   QHeaderView::ResizeToContents);
    connect(ui->tableWidgetRules, &QTableWidget::currentCellChanged, this,
            &TolerancesDialog::showRule);
    const auto edits = [this](auto signal, const auto *sender) {
        connect(sender, signal, this, &TolerancesDialog::editRule);
    };
    edits(QOverload<int>::of(&QComboBox::currentIndexChanged), ui->comboBoxKind);
    edits(QOverload<int>::of(&QComboBox::currentIndexChanged), ui->comboBoxUnit);
    edits(&QCheckBox::toggled, ui->checkBoxOriginal);
    for (const QDoubleSpinBox *box :
         {ui->doubleSpinBoxLower, ui->doubleSpinBoxUpper, ui->doubleSpinBoxAmount,
          ui->doubleSpinBoxNominal, ui->doubleSpinBoxPercent, ui->doubleSpinBoxUnits})
        edits(QOverload<double>::of(&QDoubleSpinBox::valueChanged), box);
    setRole(ReviewStore::connectedRole());
    const ToleranceStore::Outcome read = reload(-1);
    if (read != InspectionStore::Done) // said once the dialog is up
        QTimer::singleShot(0, this,
                           [this, read] { told(read, tr("Os conjuntos não puderam ser lidos")); });
}

void TolerancesDialog::setRole(TeamRole role)
{
    mayChange = TeamRights::mayChangeTolerances(role);
    for (QWidget *change : {ui->pushButtonCopy, ui->pushButtonSave, ui->pushButtonChoose})
        change->setVisible(mayChange);
    ui->groupBoxRule->setEnabled(mayChange && !edited.builtIn);
}

TolerancesDialog::~TolerancesDialog()
{
    delete ui;
}

QString TolerancesDialog::resultName(Rule result)
{
    return tr(resultNames[int(result)]);
}

QString TolerancesDialog::failureReason(ToleranceStore::Outcome outcome)
{
    if (outcome == InspectionStore::Busy)
        return tr("o banco de dados está ocupado, tente de novo");
    const QString reason = ToleranceStore::lastFailure();
    return reason.isEmpty() ? tr("o banco de dados recusou a alteração") : reason;
}

void TolerancesDialog::reject()
{
    if (dropEdits())
        QDialog::reject();
}

ToleranceStore::Outcome TolerancesDialog::reload(qint64 id)
{
    ToleranceStore::Outcome outcome = InspectionStore::Done;
    sets = ToleranceStore::sets(&outcome);
    chosenId = ToleranceStore::chosenSet(equipmentKey);
    const qint64 shown = id < 0 ? chosenId : id;
    int row = 0;
    for (int i = 0; i < sets.size(); ++i) {
        sets[i] = ordered(sets[i]);
        if (sets[i].id == shown)
            row = i;
    }
    shownRow = -1;
    fillSets();
    ui->listWidgetSets->setCurrentRow(row);
    return outcome;
}

void TolerancesDialog::fillSets()
{
    const QSignalBlocker blocker(ui->listWidgetSets);
    ui->listWidgetSets->clear();
    QString inUse = ToleranceSet::original().displayName();
    for (const ToleranceSet &set : qAsConst(sets)) {
        QString text = set.builtIn
                           ? tr("%1 (embutido)").arg(set.displayName())
                           : tr("%1 (v%2)").arg(set.displayName(), QString::number(set.version));
        if (set.id == chosenId)
            inUse = text;
        // the set in use: ticked, in bold
        auto *item = new QListWidgetItem(set.id == chosenId ? QStringLiteral("✓ ") + text : text,
                                         ui->listWidgetSets);
        QFont font = item->font();
        font.setBold(set.id == chosenId);
        item->setFont(font);
        if (set.id == chosenId)
            item->setToolTip(tr("Em uso no equipamento %1").arg(record.value(2)));
    }
    ui->labelInUse->setText(tr("Em uso no equipamento %1: %2.").arg(record.value(2), inUse));
}

void TolerancesDialog::on_listWidgetSets_currentRowChanged(int row)
{
    if (row == shownRow)
        return;
    if (!dropEdits()) {
        const QSignalBlocker blocker(ui->listWidgetSets);
        ui->listWidgetSets->setCurrentRow(shownRow);
        return;
    }
    shownRow = row;
    edited = sets.value(row, ToleranceSet::original());
    fillRules();
}

void TolerancesDialog::fillRules()
{
    const int current = qMax(0, ui->tableWidgetRules->currentRow());
    {
        const QScopedValueRollback<bool> quiet(filling, true);
        ui->tableWidgetRules->setRowCount(ruleCount);
        for (int result = 0; result < ruleCount; ++result) {
            const ToleranceRule *rule = edited.ruleFor(Rule(result));
            ui->tableWidgetRules->setItem(result, 0,
                                          new QTableWidgetItem(resultName(Rule(result))));
            ui->tableWidgetRules->setItem(
                result, 1,
                new QTableWidgetItem(rule ? rule->describe(locale()) : tr("não julgado")));
        }
        ui->tableWidgetRules->setCurrentCell(current, 0);
    }
    ui->labelBuiltIn->setText(edited.builtIn
                                  ? tr("Conjunto embutido: não pode ser editado. Copie-o para "
                                       "mudar os números.")
                                  : tr("Escolha uma regra para mudar seus números; as alterações "
                                       "são guardadas como a versão %1.")
                                        .arg(edited.version + 1));
    ui->groupBoxRule->setEnabled(mayChange && !edited.builtIn);
    showRule();
}

Rule TolerancesDialog::shownResult() const
{
    return Rule(qBound(0, ui->tableWidgetRules->currentRow(), ruleCount - 1));
}

void TolerancesDialog::fillKinds(Rule result)
{
    ui->comboBoxKind->clear();
    ui->comboBoxKind->addItem(tr("Não julgado"), notJudged);
    for (ToleranceRule::Kind kind : ToleranceRule::kindsFor(result))
        ui->comboBoxKind->addItem(tr(kindNames[kind]), int(kind));
}

// The chosen rule in the editor; the numbers a kind does not use keep sensible values
// for when the kind is changed.
void TolerancesDialog::showRule()
{
    const Rule result = shownResult();
    const ToleranceRule *rule = edited.ruleFor(result);
    {
        const QScopedValueRollback<bool> quiet(filling, true);
        ui->groupBoxRule->setTitle(tr("Regra: %1").arg(resultName(result)));
        fillKinds(result);
        ui->comboBoxKind->setCurrentIndex(
            ui->comboBoxKind->findData(rule ? int(rule->kind) : notJudged));
        const ToleranceRule shown = rule ? *rule : ToleranceRule();
        const bool original = std::isnan(shown.lower) || std::isnan(shown.upper);
        const QPair<double, double> bounds = originalBounds(result);
        const QString unit =
            result == Rule::VerticalMean || result == Rule::HorizontalMean ? " mm" : "";
        ui->doubleSpinBoxLower->setSuffix(unit);
        ui->doubleSpinBoxUpper->setSuffix(unit);
        ui->checkBoxOriginal->setChecked(original);
        ui->doubleSpinBoxLower->setValue(original ? bounds.first : shown.lower);
        ui->doubleSpinBoxUpper->setValue(original ? bounds.second : shown.upper);
        const bool change = shown.kind == ToleranceRule::Change;
        ui->doubleSpinBoxAmount->setValue(change ? shown.amount : 1);
        ui->comboBoxUnit->setCurrentIndex(change && shown.percent ? 1 : 0);
        const bool deviation = shown.kind == ToleranceRule::Deviation;
        ui->doubleSpinBoxNominal->setValue(deviation ? shown.nominal : 10);
        ui->doubleSpinBoxPercent->setValue(deviation ? shown.amount : 0);
        ui->doubleSpinBoxUnits->setValue(deviation ? shown.units : 0);
    }
    updateEditor();
}

void TolerancesDialog::updateEditor()
{
    const int kind = ui->comboBoxKind->currentData().toInt();
    ui->stackedWidgetRule->setCurrentIndex(kind == notJudged ? NonePage : RangePage + kind);
    const bool choice = isChoice(shownResult());
    ui->checkBoxOriginal->setEnabled(!choice);
    // a choice's range is its fixed table, without numbers
    for (QWidget *widget : QList<QWidget *>{ui->labelLower, ui->labelUpper, ui->doubleSpinBoxLower,
                                            ui->doubleSpinBoxUpper})
        widget->setVisible(!choice);
    const bool bounds = !choice && !ui->checkBoxOriginal->isChecked();
    ui->doubleSpinBoxLower->setEnabled(bounds);
    ui->doubleSpinBoxUpper->setEnabled(bounds);
    updateButtons();
}

ToleranceRule TolerancesDialog::editorRule(Rule result) const
{
    ToleranceRule rule;
    rule.result = result;
    rule.kind = ToleranceRule::Kind(ui->comboBoxKind->currentData().toInt());
    switch (rule.kind) {
    case ToleranceRule::Range:
        if (!isChoice(result) && !ui->checkBoxOriginal->isChecked()) {
            rule.lower = ui->doubleSpinBoxLower->value();
            rule.upper = ui->doubleSpinBoxUpper->value();
        }
        break;
    case ToleranceRule::Change:
        rule.amount = ui->doubleSpinBoxAmount->value();
        rule.percent = ui->comboBoxUnit->currentIndex() == 1;
        break;
    case ToleranceRule::Deviation:
        rule.nominal = ui->doubleSpinBoxNominal->value();
        rule.amount = ui->doubleSpinBoxPercent->value();
        rule.units = ui->doubleSpinBoxUnits->value();
        break;
    }
    return rule;
}

// The editor's numbers into the set, and the rule in words into its row.
void TolerancesDialog::editRule()
{
    if (filling)
        return;
    updateEditor();
    const Rule result = shownResult();
    edited.rules.erase(
        std::remove_if(edited.rules.begin(), edited.rules.end(),
                       [result](const ToleranceRule &rule) { return rule.result == result; }),
        edited.rules.end());
    const bool judged = ui->comboBoxKind->currentData().toInt() != notJudged;
    if (judged)
        edited.rules << editorRule(result);
    edited = ordered(edited);
    ui->tableWidgetRules->item(int(result), 1)
        ->setText(judged ? edited.ruleFor(result)->describe(locale()) : tr("não julgado"));
    updateButtons();
}

void TolerancesDialog::updateButtons()
{
    const bool shown = shownRow >= 0;
    ui->pushButtonCopy->setEnabled(shown);
    ui->pushButtonSave->setEnabled(hasEdits());
    ui->pushButtonChoose->setEnabled(shown && edited.id != chosenId);
}

bool TolerancesDialog::hasEdits() const
{
    return !edited.builtIn && !(edited.rules == sets.value(shownRow, edited).rules);
}

// True when there are no unsaved numbers, or the user lets them go.
bool TolerancesDialog::dropEdits()
{
    if (!hasEdits())
        return true;
    if (QMessageBox::question(
            this, windowTitle(),
            tr("As alterações de \"%1\" não foram salvas. Descartá-las?").arg(edited.displayName()),
            QMessageBox::Discard | QMessageBox::Cancel) != QMessageBox::Discard)
        return false;
    edited = sets.value(shownRow);
    fillRules();
    return true;
}

// A range whose bounds are the wrong way round would leave a set that cannot be read.
bool TolerancesDialog::validEdits()
{
    for (const ToleranceRule &rule : qAsConst(edited.rules)) {
        ToleranceRule read;
        if (ToleranceRule::fromJson(rule.toJson(), &read))
            continue;
        ui->tableWidgetRules->setCurrentCell(int(rule.result), 0);
        QMessageBox::warning(this, windowTitle(),
                             tr("A regra de %1 não pode ser salva: o mínimo deve ser menor "
                                "que o máximo.")
                                 .arg(resultName(rule.result)));
        return false;
    }
    return true;
}

bool TolerancesDialog::signedFor(const QString &what, ToleranceStore::Signed *by)
{
    ChangeReasonDialog dialog(what, name, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *by = dialog.signedBy();
    name = by->who; // proposed for the next change
    return true;
}

bool TolerancesDialog::told(ToleranceStore::Outcome outcome, const QString &what)
{
    if (outcome == InspectionStore::Done)
        return true;
    QMessageBox::warning(this, windowTitle(), tr("%1: %2.").arg(what, failureReason(outcome)));
    return false;
}

void TolerancesDialog::on_pushButtonCopy_clicked()
{
    if (!dropEdits())
        return;
    const ToleranceSet source = sets.value(shownRow);
    QInputDialog ask(this);
    ask.setWindowTitle(tr("Copiar conjunto"));
    ask.setLabelText(tr("Nome do novo conjunto:"));
    ask.setTextValue(tr("Cópia de %1").arg(source.displayName()));
    if (ask.exec() != QDialog::Accepted)
        return;
    ToleranceSet copy = source;
    copy.name = ask.textValue().simplified();
    if (!nameProblem(copy.name).isEmpty()) {
        QMessageBox::warning(this, windowTitle(), nameProblem(copy.name));
        return;
    }
    ToleranceStore::Signed by;
    if (signedFor(
            tr("Criar o conjunto \"%1\" a partir de \"%2\".").arg(copy.name, source.displayName()),
            &by) &&
        told(ToleranceStore::addSet(copy, versionText(source), by),
             tr("A cópia não pôde ser criada")))
        reload(copy.id);
}

QString TolerancesDialog::nameProblem(const QString &setName) const
{
    if (setName.isEmpty())
        return tr("Dê um nome ao novo conjunto.");
    for (const ToleranceSet &set : sets) { // by its name in either language
        if (QStringList{set.name, set.displayName()}.contains(setName, Qt::CaseInsensitive))
            return tr("Já existe um conjunto chamado \"%1\".").arg(setName);
    }
    return QString();
}

void TolerancesDialog::on_pushButtonSave_clicked()
{
    ToleranceStore::Signed by;
    if (!validEdits() ||
        !signedFor(tr("Salvar as regras alteradas de \"%1\" como a versão %2.")
                       .arg(edited.displayName(), QString::number(edited.version + 1)),
                   &by))
        return;
    ToleranceSet kept = edited;
    ToleranceStore::Outcome outcome = ToleranceStore::changeSet(kept, by);
    if (outcome == InspectionStore::Failed && laterVersion(kept.id) > kept.version) {
        if (!keepOverLater(&kept))
            return;
        outcome = ToleranceStore::changeSet(kept, by);
    }
    if (!told(outcome, tr("As alterações não puderam ser salvas")))
        return;
    changed = true;
    reload(kept.id);
}

int TolerancesDialog::laterVersion(qint64 id)
{
    for (const ToleranceSet &set : ToleranceStore::sets()) {
        if (set.id == id)
            return set.version;
    }
    return 0;
}

// Another copy of the program kept a later version of the set meanwhile: the edits here
// may follow it as the next version, as every version stays readable.
bool TolerancesDialog::keepOverLater(ToleranceSet *kept)
{
    const int later = laterVersion(kept->id);
    if (QMessageBox::question(this, windowTitle(),
                              tr("Outra cópia do ZETU salvou a versão %1 de \"%2\" enquanto ele "
                                 "era editado aqui. Salvar as regras daqui como a versão %3? A "
                                 "versão %1 continua guardada.")
                                  .arg(QString::number(later), kept->displayName(),
                                       QString::number(later + 1))) != QMessageBox::Yes)
        return false;
    kept->version = later;
    return true;
}

void TolerancesDialog::on_pushButtonChoose_clicked()
{
    if (!dropEdits())
        return;
    const ToleranceSet set = sets.value(shownRow);
    ToleranceStore::Signed by;
    if (!signedFor(tr("Julgar o equipamento %1 pelo conjunto \"%2\" (versão %3).")
                       .arg(record.value(2), set.displayName(), QString::number(set.version)),
                   &by) ||
        !told(ToleranceStore::chooseSet(equipmentKey, record, set, by),
              tr("O conjunto não pôde ser escolhido")))
        return;
    changed = true;
    reload(set.id);
}

void TolerancesDialog::on_pushButtonAudit_clicked()
{
    AuditDialog(this).exec();
}
