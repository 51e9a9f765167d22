// What ties the code to its forms and its catalogue: slots bound by name and every
// program text translated.

#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QMetaMethod>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The (context, source) pairs of a translation source, each with "!" in front when
// its translation is missing or unfinished.
QSet<QString> entries(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    QSet<QString> found;
    const QRegularExpression context("<name>(.*?)</name>(.*?)</context>",
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression message(
        "<source>(.*?)</source>\\s*<translation( type=\"unfinished\")?",
        QRegularExpression::DotMatchesEverythingOption);
    for (auto c = context.globalMatch(text); c.hasNext();) {
        const auto cm = c.next();
        for (auto m = message.globalMatch(cm.captured(2)); m.hasNext();) {
            const auto mm = m.next();
            found << (mm.captured(2).isEmpty() ? "" : "!") + cm.captured(1) + ": " + mm.captured(1);
        }
    }
    return found;
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    // An on_<object>_<signal> slot whose widget was renamed in a form is silently lost.
    void everySlotFindsItsWidget()
    {
        WorkDir wd;
        MainWindow window(0);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            const QMetaObject *mo = w->metaObject();
            for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
                const QByteArray sig = mo->method(i).methodSignature();
                if (!sig.startsWith("on_"))
                    continue;
                const QByteArray body = sig.mid(3, sig.indexOf('(') - 3);
                bool bound = false;
                for (QObject *o : w->findChildren<QObject *>()) {
                    const QByteArray name = o->objectName().toLatin1();
                    if (!name.isEmpty() && body.startsWith(name + '_'))
                        bound |= o->metaObject()->indexOfSignal(body.mid(name.size() + 1) +
                                                                sig.mid(sig.indexOf('('))) >= 0;
                }
                QVERIFY2(bound, sig.constData());
            }
        }
    }

    // Every text of the code and the forms has its English entry, and no entry is stale.
    void catalogueCoversTheProgram()
    {
        QTemporaryDir dir;
        const QString scanned = dir.filePath("scanned.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(ZETU_SOURCE_DIR);
        lupdate.start(ZETU_LUPDATE,
                      {"-silent", "-I", ".", "-no-obsolete", "-locations", "none", "app",
                       "registry", "wizard", "report", "history", "-ts", scanned});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        QSet<QString> program;
        QVERIFY(entries(scanned).size() > 200);
        for (QString e : entries(scanned))
            program << e.remove(0, e.startsWith('!') ? 1 : 0);
        const QSet<QString> committed = entries(ZETU_SOURCE_DIR "/resources/ZETU_en_US.ts");
        // the report's third footer placeholder and the explanation's caption stay Portuguese
        QSet<QString> expected;
        for (const QString &e : program)
            expected << (e.contains("Resposável") || e.contains("Explique brevemente") ? "!" + e
                                                                                       : e);
        QCOMPARE(QStringList((committed - expected).values()), QStringList());
        QCOMPARE(QStringList((expected - committed).values()), QStringList());
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
