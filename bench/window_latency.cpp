// How long a user waits in the windows, in one process: from the click on
// 确 定 to the calculator window's first complete frame, and from the click on
// 计算 to the five results written (and to the frame that shows them), each
// repeated and summarised as median and 99th percentile. Every tenth run also
// opens the design window (click on 设计… to its first frame) and calculates
// once more with it open, which designs again as well. Bare Qt windows of the
// same sizes with one label, opened the same way, are the baselines; for the
// design window also a bare window of its size and content: the same number of
// plain Qt controls of the same kinds, texts, fonts and places, without layouts,
// logic or drawing of ours (a plot is an empty widget there).
//
//   ferricalc_window_latency [REPETITIONS]     (default 1000 per core)
// prints one line per measurement: WHAT CORE MEDIAN_NS P99_NS COUNT

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/application.hpp"
#include "app/selector_window.hpp"
#include "window/design_window.hpp"
#include "cli_worked_examples.hpp"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDesignEvery = 10;  // runs per opening of the design window

// Notes a paint of the watched widget or, for a window, of any widget in it. A
// frame is complete once the event that painted it has been handled, that is
// when processEvents returns.
class PaintWatch : public QObject {
public:
    QWidget* target = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && target != nullptr && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget == target || (target->isWindow() && widget->window() == target))
                painted = true;
        }
        return false;
    }
};

PaintWatch* g_watch = nullptr;
QSize g_designSize;  // the largest design window opened, for its bare baselines

// One control of a window as plain Qt would show it.
struct Control {
    enum class Kind { Label, Field, Choice, Group, Option, Check, Button, Tabs, Plain };
    Kind kind = Kind::Plain;
    QRect geometry;  // in the window
    QFont font;
    QString text;
    QStringList items;  // a combo box's entries, a tab bar's tabs
    // A spin box's range, value, decimals and suffix.
    double minimum = 0, maximum = 0, value = 0;
    int decimals = 0;
    QString suffix;
};

std::vector<Control> g_designContent;  // the largest design window's controls

// The line edit inside a spin box, a combo box's view and the like.
bool partOfAControl(const QWidget& widget, const QWidget& window)
{
    for (const QWidget* above = widget.parentWidget(); above != nullptr && above != &window;
         above = above->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(above) != nullptr || qobject_cast<const QComboBox*>(above) != nullptr)
            return true;
    return false;
}

// The controls the window shows, parents before their children.
std::vector<Control> contentOf(const QWidget& window)
{
    std::vector<Control> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        Control control;
        control.geometry = QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        control.font = widget->font();
        using Kind = Control::Kind;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            control.kind = Kind::Label;
            control.text = label->text();
        } else if (const auto* box = qobject_cast<const QDoubleSpinBox*>(widget)) {
            control.kind = Kind::Field;
            control.minimum = box->minimum();
            control.maximum = box->maximum();
            control.value = box->value();
            control.decimals = box->decimals();
            control.suffix = box->suffix();
        } else if (const auto* whole = qobject_cast<const QSpinBox*>(widget)) {
            control.kind = Kind::Field;
            control.minimum = whole->minimum();
            control.maximum = whole->maximum();
            control.value = whole->value();
            control.suffix = whole->suffix();
        } else if (const auto* choice = qobject_cast<const QComboBox*>(widget)) {
            control.kind = Kind::Choice;
            for (int i = 0; i < choice->count(); ++i)
                control.items << choice->itemText(i);
            control.text = choice->currentText();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            control.kind = Kind::Group;
            control.text = group->title();
        } else if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
            control.kind = Kind::Option;
            control.text = option->text();
        } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
            control.kind = Kind::Check;
            control.text = check->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            control.kind = Kind::Button;
            control.text = button->text();
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            control.kind = Kind::Tabs;
            for (int i = 0; i < tabs->count(); ++i)
                control.items << tabs->tabText(i);
        } else if (partOfAControl(*widget, window)) {
            continue;
        }
        controls.push_back(std::move(control));
    }
    return controls;
}

