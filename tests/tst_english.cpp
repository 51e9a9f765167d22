// The interface as the user sees it with the English catalogue installed at start,
// and in Portuguese without it.

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "wizardfill.h"
#include "workdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        workDir.reset(new WorkDir);
        WizardFill::seedEquipment({{"Hospital Central", "Radiologia", "US-01", "Logiq", "GE"}});
    }
    void cleanup()
    {
        window.reset();
        if (translator) {
            QCoreApplication::removeTranslator(translator.data());
            translator.reset();
        }
        workDir.reset();
    }

    void stepTitlesAndButtons_data();
    void stepTitlesAndButtons();
    void widgetTexts_data();
    void widgetTexts();
    void comboItems_data();
    void comboItems();

private:
    void open(bool english)
    {
        if (english) {
            translator.reset(new QTranslator);
            QCOMPARE(installCatalogue(*translator, QStringLiteral("en_US")), 1);
        }
        window.reset(new MainWindow(english ? 1 : 0));
        WizardFill::makeStepsValid(window.data());
        window->show();
    }
    template <typename T> T *child(const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<MainWindow> window;
};

void TestEnglish::stepTitlesAndButtons_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("finish");

    QTest::newRow("english") << true
                             << QStringList{"Equipment",
                                            "Physical and Mechanical Inspection",
                                            "Image Uniformity",
                                            "Dead Zone / Resolution",
                                            "Vertical Measurements",
                                            "Horizontal Measurements",
                                            "Masses",
                                            "Report"}
                             << "Next"
                             << "Finish";
    QTest::newRow("portuguese") << false
                                << QStringList{"Equipamento",
                                               "Inspeções Físicas e Mecânicas",
                                               "Uniformidade da imagem",
                                               "Zona Morta / Resolução",
                                               "Medidas na Vertical",
                                               "Medidas na Horizontal",
                                               "Massas",
                                               "Relatório"}
                                << "Próximo"
                                << "Concluir";
}

void TestEnglish::stepTitlesAndButtons()
{
    QFETCH(bool, english);
    QFETCH(QStringList, titles);
    QFETCH(QString, next);
    QFETCH(QString, finish);
    open(english);

    auto *title = child<QLabel>("labelStep");
    auto *counter = child<QLabel>("labelStep2");
    auto *nextButton = child<QPushButton>("pushButtonNext");
    for (int step = 0; step < 8; ++step) {
        QCOMPARE(title->text(), titles.at(step));
        // the counters are never translated
        QCOMPARE(counter->text(), QStringLiteral("%1 / 8").arg(step + 1));
        QCOMPARE(nextButton->text(), step == 7 ? finish : next);
        QTest::mouseClick(nextButton, Qt::LeftButton);
    }
    QCOMPARE(child<QPushButton>("pushButtonReport")->text(),
             english ? QString("Generate Report") : QString("Gerar Relatório"));
}

