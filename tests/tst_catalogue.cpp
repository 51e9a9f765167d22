// The English catalogue: what the interface reads with and without it, and
// that the committed translation source matches the program's texts.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// Reads the messages of a translation source; empty with *error set when the
// file is missing or not well formed.
QVector<Message> readTs(const QString &path, QString *error)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.finished = xml.attributes().value("type").isEmpty();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        messages.clear();
    }
    return messages;
}

QSet<QPair<QString, QString>> pairsOf(const QVector<Message> &messages)
{
    QSet<QPair<QString, QString>> pairs;
    for (const Message &m : messages)
        pairs.insert(qMakePair(m.context, m.source));
    return pairs;
}

QString describe(const QSet<QPair<QString, QString>> &pairs)
{
    QStringList lines;
    for (const auto &p : pairs)
        lines << QString("%1: \"%2\"").arg(p.first, p.second.left(90));
    lines.sort();
    return lines.join('\n');
}

QString committedCatalogue()
{
    return QStringLiteral(ZETU_SOURCE_DIR "/resources/ZETU_en_US.ts");
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void englishTexts_data();
    void englishTexts();
    void everyEntryComesOutOfTheCompiledCatalogue();
    void catalogueMatchesTheProgramsTexts();

private:
    QScopedPointer<QTranslator> translator;
};

void TestCatalogue::init()
{
    // installed as start-up installs it for "en_US"
    translator.reset(new QTranslator);
    QVERIFY(translator->load(":languages/ZETU_en_US"));
}

void TestCatalogue::cleanup()
{
    QCoreApplication::removeTranslator(translator.data());
    translator.reset();
}

// Texts whose entry is easy to get wrong: blanks, line breaks and typos of the source,
// texts kept as they are, and texts translated in their own context only. The texts
// the windows show are checked there, in English and in Portuguese.
void TestCatalogue::englishTexts_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    auto row = [](const char *name, const char *context, const char *source, const char *english) {
        QTest::newRow(name) << context << QString::fromUtf8(source) << QString::fromUtf8(english);
    };
    row("dialog add", "InsertEquip", "Adicionar", "Add");
    row("dialog ok", "InsertEquip", "Ok", "Ok");
    row("dialog duplicate", "InsertEquip", "Não é permitido ID duplicado para a mesma Instituição.",
        "It is not allowed a duplicated ID for the same institution.");
    row("dialog refused save", "InsertEquip",
        "Não foi possível salvar o registro no banco de dados.",
        "The record could not be saved to the database.");
    row("mass start, trailing blank", "MainWindow", "Massa(s) ", "Masse(s) ");
    row("mass end, leading blank", "MainWindow", " não preenchida(s)", " not filled(s)");
    row("focal zone loses its blank", "MainWindow", "Zona Focal ", "Focal Zone");
    row("line break in source", "MainWindow",
        "Preencha o campo de texto\nexplicando a inomogeneidade",
        "Fill the text field explaining the inhomogeneity");
    row("misspelt source", "MainWindow", "Prencha o nome do responsável técnico",
        "Fill the specialist person name");
    row("pdf name", "ReportForm", "/relatorio_zetu.pdf", "/report_zetu.pdf");
    row("report pdf failure", "ReportForm", "Não foi possível gravar o arquivo PDF.",
        "The PDF file could not be written.");
    row("dialog text not in report", "ReportForm", "Adicionar", "Adicionar");
    row("report text not in wizard", "MainWindow", "Fabricante:", "Fabricante:");
}

void TestCatalogue::englishTexts()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);
    const QByteArray c = context.toUtf8(), s = source.toUtf8();
    // without the catalogue every text reads as its source
    QCOMPARE(QCoreApplication::translate(c.constData(), s.constData()), source);
    QVERIFY(QCoreApplication::installTranslator(translator.data()));
    QCOMPARE(QCoreApplication::translate(c.constData(), s.constData()), english);
}

void TestCatalogue::everyEntryComesOutOfTheCompiledCatalogue()
{
    QString error;
    const QVector<Message> messages = readTs(committedCatalogue(), &error);
    QVERIFY2(!messages.isEmpty(), qPrintable(error));

    QVERIFY(QCoreApplication::installTranslator(translator.data()));
    QHash<QString, int> perContext;
    int unfinished = 0;
    for (const Message &m : messages) {
        ++perContext[m.context];
        const QString shown =
            QCoreApplication::translate(qPrintable(m.context), m.source.toUtf8().constData());
        if (m.finished) {
            QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
            QCOMPARE(shown, m.translation);
        } else {
            ++unfinished;
            QCOMPARE(m.translation, QString());
            QCOMPARE(shown, m.source);
        }
    }
    // the agreed catalogue, with the two failure messages added to it
    QCOMPARE(perContext.value("InsertEquip"), 12 + 1);
    QCOMPARE(perContext.value("MainWindow"), 111);
    QCOMPARE(perContext.value("ReportForm"), 82 + 1);
    QCOMPARE(perContext.value("TrendDialog"), 32);
    QCOMPARE(perContext.size(), 4);
    QCOMPARE(unfinished, 1);
}

void TestCatalogue::catalogueMatchesTheProgramsTexts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scanned = dir.filePath("scanned.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(ZETU_SOURCE_DIR);
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(ZETU_LUPDATE, {"-I", ".", "-no-obsolete", "-locations", "none",
                                 "-source-language", "pt_BR", "-target-language", "en_US", "app",
                                 "registry", "wizard", "report", "history", "-ts", scanned});
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString error;
    const QVector<Message> program = readTs(scanned, &error);
    QVERIFY2(!program.isEmpty(), qPrintable(error));
    const QVector<Message> committed = readTs(committedCatalogue(), &error);
    QVERIFY2(!committed.isEmpty(), qPrintable(error));

    const auto programPairs = pairsOf(program);
    const auto committedPairs = pairsOf(committed);
    // the report's third footer placeholder is the one text left without entry
    const QSet<QPair<QString, QString>> withoutEntry{
        qMakePair(QString("ReportForm"), QString("Resposável"))};
    const auto lacking = programPairs - committedPairs;
    const auto unused = committedPairs - programPairs;
    QVERIFY2(lacking == withoutEntry,
             qPrintable("program texts without entry:\n" + describe(lacking - withoutEntry) +
                        "\nexpected without entry but found:\n" +
                        describe(withoutEntry - lacking)));
    QVERIFY2(unused.isEmpty(), qPrintable("entries no text uses:\n" + describe(unused)));
    QCOMPARE(committed.size(), committedPairs.size());
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
