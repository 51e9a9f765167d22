// Photographs of the scanner's parts and the uniformity image, loaded through the
// real file dialog from image files written by the test. Which photograph reaches
// which report cell is checked with the report assembly.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "wizard/photograph.h"
#include "workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

const char *const partButtons[] = {"pushButton3CaboForca", "pushButtonMonitor",
                                   "pushButton3Controles", "pushButton3Botoes",
                                   "pushButton3Filtro",    "pushButton3Trasdutores"};

// An image file of one colour with a blue right quarter, or "no picture" for a null
// colour. A JPEG may carry an EXIF orientation (APP1, big-endian TIFF, one entry) and
// a frame header that claims another size than the pixels it holds.
QByteArray picture(QColor colour, QSize size, const char *format = "PNG", int orientation = 1,
                   QSize claimed = QSize())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() * 3 / 4, size.height(), colour);
    QBuffer buffer;
    if (!colour.isValid() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return "no picture\n";
    QByteArray bytes = buffer.data();
    if (orientation != 1)
        bytes.insert(2, QByteArray::fromHex("ffe10022457869660000"
                                            "4d4d002a000000080001011200030000000100") +
                            char(orientation) + QByteArray(6, '\0'));
    const int frame = bytes.indexOf("\xff\xc0"); // height and width follow at +5
    for (int i = 0; claimed.isValid() && i < 4; ++i)
        bytes[frame + 5 + i] =
            char((i < 2 ? claimed.height() : claimed.width()) >> (i % 2 ? 0 : 8));
    return bytes;
}