// A window of plain Qt controls made from `content`.
QWidget* bareWindow(QSize size, const std::vector<Control>& content)
{
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFixedSize(size);
    for (const Control& control : content) {
        QWidget* made = nullptr;
        switch (control.kind) {
        case Control::Kind::Label:
            made = new QLabel(control.text, window);
            break;
        case Control::Kind::Field: {
            auto* field = new QDoubleSpinBox(window);
            field->setDecimals(control.decimals);
            field->setRange(control.minimum, control.maximum);
            field->setSuffix(control.suffix);
            field->setValue(control.value);
            made = field;
            break;
        }
        case Control::Kind::Choice: {
            auto* choice = new QComboBox(window);
            choice->addItems(control.items);
            choice->setCurrentText(control.text);
            made = choice;
            break;
        }
        case Control::Kind::Group:
            made = new QGroupBox(control.text, window);
            break;
        case Control::Kind::Option:
            made = new QRadioButton(control.text, window);
            break;
        case Control::Kind::Check:
            made = new QCheckBox(control.text, window);
            break;
        case Control::Kind::Button:
            made = new QPushButton(control.text, window);
            break;
        case Control::Kind::Tabs: {
            auto* tabs = new QTabBar(window);
            for (const QString& tab : control.items)
                tabs->addTab(tab);
            made = tabs;
            break;
        }
        case Control::Kind::Plain:
            made = new QWidget(window);
            break;
        }
        made->setFont(control.font);
        made->setGeometry(control.geometry);
    }
    return window;
}

// Handles events until the watched window has painted a frame.
void untilPainted()
{
    while (!g_watch->painted)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void watch(QWidget* target)
{
    g_watch->target = target;
    g_watch->painted = false;
}

struct Summary {
    long long median = 0;
    long long p99 = 0;
};

Summary summarise(std::vector<long long> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double share) {
        return samples[std::min(samples.size() - 1, static_cast<std::size_t>(share * static_cast<double>(samples.size())))];
    };
    return {at(0.5), at(0.99)};
}

void report(const char* what, std::string_view core, const std::vector<long long>& samples)
{
    const Summary s = summarise(samples);
    std::printf("%s %.*s %lld %lld %zu\n", what, static_cast<int>(core.size()), core.data(), s.median, s.p99,
                samples.size());
    std::fflush(stdout);
}

long long since(Clock::time_point begin)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - begin).count();
}

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Types the worked example's dimensions into the window's fields.
void fill(ferricalc::CalculatorWindow& window, std::string_view inputs)
{
    const ferricalc::CoreDescriptor& core = window.core();
    for (const ferricalc::FieldSpec& field : core.fields) {
        std::string_view text;
        if (ferricalc::testing_support::findInput(inputs, field.letter, text))
            window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(field.textNumber))->setText(utf8(text));
    }
}

