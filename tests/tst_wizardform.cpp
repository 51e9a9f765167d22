// The wizard's form: every widget that code binds to by object name, the
// settings of the inputs, the items of the choices and the first view.

#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

struct NamedWidget
{
    const char *name;
    const char *className;
};

// Written out by hand from the form's description, so that a misspelt name in
// the form (which would silently unbind a slot or drop a report value) fails.
const NamedWidget namedWidgets[] = {
    {"centralWidget", "QWidget"},
    {"widget_2", "QWidget"},
    {"labelStep", "QLabel"},
    {"labelStep2", "QLabel"},
    {"pushButtonPrevious", "QPushButton"},
    {"pushButtonNext", "QPushButton"},
    {"line_2", "QFrame"},
    {"stackedWidget", "QStackedWidget"},
    {"page_1", "QWidget"},
    {"page_3", "QWidget"},
    {"page_4", "QWidget"},
    {"page_2", "QWidget"},
    {"page_5", "QWidget"},
    {"page_6", "QWidget"},
    {"page", "QWidget"},
    {"page_7", "QWidget"},
    // step 1
    {"tableView", "QTableView"},
    {"frame", "QFrame"},
    {"pushButtonNewRecord", "QPushButton"},
    {"pushButtonEdit", "QPushButton"},
    {"pushButtonDeleteRecord", "QPushButton"},
    {"label_10", "QLabel"},
    {"comboBox", "QComboBox"},
    // step 2
    {"widget_9", "QWidget"},
    {"pushButton3CaboForca", "QPushButton"},
    {"pushButtonMonitor", "QPushButton"},
    {"pushButton3Controles", "QPushButton"},
    {"pushButton3Botoes", "QPushButton"},
    {"pushButton3Filtro", "QPushButton"},
    {"pushButton3Trasdutores", "QPushButton"},
    {"comboBox3cabo", "QComboBox"},
    {"comboBox3Monitor", "QComboBox"},
    {"comboBox3Controles", "QComboBox"},
    {"comboBox3botoes", "QComboBox"},
    {"comboBox3FiltPoeira", "QComboBox"},
    {"comboBox3Transtud", "QComboBox"},
    {"line_5", "QFrame"},
    {"textEdit_2", "QTextEdit"},
    {"widget_10", "QWidget"},
    {"comboBoxImage", "QComboBox"},
    {"labelEquipPartImg", "QLabel"},
    {"pushButtonPartImgClear", "QPushButton"},
    // step 3
    {"widget_13", "QWidget"},
    {"comboBox4ImgUnifor", "QComboBox"},
    {"labelUniform", "QLabel"},
    {"plainTextEdit4", "QPlainTextEdit"},
    {"widget_15", "QWidget"},
    {"label_7", "QLabel"},
    {"label_9", "QLabel"},
    {"widget_14", "QWidget"},
    {"pushButtonLoadUniImg", "QPushButton"},
    {"pushButtonUniformImgClear", "QPushButton"},
    {"labelUniformImg", "QLabel"},
    {"widget", "QWidget"},
    {"label_15", "QLabel"},
    {"lineEdit4Transdutor", "QLineEdit"},
    {"label_16", "QLabel"},
    {"doubleSpinBox4Freq", "QDoubleSpinBox"},
    {"label_17", "QLabel"},
    // step 4
    {"groupBox_4", "QGroupBox"},
    {"groupBox_3", "QGroupBox"},
    {"comboBox2_07db_ZM", "QComboBox"},
    {"comboBox2_07db_RA", "QComboBox"},
    {"comboBox2_07db_RL", "QComboBox"},
    {"comboBox2_05db_ZM", "QComboBox"},
    {"comboBox2_05db_RA", "QComboBox"},
    {"comboBox2_05db_RL", "QComboBox"},
    // step 5 (its boxes are listed with their settings below)
    {"tabWidget", "QTabWidget"},
    {"tab", "QWidget"},
    {"tab_2", "QWidget"},
    // step 7
    {"tabWidget_2", "QTabWidget"},
    {"tab_3", "QWidget"},
    {"tab_4", "QWidget"},
    {"checkBox2cm", "QCheckBox"},
    {"checkBox4cm", "QCheckBox"},
    {"checkBox6cm", "QCheckBox"},
    {"checkBox8cm", "QCheckBox"},
    {"checkBox2cm_1", "QCheckBox"},
    {"checkBox4cm_1", "QCheckBox"},
    {"checkBox6cm_1", "QCheckBox"},
    {"checkBox8cm_1", "QCheckBox"},
    {"checkBox2cm_3", "QCheckBox"},
    {"checkBox4cm_3", "QCheckBox"},
    {"checkBox6cm_3", "QCheckBox"},
    {"checkBox8cm_3", "QCheckBox"},
    {"checkBox2cm_4", "QCheckBox"},
    {"checkBox4cm_4", "QCheckBox"},
    {"checkBox6cm_4", "QCheckBox"},
    {"checkBox8cm_4", "QCheckBox"},
    // step 8
    {"widget_11", "QWidget"},
    {"label_8", "QLabel"},
    {"lineTecResp", "QLineEdit"},
    {"label_11", "QLabel"},
    {"calendarWidget", "QCalendarWidget"},
    {"widget_12", "QWidget"},
    {"textEdit", "QTextEdit"},
    {"pushButtonReport", "QPushButton"},
};

