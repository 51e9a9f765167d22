// Times the history of a scanner with 1,000 stored inspections, each holding every
// value of a filled wizard: from the click on "Histórico…" until the dialog is shown
// and painted, split into reading zetu.db and building the dialog. Target: under
// 200 ms. Exits 1 when it is missed.

#include "benchsupport.h"
#include "dialogdriver.h"
#include "history/historydialog.h"
#include "history/inspectionstore.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cstdio>

namespace {

const int inspectionCount = 1000;
const int rounds = 5;
const qint64 targetMs = 200;

} // namespace

int main(int argc, char *argv[])
{
    Bench::startHeadless();
    QApplication application(argc, argv);
    WorkDir workDir;
    WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
    MainWindow window(0);
    window.show();
    WizardFill::makeStepsValid(&window);
    auto *next = window.findChild<QPushButton *>(QStringLiteral("pushButtonNext"));
    // every step change writes the draft, which then holds all values
    QElapsedTimer stepping;
    stepping.start();
    for (int step = 0; step < 8; ++step)
        next->click();
    const double perStep = stepping.nsecsElapsed() / 8e6;

    // 999 more copies of that inspection, a day apart, each saved in its own transaction
    // (a save is one; an outer one would make every save fail)
    StoredInspection stored = InspectionStore::forEquipment(1).value(0);
    if (stored.id < 0) {
        std::fprintf(stderr, "no draft was kept\n");
        return 1;
    }
    QSqlQuery(QStringLiteral("PRAGMA synchronous = OFF"));
    for (int i = 1; i < inspectionCount; ++i) {
        stored.id = -1;
        stored.started = stored.changed = stored.started.addDays(-1);
        stored.state = i % 2 ? StoredInspection::Reported : StoredInspection::Draft;
        stored.pdfPath = QStringLiteral("/home/fisica/laudos/US-01 %1.pdf").arg(i);
        if (InspectionStore::save(stored) != InspectionStore::Done) {
            std::fprintf(stderr, "inspection %d was not kept\n", i);
            return 1;
        }
    }
    const qint64 bytes = QFileInfo(QStringLiteral("zetu.db")).size();

    QVector<qint64> read, built, clicked;
    auto *history = window.findChild<QPushButton *>(QStringLiteral("pushButtonHistory"));
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const QVector<StoredInspection> inspections = InspectionStore::forEquipment(1);
        read.append(clock.elapsed());
        {
            HistoryDialog dialog(inspections, QStringLiteral("US-01"), &window);
            dialog.show();
            dialog.repaint();
            built.append(clock.elapsed() - read.last());
        }
        // the whole way, through the button: shown and painted when the driver sees it
        DialogDriver driver;
        qint64 shown = -1;
        driver.then([&](QWidget *dialog) {
            dialog->repaint();
            shown = clock.elapsed();
            dialog->close();
        });
        clock.restart();
        history->click();
        driver.waitDone();
        clicked.append(shown);
        if (inspections.size() != inspectionCount) {
            std::fprintf(stderr, "%d inspections listed\n", int(inspections.size()));
            return 1;
        }
    }
    const qint64 total = Bench::median(clicked);
    std::printf("step change with the draft written: %.1f ms (mean of 8)\n", perStep);
    std::printf("history of %d inspections (zetu.db %.1f MiB), median of %d rounds:\n"
                "  read %lld ms, dialog built and painted %lld ms, click to painted %lld ms "
                "(target %lld ms)\n",
                inspectionCount, bytes / 1048576.0, rounds, Bench::median(read),
                Bench::median(built), total, targetMs);
    return total < targetMs ? 0 : 1;
}
