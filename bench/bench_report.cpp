// Times what a technician waits for: the first window, the report, the PDF; and how
// much memory the process needed at its peak. Two scenarios, each in a child process
// of its own so that their peaks do not mix: "plain" (no photographs) and "large"
// (six part photographs and a uniformity image of 8000 x 6000 pixels, JPEG). The PDF
// pages are text and lines; only marks, placeholders and photographs are pictures.
//
//   bench_report               runs both scenarios and prints the table
//   bench_report --scenario NAME PHOTO_DIR   runs one scenario, prints one line

#include "benchsupport.h"
#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizardfill.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char *const partButtons[] = {"pushButton3CaboForca", "pushButtonMonitor",
                                   "pushButton3Controles", "pushButton3Botoes",
                                   "pushButton3Filtro",    "pushButton3Trasdutores"};
const int rounds = 3;

QString photoName(int index)
{
    return QStringLiteral("photo%1.jpg").arg(index);
}

// A picture with the texture of a photograph (gradients, rings and noise), so that
// neither the JPEG decoder nor the scaling has an easy job.
bool writePhoto(const QString &path, int seed)
{
    QImage image(8000, 6000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(48u));
            const double ring = std::sin(std::hypot(x - 4000.0, y - 3000.0) / (20.0 + seed));
            line[x] = qRgb((x * 200 / 8000 + noise) & 0xff, (y * 200 / 6000 + noise) & 0xff,
                           int(100 + 90 * ring) + noise / 2);
        }
    }
    return image.save(path, "JPG", 90);
}

// Notes the first paint of a window and the first showing of a widget class.
class Watch : public QObject
{
public:
    QWidget *window = nullptr;
    bool painted = false;
    qint64 shownAt = -1, paintedAt = -1; // of the report dialog
    const QElapsedTimer *clock = nullptr;

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget)
            return false;
        if (event->type() == QEvent::Paint && window && widget->window() == window)
            painted = true;
        if (widget->inherits("ReportForm")) {
            if (event->type() == QEvent::Show && shownAt < 0)
                shownAt = clock->nsecsElapsed();
            if (event->type() == QEvent::Paint && paintedAt < 0)
                paintedAt = clock->nsecsElapsed();
        }
        return false;
    }
};

