// The longest stall of the window's thread (the largest gap between the ticks of a 5 ms
// timer) while another connection holds zetu.db's write lock for 3 s, over two step
// changes and the close of the window. Target: under 250 ms. Exits 1 when it is missed
// or when the values typed are not kept.

#include "benchsupport.h"
#include "history/inspectionstore.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>
#include <cstdio>

namespace {

const int lockMs = 3000;
const qint64 targetMs = 250;

} // namespace

int main(int argc, char *argv[])
{
    Bench::startHeadless();
    QApplication application(argc, argv);
    WorkDir workDir;
    WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
    MainWindow window(0);
    window.show();
    window.resumeAtStart();
    WizardFill::makeStepsValid(&window);
    auto *next = window.findChild<QPushButton *>(QStringLiteral("pushButtonNext"));
    auto *technician = window.findChild<QLineEdit *>(QStringLiteral("lineTecResp"));

    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
    other.setDatabaseName(QStringLiteral("zetu.db"));
    other.open();
    QSqlQuery lock(other);

    QElapsedTimer clock;
    qint64 lastTick = 0, longest = 0, longestAt = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (now - lastTick > longest) {
            longest = now - lastTick;
            longestAt = now;
        }
        lastTick = now;
    });
    // what happens when, in ms from the start of the lock
    const QVector<QPair<int, std::function<void()>>> plan = {
        {0, [&] { lock.exec(QStringLiteral("BEGIN IMMEDIATE")); }},
        {300, [&] { next->click(); }},
        {1000, [&] { technician->setText(QStringLiteral("Ana Lima")); }},
        {1200, [&] { next->click(); }},
        {2500, [&] { window.close(); }},
        {lockMs, [&] { lock.exec(QStringLiteral("ROLLBACK")); }},
        {lockMs + 300, [&] { application.quit(); }}};
    for (const auto &step : plan)
        QTimer::singleShot(step.first, step.second);
    clock.start();
    ticks.start(5);
    application.exec();

    const QVector<StoredInspection> kept =
        InspectionStore::readRecovery(QStringLiteral("zetu.db.recovery"));
    const bool safe = kept.size() == 1 && kept[0].technician == QLatin1String("Ana Lima");
    std::printf("write lock held %d ms over two step changes and the close:\n"
                "  longest stall of the window's thread %lld ms (at %lld ms; target %lld ms), "
                "values kept for the next start: %s\n",
                lockMs, longest, longestAt, targetMs, safe ? "yes" : "NO");
    return longest < targetMs && safe ? 0 : 1;
}
