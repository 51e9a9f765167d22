// Saving the report: three A4 pages of print resolution, and
// saves that fail without touching the file that had the chosen name.

#include "dialogdriver.h"
#include "report/reportform.h"
#include "workdir.h"

#include <QPushButton>
#include <QtTest>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Saves through the real file dialog, confirming a replacement; the dialogs seen.
QList<SeenDialog> saveAs(ReportForm &form, const QString &path, bool warns)
{
    DialogDriver driver;
    driver.chooseFile(path);
    if (QFileInfo::exists(path))
        driver.press(QMessageBox::Yes);
    if (warns)
        driver.press(QMessageBox::Ok);
    form.findChild<QPushButton *>("pushButtonSave")->click();
    return driver.waitDone() ? driver.seen() : QList<SeenDialog>();
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
            QProcess::execute("umount", {mounted});
        mounted.clear();
        wd.reset();
    }

    void savesPrintPages()
    {
        ReportForm form;
        form.setEquipmentId("US-77");
        form.show();
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        const QString path = wd->file("r.pdf");
        QCOMPARE(saveAs(form, path, false).size(), 1);
        QCOMPARE(saveAs(form, path, false).size(), 2); // over the first
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved.at(1).at(0).toString(), path);
        QCOMPARE(QDir(wd->path()).entryList(QDir::Files | QDir::Hidden), QStringList("r.pdf"));

        const QString info = run("pdfinfo", {path});
        const QStringList images = run("pdfimages", {"-list", path}).split('\n').mid(2, 3);
        if (info.isEmpty())
            QSKIP("poppler-utils are not available");
        QVERIFY(info.contains(QRegularExpression(
            "Title: +Controle de Qualidade - Ultrassom modo B - US-77\nCreator: +ZETU\n")));
        QVERIFY(info.contains(QRegularExpression("Pages: +3\n")) &&
                info.contains("595 x 842 pts (A4)"));
        for (int i = 0; i < 3; ++i) {
            // page num type width height color comp bpc enc interp object ID x-ppi y-ppi
            const QStringList f = images.value(i).simplified().split(' ');
            QVERIFY2(f.size() > 13 && f[0].toInt() == i + 1 && f[12].toInt() >= 300 &&
                         f[13].toInt() >= 300,
                     qPrintable(images.value(i)));
        }
    }

    // The warning, the earlier file byte for byte, and no partial file beside it.
    void failingSaveKeepsEarlierFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("full disk") << "full";
        QTest::newRow("folder not writable") << "read-only";
    }
    void failingSaveKeepsEarlierFile()
    {
        QFETCH(QString, kind);
        const QString dir = wd->file("out"), path = dir + "/r.pdf";
        QDir().mkpath(dir);
        if (kind == "full") {
            if (geteuid() != 0 ||
                QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}) != 0)
                QSKIP("a tiny tmpfs needs root");
            mounted = dir;
        }
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(QByteArray(20000, 'e')));
        earlier.close();
        if (kind == "read-only" &&
            (geteuid() == 0 || !QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner)))
            QSKIP("root writes into any folder");
        ReportForm form;
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        const QList<SeenDialog> seen = saveAs(form, path, true);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(seen.value(seen.size() - 1).text,
                 QString("Não foi possível gravar o arquivo PDF."));
        QCOMPARE(saved.size(), 0);
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList("r.pdf"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray(20000, 'e'));
    }
};

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
