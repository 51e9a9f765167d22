// Photographs of the scanner's parts and the uniformity image, loaded through the
// real file dialog from image files written by the test. Which photograph reaches
// which report cell is checked with the report assembly.

#include "dialogdriver.h"
#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

const char *const partButtons[] = {"pushButton3CaboForca", "pushButtonMonitor",
                                   "pushButton3Controles", "pushButton3Botoes",
                                   "pushButton3Filtro",    "pushButton3Trasdutores"};

// The colour in the middle of a label's picture, or an invalid colour.
QColor shown(QLabel *label)
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
    return image.isNull() ? QColor() : QColor(image.pixel(image.width() / 2, image.height() / 2));
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
    QLabel *partLabel() { return child<QLabel>("labelEquipPartImg"); }
    QLabel *uniformLabel() { return child<QLabel>("labelUniformImg"); }

    // Writes a picture of one colour, or (invalid colour) a file that is no picture.
    QString write(const QString &relative, QColor colour = QColor(), QSize size = QSize(30, 30))
    {
        const QString path = wd->file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QFile file(path);
        const bool written =
            colour.isValid() ? image.save(path)
                             : file.open(QIODevice::WriteOnly) && file.write("no picture\n") > 0;
        if (!written)
            QTest::qFail("cannot write the picture", __FILE__, __LINE__);
        return path;
    }

    // Clicks `button` and answers its file dialog with `path` (null: cancel); any
    // other modal box fails the test.
    SeenDialog choose(const QString &button, const QString &path)
    {
        DialogDriver driver;
        if (path.isNull())
            driver.cancelFile();
        else
            driver.chooseFile(path);
        QTest::mouseClick(child(button), Qt::LeftButton);
        if (!driver.waitDone() || driver.seen().size() != 1 || driver.unexpectedCount())
            QTest::qFail("the file dialog was not answered alone", __FILE__, __LINE__);
        return driver.seen().value(0);
    }
    void click(const char *button) { QTest::mouseClick(child(button), Qt::LeftButton); }

    // The stored photograph of a part, as browsing to it shows it.
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
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    // Each button stores its part's photograph and shows it, a second one replaces it;
    // Clear empties the shown entry, or the uniformity image, and nothing else.
    void loadBrowseAndClear()
    {
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
        for (int part = 0; part < 6; ++part) {
            selector()->setCurrentIndex((part + 3) % 6);
            const SeenDialog dialog =
                choose(partButtons[part], write(QString("%1.png").arg(part), colours[part]));
            QCOMPARE(dialog.title, QStringLiteral("Abrir"));
            QCOMPARE(dialog.nameFilters,
                     QStringList{"Arquivos de imagens (*.png *.jpg *.jpeg *.bmp *.gif)"});
            QCOMPARE(selector()->currentIndex(), part);
            QCOMPARE(shown(partLabel()), colours[part]);
        }
        choose("pushButtonMonitor", write("second.png", Qt::darkRed));
        QCOMPARE(shown(uniformLabel()), QColor());
        choose("pushButtonLoadUniImg", write("u.png", Qt::darkCyan));
        QCOMPARE(shown(partLabel()), QColor(Qt::darkRed));
        selector()->setCurrentIndex(4);
        click("pushButtonPartImgClear");
        QCOMPARE(shown(partLabel()), QColor());
        click("pushButtonPartImgClear"); // nothing left to clear
        for (int part = 0; part < 6; ++part)
            QCOMPARE(stored(part), part == 1   ? QColor(Qt::darkRed)
                                   : part == 4 ? QColor()
                                               : colours[part]);
        QCOMPARE(shown(uniformLabel()), QColor(Qt::darkCyan));
        click("pushButtonUniformImgClear");
        QCOMPARE(shown(uniformLabel()), QColor());
        click("pushButtonUniformImgClear");
        QCOMPARE(shown(uniformLabel()), QColor());
    }

    // A cancelled dialog or an unreadable file changes nothing and says nothing.
    void failedChoiceChangesNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled") << true;
        QTest::newRow("unreadable") << false;
    }
    void failedChoiceChangesNothing()
    {
        QFETCH(bool, cancelled);
        choose("pushButton3CaboForca", write("a.png", Qt::red));
        choose("pushButton3Controles", write("b.png", Qt::green));
        choose("pushButtonLoadUniImg", write("u.png", Qt::cyan));
        selector()->setCurrentIndex(0);
        const QString failed = cancelled ? QString() : write("broken.png");
        for (const char *button : {"pushButton3Controles", "pushButton3Botoes"}) {
            choose(button, failed);
            QCOMPARE(selector()->currentIndex(), 0);
            QCOMPARE(shown(partLabel()), QColor(Qt::red));
        }
        choose("pushButtonLoadUniImg", failed);
        QCOMPARE(shown(uniformLabel()), QColor(Qt::cyan));
        QCOMPARE(stored(2), QColor(Qt::green));
        QCOMPARE(stored(3), QColor());
    }

    // Fitted inside the label's size, aspect kept; the label keeps its size.
    void fitting_data()
    {
        QTest::addColumn<bool>("part");
        QTest::addColumn<QSize>("picture");
        for (const bool part : {true, false}) {
            const QString name = part ? "part " : "uniformity ";
            QTest::newRow(qPrintable(name + "wide")) << part << QSize(2000, 100);
            QTest::newRow(qPrintable(name + "tall")) << part << QSize(100, 2000);
            QTest::newRow(qPrintable(name + "small")) << part << QSize(8, 6);
        }
    }
    void fitting()
    {
        QFETCH(bool, part);
        QFETCH(QSize, picture);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(part ? 1 : 2);
        QLabel *label = part ? partLabel() : uniformLabel();
        const QSize box = label->size();
        choose(part ? "pushButton3Botoes" : "pushButtonLoadUniImg",
               write("fit.png", Qt::yellow, picture));
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), picture.scaled(box, Qt::KeepAspectRatio));
        QCOMPARE(label->size(), box);
    }

    // The dialogs open at home first, then where the last image was chosen, whichever
    // dialog chose it, also when the file was unreadable.
    void startDirectory()
    {
        const QString first = choose("pushButton3CaboForca", QString()).directory;
        QCOMPARE(QDir(first).canonicalPath(), QDir(QDir::homePath()).canonicalPath());
        const QString a = write("one/a.png", Qt::red);
        const QString b = write("two/b.png", Qt::red);
        const QString c = write("three/c.png");
        QCOMPARE(choose("pushButtonMonitor", a).directory, first);
        QCOMPARE(choose("pushButtonLoadUniImg", b).directory, wd->file("one"));
        QCOMPARE(choose("pushButton3Filtro", c).directory, wd->file("two"));
        QCOMPARE(choose("pushButtonLoadUniImg", QString()).directory, wd->file("three"));
        QCOMPARE(choose("pushButton3Botoes", QString()).directory, wd->file("three"));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
