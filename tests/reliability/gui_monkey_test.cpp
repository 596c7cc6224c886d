// A seeded monkey on the whole program: thousands of random user actions, each
// one only where a user could make it (on a visible window), and after every
// action the program must still be sound:
// - at most one calculator window exists, and the selector is visible exactly
//   when none does;
// - at most one about window exists, and at most one design window, which
//   belongs to the calculator window;
// - no label of any window shows an infinity or a NaN, and a Calculate writes
//   exactly what the pipeline computes from the fields' texts;
// - no modal dialog appeared and the program did not end.
// On a failure the seed and the whole list of actions are printed, so the run
// can be replayed: FERRICALC_MONKEY_SEED=n FERRICALC_MONKEY_EVENTS=m. Without a seed,
// FERRICALC_MONKEY_EVENTS shortens or lengthens the four runs together.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QInputMethodEvent>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <random>

#include "calc/calculation.hpp"
#include "window/design_window.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

// The about window and its OK, found by name so that the monkey runs whether or
// not this build has one.
const QString kAboutForm = QStringLiteral("Form11");

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Watches for the ways the program could end: Exit, closing the selector, or a
// quit request reaching the application.
class EndWatch : public QObject {
public:
    explicit EndWatch(SelectorWindow& selector)
    {
        selector.installEventFilter(this);
        qApp->installEventFilter(this);
        connect(button(selector, 2), &QPushButton::clicked, this,
                [this] { m_ended = QStringLiteral("Exit was pressed"); });
    }
    ~EndWatch() override { qApp->removeEventFilter(this); }

    const QString& ended() const { return m_ended; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Quit)
            m_ended = QStringLiteral("the application was asked to quit");
        else if (event->type() == QEvent::Close && qobject_cast<QWidget*>(watched)
                 && qobject_cast<QWidget*>(watched)->objectName() == QStringLiteral("Form1"))
            m_ended = QStringLiteral("the selector was closed");
        return false;
    }

private:
    QString m_ended;
};

class Monkey {
public:
    Monkey(WindowSession& session, std::uint64_t seed)
        : m_session(session), m_random(seed), m_endWatch(*session.selector)
    {
    }

    // One random action, then the checks. Returns what broke, or an empty string.
    QString step()
    {
        SelectorWindow& selector = *m_session.selector;
        CalculatorWindow* calculator = selector.calculatorWindow();
        QWidget* about = aboutWindow();

        // Where the user acts: the about window now and then, the design window
        // often while it is open, else the visible main window.
        DesignWindow* design = calculator ? calculator->designWindow() : nullptr;
        if (about && below(6) == 0)
            actOnAbout(*about);
        else if (design && below(3) == 0)
            actOnDesign(*design);
        else if (calculator)
            actOnCalculator(*calculator);
        else
            actOnSelector(selector);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ++m_step;
        if (!calculator && m_session.selector && m_session.selector->calculatorWindow())
            ++m_tally.windowsOpened;
        if (!about && aboutWindow())
            ++m_tally.aboutOpened;
        if (m_session.selector && m_session.selector->calculatorWindow()
            && m_session.selector->calculatorWindow()->designWindow() && !design)
            ++m_tally.designOpened;
        return brokenInvariant();
    }

    const QStringList& actions() const { return m_actions; }

