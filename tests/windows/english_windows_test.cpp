// The windows in English beside Chinese: every caption fits its control and
// no two captions overlap, in both languages; an English window shows no
// Chinese beyond published names; a calculation by keyboard in English; and a
// switch of language rewrites open windows in place, remembered across runs.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLocale>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <algorithm>

#include "cli_worked_examples.hpp"
#include "store/settings.hpp"
#include "window/advisor_window.hpp"
#include "window/design_window.hpp"
#include "window/drawing_view.hpp"
#include "window/language.hpp"
#include "window/look.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Han characters, and the full-width punctuation that comes with them.
const QRegularExpression kChinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

enum class Shown { Selector, Calculator, Design, DesignLosses, Advisor, About };

struct WindowCase {
    const char* name;
    Shown shown;
    int family = -1;  // the calculator's option, for the windows that open from one
};

// The selector, the twelve calculator windows, the design window's two pages, the adviser, the about window.
const std::vector<WindowCase>& windowCases()
{
    static const std::vector<WindowCase> cases = [] {
        std::vector<WindowCase> all{{"selector", Shown::Selector}};
        static std::vector<std::string> names;
        names.reserve(kCoreTypeCount);
        for (int index = 0; index < kCoreTypeCount; ++index)
            names.push_back(std::string(coreType(index).name) + " calculator");
        for (int index = 0; index < kCoreTypeCount; ++index)
            all.push_back({names[static_cast<std::size_t>(index)].c_str(), Shown::Calculator, index});
        all.push_back({"design window", Shown::Design, 4});
        all.push_back({"design window's losses", Shown::DesignLosses, 4});
        all.push_back({"adviser", Shown::Advisor, 4});
        all.push_back({"about", Shown::About});
        return all;
    }();
    return cases;
}

const WorkedExample* exampleOf(std::string_view core)
{
    for (const WorkedExample& example : kWorkedExamples)
        if (example.core == core)
            return &example;
    return nullptr;
}

// Fills the family's worked example into its fields and presses Calculate.
void calculateExample(CalculatorWindow& window)
{
    const WorkedExample* example = exampleOf(window.core().name);
    for (const FieldSpec& entry : window.core().fields) {
        std::string_view typed;
        if (example != nullptr && findInput(example->inputs, entry.letter, typed))
            field(window, entry.textNumber)->setText(text(typed));
    }
    QTest::mouseClick(button(window, 1), Qt::LeftButton);
}

// Opens the case's window in the session, as a user reaches it.
QWidget* openCase(WindowSession& session, const WindowCase& shown)
{
    switch (shown.shown) {
    case Shown::Selector:
        return session.selector.get();
    case Shown::About:
        option(*session.selector, 9)->setChecked(true);
        session.selector->showAbout();
        return session.selector->aboutWindow();
    default:
        break;
    }
    CalculatorWindow* calculator = session.open(shown.family);
    if (calculator == nullptr)
        return nullptr;
    calculateExample(*calculator);
    if (shown.shown == Shown::Calculator)
        return calculator;
    calculator->openDesign();
    DesignWindow* design = calculator->designWindow();
    if (design == nullptr)
        return nullptr;
    if (shown.shown == Shown::DesignLosses)
        design->setCurrentPage(1);
    if (shown.shown == Shown::Advisor) {
        design->openAdvisor();
        return design->advisorWindow();
    }
    return design;
}

QString captionOf(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()) ? QString() : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

// Where the caption is drawn, in the window's coordinates: its lines as the
// control lays them out, placed in its room by its alignment.
QRect captionRect(const QWidget& control, const QString& caption)
{
    const QRect room = look::textRoom(control);
    const QFontMetrics metrics(control.font());
    const auto* label = qobject_cast<const QLabel*>(&control);
    const bool wrapped = label != nullptr && label->wordWrap();
    QSize size = metrics.boundingRect(QRect(0, 0, wrapped ? room.width() : 100000, 100000),
                                      wrapped ? Qt::TextWordWrap : 0, QString(caption).remove(QLatin1Char('&')))
                     .size();
    size.setHeight(std::min(size.height(), std::max(room.height(), metrics.height())));
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (label != nullptr)
        alignment = label->alignment();
    else if (qobject_cast<const QPushButton*>(&control) != nullptr)
        alignment = Qt::AlignCenter;
    const QRect placed = QStyle::alignedRect(control.layoutDirection(), alignment, size, room);
    return QRect(control.mapTo(control.window(), placed.topLeft()), placed.size());
}

