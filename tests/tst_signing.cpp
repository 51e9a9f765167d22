// Signing the report with A1 certificates of a throwaway CA made here: pdfsig finds
// the signature valid and whole and a byte changed breaks it; every bad certificate is
// refused with its reason and nothing is written.

#include "history/inspectionstore.h"
#include "report/certificate.h"
#include "report/pdfsigner.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

// Password "segredo" for all; text.pfx is not a certificate.
static const char makeCertificates[] = R"(set -e
o() { openssl "$@" 2>/dev/null; }
p() { o pkcs12 -export -passout pass:segredo "$@"; }
o req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.crt -subj /CN=AC -days 2
o req -newkey rsa:2048 -nodes -keyout s.key -out s.csr -subj "/O=ICP-Brasil/CN=MARIA DA SILVA:12345678901"
o x509 -req -in s.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 2 -out s.crt
o x509 -req -in s.csr -CA ca.crt -CAkey ca.key -days -1 -out old.crt
o genrsa -out other.key 2048
p -in s.crt -inkey s.key -certfile ca.crt -out good.pfx
p -in old.crt -inkey s.key -out expired.pfx
p -nocerts -inkey other.key -certfile s.crt -out mismatch.pfx
p -nokeys -in s.crt -out nokey.p12
o pkcs12 -export -passout pass: -in s.crt -inkey s.key -out open.pfx
echo text > text.pfx)";

// A certificate with a key it does not belong to: no signature can be made.
struct MixedKey : Pkcs12Key
{
    using Pkcs12Key::Pkcs12Key;
    EVP_PKEY *other = nullptr;
    EVP_PKEY *privateKey() const override { return other; }
};

struct ShownText : QObject // the text a label has when it is shown
{
    QString text;
    bool eventFilter(QObject *label, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            text = static_cast<QLabel *>(label)->text();
        return false;
    }
};

class TestSigning : public QObject
{
    Q_OBJECT

    QTemporaryDir keys;

    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        return process.waitForFinished() ? process.readAll() : QString();
    }

