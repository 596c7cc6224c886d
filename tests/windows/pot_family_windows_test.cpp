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

constexpr int kRm = 5;
constexpr int kPot = 7;
constexpr int kEp = 8;

const QString kPotExample = QStringLiteral("A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13");
const QString kRmExample = QStringLiteral("A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5");
const QString kEpExample = QStringLiteral("A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=5");

}  // namespace

class PotFamilyWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void opensWithItsFieldsEmpty_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        // "Text<n>:Label<m>:caption" for every field, in chain order.
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("pot core") << kPot << "Form9" << "GU" << QSize(492, 459)
                                  << QStringList{u"1:1: A:"_s, u"2:2: B:"_s, u"3:3: C:"_s, u"4:8: D:"_s,
                                                 u"5:9: E:"_s, u"6:15: F:"_s, u"7:16: G:"_s, u"8:19: H:"_s};
        QTest::newRow("RM has no D") << kRm << "Form7" << "RM" << QSize(517, 468)
                                     << QStringList{u"1:1: A:"_s, u"2:2: B:"_s, u"3:3: C:"_s, u"4:8: E:"_s,
                                                    u"5:9: F:"_s, u"6:15: G:"_s, u"7:16: H:"_s, u"8:19: I:"_s};
        QTest::newRow("EP") << kEp << "Form10" << "EP" << QSize(508, 462)
                            << QStringList{u"1:1: A:"_s, u"2:2: B:"_s, u"3:3: C:"_s, u"4:8: D:"_s, u"5:9: E:"_s, u"6:15: F:"_s,
                                           u"7:16: G:"_s};
    }

    void opensWithItsFieldsEmpty()
    {
        QFETCH(int, option);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QStringList, fields);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        QCOMPARE(window->objectName(), form);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QCOMPARE(static_cast<qsizetype>(window->core().fields.size()), fields.size());
        for (const QString& described : fields) {
            const int text = described.section(QLatin1Char(':'), 0, 0).toInt();
            const int caption = described.section(QLatin1Char(':'), 1, 1).toInt();
            QVERIFY2(field(*window, text), qPrintable(described));
            QCOMPARE(field(*window, text)->text(), QString());
            QCOMPARE(label(*window, caption)->text(), described.section(QLatin1Char(':'), 2));
        }
        const QList<std::pair<int, QString>> resultCaptions{
            {4, u" C1:"_s}, {6, u" C2:"_s}, {14, u" Le:"_s}, {12, u" Ae:"_s}, {18, u" Ve:"_s}};
        for (const auto& [number, text] : resultCaptions)
            QCOMPARE(label(*window, number)->text(), text);
        QCOMPARE(results(*window), QStringLiteral("    "));
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));
    }

    void enterMovesAlongTheChain_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("emptied");
        const struct {
            const char* name;
            int option;
            int last;
        } windows[] = {{"pot", kPot, 8}, {"RM", kRm, 8}, {"EP", kEp, 7}};
        for (const auto& w : windows) {
            for (int from = 1; from < w.last; ++from)
                QTest::addRow("%s: Text%d empties Text%d", w.name, from, from + 1)
                    << w.option << from << QStringLiteral("Text%1").arg(from + 1) << true;
            QTest::addRow("%s: Text%d goes to Calculate", w.name, w.last) << w.option << w.last << "Command1" << false;
        }
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
        QTest::newRow("pot core, six decimals without units")
            << kPot << kPotExample << "0.531974 0.011445 24.726635 46.480909 1149.316460";
        QTest::newRow("RM") << kRm << kRmExample << "0.38171 0.00344 42.35538mm 110.96221mm2 4699.84709mm3";
        QTest::newRow("EP") << kEp << kEpExample << "1.09529 0.05186 23.13267mm 21.12013mm2 488.56499mm3";
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
        checkResultsShownWhole(*window);
    }

    void failedCalculateSaysWhy_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("pot: C1 shown before C2 overflows")
            << kPot << "F=1e200" << "0.395253    " << "计算失败：数值溢出，所给尺寸不构成有效的磁芯。" << "Command1";
        QTest::newRow("pot: slot-end diameter empty")
            << kPot << "H=" << "    " << "H 为空" << "Text8";
        QTest::newRow("RM: opening wider than the winding space")
            << kRm << "I=25" << "    " << "计算失败：对负数开平方，所给尺寸不构成有效的磁芯。\n尺寸可疑：I 应小于 B"
            << "Command1";
        QTest::newRow("EP: post offset not a number though unused")
            << kEp << "G=abc" << "    " << "G 不是有效的数字" << "Text7";
        QTest::newRow("EP: no back plate")
            << kEp << "F=4.5" << "    " << "计算失败：除数为零，所给尺寸不构成有效的磁芯。\n尺寸可疑：E 应小于 F"
            << "Command1";
    }

    void failedCalculateSaysWhy()
    {
        QFETCH(int, option);
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        const QString example = option == kPot ? kPotExample : option == kRm ? kRmExample : kEpExample;
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        fill(*window, example + QLatin1Char(' ') + inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        checkMessageLine(*window, message);
        QVERIFY(!session.watchdog.sawModal());
    }
};

FERRICALC_WINDOW_TEST_MAIN(PotFamilyWindowsTest)
#include "pot_family_windows_test.moc"
