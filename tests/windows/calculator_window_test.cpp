// The calculator window framework, driven through the ring window.
#include <QApplication>
#include <QLocale>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
const QString kPlainRing = QStringLiteral("3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3");

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void opensWithStartTextsAndTheFocusInA()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(598, 461));
        const QStringList starts{QString(), QString(), QString(), QStringLiteral("0"), QStringLiteral("0"),
                                 QStringLiteral("0")};
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(field(*window, n)->text(), starts[n - 1]);
        QCOMPARE(results(*window), QStringLiteral("    "));
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));
        QCOMPARE(label(*window, 8)->text(), QStringLiteral("r3:"));
        QCOMPARE(button(*window, 1)->text(), QStringLiteral("计算"));
        QCOMPARE(button(*window, 2)->text(), QStringLiteral("返回"));
    }

    void enterMovesAlongTheChain_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("A empties B") << 1 << "Text2" << true;
        QTest::newRow("B empties h") << 2 << "Text3" << true;
        QTest::newRow("h keeps r3") << 3 << "Text4" << false;
        QTest::newRow("r3 keeps a") << 4 << "Text5" << false;
        QTest::newRow("a keeps b") << 5 << "Text6" << false;
        QTest::newRow("b goes to Calculate") << 6 << "Command1" << false;
    }

    void enterMovesAlongTheChain()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        QFETCH(bool, emptied);
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        checkEnterStep(*window, from, to, emptied);
    }

    void typingThroughTheChainReachesR3WithItsZero()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        type(*window, QStringLiteral("10"));
        pressEnter(*window);
        type(*window, QStringLiteral("6"));
        pressEnter(*window);
        type(*window, QStringLiteral("4"));
        pressEnter(*window);
        QCOMPARE(QApplication::focusWidget(), field(*window, 4));
        QCOMPARE(field(*window, 4)->text(), QStringLiteral("0"));

        // Back in A, Enter empties B again.
        QTest::mouseClick(field(*window, 1), Qt::LeftButton);
        pressEnter(*window);
        QCOMPARE(QApplication::focusWidget(), field(*window, 2));
        QCOMPARE(field(*window, 2)->text(), QString());
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("10"));
    }

    void keypadEnterActsAsEnter()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        type(*window, QStringLiteral("10"));
        pressEnter(*window, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), field(*window, 2));
    }

    void calculateWritesTheFiveResults()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), kPlainRing);
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("messageLine"))->isVisible());
    }

    void commaLocaleReadsAndShowsCommas()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=25 B=15 h=10 r3=0,5"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), QStringLiteral("1,23265 0,02525 60,17529mm 48,81782mm2 2937,62649mm3"));
    }

    void failedCalculateKeepsEarlierLabelsAndSaysWhy_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("B not a number") << "A=10 B=abc h=4" << kPlainRing << "B 不是有效的数字" << "Text2";
        QTest::newRow("h empty") << "A=10 B=6 h=" << kPlainRing << "h 为空" << "Text3";
        QTest::newRow("A equal to B")
            << "A=10 B=10 h=4" << kPlainRing << "计算失败：除数为零，所给尺寸不构成有效的磁芯。" << "Command1";
        QTest::newRow("C2 shown as zero")
            << "A=1000 B=600 h=200" << "0.06150 0.00000 24.07191mm 7.82824mm2 188.44062mm3"
            << "计算失败：C2 在显示的小数位内为零，无法由它求出 Le、Ae、Ve（除数为零）。" << "Command1";
    }

    void failedCalculateKeepsEarlierLabelsAndSaysWhy()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);

        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        auto* line = window->findChild<QLabel*>(QStringLiteral("messageLine"));
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (auto* bad = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            QCOMPARE(bad->selectedText(), bad->text());

        // The window stays usable: mend the field and calculate again.
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), kPlainRing);
        QVERIFY(!line->isVisible());
        QVERIFY(!session.watchdog.sawModal());
    }

    void editingAFieldLeavesTheResults()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        field(*window, 1)->setFocus();
        type(*window, QStringLiteral("5"));
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("105"));
        QCOMPARE(results(*window), kPlainRing);
    }

    void reopeningStartsAfresh()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4 r3=1"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QTest::mouseClick(button(*window, 2), Qt::LeftButton);
        QTRY_VERIFY(!session.selector->calculatorWindow());

        window = session.open(kRing);
        QVERIFY(window);
        QCOMPARE(field(*window, 1)->text(), QString());
        QCOMPARE(field(*window, 4)->text(), QStringLiteral("0"));
        QCOMPARE(results(*window), QStringLiteral("    "));
    }

    void aLongResultIsNotCutOff()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=1e-30"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QLabel* c1 = label(*window, 5);
        QCOMPARE(c1->text(), QStringLiteral("12300058978400674639635653066752.00000"));
        QVERIFY(c1->width() >= c1->sizeHint().width());
    }
};

FERRICALC_WINDOW_TEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
