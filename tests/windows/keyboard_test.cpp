// The keyboard alone, to the end: the selector's options and buttons, every
// calculator window's Enter chain through to its results, and Enter (or the
// keypad's Enter) on whichever push button has the focus, shown by the style's
// focus frame.
#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>

#include "cli_worked_examples.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

int optionOf(std::string_view coreName)
{
    for (int index = 0; index < kCoreTypeCount; ++index)
        if (coreType(index).name == coreName)
            return index;
    return -1;
}

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// The button has the focus and the style draws its focus frame.
bool showsFocusFrame(QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.hasFocus() && option.state.testFlag(QStyle::State_HasFocus)
           && option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

void pressKey(QWidget& window, Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void everyWindowCalculatesByKeyboardAlone_data()
    {
        QTest::addColumn<int>("example");
        QTest::addColumn<bool>("keypad");
        for (int i = 0; i < static_cast<int>(std::size(kWorkedExamples)); ++i)
            QTest::newRow(kWorkedExamples[i].name.data()) << i << (i % 2 == 1);
    }

    // Type each dimension the example gives and press Enter, field after field
    // (a zero field reached by Enter comes selected and is typed over, or kept);
    // the chain ends on 计算, and one more Enter writes the results.
    void everyWindowCalculatesByKeyboardAlone()
    {
        QFETCH(int, example);
        QFETCH(bool, keypad);
        const WorkedExample& worked = kWorkedExamples[example];
        WindowSession session;
        CalculatorWindow* window = session.open(optionOf(worked.core));
        QVERIFY(window);
        const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        for (const FieldSpec& entry : window->core().fields) {
            QCOMPARE(QApplication::focusWidget(), field(*window, entry.textNumber));
            std::string_view typed;
            if (findInput(worked.inputs, entry.letter, typed))
                type(*window, text(typed));
            pressEnter(*window, modifiers);
        }
        QPushButton* calculate = button(*window, 1);
        QVERIFY(showsFocusFrame(*calculate));
        QCOMPARE(results(*window), QStringLiteral("    "));  // nothing calculated yet: five empty labels
        pressEnter(*window, modifiers);
        // The table gives each text up to its unit, which some windows leave out.
        const QStringList shown = results(*window).split(QLatin1Char(' '));
        const QStringList expected = text(worked.shown).split(QLatin1Char(' '));
        QCOMPARE(shown.size(), expected.size());
        for (qsizetype i = 0; i < shown.size(); ++i)
            QVERIFY2(shown[i].startsWith(expected[i]), qPrintable(shown[i]));
        QVERIFY(calculate->hasFocus());
    }

    // Arrow keys to an option, Tab to 确 定 and Enter open its window; Tab to
    // 返回 and Enter bring the selector back; Tab to 退 出 and Enter press it.
    void theSelectorAndReturnByKeyboard()
    {
        WindowSession session;
        SelectorWindow& selector = *session.selector;
        QVERIFY(!option(selector, 0)->isChecked());
        pressKey(selector, Qt::Key_Down);  // 环型 to UF型, the option below it, which is chosen
        QVERIFY(option(selector, 1)->isChecked());
        pressKey(selector, Qt::Key_Right);  // and on to UI型
        pressKey(selector, Qt::Key_Left);
        QVERIFY(option(selector, 1)->isChecked());
        pressKey(selector, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(selector, 1));
        QVERIFY(showsFocusFrame(*button(selector, 1)));
        pressEnter(selector);
        CalculatorWindow* window = selector.calculatorWindow();
        QVERIFY(window);
        QCOMPARE(window->core().name, std::string_view("uf"));

        QVERIFY(activate(*window));
        button(*window, 1)->setFocus();
        pressKey(*window, Qt::Key_Tab);
        QVERIFY(showsFocusFrame(*button(*window, 2)));
        pressEnter(*window, Qt::KeypadModifier);
        QTRY_VERIFY(!selector.calculatorWindow());
        QVERIFY(selector.isVisible());
        QVERIFY(option(selector, 1)->isChecked());

        QVERIFY(activate(selector));
        button(selector, 1)->setFocus();
        pressKey(selector, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(selector, 2));
        QSignalSpy exitPressed(button(selector, 2), &QPushButton::clicked);
        pressEnter(selector);
        QCOMPARE(exitPressed.count(), 1);
    }

    void enterClosesTheAboutWindow_data()
    {
        QTest::addColumn<bool>("keypad");
        QTest::newRow("Return") << false;
        QTest::newRow("keypad Enter") << true;
    }

    void enterClosesTheAboutWindow()
    {
        QFETCH(bool, keypad);
        WindowSession session;
        option(*session.selector, 9)->setChecked(true);
        QTest::mouseDClick(label(*session.selector, 1), Qt::LeftButton);
        QPointer<AboutWindow> about = session.selector->aboutWindow();
        QVERIFY(about);
        QVERIFY(activate(*about));
        QCOMPARE(QApplication::focusWidget(), button(*about, 1));
        pressEnter(*about, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QTRY_VERIFY(!about);  // closed and destroyed
    }
};

FERRICALC_WINDOW_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
