#include "wizard/datafiles.h"

#include "core/dateformats.h"
#include "core/logging.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "history/servercopy.h"
#include "registry/sqldialect.h"
#include "registry/storetext.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QThread>
#include <memory>

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

DataFiles::DataFiles(const QString &database, QWidget *window, QList<QAction *> copyActions)
    : QObject(window)
    , database(QFileInfo(database).absoluteFilePath())
    , window(window)
    , actions(copyActions)
{
}

DataFiles::~DataFiles()
{
    if (worker) {
        worker->wait();
        delete worker;
    }
}

QString DataFiles::restoreStaged(const QString &database)
{
    bool applied = false;
    QString problem;
    const QString aside = DatabaseCopy::applyStaged(database, &applied, &problem);
    if (!problem.isEmpty())
        return tr("A cópia de segurança escolhida não pôde ser posta no lugar de %1 (%2). "
                  "Ela continua guardada como %3 e será tentada de novo no próximo início.")
            .arg(native(QFileInfo(database).absoluteFilePath()), problem,
                 native(QFileInfo(DatabaseCopy::stagedName(database)).absoluteFilePath()));
    if (!applied)
        return QString();
    return aside.isEmpty() ? tr("A cópia de segurança escolhida foi restaurada.")
                           : tr("A cópia de segurança escolhida foi restaurada. O arquivo "
                                "anterior foi guardado como %1.")
                                 .arg(native(aside));
}

QString DataFiles::busyText() const
{
    return tr("%1 está em uso por outro programa ou outra cópia do ZETU. Tente de novo em "
              "alguns instantes.")
        .arg(native(database));
}

void DataFiles::exportAll()
{
    InspectionStore::Outcome outcome = InspectionStore::Done;
    const QVector<StoredInspection> inspections = InspectionStore::all(&outcome);
    if (outcome != InspectionStore::Done) {
        QMessageBox::warning(
            window, tr("Exportar inspeções"),
            outcome == InspectionStore::Busy
                ? (SqlDialect::onServer()
                       ? StoreText::busy() + QLatin1Char(' ') + tr("Tente de novo em instantes.")
                       : busyText())
            : SqlDialect::onServer()
                ? tr("As inspeções não puderam ser lidas (veja o registro do programa).")
                : tr("As inspeções não puderam ser lidas de %1.").arg(native(database)));
        return;
    }
    HistoryDialog::exportCsv(
        window, inspections,
        tr("inspecoes_%1.csv").arg(QDate::currentDate().toString(DateFormats::stored)));
}

void DataFiles::backup()
{
    const QString proposed =
        QDir(documentsFolder())
            .filePath(
                tr("zetu-copia-%1.db").arg(QDate::currentDate().toString(DateFormats::stored)));
    const QString target = QFileDialog::getSaveFileName(window, tr("Cópia de segurança"), proposed,
                                                        tr("Banco de dados ZETU (*.db)"));
    if (target.isEmpty())
        return;
    if (QFileInfo(target).absoluteFilePath() == database) {
        QMessageBox::warning(
            window, tr("Cópia de segurança"),
            tr("Escolha outro arquivo: %1 é o próprio banco de dados.").arg(native(target)));
        return;
    }
    const QString source = database;
    runAside([source, target] { return DatabaseCopy::backup(source, target); },
             [this, target](const DatabaseCopy::Outcome &outcome) {
                 if (outcome.kind == DatabaseCopy::Outcome::Done)
                     QMessageBox::information(
                         window, tr("Cópia de segurança"),
                         tr("A cópia de segurança foi gravada em %1.").arg(native(target)));
                 else
                     QMessageBox::warning(
                         window, tr("Cópia de segurança"),
                         outcome.kind == DatabaseCopy::Outcome::Busy
                             ? busyText()
                             : tr("A cópia de segurança não pôde ser gravada em %1 (%2).")
                                   .arg(native(target), outcome.reason));
             });
}