void TestEnglish::widgetTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("portuguese");
    QTest::addColumn<QString>("english");

    QTest::newRow("new") << "pushButtonNewRecord"
                         << "Novo"
                         << "New";
    QTest::newRow("edit") << "pushButtonEdit"
                          << "Editar"
                          << "Edit";
    QTest::newRow("delete") << "pushButtonDeleteRecord"
                            << "Apagar"
                            << "Delete";
    QTest::newRow("language") << "label_10"
                              << "Idioma"
                              << "Language";
    QTest::newRow("previous") << "pushButtonPrevious"
                              << "Anterior"
                              << "Back";
    QTest::newRow("cables") << "pushButton3CaboForca"
                            << "Cabos de força"
                            << "Power cables";
    QTest::newRow("filter") << "pushButton3Filtro"
                            << "Filtro de Poeira"
                            << "Dust filter";
    QTest::newRow("clear image") << "pushButtonPartImgClear"
                                 << "Limpar imagem"
                                 << "Clear image";
    QTest::newRow("load image") << "pushButtonLoadUniImg"
                                << "Carregar imagem"
                                << "Load image";
    QTest::newRow("clear") << "pushButtonUniformImgClear"
                           << "Limpar"
                           << "Clear";
    QTest::newRow("maximum") << "label_9"
                             << "/maximo 120"
                             << "/maximum 120";
    // the count is a number in both languages; choosing the uniformity rating has
    // already cleared the explanation, so it reads "0"
    QTest::newRow("count") << "label_7"
                           << "0"
                           << "0";
    QTest::newRow("transducer") << "label_15"
                                << "Tipo de transdutor"
                                << "Transducer type";
    QTest::newRow("frequency") << "label_16"
                               << "Frequência"
                               << "Frequency";
    QTest::newRow("specialist") << "label_8"
                                << "Responsável:"
                                << "Specialist:";
    QTest::newRow("date") << "label_11"
                          << "Data:"
                          << "Date:";
    // the one entry without translation: its source shows in both languages
    QTest::newRow("explain") << "labelUniform"
                             << "<html><head/><body><p>Explique brevemente:</p></body></html>"
                             << "<html><head/><body><p>Explique brevemente:</p></body></html>";
}

void TestEnglish::widgetTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, portuguese);
    QFETCH(QString, english);

    for (bool inEnglish : {false, true}) {
        open(inEnglish);
        QWidget *widget = window->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        const QString shown = qobject_cast<QLabel *>(widget)
                                  ? qobject_cast<QLabel *>(widget)->text()
                                  : qobject_cast<QPushButton *>(widget)->text();
        QCOMPARE(shown, inEnglish ? english : portuguese);
        cleanup();
        init();
    }
}

void TestEnglish::comboItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("portuguese");
    QTest::addColumn<QString>("english");

    QTest::newRow("language 0") << "comboBox" << 0 << "Português"
                                << "Portuguese";
    QTest::newRow("language 1") << "comboBox" << 1 << "Inglês"
                                << "English";
    QTest::newRow("cable rating 1") << "comboBox3cabo" << 1 << "Ótimo"
                                    << "Great";
    QTest::newRow("monitor rating 0") << "comboBox3Monitor" << 0 << "----------------"
                                      << "----------------";
    QTest::newRow("monitor rating 1") << "comboBox3Monitor" << 1 << "Otimo"
                                      << "Great";
    QTest::newRow("buttons rating 3") << "comboBox3botoes" << 3 << "Regular"
                                      << "Regular";
    QTest::newRow("filter rating 5") << "comboBox3FiltPoeira" << 5 << "Péssimo"
                                     << "Terrible";
    QTest::newRow("transducer rating 4") << "comboBox3Transtud" << 4 << "Ruim"
                                         << "Bad";
    QTest::newRow("part 0") << "comboBoxImage" << 0 << "Cabos de força"
                            << "Power cables";
    QTest::newRow("part 4") << "comboBoxImage" << 4 << "Filtro de poeira"
                            << "Dust filter";
    QTest::newRow("part 5") << "comboBoxImage" << 5 << "Transdutores"
                            << "Transducers";
    QTest::newRow("uniformity 1") << "comboBox4ImgUnifor" << 1 << "Imagem uniforme"
                                  << "The image is uniform";
    QTest::newRow("uniformity 3") << "comboBox4ImgUnifor" << 3
                                  << "Apresenta grandes inomogeneidades"
                                  << "It appears a considerable amount of image inhomogeneities";
}

void TestEnglish::comboItems()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, portuguese);
    QFETCH(QString, english);

    for (bool inEnglish : {false, true}) {
        open(inEnglish);
        auto *combo = window->findChild<QComboBox *>(name);
        QVERIFY2(combo, qPrintable(name));
        QCOMPARE(combo->itemText(index), inEnglish ? english : portuguese);
        cleanup();
        init();
    }
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
