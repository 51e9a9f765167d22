#include "wizard/mainwindow.h"
#include "registry/storetext.h"
#include "ui_mainwindow.h"

#include "app/language.h"
#include "core/logging.h"
#include "history/tolerancestore.h"
#include "registry/equipmentfields.h"
#include "registry/serverwatch.h"
#include "wizard/aboutdialog.h"
#include "wizard/baselinehints.h"
#include "wizard/datafiles.h"
#include "wizard/decimalkeyfilter.h"
#include "wizard/equipmentlist.h"
#include "wizard/imagesteps.h"
#include "wizard/inspectionfields.h"
#include "wizard/reportassembly.h"
#include "wizard/stepforms.h"
#include "wizard/tolerancechoice.h"
#include "wizard/transducerchoice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

namespace {

// Widgets that take a typed or chosen value, as opposed to buttons and tabs.
bool isInput(const QWidget *widget)
{
    return qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

const QString databaseName = QStringLiteral("zetu.db");

} // namespace

MainWindow::MainWindow(int languageIndex, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // The menu bar sits above the steps, which keep the size the form gives them.
    setFixedSize(maximumSize() + QSize(0, menuBar()->sizeHint().height()));

    // a backup copy chosen to be restored takes the place of zetu.db before it is opened
    session.tellAtStart(DataFiles::restoreStaged(databaseName));
    dataBase.openConfigured(databaseName, QStringLiteral("zetu.ini"));
    files = new DataFiles(
        databaseName, this,
        dataBase.onServer()
            ? QList<QAction *>{ui->actionExportAll, ui->actionSendToServer}
            : QList<QAction *>{ui->actionExportAll, ui->actionBackup, ui->actionRestore});

    ui->comboBox->blockSignals(true);
    ui->comboBox->setCurrentIndex(languageIndex);
    ui->comboBox->blockSignals(false);

    stepTitles << tr("Equipamento") << tr("Inspeções Físicas e Mecânicas")
               << tr("Uniformidade da imagem") << tr("Zona Morta / Resolução")
               << tr("Medidas na Vertical") << tr("Medidas na Horizontal") << tr("Massas")
               << tr("Relatório");
    for (int step = 1; step <= StepCount; ++step)
        stepCounters << QStringLiteral("%1 / 8").arg(step);

    equipment = new EquipmentList(dataBase, ui->tableView, this);
    connect(equipment, &EquipmentList::storeBusy, &session, &InspectionSession::tellStoreBusy);
    connect(equipment, &EquipmentList::recordChanged, &session,
            &InspectionSession::equipmentEdited);
    connect(equipment, &EquipmentList::removedWithInspections, &session,
            &InspectionSession::equipmentDeleted);
    equipment->setOverdueLabel(ui->labelOverdue);
    transducers = new TransducerChoice(ui->comboBoxTransducer, ui->pushButtonTransducerEdit,
                                       ui->pushButtonTransducerRemove, this);
    connect(transducers, &TransducerChoice::changed, equipment, &EquipmentList::refreshDue);
    tolerances = new ToleranceChoice(
        equipment, ui->pushButtonTolerances, ui->actionToleranceAudit,
        [this] { return steps().responsible.lineTecResp->text(); }, this);
    connect(ui->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, tolerances,
            &ToleranceChoice::updateButton);
    // the inspection under way takes its scanner's new set
    connect(tolerances, &ToleranceChoice::toleranceSetChanged, this, [this] {
        if (!judgement.isEmpty())
            takeJudgement();
    });
    connect(ui->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::showScannerTransducers);
    showScannerTransducers();

    // Numbers and dates in the interface language, in every widget of the window and
    // of the report, and in the steps built later, which take it from the window.
    setLocale(interfaceLocale(languageIndex));
    watchKeys(ui->page_1);
    watchServer();
    session.start(dataBase.writability() != DataBase::Unusable);
    connect(ui->pushButtonHistory, &QPushButton::clicked, &session,
            &InspectionSession::showHistory);
    connect(ui->pushButtonTrend, &QPushButton::clicked, &session, &InspectionSession::showTrend);
    ui->menuInspection->addAction(tr("Revisão…"), &session, &InspectionSession::showReview)
        ->setObjectName(QStringLiteral("actionReview"));
    connect(ui->pushButtonNewInspection, &QPushButton::clicked, &session,
            &InspectionSession::newInspection);
    focusFirstInput();
}

MainWindow::~MainWindow()
{
    dataBase.closeDataBase();
    delete ui;
}

void MainWindow::buildSteps()
{
    if (fields)
        return;
    if (!forms)
        forms.reset(new StepForms(*ui));
    while (forms->setUpNext()) {
    }
    finishSteps();
}

// One step's form at each turn of the event loop, so that the window answers between
// them, then what works on their widgets.
void MainWindow::buildStepsWhenIdle()
{
    if (fields)
        return;
    if (!forms)
        forms.reset(new StepForms(*ui));
    QElapsedTimer clock;
    clock.start();
    if (forms->setUpNext()) {
        qCDebug(zetuSetup) << "a step's form set up in" << clock.nsecsElapsed() / 1e6 << "ms";
        QTimer::singleShot(0, this, &MainWindow::buildStepsWhenIdle);
    } else {
        finishSteps();
        qCDebug(zetuSetup) << "steps 2 to 8 finished in" << clock.nsecsElapsed() / 1e6 << "ms";
    }
}

void MainWindow::finishSteps()
{
    fields.reset(new InspectionFields(this));
    formValues = fields->read().values();
    images = new ImageSteps(*forms, this);
    connect(images, &ImageSteps::changed, &session, &InspectionSession::inputChanged);
    bindSteps();

    // The report button starts disabled, as it is on every step until step 8 has been
    // completed. It takes no focus; it is reached from the keyboard by its shortcut.
    forms->responsible.pushButtonReport->setEnabled(false);
    forms->responsible.pushButtonReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    // "." and "," both type the decimal separator in every number box; the boxes take
    // their own copy of the window's locale for it.
    (new DecimalKeyFilter(this))->watchAll(ui->stackedWidget);
    for (int step = PhysicalStep; step < StepCount; ++step)
        watchKeys(ui->stackedWidget->widget(step));

    // A new locale moves the calendar's first column to its first day of the week
    // but leaves the highlight on the old cell; selecting the date again moves the
    // highlight onto it.
    QCalendarWidget *calendar = forms->responsible.calendarWidget;
    calendar->setSelectedDate(calendar->selectedDate());
    forms->responsible.textEdit->viewport()->setAutoFillBackground(false);
    forms->physical.textEdit_2->viewport()->setAutoFillBackground(false);
    fields->watch(&session, [this] {
        if (!quietInputs)
            session.inputChanged();
    });
    fields->showLimits(this, locale());
}

// The widgets of the later steps reach their handlers as the first step's reach their
// slots bound by name.
void MainWindow::bindSteps()
{
    const std::pair<QAbstractButton *, void (MainWindow::*)()> clicks[] = {
        {forms->masses.checkBox2cm, &MainWindow::on_checkBox2cm_clicked},
        {forms->masses.checkBox4cm, &MainWindow::on_checkBox4cm_clicked},
        {forms->masses.checkBox6cm, &MainWindow::on_checkBox6cm_clicked},
        {forms->masses.checkBox8cm, &MainWindow::on_checkBox8cm_clicked},
        {forms->masses.checkBox2cm_1, &MainWindow::on_checkBox2cm_1_clicked},
        {forms->masses.checkBox4cm_1, &MainWindow::on_checkBox4cm_1_clicked},
        {forms->masses.checkBox6cm_1, &MainWindow::on_checkBox6cm_1_clicked},
        {forms->masses.checkBox8cm_1, &MainWindow::on_checkBox8cm_1_clicked},
        {forms->masses.checkBox2cm_3, &MainWindow::on_checkBox2cm_3_clicked},
        {forms->masses.checkBox4cm_3, &MainWindow::on_checkBox4cm_3_clicked},
        {forms->masses.checkBox6cm_3, &MainWindow::on_checkBox6cm_3_clicked},
        {forms->masses.checkBox8cm_3, &MainWindow::on_checkBox8cm_3_clicked},
        {forms->masses.checkBox2cm_4, &MainWindow::on_checkBox2cm_4_clicked},
        {forms->masses.checkBox4cm_4, &MainWindow::on_checkBox4cm_4_clicked},
        {forms->masses.checkBox6cm_4, &MainWindow::on_checkBox6cm_4_clicked},
        {forms->masses.checkBox8cm_4, &MainWindow::on_checkBox8cm_4_clicked},
        {forms->responsible.pushButtonReport, &MainWindow::on_pushButtonReport_clicked},
        {forms->physical.pushButton3CaboForca, &MainWindow::on_pushButton3CaboForca_clicked},
        {forms->physical.pushButtonMonitor, &MainWindow::on_pushButtonMonitor_clicked},
        {forms->physical.pushButton3Controles, &MainWindow::on_pushButton3Controles_clicked},
        {forms->physical.pushButton3Botoes, &MainWindow::on_pushButton3Botoes_clicked},
        {forms->physical.pushButton3Filtro, &MainWindow::on_pushButton3Filtro_clicked},
        {forms->physical.pushButton3Trasdutores, &MainWindow::on_pushButton3Trasdutores_clicked},
        {forms->uniformity.pushButtonLoadUniImg, &MainWindow::on_pushButtonLoadUniImg_clicked},
        {forms->uniformity.pushButtonUniformImgClear,
         &MainWindow::on_pushButtonUniformImgClear_clicked},
        {forms->physical.pushButtonPartImgClear, &MainWindow::on_pushButtonPartImgClear_clicked},
    };
    for (const auto &click : clicks)
        connect(click.first, &QAbstractButton::clicked, this, click.second);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(forms->uniformity.comboBox4ImgUnifor, indexChanged, this,
            &MainWindow::on_comboBox4ImgUnifor_currentIndexChanged);
    connect(forms->physical.comboBoxImage, indexChanged, this,
            &MainWindow::on_comboBoxImage_currentIndexChanged);
    connect(forms->uniformity.plainTextEdit4, &QPlainTextEdit::textChanged, this,
            &MainWindow::on_plainTextEdit4_textChanged);
}

StepForms &MainWindow::steps()
{
    buildSteps();
    return *forms;
}

InspectionFields &MainWindow::inputs()
{
    buildSteps();
    return *fields;
}

// Steps 2 to 8 are built once the window is on the screen, from the next turn of the
// event loop on, so that the first screen is drawn without waiting for them.
void MainWindow::showEvent(QShowEvent *event)
{
    if (!fields && windowHandle())
        windowHandle()->installEventFilter(this);
    QMainWindow::showEvent(event);
}

void MainWindow::showStep(int index)
{
    if (index > EquipmentStep)
        buildSteps();
    if (index >= ResponsibleStep) {
        ui->pushButtonNext->setText(tr("Concluir"));
    } else {
        ui->pushButtonNext->setText(tr("Próximo"));
        if (index < 0)
            return;
    }

    if (index < StepCount) {
        ui->pushButtonNext->setEnabled(true);
        if (fields)
            forms->responsible.pushButtonReport->setEnabled(false);
        ui->stackedWidget->setCurrentIndex(index);
        // every step opens on its first tab
        for (QTabWidget *tabs : ui->stackedWidget->currentWidget()->findChildren<QTabWidget *>())
            tabs->setCurrentIndex(0);
        ui->labelStep->setText(stepTitles.value(index));
        ui->labelStep2->setText(stepCounters.value(index));
        focusFirstInput();
        session.keepInspection();
    } else if (index == StepCount) {
        // The finished state: step 8 stays on screen and the report can be made.
        ui->pushButtonNext->setEnabled(false);
        forms->responsible.pushButtonReport->setEnabled(true);
    }
}

// The first input of the step shown, in tab order, that can take the focus now.
void MainWindow::focusFirstInput()
{
    QWidget *page = ui->stackedWidget->currentWidget();
    for (QWidget *widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && isInput(widget) && widget->isEnabled() &&
            widget->isVisibleTo(page) && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// Enter moves on as Next does from a line or number field, a combo box whose list is
// closed (an open list takes the key itself), a check box and the list of step 1. The
// explanation keeps Enter for its lines, the calendar for its own fields.
bool MainWindow::entersMoveOn(const QWidget *widget) const
{
    const bool inCalendar = fields && forms->responsible.calendarWidget->isAncestorOf(widget);
    return !inCalendar && (isInput(widget) || qobject_cast<const QCheckBox *>(widget));
}

void MainWindow::watchKeys(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>())
        widget->installEventFilter(this);
}

bool MainWindow::enterMovesOn(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto *field = qobject_cast<QWidget *>(watched);
    // a number box's own line edit stands for the box
    if (auto *box = qobject_cast<QAbstractSpinBox *>(field ? field->parentWidget() : nullptr))
        field = box;
    if (!field || !entersMoveOn(field) || !ui->stackedWidget->currentWidget()->isAncestorOf(field))
        return false;
    if (auto *box = qobject_cast<QAbstractSpinBox *>(field))
        box->interpretText(); // the value as typed, before the step is checked
    on_pushButtonNext_clicked();
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::buildStepsWhenIdle);
    }
    if (enterMovesOn(watched, event))
        return true;
    // Text fields take Ctrl+Home for themselves; here it goes back to step 1.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (QKeySequence(int(key->modifiers()) | key->key()) == ui->actionFirstStep->shortcut())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_pushButtonPrevious_clicked()
{
    showStep(ui->stackedWidget->currentIndex() - 1);
}

// Step 1 is left with the chosen scanner and transducer: a scanner without transducers
// gets one first.
void MainWindow::on_pushButtonNext_clicked()
{
    const int index = ui->stackedWidget->currentIndex();
    if (!validateStep(index))
        return;
    if (index == EquipmentStep) {
        if (!transducers->ensureChosen() || !session.takeSelectedScanner())
            return;
        takeTransducer();
    }
    showStep(index + 1);
}

void MainWindow::showScannerTransducers()
{
    transducers->setScanner(equipment->selectedKey(), equipment->currentRecord());
}

// The chosen transducer becomes the inspection's, named on step 3 (its nominal
// frequency set when it is another). While zetu.db keeps no transducers, step 3's
// field is typed as it always was.
void MainWindow::takeTransducer()
{
    const Transducer chosen = transducers->selected();
    QLineEdit *named = steps().uniformity.lineEdit4Transdutor;
    named->setReadOnly(chosen.key >= 0);
    if (chosen.key < 0)
        return;
    const bool other = chosen.key != chosenTransducer.key;
    // naming the transducer of a new inspection changes none of its values
    const QScopedValueRollback<bool> quiet(quietInputs, chosenTransducer.key < 0);
    chosenTransducer = chosen;
    named->setText(chosen.describe(locale()));
    if (other && chosen.frequency > 0)
        forms->uniformity.doubleSpinBox4Freq->setValue(chosen.frequency);
    takeJudgement();
}

// An inspection is judged with its scanner's tolerance set and its transducer's baseline
// as they are while it is made; the values of a saved report keep those they were
// judged with. While zetu.db cannot tell them, the judgement taken last stays, no
// report is made, and they are read again shortly.
bool MainWindow::takeJudgement()
{
    if (session.holdsReport() || !session.isReady() || equipment->selectedKey() < 0)
        return true;
    InspectionStore::Outcome setRead = InspectionStore::Done;
    InspectionStore::Outcome baselineRead = InspectionStore::Done;
    const ToleranceSet set = ToleranceStore::setForScanner(equipment->selectedKey(), &setRead);
    const Baseline baseline =
        ToleranceStore::baselineFor(chosenTransducer.key, session.inspectionId(), &baselineRead);
    if (setRead != InspectionStore::Done || baselineRead != InspectionStore::Done) {
        const bool retrying = !judgementUnread.isEmpty();
        judgementUnread = setRead == InspectionStore::Busy || baselineRead == InspectionStore::Busy
                              ? StoreText::busy()
                              : ToleranceStore::lastFailure();
        if (!retrying)
            QTimer::singleShot(judgementRetryMs, this, &MainWindow::retakeJudgement);
        return false;
    }
    judgementUnread.clear();
    judgement = {{Field::toleranceSet, set.toJson()},
                 {Field::baseline, baseline.isValid() ? baseline.toJson() : QJsonObject()}};
    showJudgement();
    return true;
}

void MainWindow::retakeJudgement()
{
    if (judgementUnread.isEmpty())
        return;
    judgementUnread.clear(); // read again, and again later while it fails
    takeJudgement();
}

void MainWindow::showJudgement()
{
    if (!hints) {
        if (judgement.isEmpty())
            return; // the original rules: nothing to show beside the boxes
        hints = new BaselineHints(this);
    }
    hints->show(judge(Inspection(inputValues())));
}

qint64 MainWindow::selectedTransducerKey() const
{
    return transducers->selected().key;
}

bool MainWindow::selectTransducer(qint64 key)
{
    return transducers->select(key);
}

void MainWindow::storeChanged()
{
    equipment->refreshDue();
    readChoicesAgain();
}

void MainWindow::readChoicesAgain()
{
    transducers->reload();
    if (!judgement.isEmpty())
        takeJudgement(); // a baseline chosen meanwhile
}

void MainWindow::watchServer()
{
    ui->actionSendToServer->setVisible(dataBase.onServer());
    if (!dataBase.onServer())
        return;
    const QString why = tr("No servidor da equipe, cópias de segurança são feitas pelo "
                           "administrador do servidor.");
    ui->menuFile->setToolTipsVisible(true);
    for (QAction *action : {ui->actionBackup, ui->actionRestore}) {
        action->setEnabled(false);
        action->setToolTip(why);
        action->setStatusTip(why);
    }
    auto *line = new QLabel(this);
    line->setObjectName(QStringLiteral("labelServer"));
    line->setStyleSheet(QStringLiteral("color: #c00000; padding-right: 6px;"));
    menuBar()->setCornerWidget(line);
    server = new ServerWatch(dataBase, this);
    const auto say = [this, line](bool reachable) {
        line->setText(reachable ? QString()
                                : tr("Servidor fora de alcance: os valores ficam na janela "
                                     "até ele voltar."));
        line->setVisible(!reachable);
        menuBar()->adjustSize();
    };
    connect(server, &ServerWatch::reachableChanged, this, say);
    connect(server, &ServerWatch::changed, &session, &InspectionSession::changedElsewhere);
    connect(server, &ServerWatch::changed, this, &MainWindow::readServerChanges);
    say(dataBase.connection().isOpen());
    server->start();
}

// A dialog open over the window (a scanner being typed, its rows in the list's model) is
// never read under: the list is read once it is closed. The history, trend and review
// read again by themselves.
void MainWindow::readServerChanges()
{
    if (QApplication::activeModalWidget()) {
        if (!std::exchange(serverReadWaiting, true))
            QTimer::singleShot(ServerWatch::retryMs, this, [this] {
                serverReadWaiting = false;
                readServerChanges();
            });
        return;
    }
    equipment->reread(); // with the due dates
    readChoicesAgain();
}

void MainWindow::on_actionSendToServer_triggered()
{
    files->sendToServer(dataBase.serverSettings(), [this] {
        equipment->reread();
        storeChanged();
    });
}

void MainWindow::on_actionFirstStep_triggered()
{
    showStep(EquipmentStep);
}

void MainWindow::on_actionExportAll_triggered()
{
    files->exportAll();
}

void MainWindow::on_actionBackup_triggered()
{
    files->backup();
}

void MainWindow::on_actionRestore_triggered()
{
    files->restore();
}

void MainWindow::on_actionQuit_triggered()
{
    close();
}

void MainWindow::on_actionAbout_triggered()
{
    AboutDialog(dataBase.onServer()
                    ? dataBase.serverSettings().describe()
                    : QDir::toNativeSeparators(QFileInfo(databaseName).absoluteFilePath()),
                settingsFilePath(), this)
        .exec();
}

void MainWindow::on_comboBox_currentIndexChanged(int index)
{
    // Both messages are fixed texts: the title in the chosen language, the text in
    // the one that is active until the restart.
    if (index == 0) {
        writeLanguageSetting(QStringLiteral("pt_BR"));
        QMessageBox::information(this, QStringLiteral("Idioma"),
                                 QStringLiteral("Restart the ZETU to complete language changing"),
                                 QMessageBox::Ok);
    } else if (index == 1) {
        writeLanguageSetting(QStringLiteral("en_US"));
        QMessageBox::information(
            this, QStringLiteral("Language"),
            QStringLiteral("Reinicie o programa para que a mudança seja concluída"),
            QMessageBox::Ok);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    session.close();
    QMainWindow::closeEvent(event);
}

// What the inspection session reads from the window and sets in it.
int MainWindow::currentStep() const
{
    return ui->stackedWidget->currentIndex();
}

int MainWindow::selectedEquipmentKey() const
{
    return equipment->selectedKey();
}

QStringList MainWindow::selectedEquipmentRecord() const
{
    return equipment->currentRecord();
}

// With no row of the scanner (it has gone), none is chosen.
bool MainWindow::selectEquipment(int equipmentKey)
{
    if (equipment->select(equipmentKey))
        return true;
    ui->tableView->selectionModel()->clear();
    return false;
}

bool MainWindow::equipmentListPending() const
{
    return equipment->pending();
}

bool MainWindow::refreshEquipmentList()
{
    return equipment->refresh();
}

QJsonObject MainWindow::inputValues()
{
    QJsonObject values = inputs().read().values();
    if (chosenTransducer.key >= 0)
        values.insert(Field::transducerRecord, chosenTransducer.toJson());
    for (auto kept = judgement.begin(); kept != judgement.end(); ++kept)
        values.insert(kept.key(), kept.value());
    return values;
}

QJsonObject MainWindow::startValues()
{
    buildSteps();
    return formValues;
}

QStringList MainWindow::setInputValues(const QJsonObject &values)
{
    chosenTransducer = Transducer::fromJson(values.value(Field::transducerRecord).toObject());
    steps().uniformity.lineEdit4Transdutor->setReadOnly(chosenTransducer.key >= 0);
    judgement = QJsonObject();
    for (const QString &key : {Field::toleranceSet, Field::baseline}) {
        if (values.contains(key))
            judgement.insert(key, values.value(key));
    }
    const QStringList problems = inputs().write(Inspection(values));
    updateMassRows();
    showJudgement();
    return problems;
}

QJsonObject MainWindow::photographPaths()
{
    buildSteps();
    return images->photographs().paths();
}

// Each refused file is named once, with its reason.
QStringList MainWindow::setPhotographs(const QJsonObject &paths)
{
    buildSteps();
    QStringList refused;
    QString refusal;
    for (int part = 0; part < Photographs::partCount; ++part) {
        const QString path = paths.value(QString::number(part)).toString();
        if (!path.isEmpty() && !images->setPart(part, path, &refusal))
            refused << refusal;
    }
    forms->physical.comboBoxImage->setCurrentIndex(0);
    images->show();
    const QString uniformity = paths.value(Photographs::uniformityKey).toString();
    if (!uniformity.isEmpty() && !images->setUniformity(uniformity, &refusal))
        refused << refusal;
    refused.removeDuplicates();
    return refused;
}

void MainWindow::clearPhotographs()
{
    buildSteps();
    images->clear();
    forms->physical.comboBoxImage->setCurrentIndex(0);
    forms->physical.labelEquipPartImg->setPixmap(QPixmap());
    forms->uniformity.labelUniformImg->setPixmap(QPixmap());
}

// The equipment list of step 1.
void MainWindow::on_pushButtonNewRecord_clicked()
{
    equipment->addRecord();
}

void MainWindow::on_pushButtonEdit_clicked()
{
    equipment->editCurrent();
}

void MainWindow::on_pushButtonDeleteRecord_clicked()
{
    equipment->removeCurrent(session.isReady());
}

// The pictures of steps 2 and 3.
void MainWindow::on_pushButton3CaboForca_clicked()
{
    images->choosePart(forms->physical.pushButton3CaboForca);
}

void MainWindow::on_pushButtonMonitor_clicked()
{
    images->choosePart(forms->physical.pushButtonMonitor);
}

void MainWindow::on_pushButton3Controles_clicked()
{
    images->choosePart(forms->physical.pushButton3Controles);
}

void MainWindow::on_pushButton3Botoes_clicked()
{
    images->choosePart(forms->physical.pushButton3Botoes);
}

void MainWindow::on_pushButton3Filtro_clicked()
{
    images->choosePart(forms->physical.pushButton3Filtro);
}

void MainWindow::on_pushButton3Trasdutores_clicked()
{
    images->choosePart(forms->physical.pushButton3Trasdutores);
}

void MainWindow::on_comboBoxImage_currentIndexChanged(int)
{
    images->show();
}

void MainWindow::on_pushButtonPartImgClear_clicked()
{
    images->clearSelectedPart();
}

void MainWindow::on_pushButtonLoadUniImg_clicked()
{
    images->chooseUniformity();
}

void MainWindow::on_pushButtonUniformImgClear_clicked()
{
    images->clearUniformity();
}

void MainWindow::on_comboBox4ImgUnifor_currentIndexChanged(int index)
{
    images->ratingChanged(index);
}

void MainWindow::on_plainTextEdit4_textChanged()
{
    images->trimExplanation();
}

ReportForm &MainWindow::report()
{
    if (!reportForm) {
        reportForm.reset(new ReportForm);
        reportForm->setLocale(locale());
        connect(reportForm.data(), &ReportForm::reportSaved, &session,
                [this](const QString &fileName) { session.reportSaved(fileName); });
        connect(reportForm.data(), &ReportForm::reportSigned, &session,
                &InspectionSession::reportSaved);
    }
    return *reportForm;
}

void MainWindow::on_pushButtonReport_clicked()
{
    if (!judgementUnread.isEmpty() && !takeJudgement()) {
        QMessageBox::warning(this, tr("Relatório"),
                             tr("A tolerância e a linha de base deste equipamento não puderam "
                                "ser lidas, e o relatório seria julgado sem elas. "
                                "Tente de novo em instantes.\n\n%1")
                                 .arg(judgementUnread));
        return;
    }
    const Inspection inspection(inputValues());
    ReportAssembly(inspection, equipment->currentRecord(), images->photographs(), report()).fill();
    report().exec();
}
