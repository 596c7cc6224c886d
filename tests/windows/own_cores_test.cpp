// The user's own cores in the calculator windows: kept under a typed name from
// the 标准型号 box, listed above the catalogue in the next window of the
// family, opened like a standard core, renamed, deleted after a confirmation;
// and 上次计算, the family's last successful Calculate.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

QComboBox* catalogue(QWidget& window) { return window.findChild<QComboBox*>(QStringLiteral("catalogComboBox")); }
QLabel* reference(QWidget& window) { return window.findChild<QLabel*>(QStringLiteral("catalogReference")); }

QStringList fieldTexts(CalculatorWindow& window)
{
    QStringList texts;
    for (const FieldSpec& entry : window.core().fields)
        texts << field(window, entry.textNumber)->text();
    return texts;
}

// A standard core's dimensions with its first field changed, so that they are the user's own.
void fillOwnDimensions(CalculatorWindow& window)
{
    const StandardCore& standard = standardCores(window.core()).front();
    for (std::size_t i = 0; i < window.core().fields.size(); ++i)
        field(window, window.core().fields[i].textNumber)->setText(QString::fromUtf8(standard.texts[i].data()));
    QLineEdit* first = field(window, window.core().fields.front().textNumber);
    first->setText(QString::number(first->text().toDouble() * 1.01, 'g', 6));
}

void nameInBox(CalculatorWindow& window, const char* action, const QString& name)
{
    window.findChild<QAction*>(QLatin1String(action))->trigger();
    QComboBox* box = catalogue(window);
    box->lineEdit()->setText(name);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

// Closes the window as 返回 does and lets it go, so that the selector can open the next.
void closeWindow(CalculatorWindow* window)
{
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void choose(CalculatorWindow& window, const QString& entry)
{
    QComboBox* box = catalogue(window);
    const int index = box->findText(entry);
    QVERIFY2(index > 0, qPrintable(entry));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class OwnCoresTest : public QObject {
    Q_OBJECT

private slots:
    void savedCoreOpensWithTheSameResults_data()
    {
        QTest::addColumn<int>("option");
        for (int option = 0; option < kCoreTypeCount; ++option)
            if (coreType(option).available())
                QTest::newRow(coreType(option).name.data()) << option;
    }

    void savedCoreOpensWithTheSameResults()
    {
        QFETCH(int, option);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        fillOwnDimensions(*window);
        const QStringList saved = fieldTexts(*window);
        window->calculate();
        const QString shown = results(*window);
        nameInBox(*window, "saveOwnCore", QStringLiteral("我的磁芯"));
        QCOMPARE(catalogue(*window)->currentText(), QStringLiteral("我的磁芯"));
        closeWindow(window);

        window = session.open(option);
        QVERIFY(window);
        QComboBox* box = catalogue(*window);
        // 自定义, 上次计算, the group's heading, the core, a line, then the catalogue.
        QCOMPARE(box->itemText(1), QStringLiteral("上次计算"));
        QCOMPARE(box->findText(QStringLiteral("我的磁芯")), 3);
        QCOMPARE(box->count(), 5 + static_cast<int>(standardCores(window->core()).size()));
        choose(*window, QStringLiteral("我的磁芯"));
        QCOMPARE(fieldTexts(*window), saved);
        window->calculate();
        QCOMPARE(results(*window), shown);
        QVERIFY(!session.watchdog.sawModal());
    }

    void lastCalculatedFillsTheFields()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        window->calculate();
        const QStringList calculated = fieldTexts(*window);
        closeWindow(window);
        window = session.open(0);
        QCOMPARE(field(*window, 1)->text(), QString());  // the fields still start empty
        choose(*window, QStringLiteral("上次计算"));
        QCOMPARE(fieldTexts(*window), calculated);
    }

    void aTakenNameIsSavedOverOnlyAtASecondEnter()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        nameInBox(*window, "saveOwnCore", QStringLiteral("r"));
        fill(*window, QStringLiteral("A=20 B=6 h=4"));
        nameInBox(*window, "saveOwnCore", QStringLiteral("r"));
        QVERIFY(reference(*window)->text().contains(QStringLiteral("再按 Enter 覆盖")));
        QTest::keyClick(catalogue(*window)->lineEdit(), Qt::Key_Escape);
        closeWindow(window);
        window = session.open(0);
        choose(*window, QStringLiteral("r"));
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("10"));
    }

    void dimensionsThatDoNotCalculateAreNotSaved()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        fill(*window, QStringLiteral("A=x B=6 h=4"));
        nameInBox(*window, "saveOwnCore", QStringLiteral("bad"));
        QVERIFY(reference(*window)->text().contains(QStringLiteral("未保存")));
        QCOMPARE(catalogue(*window)->findText(QStringLiteral("bad")), -1);
    }

    void renamedAndDeletedAfterConfirming()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        nameInBox(*window, "saveOwnCore", QStringLiteral("old"));
        nameInBox(*window, "renameOwnCore", QStringLiteral("new"));
        QComboBox* box = catalogue(*window);
        QCOMPARE(box->findText(QStringLiteral("old")), -1);
        QCOMPARE(box->currentText(), QStringLiteral("new"));

        window->findChild<QAction*>(QStringLiteral("deleteOwnCore"))->trigger();
        QVERIFY(reference(*window)->text().contains(QStringLiteral("删除自定义型号")));
        QCOMPARE(box->findText(QStringLiteral("new")), box->currentIndex());  // not yet
        emit reference(*window)->linkActivated(QStringLiteral("delete"));
        QCOMPARE(box->findText(QStringLiteral("new")), -1);
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("10"));  // the fields stay
        QVERIFY(!session.watchdog.sawModal());
    }
};

FERRICALC_WINDOW_TEST_MAIN(OwnCoresTest)
#include "own_cores_test.moc"
