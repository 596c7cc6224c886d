#include <QApplication>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

class SelectorTest : public QObject {
    Q_OBJECT

private slots:
    void optionsSitInTheirGrid_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        const auto row = [](int index, const char* caption, int left, int top, int width = 1335) {
            QTest::addRow("%d %s", index, caption) << index << QString::fromUtf8(caption) << QRect(left, top, width, 375);
        };
        row(0, "环型", 840, 2040);
        row(3, "UYF型", 2520, 2040);
        row(4, "EE/EF型", 4320, 2040);
        row(8, "EP型", 6360, 2040);
        row(1, "UF型", 840, 3000);
        row(9, "UI型", 2520, 3000);
        row(11, "ED型", 4320, 3000);
        row(7, "罐型", 6360, 3000);
        row(2, "UY型", 840, 3960);
        row(10, "EI型", 2520, 3960);
        row(6, "ETD/EC/EER型", 4320, 3960, 1575);
        row(5, "RM型", 6360, 3960);
    }

    void optionsSitInTheirGrid()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        WindowSession session;
        QRadioButton* button = option(*session.selector, index);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    void startsWithNothingSelectedAndTheFocusOnTheFirstOption()
    {
        WindowSession session;
        QCOMPARE(session.selector->windowTitle(), QStringLiteral("QYX"));
        QCOMPARE(session.selector->size(), QSize(538, 469));
        for (int index = 0; index < kCoreTypeCount; ++index)
            QVERIFY(!option(*session.selector, index)->isChecked());
        QCOMPARE(QApplication::focusWidget(), option(*session.selector, 0));
        QCOMPARE(label(*session.selector, 2)->text(), QStringLiteral("请选择磁芯类型:"));
        QCOMPARE(button(*session.selector, 1)->text(), QStringLiteral("确 定"));
        QCOMPARE(button(*session.selector, 2)->text(), QStringLiteral("退 出"));
    }

    void okWithNothingSelectedDoesNothing()
    {
        WindowSession session;
        QTest::mouseClick(button(*session.selector, 1), Qt::LeftButton);
        QVERIFY(session.selector->isVisible());
        QVERIFY(!session.selector->calculatorWindow());
    }

    void eachOptionOpensItsWindow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        const auto row = [](int index, const char* form, const char* caption) {
            QTest::addRow("%d %s", index, form) << index << QString::fromLatin1(form) << QString::fromLatin1(caption);
        };
        row(0, "Form2", "H");
        row(1, "Form3", "UF");
        row(2, "Form4", "UY");
        row(3, "Form5", "UYF");
        row(4, "Form6", "EE");
        row(5, "Form7", "RM");
        row(6, "Form8", "ETD");
        row(7, "Form9", "GU");
        row(8, "Form10", "EP");
        row(9, "Form13", "UI");  // not Form12: the option order is not the window numbering
        row(10, "Form12", "EI");
        row(11, "Form14", "ED");
    }

    void eachOptionOpensItsWindow()
    {
        QFETCH(int, index);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        if (!coreType(index).available())
            QSKIP("this core type is not built yet");
        WindowSession session;
        CalculatorWindow* window = session.open(index);
        QVERIFY(window);
        QVERIFY(!session.selector->isVisible());
        QCOMPARE(window->objectName(), form);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));
    }

    void returnBringsTheSelectorBackWithItsChoice()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        QVERIFY(window);
        QTest::mouseClick(button(*window, 2), Qt::LeftButton);
        QTRY_VERIFY(!session.selector->calculatorWindow());
        QVERIFY(session.selector->isVisible());
        QVERIFY(option(*session.selector, 0)->isChecked());
    }

    void closingTheCalculatorFromItsTitleBarActsAsReturn()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        QVERIFY(window);
        QVERIFY(window->close());
        QTRY_VERIFY(!session.selector->calculatorWindow());
        QVERIFY(session.selector->isVisible());
    }

    void closingTheSelectorEndsTheProgram()
    {
        WindowSession session;
        QVERIFY(session.selector->close());
        QVERIFY(!session.selector->isVisible());
        QVERIFY(!session.watchdog.sawModal());
    }
};

FERRICALC_WINDOW_TEST_MAIN(SelectorTest)
#include "selector_test.moc"
