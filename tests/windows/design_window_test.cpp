// The design window: 设计… follows Calculate, opens one window that follows the
// next Calculate and closes with its calculator window; typed values give the
// figures worked by hand; bad input is refused at its field and nothing shows
// an infinity or a NaN.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "calc/losses.hpp"
#include "window/advisor_window.hpp"
#include "window/al_gap_plot.hpp"
#include "window/design_window.hpp"
#include "window/look.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
constexpr int kRm = 5;
constexpr int kEtd = 6;
const QString kRingExample = QStringLiteral("A=10 B=6 h=4");
const QString kEtdExample = QStringLiteral("A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 R=0.5 Rw=0.5");

QPushButton* designButton(QWidget& window) { return window.findChild<QPushButton*>(QStringLiteral("designButton")); }

CalculatorWindow* calculated(WindowSession& session, int option, const QString& letters)
{
    CalculatorWindow* window = session.open(option);
    if (window) {
        fill(*window, letters);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
    }
    return window;
}

DesignWindow* openDesign(CalculatorWindow& window)
{
    QTest::mouseClick(designButton(window), Qt::LeftButton);
    DesignWindow* design = window.designWindow();
    if (design)
        activate(*design);
    return design;
}

QDoubleSpinBox* input(QWidget& design, const char* name)
{
    return design.findChild<QDoubleSpinBox*>(QLatin1String(name));
}

QString shown(QWidget& design, const char* name) { return design.findChild<QLabel*>(QLatin1String(name))->text(); }

// Types over the field's number as a user does: into the focused box, through the window system.
void typeInto(QDoubleSpinBox* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    for (const QChar c : text)
        QTest::keyClick(field->window()->windowHandle(), c.toLatin1());
}

void chooseMaterial(QWidget& design, const QString& name)
{
    auto* material = design.findChild<QComboBox*>(QStringLiteral("material"));
    const int index = material->findText(name, Qt::MatchStartsWith);
    material->setCurrentIndex(index);
    emit material->activated(index);
}

// The window's classes have no meta-object of their own, so findChild would take any widget for them.
const AlGapPlot& plotOf(QWidget& design)
{
    return dynamic_cast<const AlGapPlot&>(*design.findChild<QWidget*>(QStringLiteral("alGapPlot")));
}