private slots:
    void initTestCase()
    {
        QProcess script;
        script.setWorkingDirectory(keys.path());
        script.start("bash", {"-c", makeCertificates});
        QVERIFY(script.waitForFinished(30000) && script.exitCode() == 0);
        // not yet valid: the same certificate a day earlier
        const Pkcs12Key early(keys.filePath("good.pfx"), "segredo",
                              QDateTime::currentDateTimeUtc().addDays(-1));
        QCOMPARE(early.problem(), Pkcs12Key::NotYetValid);
        QVERIFY(Pkcs12Key(keys.filePath("open.pfx"), "").isUsable()); // no password
    }

    // zetu.ini's policy, "OID|hash|taken" (OID:hash in hexadecimal, "-" refused); names.
    void policyAndSigner()
    {
        const QString hex(64, 'a'), base64 = QByteArray(32, 'U').toBase64();
        for (const QString &row : QStringList{
                 "||:", "2.16.76.1.7|" + hex + "|2.16.76.1.7:" + hex,
                 " 2.16.76 |" + base64 + "|2.16.76:" + QString(64, '5'), "2.16.76||-",
                 "|" + hex + "|-", "2.16.076|" + hex + "|-", "2.16.76|" + hex.left(62) + "|-"}) {
            const QStringList f = row.split('|');
            PdfSigner::Policy p;
            const bool taken = PdfSigner::Policy::fromText(f[0], f[1], &p);
            QCOMPARE(taken ? QString(p.oid + ':' + p.hash.toHex()) : QString("-"), f[2]);
        }
        QCOMPARE(Signer::fromCommonName(" Ana Lima:98765432100 ").display() + "|" +
                     Signer::fromCommonName("Ana Lima:987").display(),
                 "Ana Lima (CPF ***.***.***-00)|Ana Lima:987");
    }

    // Through the report dialog of a finished wizard: certificate, password, [policy],
    // where to save. A bad input says why and writes nothing.
    void sign_data()
    {
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("policy");  // zetu.ini's [Signature]
        QTest::addColumn<QString>("message"); // the start of the warning; empty: signed
        const QString hash = "PolicyHash=" + QString(64, 'b');
        // clang-format off
        QTest::newRow("signed") << "good.pfx" << "segredo" << "" << "";
        QTest::newRow("with policy") << "good.pfx" << "segredo" << "PolicyOid=2.16.76.1.7.1.1.2.3\n" + hash << "";
        QTest::newRow("wrong password") << "good.pfx" << "errada" << "" << "A senha não confere com o certificado good.pfx.";
        QTest::newRow("expired") << "expired.pfx" << "segredo" << "" << "O certificado do arquivo expired.pfx venceu em " + QDate::currentDate().addDays(-1).toString("dd/MM/yyyy");
        QTest::newRow("mismatched key") << "mismatch.pfx" << "segredo" << "" << "A chave privada do arquivo mismatch.pfx não pertence ao certificado";
        QTest::newRow("no private key") << "nokey.p12" << "segredo" << "" << "O arquivo nokey.p12 tem o certificado, mas não a chave privada.";
        QTest::newRow("not a certificate") << "text.pfx" << "" << "" << "O arquivo text.pfx não é um certificado digital A1";
        QTest::newRow("password cancelled") << "good.pfx" << QString() << "" << "-";
        QTest::newRow("bad policy") << "good.pfx" << "segredo" << "PolicyOid=x\n" + hash << "A política de assinatura de zetu.ini";
        // clang-format on
    }
    void sign()
    {
        QFETCH(QString, certificate);
        QFETCH(QString, password);
        QFETCH(QString, policy);
        QFETCH(QString, message);
        WorkDir wd;
        if (!message.isEmpty() && message != "-")
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression("refused: \"" +
                                                 QRegularExpression::escape(message) + "|policy"));
        QFile ini("zetu.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(("[Signature]\n" + policy).toUtf8()));
        ini.close();
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
        MainWindow window(0);
        WizardFill::makeStepsValid(&window);
        window.show();
        for (int step = 0; step < 8; ++step)
            window.findChild<QPushButton *>("pushButtonNext")->click();
        const QString pdf = wd.file("home/r.pdf");
        DialogDriver driver;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        ShownText shown;
        bool lineStays = true;
        driver.then([&](QWidget *report) {
            driver.chooseFile(keys.filePath(certificate)).then([&](QWidget *modal) {
                auto *dialog = qobject_cast<QInputDialog *>(modal);
                echo = dialog->textEchoMode();
                dialog->setTextValue(password);
                password.isNull() ? dialog->reject() : dialog->accept();
            });
            if (message.isEmpty())
                driver.chooseFile(pdf);
            else if (message != "-")
                driver.press(QMessageBox::Ok);
            auto *label = report->findChild<QLabel *>("labelSigned");
            label->installEventFilter(&shown);
            report->findChild<QPushButton *>("pushButtonSign")->click();
            lineStays = label->isVisible();
            report->close();
        });
        window.findChild<QPushButton *>("pushButtonReport")->click();
        QVERIFY(driver.waitDone(15000));
        QCOMPARE(echo, QLineEdit::Password);
        const QStringList written = QDir(wd.file("home")).entryList(QDir::Files | QDir::Hidden);
        const QVector<StoredInspection> kept = InspectionStore::forEquipment(1);
        if (!message.isEmpty()) {
            QVERIFY2(message == "-" ? driver.seen().size() == 3
                                    : driver.seen().last().text.startsWith(message),
                     qPrintable(driver.seen().last().text));
            QVERIFY(written.isEmpty() && kept.value(0).state != StoredInspection::Reported);
            return;
        }
        QCOMPARE(written, QStringList("r.pdf"));
        // on page 3 (where its pages are text, in the PDF's text too), then gone again
        const QString line = "Assinado digitalmente por MARIA DA SILVA (CPF ***.***.***-01) em " +
                             QDate::currentDate().toString("dd/MM/yyyy");
        const QString text = run("pdftotext", {"-f", "3", pdf, "-"}).simplified();
        QVERIFY(shown.text.startsWith(line) && !lineStays &&
                (text.isEmpty() || text.contains(line)));
        const QString verdict = run("pdfsig", {pdf});
        QVERIFY2(verdict.contains("Signature is Valid.") &&
                     verdict.contains("Total document signed"),
                 qPrintable(verdict));
        QCOMPARE(QProcess::execute("qpdf", {"--check", "--no-warn", pdf}), 0);
        QDir::setCurrent(wd.file("home"));
        run("pdfsig", {"-dump", pdf});
        const QString cms =
            run("openssl", {"cms", "-cmsout", "-print", "-inform", "DER", "-in", "r.pdf.sig0"});
        QVERIFY(cms.contains("signingCertificateV2") && cms.contains("signingTime"));
        QCOMPARE(cms.contains("2.16.76.1.7.1.1.2.3"), !policy.isEmpty());
        QCOMPARE(cms.count("cert_info:"), 2); // the CA came with the key

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll(), hash;
        const QJsonObject facts = kept.value(0).values["signature"].toObject();
        QCOMPARE(facts["signer"].toString(), "MARIA DA SILVA (CPF ***.***.***-01)");
        QCOMPARE(facts["sha256"].toString(),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        QVERIFY(file.seek(12) && file.putChar(bytes.at(12) ^ 1));
        file.close();
        QVERIFY(!run("pdfsig", {pdf}).contains("Signature is Valid"));
        // a damaged cross-reference, and no PDF at all: not signed, logged
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray(bytes).replace("\nxref", "\nxrex")));
        file.close();
        for (const QString &bad : {pdf, keys.filePath("text.pfx")}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be signed"));
            QVERIFY(!PdfSigner::sign(bad, Pkcs12Key(keys.filePath(certificate), password.toUtf8()),
                                     QDateTime(), {}, &hash));
        }
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes)); // whole again
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
        const Pkcs12Key mismatch(keys.filePath("mismatch.pfx"), "segredo");
        MixedKey mixed(keys.filePath("good.pfx"), "segredo");
        mixed.other = mismatch.privateKey();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no CMS: .+"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("a CMS of 0 bytes"));
        QVERIFY(!PdfSigner::sign(pdf, mixed, QDateTime(), {}, &hash));
        window.findChild<QLineEdit *>("lineTecResp")->setText("Outro"); // no longer as signed
        window.close();
        QVERIFY(!InspectionStore::forEquipment(1).value(0).values.contains("signature"));
    }
};

QTEST_MAIN(TestSigning)
#include "tst_signing.moc"
