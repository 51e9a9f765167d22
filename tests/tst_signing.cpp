// Signing the report with A1 certificates of a throwaway CA made here and with a token
// in SoftHSM2: pdfsig finds the certification signature valid and whole, OpenSSL reads
// its policy and no signing time, a byte changed breaks it; every bad certificate is
// refused with its reason and nothing signed is written or recorded.

#include "history/inspectionstore.h"
#include "report/certificate.h"
#include "report/pdfinfo.h"
#include "report/pdfsigner.h"
#include "report/signingmodule.h"
#include "wizard/aboutdialog.h"
#include "wizard/mainwindow.h"

#include "dialogdriver.h"
#include "wizardfill.h"
#include "workdir.h"

// qpdf's own pointers only, not its old PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>

// Password "segredo" for all files, PIN 1234 for the token; text.pfx is not a
// certificate, fifo.pfx a FIFO. The token holds good's certificate and key and, under
// ID 02, the CA's certificate with a key of another.
static const char makeCertificates[] = R"(set -e
o() { openssl "$@" 2>/dev/null; }
p() { o pkcs12 -export -passout pass:segredo "$@"; }
x() { # name, key, subject, extensions, days
  o req -new -key $2 -subj "$3" -out $1.csr
  printf "${4:-keyUsage=digitalSignature,nonRepudiation}" > $1.ext
  o x509 -req -in $1.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days ${5:-2} -extfile $1.ext -out $1.crt
  p -in $1.crt -inkey $2 -certfile ca.crt -out $1.pfx
}
o req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.crt -subj /CN=AC -days 2
for k in s:2048 other:2048 weak:1024; do o genrsa -out ${k%:*}.key ${k#*:}; done
o ecparam -name prime256v1 -genkey -noout -out ec.key
x good s.key "/O=ICP-Brasil/CN=MARIA DA SILVA:12345678901" "keyUsage=nonRepudiation\nsubjectAltName=otherName:2.16.76.1.3.1;OCTETSTRING:0101198012345678909"
x expired s.key "/CN=MARIA DA SILVA:12345678901" "" -1
x weak weak.key "/CN=FRACO"
x cipher s.key "/CN=CIFRA" "keyUsage=keyEncipherment"
x noname s.key "/O=ICP-Brasil/CN=12345"
x ec ec.key "/CN=JOSE DA CURVA:98765432100"
x contents s.key "/CN=ANA) \/Contents <00> (B:12345678901"
p -nocerts -inkey other.key -certfile good.crt -out mismatch.pfx
p -nokeys -in good.crt -out nokey.p12
o pkcs12 -export -passout pass: -in good.crt -inkey s.key -out open.pfx
echo text > text.pfx
mkfifo fifo.pfx
mkdir tokens
echo "directories.tokendir = $PWD/tokens" > softhsm2.conf
export SOFTHSM2_CONF=$PWD/softhsm2.conf
softhsm2-util --init-token --free --label ZETU --pin 1234 --so-pin 5678 >/dev/null
w() { pkcs11-tool --module $module --login --pin 1234 -w $1 -y $2 -d $3 >/dev/null 2>&1; }
w s.key privkey 01; w good.crt cert 01; w other.key privkey 02; w ca.crt cert 02)";

