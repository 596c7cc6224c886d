// The standard-core catalogue in the calculator windows: choosing a core fills
// the fields, the reference line shows its data sheet and, after a Calculate,
// the deviations; any edit returns to "自定义".
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLocale>
#include <QTest>
#include <QWheelEvent>

#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
constexpr int kUy = 2;
constexpr int kEtd = 6;
const QString kCustom = QStringLiteral("自定义");

QComboBox* catalogue(QWidget& window) { return window.findChild<QComboBox*>(QStringLiteral("catalogComboBox")); }

// The reference line as it reads: the blanks that hold a figure to its unit are plain blanks here.
// Types `text` over whatever the catalogue box holds, as a user who clicked into it would.
QComboBox* typeIntoCatalogue(QWidget& window, const QString& text)
{
    QComboBox* combo = catalogue(window);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
    return combo;
}

QString reference(QWidget& window)
{
    return window.findChild<QLabel*>(QStringLiteral("catalogReference"))->text().replace(QChar::Nbsp, u' ');
}

QStringList fieldTexts(CalculatorWindow& window)
{
    QStringList texts;
    for (const FieldSpec& entry : window.core().fields)
        texts << field(window, entry.textNumber)->text();
    return texts;
}

// One row per window, named for it.
void addEveryWindow()
{
    QTest::addColumn<int>("option");
    for (int option = 0; option < kCoreTypeCount; ++option)
        QTest::newRow(coreType(option).name.data()) << option;
}

// Opens the list with its arrow and clicks the entry, as a user picks a core.
bool choose(CalculatorWindow& window, const QString& name)
{
    QComboBox* combo = catalogue(window);
    const int index = combo->findText(name);
    if (index < 0)
        return false;
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    list->scrollTo(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(index, 0)).center());
    return combo->currentIndex() == index;
}

}  // namespace

class CatalogWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void everyWindowOpensOnCustomWithTheFocusInText1_data() { addEveryWindow(); }

    void everyWindowOpensOnCustomWithTheFocusInText1()
    {
        QFETCH(int, option);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        QComboBox* combo = catalogue(*window);
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), kCustom);
        QCOMPARE(combo->count(), 1 + static_cast<int>(standardCores(window->core()).size()));
        QCOMPARE(QApplication::focusWidget(), field(*window, 1));
        QCOMPARE(reference(*window), QString());
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("catalogCaption"))->text(), QStringLiteral("标准型号:"));
    }

    void choosingFillsTheCataloguesTextsAndCalculatesNothing_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("texts");
        const QLocale chinese(QLocale::Chinese, QLocale::China);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("ETD 34") << kEtd << "ETD 34/17/11 (Ferroxcube)" << chinese
                                << "34.2 26.3 10.8 10.8 12.1 17.3 0 0 0 0";
        QTest::newRow("ETD 34 with a decimal comma") << kEtd << "ETD 34/17/11 (Ferroxcube)" << german
                                                      << "34,2 26,3 10,8 10,8 12,1 17,3 0 0 0 0";
        QTest::newRow("ring") << kRing << "T 25/15/10 (Ferroxcube TX25/15/10)" << chinese << "25 15 10 0 0 0";
    }

    void choosingFillsTheCataloguesTextsAndCalculatesNothing()
    {
        QFETCH(int, option);
        QFETCH(QString, name);
        QFETCH(QLocale, locale);
        QFETCH(QString, texts);
        QLocale::setDefault(locale);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        // Results of an earlier Calculate stay until the next one.
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        const QString before = results(*window);

        QVERIFY(choose(*window, name));
        QCOMPARE(fieldTexts(*window).join(u' '), texts);
        QCOMPARE(results(*window), before);
        QCOMPARE(catalogue(*window)->currentText(), name);

        // The texts convert: Calculate now shows the core's results.
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QVERIFY(!results(*window).contains(u"    "));
    }

    void referenceShowsTheDataSheetThenTheDeviations_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dataSheet");
        QTest::addColumn<QString>("deviations");
        // ETD 34/17/11 shows Le 79.07154mm, Ae 97.07986mm2 and Ve 7676.25413mm3 against the
        // published 78.68, 97.1 and 7640: (79.07154 − 78.68)/78.68 = +0.498 %,
        // (97.07986 − 97.1)/97.1 = −0.021 % and (7676.25413 − 7640)/7640 = +0.475 %.
        QTest::newRow("point") << QLocale(QLocale::Chinese, QLocale::China)
                               << "数据手册: Le 78.68 mm  Ae 97.1 mm²  Ve 7640 mm³"
                               << "偏差: Le +0.5 %  Ae 0.0 %  Ve +0.5 %";
        QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany)
                               << "数据手册: Le 78,68 mm  Ae 97,1 mm²  Ve 7640 mm³"
                               << "偏差: Le +0,5 %  Ae 0,0 %  Ve +0,5 %";
    }

    void referenceShowsTheDataSheetThenTheDeviations()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, dataSheet);
        QFETCH(QString, deviations);
        QLocale::setDefault(locale);
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QVERIFY(choose(*window, QStringLiteral("ETD 34/17/11 (Ferroxcube)")));
        QCOMPARE(reference(*window), dataSheet);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(reference(*window), dataSheet + u'\n' + deviations);
    }

    void aCoreWithoutFiguresSaysSo()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kUy);
        QVERIFY(window);
        QVERIFY(choose(*window, QStringLiteral("UR 42/21/12")));
        QCOMPARE(reference(*window), QStringLiteral("数据手册: 无"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(reference(*window), QStringLiteral("数据手册: 无"));
    }

    void editingAFieldReturnsToCustom_data()
    {
        QTest::addColumn<bool>("calculatedFirst");
        QTest::newRow("before Calculate") << false;
        QTest::newRow("after Calculate") << true;
    }

    void editingAFieldReturnsToCustom()
    {
        QFETCH(bool, calculatedFirst);
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QVERIFY(choose(*window, QStringLiteral("ETD 34/17/11 (Ferroxcube)")));
        if (calculatedFirst)
            QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        const QString before = results(*window);

        QTest::mouseClick(field(*window, 4), Qt::LeftButton);
        QTest::keyClick(field(*window, 4), Qt::Key_End);
        QTest::keyClick(field(*window, 4), Qt::Key_5);
        QCOMPARE(field(*window, 4)->text(), QStringLiteral("10.85"));
        QCOMPARE(catalogue(*window)->currentText(), kCustom);
        QCOMPARE(reference(*window), QString());
        QCOMPARE(results(*window), before);

        // Calculate on the edited core brings no data sheet back.
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(reference(*window), QString());
    }

    void aWheelPassingOverTheBoxKeepsTheUsersDimensions()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QComboBox* combo = catalogue(*window);
        QVERIFY(!combo->hasFocus());
        const QPoint centre = combo->rect().center();
        QWheelEvent wheel(centre, combo->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QCOMPARE(combo->currentText(), kCustom);
        QCOMPARE(fieldTexts(*window).mid(0, 3), (QStringList{QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("4")}));
    }

    void theEnterChainEmptyingAFieldIsAnEdit()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QVERIFY(choose(*window, QStringLiteral("ETD 34/17/11 (Ferroxcube)")));
        QTest::mouseClick(field(*window, 1), Qt::LeftButton);
        pressEnter(*window);
        QCOMPARE(field(*window, 2)->text(), QString());
        QCOMPARE(catalogue(*window)->currentText(), kCustom);
        QCOMPARE(reference(*window), QString());
    }

    void typingPartOfANameNarrowsTheList()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QComboBox* combo = typeIntoCatalogue(*window, QStringLiteral("34"));
        QCompleter* completer = combo->completer();
        QVERIFY(completer->popup()->isVisible());
        QStringList shown;
        for (int row = 0; row < completer->completionCount(); ++row) {
            completer->setCurrentRow(row);
            shown << completer->currentCompletion();
        }
        QCOMPARE(shown,
                 QStringList({QStringLiteral("ETD 34 (TDK ETD34-Z)"), QStringLiteral("ETD 34/17/11 (Ferroxcube)")}));

        // Down and Enter take the second of them.
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("ETD 34/17/11 (Ferroxcube)"));
        QCOMPARE(fieldTexts(*window).join(u' '), QStringLiteral("34.2 26.3 10.8 10.8 12.1 17.3 0 0 0 0"));
    }

    void aWholeNameTypedInAnyCaseIsTakenWithEnter()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QComboBox* combo = typeIntoCatalogue(*window, QStringLiteral("etd 34/17/11 (ferroxcube)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("ETD 34/17/11 (Ferroxcube)"));
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("34.2"));
    }

    void aNameTypedInPartIsDroppedWhenTheUserMovesOn()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kEtd);
        QVERIFY(window);
        QVERIFY(choose(*window, QStringLiteral("ETD 34/17/11 (Ferroxcube)")));
        QComboBox* combo = typeIntoCatalogue(*window, QStringLiteral("ER 4"));
        QTest::keyClick(combo->completer()->popup(), Qt::Key_Escape);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(combo->currentText(), QStringLiteral("ETD 34/17/11 (Ferroxcube)"));
        QCOMPARE(field(*window, 1)->text(), QStringLiteral("34.2"));
        QCOMPARE(combo->count(), 1 + static_cast<int>(standardCores(window->core()).size()));
    }

    void theCatalogueComesAfterTheFieldsInTabOrder()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRing);
        QVERIFY(window);
        field(*window, 6)->setFocus();
        QTest::keyClick(field(*window, 6), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), catalogue(*window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(*window, 1));
    }

    void everyCoresReferenceFitsItsPlace_data() { addEveryWindow(); }

    void everyCoresReferenceFitsItsPlace()
    {
        QFETCH(int, option);
        CalculatorWindow window(coreType(option));
        auto* line = window.findChild<QLabel*>(QStringLiteral("catalogReference"));
        QComboBox* combo = catalogue(window);
        for (int index = 1; index < combo->count(); ++index) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            window.calculate();
            QVERIFY2(line->heightForWidth(line->width()) <= line->height(), qPrintable(combo->itemText(index)));
        }
    }
};

FERRICALC_WINDOW_TEST_MAIN(CatalogWindowTest)
#include "catalog_window_test.moc"