// The colour at a point of a label's picture (fractions of its size), or invalid.
QColor shown(QLabel *label, QPointF at = {0.5, 0.5})
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
    return image.isNull() ? QColor()
                          : image.pixelColor(int(at.x() * (image.width() - 1)),
                                             int(at.y() * (image.height() - 1)));
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T = QPushButton> T *child(const QString &name)
    {
        return window->findChild<T *>(name);
    }
    QComboBox *selector() { return child<QComboBox>("comboBoxImage"); }
    QLabel *label(bool part)
    {
        return child<QLabel>(part ? "labelEquipPartImg" : "labelUniformImg");
    }

    QString write(const QString &relative, const QByteArray &bytes)
    {
        const QString path = wd->file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            QTest::qFail("cannot write the picture", __FILE__, __LINE__);
        return path;
    }

    // Clicks `button` and answers its file dialog with `path` (null: cancel), then
    // presses OK in a message box if `box`; any other modal fails the test.
    QList<SeenDialog> choose(const char *button, const QString &path, bool box = false)
    {
        DialogDriver driver;
        path.isNull() ? driver.cancelFile() : driver.chooseFile(path);
        if (box)
            driver.press(QMessageBox::Ok);
        QTest::mouseClick(child(button), Qt::LeftButton);
        if (!driver.waitDone() || driver.seen().size() != 1 + box || driver.unexpectedCount())
            QTest::qFail("the dialogs were not answered", __FILE__, __LINE__);
        return driver.seen();
    }
    void click(const char *button) { QTest::mouseClick(child(button), Qt::LeftButton); }

    // The stored photograph of a part, as browsing to it shows it.
    QColor stored(int part)
    {
        selector()->setCurrentIndex(part == 0 ? 1 : 0);
        selector()->setCurrentIndex(part);
        return shown(label(true));
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    // Each button stores its part's photograph and shows it, a second one replaces it;
    // Clear empties the shown entry, or the uniformity image, and nothing else. The
    // dialogs open at home, then where the last file was chosen in either of them.
    void loadBrowseAndClear()
    {
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
        auto opensIn = [this](const char *button, const QString &path, const QString &dir) {
            return QDir(choose(button, path).at(0).directory) == QDir(wd->file(dir));
        };
        QVERIFY(opensIn("pushButton3Filtro", QString(), "home")); // cancelled
        for (int part = 0; part < 6; ++part) {
            selector()->setCurrentIndex((part + 3) % 6);
            const QString path =
                write(QString("%1/a.png").arg(part), picture(colours[part], {30, 30}));
            const SeenDialog dialog = choose(partButtons[part], path).at(0);
            QCOMPARE(dialog.title, QStringLiteral("Abrir"));
            QCOMPARE(dialog.nameFilters,
                     QStringList{"Arquivos de imagens (*.png *.jpg *.jpeg *.bmp *.gif)"});
            QCOMPARE(QDir(dialog.directory),
                     QDir(part ? wd->file(QString::number(part - 1)) : wd->file("home")));
            QCOMPARE(selector()->currentIndex(), part);
            QCOMPARE(shown(label(true)), colours[part]);
        }
        QVERIFY(opensIn("pushButtonMonitor", write("bad/b.png", picture({}, {})), "5"));
        QVERIFY(opensIn("pushButtonMonitor", write("b.png", picture(Qt::darkRed, {9, 9})), "bad"));
        QCOMPARE(shown(label(false)), QColor());
        QVERIFY(
            opensIn("pushButtonLoadUniImg", write("u.png", picture(Qt::darkCyan, {9, 9})), "."));
        QVERIFY(opensIn("pushButtonLoadUniImg", QString(), "."));
        QCOMPARE(shown(label(true)), QColor(Qt::darkRed));
        selector()->setCurrentIndex(4);
        click("pushButtonPartImgClear");
        QCOMPARE(shown(label(true)), QColor());
        click("pushButtonPartImgClear"); // nothing left to clear
        for (int part = 0; part < 6; ++part)
            QCOMPARE(stored(part), part == 1   ? QColor(Qt::darkRed)
                                   : part == 4 ? QColor()
                                               : colours[part]);
        QCOMPARE(shown(label(false)), QColor(Qt::darkCyan));
        for (int i = 0; i < 2; ++i) {
            click("pushButtonUniformImgClear");
            QCOMPARE(shown(label(false)), QColor());
        }
    }

    // A photograph is kept upright and no larger than printed, and shown fitted inside
    // the label, aspect kept, the label keeping its size. A failed choice changes
    // nothing; only a file too large to decode says why.
    void loading_data()
    {
        QTest::addColumn<bool>("part");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("kept");
        QTest::addColumn<QPointF>("blue"); // where the file's blue right quarter shows
        QTest::addColumn<QString>("message");
        const QColor y = Qt::yellow;
        const QString huge = "A imagem \"f.jpg\" tem %1 pixels e precisaria de %2 MB de memória "
                             "para ser aberta; o limite é de 500 MB.";
        for (const bool part : {true, false}) {
            const QString name = part ? "part " : "uniformity ";
            auto row = [&name](const char *tag) -> QTestData & {
                return QTest::newRow(qPrintable(name + tag));
            };
            row("wide") << part << picture(y, {2000, 100}) << QSize(2000, 100) << QPointF(1, .5)
                        << "";
            row("tall") << part << picture(y, {100, 2000}) << QSize(100, 2000) << QPointF(1, .5)
                        << "";
            row("small") << part << picture(y, {8, 6}) << QSize(8, 6) << QPointF(1, .5) << "";
            row("cancelled") << part << QByteArray() << QSize(0, 0) << QPointF() << "";
            row("no image") << part << picture({}, {}) << QSize(0, 0) << QPointF() << "";
        }
        QTest::newRow("large jpeg")
            << true << picture(y, {4800, 1200}, "JPG") << QSize(2400, 600) << QPointF(1, .5) << "";
        QTest::newRow("large png")
            << false << picture(y, {1000, 5000}) << QSize(480, 2400) << QPointF(1, .5) << "";
        QTest::newRow("upright") << true << picture(y, {40, 20}, "JPG", 6) << QSize(20, 40)
                                 << QPointF(.5, 1) << "";
        QTest::newRow("upside down")
            << false << picture(y, {40, 20}, "JPG", 3) << QSize(40, 20) << QPointF(0, .5) << "";
        QTest::newRow("huge") << true << picture(y, {16, 16}, "JPG", 1, {30000, 30000})
                              << QSize(0, 0) << QPointF() << huge.arg("30000 × 30000", "3600");
        QTest::newRow("huge turned")
            << false << picture(y, {16, 16}, "JPG", 8, {40000, 20000}) << QSize(0, 0) << QPointF()
            << huge.arg("20000 × 40000", "3200");
    }
    void loading()
    {
        QFETCH(bool, part);
        QFETCH(QByteArray, file);
        QFETCH(QSize, kept);
        QFETCH(QPointF, blue);
        QFETCH(QString, message);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(part ? 1 : 2);
        const QSize box = label(part)->size();
        choose("pushButton3CaboForca", write("old0.png", picture(Qt::green, {30, 30})));
        choose("pushButton3Botoes", write("old3.png", picture(Qt::cyan, {30, 30})));
        choose("pushButtonLoadUniImg", write("old.png", picture(Qt::green, {30, 30})));
        selector()->setCurrentIndex(0);
        const QString path = file.isNull() ? QString() : write("f.jpg", file);
        const QList<SeenDialog> seen =
            choose(part ? "pushButton3Botoes" : "pushButtonLoadUniImg", path, !message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(seen.at(1).icon, QMessageBox::Warning);
            QCOMPARE(seen.at(1).title, QStringLiteral("Abrir"));
            QCOMPARE(seen.at(1).text, message);
        }
        QString error = "stale";
        if (!path.isNull())
            QCOMPARE(readPhotograph(path, &error).size(), kept);
        QCOMPARE(error, path.isNull() ? "stale" : message);
        QCOMPARE(label(part)->size(), box);
        if (kept.isEmpty()) {
            QCOMPARE(selector()->currentIndex(), 0);
            QCOMPARE(shown(label(part)), QColor(Qt::green));
            QCOMPARE(stored(3), QColor(Qt::cyan));
            return;
        }
        QCOMPARE(selector()->currentIndex(), part ? 3 : 0);
        QCOMPARE(label(part)->pixmap(Qt::ReturnByValue).size(),
                 kept.scaled(box, Qt::KeepAspectRatio));
        QVERIFY(shown(label(part), blue).blue() > 200);
        QVERIFY(shown(label(part), QPointF(1, 1) - blue).red() > 200);
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
