// The calculator window framework, driven through the ring window.
#include <algorithm>
#include <QApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "cli_worked_examples.hpp"
#include "window/look.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
const QString kPlainRing = QStringLiteral("3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3");

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* messageLabel(QWidget& window, const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); }

// The field texts of a worked example, in the descriptor's order.
std::vector<std::string> exampleTexts(const CoreDescriptor& core, std::string_view inputs)
{
    std::vector<std::string> texts;
    for (const FieldSpec& field : core.fields) {
        std::string_view given = field.start == StartText::Zero ? "0" : "";
        findInput(inputs, field.letter, given);
        texts.emplace_back(given);
    }
    return texts;
}

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
        QTest::addColumn<int>("stale");  // labels this Calculate did not write
        QTest::newRow("B not a number") << "A=10 B=abc h=4" << kPlainRing << "B 不是有效的数字" << "Text2" << 5;
        QTest::newRow("h empty") << "A=10 B=6 h=" << kPlainRing << "h 为空" << "Text3" << 5;
        QTest::newRow("A equal to B") << "A=10 B=10 h=4" << kPlainRing
                                      << "计算失败：除数为零，所给尺寸不构成有效的磁芯。\n尺寸可疑：B 应小于 A"
                                      << "Command1" << 5;
        // The advice says why nothing is derived, and gives what the unrounded constants give.
        QTest::newRow("C2 shown as zero")
            << "A=1000 B=600 h=200" << "0.06150 0.00000 24.07191mm 7.82824mm2 188.44062mm3"
            << advice("C2 显示位数不足，无法求出 Le、Ae、Ve：按未舍入的 C1、C2，"
                      "Le = 2407.20902 mm，Ae = 39141.42243 mm²，Ve = 94221585.20899 mm³")
            << "Command1" << 3;
    }

    // The labels a failed Calculate did not write keep their texts, greyed, with a tooltip that says so.
    static int staleLabels(QWidget& window)
    {
        const QList<QLabel*> labels = window.findChildren<QLabel*>();
        return static_cast<int>(std::count_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            const bool stale = label->toolTip() == QStringLiteral("上次计算的结果");
            return stale && label->palette().color(QPalette::WindowText)
                                == window.palette().color(QPalette::Disabled, QPalette::Text);
        }));
    }

    void failedCalculateKeepsEarlierLabelsAndSaysWhy()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(int, stale);
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);

        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        QCOMPARE(staleLabels(*window), stale);
        checkMessageLine(*window, message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (auto* bad = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            QCOMPARE(bad->selectedText(), bad->text());

        // The window stays usable: mend the field and calculate again.
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), kPlainRing);
        QCOMPARE(staleLabels(*window), 0);
        checkMessageLine(*window, QString());
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

    void adviceShowsInAmberAndClearsAtTheNextCalculate_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        // The labels keep what the displayed C1 and C2 give; the advice gives what the unrounded ones give.
        QTest::newRow("display too coarse")
            << "A=500 B=300 h=100" << "0.12300 0.00001 1512.90000mm 12300.00000mm2 18608670.00000mm3"
            << advice("C2 显示位数不足：按未舍入的 C1、C2，"
                      "Le = 1203.60451 mm，Ae = 9785.35561 mm²，Ve = 11777698.15112 mm³");
        QTest::newRow("inside out, negative results kept")
            << "A=6 B=10 h=4" << "-3.07501 0.39281 24.07191mm -7.82824mm2 -188.44062mm3" << "尺寸可疑：B 应小于 A";
        QTest::newRow("failure in red, advice in amber below it")
            << "A=10 B=10 h=4" << "    " << "计算失败：除数为零，所给尺寸不构成有效的磁芯。\n尺寸可疑：B 应小于 A";
    }

    void adviceShowsInAmberAndClearsAtTheNextCalculate()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        checkMessageLine(*window, message);
        QCOMPARE(messageLabel(*window, "advisoryLine")->palette().color(QPalette::WindowText), look::kDarkAmber);
        QCOMPARE(messageLabel(*window, "messageLine")->palette().color(QPalette::WindowText), look::kDarkRed);

        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), kPlainRing);
        checkMessageLine(*window, QString());
    }

    // Worked apart from the program: C1 = 2π/(h·ln(A/B)), C2 = 4π·(1/B − 1/A)/(h²·ln³(A/B)),
    // then Le = C1²/C2, Ae = C1/C2, Ve = C1³/C2².
    void eachResultsTooltipGivesItsUnroundedValue()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=500 B=300 h=100"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);

        const double pi = std::acos(-1.0);
        const double L = std::log(500.0 / 300.0);
        const double c1 = 2.0 * pi / (100.0 * L);
        const double c2 = 4.0 * pi * (1.0 / 300.0 - 1.0 / 500.0) / (100.0 * 100.0 * L * L * L);
        const double expected[] = {c1, c2, c1 * c1 / c2, c1 / c2, c1 * c1 * c1 / (c2 * c2)};
        const char* const units[] = {"mm⁻¹", "mm⁻³", "mm", "mm²", "mm³"};
        const QRegularExpression tip(QStringLiteral("^未舍入：([-0-9.e+]+) (\\S+)$"));
        for (std::size_t q = 0; q < QuantityCount; ++q) {
            const QString tooltip = label(*window, window->core().results[q].valueNumber)->toolTip();
            const QRegularExpressionMatch match = tip.match(tooltip);
            QVERIFY2(match.hasMatch(), qPrintable(tooltip));
            QCOMPARE(match.captured(2), QString::fromUtf8(units[q]));
            // The ring's formula keeps one product in single precision: some 1e-7 of difference.
            QVERIFY2(std::fabs(match.captured(1).toDouble() - expected[q]) < 1e-6 * expected[q], qPrintable(tooltip));
        }
    }

    // The widest results a window can be given: twelve significant digits and a
    // sign, in each window, beside the rest of the window as a Calculate leaves it.
    void twelveDigitResultsShowWholeInEveryWindow_data()
    {
        QTest::addColumn<int>("example");
        for (int i = 0; i < static_cast<int>(std::size(kWorkedExamples)); ++i)
            if (kWorkedExamples[i].name != "LargeRing")
                QTest::newRow(kWorkedExamples[i].core.data()) << i;
    }

    void twelveDigitResultsShowWholeInEveryWindow()
    {
        QFETCH(int, example);
        const WorkedExample& worked = kWorkedExamples[example];
        WindowSession session;
        int option = 0;
        while (coreType(option).name != worked.core)
            ++option;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        const std::vector<std::string> texts = exampleTexts(window->core(), worked.inputs);
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        Calculation widest = calculate(window->core(), views, ".");
        QVERIFY(widest.succeeded());
        for (std::size_t q = 0; q < QuantityCount; ++q) {
            const DisplayFormat& format = window->core().results[q].format;
            widest.texts[q] = formatNumber(-123456789012.0 / std::pow(10.0, format.decimals), format, ".");
        }
        window->showCalculation(widest);
        QVERIFY(results(*window).startsWith(text(widest.texts[C1].view())));
        checkResultsShownWhole(*window);

        // A plain result afterwards takes the label's own size again.
        window->showCalculation(calculate(window->core(), views, "."));
        checkResultsShownWhole(*window);
        for (const ResultSpec& result : window->core().results)
            QCOMPARE(label(*window, result.valueNumber)->font(), window->font());
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
