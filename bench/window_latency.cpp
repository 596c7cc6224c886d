// How long a user waits in the windows, in one process: from the click on
// 确 定 to the calculator window's first complete frame, and from the click on
// 计算 to the five results written (and to the frame that shows them), each
// repeated and summarised as median and 99th percentile. Every tenth run also
// opens the design window (click on 设计… to its first frame) and calculates
// once more with it open, which designs again as well. Bare Qt windows of the
// same sizes with one label, opened the same way, are the baselines.
//
//   ferricalc_window_latency [REPETITIONS]     (default 1000 per core)
// prints one line per measurement: WHAT CORE MEDIAN_NS P99_NS COUNT

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
QSize g_designSize;  // the largest design window opened, for its bare baseline

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
            g_designSize = g_designSize.expandedTo(window->designWindow()->size());
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

// The same click-to-frame on a bare window of a given size with one label.
void measureBareWindow(ferricalc::SelectorWindow& selector, int repetitions, QSize size, const char* kind)
{
    QPushButton opener(QStringLiteral("open"));
    std::vector<long long> opening;
    QObject::connect(&opener, &QPushButton::clicked, &opener, [&selector, size] {
        selector.hide();
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setFixedSize(size);
        auto* label = new QLabel(QStringLiteral("计算"), window);
        label->setGeometry(16, 16, 100, 30);
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
    if (g_designSize.isValid())
        measureBareWindow(selector, (repetitions + kDesignEvery - 1) / kDesignEvery, g_designSize,
                          "open-bare-qt-design");
    return 0;
}