QString everyLabel(QWidget& design)
{
    QStringList texts;
    for (const QLabel* label : design.findChildren<QLabel*>())
        texts << label->text();
    return texts.join(QLatin1Char('|'));
}

}  // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void theButtonFollowsCalculate_data()
    {
        QTest::addColumn<int>("option");
        for (int option = 0; option < kCoreTypeCount; ++option)
            QTest::newRow(coreType(option).name.data()) << option;
    }

    // Enabled by a Calculate that succeeds, disabled again by one that fails.
    void theButtonFollowsCalculate()
    {
        QFETCH(int, option);
        WindowSession session;
        CalculatorWindow* window = session.open(option);
        QVERIFY(window);
        QPushButton* design = designButton(*window);
        QVERIFY(design && !design->isEnabled());
        QCOMPARE(design->text(), QStringLiteral("设计…"));
        QCOMPARE(design->font().family(), button(*window, 1)->font().family());
        QCOMPARE(design->geometry(), look::fromTwips(window->core().designButton));

        const std::span<const StandardCore> standard = standardCores(window->core());
        QVERIFY(!standard.empty());
        for (std::size_t i = 0; i < window->core().fields.size(); ++i)
            field(*window, window->core().fields[i].textNumber)->setText(QString::fromUtf8(standard[0].texts[i]));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QVERIFY(design->isEnabled());
        field(*window, window->core().fields[0].textNumber)->setText(QStringLiteral("abc"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QVERIFY(!design->isEnabled());
        QVERIFY(!window->designWindow());
    }

    void oneWindowOpensAndClosesWithItsCalculator()
    {
        WindowSession session;
        CalculatorWindow* window = calculated(session, kEtd, kEtdExample);
        QVERIFY(window);
        DesignWindow* design = openDesign(*window);
        QVERIFY(design && design->isVisible());
        QCOMPARE(design->windowTitle(), QStringLiteral("磁路设计 — ETD/EC/EER型"));
        QCOMPARE(openDesign(*window), design);  // a second press brings the same one forward
        QVERIFY(design->isVisible());
        const QList<QWidget*> children = window->findChildren<QWidget*>();
        QCOMPARE(std::count_if(children.begin(), children.end(),
                               [](QWidget* child) { return dynamic_cast<DesignWindow*>(child) != nullptr; }),
                 1);

        const QPointer<DesignWindow> watched(design);
        QTest::mouseClick(button(*window, 2), Qt::LeftButton);  // 返回
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!watched);
    }

    // After a successful Calculate the design window is built unseen; 设计…
    // shows that one, designed for the fields of the last Calculate.
    void theWindowBuiltAheadOpensForTheLastCalculate()
    {
        WindowSession session;
        CalculatorWindow* window = calculated(session, kRing, kRingExample);
        QVERIFY(window);
        QTRY_VERIFY(window->designWindowAhead());
        const QPointer<DesignWindow> ahead(window->designWindowAhead());
        QVERIFY(!ahead->isVisible());
        QVERIFY(!window->designWindow());

        fill(*window, QStringLiteral("A=20 B=12 h=8"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        DesignWindow* design = openDesign(*window);
        QCOMPARE(design, ahead.data());
        QVERIFY(design->isVisible());
        QVERIFY(!window->designWindowAhead());
        QVERIFY(design->findChild<QLabel*>(QStringLiteral("heading"))->text().contains(QStringLiteral("A=20")));
        QCOMPARE(shown(*design, "le"), QStringLiteral("48.14 mm"));
    }

    // The design follows the next successful Calculate and keeps its inputs; a
    // failed one leaves it on the last core that calculated.
    void theWindowFollowsTheNextCalculate()
    {
        WindowSession session;
        CalculatorWindow* window = calculated(session, kRing, kRingExample);
        DesignWindow* design = openDesign(*window);
        QVERIFY(design);
        input(*design, "gap")->setValue(0.1);
        QCOMPARE(shown(*design, "ae"), QStringLiteral("7.83 mm²"));

        fill(*window, QStringLiteral("A=20 B=12 h=8"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(window->designWindow(), design);
        // Twice the ring in every dimension: twice the path, four times the section.
        QCOMPARE(shown(*design, "le"), QStringLiteral("48.14 mm"));
        QCOMPARE(shown(*design, "ae"), QStringLiteral("31.31 mm²"));
        QCOMPARE(input(*design, "gap")->value(), 0.1);
        QVERIFY(design->findChild<QLabel*>(QStringLiteral("heading"))->text().contains(QStringLiteral("A=20")));

        // A gap the next core cannot hold is kept and refused, not cut down unseen.
        input(*design, "gap")->setValue(30);
        fill(*window, QStringLiteral("A=10 B=6 h=4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(input(*design, "gap")->value(), 30.0);
        QVERIFY(shown(*design, "gapRefusal").startsWith(QStringLiteral("不能超过内圆周长")));
        QCOMPARE(shown(*design, "alFringing"), QStringLiteral("—"));
        fill(*window, QStringLiteral("A=20 B=12 h=8"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        input(*design, "gap")->setValue(0.1);

        // A failed Calculate leaves no old core on show: the window says why it has none.
        fill(*window, QStringLiteral("A=abc"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QCOMPARE(shown(*design, "le"), QStringLiteral("—"));
        QVERIFY(shown(*design, "status").startsWith(QStringLiteral("磁芯尺寸无法计算")));

        // A long run of digits reads as a number; the heading shows its start and the window keeps its size.
        const QSize size = design->size();
        fill(*window, QStringLiteral("A=20.") + QString(200, QLatin1Char('0')));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QVERIFY(design->findChild<QLabel*>(QStringLiteral("heading"))->text().contains(QStringLiteral("A=20.00000000…")));
        QCOMPARE(design->size(), size);
        QCOMPARE(shown(*design, "le"), QStringLiteral("48.14 mm"));
    }

    void typedValuesGiveTheFiguresWorkedByHand_data()
    {
        QTest::addColumn<double>("muI");
        QTest::addColumn<double>("gap");
        QTest::addColumn<double>("turns");
        QTest::addColumn<double>("current");
        QTest::addColumn<QStringList>("figures");  // AL, AL without fringing, µe, L, B̂ on Ae, B̂ on Amin
        // The ring A=10 B=6 h=4: C1 = 2π/(h·ln(A/B)) = 3.075015 mm⁻¹,
        // C2 = 2π(2/B − 2/A)/(h²·ln³(A/B)) = 0.392808 mm⁻³, Ae = C1/C2 = 7.82828 mm²;
        // the gap's face is the ring's section, 2 × 4 mm (Amin 8 mm²), its legs
        // h = (A + B)/4 = 4 mm high. AL = µ0/(C1/µi + lg/A'), with A' = 8 mm² without
        // fringing and 8 + 12·δ + 4·δ² with δ = (lg/π)(1 + ln(πh/(2lg))), a cut ring's
        // gap lengthened by the residual gap of its mating faces (calc/design.hpp); L = AL·N²,
        // B̂ = AL·N·Î/Ae, on Amin B̂·Ae/8, against Bsat 390 mT.
        QTest::newRow("ungapped: µ0·µi/C1") << 2000.0 << 0.0 << 10.0 << 0.1
                                            << QStringList{QStringLiteral("817.3 nH"), QStringLiteral("817.3 nH"),
                                                           QStringLiteral("2000.0"), QStringLiteral("81.732 µH"),
                                                           QStringLiteral("104.4 mT"),
                                                           QStringLiteral("102.2 mT（Bsat 的 26.2 %）")};
        QTest::newRow("0.1 mm: δ = 0.16362 mm") << 2000.0 << 0.1 << 10.0 << 1.0
                                                << QStringList{QStringLiteral("106.6 nH"), QStringLiteral("86.4 nH"),
                                                               QStringLiteral("260.7"), QStringLiteral("10.655 µH"),
                                                               QStringLiteral("136.1 mT"),
                                                               QStringLiteral("133.2 mT（Bsat 的 34.2 %）")};
        QTest::newRow("0.5 mm, µi 2200") << 2200.0 << 0.5 << 25.0 << 2.0
                                         << QStringList{QStringLiteral("38.3 nH"), QStringLiteral("19.5 nH"),
                                                        QStringLiteral("93.8"), QStringLiteral("23.960 µH"),
                                                        QStringLiteral("244.9 mT"),
                                                        QStringLiteral("239.6 mT（Bsat 的 61.4 %）")};
    }

    void typedValuesGiveTheFiguresWorkedByHand()
    {
        QFETCH(double, muI);
        QFETCH(double, gap);
        QFETCH(double, turns);
        QFETCH(double, current);
        QFETCH(QStringList, figures);
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        typeInto(input(*design, "muI"), QLocale().toString(muI, 'f', 0));
        typeInto(input(*design, "bsat"), QStringLiteral("390"));
        typeInto(input(*design, "gap"), QLocale().toString(gap, 'f', 3));
        typeInto(input(*design, "turns"), QLocale().toString(turns, 'f', 0));
        typeInto(input(*design, "current"), QLocale().toString(current, 'f', 3));
        QCOMPARE(design->findChild<QComboBox*>(QStringLiteral("material"))->currentText(), QStringLiteral("自定义"));
        const QStringList got{shown(*design, "alFringing"), shown(*design, "alNoFringing"),
                              shown(*design, "muEFringing"), shown(*design, "inductanceResult"),
                              shown(*design, "peakFlux"), shown(*design, "peakFluxAmin")};
        QCOMPARE(got, figures);
        QCOMPARE(shown(*design, "amin"), QStringLiteral("8.00 mm²"));
        QVERIFY(!design->findChild<QComboBox*>(QStringLiteral("gapPlace"))->isEnabled());  // a ring has one place
    }

    void theResidualGapAndTheIdealAl_data()
    {
        QTest::addColumn<double>("gap");
        QTest::addColumn<QStringList>("figures");  // AL without a gap, the ideal AL, the residual gap
        // The ring at µi 2000: AL_ideal = µ0·µi/C1 = 1.256637·2000/3.075015 = 817.3 nH. An uncut
        // ring has no mating faces; cut, its gap is 4 µm longer, but without the cut it is whole.
        QTest::newRow("uncut ring: no residual gap") << 0.0 << QStringList{QStringLiteral("817.3 nH"), QStringLiteral("817.3 nH"), QStringLiteral("0.0000 mm")};
        QTest::newRow("cut ring: the gap's faces carry it") << 0.1 << QStringList{QStringLiteral("817.3 nH"), QStringLiteral("817.3 nH"), QStringLiteral("0.0040 mm")};
    }

    void theResidualGapAndTheIdealAl()
    {
        QFETCH(double, gap);
        QFETCH(QStringList, figures);
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        input(*design, "muI")->setValue(2000);
        input(*design, "gap")->setValue(gap);
        QCOMPARE((QStringList{shown(*design, "alUngapped"), shown(*design, "alIdeal"), shown(*design, "residualGap")}),
                 figures);
    }

    // A set with mating faces: the ungapped AL lies below the ideal by the residual gap's share.
    void aSetWithMatingFacesHasAnUngappedAlBelowTheIdeal()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kEtd, kEtdExample));
        QVERIFY(design);
        input(*design, "muI")->setValue(2000);
        const double ungapped = shown(*design, "alUngapped").section(QLatin1Char(' '), 0, 0).toDouble();
        const double ideal = shown(*design, "alIdeal").section(QLatin1Char(' '), 0, 0).toDouble();
        QCOMPARE(shown(*design, "residualGap"), QStringLiteral("0.0040 mm"));
        QVERIFY2(ungapped < 0.95 * ideal && ungapped > 0.7 * ideal, qPrintable(QStringLiteral("%1 %2").arg(ungapped).arg(ideal)));
    }

    // A standard core chosen from the calculator's list: the plot holds its makers' published AL,
    // the chosen material's where they publish it, else the set's gapped figures; none for a spacer
    // or once the dimensions are the user's own. RM's design figures carry the calculator's beside them.
    void thePlotHoldsTheSetsPublishedAl()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(kRm);
        QVERIFY(window);
        auto* list = window->findChild<QComboBox*>(QStringLiteral("catalogComboBox"));
        const int index = list->findText(QStringLiteral("RM 8/I (Ferroxcube)"));
        QVERIFY(index > 0);
        list->setCurrentIndex(index);
        emit list->activated(index);
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        DesignWindow* design = openDesign(*window);
        QVERIFY(design);
        const auto published = [&] { return plotOf(*design).curves().published; };

        chooseMaterial(*design, QStringLiteral("3C90"));
        QCOMPARE(published().size(), std::size_t{6});  // five printed gaps and the ungapped set
        QVERIFY(plotOf(*design).curves().publishedForMaterial);
        QCOMPARE(published().front().al, 3300.0);
        QVERIFY(shown(*design, "le").contains(QStringLiteral("（")));  // the calculator's Le beside the design's
        QVERIFY(design->findChild<QLabel*>(QStringLiteral("calculatorNote"))->isVisibleTo(design));

        chooseMaterial(*design, QStringLiteral("N87"));
        QCOMPARE(published().size(), std::size_t{31});
        QVERIFY(!plotOf(*design).curves().publishedForMaterial);
        const std::vector<AlGapCurves::Published> others = published();
        QVERIFY(std::all_of(others.begin(), others.end(), [](const auto& point) { return point.gap > 0.0; }));

        design->findChild<QComboBox*>(QStringLiteral("gapPlace"))->setCurrentIndex(1);
        QVERIFY(published().empty());
        design->findChild<QComboBox*>(QStringLiteral("gapPlace"))->setCurrentIndex(0);
        QVERIFY(!published().empty());

        field(*window, window->core().fields[0].textNumber)->setText(QStringLiteral("19.4"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        QVERIFY(published().empty());
    }

    // Tab walks the inputs from the material down each column (of the two
    // choices of the winding the chosen one, as Tab does); keys alone design.
    void theKeyboardReachesEveryInput()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kEtd, kEtdExample));
        QVERIFY(design);
        QCOMPARE(design->focusWidget()->objectName(), QStringLiteral("material"));
        const QStringList order = QStringLiteral("muI bsat density gap gapPlace targetAl useTargetGap byTurns turns "
                                                 "inductance current")
                                      .split(QLatin1Char(' '));
        for (const QString& next : order) {
            QTest::keyClick(design->windowHandle(), Qt::Key_Tab);
            QCOMPARE(design->focusWidget()->objectName(), next);
            if (next == QStringLiteral("gap")) {
                QTest::keyClick(design->windowHandle(), Qt::Key_A, Qt::ControlModifier);
                for (const char c : {'0', '.', '5'})
                    QTest::keyClick(design->windowHandle(), c);
            }
        }
        QCOMPARE(input(*design, "gap")->value(), 0.5);
    }

    // Under a comma locale the boxes and figures write the comma, as the calculator's fields do.
    void theBoxesAndFiguresWriteTheLocalesSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        typeInto(input(*design, "muI"), QStringLiteral("2000"));
        typeInto(input(*design, "gap"), QStringLiteral("0,1"));
        QCOMPARE(input(*design, "gap")->value(), 0.1);
        QTest::keyClick(design->windowHandle(), Qt::Key_Tab);
        QCOMPARE(input(*design, "gap")->text(), QStringLiteral("0,100 mm"));
        QCOMPARE(shown(*design, "alFringing"), QStringLiteral("106,6 nH"));
    }

    // A material fills µi, Bsat and the density; a wanted inductance gives the
    // fewest whole turns; the gap for a wanted AL, once used, gives that AL.
    void materialInductanceAndTargetAlWorkTogether()
    {
        WindowSession session;
        CalculatorWindow* window = calculated(session, kEtd, kEtdExample);
        QVERIFY(window);
        DesignWindow* design = openDesign(*window);
        QVERIFY(design);
        chooseMaterial(*design, QStringLiteral("N87"));
        const Material& n87 = *findMaterial("N87");
        QCOMPARE(input(*design, "muI")->value(), n87.muI);
        QCOMPARE(input(*design, "bsat")->value(), n87.bsat100.value_or(0.0));

        typeInto(input(*design, "gap"), QStringLiteral("0.5"));
        typeInto(input(*design, "inductance"), QStringLiteral("1000"));
        QVERIFY(design->findChild<QRadioButton*>(QStringLiteral("byInductance"))->isChecked());
        // The pure code's turns for the same inputs, in the text the command line writes.
        DesignInputs inputs = materialInputs(n87);
        inputs.gap = 0.5;
        inputs.inductance = 1000;
        std::vector<std::string> utf8;
        for (const FieldSpec& entry : window->core().fields)
            utf8.push_back(field(*window, entry.textNumber)->text().toStdString());
        const std::vector<std::string_view> texts(utf8.begin(), utf8.end());
        const CoreSetResult set = coreSet(window->core(), texts, ".");
        QVERIFY(set.formed());
        const Design d = ferricalc::design(set.set, inputs);
        QVERIFY(*d.inductance >= 1000.0);
        QCOMPARE(shown(*design, "turnsResult"),
                 QString::fromStdString(designText(DesignQuantity::Turns, *d.turns, ".")));
        QCOMPARE(shown(*design, "inductanceResult"),
                 QString::fromStdString(designValueText(DesignQuantity::Inductance, *d.inductance, "."))
                     + QStringLiteral(" µH"));

        typeInto(input(*design, "targetAl"), QStringLiteral("250"));
        const QString found = shown(*design, "targetGap");
        QTest::mouseClick(design->findChild<QPushButton*>(QStringLiteral("useTargetGap")), Qt::LeftButton);
        // The gap as shown, to a micrometre: AL within a few tenths of a percent of the target.
        QCOMPARE(input(*design, "gap")->text(), found);
        const double al = shown(*design, "alFringing").section(QLatin1Char(' '), 0, 0).toDouble();
        QVERIFY2(std::abs(al / 250.0 - 1.0) < 0.005, qPrintable(shown(*design, "alFringing")));

        typeInto(input(*design, "targetAl"), QStringLiteral("100000"));
        QVERIFY(shown(*design, "targetGap").startsWith(QStringLiteral("任何气隙都达不到")));
        QVERIFY(!design->findChild<QPushButton*>(QStringLiteral("useTargetGap"))->isEnabled());
    }

    void saturationIsShownInColour_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("note");
        // The ring at µi 2000, 0.1 mm, 10 turns: B̂max at the inner radius is 140.9 mT per ampere, Bsat 390 mT.
        QTest::newRow("below 80 %") << QStringLiteral("2.2") << QColor() << QString();
        QTest::newRow("80 % or more") << QStringLiteral("2.3") << look::kDarkAmber
                                      << QStringLiteral("接近饱和：磁路中最大的 B̂ 已达 Bsat（100 °C）的 80 % 以上");
        QTest::newRow("100 % or more") << QStringLiteral("2.9") << look::kDarkRed
                                       << QStringLiteral("已饱和：磁路中最大的 B̂ 超过 Bsat（100 °C）");
    }

    void saturationIsShownInColour()
    {
        QFETCH(QString, current);
        QFETCH(QColor, colour);
        QFETCH(QString, note);
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        input(*design, "muI")->setValue(2000);
        input(*design, "bsat")->setValue(390);
        input(*design, "gap")->setValue(0.1);
        input(*design, "turns")->setValue(10);
        typeInto(input(*design, "current"), current);
        auto* flux = design->findChild<QLabel*>(QStringLiteral("peakFluxMax"));
        const QColor plain = design->palette().color(QPalette::WindowText);
        QCOMPARE(flux->palette().color(QPalette::WindowText), colour.isValid() ? colour : plain);
        QCOMPARE(shown(*design, "saturationNote"), note);
    }

    void badInputIsRefusedAtItsField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept");  // the field once left: its last good value
        const auto row = [](const char* name, const char* field, const char* typed, const char* message,
                            const char* kept) {
            QTest::newRow(name) << QString::fromUtf8(field) << QString::fromUtf8(typed) << QString::fromUtf8(message)
                                << QString::fromUtf8(kept);
        };
        row("a negative gap", "gap", "-0.1", "气隙不能为负", "0.000 mm");
        row("a minus sign alone", "gap", "-", "气隙不能为负", "0.000 mm");
        row("no turns", "turns", "0", "匝数至少为 1", "10");
        row("µi below 1", "muI", "0.5", "μi 不能小于 1", "2000");  // the table's first material, N27
        row("no inductance", "inductance", "0", "须大于 0", "100.000 µH");
        row("a negative current", "current", "-2", "电流不能为负", "0.100 A");
        row("a gap longer than the window", "gap", "250", "不能超过窗口高度 23.600 mm", "2.000 mm");
        row("turns beyond the limit", "turns", "200000", "不能超过 100000", "20000");
    }

    // The text stays with a reason beside it, the figures that depend on the
    // inputs show "—", and leaving the field returns it to its last good value.
    void badInputIsRefusedAtItsField()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kEtd, kEtdExample));
        QVERIFY(design);
        QDoubleSpinBox* box = input(*design, name.toLatin1().constData());
        const QString before = box->text();
        const QString al = shown(*design, "alFringing");
        typeInto(box, typed);
        QVERIFY2(box->text().startsWith(typed), qPrintable(box->text()));
        QCOMPARE(design->findChild<QLabel*>(name + QStringLiteral("Refusal"))->text(), message);
        QCOMPARE(shown(*design, "alFringing"), QStringLiteral("—"));
        QVERIFY(plotOf(*design).curves().empty());
        QCOMPARE(shown(*design, "le"), QStringLiteral("77.74 mm"));  // the core needs no input

        QTest::keyClick(design->windowHandle(), Qt::Key_Tab);
        QCOMPARE(box->text(), kept);
        QCOMPARE(design->findChild<QLabel*>(name + QStringLiteral("Refusal"))->text(), QString());
        QVERIFY(shown(*design, "alFringing") != QStringLiteral("—"));
        if (kept == before)
            QCOMPARE(shown(*design, "alFringing"), al);
    }

    // Escape closes; Enter goes on to the next box; Ctrl+C copies the design as two
    // tab-separated rows; the window fits a 1920 × 1080 screen at 200 %.
    void keysAndSize()
    {
        WindowSession session;
        CalculatorWindow* window = calculated(session, kEtd, kEtdExample);
        DesignWindow* design = openDesign(*window);
        QVERIFY(design);
        QVERIFY2(design->minimumSize().width() <= 954 && design->minimumSize().height() <= 510,
                 qPrintable(QStringLiteral("%1 × %2").arg(design->minimumSize().width()).arg(design->minimumSize().height())));
        typeInto(input(*design, "gap"), QStringLiteral("0.5"));
        QTest::keyClick(design->windowHandle(), Qt::Key_Return);
        QCOMPARE(design->focusWidget()->objectName(), QStringLiteral("targetAl"));
        QCOMPARE(input(*design, "gap")->value(), 0.5);

        QGuiApplication::clipboard()->clear();
        input(*design, "targetAl")->findChild<QLineEdit*>()->deselect();  // a box's selection copies itself
        QTest::keyClick(design->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        const QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(rows.size(), 3);
        const QStringList header = rows[0].split(QLatin1Char('\t'));
        const QStringList values = rows[1].split(QLatin1Char('\t'));
        QCOMPARE(header.size(), values.size());
        QCOMPARE(values[header.indexOf(QStringLiteral("Le"))], QStringLiteral("77.74 mm"));
        QCOMPARE(values[header.indexOf(QStringLiteral("气隙 lg"))], QStringLiteral("0.500 mm"));

        const QPointer<DesignWindow> watched(design);
        QTest::keyClick(design->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(watched.isNull());
        QVERIFY(window->isVisible());
    }

    // A density typed as g/cm³ is used, and questioned beside its box.
    void aDensityInGramsPerCubicCentimetreIsQuestioned()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        typeInto(input(*design, "density"), QStringLiteral("4.85"));
        QCOMPARE(input(*design, "density")->value(), 4.85);
        QVERIFY(shown(*design, "densityRefusal").contains(QStringLiteral("g/cm³")));
        typeInto(input(*design, "density"), QStringLiteral("4850"));
        QCOMPARE(shown(*design, "densityRefusal"), QString());
    }

    // The second page shows the losses of the design on the first, each figure as
    // calc/losses writes it for the same inputs (the command line's digits), and
    // refuses a loss input at its field without touching the design.
    void theLossPageFollowsTheDesign()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kEtd, kEtdExample));
        QVERIFY(design);
        chooseMaterial(*design, QStringLiteral("N87"));
        input(*design, "gap")->setValue(0.5);
        input(*design, "turns")->setValue(20);
        input(*design, "current")->setValue(2);
        design->findChild<QTabBar*>(QStringLiteral("pages"))->setCurrentIndex(1);
        design->findChild<QComboBox*>(QStringLiteral("waveform"))->setCurrentIndex(1);
        input(*design, "ripple")->setValue(0.6);
        input(*design, "wire")->setValue(0.5);

        const CoreDescriptor& etd = *findCoreType("etd");
        // kEtdExample in the fields' order: A B C D E F Rd Rw Rn R.
        const std::vector<std::string_view> texts{"34.2", "25.6", "10.8", "10.8", "11.8", "17.3", "0", "0.5", "0", "0.5"};
        QCOMPARE(texts.size(), etd.fields.size());
        const CoreSetResult set = coreSet(etd, texts, ".");
        QVERIFY(set.formed());
        const Material* n87 = findMaterial("N87");
        DesignInputs in = materialInputs(*n87);
        in.gap = 0.5;
        in.turns = 20;
        in.current = 2;
        in.targetAl = designInputLimits(DesignInput::TargetAl).start;
        LossInputs loss;
        loss.frequency = 100e3;
        loss.waveform = LossWaveform::Triangle;
        loss.ripple = 0.6;
        loss.wireDiameter = 0.5;
        const LossDesign expected = designLosses(set.set, n87, ferricalc::design(set.set, in), 2.0, loss);
        QVERIFY(expected.coreLoss && expected.copperLoss && expected.temperatureRise);
        QCOMPARE(shown(*design, "coreLoss"), QString::fromStdString(lossText(LossQuantity::CoreLoss, *expected.coreLoss, ".", true)));
        QCOMPARE(shown(*design, "copperLoss"),
                 QString::fromStdString(lossText(LossQuantity::CopperLoss, *expected.copperLoss, ".", true)));
        QCOMPARE(shown(*design, "temperatureRise"),
                 QString::fromStdString(lossText(LossQuantity::TemperatureRise, *expected.temperatureRise, ".", true)));

        typeInto(input(*design, "duty"), QStringLiteral("1"));
        QVERIFY(!shown(*design, "dutyRefusal").isEmpty());
        QCOMPARE(shown(*design, "coreLoss"), QStringLiteral("—"));
        QVERIFY(shown(*design, "alFringing") != QStringLiteral("—"));  // the design itself stands
    }

    // 选型… designs every standard core for the inductor as designed here; Enter on
    // a row opens its core in a calculator window, calculated, with its design
    // window set to the row's material, gap and turns.
    void theAdvisorOpensARowAsADesign()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kEtd, kEtdExample));
        QVERIFY(design);
        chooseMaterial(*design, QStringLiteral("N87"));
        input(*design, "current")->setValue(2.3);
        QTest::mouseClick(design->findChild<QPushButton*>(QStringLiteral("adviseButton")), Qt::LeftButton);
        AdvisorWindow* advisor = design->advisorWindow();
        QVERIFY(advisor);
        activate(*advisor);
        QVERIFY(advisor->advice().size() > 400);
        // An edit advises again off the window's thread; the table follows.
        advisor->findChild<QDoubleSpinBox*>(QStringLiteral("inductance"))->setValue(50);
        QTRY_COMPARE(advisor->advice().front().design.inductance.value_or(0) < 60, true);
        const Advice first = advisor->advice().front();
        QCOMPARE(first.verdict, Verdict::Feasible);
        QCOMPARE(QString::fromUtf8(first.material->name.data(), first.material->name.size()), QStringLiteral("N87"));

        auto* table = advisor->findChild<QTableView*>(QStringLiteral("adviceTable"));
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::keyClick(advisor->windowHandle(), Qt::Key_Return);
        CalculatorWindow* opened = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* calculator = dynamic_cast<CalculatorWindow*>(widget);
                calculator && &calculator->core() == first.family && calculator->designWindow()
                && calculator->designWindow() != design)
                opened = calculator;
        QVERIFY(opened);
        DesignWindow* rowDesign = opened->designWindow();
        QCOMPARE(input(*rowDesign, "gap")->value(), first.gap);
        QCOMPARE(input(*rowDesign, "turns")->value(), first.turns);
        QCOMPARE(input(*rowDesign, "wire")->value(), first.wire);
        // The row's figures, designed again by the window.
        QCOMPARE(shown(*rowDesign, "temperatureRise"),
                 QString::fromStdString(lossText(LossQuantity::TemperatureRise, *first.losses.temperatureRise, ".", true)));
        opened->close();
    }

    // The far ends of every box design without an infinity or a NaN.
    void extremeValuesShowNoInfinityOrNan()
    {
        WindowSession session;
        DesignWindow* design = openDesign(*calculated(session, kRing, kRingExample));
        QVERIFY(design);
        for (const bool highest : {true, false}) {
            for (QDoubleSpinBox* box : design->findChildren<QDoubleSpinBox*>())
                box->setValue(highest ? box->maximum() : box->minimum());
            const QString labels = everyLabel(*design).toLower();
            QVERIFY2(!labels.contains(QStringLiteral("inf")) && !labels.contains(QStringLiteral("nan")),
                     qPrintable(labels));
        }
    }
};

FERRICALC_WINDOW_TEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
