#include "registry/insertequip.h"
#include "core/logging.h"
#include "registry/equipmentfields.h"
#include "registry/sqldialect.h"
#include "ui_insertequip.h"

#include <QDataWidgetMapper>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>

InsertEquip::InsertEquip(QWidget *parent, QTableView *tableView, QSqlTableModel *model, Mode mode)
    : QDialog(parent)
    , ui(new Ui::InsertEquip)
    , model(model)
    , mapper(new QDataWidgetMapper(this))
    , tableView(tableView)
    , mode(mode)
{
    ui->setupUi(this);

    mapper->setModel(model);
    mapper->addMapping(ui->lineEditInstit, model->fieldIndex(QStringLiteral("Institution")));
    mapper->addMapping(ui->lineEditLocal, model->fieldIndex(QStringLiteral("Place")));
    mapper->addMapping(ui->lineEditID, model->fieldIndex(QStringLiteral("ID")));
    mapper->addMapping(ui->lineEditModelo, model->fieldIndex(QStringLiteral("Model")));
    mapper->addMapping(ui->lineEditFabricante, model->fieldIndex(QStringLiteral("Manufacturer")));

    model->setEditStrategy(QSqlTableModel::OnManualSubmit);

    // Escape and the window's close button leave the dialog as Cancel does, so no
    // pending row or change stays behind in the model for a later submitAll.
    connect(this, &QDialog::rejected, this, &InsertEquip::discardChanges);
    // The mapper's delegate takes Escape in a field to revert that field only; the
    // dialog sees it first, so Escape leaves from any field.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->installEventFilter(this);

    initMode(mode);
}

InsertEquip::~InsertEquip()
{
    delete ui;
}

void InsertEquip::initMode(Mode mode)
{
    if (mode == NewRecord) {
        model->insertRow(model->rowCount());
        mapper->setCurrentIndex(model->rowCount() - 1);
        tableView->hideRow(tableView->model()->rowCount() - 1);
        ui->pushButtonAdd->setText(tr("Adicionar"));
    } else {
        mapper->setCurrentIndex(tableView->currentIndex().row());
        ui->pushButtonAdd->setText(QStringLiteral("Ok"));
    }
}

void InsertEquip::on_pushButtonAdd_clicked()
{
    if (!checkFields() || !saveChanges())
        return;
    if (mode == NewRecord) {
        // The re-read table may hold rows that another copy of the program added, so
        // the list, not the dialog, shows its rows again, by record key.
        tableView->setCurrentIndex(model->index(model->rowCount() - 1, 0));
    } else {
        tableView->setCurrentIndex(QModelIndex());
        tableView->selectionModel()->clearSelection();
    }
    close();
}

bool InsertEquip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel)) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void InsertEquip::on_pushButtonCancel_clicked()
{
    discardChanges();
    close();
}

bool InsertEquip::checkFields()
{
    const QString manufacturer = ui->lineEditFabricante->text().trimmed();
    const QString id = ui->lineEditID->text().trimmed();
    const QString institution = ui->lineEditInstit->text().trimmed();
    const QString place = ui->lineEditLocal->text().trimmed();
    const QString modelName = ui->lineEditModelo->text().trimmed();
    for (const QString *field : {&manufacturer, &id, &institution, &place, &modelName}) {
        if (field->isEmpty()) {
            QMessageBox::critical(this, tr("Erro"), tr("Todos os campos devem ser preenchidos"),
                                  QMessageBox::Ok);
            return false;
        }
    }

    // The typed values are bound, never pasted into the statement. An edit is
    // checked against the other records only: its own stored row is left out.
    const QVariant ownKey =
        model->data(model->index(mapper->currentIndex(), model->fieldIndex(EquipmentFields::key)));
    QString statement =
        QStringLiteral("SELECT Institution, ID FROM usequip WHERE Institution = ? AND ID = ?");
    if (!ownKey.isNull())
        statement += QStringLiteral(" AND ID_key <> ?");
    QSqlQuery query(model->database());
    query.prepare(statement);
    query.addBindValue(institution);
    query.addBindValue(id);
    if (!ownKey.isNull())
        query.addBindValue(ownKey);
    // A check that cannot be made saves nothing: the record could be a duplicate.
    if (!query.exec()) {
        qCWarning(zetuStore) << "cannot look for a duplicate ID:" << query.lastError().text();
        showSaveFailure();
        return false;
    }
    if (query.next()) {
        QMessageBox::critical(this, tr("Erro"),
                              tr("Não é permitido ID duplicado para a mesma Instituição."),
                              QMessageBox::Ok);
        return false;
    }
    return true;
}

void InsertEquip::showSaveFailure()
{
    QMessageBox::critical(this, tr("Erro"),
                          SqlDialect::onServer()
                              ? tr("Não foi possível salvar o registro no servidor da equipe.")
                              : tr("Não foi possível salvar o registro em zetu.db."),
                          QMessageBox::Ok);
}

// Writes the pending change. The field being typed in still holds its text when
// the save is started from the keyboard, so the mapper hands it over first. A
// write the database refuses keeps the dialog open with what was typed.
bool InsertEquip::saveChanges()
{
    mapper->submit();
    if (model->submitAll())
        return true;
    qCWarning(zetuStore) << "cannot save a scanner:" << model->lastError().text();
    showSaveFailure();
    return false;
}

void InsertEquip::discardChanges()
{
    model->revertAll();
    mapper->revert();
}
