// Saving the report from its dialog: the proposed file and the warning in each
// language, page outlines that stay on screen but never reach the file. The pages
// of the file and the other answers to the dialog are checked end to end.

#include "app/language.h"
#include "dialogdriver.h"
#include "pdfpages.h"
#include "report/reportform.h"
#include "workdir.h"

#include <QFrame>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const pageNames[] = {"frameFormPage1", "frameFormPage2", "frameFormPage3"};

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

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;

private slots:
    void init() { wd.reset(new WorkDir); }
    void cleanup() { wd.reset(); }

    // A name inside a missing folder is refused with a warning, a good name then saves.
    void saveTwice_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("warning");
        QTest::newRow("Portuguese") << false << "Salvar Relatório"
                                    << "relatorio_zetu.pdf"
                                    << "Não foi possível gravar o arquivo PDF.";
        QTest::newRow("English") << true << "Save Report"
                                 << "report_zetu.pdf"
                                 << "The PDF file could not be written.";
    }
    void saveTwice()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QString, proposed);
        QFETCH(QString, warning);
        QTranslator translator;
        if (english)
            QCOMPARE(installCatalogue(translator, QStringLiteral("en_US")), 1);
        ReportForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString path = wd->file(QStringLiteral("r.pdf"));
        DialogDriver driver;
        driver.chooseFile(wd->file(QStringLiteral("missing/r.pdf"))).press(QMessageBox::Ok);
        driver.chooseFile(path);
        auto *save = form.findChild<QPushButton *>(QStringLiteral("pushButtonSave"));
        save->click();
        save->click();
        QVERIFY(driver.waitDone());
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(driver.unexpectedCount(), 0);
        QCOMPARE(driver.seen().size(), 3);
        const SeenDialog &dialog = driver.seen().at(0);
        QCOMPARE(dialog.title, title);
        QCOMPARE(dialog.acceptMode, QFileDialog::AcceptSave);
        const QString documents = wd->file(QStringLiteral("home/Documents"));
        QCOMPARE(QDir(dialog.directory), QDir(documents));
        QCOMPARE(dialog.selectedFile, documents + '/' + proposed);
        const SeenDialog &box = driver.seen().at(1);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, warning);
        QVERIFY(form.isVisible());
        for (const char *name : pageNames)
            QCOMPARE(form.findChild<QFrame *>(name)->frameShape(), QFrame::Box);

        const QList<QImage> images = renderPdfPages(path, wd->file(QStringLiteral("page")), 60);
        if (images.isEmpty())
            QSKIP("pdftoppm is not available");
        QCOMPARE(images.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(!hasFullHeightLine(images[i]), pageNames[i]);
    }
};

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
