// Times a physics service's registry: 2,000 scanners with 4 transducers each and 40,000
// reported inspections (5 per transducer, each with every value of a filled wizard).
// Start (window built, shown and its list read, the start's checks done), re-reading the
// list with its due column and sorting it by due date, a scanner's history and one
// transducer's trend, each shown and painted. Target: each under 300 ms; exits 1 when
// one is missed.

#include "benchsupport.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "history/transducerstore.h"
#include "history/trenddialog.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtSql>
#include <QtWidgets>
#include <cstdio>

namespace {

const int scanners = 2000, perScanner = 4, perTransducer = 5;
const qint64 targetMs = 300;

bool exec(const QString &sql)
{
    QSqlQuery query;
    if (query.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(query.lastError().text()));
    return false;
}

// The registry made with SQL, in one transaction: the values of one complete inspection
// for every row.
bool fill(const QString &values)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("INSERT INTO inspection (Equipment, Started, Changed, "
                                 "Technician, State, Report, Inputs, Revision, Institution, "
                                 "Place, ID, Model, Manufacturer, Transducer, Inspected) "
                                 "SELECT t.Equipment, d, d, 'Maria Souza', 1, '/tmp/r.pdf', ?, "
                                 "0, t.Institution, t.Place, t.ID, t.Model, t.Manufacturer, "
                                 "t.ID_key, substr(d, 1, 10) FROM transducer t, (WITH RECURSIVE "
                                 "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                 "SELECT date('2026-12-01', '-' || (i * 5 + 1) || ' months') || "
                                 "'T09:00:00.000' AS d FROM n)")
                      .arg(perTransducer));
    query.addBindValue(values);
    return exec("BEGIN") &&
           exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                               "n WHERE i < %1) INSERT INTO usequip (ID_key, Institution, "
                               "Place, ID, Model, Manufacturer) SELECT i, 'Hospital ' || (i / "
                               "10), 'Sala ' || (i % 10), 'US-' || i, 'Logiq', 'GE' FROM n")
                    .arg(scanners)) &&
           exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM "
                               "n WHERE i < %1) INSERT INTO transducer (Equipment, Institution, "
                               "Place, ID, Model, Manufacturer, TransducerModel, Serial, Type, "
                               "Frequency, IntervalMonths, Retired) SELECT u.ID_key, "
                               "u.Institution, u.Place, u.ID, u.Model, u.Manufacturer, 'C' || "
                               "n.i, 'SN' || u.ID_key || n.i, n.i, 3.5, 12, 0 FROM usequip u, n")
                    .arg(perScanner - 1)) &&
           query.exec() && exec("COMMIT");
}

qint64 shownAndPainted(QWidget &widget, QElapsedTimer &clock)
{
    widget.show();
    widget.repaint();
    return clock.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::startHeadless();
    QApplication application(argc, argv);
    WorkDir workDir;
    QJsonObject values;
    {
        // the values of one complete inspection, from a filled wizard
        WizardFill::seedEquipment({{"Hospital", "Sala", "US-0", "Logiq", "GE"}});
        MainWindow window(0);
        WizardFill::makeStepsValid(&window);
        values = InspectionFields(&window).read().values();
        window.close();
    }
    QSqlDatabase::database().close();
    QFile::remove(QStringLiteral("zetu.db"));
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.open();
        if (!exec("CREATE TABLE usequip (ID_key INTEGER primary key, Institution VARCHAR(80), "
                  "Place VARCHAR(80), ID VARCHAR(80), Model VARCHAR(40), Manufacturer "
                  "VARCHAR(80))") ||
            InspectionStore::prepare() != InspectionStore::Done ||
            !fill(QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact))))
            return 1;
        db.close();
    }
    const qint64 bytes = QFileInfo(QStringLiteral("zetu.db")).size();

    QElapsedTimer clock;
    clock.start();
    MainWindow window(0);
    window.show();
    window.resumeAtStart();
    QCoreApplication::processEvents();
    const qint64 start = clock.elapsed();
    auto *list = window.findChild<QTableView *>(QStringLiteral("tableView"));
    clock.restart();
    list->model()->sort(list->model()->columnCount() - 1, Qt::AscendingOrder);
    list->repaint();
    const qint64 sorted = clock.elapsed();
    const QString first = list->model()->index(0, 3).data().toString();

    const int key = scanners / 2;
    clock.restart();
    HistoryDialog history(InspectionStore::forEquipment(key), QStringLiteral("US"), &window);
    history.setTransducers(TransducerStore::forEquipment(key));
    const qint64 historyMs = shownAndPainted(history, clock);
    history.close();
    clock.restart();
    const QVector<Transducer> transducers = TransducerStore::forEquipment(key);
    TrendDialog trend(InspectionStore::forEquipment(key), QStringLiteral("US"), transducers,
                      transducers.value(0).key, &window);
    const qint64 trendMs = shownAndPainted(trend, clock);
    trend.close();

    std::printf("%d scanners, %d transducers, %d inspections (zetu.db %.0f MiB):\n"
                "  start %lld ms, list sorted by due date %lld ms (first %s), history %lld ms, "
                "trend %lld ms (target %lld ms each)\n",
                scanners, scanners * perScanner, scanners * perScanner * perTransducer,
                bytes / 1048576.0, start, sorted, qPrintable(first), historyMs, trendMs, targetMs);
    return qMax(qMax(start, sorted), qMax(historyMs, trendMs)) < targetMs ? 0 : 1;
}
