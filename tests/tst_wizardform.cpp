// The wizard's form: the slots bound by name, what each page holds, the ranges and
// format of the number inputs, the items of the choices and the first view.

#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

namespace {

struct SpinSetting
{
    int decimals;
    double minimum, maximum, step, value;
};

// Every spin box of the form with its setting, composed from the form's naming schemes.
QList<QPair<QString, SpinSetting>> allSpinBoxes()
{
    const SpinSetting distance = {3, 5.0, 15.0, 0.001, 10.0};
    QList<QPair<QString, SpinSetting>> boxes;
    boxes << qMakePair(QStringLiteral("doubleSpinBox4Freq"), SpinSetting{1, 1.0, 20.0, 0.5, 5.0});
    for (const QString p : {"12", "30", "34", "45", "56", "67", "78", "89", "910"})
        boxes << qMakePair("doubleSpinBox5_05_" + p, distance);
    for (const QString p : {"12", "23", "34", "45", "56", "67", "78", "89", "910"})
        boxes << qMakePair("doubleSpinBox5_07_" + p, distance);
    for (const QString att : {"05", "07"}) {
        boxes << qMakePair("doubleSpinBox5_" + att + "_ZF", SpinSetting{2, 0.0, 100.0, 0.001, 1.0});
        boxes << qMakePair("doubleSpinBox5_" + att + "_MPV",
                           SpinSetting{2, 0.0, 200.0, 0.001, 1.0});
    }
    for (const QString depth : {"3cm", "9cm"})
        for (const QString att : {"05", "07"})
            for (const QString p : {"12", "23", "34"})
                boxes << qMakePair("doubleSpinBox6_" + depth + "_" + att + "_" + p, distance);
    for (const QString att : {"5", "7"})
        for (const QString kind : {"A", "H"})
            for (const QString q : {"A", "L", "Ar"})
                for (const QString d : {"2", "4", "6", "8"})
                    boxes << qMakePair("s" + att + kind + q + d,
                                       SpinSetting{3, 0.0, 100.0, 0.001, 0.0});
    return boxes;
}

QStringList rating(const QString &great)
{
    return {"----------------", great, "Bom", "Regular", "Ruim", "Péssimo"};
}

} // namespace

Q_DECLARE_METATYPE(SpinSetting)