    // What the actions reached, to show that the run went where it should.
    struct Tally {
        int windowsOpened = 0;
        int calculations = 0;
        int succeeded = 0;
        int aboutOpened = 0;
        int designOpened = 0;
        int designActions = 0;
    };
    const Tally& tally() const { return m_tally; }

private:
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(m_random() % bound); }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

    void record(const QString& action) { m_actions << QStringLiteral("%1 %2").arg(m_step).arg(action); }

    static QWidget* aboutWindow()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == kAboutForm && window->isVisible())
                return window;
        return nullptr;
    }

    // A user clicks into a window before typing into it.
    static void bringForward(QWidget& window)
    {
        if (QApplication::activeWindow() != &window) {
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window, 1000))
                qWarning("%s did not become active", qPrintable(window.objectName()));
        }
    }

    void actOnSelector(SelectorWindow& selector)
    {
        bringForward(selector);
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const int index = static_cast<int>(below(kCoreTypeCount));
            record(QStringLiteral("click option %1").arg(index));
            QTest::mouseClick(option(selector, index), Qt::LeftButton);
            break;
        }
        case 4:
        case 5:
        case 6:
            record(QStringLiteral("click OK"));
            QTest::mouseClick(button(selector, 1), Qt::LeftButton);
            break;
        case 7:
        case 8:
            record(QStringLiteral("double-click the notice line"));
            QTest::mouseDClick(label(selector, 1), Qt::LeftButton);
            break;
        default:
            pressRandomKey(selector);
            break;
        }
    }

    void actOnAbout(QWidget& about)
    {
        bringForward(about);
        QPushButton* ok = button(about, 1);
        if (ok && chance(70)) {
            record(QStringLiteral("click OK in the about window"));
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (chance(50)) {
            record(QStringLiteral("close the about window from its title bar"));
            about.close();
        } else {
            pressRandomKey(about);
        }
    }

    void actOnCalculator(CalculatorWindow& window)
    {
        bringForward(window);
        const std::size_t roll = below(100);
        if (roll < 6) {
            typeThroughTheChain(window);
        } else if (roll < 40) {
            typeIntoField(window);
        } else if (roll < 58) {
            record(QStringLiteral("Enter"));
            pressEnter(window, chance(20) ? Qt::KeypadModifier : Qt::NoModifier);
        } else if (roll < 73) {
            calculateAndCompare(window);
        } else if (roll < 76) {
            record(QStringLiteral("click 设计…"));
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("designButton")), Qt::LeftButton);
        } else if (roll < 80) {
            record(QStringLiteral("click Return"));
            QTest::mouseClick(button(window, 2), Qt::LeftButton);
        } else if (roll < 82) {
            record(QStringLiteral("close %1 from its title bar").arg(window.objectName()));
            window.close();
        } else {
            pressRandomKey(window);
        }
    }

    // A dimension as a data sheet gives it, with this locale's decimal separator.
    QString dimension(double largest)
    {
        std::uniform_real_distribution<double> size(largest / 4, largest);
        QString text = QString::number(size(m_random), 'f', static_cast<int>(below(4)));
        return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }

    void type(CalculatorWindow& window, const QString& text)
    {
        QWidget* focus = window.focusWidget();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(window.windowHandle(), c.toLatin1());
            } else if (focus) {
                QInputMethodEvent commit;  // the Arabic separator comes from an input method
                commit.setCommitString(QString(c));
                QApplication::sendEvent(focus, &commit);
            }
        }
    }

    // What a user does most: the dimensions in the order of the chain, each
    // followed by Enter, the larger ones first as a data sheet lists them.
    void typeThroughTheChain(CalculatorWindow& window)
    {
        const auto& fields = window.core().fields;
        QTest::mouseClick(field(window, fields.front().textNumber), Qt::LeftButton);
        double largest = 5.0 + static_cast<double>(below(60));
        QStringList typed;
        for (const FieldSpec& entry : fields) {
            QLineEdit* text = field(window, entry.textNumber);
            QString value = entry.start == StartText::Zero && chance(70) ? QString() : dimension(largest);
            if (!value.isEmpty() && text->hasFocus()) {
                text->selectAll();
                type(window, value);
            }
            typed << value;
            largest *= 0.8;
            pressEnter(window);
        }
        record(QStringLiteral("type through the chain: %1").arg(typed.join(QLatin1Char(' '))));
    }

    void typeIntoField(CalculatorWindow& window)
    {
        const auto& fields = window.core().fields;
        if (chance(70)) {  // click into a field first; else type where the focus is
            const FieldSpec& entry = fields[below(fields.size())];
            record(QStringLiteral("click Text%1").arg(entry.textNumber));
            QTest::mouseClick(field(window, entry.textNumber), Qt::LeftButton);
        }
        typeAtFocus(window);
    }

    // Random text where the window's focus is: keys for a short printable one,
    // else what an input method commits.
    void typeAtFocus(QWidget& window)
    {
        QWidget* focus = window.focusWidget();
        if (!qobject_cast<QLineEdit*>(focus) && !qobject_cast<QAbstractSpinBox*>(focus))
            focus = nullptr;
        const QString text = randomText();
        const bool keys = text.size() <= 16 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return c.unicode() > 0x20 && c.unicode() < 0x7F;
                          });
        record(QStringLiteral("type \"%1\"%2")
                   .arg(text.size() > 40 ? text.left(40) + QStringLiteral("...(%1 characters)").arg(text.size()) : text,
                        keys ? QString() : QStringLiteral(" through the input method")));
        if (keys) {
            for (const QChar c : text)
                QTest::keyClick(window.windowHandle(), c.toLatin1());
        } else if (focus) {
            // What an input method does: it commits the composed text at once.
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(focus, &commit);
        }
    }

    // The design window: values typed into its boxes, a material or a place of
    // the gap chosen, turns or inductance, the found gap used, the window closed.
    void actOnDesign(DesignWindow& design)
    {
        ++m_tally.designActions;
        bringForward(design);
        const std::size_t roll = below(100);
        if (roll < 55) {
            const QList<QDoubleSpinBox*> boxes = design.findChildren<QDoubleSpinBox*>();
            QDoubleSpinBox* box = boxes[static_cast<qsizetype>(below(static_cast<std::size_t>(boxes.size())))];
            record(QStringLiteral("click %1 in the design window").arg(box->objectName()));
            QTest::mouseClick(box, Qt::LeftButton);
            if (chance(70))
                box->selectAll();
            typeAtFocus(design);
        } else if (roll < 70) {
            const QList<QComboBox*> combos = design.findChildren<QComboBox*>();
            QComboBox* combo = combos[static_cast<qsizetype>(below(static_cast<std::size_t>(combos.size())))];
            const int index = static_cast<int>(below(static_cast<std::size_t>(combo->count())));
            record(QStringLiteral("choose %1 in %2").arg(index).arg(combo->objectName()));
            if (combo->isEnabled()) {
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            }
        } else if (roll < 80) {
            const char* names[] = {"byTurns", "byInductance", "useTargetGap"};
            const char* name = names[below(3)];
            record(QStringLiteral("click %1").arg(QLatin1String(name)));
            QTest::mouseClick(design.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
        } else if (roll < 84) {
            record(QStringLiteral("close the design window"));
            design.close();
        } else {
            pressRandomKey(design);
        }
    }

    QString randomText()
    {
        static const QString kNumberish = QStringLiteral("0123456789012345678901234567890123456789.-+eE ,");
        static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzINFNA?#");
        static const QString kWide = QStringLiteral("０１２３４５６７８９．。－＋　ｅＥ，−");
        static const QStringList kSpecial{
            QStringLiteral("inf"),    QStringLiteral("nan"),    QStringLiteral("1e400"),   QStringLiteral("-1e400"),
            QStringLiteral("1e-400"), QStringLiteral("-0"),     QStringLiteral("0x10"),    QStringLiteral("1,5"),
            QStringLiteral("1.5"),    QStringLiteral("1٫5"),    QStringLiteral("  "),      QStringLiteral("\u3000"),
            QStringLiteral("1e308"),  QStringLiteral("1e-308"), QStringLiteral("0.00001"), QStringLiteral("1e20")};
        const auto pick = [this](const QString& from, std::size_t length) {
            QString text;
            for (std::size_t i = 0; i < length; ++i)
                text += from[static_cast<qsizetype>(below(static_cast<std::size_t>(from.size())))];
            return text;
        };
        switch (below(8)) {
        case 0:
        case 1: {  // a dimension as it is meant to be typed
            std::uniform_real_distribution<double> size(0.1, 120.0);
            return QString::number(size(m_random), 'f', static_cast<int>(below(4)));
        }
        case 2:
            return pick(kNumberish, 1 + below(12));
        case 3:
            return pick(kLetters, 1 + below(8));
        case 4:
            return pick(kWide, 1 + below(10));
        case 5:
            return kSpecial[static_cast<qsizetype>(below(static_cast<std::size_t>(kSpecial.size())))];
        case 6:  // a very long text, of digits or of anything
            return pick(chance(50) ? QStringLiteral("0123456789") : kNumberish + kLetters + kWide, 200 + below(4800));
        default:
            return QString::number(static_cast<int>(below(10)));
        }
    }

    void pressRandomKey(QWidget& window)
    {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static constexpr Key kKeys[] = {
            {Qt::Key_Tab, Qt::NoModifier, "Tab"},
            {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
            {Qt::Key_Space, Qt::NoModifier, "Space"},
            {Qt::Key_Escape, Qt::NoModifier, "Escape"},
            {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
            {Qt::Key_Delete, Qt::NoModifier, "Delete"},
            {Qt::Key_Left, Qt::NoModifier, "Left"},
            {Qt::Key_Right, Qt::NoModifier, "Right"},
            {Qt::Key_Up, Qt::NoModifier, "Up"},
            {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Home, Qt::NoModifier, "Home"},
            {Qt::Key_End, Qt::NoModifier, "End"},
            {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
            {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
            {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
            {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        };
        const Key& key = kKeys[below(std::size(kKeys))];
        // Space on the selector's Exit would end the program; the monkey does not exit.
        QWidget* focus = window.focusWidget();
        if (key.key == Qt::Key_Space && focus && focus->objectName() == QStringLiteral("Command2")
            && &window == m_session.selector.get())
            return;
        record(QStringLiteral("key %1 on %2 in %3")
                   .arg(QLatin1String(key.name), focus ? focus->objectName() : QStringLiteral("nothing"),
                        window.objectName()));
        QTest::keyClick(window.windowHandle(), key.key, key.modifiers);
    }

    // Calculate, and compare the labels with the pipeline run on the same texts:
    // the labels it reached take its texts, the others keep theirs.
    void calculateAndCompare(CalculatorWindow& window)
    {
        record(QStringLiteral("click Calculate"));
        const CoreDescriptor& core = window.core();
        std::vector<std::string> utf8Texts;
        for (const FieldSpec& entry : core.fields)
            utf8Texts.push_back(field(window, entry.textNumber)->text().toStdString());
        const std::vector<std::string_view> texts(utf8Texts.begin(), utf8Texts.end());
        const Calculation expected = calculate(core, texts, QLocale().decimalPoint().toStdString());
        ++m_tally.calculations;
        if (expected.succeeded())
            ++m_tally.succeeded;
        QStringList before;
        for (const ResultSpec& result : core.results)
            before << label(window, result.valueNumber)->text();

        QTest::mouseClick(button(window, 1), Qt::LeftButton);

        for (int i = 0; i < QuantityCount; ++i) {
            const QString shown = label(window, core.results[static_cast<std::size_t>(i)].valueNumber)->text();
            const QString want =
                i < expected.written ? utf8(expected.texts[static_cast<std::size_t>(i)].view()) : before[i];
            if (shown != want && m_mismatch.isEmpty())
                m_mismatch = QStringLiteral("%1 shows \"%2\" after Calculate, the pipeline gives \"%3\"")
                                 .arg(utf8(kQuantityNames[static_cast<std::size_t>(i)]), shown, want);
        }
    }

    QString brokenInvariant()
    {
        if (!m_mismatch.isEmpty())
            return m_mismatch;
        if (!m_session.selector)
            return QStringLiteral("the selector is gone");
        if (!m_endWatch.ended().isEmpty())
            return m_endWatch.ended();
        if (QWidget* modal = QApplication::activeModalWidget())
            return QStringLiteral("a modal window appeared: %1").arg(modal->objectName());

        int calculators = 0;
        int abouts = 0;
        int designs = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (dynamic_cast<CalculatorWindow*>(window))
                ++calculators;
            if (auto* design = dynamic_cast<DesignWindow*>(window)) {
                ++designs;
                const CalculatorWindow* calculator = m_session.selector->calculatorWindow();
                if (!calculator || (calculator->designWindow() != design && calculator->designWindowAhead() != design))
                    return QStringLiteral("a design window exists that its calculator window does not know");
            }
            if (window->objectName() == kAboutForm && window->isVisible())
                ++abouts;
            for (const QLabel* shown : window->findChildren<QLabel*>()) {
                const QString text = shown->text().toLower();
                if (text.contains(QStringLiteral("inf")) || text.contains(QStringLiteral("nan")))
                    return QStringLiteral("%1 in %2 shows \"%3\"")
                        .arg(shown->objectName(), window->objectName(), shown->text());
            }
        }
        if (calculators > 1)
            return QStringLiteral("%1 calculator windows exist").arg(calculators);
        if (abouts > 1)
            return QStringLiteral("%1 about windows are open").arg(abouts);
        if (designs > 1)
            return QStringLiteral("%1 design windows exist").arg(designs);
        if (m_session.selector->isVisible() != (calculators == 0))
            return calculators == 0 ? QStringLiteral("no window is visible: the selector stayed hidden")
                                    : QStringLiteral("the selector is visible beside a calculator window");
        if (calculators == 1 && !m_session.selector->calculatorWindow())
            return QStringLiteral("a calculator window exists that the selector does not know");
        return {};
    }

    WindowSession& m_session;
    std::mt19937_64 m_random;
    EndWatch m_endWatch;
    QStringList m_actions;  // each prefixed by the number of the step that made it
    int m_step = 0;
    QString m_mismatch;
    Tally m_tally;
};

// The offscreen platform cannot raise a window; the about window asks it to when
// it is opened a second time. That warning is noise here, everything else passes on.
QtMessageHandler g_testHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support raise()")))
        return;
    g_testHandler(type, context, message);
}

}  // namespace

class GuiMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomActionsLeaveTheProgramSound_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("events");
        const int seed = environmentNumber("FERRICALC_MONKEY_SEED", 0);
        const int events = environmentNumber("FERRICALC_MONKEY_EVENTS", 0);
        const QLocale chinese(QLocale::Chinese, QLocale::China);
        if (seed != 0) {
            QTest::newRow("replay") << chinese << seed << (events > 0 ? events : 20000);
            return;
        }
        // 20,000 actions in all unless FERRICALC_MONKEY_EVENTS says otherwise; the comma and the
        // two-byte Arabic separator reach the window through its locale.
        const int total = events > 0 ? events : 20000;
        QTest::newRow("chinese point, seed 1") << chinese << 1 << total * 7 / 20;
        QTest::newRow("chinese point, seed 2") << chinese << 2 << total * 7 / 20;
        QTest::newRow("german comma, seed 3") << QLocale(QLocale::German, QLocale::Germany) << 3 << total * 3 / 20;
        QTest::newRow("arabic separator, seed 4") << QLocale(QLocale::Arabic, QLocale::Egypt) << 4 << total * 3 / 20;
    }

    void randomActionsLeaveTheProgramSound()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, seed);
        QFETCH(int, events);
        QLocale::setDefault(locale);
        g_testHandler = qInstallMessageHandler(dropRaiseWarnings);
        const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(g_testHandler); });
        WindowSession session;
        Monkey monkey(session, static_cast<std::uint64_t>(seed));
        for (int event = 0; event < events; ++event) {
            const QString broken = monkey.step();
            if (broken.isEmpty())
                continue;
            std::fprintf(stderr, "Monkey seed %d broke an invariant after action %d: %s\nActions:\n", seed, event,
                         qPrintable(broken));
            for (const QString& action : monkey.actions())
                std::fprintf(stderr, "  %s\n", qPrintable(action));
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(event).arg(broken)));
        }
        const Monkey::Tally& tally = monkey.tally();
        qInfo(
            "seed %d: %d actions; %d calculator windows opened, %d Calculates (%d succeeded), %d about windows opened, "
            "%d design windows opened and %d actions on them",
            seed, events, tally.windowsOpened, tally.calculations, tally.succeeded, tally.aboutOpened,
            tally.designOpened, tally.designActions);
    }
};

FERRICALC_WINDOW_TEST_MAIN(GuiMonkeyTest)
#include "gui_monkey_test.moc"