// A certificate with a key it does not belong to: the signature made does not verify.
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
    const QString module = "/usr/lib/softhsm/libsofthsm2.so";

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
        qputenv("module", module.toUtf8());
        script.start("bash", {"-c", makeCertificates});
        QVERIFY2(script.waitForFinished(30000) && script.exitCode() == 0,
                 script.readAllStandardError().constData());
        qputenv("SOFTHSM2_CONF", keys.filePath("softhsm2.conf").toUtf8());
        // not yet valid: the same certificate a day earlier
        const Pkcs12Key early(keys.filePath("good.pfx"), "segredo",
                              QDateTime::currentDateTimeUtc().addDays(-1));
        QCOMPARE(early.problem(), Pkcs12Key::NotYetValid);
        QVERIFY(Pkcs12Key(keys.filePath("open.pfx"), "").isUsable()); // no password
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
        QCOMPARE(Pkcs12Key(keys.filePath("absent.pfx"), "").problem(), Pkcs12Key::Unreadable);
    }

    // zetu.ini's policy, "OID|hash|URI|taken" (OID:hash:URI, "-" refused); names as the
    // page shows them ("-": refused).
    void policyAndSigner()
    {
        const QString hex(64, 'a'), base64 = QByteArray(32, 'U').toBase64(), u = "http://p/a.der";
        for (const QString &row :
             QStringList{"|||2.16.76.1.7.1.11.1.3:" + PdfSigner::Policy::adRb().hash.toHex() +
                             ":http://politicas.icpbrasil.gov.br/PA_PAdES_AD_RB_v1_3.der",
                         "2.16.76.1.7|" + hex + "||2.16.76.1.7:" + hex + ":",
                         " 2.16.76 |" + base64 + "|" + u + "|2.16.76:" + QString(64, '5') + ":" + u,
                         "2.16.76|||-", "|" + hex + "||-", "2.16.076|" + hex + "||-",
                         "2.16.76|" + hex.left(62) + "||-", "2.16.76|" + hex + "|http://a/$x|-",
                         "2.16.76|" + hex + "|p a|-"}) {
            const QStringList f = row.split('|');
            PdfSigner::Policy p;
            const bool taken = PdfSigner::Policy::fromText(f[0], f[1], f[2], &p);
            QCOMPARE(taken ? QString(p.oid + ':' + p.hash.toHex() + ':' + p.uri) : "-", f[3]);
        }
        const QString mask = "(CPF ***.***.***-01)";
        const QString rows[][2] = {
            {" Ana Lima:98765432100 ", "Ana Lima (CPF ***.***.***-00)"},
            {"Ana Lima:987", "Ana Lima:987"},
            {"MARIA\n\t:12345678901", "MARIA " + mask},
            {"MARIA 123.456.789-01:12345678901", "MARIA ***.***.***-01 " + mask},
            {"\u202Elive\u200F\x07 X", "live X"},
            {QString("W").repeated(2000), QString("W").repeated(63) + "\u2026"},
            {QString("W").repeated(64), QString("W").repeated(64)},
            {"\x01\u202E", "-"},
            {"12345:12345678901", "-"}};
        for (const auto &row : rows) {
            const Signer signer = Signer::fromCommonName(row[0]);
            QCOMPARE(signer.isUsable() ? signer.display() : "-", row[1]);
        }
    }

    // Through the report dialog of a finished wizard, saved first: where the certificate
    // is, the file or the token's certificate, its passwords or PINs in turn, where to
    // save. A bad input says why and signs nothing.
    void sign_data()
    {
        QTest::addColumn<QString>("certificate"); // a file; "token N": the token's Nth
        QTest::addColumn<QStringList>("secrets"); // null: the dialog cancelled
        QTest::addColumn<QString>("ini");         // zetu.ini's [Signature]
        QTest::addColumn<QString>("message");     // the start of the warning; empty: signed
        const QStringList pass{"segredo"};
        const QString maria = "MARIA DA SILVA (CPF ***.***.***-09)";
        const QString policy = "PolicyOid=2.16.76.1.7.1.1.2.3\nPolicyHash=" + QString(64, 'b');
        const QString token = "Pkcs11Module=" + module;
        // clang-format off
        QTest::newRow("signed") << "good.pfx" << pass << "" << "";
        QTest::newRow("with policy") << "good.pfx" << pass << policy << "";
        QTest::newRow("name with /Contents <") << "contents.pfx" << pass << "" << "";
        QTest::newRow("EC") << "ec.pfx" << pass << "" << "";
        QTest::newRow("wrong password, then right") << "good.pfx" << QStringList{"errada", "segredo"} << "" << "";
        QTest::newRow("token, wrong PIN, then right") << "token MARIA" << QStringList{"4321", "1234"} << token << "";
        QTest::newRow("token key of another") << "token AC" << QStringList{"1234"} << token << "A assinatura não pôde ser conferida";
        QTest::newRow("no token module") << "token" << QStringList() << "Pkcs11Module=" + keys.filePath("fifo.pfx") << "Não foi possível carregar o módulo PKCS#11";
        QTest::newRow("expired") << "expired.pfx" << pass << "" << "O certificado expired.pfx venceu em " + QDate::currentDate().addDays(-1).toString("dd/MM/yyyy");
        QTest::newRow("weak key") << "weak.pfx" << pass << "" << "A chave do certificado weak.pfx (RSA 1024 bits) é fraca demais";
        QTest::newRow("not for signing") << "cipher.pfx" << pass << "" << "O certificado cipher.pfx não serve para assinar";
        QTest::newRow("no name") << "noname.pfx" << pass << "" << "O certificado noname.pfx não traz o nome do titular.";
        QTest::newRow("mismatched key") << "mismatch.pfx" << pass << "" << "A chave privada do arquivo mismatch.pfx não pertence ao certificado";
        QTest::newRow("no private key") << "nokey.p12" << pass << "" << "O arquivo nokey.p12 tem o certificado, mas não a chave privada.";
        QTest::newRow("not a certificate") << "text.pfx" << QStringList("") << "" << "O arquivo text.pfx não é um certificado digital A1";
        QTest::newRow("FIFO") << "fifo.pfx" << pass << "" << "fifo.pfx não é um arquivo comum";
        QTest::newRow("password cancelled") << "good.pfx" << QStringList(QString()) << "" << "-";
        QTest::newRow("bad policy") << "" << QStringList() << "PolicyOid=x\nPolicyHash=" + QString(64, 'b') << "A política de assinatura de zetu.ini";
        QTest::newRow("no signing module") << "" << QStringList() << "" << "O módulo de assinatura digital /";
        // clang-format on
    }
    void sign()
    {
        QFETCH(QString, certificate);
        QFETCH(QStringList, secrets);
        QFETCH(QString, ini);
        QFETCH(QString, message);
        WorkDir wd;
        if (!message.isEmpty() && message != "-")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused|policy|verify|module"));
        // the module looked for in a folder without it
        const bool noModule = message.startsWith("O módulo");
        SigningModule::setFolder(noModule ? wd.path() : QString());
        const auto restore = qScopeGuard([] { SigningModule::setFolder(QString()); });
        QFile file("zetu.ini");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(("[Signature]\n" + ini).toUtf8()));
        file.close();
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
        MainWindow window(0);
        WizardFill::makeStepsValid(&window);
        const QString technician = "Maria Aparecida dos Santos Vasconcellos ";
        window.findChild<QLineEdit *>("lineTecResp")->setText(technician.repeated(50));
        window.show();
        for (int step = 0; step < 8; ++step)
            window.findChild<QPushButton *>("pushButtonNext")->click();
        const QString unsigned_ = wd.file("home/r.pdf");
        const QString pdf = wd.file("home/r_assinado.pdf");
        DialogDriver driver;
        ShownText shown;
        QStringList asked; // the password and PIN questions
        QString proposed;
        bool lineStays = false, listEditable = false, settled = false;
        driver.then([&](QWidget *report) {
            driver.chooseFile(unsigned_);
            if (!certificate.isEmpty())
                driver.then([&](QWidget *modal) {
                    static_cast<QMessageBox *>(modal)
                        ->buttons()
                        .at(certificate.startsWith("token") ? 1 : 0)
                        ->click();
                });
            if (certificate.endsWith("pfx") || certificate.endsWith("p12"))
                driver.chooseFile(keys.filePath(certificate));
            else if (certificate.startsWith("token ") && QFile::exists(module))
                driver.then([&](QWidget *modal) {
                    auto *dialog = qobject_cast<QInputDialog *>(modal);
                    listEditable = dialog->isComboBoxEditable();
                    for (const QString &item : dialog->comboBoxItems())
                        if (item.startsWith(certificate.mid(6)))
                            dialog->setTextValue(item);
                    dialog->accept();
                });
            for (int i = 0; i < secrets.size(); ++i)
                driver.then([&, i](QWidget *modal) {
                    auto *dialog = qobject_cast<QInputDialog *>(modal);
                    asked << QString::number(dialog->textEchoMode()) + dialog->labelText();
                    dialog->setTextValue(secrets[i]);
                    secrets[i].isNull() ? dialog->reject() : dialog->accept();
                });
            if (message.isEmpty() || message.startsWith("A assinatura")) // signed, then checked
                driver.then([&](QWidget *modal) {
                    proposed = qobject_cast<QFileDialog *>(modal)->selectedFiles().value(0);
                    QMetaObject::invokeMethod(modal, "accept");
                });
            if (!message.isEmpty() && message != "-")
                driver.press(QMessageBox::Ok);
            auto *label = report->findChild<QLabel *>("labelSigned");
            label->installEventFilter(&shown);
            report->findChild<QPushButton *>("pushButtonSave")->click();
            report->findChild<QPushButton *>("pushButtonSign")->click();
            settled = report->isEnabled() && !QApplication::overrideCursor(); // after a token
            lineStays = label->isVisible() && report->findChild<QLabel *>("labelSaved")
                                                  ->text()
                                                  .startsWith("Assinado e salvo em ");
            report->close();
        });
        window.findChild<QPushButton *>("pushButtonReport")->click();
        QVERIFY(driver.waitDone(20000));
        QVERIFY(settled && !listEditable);
        for (const QString &question : asked) // in password mode; after a wrong one, why
            QVERIFY2(question.startsWith(QString::number(QLineEdit::Password)) &&
                         (question == asked[0] || question.contains("não confere")),
                     qPrintable(question));
        // the About box names the signing libraries as loaded, or says why it cannot
        if (noModule)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("module cannot be loaded"));
        const QString about = AboutDialog(QString(), QString()).text();
        QVERIFY2(about.contains(noModule ? "\nAssinatura digital indisponível: " : "\nOpenSSL 3."),
                 qPrintable(about));
        QCOMPARE(about.contains(QRegularExpression("\nqpdf \\d+\\.")), !noModule);
        const QStringList written = QDir(wd.file("home")).entryList(QDir::Files | QDir::Hidden);
        const QVector<StoredInspection> kept = InspectionStore::forEquipment(1);
        const QJsonObject facts = kept.value(0).values["signature"].toObject();
        if (!message.isEmpty()) {
            QVERIFY2(message == "-" ? driver.unexpectedCount() == 0
                                    : driver.seen().last().text.startsWith(message),
                     qPrintable(driver.seen().last().text));
            QVERIFY(written == QStringList("r.pdf") && facts.isEmpty() && !lineStays);
            return;
        }
        QCOMPARE(written, QStringList({"r.pdf", "r_assinado.pdf"}));
        QCOMPARE(proposed, pdf);
        // on page 3 (where its pages are text, in the PDF's text too), and in the dialog
        const QString signer = facts["signer"].toString();
        const QString line = "Assinado digitalmente por " + signer + " em " +
                             QDate::currentDate().toString("dd/MM/yyyy");
        const QString text = run("pdftotext", {"-f", "3", pdf, "-"}).simplified();
        QVERIFY2(shown.text.startsWith(line) && lineStays &&
                     (text.isEmpty() || text.contains(line)),
                 qPrintable(shown.text));
        QVERIFY(signer.endsWith("***.***.***-09)") || signer.endsWith("***.***.***-00)") ||
                signer.startsWith("ANA) /Contents <"));
        QString verdict = run("pdfsig", {pdf});
        QVERIFY2(verdict.contains("Signature is Valid.") &&
                     verdict.contains("Total document signed"),
                 qPrintable(verdict));
        QCOMPARE(QProcess::execute("qpdf", {"--check", "--no-warn", pdf}), 0);
        QDir::setCurrent(wd.file("home"));
        run("pdfsig", {"-dump", pdf});
        const QString cms = run("openssl", {"cms", "-cmsout", "-print", "-inform", "DER", "-in",
                                            "r_assinado.pdf.sig0"});
        const PdfSigner::Policy adRb = PdfSigner::Policy::adRb();
        QVERIFY(cms.contains("signingCertificateV2") && !cms.contains("signingTime"));
        QCOMPARE(cms.contains("2.16.76.1.7.1.1.2.3"), !ini.isEmpty() && !ini.startsWith("Pkcs11"));
        QCOMPARE(cms.contains(adRb.oid) && cms.contains(adRb.uri),
                 !cms.contains("2.16.76.1.7.1.1.2.3"));
        QCOMPARE(cms.count("cert_info:"), 2); // the CA came with the key

        // a certification signature: a later change shows
        QPDF read;
        read.processFile(pdf.toLocal8Bit().constData());
        QPDFObjectHandle
            root = read.getRoot(),
            signature = root.getKey("/AcroForm").getKey("/Fields").getArrayItem(0).getKey("/V");
        QVERIFY(signature.getObjGen() == root.getKey("/Perms").getKey("/DocMDP").getObjGen());
        QPDFObjectHandle reference = signature.getKey("/Reference").getArrayItem(0);
        QCOMPARE(reference.getKey("/TransformMethod").getName(), "/DocMDP");
        QCOMPARE(reference.getKey("/TransformParams").getKey("/P").getIntValue(), 2);
        QFile signedFile(pdf);
        QVERIFY(signedFile.open(QIODevice::ReadOnly));
        QByteArray bytes = signedFile.readAll(), hash;
        signedFile.close();
        QCOMPARE(facts["sha256"].toString(),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        QVERIFY(writePdfInfo(pdf, {"changed", "", "", ""}));
        verdict = run("pdfsig", {pdf});
        QVERIFY2(verdict.contains("Not total document signed"), qPrintable(verdict));
        QVERIFY(signedFile.open(QIODevice::WriteOnly) &&
                signedFile.write(QByteArray(bytes).replace(12, 1, "X")));
        signedFile.close();
        QVERIFY(!run("pdfsig", {pdf}).contains("Signature is Valid"));
        if (certificate != "good.pfx" || !ini.isEmpty() || secrets.size() > 1)
            return;
        // a damaged cross-reference, no PDF at all: not signed; a key not the
        // certificate's: signed, but the check finds it out. Logged.
        QVERIFY(signedFile.open(QIODevice::WriteOnly) &&
                signedFile.write(QByteArray(bytes).replace("\nxref", "\nxrex")));
        signedFile.close();
        const Pkcs12Key good(keys.filePath(certificate), "segredo");
        for (const QString &bad : {pdf, keys.filePath("text.pfx")}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be signed"));
            QCOMPARE(PdfSigner::sign(bad, good, QDateTime(), adRb, &hash), PdfSigner::Failed);
        }
        QVERIFY(signedFile.open(QIODevice::WriteOnly) && signedFile.write(bytes));
        signedFile.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
        const Pkcs12Key mismatch(keys.filePath("mismatch.pfx"), "segredo");
        MixedKey mixed(keys.filePath("good.pfx"), "segredo");
        mixed.other = mismatch.privateKey();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not verify"));
        QCOMPARE(PdfSigner::sign(pdf, mixed, QDateTime(), adRb, &hash), PdfSigner::Unverified);
        mixed.other = nullptr; // no key at all: no signature, nothing written
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no CMS"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("a CMS of 0 bytes"));
        QCOMPARE(PdfSigner::sign(pdf, mixed, QDateTime(), adRb, &hash), PdfSigner::Failed);
        window.findChild<QLineEdit *>("lineTecResp")->setText("Outro"); // no longer as signed
        window.close();
        QVERIFY(!InspectionStore::forEquipment(1).value(0).values.contains("signature"));
    }
};

QTEST_MAIN(TestSigning)
#include "tst_signing.moc"