void measureCore(ferricalc::SelectorWindow& selector, int index, int repetitions)
{
    const ferricalc::CoreDescriptor& core = ferricalc::coreType(index);
    std::string_view inputs;
    for (const auto& example : ferricalc::testing_support::kWorkedExamples)
        if (example.core == core.name) {
            inputs = example.inputs;
            break;
        }
    selector.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(index))->setChecked(true);
    auto* ok = selector.findChild<QPushButton*>(QStringLiteral("Command1"));

    std::vector<long long> opening, calculating, showing, designOpening, designCalculating;
    for (int run = 0; run < repetitions; ++run) {
        watch(nullptr);
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(ok, Qt::LeftButton);
        ferricalc::CalculatorWindow* window = selector.calculatorWindow();
        if (window == nullptr) {
            std::fprintf(stderr, "the %s window did not open\n", std::string(core.name).c_str());
            return;
        }
        // The window may have painted within the click already.
        if (!g_watch->painted)
            watch(window);
        untilPainted();
        opening.push_back(since(clicked));

        fill(*window, inputs);
        QApplication::processEvents();
        auto* calculate = window->findChild<QPushButton*>(QStringLiteral("Command1"));
        // Ve is written last; the button itself repaints within the click.
        const int veLabel = core.results[ferricalc::Ve].valueNumber;
        watch(window->findChild<QLabel*>(QStringLiteral("Label%1").arg(veLabel)));
        const Clock::time_point pressed = Clock::now();
        QTest::mouseClick(calculate, Qt::LeftButton);
        calculating.push_back(since(pressed));
        untilPainted();
        showing.push_back(since(pressed));

        if (run % kDesignEvery == 0) {
            // The user reads the results before the next click; meanwhile the
            // calculator window builds its design window (after kDesignAheadDelay).
            QTest::qWait(60);
            watch(nullptr);
            const Clock::time_point asked = Clock::now();
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("designButton")), Qt::LeftButton);
            if (window->designWindow() == nullptr) {
                std::fprintf(stderr, "the %s design window did not open\n", std::string(core.name).c_str());
                return;
            }
            if (!g_watch->painted)
                watch(window->designWindow());
            untilPainted();
            designOpening.push_back(since(asked));
            const QSize designSize = window->designWindow()->size();
            if (designSize.width() * designSize.height() > g_designSize.width() * g_designSize.height())
                g_designContent = contentOf(*window->designWindow());
            g_designSize = g_designSize.expandedTo(designSize);
            const Clock::time_point again = Clock::now();
            QTest::mouseClick(calculate, Qt::LeftButton);
            designCalculating.push_back(since(again));
        }

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        watch(&selector);
        untilPainted();
    }
    report("open", core.name, opening);
    report("calculate", core.name, calculating);
    report("calculate-shown", core.name, showing);
    report("open-design", core.name, designOpening);
    report("calculate-design", core.name, designCalculating);
}

// The same click-to-frame on a bare window of a given size with `content`, or
// with one label when it is empty; the window is made at the click.
void measureBareWindow(ferricalc::SelectorWindow& selector, int repetitions, QSize size, const char* kind,
                       const std::vector<Control>& content = {})
{
    QPushButton opener(QStringLiteral("open"));
    std::vector<long long> opening;
    QObject::connect(&opener, &QPushButton::clicked, &opener, [&selector, size, &content] {
        selector.hide();
        QWidget* window = nullptr;
        if (content.empty()) {
            window = bareWindow(size, {});
            auto* label = new QLabel(QStringLiteral("计算"), window);
            label->setGeometry(16, 16, 100, 30);
        } else {
            window = bareWindow(size, content);
        }
        window->show();
        g_watch->target = window;
    });
    for (int run = 0; run < repetitions; ++run) {
        g_watch->painted = false;
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(&opener, Qt::LeftButton);
        untilPainted();
        opening.push_back(since(clicked));
        g_watch->target->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        selector.show();
        watch(&selector);
        untilPainted();
    }
    report(kind, "-", opening);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ferricalc::configureApplication(app);
    int repetitions = 1000;
    if (argc > 1) {
        const std::string_view text = argv[1];
        if (std::from_chars(text.data(), text.data() + text.size(), repetitions).ec != std::errc() || repetitions < 1) {
            std::fprintf(stderr, "usage: ferricalc_window_latency [REPETITIONS]\n");
            return 2;
        }
    }
    PaintWatch paintWatch;
    g_watch = &paintWatch;
    app.installEventFilter(&paintWatch);

    ferricalc::SelectorWindow selector;
    watch(&selector);
    selector.show();
    untilPainted();

    // The ring window's size.
    measureBareWindow(selector, repetitions, QSize(598, 461), "open-bare-qt");
    for (int index = 0; index < ferricalc::kCoreTypeCount; ++index)
        measureCore(selector, index, repetitions);
    if (g_designSize.isValid()) {
        const int designRuns = (repetitions + kDesignEvery - 1) / kDesignEvery;
        measureBareWindow(selector, designRuns, g_designSize, "open-bare-qt-design");
        measureBareWindow(selector, designRuns, g_designSize, "open-bare-qt-design-content", g_designContent);
    }
    return 0;
}
