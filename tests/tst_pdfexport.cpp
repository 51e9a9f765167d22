// Saving the report: the real file dialog, the PDF file it writes (three A4
// portrait pages in page order, without the on-screen page outlines), a cancelled
// dialog, a name without extension and files that cannot be written.

#include "app/language.h"
#include "dialogdriver.h"
#include "report/reportform.h"
#include "workdir.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const pageNames[] = {"frameFormPage1", "frameFormPage2", "frameFormPage3"};

struct PdfPages
{
    int count = 0;          // page objects in the file
    QList<QSizeF> mediaBox; // page sizes in points, in file order
};

// Reads the page objects of a PDF as the program writes it (uncompressed page
// dictionaries).
PdfPages readPdf(const QString &path)
{
    PdfPages pages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return pages;
    const QByteArray bytes = file.readAll();
    // the file holds binary image streams: convert all of it, NULs included
    const QString data = QString::fromLatin1(bytes.constData(), bytes.size());
    if (!data.startsWith(QLatin1String("%PDF-")))
        return pages;
    pages.count = data.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])")));
    QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
    auto it = box.globalMatch(data);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        pages.mediaBox.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return pages;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The pages of a PDF rendered at 60 dpi by poppler's pdftoppm.
QList<QImage> renderPages(const QString &pdf, const QString &prefix)
{
    QList<QImage> images;
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("60"),
                                               QStringLiteral("-png"), pdf, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return images;
    for (int i = 1; i <= 9; ++i) {
        const QImage image(QStringLiteral("%1-%2.png").arg(prefix).arg(i));
        if (image.isNull())
            break;
        images.append(image.convertToFormat(QImage::Format_RGB32));
    }
    return images;
}

bool hasColour(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(colour)) < 40 && qAbs(qGreen(p) - qGreen(colour)) < 40 &&
                qAbs(qBlue(p) - qBlue(colour)) < 40)
                return true;
        }
    }
    return false;
}

// A page outline shows as a dark column running down most of the page.
bool hasFullHeightLine(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
        if (dark > image.height() * 6 / 10)
            return true;
    }
    return false;
}

bool pdfinfoAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savesThreeA4PortraitPagesInOrder();
    void savesAgainUnderAnotherName();
    void cancelledDialogWritesNothing();
    void nameWithoutExtensionIsKept();
    void unwritableFileIsReported_data();
    void unwritableFileIsReported();
    void englishCaptionAndProposedName();

private:
    void save(const QString &path);
    void checkFramesBoxedAndOpen();

    QScopedPointer<WorkDir> wd;
    QScopedPointer<ReportForm> form;
    DialogDriver *driver = nullptr;
};

void TestPdfExport::init()
{
    wd.reset(new WorkDir);
    form.reset(new ReportForm);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.data()));
    driver = new DialogDriver;
}

void TestPdfExport::cleanup()
{
    delete driver;
    driver = nullptr;
    form.reset();
    wd.reset();
}

void TestPdfExport::save(const QString &path)
{
    driver->chooseFile(path);
    form->findChild<QPushButton *>(QStringLiteral("pushButtonSave"))->click();
    QVERIFY(driver->waitDone());
}

void TestPdfExport::checkFramesBoxedAndOpen()
{
    QVERIFY(form->isVisible());
    for (const char *name : pageNames)
        QCOMPARE(form->findChild<QFrame *>(name)->frameShape(), QFrame::Box);
}

void TestPdfExport::savesThreeA4PortraitPagesInOrder()
{
    // One colour per page, so the rendered file tells the pages apart.
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 255)};
    const char *marked[] = {"label", "label_102", "label_18"};
    for (int i = 0; i < 3; ++i) {
        form->findChild<QLabel *>(marked[i])->setStyleSheet(
            QStringLiteral("background-color: %1;").arg(QColor(colours[i]).name()));
    }

    const QString path = wd->file(QStringLiteral("home/Documents/relatorio_zetu.pdf"));
    save(path);
    QCOMPARE(driver->unexpectedCount(), 0);
    QCOMPARE(driver->seen().size(), 1);
    const SeenDialog &dialog = driver->seen().first();
    QCOMPARE(dialog.className, QStringLiteral("QFileDialog"));
    QCOMPARE(dialog.title, QStringLiteral("Salvar Relatório"));
    QCOMPARE(dialog.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(QDir(dialog.directory), QDir(wd->file(QStringLiteral("home/Documents"))));
    QCOMPARE(dialog.selectedFile, path);
    checkFramesBoxedAndOpen();

    const PdfPages pages = readPdf(path);
    QCOMPARE(pages.count, 3);
    QCOMPARE(pages.mediaBox.size(), 3);
    for (const QSizeF &page : pages.mediaBox) {
        QCOMPARE(qRound(page.width()), 595);
        QCOMPARE(qRound(page.height()), 842);
    }
    if (pdfinfoAvailable()) {
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
    }

    const QList<QImage> images = renderPages(path, wd->file(QStringLiteral("page")));
    if (images.isEmpty())
        QSKIP("pdftoppm is not available");
    QCOMPARE(images.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(images[i].height() > images[i].width()); // portrait
        for (int c = 0; c < 3; ++c)
            QCOMPARE(hasColour(images[i], colours[c]), c == i);
        QVERIFY2(!hasFullHeightLine(images[i]), pageNames[i]);
    }
}

