// Times and weighs the photographs of the wizard as a technician meets them: phone
// photographs of 48 megapixels (8000 x 6000, JPEG, taken upright: EXIF orientation
// "turn a quarter clockwise") and a file that claims 30000 x 30000 pixels. Three
// scenarios, each in a child process of its own so that their memory peaks do not mix:
//
//   one     one photograph read again and again by the wizard's loader: median
//           processor time of the thread and wall time, and for comparison the wall
//           time of a plain full-resolution read
//   seven   six part photographs and the uniformity image loaded through the real
//           buttons and file dialogs: longest freeze, peak memory
//   huge    the 30000 x 30000 file chosen for a part (its header only: the loader
//           refuses it before decoding), the warning answered: longest freeze, peak
//
// The longest freeze is the longest gap between the ticks of a 5 ms timer of the GUI
// thread while the scenario runs, modal dialogs included.
//
//   bench_images                          runs every scenario and prints the figures
//   bench_images --scenario NAME DIR      runs one scenario, prints one line

#include "benchsupport.h"
#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizard/photograph.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const char *const buttons[] = {
    "pushButton3CaboForca", "pushButtonMonitor",      "pushButton3Controles", "pushButton3Botoes",
    "pushButton3Filtro",    "pushButton3Trasdutores", "pushButtonLoadUniImg"};
const int readRounds = 7;

// An EXIF segment (APP1, big-endian TIFF) with one entry: orientation `value`.
QByteArray exifOrientation(int value)
{
    return QByteArray::fromHex("ffe10022457869660000"
                               "4d4d002a000000080001011200030000000100") +
           char(value) + QByteArray(6, '\0');
}

// A photograph-like picture (gradients, soft blobs and sensor noise) saved as JPEG at
// quality 90 with an EXIF orientation, as a phone saves it.
bool writePhoto(const QString &path)
{
    QImage image(8000, 6000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24u));
            const int blob = ((x / 97) * 31 + (y / 89) * 17) % 64;
            line[x] = qRgb((x * 180 / 8000 + noise + blob) & 0xff, (y * 180 / 6000 + noise) & 0xff,
                           (120 + blob + noise / 2) & 0xff);
        }
    }
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG", 90))
        return false;
    QByteArray bytes = buffer.data();
    bytes.insert(2, exifOrientation(6));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A small JPEG whose frame header claims 30000 x 30000 pixels.
bool writeHuge(const QString &path)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG"))
        return false;
    QByteArray bytes = buffer.data();
    const int frame = bytes.indexOf("\xff\xc0"); // height and width at +5
    for (int i = 0; i < 4; ++i)
        bytes[frame + 5 + i] = char(i % 2 ? 30000 & 0xff : 30000 >> 8);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double ms(qint64 nanoseconds)
{
    return nanoseconds / 1e6;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The processor time of the calling thread: what a load costs on an idle machine,
// whatever else the machine runs at the same time.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest gap between two ticks of a fast timer: how long the window froze.
class FreezeMeter : public QObject
{
public:
    FreezeMeter()
    {
        clock.start();
        timer.setInterval(5);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this] {
            const qint64 now = clock.nsecsElapsed();
            longest = qMax(longest, now - last);
            last = now;
        });
        timer.start();
    }
    double longestMs()
    {
        const qint64 now = clock.nsecsElapsed();
        return ms(qMax(longest, now - last));
    }

private:
    QElapsedTimer clock;
    QTimer timer;
    qint64 last = 0, longest = 0;
};