class TestWizardForm : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const QString &name) { return window->findChild<T *>(name); }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    // Every on_<object>_<signal> slot must find its widget and signal, or the
    // automatic connection is silently lost.
    void everySlotFindsItsWidget()
    {
        const QMetaObject *mo = window->metaObject();
        int slotCount = 0;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QByteArray sig = mo->method(i).methodSignature();
            if (!sig.startsWith("on_"))
                continue;
            ++slotCount;
            const QByteArray body = sig.mid(3, sig.indexOf('(') - 3);
            bool bound = false;
            for (QObject *o : window->findChildren<QObject *>()) {
                const QByteArray name = o->objectName().toLatin1();
                if (name.isEmpty() || !body.startsWith(name + '_'))
                    continue;
                const QByteArray signal = body.mid(name.size() + 1) + sig.mid(sig.indexOf('('));
                if (o->metaObject()->indexOfSignal(signal.constData()) >= 0)
                    bound = true;
            }
            QVERIFY2(bound, sig.constData());
        }
        QCOMPARE(slotCount, 35);
    }

    // The step check goes by page index: each page must hold the inputs of its step.
    void eachPageHoldsItsStep()
    {
        const QStringList inputs = {
            "tableView",         "comboBox3cabo",        "comboBox4ImgUnifor",
            "comboBox2_05db_ZM", "doubleSpinBox5_05_12", "doubleSpinBox6_3cm_05_12",
            "checkBox2cm",       "lineTecResp"};
        auto *stack = child<QStackedWidget>("stackedWidget");
        QCOMPARE(stack->count(), inputs.size());
        for (int i = 0; i < inputs.size(); ++i)
            QVERIFY2(stack->widget(i)->isAncestorOf(child<QWidget>(inputs.at(i))),
                     qPrintable(inputs.at(i)));
    }

    // The captions the user reads must head the inputs whose values they name.
    void captionsHeadTheirInputs_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("input");
        QTest::newRow("0.7 dB group") << "groupBox_4"
                                      << "0.7"
                                      << "comboBox2_07db_RA";
        QTest::newRow("0.5 dB group") << "groupBox_3"
                                      << "0.5"
                                      << "comboBox2_05db_RL";
        QTest::newRow("0.5 dB tab") << "tab"
                                    << "0.5"
                                    << "doubleSpinBox5_05_910";
        QTest::newRow("0.7 dB tab") << "tab_2"
                                    << "0.7"
                                    << "doubleSpinBox5_07_MPV";
        QTest::newRow("anechoic tab") << "tab_3"
                                      << "Anecóicas"
                                      << "s7AAr8";
        QTest::newRow("hyperechoic tab") << "tab_4"
                                         << "Hiperecóicas"
                                         << "checkBox2cm_4";
    }
    void captionsHeadTheirInputs()
    {
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QString, input);
        QWidget *box = child<QWidget>(container);
        QVERIFY(box && box->isAncestorOf(child<QWidget>(input)));
        QString title;
        if (auto *group = qobject_cast<QGroupBox *>(box)) {
            title = group->title();
        } else {
            auto *tabs = qobject_cast<QTabWidget *>(box->parentWidget()->parentWidget());
            QVERIFY(tabs);
            title = tabs->tabText(tabs->indexOf(box));
        }
        QVERIFY2(title.contains(caption), qPrintable(title));
    }

    // The 0.7 dB group stands left of the 0.5 dB group, as on the report.
    void attenuationGroupsSideBySide()
    {
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(3);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QVERIFY(child<QGroupBox>("groupBox_4")->x() < child<QGroupBox>("groupBox_3")->x());
    }

    void spinBoxRanges_data()
    {
        QTest::addColumn<SpinSetting>("setting");
        for (const auto &box : allSpinBoxes())
            QTest::newRow(qPrintable(box.first)) << box.second;
    }
    void spinBoxRanges()
    {
        QFETCH(SpinSetting, setting);
        auto *box = child<QDoubleSpinBox>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(box);
        QCOMPARE(box->decimals(), setting.decimals);
        QCOMPARE(box->minimum(), setting.minimum);
        QCOMPARE(box->maximum(), setting.maximum);
        QCOMPARE(box->singleStep(), setting.step);
        QCOMPARE(box->value(), setting.value);
    }
    void noUnlistedSpinBox()
    {
        QSet<QString> listed, present;
        for (const auto &box : allSpinBoxes())
            listed.insert(box.first);
        for (QDoubleSpinBox *b : window->findChildren<QDoubleSpinBox *>())
            present.insert(b->objectName());
        QCOMPARE(listed.size(), 83);
        QCOMPARE(present, listed);
    }

    void numbersShowTheBrazilianFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("distance, three decimals") << "doubleSpinBox5_05_30" << 7.1234 << "7,123";
        QTest::newRow("frequency, one decimal") << "doubleSpinBox4Freq" << 7.5 << "7,5";
        QTest::newRow("focal zone rounds up") << "doubleSpinBox5_07_ZF" << 99.999 << "100,00";
    }
    void numbersShowTheBrazilianFormat()
    {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QString, text);
        auto *box = child<QDoubleSpinBox>(name);
        box->setValue(value);
        QCOMPARE(box->text(), text);
    }

    // The evaluator judges the choices by index, and the report prints their texts.
    void comboItems_data()
    {
        const QStringList millimetres = {"----------", "1mm", "2mm", "3mm", "4mm", "5mm"};
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("language") << "comboBox" << QStringList{"Português", "Inglês"};
        QTest::newRow("cables, accented") << "comboBox3cabo" << rating("Ótimo");
        for (const char *name : {"comboBox3Monitor", "comboBox3Controles", "comboBox3botoes",
                                 "comboBox3FiltPoeira", "comboBox3Transtud"})
            QTest::newRow(name) << name << rating("Otimo");
        QTest::newRow("photograph selector")
            << "comboBoxImage" << QStringList{"Cabos de força", "Monitor",          "Controles",
                                              "Botões",         "Filtro de poeira", "Transdutores"};
        QTest::newRow("uniformity")
            << "comboBox4ImgUnifor"
            << QStringList{"----------------------------", "Imagem uniforme",
                           "Apresenta poucas inomogeneidades sem que comprometa o diagnóstico",
                           "Apresenta grandes inomogeneidades"};
        for (const QString att : {"05", "07"}) {
            QTest::newRow(qPrintable("dead zone " + att))
                << "comboBox2_" + att + "db_ZM" << millimetres;
            QTest::newRow(qPrintable("axial " + att))
                << "comboBox2_" + att + "db_RA"
                << QStringList{"----------", "<0.5mm", "1mm", "2mm", "3mm", "4mm", "5mm"};
            QTest::newRow(qPrintable("lateral " + att))
                << "comboBox2_" + att + "db_RL" << millimetres;
        }
    }
    void comboItems()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        auto *box = child<QComboBox>(name);
        QVERIFY(box);
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        QCOMPARE(texts, expected);
        QCOMPARE(box->currentIndex(), 0);
    }

    void firstView()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("ZETU"));
        QCOMPARE(window->minimumSize(), QSize(700, 500));
        QCOMPARE(window->maximumSize(), QSize(700, 500));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
        // one scanner at a time, chosen as a whole row
        auto *view = child<QTableView>("tableView");
        QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
        // every mass depth starts included
        const QList<QCheckBox *> depths = window->findChildren<QCheckBox *>();
        QCOMPARE(depths.size(), 16);
        for (QCheckBox *box : depths) {
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
            QCOMPARE(box->text(), box->objectName().mid(8, 3)); // the depth its row stands for
        }
        // the explanation waits for a rating that needs it
        QVERIFY(!child<QPlainTextEdit>("plainTextEdit4")->isEnabled());
        QVERIFY(child<QLabel>("labelUniform")->isHidden());
        QVERIFY(child<QLabel>("labelUniform")->text().contains("Explique brevemente:"));
        QVERIFY(child<QLabel>("labelEquipPartImg")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(child<QLabel>("labelUniformImg")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(child<QCalendarWidget>("calendarWidget")->selectedDate(), QDate::currentDate());
    }

    // Photographs are shown centred on black.
    void imageLabelsOnBlack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::newRow("part") << "labelEquipPartImg" << 1;
        QTest::newRow("uniformity") << "labelUniformImg" << 2;
    }
    void imageLabelsOnBlack()
    {
        QFETCH(QString, name);
        QFETCH(int, page);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(page);
        auto *label = child<QLabel>(name);
        const QImage shot = label->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 2)), QColor(Qt::black));
        QCOMPARE(label->alignment(), Qt::Alignment(Qt::AlignCenter));
    }

    void notes()
    {
        QCOMPARE(child<QTextEdit>("textEdit_2")->toPlainText(),
                 QStringLiteral("*clique nos botões à esquerda para carregar as imagens do "
                                "equipamento (opicional)."));

        auto *note = child<QTextEdit>("textEdit");
        QCOMPARE(note->toPlainText(),
                 QStringLiteral("Obs: A validade do relatório é garantida somente pela assinatura "
                                "do responsável técnico devidamente credenciado. O controle de "
                                "qualidade não é garantido por este software."));
        QVERIFY(note->isReadOnly());
        // "Obs: " is bold and red, the rest is not
        QTextCursor cursor(note->document());
        cursor.setPosition(2);
        QVERIFY(cursor.charFormat().fontWeight() > QFont::Normal);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(Qt::red));
        cursor.setPosition(20);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
    }
};

QTEST_MAIN(TestWizardForm)
#include "tst_wizardform.moc"