struct SpinSetting
{
    int decimals;
    double minimum, maximum, step, value;
    bool alignedRight;
};

const SpinSetting frequency = {1, 1.0, 20.0, 0.5, 5.0, false};
const SpinSetting distance = {3, 5.0, 15.0, 0.001, 10.0, true};
const SpinSetting focalZone = {2, 0.0, 100.0, 0.001, 1.0, true};
const SpinSetting maxDepth = {2, 0.0, 200.0, 0.001, 1.0, true};
const SpinSetting massSize = {3, 0.0, 100.0, 0.001, 0.0, true};

// Every spin box of the form with its setting, composed from the naming
// schemes of the form and checked against the hand-written exceptions.
QList<QPair<QString, SpinSetting>> allSpinBoxes()
{
    QList<QPair<QString, SpinSetting>> boxes;
    boxes << qMakePair(QStringLiteral("doubleSpinBox4Freq"), frequency);
    const QStringList pairs05 = {"12", "30", "34", "45", "56", "67", "78", "89", "910"};
    const QStringList pairs07 = {"12", "23", "34", "45", "56", "67", "78", "89", "910"};
    for (const QString &p : pairs05)
        boxes << qMakePair("doubleSpinBox5_05_" + p, distance);
    for (const QString &p : pairs07)
        boxes << qMakePair("doubleSpinBox5_07_" + p, distance);
    for (const QString att : {"05", "07"}) {
        boxes << qMakePair("doubleSpinBox5_" + att + "_ZF", focalZone);
        boxes << qMakePair("doubleSpinBox5_" + att + "_MPV", maxDepth);
    }
    for (const QString depth : {"3cm", "9cm"})
        for (const QString att : {"05", "07"})
            for (const QString p : {"12", "23", "34"})
                boxes << qMakePair("doubleSpinBox6_" + depth + "_" + att + "_" + p, distance);
    for (const QString att : {"5", "7"})
        for (const QString kind : {"A", "H"})
            for (const QString q : {"A", "L", "Ar"})
                for (const QString d : {"2", "4", "6", "8"})
                    boxes << qMakePair("s" + att + kind + q + d, massSize);
    return boxes;
}

const QStringList pageOrder = {"page_1", "page_3", "page_4", "page_2",
                               "page_5", "page_6", "page",   "page_7"};

QStringList rating(const QString &great)
{
    return {"----------------", great, "Bom", "Regular", "Ruim", "Péssimo"};
}

const QStringList millimetres = {"----------", "1mm", "2mm", "3mm", "4mm", "5mm"};
const QStringList axial = {"----------", "<0.5mm", "1mm", "2mm", "3mm", "4mm", "5mm"};

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(SpinSetting)

