// The calculator windows of this family: fields, start texts, Enter chains,
// result labels and failures through the window itself.
#include <QApplication>
#include <QLocale>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;
using namespace Qt::StringLiterals;

namespace {

constexpr int kUf = 1;
constexpr int kUy = 2;
constexpr int kUyf = 3;
constexpr int kUi = 9;

QString example(int option)
{
    switch (option) {
    case kUf:
        return u"A=59.2 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9"_s;
    case kUy:
        return u"A=40 B=20 C=10 E=14 F=22"_s;
    case kUyf:
        return u"A=50 B=25 C=16 D=12 E=20 F=32"_s;
    default:
        return u"A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10"_s;
    }
}

// Every window of the family places its result values in Label5/7/13/11/17,
// except UYF, whose C1 and C2 are Label21 and Label10 beside captions 22 and 20.
struct ResultLabels {
    int c1Caption, c1Value, c2Caption, c2Value;
};

ResultLabels resultLabels(int option)
{
    return option == kUyf ? ResultLabels{22, 21, 20, 10} : ResultLabels{4, 5, 6, 7};
}

}  // namespace

class UFamilyWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void opensWithItsFieldsAndStartTexts_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("picture");
        // "Text<n>:Label<m>:caption:start text" for every field, in chain order (the caption keeps its colon).
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("noteLabel");
        QTest::addColumn<QString>("note");
        QTest::newRow("UF has no Text6")
            << kUf << "Form3" << "UF" << QSize(518, 515) << QRect(0, 0, 257, 217)
            << QStringList{u"1:1: A::"_s, u"2:2: B::"_s, u"3:3: C::"_s, u"4:8: D::"_s,
                           u"5:9: E::"_s, u"7:15: F::"_s, u"8:16: P::"_s}
            << 0 << QString();
        QTest::newRow("UY has no Text6 and its radii start at 0")
            << kUy << "Form4" << "UY" << QSize(530, 473) << QRect(0, 0, 257, 217)
            << QStringList{u"1:1: A::"_s, u"2:2: B::"_s, u"3:3: C::"_s, u"4:8: E::"_s,
                           u"5:9: F::"_s, u"7:15:r1::0"_s, u"8:16:r2::0"_s, u"9:19:r3::0"_s}
            << 10 << u"    r1,r2,r3 为半径"_s;
        QTest::newRow("UYF, drawing 8 px beyond the top left corner")
            << kUyf << "Form5" << "UYF" << QSize(543, 467) << QRect(-8, -8, 313, 257)
            << QStringList{u"1:1: A::"_s, u"2:2: B::"_s, u"3:3: C::"_s, u"4:8: D::"_s,
                           u"5:9: E::"_s, u"6:15: F::"_s, u"7:16: G::0"_s, u"8:19:Gd::0"_s,
                           u"9:6: H::0"_s, u"10:5: X::0"_s, u"11:4: Y::0"_s, u"12:7: Z::0"_s}
            << 23 << u"    Gd 为半径"_s;
        QTest::newRow("UI") << kUi << "Form13" << "UI" << QSize(508, 461) << QRect(8, 8, 281, 217)
                            << QStringList{u"1:1: A::"_s, u"2:2: B::"_s, u"3:3: C::"_s, u"4:8: D::"_s,
                                           u"5:9: E::"_s, u"6:15: F::"_s, u"7:16: G::"_s, u"8:10: P::"_s}
                            << 0 << QString();
    }

    void opensWithItsFieldsAndStartTexts()
    {
        QFETCH(int, option);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QRect, picture);
        QFETCH(QStringList, fields);
        QFETCH(int, noteLabel);
        QFETCH(QString, note);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        QCOMPARE(window->objectName(), form);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QCOMPARE(window->findChild<QWidget*>(u"Picture1"_s)->geometry(), picture);
        QCOMPARE(static_cast<qsizetype>(window->core().fields.size()), fields.size());
        for (const QString& described : fields) {
            const int text = described.section(QLatin1Char(':'), 0, 0).toInt();
            const int captionNumber = described.section(QLatin1Char(':'), 1, 1).toInt();
            QVERIFY2(field(*window, text), qPrintable(described));
            QCOMPARE(label(*window, captionNumber)->text(), described.section(QLatin1Char(':'), 2, 2) + QLatin1Char(':'));
            QCOMPARE(field(*window, text)->text(), described.section(QLatin1Char(':'), 4, 4));
        }
        if (option == kUf || option == kUy)
            QVERIFY(!field(*window, 6));

        const ResultLabels labels = resultLabels(option);
        const QList<std::pair<int, QString>> resultCaptions{{labels.c1Caption, u" C1:"_s},
                                                            {labels.c2Caption, u" C2:"_s},
                                                            {14, u" Le:"_s},
                                                            {12, u" Ae:"_s},
                                                            {18, u" Ve:"_s}};
        for (const auto& [number, text] : resultCaptions)
            QCOMPARE(label(*window, number)->text(), text);
        QCOMPARE(results(*window), u"    "_s);
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));
        if (noteLabel != 0)
            QCOMPARE(label(*window, noteLabel)->text(), note);
    }

    void enterMovesAlongTheChain_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("UF: E skips the missing Text6 and empties F") << kUf << 5 << "Text7" << true;
        QTest::newRow("UF: F empties P") << kUf << 7 << "Text8" << true;
        QTest::newRow("UF: P goes to Calculate") << kUf << 8 << "Command1" << false;
        QTest::newRow("UY: E empties F") << kUy << 4 << "Text5" << true;
        QTest::newRow("UY: F keeps r1") << kUy << 5 << "Text7" << false;
        QTest::newRow("UY: r1 keeps r2") << kUy << 7 << "Text8" << false;
        QTest::newRow("UY: r2 keeps r3") << kUy << 8 << "Text9" << false;
        QTest::newRow("UY: r3 goes to Calculate") << kUy << 9 << "Command1" << false;
        QTest::newRow("UYF: E empties F") << kUyf << 5 << "Text6" << true;
        QTest::newRow("UYF: F keeps G") << kUyf << 6 << "Text7" << false;
        for (int from = 7; from < 12; ++from)
            QTest::addRow("UYF: Text%d keeps Text%d", from, from + 1)
                << kUyf << from << QStringLiteral("Text%1").arg(from + 1) << false;
        QTest::newRow("UYF: Z goes to Calculate") << kUyf << 12 << "Command1" << false;
        for (int from = 1; from < 8; ++from)
            QTest::addRow("UI: Text%d empties Text%d", from, from + 1)
                << kUi << from << QStringLiteral("Text%1").arg(from + 1) << true;
        QTest::newRow("UI: P goes to Calculate") << kUi << 8 << "Command1" << false;
        const std::pair<const char*, int> pairsOfHalves[] = {{"UF", kUf}, {"UY", kUy}, {"UYF", kUyf}};
        for (const auto& [name, option] : pairsOfHalves)
            for (int from = 1; from < 5; ++from)
                QTest::addRow("%s: Text%d empties Text%d", name, from, from + 1)
                    << option << from << QStringLiteral("Text%1").arg(from + 1) << true;
    }

    void enterMovesAlongTheChain()
    {
        QFETCH(int, option);
        QFETCH(int, from);
        QFETCH(QString, to);
        QFETCH(bool, emptied);
        checkEnterStep(option, from, to, emptied);
    }

    void calculateShowsTheResults_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UF") << kUf << example(kUf) << "0.89974 0.00434 186.52813mm 207.31336mm2 38669.77333mm3";
        QTest::newRow("UY, radii left at 0")
            << kUy << example(kUy) << "1.56970 0.01983 124.25406mm 79.15784mm2 9835.68353mm3";
        QTest::newRow("UYF, G to Z left at 0")
            << kUyf << example(kUyf) << "0.89413 0.00460 173.79749mm 194.37609mm2 33782.07615mm3";
        QTest::newRow("UI") << kUi << example(kUi) << "0.88680 0.00795 98.92003mm 111.54717mm2 11034.24941mm3";
    }

    void calculateShowsTheResults()
    {
        QFETCH(int, option);
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        QCOMPARE(label(*window, resultLabels(option).c1Value)->text(), shown.section(QLatin1Char(' '), 0, 0));
        QCOMPARE(label(*window, resultLabels(option).c2Value)->text(), shown.section(QLatin1Char(' '), 1, 1));
        checkResultsShownWhole(*window);
    }

    void failedCalculateSaysWhy_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString divisionByZero = u"计算失败：除数为零，所给尺寸不构成有效的磁芯。"_s;
        const QString zeroPart = u"\n尺寸可疑：磁路中有一段的长度或截面不大于零"_s;
        QTest::newRow("UF: unused A still has to be a number") << kUf << "A=abc"
                                                               << "A 不是有效的数字"
                                                               << "Text1";
        QTest::newRow("UF: no depth") << kUf << "D=0" << divisionByZero + zeroPart << "Command1";
        QTest::newRow("UY: r3 empty") << kUy << "r3="
                                      << "r3 为空"
                                      << "Text9";
        QTest::newRow("UY: limbs without diameter") << kUy << "C=0" << divisionByZero + zeroPart << "Command1";
        QTest::newRow("UYF: flat deeper than the leg")
            << kUyf << "H=17" << u"计算失败：对负数开平方，所给尺寸不构成有效的磁芯。\n尺寸可疑：H 应小于 C"_s << "Command1";
        QTest::newRow("UYF: flat across the whole leg")
            << kUyf << "H=16" << divisionByZero + u"\n尺寸可疑：H 应小于 C"_s << "Command1";
        QTest::newRow("UI: no bar") << kUi << "G=0" << divisionByZero + zeroPart << "Command1";
        QTest::newRow("UI: bar thickness met before F") << kUi << "F=x G=y"
                                                        << "G 不是有效的数字"
                                                        << "Text7";
    }

    void failedCalculateSaysWhy()
    {
        QFETCH(int, option);
        QFETCH(QString, inputs);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        fill(*window, example(option));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        const QString before = results(*window);

        // Each of these fails before C1 is written: the earlier results stay.
        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), before);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        checkMessageLine(*window, message);
        QVERIFY(!session.watchdog.sawModal());
    }
};

FERRICALC_WINDOW_TEST_MAIN(UFamilyWindowsTest)
#include "u_family_windows_test.moc"