// Where a control stands and how wide it is; a message line's height follows
// the lines of its text, in either language.
QRect placed(const QWidget& control) { return QRect(control.pos(), QSize(control.width(), 0)); }

struct Caption {
    const QWidget* control;
    QString text;
    QRect room;   // window coordinates
    QRect drawn;  // window coordinates
};

std::vector<Caption> captionsOf(QWidget& window)
{
    std::vector<Caption> captions;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window || !control->isVisibleTo(&window))
            continue;
        const QString caption = captionOf(*control);
        if (caption.trimmed().isEmpty())
            continue;
        const QRect room = look::textRoom(*control);
        captions.push_back({control, caption, QRect(control->mapTo(&window, room.topLeft()), room.size()),
                            captionRect(*control, caption)});
    }
    return captions;
}

QString describe(const Caption& caption)
{
    return QStringLiteral("%1 \"%2\"").arg(caption.control->objectName(), caption.text);
}

// Every text the window shows or offers on hovering, but the names in its lists.
QStringList shownTexts(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // The language's own choice is named in both, so that either reader finds it.
        if (control->window() != &window || control->objectName() == QLatin1String("language"))
            continue;
        texts << captionOf(*control) << control->toolTip();
        if (const auto* group = qobject_cast<const QGroupBox*>(control))
            texts << group->title();
        if (const auto* tabs = qobject_cast<const QTabBar*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return texts;
}

}  // namespace

class EnglishWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        QVERIFY(setLanguage(Language::Chinese));
    }

    void cleanup() { setLanguage(Language::Chinese); }

    void captionsFitAndDoNotOverlap_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("english");
        for (std::size_t i = 0; i < windowCases().size(); ++i)
            for (const bool english : {false, true})
                QTest::addRow("%s in %s", windowCases()[i].name, english ? "English" : "Chinese")
                    << static_cast<int>(i) << english;
    }

    // A caption wider than its control would be cut, one crossing another's
    // would be unreadable, one past the window's edge unseen.
    void captionsFitAndDoNotOverlap()
    {
        QFETCH(int, index);
        QFETCH(bool, english);
        QVERIFY(setLanguage(english ? Language::English : Language::Chinese));
        WindowSession session;
        QWidget* window = openCase(session, windowCases()[static_cast<std::size_t>(index)]);
        QVERIFY(window);
        QVERIFY(activate(*window));
        const std::vector<Caption> captions = captionsOf(*window);
        QVERIFY(!captions.empty());
        for (const Caption& caption : captions) {
            QVERIFY2(caption.drawn.width() <= caption.room.width(),
                     qPrintable(describe(caption) + QStringLiteral(" is wider than its control")));
            const int lineHeight = QFontMetrics(caption.control->font()).height();
            QVERIFY2(caption.drawn.height() <= std::max(caption.room.height(), lineHeight),
                     qPrintable(describe(caption) + QStringLiteral(" has more lines than its control holds")));
            QVERIFY2(window->rect().contains(caption.drawn),
                     qPrintable(describe(caption) + QStringLiteral(" runs past the window's edge")));
        }
        for (std::size_t i = 0; i < captions.size(); ++i)
            for (std::size_t j = i + 1; j < captions.size(); ++j)
                QVERIFY2(!captions[i].drawn.intersects(captions[j].drawn),
                         qPrintable(describe(captions[i]) + QStringLiteral(" overlaps ") + describe(captions[j])));
    }

    void noChineseInEnglishWindows_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < windowCases().size(); ++i)
            QTest::addRow("%s", windowCases()[i].name) << static_cast<int>(i);
    }

    // Published names (materials, makers, standard cores) live in the lists,
    // and the language list names 中文 in itself: lists are left out.
    void noChineseInEnglishWindows()
    {
        QFETCH(int, index);
        QVERIFY(setLanguage(Language::English));
        WindowSession session;
        QWidget* window = openCase(session, windowCases()[static_cast<std::size_t>(index)]);
        QVERIFY(window);
        for (const QString& shown : shownTexts(*window))
            QVERIFY2(!shown.contains(kChinese), qPrintable(shown));
        // The pictures with words in them (the selector's title, the about
        // window's letter) show their English drawing.
        for (const QWidget* child : window->findChildren<QWidget*>())
            if (const auto* picture = dynamic_cast<const DrawingView*>(child))
                QVERIFY2(!picture->resource().startsWith(QStringLiteral(":/art/"))
                             || picture->resource().endsWith(QStringLiteral("-en.svg")),
                         qPrintable(picture->resource()));
    }

    // A design window built ahead in Chinese opens in English once the language
    // has changed in between.
    void aDesignBuiltAheadFollowsTheLanguage()
    {
        WindowSession session;
        CalculatorWindow* calculator = session.open(4);
        QVERIFY(calculator);
        calculateExample(*calculator);
        QTRY_VERIFY(calculator->designWindowAhead());
        QVERIFY(setLanguage(Language::English));
        QCoreApplication::processEvents();  // the change reaches the windows before the next click
        calculator->openDesign();
        DesignWindow* design = calculator->designWindow();
        QVERIFY(design);
        for (const QString& shown : shownTexts(*design))
            QVERIFY2(!shown.contains(kChinese), qPrintable(shown));
    }

    // 10, Enter, 6, Enter, 4, Enter, then Enter along the optional fields to
    // Calculate, and Enter: the ring's results; then a field that is no number
    // is refused in English.
    void aRingCalculatedByKeyboardInEnglish()
    {
        QVERIFY(setLanguage(Language::English));
        WindowSession session;
        CalculatorWindow* window = session.open(0);
        QVERIFY(window);
        QCOMPARE(button(*window, 1)->text(), QStringLiteral("Calculate"));
        QCOMPARE(button(*window, 2)->text(), QStringLiteral("Return"));
        const WorkedExample& ring = *exampleOf("ring");
        for (const FieldSpec& entry : window->core().fields) {
            std::string_view typed;
            if (findInput(ring.inputs, entry.letter, typed))
                type(*window, text(typed));
            pressEnter(*window);
        }
        QVERIFY(button(*window, 1)->hasFocus());
        pressEnter(*window);
        QVERIFY(label(*window, window->core().results[0].valueNumber)->text().startsWith(QStringLiteral("3.07501")));
        QVERIFY(label(*window, window->core().results[4].valueNumber)->text().startsWith(QStringLiteral("188.44062")));

        field(*window, window->core().fields[1].textNumber)->setText(QStringLiteral("abc"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        const QString message = window->findChild<QLabel*>(QStringLiteral("messageLine"))->text();
        QVERIFY2(!message.isEmpty() && !message.contains(kChinese), qPrintable(message));
        QVERIFY2(message.contains(QLatin1Char('B')), qPrintable(message));
    }

    // The about window's choice: open windows change their texts where they
    // stand, the message of the last Calculate too, and the choice is kept.
    void aChosenLanguageAppliesAtOnceAndIsKept()
    {
        WindowSession session;
        CalculatorWindow* window = session.open(4);
        QVERIFY(window);
        field(*window, window->core().fields[0].textNumber)->setText(QStringLiteral("x"));
        QTest::mouseClick(button(*window, 1), Qt::LeftButton);
        const auto* message = window->findChild<QLabel*>(QStringLiteral("messageLine"));
        QVERIFY(message->text().contains(kChinese));
        std::vector<QRect> before;
        for (const QWidget* control : window->findChildren<QWidget*>())
            if (control->window() == window)  // not the lists' popups, sized to their entries
                before.push_back(placed(*control));

        option(*session.selector, 9)->setChecked(true);
        session.selector->showAbout();
        AboutWindow* about = session.selector->aboutWindow();
        QVERIFY(about);
        auto* language = about->findChild<QComboBox*>(QStringLiteral("language"));
        QVERIFY(language);
        language->setCurrentIndex(1);
        emit language->activated(1);
        QTRY_COMPARE(button(*window, 1)->text(), QStringLiteral("Calculate"));
        QCOMPARE(currentLanguage(), Language::English);
        QCOMPARE(store::Settings::language(), QStringLiteral("en"));
        QVERIFY2(!message->text().isEmpty() && !message->text().contains(kChinese), qPrintable(message->text()));
        QCOMPARE(window->windowTitle().contains(kChinese), false);
        std::vector<QRect> after;
        for (const QWidget* control : window->findChildren<QWidget*>())
            if (control->window() == window)  // not the lists' popups, sized to their entries
                after.push_back(placed(*control));
        QCOMPARE(after, before);

        language->setCurrentIndex(0);
        emit language->activated(0);
        QTRY_COMPARE(button(*window, 1)->text(), QStringLiteral("计算"));
        QCOMPARE(store::Settings::language(), QStringLiteral("zh"));
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