void TestPdfExport::savesAgainUnderAnotherName()
{
    const QString first = wd->file(QStringLiteral("first.pdf"));
    const QString second = wd->file(QStringLiteral("second.pdf"));
    save(first);
    save(second);
    QCOMPARE(driver->unexpectedCount(), 0);
    QCOMPARE(readPdf(first).count, 3);
    QCOMPARE(readPdf(second).count, 3);
    // the same report gives the same pages
    QCOMPARE(QFileInfo(first).size(), QFileInfo(second).size());
    checkFramesBoxedAndOpen();
}

void TestPdfExport::cancelledDialogWritesNothing()
{
    driver->cancelFile();
    form->findChild<QPushButton *>(QStringLiteral("pushButtonSave"))->click();
    QVERIFY(driver->waitDone());
    QTest::qWait(50);
    QCOMPARE(driver->seen().size(), 1); // no message after the dialog
    QCOMPARE(driver->unexpectedCount(), 0);
    QDir::Filters files = QDir::Files | QDir::Hidden;
    QCOMPARE(QDir(wd->file(QStringLiteral("home/Documents"))).entryList(files), QStringList());
    QCOMPARE(QDir(wd->path()).entryList(files), QStringList());
    checkFramesBoxedAndOpen();
}

void TestPdfExport::nameWithoutExtensionIsKept()
{
    const QString path = wd->file(QStringLiteral("bericht"));
    save(path);
    QCOMPARE(driver->unexpectedCount(), 0);
    QVERIFY(!QFile::exists(path + QStringLiteral(".pdf")));
    QCOMPARE(readPdf(path).count, 3);
    checkFramesBoxedAndOpen();
}

void TestPdfExport::unwritableFileIsReported_data()
{
    // Tests may run as root, whom permissions do not stop: use paths no one can write.
    QTest::addColumn<QString>("name");
    QTest::newRow("inside a missing folder") << QStringLiteral("missing/report.pdf");
    QTest::newRow("inside a plain file") << QStringLiteral("plain.txt/report.pdf");
}

void TestPdfExport::unwritableFileIsReported()
{
    QFETCH(QString, name);
    QFile plain(wd->file(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    driver->chooseFile(wd->file(name)).press(QMessageBox::Ok);
    form->findChild<QPushButton *>(QStringLiteral("pushButtonSave"))->click();
    QVERIFY(driver->waitDone());
    QCOMPARE(driver->unexpectedCount(), 0);
    QCOMPARE(driver->seen().size(), 2);
    const SeenDialog &box = driver->seen().at(1);
    QCOMPARE(box.className, QStringLiteral("QMessageBox"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Salvar Relatório"));
    QCOMPARE(box.text, QStringLiteral("Não foi possível gravar o arquivo PDF."));
    QVERIFY(!QFile::exists(wd->file(name)));
    checkFramesBoxedAndOpen();

    // a good name afterwards still saves
    save(wd->file(QStringLiteral("after.pdf")));
    QCOMPARE(readPdf(wd->file(QStringLiteral("after.pdf"))).count, 3);
}

void TestPdfExport::englishCaptionAndProposedName()
{
    QTranslator translator;
    QCOMPARE(installCatalogue(translator, QStringLiteral("en_US")), 1);
    form.reset(new ReportForm);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.data()));

    driver->cancelFile();
    driver->chooseFile(wd->file(QStringLiteral("missing/report.pdf"))).press(QMessageBox::Ok);
    auto *button = form->findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
    button->click();
    button->click();
    QVERIFY(driver->waitDone());
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(driver->seen().size(), 3);
    QCOMPARE(driver->seen().at(0).title, QStringLiteral("Save Report"));
    QCOMPARE(driver->seen().at(0).selectedFile,
             wd->file(QStringLiteral("home/Documents/report_zetu.pdf")));
    QCOMPARE(driver->seen().at(2).title, QStringLiteral("Save Report"));
    QCOMPARE(driver->seen().at(2).text, QStringLiteral("The PDF file could not be written."));
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