int runScenario(const QString &name, const QString &dir)
{
    const QString photo = QDir(dir).filePath(QStringLiteral("photo.jpg"));
    if (name == QLatin1String("one")) {
        QVector<double> loader, loaderCpu, plain;
        QSize kept;
        QElapsedTimer clock;
        for (int round = 0; round < readRounds; ++round) {
            clock.start();
            const double cpuStart = threadCpuMs();
            QString error;
            const QPixmap pixmap = QPixmap::fromImage(readPhotograph(photo, &error));
            loaderCpu << threadCpuMs() - cpuStart;
            loader << ms(clock.nsecsElapsed());
            kept = pixmap.size();
            clock.start();
            const QImage full(photo);
            plain << ms(clock.nsecsElapsed());
            if (pixmap.isNull() || full.isNull())
                return 1;
        }
        std::printf("FIGURES one %.1f %.1f %.1f %dx%d\n", median(loaderCpu), median(loader),
                    median(plain), kept.width(), kept.height());
        return 0;
    }

    WorkDir workDir;
    MainWindow window(0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.buildSteps(); // as they are by the time a user reaches a step
    const double before = Bench::peakMiB();
    FreezeMeter meter;
    QElapsedTimer clock;
    clock.start();
    bool answered = true;
    if (name == QLatin1String("seven")) {
        for (const char *button : buttons) {
            DialogDriver driver;
            driver.chooseFile(photo);
            QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(button)),
                              Qt::LeftButton);
            answered = driver.waitDone(60000) && !driver.unexpectedCount() && answered;
        }
    } else {
        DialogDriver driver;
        driver.chooseFile(QDir(dir).filePath(QStringLiteral("huge.jpg"))).press(QMessageBox::Ok);
        QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(buttons[0])),
                          Qt::LeftButton);
        answered = driver.waitDone(60000) && driver.seen().size() == 2 &&
                   driver.seen().at(1).icon == QMessageBox::Warning;
    }
    QTest::qWait(20); // one more tick after the last load
    if (!answered) {
        std::fprintf(stderr, "scenario %s: the dialogs did not go as expected\n", qPrintable(name));
        return 1;
    }
    std::printf("FIGURES %s %.1f %.1f %.1f %.1f\n", qPrintable(name), ms(clock.nsecsElapsed()),
                meter.longestMs(), before, Bench::peakMiB());
    return 0;
}

QString runChild(const QString &scenario, const QString &dir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--scenario", scenario, dir});
    const bool finished = child.waitForFinished(10 * 60 * 1000);
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression("FIGURES \\S+ (.+)").match(out);
    if (!finished || child.exitCode() != 0 || !m.hasMatch()) {
        std::fprintf(stderr, "scenario %s failed\n", qPrintable(scenario));
        return QString();
    }
    return m.captured(1);
}

int runAll()
{
    QTemporaryDir dir;
    const QString photo = QDir(dir.path()).filePath(QStringLiteral("photo.jpg"));
    std::printf("Writing a JPEG photograph of 8000 x 6000 pixels...\n");
    std::fflush(stdout);
    if (!writePhoto(photo) || !writeHuge(QDir(dir.path()).filePath(QStringLiteral("huge.jpg")))) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }
    QFile loadFile(QStringLiteral("/proc/loadavg"));
    const QByteArray load =
        loadFile.open(QIODevice::ReadOnly) ? loadFile.readLine(64).left(14) : QByteArray("unknown");
    const QStringList one = runChild("one", dir.path()).split(' ');
    const QStringList seven = runChild("seven", dir.path()).split(' ');
    const QStringList huge = runChild("huge", dir.path()).split(' ');
    if (one.size() != 4 || seven.size() != 4 || huge.size() != 4)
        return 1;

    const double oneMs = one.at(0).toDouble();
    const double sevenPeak = seven.at(3).toDouble();
    const double hugeFreeze = huge.at(1).toDouble(), hugePeak = huge.at(3).toDouble();
    const double limitMiB = 500e6 / 1024 / 1024;
    std::printf("\nPhotograph: 8000 x 6000 JPEG, %lld KiB, EXIF orientation 6; kept as %s.\n"
                "Load average when the runs began: %s (wall times grow with it,\nprocessor "
                "time does not).\n\n",
                static_cast<long long>(QFileInfo(photo).size() / 1024), qPrintable(one.at(3)),
                load.constData());
    std::printf("one      load, median of %d: %s ms of processor time, %s ms wall; a "
                "full-resolution read\n         for comparison: %s ms wall\n",
                readRounds, qPrintable(one.at(0)), qPrintable(one.at(1)), qPrintable(one.at(2)));
    std::printf("seven    all loads: %s ms wall; longest freeze: %s ms; peak memory: %s MiB"
                "\n         (%s MiB before the first load)\n",
                qPrintable(seven.at(0)), qPrintable(seven.at(1)), qPrintable(seven.at(3)),
                qPrintable(seven.at(2)));
    std::printf("huge     refusal with its warning: %s ms wall; longest freeze: %s ms; peak "
                "memory: %s MiB\n",
                qPrintable(huge.at(0)), qPrintable(huge.at(1)), qPrintable(huge.at(3)));
    const bool met = oneMs < 200 && sevenPeak < 400 && hugeFreeze < 1000 && hugePeak < limitMiB;
    std::printf("\nTargets: one load under 200 ms of processor time; seven photographs under "
                "400 MiB at\nthe peak; the huge file freezes nothing for 1000 ms or more and "
                "stays under 500 MB\n(%.0f MiB).\nResult: %s\n",
                limitMiB, met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    return Bench::run(argc, argv, runScenario, runAll);
}
