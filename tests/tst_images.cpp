// Photographs and the uniformity image, loaded through the real file dialog from files
// written by the test; which reaches which report cell is the report assembly's test.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizard/photograph.h"
#include "workdir.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The part buttons in the order of the part index, the uniformity button, the clears.
const char *const buttons[] = {
    "pushButton3CaboForca", "pushButtonMonitor",      "pushButton3Controles",
    "pushButton3Botoes",    "pushButton3Filtro",      "pushButton3Trasdutores",
    "pushButtonLoadUniImg", "pushButtonPartImgClear", "pushButtonUniformImgClear"};

// An image file of one colour, "no picture" for an empty size; a JPEG may carry an EXIF
// orientation (APP1, one entry) and claim another height and width (hex) in its frame.
QByteArray picture(QSize size, const char *format = "PNG", int orientation = 1,
                   const char *claimed = "", QColor colour = Qt::gray)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return "no picture\n";
    QByteArray bytes = buffer.data();
    if (orientation != 1)
        bytes.insert(2, QByteArray::fromHex("ffe10022457869660000"
                                            "4d4d002a000000080001011200030000000100") +
                            char(orientation) + QByteArray(6, '\0'));
    if (*claimed)
        bytes.replace(bytes.indexOf("\xff\xc0") + 5, 4, QByteArray::fromHex(claimed));
    return bytes;
}

QColor shown(QLabel *label) // the colour in the middle of its picture, or invalid
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    // Each button stores its picture (a part's selected at once), shown fitted in its
    // label, upright, kept no larger than printed; Clear removes it and nothing else. A
    // failed choice changes nothing; only a file too large to decode says why.
    void loading_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("kept"); // empty: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("cables wide") << 0 << picture({2000, 100}) << QSize(2000, 100) << "";
        QTest::newRow("controls small") << 2 << picture({8, 6}) << QSize(8, 6) << "";
        QTest::newRow("large part") << 3 << picture({4800, 1200}, "JPG") << QSize(2400, 600) << "";
        QTest::newRow("filter upright") << 4 << picture({40, 20}, "JPG", 6) << QSize(20, 40) << "";
        QTest::newRow("transducers huge")
            << 5 << picture({16, 16}, "JPG", 1, "75307530") << QSize(0, 0)
            << "A imagem \"f.jpg\" tem 30000 × 30000 pixels e precisaria de 3600 MB de memória "
               "para ser aberta; o limite é de 500 MB.";
        QTest::newRow("uniform large") << 6 << picture({5000, 1000}) << QSize(2400, 480) << "";
        QTest::newRow("uniform upright") << 6 << picture({40, 20}, "JPG", 8) << QSize(20, 40) << "";
        QTest::newRow("uniform no image") << 6 << picture({}) << QSize(0, 0) << "";
    }
    void loading()
    {
        QFETCH(int, button);
        QFETCH(QByteArray, file);
        QFETCH(QSize, kept);
        QFETCH(QString, message);
        WorkDir wd;
        MainWindow window(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const bool part = button < 6;
        window.findChild<QStackedWidget *>("stackedWidget")->setCurrentIndex(part ? 1 : 2);
        auto *selector = window.findChild<QComboBox *>("comboBoxImage");
        QLabel *parts = window.findChild<QLabel *>("labelEquipPartImg");
        QLabel *uniform = window.findChild<QLabel *>("labelUniformImg");
        QLabel *label = part ? parts : uniform;
        const QSize cell = label->size();
        auto write = [&wd](const QString &name, const QByteArray &bytes) {
            QFile out(wd.file(name));
            return out.open(QIODevice::WriteOnly) && out.write(bytes) >= 0 ? out.fileName() : "";
        };
        auto colour = [](int b) { return QColor(Qt::GlobalColor(Qt::red + b)); }; // chosen first
        auto choose = [&](int b, const QString &path, bool box = false) {
            DialogDriver driver;
            path.isNull() ? driver.cancelFile() : driver.chooseFile(path);
            if (box)
                driver.press(QMessageBox::Ok);
            window.findChild<QPushButton *>(buttons[b])->click();
            if (!driver.waitDone() || driver.seen().size() != 1 + box || driver.unexpectedCount())
                QTest::qFail("the dialogs were not answered", __FILE__, __LINE__);
            return driver.seen();
        };
        auto stored = [&](int b) { // as browsing to it shows it
            selector->setCurrentIndex(b == 0 ? 1 : 0);
            selector->setCurrentIndex(b);
            return shown(parts);
        };

        choose(5, QString());         // cancelled: the next dialog opens at home still
        for (int b = 0; b < 7; ++b) { // a picture of its own colour for every button
            const QByteArray old = picture({9, 9}, "PNG", 1, "", colour(b));
            const SeenDialog dialog = choose(b, write(QString("%1.png").arg(b), old)).value(0);
            QCOMPARE(QDir(dialog.directory), QDir(b ? wd.path() : wd.file("home")));
            QCOMPARE(selector->currentIndex(), b < 6 ? b : 5);
            QCOMPARE(shown(b < 6 ? parts : uniform), colour(b));
        }
        selector->setCurrentIndex((button + 1) % 6);
        const QString path = write("f.jpg", file);
        const SeenDialog box = choose(button, path, !message.isEmpty()).value(1);
        QCOMPARE(box.text, message);
        QCOMPARE(readPhotograph(path).size(), kept);
        QCOMPARE(label->size(), cell);
        QCOMPARE(selector->currentIndex(), part && !kept.isEmpty() ? button : (button + 1) % 6);
        if (!kept.isEmpty()) {
            stored(part ? button : 0);
            QCOMPARE(label->pixmap(Qt::ReturnByValue).size(),
                     kept.scaled(cell, Qt::KeepAspectRatio));
            window.findChild<QPushButton *>(buttons[part ? 7 : 8])->click();
            QCOMPARE(shown(label), QColor());
        }
        for (int b = 0; b < 7; ++b)
            QCOMPARE(b < 6 ? stored(b) : shown(uniform),
                     b == button && !kept.isEmpty() ? QColor() : colour(b));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
