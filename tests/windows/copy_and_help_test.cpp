// What makes the calculator windows good desktop citizens: Ctrl+C and the
// results' context menu copy a record that pastes into a spreadsheet, each
// field says what its letter means, and the program names its launcher.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLocale>
#include <QTest>

#include "cores/registry.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
constexpr int kEE = 4;
const QString kRingHeader = QStringLiteral("磁芯类型\tA\tB\th\tr3\ta\tb\tC1\tC2\tLe\tAe\tVe\n");
const QString kPlainRingRecord =
    kRingHeader + QStringLiteral("环型\t10\t6\t4\t0\t0\t0\t3.07501\t0.39281\t24.07191mm\t7.82824mm2\t188.44062mm3\n");

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void pressCopy(QWidget& window) { QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier); }

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

QAction* copyResultsAction(const QWidget& widget)
{
    for (QAction* action : widget.actions())
        if (action->text() == QStringLiteral("复制结果"))
            return action;
    return nullptr;
}

}  // namespace

class CopyAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    void ctrlCCopiesTheRecord_data()
    {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("typed");   // then Calculate
        QTest::addColumn<QString>("edited");  // after Calculate
        QTest::addColumn<QString>("record");
        QTest::newRow("the ring after a Calculate") << kRing << "A=10 B=6 h=4" << "" << kPlainRingRecord;
        QTest::newRow("nothing calculable yet: empty result cells")
            << kRing << "A=10" << "" << kRingHeader + QStringLiteral("环型\t10\t\t\t0\t0\t0\t\t\t\t\t\n");
        QTest::newRow("a field edited after Calculate: never beside results it did not give")
            << kRing << "A=10 B=6 h=4" << "B=abc" << kRingHeader + QStringLiteral("环型\t10\tabc\t4\t0\t0\t0\t\t\t\t\t\n");
        QTest::newRow("an edit that still calculates: the results of the new dimensions")
            << kRing << "A=10 B=6 h=4" << "A=100 B=60 h=20"
            << kRingHeader
                   + QStringLiteral(
                       "环型\t100\t60\t20\t0\t0\t0\t0.61500\t0.00157\t240.90764mm\t391.71975mm2\t94368.28066mm3\n");
        QTest::newRow("C2 shown as zero: C1 and C2 only")
            << kRing << "A=1000 B=600 h=200" << ""
            << kRingHeader + QStringLiteral("环型\t1000\t600\t200\t0\t0\t0\t0.06150\t0.00000\t\t\t\n");
        QTest::newRow("a tab or line break in a field stays in its cell")
            << kRing << "A=10 B=6 h=4" << "r3=0\t0 a=0\r\n"
            << kRingHeader + QStringLiteral("环型\t10\t6\t4\t0 0\t0  \t0\t\t\t\t\t\n");
        QTest::newRow("EE/EF: its option caption and its own letters")
            << kEE << "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8" << ""
            << QStringLiteral("磁芯类型\tA\tB\tC\tD\tE\tF\tRd\tRw\tRn\tC1\tC2\tLe\tAe\tVe\n"
                              "EE/EF型\t25\t17.5\t7.5\t7.5\t8.7\t12.8\t0\t0\t0\t"
                              "0.99071\t0.01720\t57.06432mm\t57.59942mm2\t3286.87166mm3\n");
    }

    void ctrlCCopiesTheRecord()
    {
        QFETCH(int, core);
        QFETCH(QString, typed);
        QFETCH(QString, edited);
        QFETCH(QString, record);
        WindowSession session;
        CalculatorWindow* window = session.open(core);
        QVERIFY(window);
        fill(*window, typed);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        fill(*window, edited);
        field(*window, 1)->setFocus();
        field(*window, 1)->deselect();
        pressCopy(*window);
        QCOMPARE(clipboardText(), record);
    }

    void ctrlCKeepsASelection_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("copied");
        QTest::newRow("a field without selection: the record") << "Text2" << false << kPlainRingRecord;
        QTest::newRow("a field with selected text: the selection") << "Text2" << true << "6";
        QTest::newRow("the Calculate button: the record") << "Command1" << false << kPlainRingRecord;
        QTest::newRow("the C1 value without selection: the record") << "Label5" << false << kPlainRingRecord;
        QTest::newRow("the C1 value with selected text: the selection") << "Label5" << true << "3.07501";
    }

    void ctrlCKeepsASelection()
    {
        QFETCH(QString, focus);
        QFETCH(bool, select);
        QFETCH(QString, copied);
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        auto* target = window->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            select ? edit->selectAll() : edit->deselect();
        if (auto* value = qobject_cast<QLabel*>(target); value && select)
            value->setSelection(0, static_cast<int>(value->text().size()));
        QCOMPARE(QApplication::focusWidget(), target);
        pressCopy(*window);
        QCOMPARE(clipboardText(), copied);
    }

    // Right-clicking any result row offers 复制结果, which copies what Ctrl+C copies.
    void theResultsOfferCopyResults()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        for (const ResultSpec& resultRow : window->core().results) {
            for (const int number : {resultRow.captionNumber, resultRow.valueNumber}) {
                QLabel* row = label(*window, number);
                QCOMPARE(row->contextMenuPolicy(), Qt::ActionsContextMenu);
                QAction* copy = copyResultsAction(*row);
                QVERIFY2(copy, qPrintable(row->objectName()));
                QGuiApplication::clipboard()->clear();
                copy->trigger();
                QCOMPARE(clipboardText(), kPlainRingRecord);
            }
        }
    }

    // Each field and its caption show what the letter stands for, in the words of
    // the descriptor that ferricalc-cli --list prints.
    void everyFieldSaysWhatItsLetterMeans_data()
    {
        QTest::addColumn<int>("core");
        for (int index = 0; index < kCoreTypeCount; ++index)
            QTest::newRow(text(coreType(index).name).toUtf8().constData()) << index;
    }

    void everyFieldSaysWhatItsLetterMeans()
    {
        QFETCH(int, core);
        WindowSession session;
        CalculatorWindow* window = session.open(core);
        QVERIFY(window);
        for (const FieldSpec& entry : window->core().fields) {
            const QString meaning = text(entry.meaning);
            QVERIFY2(!meaning.trimmed().isEmpty(), entry.letter.data());
            QCOMPARE(field(*window, entry.textNumber)->toolTip(), meaning);
            QCOMPARE(label(*window, entry.captionNumber)->toolTip(), meaning);
        }
    }

    void theRingsAnglesAreInRadians()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        for (const int angle : {5, 6})
            QVERIFY(field(*window, angle)->toolTip().contains(QStringLiteral("弧度")));
    }

    // The desktop shell matches the running program to its launcher by this name.
    void theProgramNamesItsInstalledLauncher()
    {
        const QString launcher = QStringLiteral(FERRICALC_PACKAGING_DIR "/%1.desktop")
                                     .arg(QGuiApplication::desktopFileName());
        QVERIFY2(QFileInfo::exists(launcher), qPrintable(launcher));
    }
};

FERRICALC_WINDOW_TEST_MAIN(CopyAndHelpTest)
#include "copy_and_help_test.moc"