void DataFiles::restore()
{
    const QString copy =
        QFileDialog::getOpenFileName(window, tr("Restaurar cópia de segurança"), documentsFolder(),
                                     tr("Banco de dados ZETU (*.db);;Todos os arquivos (*)"));
    if (copy.isEmpty())
        return;
    if (QMessageBox::question(window, tr("Restaurar cópia de segurança"),
                              tr("Usar %1 no lugar de %2 a partir do próximo início do programa? "
                                 "O arquivo atual será guardado ao lado dele, com a data no nome.")
                                  .arg(native(copy), native(database)),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString target = database;
    runAside([copy, target] { return DatabaseCopy::stage(copy, target); },
             [this, copy](const DatabaseCopy::Outcome &outcome) {
                 if (outcome.kind == DatabaseCopy::Outcome::Done)
                     QMessageBox::information(
                         window, tr("Restaurar cópia de segurança"),
                         tr("A cópia foi conferida e entrará em uso no próximo início. Feche o "
                            "programa (e as outras cópias abertas) e abra-o de novo."));
                 else
                     QMessageBox::warning(window, tr("Restaurar cópia de segurança"),
                                          outcome.kind == DatabaseCopy::Outcome::Busy
                                              ? busyText()
                                              : tr("%1 não é uma cópia de segurança que o programa "
                                                   "possa usar (%2). Nada foi mudado.")
                                                    .arg(native(copy), outcome.reason));
             });
}

void DataFiles::runAside(std::function<DatabaseCopy::Outcome()> work,
                         std::function<void(const DatabaseCopy::Outcome &)> report)
{
    auto outcome = std::make_shared<DatabaseCopy::Outcome>();
    runAside([work, outcome] { *outcome = work(); }, [report, outcome] { report(*outcome); });
}

void DataFiles::runAside(std::function<void()> work, std::function<void()> report)
{
    if (worker)
        return;
    worker = QThread::create(work);
    for (QAction *action : actions)
        action->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    connect(worker, &QThread::finished, this, [this, report] {
        worker->deleteLater();
        worker = nullptr;
        QApplication::restoreOverrideCursor();
        for (QAction *action : actions)
            action->setEnabled(true);
        report();
    });
    worker->start();
}

void DataFiles::sendToServer(const ServerSettings &server, std::function<void()> sent)
{
    const QString file = QFileDialog::getOpenFileName(
        window, tr("Enviar para o servidor"), QFileInfo(database).absolutePath(),
        tr("Banco de dados ZETU (*.db);;Todos os arquivos (*)"));
    if (file.isEmpty())
        return;
    auto outcome = std::make_shared<ServerCopy::Outcome>();
    runAside([file, server, outcome] { *outcome = ServerCopy::send(file, server); },
             [this, file, outcome, sent] {
                 if (outcome->kind != ServerCopy::Outcome::Done) {
                     QMessageBox::warning(
                         window, tr("Enviar para o servidor"),
                         tr("Nada de %1 foi enviado ao servidor (%2).")
                             .arg(native(file), outcome->kind == ServerCopy::Outcome::Busy
                                                    ? tr("o servidor está ocupado ou fora de "
                                                         "alcance; tente de novo em instantes")
                                                    : outcome->reason));
                     return;
                 }
                 QMessageBox::information(window, tr("Enviar para o servidor"),
                                          sentText(file, *outcome));
                 sent();
             });
}

QString DataFiles::sentText(const QString &file, const ServerCopy::Outcome &outcome)
{
    const QMap<QString, QString> names = {
        {QStringLiteral("usequip"), tr("equipamentos")},
        {QStringLiteral("transducer"), tr("transdutores")},
        {QStringLiteral("toleranceset"), tr("versões de conjuntos de tolerâncias")},
        {QStringLiteral("inspection"), tr("inspeções")},
        {QStringLiteral("tolerancechoice"), tr("escolhas de conjunto")},
        {QStringLiteral("baseline"), tr("linhas de base")},
        {QStringLiteral("audit"), tr("registros de alterações")}};
    QStringList lines;
    for (const QString &table : ServerCopy::tables)
        lines << tr("%1: %2 novos, %3 já estavam no servidor")
                     .arg(names.value(table))
                     .arg(outcome.added.value(table))
                     .arg(outcome.skipped.value(table));
    return tr("%1 foi enviado ao servidor; nada foi apagado dele.").arg(native(file)) +
           QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
}
