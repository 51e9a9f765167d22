// Photographs of the scanner's parts and the uniformity image, loaded through
// the real file dialog from image files written by the test.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

const char *const partButtons[] = {"pushButton3CaboForca", "pushButtonMonitor",
                                   "pushButton3Controles", "pushButton3Botoes",
                                   "pushButton3Filtro",    "pushButton3Trasdutores"};

const QString filter = QStringLiteral("Arquivos de imagens (*.png *.jpg *.jpeg *.bmp *.gif)");

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qWarning("no child %s", qPrintable(name));
        return w;
    }
    QComboBox *selector() { return child<QComboBox>("comboBoxImage"); }
    QLabel *partLabel() { return child<QLabel>("labelEquipPartImg"); }
    QLabel *uniformLabel() { return child<QLabel>("labelUniformImg"); }

    // Writes a picture of one colour; `format` by suffix.
    QString writeImage(const QString &relative, QSize size, QColor colour)
    {
        const QString path = wd->file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        if (!image.save(path))
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }
    QString writeBroken(const QString &relative)
    {
        const QString path = wd->file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("this is no picture\n");
        return path;
    }

    // Clicks `button` and answers its file dialog with `path` (null: cancel).
    // Returns what the dialog looked like.
    SeenDialog choose(const QString &button, const QString &path)
    {
        DialogDriver driver;
        if (path.isNull())
            driver.cancelFile();
        else
            driver.chooseFile(path);
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        if (!driver.waitDone() || driver.seen().size() != 1 || driver.unexpectedCount())
            qWarning("the file dialog was not answered as expected");
        return driver.seen().value(0);
    }

    // The colour in the middle of a label's picture, or an invalid colour.
    static QColor shown(QLabel *label)
    {
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        if (pixmap.isNull())
            return QColor();
        const QImage image = pixmap.toImage();
        return QColor(image.pixel(image.width() / 2, image.height() / 2));
    }

    // The stored photograph of a part, as the selector shows it.
    QColor stored(int part)
    {
        selector()->setCurrentIndex(part == 0 ? 1 : 0);
        selector()->setCurrentIndex(part);
        return shown(partLabel());
    }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    void eachButtonLoadsItsPart_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("selectedBefore");
        for (int part = 0; part < 6; ++part)
            QTest::newRow(partButtons[part]) << part << (part + 1) % 6;
        QTest::newRow("Botões while Monitor shows") << 3 << 1;
    }
    void eachButtonLoadsItsPart()
    {
        QFETCH(int, part);
        QFETCH(int, selectedBefore);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
        selector()->setCurrentIndex(selectedBefore);
        const QString red = writeImage("photos/red.png", QSize(40, 30), Qt::red);
        const SeenDialog dialog = choose(partButtons[part], red);
        QCOMPARE(dialog.title, QStringLiteral("Abrir"));
        QCOMPARE(dialog.nameFilters, QStringList{filter});
        QCOMPARE(selector()->currentIndex(), part);
        QCOMPARE(shown(partLabel()), QColor(Qt::red));
        // only that part has a photograph
        for (int other = 0; other < 6; ++other)
            QCOMPARE(stored(other).isValid(), other == part);
    }

    void secondPhotographReplacesFirst()
    {
        choose("pushButtonMonitor", writeImage("a.png", QSize(30, 30), Qt::red));
        choose("pushButtonMonitor", writeImage("b.png", QSize(30, 30), Qt::blue));
        QCOMPARE(shown(partLabel()), QColor(Qt::blue));
        QCOMPARE(stored(1), QColor(Qt::blue));
        QCOMPARE(stored(0), QColor());
    }

    void unreadableFileKeepsThePhotograph()
    {
        choose("pushButton3Controles", writeImage("a.png", QSize(30, 30), Qt::green));
        selector()->setCurrentIndex(0);
        choose("pushButton3Controles", writeBroken("broken.png"));
        // no selection change, the stored photograph is still there
        QCOMPARE(selector()->currentIndex(), 0);
        QCOMPARE(stored(2), QColor(Qt::green));
        // an unreadable file for a part without a photograph stores nothing
        choose("pushButton3Botoes", writeBroken("broken.png"));
        QCOMPARE(selector()->currentIndex(), 2);
        QCOMPARE(shown(partLabel()), QColor(Qt::green));
        QCOMPARE(stored(3), QColor());
    }

    void clearButton()
    {
        choose("pushButton3CaboForca", writeImage("a.png", QSize(30, 30), Qt::red));
        // an entry without a photograph: nothing happens
        selector()->setCurrentIndex(5);
        QTest::mouseClick(child<QPushButton>("pushButtonPartImgClear"), Qt::LeftButton);
        QCOMPARE(stored(0), QColor(Qt::red));
        // the shown entry loses its photograph
        QTest::mouseClick(child<QPushButton>("pushButtonPartImgClear"), Qt::LeftButton);
        QCOMPARE(shown(partLabel()), QColor());
        QCOMPARE(stored(0), QColor());
        QTest::mouseClick(child<QPushButton>("pushButtonPartImgClear"), Qt::LeftButton);
        QCOMPARE(shown(partLabel()), QColor());
    }

    void cancelledDialogChangesNothing()
    {
        const QString red = writeImage("d/a.png", QSize(30, 30), Qt::red);
        choose("pushButton3Trasdutores", red);
        choose("pushButtonLoadUniImg", red);
        selector()->setCurrentIndex(5);
        choose("pushButton3Trasdutores", QString());
        choose("pushButton3CaboForca", QString());
        QCOMPARE(selector()->currentIndex(), 5);
        QCOMPARE(shown(partLabel()), QColor(Qt::red));
        choose("pushButtonLoadUniImg", QString());
        QCOMPARE(shown(uniformLabel()), QColor(Qt::red));
        QCOMPARE(choose("pushButton3Filtro", QString()).directory, QFileInfo(red).absolutePath());
    }

    // Fitting keeps the aspect ratio inside the label's size, both ways.
    void fitting_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QSize>("picture");
        for (const char *b : {"pushButton3Botoes", "pushButtonLoadUniImg"}) {
            const QString label =
                QString(b) == "pushButton3Botoes" ? "labelEquipPartImg" : "labelUniformImg";
            QTest::newRow(qPrintable(QString("%1 wide").arg(b))) << b << label << QSize(2000, 100);
            QTest::newRow(qPrintable(QString("%1 tall").arg(b))) << b << label << QSize(100, 2000);
            QTest::newRow(qPrintable(QString("%1 small").arg(b))) << b << label << QSize(8, 6);
        }
    }
    void fitting()
    {
        QFETCH(QString, button);
        QFETCH(QString, labelName);
        QFETCH(QSize, picture);
        child<QStackedWidget>("stackedWidget")
            ->setCurrentIndex(labelName == "labelEquipPartImg" ? 1 : 2);
        QLabel *label = child<QLabel>(labelName);
        const QSize box = label->size();
        choose(button, writeImage("fit.png", picture, Qt::yellow));
        const QSize expected = picture.scaled(box, Qt::KeepAspectRatio);
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        QCOMPARE(pixmap.size(), expected);
        QVERIFY(pixmap.width() == box.width() || pixmap.height() == box.height());
        // the label keeps its size, so the next picture is fitted to the same box
        QCOMPARE(label->size(), box);
    }

    void uniformityImage()
    {
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
        const SeenDialog dialog =
            choose("pushButtonLoadUniImg", writeImage("u.png", QSize(50, 50), Qt::cyan));
        QCOMPARE(dialog.title, QStringLiteral("Abrir"));
        QCOMPARE(dialog.nameFilters, QStringList{filter});
        QCOMPARE(shown(uniformLabel()), QColor(Qt::cyan));
        // the part photographs are not touched
        QCOMPARE(shown(partLabel()), QColor());
        choose("pushButtonLoadUniImg", writeBroken("broken.gif"));
        QCOMPARE(shown(uniformLabel()), QColor(Qt::cyan));
        choose("pushButtonLoadUniImg", writeImage("v.png", QSize(50, 50), Qt::magenta));
        QCOMPARE(shown(uniformLabel()), QColor(Qt::magenta));
        QTest::mouseClick(child<QPushButton>("pushButtonUniformImgClear"), Qt::LeftButton);
        QCOMPARE(shown(uniformLabel()), QColor());
        QTest::mouseClick(child<QPushButton>("pushButtonUniformImgClear"), Qt::LeftButton);
        QCOMPARE(shown(uniformLabel()), QColor());
    }

    // The dialogs open at home first, then where the last image was chosen,
    // whichever dialog chose it, also when the file was unreadable.
    void startDirectory()
    {
        const QString first = choose("pushButton3CaboForca", QString()).directory;
        QCOMPARE(QDir(first).canonicalPath(), QDir(QDir::homePath()).canonicalPath());
        const QString a = writeImage("one/a.png", QSize(10, 10), Qt::red);
        const QString b = writeImage("two/b.png", QSize(10, 10), Qt::red);
        const QString c = writeBroken("three/c.png");
        QCOMPARE(choose("pushButtonMonitor", a).directory, first);
        QCOMPARE(choose("pushButtonLoadUniImg", b).directory, wd->file("one"));
        QCOMPARE(choose("pushButton3Filtro", c).directory, wd->file("two"));
        QCOMPARE(choose("pushButtonLoadUniImg", QString()).directory, wd->file("three"));
        QCOMPARE(choose("pushButton3Botoes", QString()).directory, wd->file("three"));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
