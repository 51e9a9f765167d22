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
        if (from > 1)
            QTest::keyClicks(edit(), "faixa escura");
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

    // Typed one key at a time or pasted as one edit at the cursor: refused characters
    // go from the end, whatever passes 120 characters is cut before the cursor.
    void filterAndLimit_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursorAt");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("result");
        const QString letters = QString(200, QChar('L'));
        QTest::newRow("typed refused") << true << "ok " << 3 << "+$=<|~"
                                       << "ok ";
        QTest::newRow("typed letters, digits, punctuation")
            << true << "ok " << 3 << "Sombra ção 12.5%, (x)!"
            << "ok Sombra ção 12.5%, (x)!";
        QTest::newRow("typed Return at the end") << true << "ab" << 2 << "\n\n"
                                                 << "ab";
        QTest::newRow("typed Return inside") << true << "ab" << 1 << "\n"
                                             << "a\nb";
        QTest::newRow("typed at 120")
            << true << letters.left(119) << 119 << "xy" << letters.left(119) + "x";
        QTest::newRow("exactly 120") << false << "" << 0 << letters.left(120) << letters.left(120);
        QTest::newRow("into the middle")
            << false << "abcdefgh" << 3 << letters << "abc" + letters.left(112) + "defgh";
        QTest::newRow("refused characters at the end")
            << false << "ok " << 3 << QString(300, QChar('+')) << "ok ";
        QTest::newRow("refused ones after the cut")
            << false << "" << 0 << letters + "<<<" << letters.left(120);
        // a paste this long once nested one call per deleted character
        QTest::newRow("100000 letters") << false << "fim" << 3 << QString(100000, QChar('M'))
                                        << "fim" + QString(117, QChar('M'));
    }
    void filterAndLimit()
    {
        QFETCH(bool, typed);
        QFETCH(QString, start);
        QFETCH(int, cursorAt);
        QFETCH(QString, added);
        QFETCH(QString, result);
        rating()->setCurrentIndex(3);
        edit()->insertPlainText(start);
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(cursorAt);
        edit()->setTextCursor(cursor);
        if (typed) {
            // Return as its key; characters beyond ASCII keys arrive as text events
            for (const QChar c : added) {
                if (c == '\n')
                    QTest::keyClick(edit(), Qt::Key_Return);
                else
                    QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
        } else {
            edit()->insertPlainText(added);
        }
        QCOMPARE(edit()->toPlainText(), result);
        QCOMPARE(count(), QString::number(result.size()));
    }
};

QTEST_MAIN(TestExplanation)
#include "tst_explanation.moc"