double ms(qint64 nanoseconds)
{
    return nanoseconds / 1e6;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// One scenario from a fresh working directory with one scanner in the registry.
int runScenario(const QString &name, const QString &photoDir)
{
    WorkDir workDir;
    WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq P5", "GE"}});
    QElapsedTimer clock;
    Watch watch;
    watch.clock = &clock;
    qApp->installEventFilter(&watch);

    // Start-up: construction, show, until the first paint has been processed.
    clock.start();
    MainWindow window(0);
    watch.window = &window;
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    const double startup = ms(clock.nsecsElapsed());

    WizardFill::makeStepsValid(&window);
    auto button = [&window](const char *objectName) {
        return window.findChild<QPushButton *>(QLatin1String(objectName));
    };
    auto choose = [&](const char *objectName, const QString &file) {
        DialogDriver driver;
        driver.chooseFile(QDir(photoDir).filePath(file));
        QTest::mouseClick(button(objectName), Qt::LeftButton);
        driver.waitDone(60000);
    };
    const bool large = name == QLatin1String("large");
    QTest::mouseClick(button("pushButtonNext"), Qt::LeftButton); // to the photographs
    if (large) {
        for (int part = 0; part < 6; ++part)
            choose(partButtons[part], photoName(part));
    }
    QTest::mouseClick(button("pushButtonNext"), Qt::LeftButton); // to the uniformity image
    if (large)
        choose("pushButtonLoadUniImg", photoName(6));
    for (int step = 3; step <= 8; ++step)
        QTest::mouseClick(button("pushButtonNext"), Qt::LeftButton);
    if (!button("pushButtonReport")->isEnabled()) {
        std::fprintf(stderr, "the wizard did not reach its finished state\n");
        return 1;
    }

    QVector<double> assembly, painted, save;
    qint64 pdfBytes = 0;
    for (int round = 0; round < rounds; ++round) {
        // A driver per round: the report is the same dialog every time.
        DialogDriver driver;
        const QString pdf = workDir.file(QStringLiteral("round%1.pdf").arg(round));
        qint64 clickAt = 0, acceptAt = 0, savedAt = 0;
        driver.then([&](QWidget *report) {
            driver.then([&](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(pdf);
                acceptAt = clock.nsecsElapsed();
                QMetaObject::invokeMethod(dialog, "accept");
            });
            QTest::mouseClick(report->findChild<QPushButton *>(QStringLiteral("pushButtonSave")),
                              Qt::LeftButton);
            savedAt = clock.nsecsElapsed();
            QTest::mouseClick(report->findChild<QPushButton *>(QStringLiteral("pushButtonCancel")),
                              Qt::LeftButton);
        });
        watch.shownAt = watch.paintedAt = -1;
        clickAt = clock.nsecsElapsed();
        QTest::mouseClick(button("pushButtonReport"), Qt::LeftButton);
        if (!driver.waitDone(60000) || watch.shownAt < 0 || QFileInfo(pdf).size() == 0) {
            std::fprintf(stderr, "round %d: the report was not shown or not saved\n", round);
            return 1;
        }
        assembly << ms(watch.shownAt - clickAt);
        painted << ms(watch.paintedAt - clickAt);
        save << ms(savedAt - acceptAt);
        pdfBytes = QFileInfo(pdf).size();
    }
    qApp->removeEventFilter(&watch);
    std::printf("FIGURES %s %.1f %.1f %.1f %.1f %.1f %lld\n", qPrintable(name), startup,
                median(assembly), median(painted), median(save), Bench::peakMiB(),
                static_cast<long long>(pdfBytes));
    return 0;
}

int runAll()
{
    QTemporaryDir photoDir;
    std::printf("Writing 7 JPEG photographs of 8000 x 6000 pixels...\n");
    std::fflush(stdout);
    for (int i = 0; i < 7; ++i) {
        if (!writePhoto(QDir(photoDir.path()).filePath(photoName(i)), i + 1)) {
            std::fprintf(stderr, "cannot write the photographs\n");
            return 1;
        }
    }

    struct Row
    {
        QString name;
        QStringList figures; // startup, assembly, painted, save, peak, bytes
    };
    QList<Row> rows;
    for (const QString &scenario : {QStringLiteral("plain"), QStringLiteral("large")}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--scenario"), scenario, photoDir.path()});
        const bool finished = child.waitForFinished(10 * 60 * 1000);
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("FIGURES (\\S+) (.+)")).match(out);
        if (!finished || child.exitCode() != 0 || !m.hasMatch()) {
            std::fprintf(stderr, "scenario %s failed\n", qPrintable(scenario));
            return 1;
        }
        rows << Row{scenario, m.captured(2).split(QLatin1Char(' '))};
    }

    std::printf("\nMedian of %d rounds; each scenario ran in a process of its own.\n", rounds);
    std::printf("Assembly is measured from the click on the report button until the report\n"
                "dialog is shown (the assembly itself is private: this is its public measure),\n"
                "and until its first paint. Save runs from accepting the file dialog to the\n"
                "return of the Save click.\n\n");
    std::printf("%-8s %12s %13s %13s %9s %15s %10s %9s\n", "scenario", "start-up ms", "assembly ms",
                "painted ms", "save ms", "assembly+save", "peak MiB", "PDF KB");
    // The PDF of a report without photographs, and of one with the large ones.
    const double maxSaveMs = 1000, maxPlainBytes = 300 * 1000, maxLargeBytes = 3 * 1000 * 1000;
    bool met = true;
    for (const Row &row : rows) {
        const double assembly = row.figures.at(1).toDouble(), save = row.figures.at(3).toDouble();
        std::printf("%-8s %12s %13s %13s %9s %15.1f %10s %9lld\n", qPrintable(row.name),
                    qPrintable(row.figures.at(0)), qPrintable(row.figures.at(1)),
                    qPrintable(row.figures.at(2)), qPrintable(row.figures.at(3)), assembly + save,
                    qPrintable(row.figures.at(4)), row.figures.at(5).toLongLong() / 1000);
        const double maxBytes = row.name == QLatin1String("plain") ? maxPlainBytes : maxLargeBytes;
        met = met && save < maxSaveMs && row.figures.at(5).toDouble() < maxBytes;
    }
    std::printf("\nTargets: PDF save under 1000 ms in every scenario; PDF file under 300 KB\n"
                "(plain) and under 3 MB (large).\n"
                "Result: %s\n",
                met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    return Bench::run(argc, argv, runScenario, runAll);
}
