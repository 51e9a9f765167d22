// The explanation of an inhomogeneous image on step 3: opened by the rating, kept free
// of refused characters at its end, held to 120 characters, counted.

#include "wizard/mainwindow.h"
#include "workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QtTest>

class TestExplanation : public QObject
{
    Q_OBJECT

    QScopedPointer<WorkDir> wd;
    QScopedPointer<MainWindow> window;

    template <typename T> T *child(const char *name) { return window->findChild<T *>(name); }
    QPlainTextEdit *edit() { return child<QPlainTextEdit>("plainTextEdit4"); }
    QComboBox *rating() { return child<QComboBox>("comboBox4ImgUnifor"); }
    QString count() { return child<QLabel>("label_7")->text(); }

private slots:
    void init()
    {
        wd.reset(new WorkDir);
        window.reset(new MainWindow(0));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.data()));
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
    }
    void cleanup()
    {
        window.reset();
        wd.reset();
    }

    // Ratings 2 and 3 open the field with the focus in it; 0 and 1 erase what was
    // typed, close it and move the focus to the transducer field.
    void ratingOpensAndClosesTheField_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("3 to 1") << 3 << 1;
        QTest::newRow("2 to 0") << 2 << 0;
        QTest::newRow("1 to 2") << 1 << 2;
        QTest::newRow("0 to 3") << 0 << 3;
    }
    void ratingOpensAndClosesTheField()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        rating()->setCurrentIndex(from);
        if (from > 1) {
            QTest::keyClicks(edit(), "faixa escura");
            QCOMPARE(count(), QStringLiteral("12"));
        }
        rating()->setCurrentIndex(to);
        const bool open = to > 1;
        QCOMPARE(edit()->isEnabled(), open);
        QCOMPARE(child<QLabel>("labelUniform")->isVisible(), open);
        QCOMPARE(window->focusWidget(),
                 open ? static_cast<QWidget *>(edit()) : child<QLineEdit>("lineEdit4Transdutor"));
        QCOMPARE(edit()->toPlainText(), QString());
        if (from > 1)
            QCOMPARE(count(), QStringLiteral("0"));
    }

    void typedAtTheEnd_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const char *refused : {"+", "$", "=", "<", "|", "~"})
            QTest::newRow(refused) << QString(refused) << QString();
        QTest::newRow("letters and accents") << "Sombra ção"
                                             << "Sombra ção";
        QTest::newRow("digits and punctuation") << "12.5%, (x)!"
                                                << "12.5%, (x)!";
    }
    void typedAtTheEnd()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        rating()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "ok ");
        // characters beyond ASCII keys arrive as text events
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(edit()->toPlainText(), "ok " + kept);
        QCOMPARE(count(), QString::number(3 + kept.size()));
    }

    void enterOnlyInTheMiddle()
    {
        rating()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "ab");
        QTest::keyClick(edit(), Qt::Key_Return);
        QTest::keyClick(edit(), Qt::Key_Enter);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("ab"));
        QTest::keyClick(edit(), Qt::Key_Left);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(count(), QStringLiteral("3"));
    }

    // A paste is one edit; whatever passes 120 characters is cut before the cursor,
    // so what stood after it stays.
    void paste_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursorAt");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        const QString letters = QString(200, QChar('L'));
        QTest::newRow("200 letters") << "" << 0 << letters << letters.left(120);
        QTest::newRow("exactly 120") << "" << 0 << letters.left(120) << letters.left(120);
        QTest::newRow("one more at 120") << letters.left(120) << 120 << "x" << letters.left(120);
        QTest::newRow("into the middle")
            << "abcdefgh" << 3 << letters << "abc" + letters.left(112) + "defgh";
        QTest::newRow("at the start") << "fim" << 0 << letters << letters.left(117) + "fim";
        QTest::newRow("refused characters at the end")
            << "ok " << 3 << QString(300, QChar('+')) << "ok ";
        QTest::newRow("refused ones after the cut")
            << "" << 0 << letters + "<<<" << letters.left(120);
        QTest::newRow("line feeds at the end") << "a" << 1 << "b\n\n\n"
                                               << "ab";
        QTest::newRow("line feed inside") << "a" << 1 << "b\nc"
                                          << "ab\nc";
        // a paste this long once nested one call per deleted character
        QTest::newRow("100000 letters")
            << "fim" << 3 << QString(100000, QChar('M')) << "fim" + QString(117, QChar('M'));
    }
    void paste()
    {
        QFETCH(QString, start);
        QFETCH(int, cursorAt);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        rating()->setCurrentIndex(3);
        edit()->insertPlainText(start);
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(cursorAt);
        edit()->setTextCursor(cursor);
        edit()->insertPlainText(pasted);
        QCOMPARE(edit()->toPlainText(), result);
        QCOMPARE(count(), QString::number(result.size()));
    }
};

QTEST_MAIN(TestExplanation)
#include "tst_explanation.moc"
