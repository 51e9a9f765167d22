// The interface as the user sees it with the English catalogue installed at start,
// and in Portuguese without it (the Portuguese step titles are checked with the
// navigation).

#include "app/language.h"
#include "wizard/mainwindow.h"

#include "wizardfill.h"
#include "workdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QTest>
#include <QTranslator>

class TestEnglish : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> workDir;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<MainWindow> window;

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

    void stepTitlesAndButtons()
    {
        const QStringList titles = {"Equipment",
                                    "Physical and Mechanical Inspection",
                                    "Image Uniformity",
                                    "Dead Zone / Resolution",
                                    "Vertical Measurements",
                                    "Horizontal Measurements",
                                    "Masses",
                                    "Report"};
        open(true);
        auto *title = child<QLabel>("labelStep");
        auto *counter = child<QLabel>("labelStep2");
        auto *next = child<QPushButton>("pushButtonNext");
        for (int step = 0; step < 8; ++step) {
            QCOMPARE(title->text(), titles.at(step));
            // the counters are never translated
            QCOMPARE(counter->text(), QStringLiteral("%1 / 8").arg(step + 1));
            QCOMPARE(next->text(), step == 7 ? QString("Finish") : QString("Next"));
            QTest::mouseClick(next, Qt::LeftButton);
        }
        QCOMPARE(child<QPushButton>("pushButtonReport")->text(), QString("Generate Report"));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index"); // an item of a choice, or -1 for the widget's own text
        QTest::addColumn<QString>("portuguese");
        QTest::addColumn<QString>("english");
        auto row = [](const char *tag, const char *name, int index, const char *portuguese,
                      const char *english) {
            QTest::newRow(tag) << name << index << QString::fromUtf8(portuguese)
                               << QString::fromUtf8(english);
        };
        row("new", "pushButtonNewRecord", -1, "Novo", "New");
        row("edit", "pushButtonEdit", -1, "Editar", "Edit");
        row("delete", "pushButtonDeleteRecord", -1, "Apagar", "Delete");
        row("language", "label_10", -1, "Idioma", "Language");
        row("previous", "pushButtonPrevious", -1, "Anterior", "Back");
        row("cables", "pushButton3CaboForca", -1, "Cabos de força", "Power cables");
        row("filter", "pushButton3Filtro", -1, "Filtro de Poeira", "Dust filter");
        row("clear image", "pushButtonPartImgClear", -1, "Limpar imagem", "Clear image");
        row("load image", "pushButtonLoadUniImg", -1, "Carregar imagem", "Load image");
        row("clear", "pushButtonUniformImgClear", -1, "Limpar", "Clear");
        row("maximum", "label_9", -1, "/maximo 120", "/maximum 120");
        row("transducer", "label_15", -1, "Tipo de transdutor", "Transducer type");
        row("frequency", "label_16", -1, "Frequência", "Frequency");
        row("specialist", "label_8", -1, "Responsável:", "Specialist:");
        row("date", "label_11", -1, "Data:", "Date:");
        // the one entry without translation: its source shows in both languages
        row("explain", "labelUniform", -1,
            "<html><head/><body><p>Explique brevemente:</p></body></html>",
            "<html><head/><body><p>Explique brevemente:</p></body></html>");
        row("language 0", "comboBox", 0, "Português", "Portuguese");
        row("language 1", "comboBox", 1, "Inglês", "English");
        row("cable rating 1", "comboBox3cabo", 1, "Ótimo", "Great");
        row("monitor unrated", "comboBox3Monitor", 0, "----------------", "----------------");
        row("monitor rating 1", "comboBox3Monitor", 1, "Otimo", "Great");
        row("filter rating 5", "comboBox3FiltPoeira", 5, "Péssimo", "Terrible");
        row("transducer rating 4", "comboBox3Transtud", 4, "Ruim", "Bad");
        row("part 4", "comboBoxImage", 4, "Filtro de poeira", "Dust filter");
        row("part 5", "comboBoxImage", 5, "Transdutores", "Transducers");
        row("uniformity 1", "comboBox4ImgUnifor", 1, "Imagem uniforme", "The image is uniform");
        row("uniformity 3", "comboBox4ImgUnifor", 3, "Apresenta grandes inomogeneidades",
            "It appears a considerable amount of image inhomogeneities");
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, portuguese);
        QFETCH(QString, english);
        for (bool inEnglish : {false, true}) {
            open(inEnglish);
            QWidget *widget = window->findChild<QWidget *>(name);
            QVERIFY2(widget, qPrintable(name));
            QString shown;
            if (index >= 0)
                shown = qobject_cast<QComboBox *>(widget)->itemText(index);
            else if (auto *label = qobject_cast<QLabel *>(widget))
                shown = label->text();
            else
                shown = qobject_cast<QPushButton *>(widget)->text();
            QCOMPARE(shown, inEnglish ? english : portuguese);
            cleanup();
            init();
        }
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
