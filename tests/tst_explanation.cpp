// The explanation of an inhomogeneous image on step 3: opened by the rating,
// filtered, held to 120 characters, counted.

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

    template <typename T> T *child(const QString &name) { return window->findChild<T *>(name); }
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

    void ratingOpensAndClosesTheField_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("open");
        QTest::newRow("uniform") << 1 << false;
        QTest::newRow("few inhomogeneities") << 2 << true;
        QTest::newRow("large inhomogeneities") << 3 << true;
        QTest::newRow("not rated") << 0 << false;
    }
    void ratingOpensAndClosesTheField()
    {
        QFETCH(int, index);
        QFETCH(bool, open);
        // start from the other state, with some text typed
        rating()->setCurrentIndex(open ? 1 : 2);
        if (!open)
            QTest::keyClicks(edit(), "sombra");
        rating()->setCurrentIndex(index);
        QCOMPARE(edit()->isEnabled(), open);
        QCOMPARE(child<QLabel>("labelUniform")->isVisible(), open);
        QCOMPARE(window->focusWidget(),
                 open ? static_cast<QWidget *>(edit()) : child<QLineEdit>("lineEdit4Transdutor"));
        QVERIFY(edit()->toPlainText().isEmpty());
        if (!open)
            QCOMPARE(count(), QStringLiteral("0"));
    }

    void leavingTheInhomogeneousRatingErasesTheText()
    {
        rating()->setCurrentIndex(3);
        QTest::keyClicks(edit(), "faixa escura");
        QCOMPARE(count(), QStringLiteral("12"));
        rating()->setCurrentIndex(1);
        QVERIFY(edit()->toPlainText().isEmpty());
        QCOMPARE(count(), QStringLiteral("0"));
        rating()->setCurrentIndex(2);
        QVERIFY(edit()->toPlainText().isEmpty());
        QCOMPARE(window->focusWidget(), edit());
    }

    void typedAtTheEnd_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const char *refused : {"+", "$", "=", "<", ">", "|", "~", "^"})
            QTest::newRow(refused) << QString(refused) << QString();
        QTest::newRow("letters") << "Sombra"
                                 << "Sombra";
        QTest::newRow("accented") << "ção"
                                  << "ção";
        QTest::newRow("digits") << "120"
                                << "120";
        QTest::newRow("punctuation") << ".,;:!?-()\"'%"
                                     << ".,;:!?-()\"'%";
        QTest::newRow("blank") << "a b"
                               << "a b";
    }
    void typedAtTheEnd()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        rating()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "ok ");
        // keyClicks knows only ASCII keys: other characters arrive as text events
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(edit()->toPlainText(), "ok " + kept);
        QCOMPARE(count(), QString::number(3 + kept.size()));
    }

    void enterAtTheEndIsRemoved()
    {
        rating()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "linha");
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("linha"));
        QTest::keyClick(edit(), Qt::Key_Enter);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("linha"));
        QCOMPARE(count(), QStringLiteral("5"));
    }

    void lineFeedInTheMiddleStays()
    {
        rating()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "ab");
        QTest::keyClick(edit(), Qt::Key_Left);
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(edit()->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(count(), QStringLiteral("3"));
    }

    void limitOf120_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("pasted");
        QTest::addColumn<int>("length");
        QTest::newRow("200 into empty") << 0 << 200 << 120;
        QTest::newRow("exactly 120") << 0 << 120 << 120;
        QTest::newRow("119") << 0 << 119 << 119;
        QTest::newRow("one more at 120") << 120 << 1 << 120;
        QTest::newRow("100 onto 50") << 50 << 100 << 120;
        QTest::newRow("100000 letters") << 0 << 100000 << 120;
        QTest::newRow("100000 letters onto 119") << 119 << 100000 << 120;
    }
    void limitOf120()
    {
        QFETCH(int, before);
        QFETCH(int, pasted);
        QFETCH(int, length);
        rating()->setCurrentIndex(3);
        QString start, paste;
        for (int i = 0; i < before; ++i)
            start += QChar('a' + i % 26);
        for (int i = 0; i < pasted; ++i)
            paste += QChar('A' + i % 26);
        edit()->insertPlainText(start);
        edit()->insertPlainText(paste); // one edit, as a paste is
        QCOMPARE(edit()->toPlainText(), (start + paste).left(length));
        QCOMPARE(count(), QString::number(length));
    }

    // The cut always deletes before the cursor: the end of a long paste goes, what
    // stood after the cursor stays; refused characters pasted at the end go as well.
    void pasteIsCutBeforeTheCursor_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursorAt");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::newRow("into the middle") << "abcdefgh" << 3 << QString(200, QChar('X'))
                                         << "abc" + QString(112, QChar('X')) + "defgh";
        QTest::newRow("at the start")
            << "fim" << 0 << QString(130, QChar('Y')) << QString(117, QChar('Y')) + "fim";
        QTest::newRow("refused characters at the end")
            << "ok " << 3 << QString(300, QChar('+')) << "ok ";
        QTest::newRow("long paste ending in refused ones")
            << "" << 0 << QString(150, QChar('z')) + "<<<" << QString(120, QChar('z'));
        QTest::newRow("line feeds at the end") << "a" << 1 << "b\n\n\n"
                                               << "ab";
        QTest::newRow("line feed kept inside") << "a" << 1 << "b\nc"
                                               << "ab\nc";
    }
    void pasteIsCutBeforeTheCursor()
    {
        QFETCH(QString, start);
        QFETCH(int, cursorAt);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        rating()->setCurrentIndex(2);
        edit()->insertPlainText(start);
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(cursorAt);
        edit()->setTextCursor(cursor);
        edit()->insertPlainText(pasted);
        QCOMPARE(edit()->toPlainText(), result);
        QCOMPARE(count(), QString::number(result.size()));
    }

    void typingAtTheLimitIsRefused()
    {
        rating()->setCurrentIndex(2);
        edit()->insertPlainText(QString(120, QChar('x')));
        QTest::keyClicks(edit(), "yz");
        QCOMPARE(edit()->toPlainText(), QString(120, QChar('x')));
        QCOMPARE(count(), QStringLiteral("120"));
    }
};

QTEST_MAIN(TestExplanation)
#include "tst_explanation.moc"
