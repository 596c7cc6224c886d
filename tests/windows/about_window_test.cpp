// The about window: which selections open it, that there is only ever one,
// and how it closes.
#include <QApplication>
#include <QPointer>
#include <QTest>

#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

void doubleClickNotice(SelectorWindow& selector) { QTest::mouseDClick(label(selector, 1), Qt::LeftButton); }

int openAboutWindows()
{
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QStringLiteral("Form11") && window->isVisible();
    return count;
}

// Chooses UI and double-clicks the notice line, as a user opens the about window.
AboutWindow* openAbout(WindowSession& session)
{
    option(*session.selector, 9)->setChecked(true);
    doubleClickNotice(*session.selector);
    return session.selector->aboutWindow();
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyUnderUyfUiOrEi_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("opens");
        QTest::newRow("nothing selected does nothing") << -1 << false;
        const auto row = [](int index, const char* caption, bool opens) {
            QTest::addRow("%d %s %s", index, caption, opens ? "opens it" : "does nothing") << index << opens;
        };
        row(0, "环型", false);
        row(1, "UF型", false);
        row(2, "UY型", false);
        row(3, "UYF型", true);
        row(4, "EE/EF型", false);
        row(5, "RM型", false);
        row(6, "ETD/EC/EER型", false);
        row(7, "罐型", false);
        row(8, "EP型", false);
        row(9, "UI型", true);
        row(10, "EI型", true);
        row(11, "ED型", false);
    }

    void opensOnlyUnderUyfUiOrEi()
    {
        QFETCH(int, index);
        QFETCH(bool, opens);
        WindowSession session;
        if (index >= 0)
            option(*session.selector, index)->setChecked(true);
        doubleClickNotice(*session.selector);

        AboutWindow* about = session.selector->aboutWindow();
        QCOMPARE(about != nullptr, opens);
        QCOMPARE(openAboutWindows(), opens ? 1 : 0);
        QVERIFY(session.selector->isVisible());
        QVERIFY(!session.selector->calculatorWindow());
        if (index >= 0)
            QVERIFY(option(*session.selector, index)->isChecked());
        if (!opens)
            return;
        QVERIFY(about->isVisible());
        QCOMPARE(about->objectName(), QStringLiteral("Form11"));
        QCOMPARE(about->windowTitle(), QStringLiteral("HELP"));
    }

    void aSingleClickOpensNothing()
    {
        WindowSession session;
        option(*session.selector, 9)->setChecked(true);
        QTest::mouseClick(label(*session.selector, 1), Qt::LeftButton);
        QVERIFY(!session.selector->aboutWindow());
    }

    void furtherDoubleClicksKeepTheOneWindow()
    {
        WindowSession session;
        QPointer<AboutWindow> first = openAbout(session);
        QVERIFY(first);
        doubleClickNotice(*session.selector);
        option(*session.selector, 10)->setChecked(true);  // another choice that opens it
        doubleClickNotice(*session.selector);
        QCOMPARE(session.selector->aboutWindow(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(openAboutWindows(), 1);
    }

    void theCreditsAreCutAtTheRightEdgeAndOkStaysInside()
    {
        WindowSession session;
        AboutWindow* about = openAbout(session);
        QVERIFY(about);
        QCOMPARE(about->size(), QSize(275, 473));
        const QWidget* picture = about->findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->pos(), QPoint(0, 0));
        QVERIFY(picture->width() > about->width());
        QPushButton* ok = button(*about, 1);
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QVERIFY(about->rect().contains(ok->geometry()));
        QVERIFY(ok->geometry().top() >= picture->geometry().bottom());
    }

    void okAndTheTitleBarCloseDestroyIt_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK destroys it") << true;
        QTest::newRow("the title bar's close destroys it") << false;
    }

    void okAndTheTitleBarCloseDestroyIt()
    {
        QFETCH(bool, byOk);
        WindowSession session;
        QPointer<AboutWindow> about = openAbout(session);
        QVERIFY(about);
        if (byOk)
            QTest::mouseClick(button(*about, 1), Qt::LeftButton);
        else
            QVERIFY(about->close());
        QTRY_VERIFY(!about);
        QVERIFY(!session.selector->aboutWindow());
        QVERIFY(session.selector->isVisible());
        QVERIFY(option(*session.selector, 9)->isChecked());

        // Once gone, the next double-click opens it afresh.
        doubleClickNotice(*session.selector);
        QVERIFY(session.selector->aboutWindow());
        QCOMPARE(openAboutWindows(), 1);
    }

    void aDoubleClickRightAfterOkOpensOneWindow()
    {
        WindowSession session;
        QPointer<AboutWindow> closed = openAbout(session);
        QVERIFY(closed);
        QTest::mouseClick(button(*closed, 1), Qt::LeftButton);
        doubleClickNotice(*session.selector);  // before the closed window's deletion has run
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        QVERIFY(session.selector->aboutWindow());
        QVERIFY(session.selector->aboutWindow()->isVisible());
        QCOMPARE(openAboutWindows(), 1);
    }

    void leavingTheProgramClosesIt_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit closes it") << true;
        QTest::newRow("closing the selector closes it") << false;
    }

    void leavingTheProgramClosesIt()
    {
        QFETCH(bool, byExit);
        WindowSession session;
        QPointer<AboutWindow> about = openAbout(session);
        QVERIFY(about);
        if (byExit)
            QTest::mouseClick(button(*session.selector, 2), Qt::LeftButton);
        else
            QVERIFY(session.selector->close());
        QVERIFY(!about);
        QCOMPARE(openAboutWindows(), 0);
    }

    void staysOpenWhileACalculatorWindowIsUsed()
    {
        WindowSession session;
        QPointer<AboutWindow> about = openAbout(session);
        QVERIFY(about);

        CalculatorWindow* ring = session.open(0);
        QVERIFY(ring);
        QVERIFY(!session.selector->isVisible());
        fill(*ring, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*ring, 1), Qt::LeftButton);
        QVERIFY(results(*ring).startsWith(QStringLiteral("3.07501 0.39281")));
        QVERIFY(about && about->isVisible());

        QTest::mouseClick(button(*ring, 2), Qt::LeftButton);
        QTRY_VERIFY(!session.selector->calculatorWindow());
        QVERIFY(session.selector->isVisible());
        QVERIFY(about && about->isVisible());
        QCOMPARE(session.selector->aboutWindow(), about.data());
        QVERIFY(option(*session.selector, 0)->isChecked());
    }

    void everyWindowCarriesTheProgramIcon()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(16, 16).isNull());

        WindowSession session;
        AboutWindow* about = openAbout(session);
        QVERIFY(about);
        CalculatorWindow* calculator = session.open(0);
        QVERIFY(calculator);
        for (QWidget* window : {static_cast<QWidget*>(session.selector.get()), static_cast<QWidget*>(about),
                                static_cast<QWidget*>(calculator)})
            QCOMPARE(window->windowIcon().cacheKey(), icon.cacheKey());
    }
};

FERRICALC_WINDOW_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
