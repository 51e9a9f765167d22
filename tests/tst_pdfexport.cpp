// Saving the report: three A4 pages of print resolution, and saves that fail without
// touching the file that had the chosen name.

#include "dialogdriver.h"
#include "report/reportform.h"
#include "workdir.h"

#include <QPushButton>
#include <QtTest>
#include <unistd.h>

class TestPdfExport : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QString mounted;

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
    QString run(const QString &program, const QString &pdf, const QStringList &options = {})
    {
        QProcess process;
        process.start(program, options + QStringList(pdf));
        return process.waitForFinished() ? process.readAllStandardOutput() : QString();
    }

private slots:
    void init() { wd.reset(new WorkDir); }
    void cleanup()
    {
        if (!mounted.isEmpty())
            QProcess::execute("umount", {mounted});
        mounted.clear();
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
        QCOMPARE(saved.value(1).value(0).toString(), path);
        QCOMPARE(QDir(wd->path()).entryList(QDir::Files | QDir::Hidden), QStringList("r.pdf"));
        const QString info = run("pdfinfo", path);
        QVERIFY(info.contains(QRegularExpression("Title: +Controle de Qualidade - Ultrassom modo B "
                                                 "- US-77\nCreator: +ZETU\n(.*\n)*Pages: +3\n"
                                                 "(.*\n)*Page size: +595 x 842 pts \\(A4\\)")));
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList images = run("pdfimages", path, {"-list"}).split('\n').mid(2, 3);
        for (int i = 0; i < 3; ++i) {
            const QStringList f = images.value(i).simplified().split(' ');
            QVERIFY2(f.value(0).toInt() == i + 1 &&
                         qMin(f.value(12).toInt(), f.value(13).toInt()) >= 300,
                     qPrintable(images.value(i)));
        }
    }

    // A full disk (as root, on a tiny tmpfs) or a folder that cannot be written (as a
    // user): the warning, the earlier file byte for byte, no partial file beside it.
    void failingSaveKeepsEarlierFile()
    {
        const QString dir = wd->file("out"), path = dir + "/r.pdf";
        const bool root = geteuid() == 0;
        QDir().mkpath(dir);
        if (root && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}))
            QSKIP("no tmpfs can be mounted here");
        mounted = root ? dir : QString();
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(QByteArray(20000, 'e')));
        earlier.close();
        if (!root)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        ReportForm form;
        QSignalSpy saved(&form, &ReportForm::reportSaved);
        const QList<SeenDialog> seen = saveAs(form, path, true);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(seen.value(seen.size() - 1).text,
                 QString("Não foi possível gravar o arquivo PDF."));
        QCOMPARE(saved.size(), 0);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList("r.pdf"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray(20000, 'e'));
    }
};

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
