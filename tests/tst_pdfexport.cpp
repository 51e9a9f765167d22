// Saving the report: the proposed file and the warning in each language, three pages
// of print resolution without page outlines, and saves that fail without touching the
// file that had the chosen name.

#include "app/language.h"
#include "dialogdriver.h"
#include "pdfpages.h"
#include "report/reportform.h"
#include "workdir.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <unistd.h>

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

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Saves through the real file dialog; the dialogs seen, the warning pressed away.
QList<SeenDialog> saveAs(ReportForm &form, const QString &path, bool warns)
{
    DialogDriver driver;
    driver.chooseFile(path);
    if (QFileInfo::exists(path))
        driver.press(QMessageBox::Yes); // the file dialog's question: replace it?
    if (warns)
        driver.press(QMessageBox::Ok);
    form.findChild<QPushButton *>(QStringLiteral("pushButtonSave"))->click();
    driver.waitDone();
    return driver.unexpectedCount() ? QList<SeenDialog>() : driver.seen();
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QString mounted;

private slots:
    void init() { wd.reset(new WorkDir); }
    void cleanup()
    {
        if (!mounted.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {mounted});
        mounted.clear();
        wd.reset();
    }

    void save_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("Portuguese") << false << "Salvar Relatório"
                                    << "relatorio_zetu.pdf";
        QTest::newRow("English") << true << "Save Report"
                                 << "report_zetu.pdf";
    }
    void save()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QString, proposed);
        QTranslator translator;
        if (english)
            QCOMPARE(installCatalogue(translator, QStringLiteral("en_US")), 1);
        ReportForm form;
        form.setEquipmentId(QStringLiteral("US-77"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        const QString path = wd->file(QStringLiteral("out/r.pdf"));
        QDir().mkpath(wd->file(QStringLiteral("out")));
        QList<SeenDialog> seen = saveAs(form, path, false);
        seen += saveAs(form, path, false); // over the first
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[0].title, title);
        const QString documents = wd->file(QStringLiteral("home/Documents"));
        QCOMPARE(seen[0].selectedFile, documents + '/' + proposed);
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.at(1).at(0).toString(), path);
        QCOMPARE(QDir(wd->file(QStringLiteral("out")))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{"r.pdf"});
        for (const char *name : pageNames)
            QCOMPARE(form.findChild<QFrame *>(name)->frameShape(), QFrame::Box);

        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
        if (info.isEmpty() || images.isEmpty())
            QSKIP("poppler-utils are not available");
        const QString heading = form.findChild<QLabel *>(QStringLiteral("label"))->text();
        QVERIFY2(info.contains(QRegularExpression("Title: +" + heading + " - US-77\n")),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Creator: +ZETU\n")));
        QVERIFY(info.contains(QRegularExpression("Pages: +3\n")));
        QVERIFY(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")));
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList lines = images.split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QStringList f = lines[i].simplified().split(' ');
            QCOMPARE(f[0].toInt(), i + 1);
            QVERIFY2(f[12].toInt() >= 300 && f[13].toInt() >= 300, qPrintable(lines[i]));
        }
        const QList<QImage> pages = renderPdfPages(path, wd->file(QStringLiteral("page")), 60);
        QCOMPARE(pages.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(!hasFullHeightLine(pages[i]), pageNames[i]);
    }

    // A save that cannot complete warns, leaves the earlier file byte for byte and no
    // partial file beside it.
    void failingSave_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("full disk") << "full";
        QTest::newRow("folder not writable") << "read-only";
        QTest::newRow("missing folder") << "missing";
    }
    void failingSave()
    {
        QFETCH(QString, kind);
        const QString dir = wd->file(QStringLiteral("out"));
        QDir().mkpath(dir);
        const bool root = geteuid() == 0;
        if (kind == "full") {
            if (!root ||
                QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}) != 0)
                QSKIP("a tiny tmpfs needs root");
            mounted = dir;
        }
        QString path = dir + "/r.pdf";
        QFile earlier(path);
        if (kind == "missing")
            path = dir + "/missing/r.pdf";
        else
            QVERIFY(earlier.open(QIODevice::WriteOnly) &&
                    earlier.write(QByteArray(20000, 'e')) == 20000);
        earlier.close();
        if (kind == "read-only") {
            if (root)
                QSKIP("root writes into any folder");
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QStringList before =
            QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);

        ReportForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        const QList<SeenDialog> seen = saveAs(form, path, true);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(seen.size() >= 2);
        QCOMPARE(seen.last().icon, QMessageBox::Warning);
        QCOMPARE(seen.last().text, QString("Não foi possível gravar o arquivo PDF."));
        QCOMPARE(saved.size(), 0);
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 before);
        if (kind == "full" || kind == "read-only") {
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), QByteArray(20000, 'e'));
        }
    }
};

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
