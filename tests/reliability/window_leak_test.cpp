// Opening and closing windows over and over must not leave widgets behind:
// every built calculator window, opened from the selector, calculated, and
// returned from a thousand times, and the about window opened and closed as
// often. The count of live widgets after the cycles equals the count after the
// first one (which may warm caches). In the sanitizer build LeakSanitizer then
// checks the memory itself when the program ends.
//
// FERRICALC_LEAK_CYCLES sets the number of cycles (1000 by default).

#include <QApplication>
#include <QDoubleSpinBox>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

int cycles()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("FERRICALC_LEAK_CYCLES", &ok);
    return ok && value > 0 ? value : 1000;
}

QWidget* aboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("Form11") && window->isVisible())
            return window;
    return nullptr;
}

// A failed and a successful press of Calculate: both write labels and the
// failed one shows the message line. "1" in every field computes for some cores
// and fails in the geometry for others; either way the window did its work.
// Where it calculated, the design window opens (when `design` asks for it) and
// designs once more; it goes with the calculator window.
void useWindow(CalculatorWindow& window, bool design)
{
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
    for (const FieldSpec& entry : window.core().fields)
        field(window, entry.textNumber)->setText(QString::number(entry.textNumber + 4));
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
    auto* designButton = window.findChild<QPushButton*>(QStringLiteral("designButton"));
    if (design && designButton->isEnabled()) {
        QTest::mouseClick(designButton, Qt::LeftButton);
        if (auto* gap = window.findChild<QDoubleSpinBox*>(QStringLiteral("gap")))
            gap->setValue(0.25);
    }
}

}  // namespace

class WindowLeakTest : public QObject {
    Q_OBJECT

private slots:
    void returningFromACalculatorLeavesNoWidget_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < kCoreTypeCount; ++index) {
            const std::string_view name = coreType(index).name;
            QTest::newRow(std::string(name).c_str()) << index;
        }
    }

    void returningFromACalculatorLeavesNoWidget()
    {
        QFETCH(int, index);
        if (!coreType(index).available())
            QSKIP("this core type is not built yet");
        WindowSession session;
        QTest::mouseClick(option(*session.selector, index), Qt::LeftButton);

        // Every tenth cycle opens the design window too: it costs several times
        // what the calculator window costs.
        const auto openUseReturn = [&session](int cycle) {
            QTest::mouseClick(button(*session.selector, 1), Qt::LeftButton);
            CalculatorWindow* window = session.selector->calculatorWindow();
            QVERIFY(window);
            useWindow(*window, cycle % 10 == 0);
            QTest::mouseClick(button(*window, 2), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!session.selector->calculatorWindow());
            QVERIFY(session.selector->isVisible());
        };

        openUseReturn(0);
        const qsizetype live = QApplication::allWidgets().size();
        for (int cycle = 0; cycle < cycles(); ++cycle) {
            openUseReturn(cycle);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("cycle %1 failed").arg(cycle)));
        }
        qInfo("%s: %d cycles, %lld live widgets before and %lld after", coreType(index).name.data(), cycles(),
              static_cast<long long>(live), static_cast<long long>(QApplication::allWidgets().size()));
        QCOMPARE(QApplication::allWidgets().size(), live);
    }

    void closingTheAboutWindowLeavesNoWidget()
    {
        WindowSession session;
        QTest::mouseClick(option(*session.selector, 3), Qt::LeftButton);  // UYF: the notice line opens the about window
        QTest::mouseDClick(label(*session.selector, 1), Qt::LeftButton);
        if (!aboutWindow())
            QSKIP("this build has no about window");
        const auto closeAndReopen = [&session] {
            QWidget* about = aboutWindow();
            if (QPushButton* ok = button(*about, 1))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                about->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool closed = aboutWindow() == nullptr;
            QTest::mouseDClick(label(*session.selector, 1), Qt::LeftButton);
            return closed && aboutWindow() != nullptr;
        };

        QVERIFY(closeAndReopen());
        const qsizetype live = QApplication::allWidgets().size();
        for (int cycle = 0; cycle < cycles(); ++cycle)
            QVERIFY2(closeAndReopen(),
                     qPrintable(QStringLiteral("cycle %1: the about window did not close or reopen").arg(cycle)));
        qInfo("about window: %d cycles, %lld live widgets before and %lld after", cycles(),
              static_cast<long long>(live), static_cast<long long>(QApplication::allWidgets().size()));
        QCOMPARE(QApplication::allWidgets().size(), live);
    }
};

FERRICALC_WINDOW_TEST_MAIN(WindowLeakTest)
#include "window_leak_test.moc"