class TestWizardForm : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qWarning("no child %s", qPrintable(name));
        return w;
    }

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

    void objectNames_data()
    {
        QTest::addColumn<QString>("className");
        for (const NamedWidget &w : namedWidgets)
            QTest::newRow(w.name) << QString::fromLatin1(w.className);
        for (const auto &box : allSpinBoxes())
            QTest::newRow(qPrintable(box.first)) << QStringLiteral("QDoubleSpinBox");
    }
    void objectNames()
    {
        QFETCH(QString, className);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QList<QWidget *> found = window->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    }

    void windowIsNamedMainWindow() { QCOMPARE(window->objectName(), QStringLiteral("MainWindow")); }

    // Every on_<object>_<signal> slot must find its widget and signal, or the
    // automatic connection is silently lost.
    void everySlotFindsItsWidget()
    {
        const QMetaObject *mo = window->metaObject();
        int slotCount = 0;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            const QByteArray sig = method.methodSignature();
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

    void pagesInStackOrder()
    {
        auto *stack = child<QStackedWidget>("stackedWidget");
        QVERIFY(stack);
        QCOMPARE(stack->count(), pageOrder.size());
        for (int i = 0; i < pageOrder.size(); ++i)
            QCOMPARE(stack->widget(i)->objectName(), pageOrder.at(i));
    }

    void spinBoxSettings_data()
    {
        QTest::addColumn<SpinSetting>("setting");
        for (const auto &box : allSpinBoxes())
            QTest::newRow(qPrintable(box.first)) << box.second;
    }
    void spinBoxSettings()
    {
        QFETCH(SpinSetting, setting);
        auto *box = child<QDoubleSpinBox>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(box);
        QCOMPARE(box->decimals(), setting.decimals);
        QCOMPARE(box->minimum(), setting.minimum);
        QCOMPARE(box->maximum(), setting.maximum);
        QCOMPARE(box->singleStep(), setting.step);
        QCOMPARE(box->value(), setting.value);
        const Qt::Alignment expected = setting.alignedRight
                                           ? Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter
                                           : Qt::AlignLeft | Qt::AlignVCenter; // the default
        QCOMPARE(box->alignment(), expected);
        // values outside the range are clamped to it
        box->setValue(setting.minimum - 1);
        QCOMPARE(box->value(), setting.minimum);
        box->setValue(setting.maximum + 1);
        QCOMPARE(box->value(), setting.maximum);
    }

    void exactlyTheListedSpinBoxes()
    {
        QSet<QString> listed;
        for (const auto &box : allSpinBoxes())
            listed.insert(box.first);
        QCOMPARE(listed.size(), 83);
        QSet<QString> present;
        for (QDoubleSpinBox *b : window->findChildren<QDoubleSpinBox *>())
            present.insert(b->objectName());
        QCOMPARE(present, listed);
    }

    void numbersShowTheBrazilianFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("distance start") << "doubleSpinBox6_9cm_07_34" << 10.0 << "10,000";
        QTest::newRow("distance three decimals") << "doubleSpinBox5_05_30" << 7.1234 << "7,123";
        QTest::newRow("frequency one decimal") << "doubleSpinBox4Freq" << 7.5 << "7,5";
        QTest::newRow("focal zone two decimals") << "doubleSpinBox5_07_ZF" << 99.999 << "100,00";
        QTest::newRow("mass start") << "s7HAr8" << 0.0 << "0,000";
    }
    void numbersShowTheBrazilianFormat()
    {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QString, text);
        auto *box = child<QDoubleSpinBox>(name);
        QVERIFY(box);
        box->setValue(value);
        QCOMPARE(box->text(), text);
    }

    void frequencySteps()
    {
        auto *box = child<QDoubleSpinBox>("doubleSpinBox4Freq");
        QVERIFY(box);
        box->stepUp();
        QCOMPARE(box->value(), 5.5);
        box->setValue(1.0);
        box->stepDown();
        QCOMPARE(box->value(), 1.0);
    }

    void comboItems_data()
    {
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
        for (const char *att : {"05", "07"}) {
            QTest::newRow(qPrintable(QString("dead zone %1").arg(att)))
                << QString("comboBox2_%1db_ZM").arg(att) << millimetres;
            QTest::newRow(qPrintable(QString("axial %1").arg(att)))
                << QString("comboBox2_%1db_RA").arg(att) << axial;
            QTest::newRow(qPrintable(QString("lateral %1").arg(att)))
                << QString("comboBox2_%1db_RL").arg(att) << millimetres;
        }
    }
    void comboItems()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        auto *box = child<QComboBox>(name);
        QVERIFY(box);
        QCOMPARE(items(box), expected);
        QCOMPARE(box->currentIndex(), 0);
    }

    void windowFrame()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("ZETU"));
        QCOMPARE(window->size(), QSize(700, 500));
        QCOMPARE(window->minimumSize(), QSize(700, 500));
        QCOMPARE(window->maximumSize(), QSize(700, 500));
        QCOMPARE(window->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(window->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(window->locale().language(), QLocale::Portuguese);
        QCOMPARE(window->locale().country(), QLocale::Brazil);
        QCOMPARE(child<QLabel>("labelStep")->font().pointSize(), 14);
        QCOMPARE(child<QLabel>("labelStep2")->font().pointSize(), 14);
        QCOMPARE(child<QWidget>("widget_2")->maximumHeight(), 60);
        if (QFile::exists(":/icons/LogoZETU.ico"))
            QVERIFY(!window->windowIcon().isNull());
    }

    void textsAfterConstruction_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const QList<QPair<const char *, const char *>> rows = {
            {"labelStep", "Equipamento"},
            {"labelStep2", "1 / 8"},
            {"pushButtonPrevious", "Anterior"},
            {"pushButtonNext", "Próximo"},
            {"pushButtonNewRecord", "Novo"},
            {"pushButtonEdit", "Editar"},
            {"pushButtonDeleteRecord", "Apagar"},
            {"label_10", "Idioma"},
            {"pushButton3CaboForca", "Cabos de força"},
            {"pushButtonMonitor", "Monitor"},
            {"pushButton3Controles", "Controles"},
            {"pushButton3Botoes", "Botões"},
            {"pushButton3Filtro", "Filtro de Poeira"},
            {"pushButton3Trasdutores", "Transdutores"},
            {"pushButtonPartImgClear", "Limpar imagem"},
            {"labelEquipPartImg", ""},
            {"label_7", "000"},
            {"label_9", "/maximo 120"},
            {"pushButtonLoadUniImg", "Carregar imagem"},
            {"pushButtonUniformImgClear", "Limpar"},
            {"labelUniformImg", ""},
            {"label_15", "Tipo de transdutor"},
            {"label_16", "Frequência"},
            {"label_17", "MHz"},
            {"label_8", "Responsável:"},
            {"label_11", "Data:"},
            {"pushButtonReport", "Gerar Relatório"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.first) << r.first << QString::fromUtf8(r.second);
    }
    void textsAfterConstruction()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget *w = child<QWidget>(name);
        QVERIFY(w);
        if (auto *label = qobject_cast<QLabel *>(w))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QAbstractButton *>(w)->text(), text);
    }

    void containerTitles_data()
    {
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("vertical 0.5") << "tabWidget"
                                      << "tab"
                                      << "Atenuação de 0.5dB";
        QTest::newRow("vertical 0.7") << "tabWidget"
                                      << "tab_2"
                                      << "Atenuação de 0.7 dB";
        QTest::newRow("anechoic") << "tabWidget_2"
                                  << "tab_3"
                                  << "Anecóicas";
        QTest::newRow("hyperechoic") << "tabWidget_2"
                                     << "tab_4"
                                     << "Hiperecóicas";
    }
    void containerTitles()
    {
        QFETCH(QString, tabs);
        QFETCH(QString, page);
        QFETCH(QString, title);
        auto *tw = child<QTabWidget>(tabs);
        QVERIFY(tw);
        QCOMPARE(tw->currentIndex(), 0);
        const int index = tw->indexOf(child<QWidget>(page));
        QCOMPARE(index, page == "tab" || page == "tab_3" ? 0 : 1);
        QCOMPARE(tw->tabText(index), title);
    }

    void groupBoxes()
    {
        QCOMPARE(child<QGroupBox>("groupBox_4")->title(), QStringLiteral("Atenuação de 0.7 db"));
        QCOMPARE(child<QGroupBox>("groupBox_3")->title(), QStringLiteral("Atenuação de 0.5 db"));
        // the 0.7 dB group stands left of the 0.5 dB group
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(3);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QVERIFY(child<QGroupBox>("groupBox_4")->x() < child<QGroupBox>("groupBox_3")->x());
    }

    void inputsStartEmptyAndChecked()
    {
        for (QCheckBox *box : window->findChildren<QCheckBox *>()) {
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
            QCOMPARE(box->text(), box->objectName().mid(8, 3));
        }
        QCOMPARE(window->findChildren<QCheckBox *>().size(), 16);
        for (QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>())
            QVERIFY2(box->isEnabled(), qPrintable(box->objectName()));
        for (const char *name : {"lineEdit4Transdutor", "lineTecResp"}) {
            auto *edit = child<QLineEdit>(name);
            QVERIFY(edit->text().isEmpty());
            QCOMPARE(edit->maxLength(), 32767); // no limit of the form's own
        }
        auto *explanation = child<QPlainTextEdit>("plainTextEdit4");
        QVERIFY(!explanation->isEnabled());
        QVERIFY(explanation->toPlainText().isEmpty());
        QVERIFY(child<QLabel>("labelUniform")->isHidden());
        QVERIFY(child<QLabel>("labelUniform")->text().contains("Explique brevemente:"));
        QVERIFY(child<QLabel>("labelEquipPartImg")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(child<QLabel>("labelUniformImg")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
    }

    void imageLabelsOnBlack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("part") << "labelEquipPartImg";
        QTest::newRow("uniformity") << "labelUniformImg";
    }
    void imageLabelsOnBlack()
    {
        QFETCH(QString, name);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->findChild<QStackedWidget *>("stackedWidget")
            ->setCurrentWidget(child<QWidget>(name == "labelEquipPartImg" ? "page_3" : "page_4"));
        QLabel *label = child<QLabel>(name);
        const QImage shot = label->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 2)), QColor(Qt::black));
        QCOMPARE(label->alignment(), Qt::Alignment(Qt::AlignCenter));
    }

    void notes()
    {
        auto *photoNote = child<QTextEdit>("textEdit_2");
        QCOMPARE(photoNote->toPlainText(),
                 QStringLiteral("*clique nos botões à esquerda para carregar as imagens do "
                                "equipamento (opicional)."));
        QCOMPARE(photoNote->maximumHeight(), 71);
        QCOMPARE(photoNote->frameShape(), QFrame::NoFrame);
        QCOMPARE(photoNote->textInteractionFlags(),
                 Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

        auto *validity = child<QTextEdit>("textEdit");
        QCOMPARE(
            validity->toPlainText(),
            QStringLiteral("Obs: A validade do relatório é garantida somente pela assinatura do "
                           "responsável técnico devidamente credenciado. O controle de "
                           "qualidade não é garantido por este software."));
        QVERIFY(validity->isReadOnly());
        QVERIFY(!validity->isUndoRedoEnabled());
        QCOMPARE(validity->frameShape(), QFrame::NoFrame);
        QCOMPARE(validity->autoFormatting(), QTextEdit::AutoNone);
        QCOMPARE(validity->lineWrapMode(), QTextEdit::WidgetWidth);
        // "Obs: " is bold and red, the rest is not
        QTextCursor cursor(validity->document());
        cursor.setPosition(2);
        QVERIFY(cursor.charFormat().fontWeight() > QFont::Normal);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(Qt::red));
        cursor.setPosition(20);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(qRound(cursor.charFormat().fontPointSize()), 11);
        QCOMPARE(validity->document()->firstBlock().blockFormat().alignment() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignJustify);
    }

    void reportButton()
    {
        auto *b = child<QPushButton>("pushButtonReport");
        QCOMPARE(b->toolTip(), QStringLiteral("Relatorio"));
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        QCOMPARE(b->minimumSize(), QSize(140, 40));
        QCOMPARE(b->maximumWidth(), 102);
        QCOMPARE(child<QWidget>("widget_12")->maximumHeight(), 100);
    }

    void fixedWidths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        for (const char *n : {"pushButton3CaboForca", "pushButtonMonitor", "pushButton3Controles",
                              "pushButton3Botoes", "pushButton3Filtro", "pushButton3Trasdutores",
                              "comboBox3cabo", "comboBox3Monitor", "comboBox3Controles",
                              "comboBox3botoes", "comboBox3FiltPoeira", "comboBox3Transtud"})
            QTest::newRow(n) << n << 130 << 130;
        QTest::newRow("uniformity column") << "widget_13" << 0 << 280;
        QTest::newRow("count") << "label_7" << 0 << 40;
        QTest::newRow("uniformity image") << "labelUniformImg" << 300 << QWIDGETSIZE_MAX;
        QTest::newRow("specialist label") << "label_8" << 120 << QWIDGETSIZE_MAX;
    }
    void fixedWidths()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QWidget *w = child<QWidget>(name);
        QVERIFY(w);
        QCOMPARE(w->minimumWidth(), minimum);
        QCOMPARE(w->maximumWidth(), maximum);
    }

    void equipmentList()
    {
        auto *view = child<QTableView>("tableView");
        QVERIFY(view->dragEnabled());
        QVERIFY(!view->dragDropOverwriteMode());
        QVERIFY(view->alternatingRowColors());
        QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(view->isSortingEnabled());
        QVERIFY(view->horizontalHeader()->isSortIndicatorShown());
        QVERIFY(view->horizontalHeader()->stretchLastSection());
        QVERIFY(!view->horizontalHeader()->cascadingSectionResizes());
    }

    void calendar()
    {
        auto *cal = child<QCalendarWidget>("calendarWidget");
        QVERIFY(cal->isGridVisible());
        QVERIFY(cal->isNavigationBarVisible());
        QCOMPARE(cal->selectedDate(), QDate::currentDate());
    }

    // The keyboard walks the inputs in reading order; a few runs are checked
    // where the order is not the order of creation.
    void tabOrder_data()
    {
        QTest::addColumn<QStringList>("run");
        QTest::newRow("navigation bar to step 1")
            << QStringList{"pushButtonPrevious", "pushButtonNext", "tableView"};
        QTest::newRow("step 2 pairs") << QStringList{"pushButton3CaboForca", "comboBox3cabo",
                                                     "pushButtonMonitor", "comboBox3Monitor"};
        QTest::newRow("step 4 alternates")
            << QStringList{"comboBox2_07db_ZM", "comboBox2_05db_ZM", "comboBox2_07db_RA",
                           "comboBox2_05db_RA", "comboBox2_07db_RL", "comboBox2_05db_RL"};
        QTest::newRow("step 5 columns then the 0.7 dB tab")
            << QStringList{"doubleSpinBox5_05_34",  "doubleSpinBox5_05_45", "doubleSpinBox5_05_56",
                           "doubleSpinBox5_05_67",  "doubleSpinBox5_05_78", "doubleSpinBox5_05_89",
                           "doubleSpinBox5_05_910", "doubleSpinBox5_05_ZF", "doubleSpinBox5_05_MPV",
                           "doubleSpinBox5_07_12",  "doubleSpinBox5_07_23"};
        QTest::newRow("step 7 column by column")
            << QStringList{"checkBox2cm", "s5AA2", "s5AL2", "s5AAr2", "checkBox4cm", "s5AA4"};
        QTest::newRow("step 7 into the 0.7 dB grid")
            << QStringList{"s5AAr8", "checkBox2cm_1", "s7AA2"};
        QTest::newRow("step 8") << QStringList{"lineTecResp", "calendarWidget"};
    }
    void tabOrder()
    {
        QFETCH(QStringList, run);
        for (int i = 0; i + 1 < run.size(); ++i) {
            QWidget *from = child<QWidget>(run.at(i));
            QVERIFY(from);
            QWidget *next = from->nextInFocusChain();
            // skip the inner widgets of composite inputs (the line edit of a spin box, ...)
            // and the widgets that Tab passes over (labels, frames, pages)
            while (next && (from->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
                next = next->nextInFocusChain();
            QVERIFY(next);
            QCOMPARE(next->objectName(), run.at(i + 1));
        }
    }
};

QTEST_MAIN(TestWizardForm)
#include "tst_wizardform.moc"
