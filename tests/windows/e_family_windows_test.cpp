// The calculator windows of this family: fields, start texts, Enter chains,
// result labels and failures through the window itself.
#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <QRegularExpression>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

// The selector's options.
constexpr int kEe = 4;
constexpr int kEtd = 6;
constexpr int kEi = 10;
constexpr int kEd = 11;

const QString kEeExample = QStringLiteral("A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8");
const QString kEtdExample = QStringLiteral("A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3");
const QString kEiExample = QStringLiteral("A=30 B=20 C=10 D=10 E=15 F=20 G=5");
const QString kEdExample = QStringLiteral("A=30 B=20 C=10 D=10 E=15 F=20");

const QString kZeroSection = QStringLiteral("计算失败：除数为零，所给尺寸不构成有效的磁芯。");

}  // namespace

class EFamilyWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void opensWithItsFieldsAndStartTexts_data()
    {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("white");
        // The fields in chain order: Text<n>, its caption Label<m> and text, its start text.
        QTest::addColumn<QList<int>>("texts");
        QTest::addColumn<QList<int>>("captionLabels");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("starts");
        QTest::addColumn<int>("noteLabel");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QList<int>>("valueLabels");

        const QStringList outline{u" A:"_s, u" B:"_s, u" C:"_s, u" D:"_s, u" E:"_s, u" F:"_s};
        const QStringList sixBlanks(6, QString());
        QTest::newRow("EE") << kEe << "Form6" << "EE" << QSize(536, 462) << true
                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<int>{1, 2, 3, 8, 9, 4, 15, 16, 19}
                            << outline + QStringList{u"Rd:"_s, u"Rw:"_s, u"Rn:"_s} << sixBlanks + QStringList{u"0"_s, u"0"_s, u"0"_s}
                            << 10 << "    Rd,Rw,Rn 为半径" << QList<int>{21, 5, 13, 11, 17};
        QTest::newRow("ETD") << kEtd << "Form8" << "ETD" << QSize(517, 440) << true
                             << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                             << QList<int>{1, 2, 3, 8, 9, 4, 15, 16, 19, 5}
                             << outline + QStringList{u"Rd:"_s, u"Rw:"_s, u"Rn:"_s, u" R:"_s}
                             << sixBlanks + QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << 10 << "    R,Rd,Rw,Rn 为半径"
                             << QList<int>{21, 6, 13, 11, 17};
        QTest::newRow("EI") << kEi << "Form12" << "EI" << QSize(514, 463) << false
                            << QList<int>{1, 2, 3, 4, 5, 6, 7} << QList<int>{1, 2, 3, 8, 9, 4, 15}
                            << outline + QStringList{u" G:"_s} << sixBlanks + QStringList{u""_s} << 0 << QString()
                            << QList<int>{21, 5, 13, 11, 17};
        QTest::newRow("ED") << kEd << "Form14" << "ED" << QSize(520, 466) << false
                            << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{1, 2, 3, 8, 9, 4} << outline << sixBlanks
                            << 0 << QString() << QList<int>{21, 6, 13, 11, 17};
    }

    void opensWithItsFieldsAndStartTexts()
    {
        QFETCH(int, core);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, white);
        QFETCH(QList<int>, texts);
        QFETCH(QList<int>, captionLabels);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, starts);
        QFETCH(int, noteLabel);
        QFETCH(QString, note);
        QFETCH(QList<int>, valueLabels);

        WindowSession session;
        CalculatorWindow* window = session.open(core);
        QVERIFY(window);
        QCOMPARE(window->objectName(), form);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QCOMPARE(window->palette().color(QPalette::Window),
                 white ? QColor(Qt::white) : QApplication::palette().color(QPalette::Base));
        // The entry fields only: the standard-core combo box holds a line edit of its own.
        const QRegularExpression entryField(QStringLiteral("^Text\\d+$"));
        QCOMPARE(window->findChildren<QLineEdit*>(entryField).size(), texts.size());
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));

        for (qsizetype i = 0; i < texts.size(); ++i) {
            QLineEdit* text = field(*window, texts[i]);
            QLabel* captionLabel = label(*window, captionLabels[i]);
            QVERIFY2(text && captionLabel, qPrintable(captions[i]));
            QCOMPARE(captionLabel->text(), captions[i]);
            QCOMPARE(text->text(), starts[i]);
        }
        for (int number : valueLabels) {
            QVERIFY(label(*window, number));
            QCOMPARE(label(*window, number)->text(), QString());
        }
        if (noteLabel != 0) {
            QVERIFY(label(*window, noteLabel));
            QCOMPARE(label(*window, noteLabel)->text(), note);
        }
    }

    void etdRadiusFieldsAreNarrower()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QCOMPARE(field(*window, 6)->width(), 73);
        for (int n = 7; n <= 10; ++n)
            QCOMPARE(field(*window, n)->width(), 57);
    }

    void enterMovesAlongTheChain_data()
    {
        QTest::addColumn<int>("core");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("emptied");

        const char* const letters = "ABCDEFG";
        // The principal dimensions: each Enter empties the next one.
        const struct {
            const char* name;
            int core;
            int blanks;
        } windows[] = {{"EE", kEe, 6}, {"ETD", kEtd, 6}, {"EI", kEi, 7}, {"ED", kEd, 6}};
        for (const auto& w : windows) {
            for (int n = 1; n < w.blanks; ++n)
                QTest::addRow("%s: %c empties %c", w.name, letters[n - 1], letters[n])
                    << w.core << n << QStringLiteral("Text%1").arg(n + 1) << true;
        }
        QTest::newRow("EE: F keeps Rd") << kEe << 6 << "Text7" << false;
        QTest::newRow("EE: Rd keeps Rw") << kEe << 7 << "Text8" << false;
        QTest::newRow("EE: Rw keeps Rn") << kEe << 8 << "Text9" << false;
        QTest::newRow("EE: Rn goes to Calculate") << kEe << 9 << "Command1" << false;
        QTest::newRow("ETD: F keeps Rd") << kEtd << 6 << "Text7" << false;
        QTest::newRow("ETD: Rd keeps Rw") << kEtd << 7 << "Text8" << false;
        QTest::newRow("ETD: Rw keeps Rn") << kEtd << 8 << "Text9" << false;
        QTest::newRow("ETD: Rn keeps R") << kEtd << 9 << "Text10" << false;
        QTest::newRow("ETD: R goes to Calculate") << kEtd << 10 << "Command1" << false;
        QTest::newRow("EI: G goes to Calculate") << kEi << 7 << "Command1" << false;
        QTest::newRow("ED: F goes to Calculate") << kEd << 6 << "Command1" << false;
    }

    void enterMovesAlongTheChain()
    {
        QFETCH(int, core);
        QFETCH(int, from);
        QFETCH(QString, to);
        QFETCH(bool, emptied);
        checkEnterStep(core, from, to, emptied);
    }

    // A row with no message succeeds; one with a message fails and says why in the message line.
    void calculate_data()
    {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("EE") << kEe << kEeExample << "0.99071 0.01720 57.06432mm 57.59942mm2 3286.87166mm3" << ""
                            << "Command1";
        QTest::newRow("ETD") << kEtd << kEtdExample << "0.76839 0.00760 77.68726mm 101.10395mm2 7854.48886mm3" << ""
                             << "Command1";
        QTest::newRow("EI") << kEi << kEiExample << "0.55708 0.00557 55.71600mm 100.01436mm2 5572.40034mm3" << ""
                            << "Command1";
        QTest::newRow("ED") << kEd << kEdExample << "0.95693 0.01073 85.34157mm 89.18267mm2 7610.98851mm3" << ""
                            << "Command1";

        QTest::newRow("EE opened and calculated at once") << kEe << "" << "    " << "A 为空" << "Text1";
        QTest::newRow("EE outer legs without width")
            << kEe << "A=17.5 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8" << "    " << kZeroSection + u"\n尺寸可疑：B 应小于 A"_s
            << "Command1";
        QTest::newRow("ETD depth beyond the leg circle")
            << kEtd << "A=34.2 B=25.6 C=10.8 D=30 E=11.8 F=17.3" << "    "
            << "计算失败：对负数开平方，所给尺寸不构成有效的磁芯。\n尺寸可疑：D 应小于 B" << "Command1";
        QTest::newRow("ETD Rd not a number")
            << kEtd << kEtdExample + u" Rd=abc"_s << "    " << "Rd 不是有效的数字" << "Text7";
        QTest::newRow("EI C2 shown as zero")
            << kEi << "A=900 B=600 C=300 D=300 E=450 F=600 G=150" << "0.01857 0.00000   "
            << advice("C2 显示位数不足，无法求出 Le、Ae、Ve：按未舍入的 C1、C2，"
                      "Le = 1671.23890 mm，Ae = 90000.00000 mm²，Ve = 150411500.77500 mm³")
            << "Command1";
        // The narrowest message line, beside the note: the advice takes the room below the failure.
        QTest::newRow("ETD ten times as large")
            << kEtd << "A=342 B=256 C=108 D=108 E=118 F=173"
            << "0.07684 0.00001 590.43856mm 7684.00000mm2 4536929.89504mm3"
            << advice("C2 显示位数不足：按未舍入的 C1、C2，"
                      "Le = 777.22637 mm，Ae = 10115.04441 mm²，Ve = 7861679.30073 mm³")
            << "Command1";
        QTest::newRow("ETD inside out and ten times as large")
            << kEtd << "A=256 B=342 C=108 D=108 E=118 F=173"
            << "0.03440 0.00001 118.33600mm 3440.00000mm2 407075.84000mm3"
            << advice("尺寸可疑：B 应小于 A\n"
                      "C2 显示位数不足：按未舍入的 C1、C2，Le = 88.45702 mm，Ae = 2571.74591 mm²，Ve = 227488.97088 mm³")
            << "Command1";
        // More advice than the room holds at the message line's size: drawn smaller, whole.
        QTest::newRow("ETD with every doubt at once")
            << kEtd << "A=256 B=342 C=108 D=-108 E=180 F=173 R=-1 Rw=-1"
            << "0.23143 0.00011 486.90768mm 2103.90909mm2 1024409.49630mm3"
            << advice("尺寸可疑：D 不应为负；Rw 不应为负；R 不应为负；B 应小于 A；E 应小于 F\n"
                      "C2 显示位数不足：按未舍入的 C1、C2，Le = 495.57225 mm，Ae = 2141.37355 mm²，Ve = 1061205.30835 mm³")
            << "Command1";
        QTest::newRow("ED centre leg without diameter")
            << kEd << "A=30 B=20 C=0 D=10 E=15 F=20" << "    "
            << kZeroSection + u"\n尺寸可疑：磁路中有一段的长度或截面不大于零"_s << "Command1";
    }

    void calculate()
    {
        QFETCH(int, core);
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowSession session;
        CalculatorWindow* window = session.open(core);
        QVERIFY(window);
        fill(*window, inputs);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(results(*window), shown);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!session.watchdog.sawModal());

        if (message.isEmpty())
            QVERIFY(!window->findChild<QLabel*>(QStringLiteral("messageLine"))->isVisible());
        else
            checkMessageLine(*window, message);
    }
};

FERRICALC_WINDOW_TEST_MAIN(EFamilyWindowsTest)
#include "e_family_windows_test.moc"
