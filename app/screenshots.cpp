// Renders the program's windows to PNG files, as a person would see them, for
// review and for the README: the selector, the about window, the program's icon
// at the sizes a desktop shows it, then each built calculator window after a
// Calculate of a realistic core; a few more show the message line's advice, a
// failure, and the widest results (twelve significant digits and a sign).
//
// Every picture is made twice: in Chinese, and in English under OUTPUT_DIRECTORY/en.
//
// Usage: ferricalc-screenshots OUTPUT_DIRECTORY

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QDir>
#include <QDoubleSpinBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QAbstractItemView>
#include <QAction>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/application.hpp"
#include "app/selector_window.hpp"
#include "window/design_window.hpp"
#include "window/language.hpp"

namespace {

struct Example {
    int option;
    const char* letters;  // letter=text pairs typed into the fields
    const char* file;     // PNG name without extension
    bool widest = false;    // the results replaced by the widest texts they can have
    bool keyboard = false;  // Enter in the last field, and Enter again on 计算, instead of a click
    const char* standard = nullptr;  // a standard core chosen from the list instead of the letters
};

constexpr Example kExamples[] = {
    {0, "A=10 B=6 h=4", "ring"},
    {0, "A=10 B=abc h=4", "ring-failure"},
    {1, "A=59.2 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9", "uf"},
    {2, "A=40 B=20 C=10 E=14 F=22 r1=1 r2=1.5 r3=0.5", "uy"},
    {3, "A=50 B=25 C=16 D=12 E=20 F=32 Gd=1 H=2 X=3 Y=5 Z=2", "uyf"},
    {4, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rd=0.5 Rw=0.5 Rn=0.5", "ee"},
    {5, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5", "rm"},
    {6, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 R=0.5 Rw=0.5", "etd"},
    {7, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", "pot"},
    {8, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=5", "ep"},
    {9, "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10", "ui"},
    {10, "A=28 B=19 C=9.5 D=10.6 E=14.5 F=19 G=4.7", "ei"},
    {11, "A=34.2 B=25 C=9.8 D=9.6 E=12 F=17", "ed"},
    {0, "A=500 B=300 h=100", "ring-advice"},
    {6, "A=256 B=342 C=108 D=-108 E=180 F=173 R=-1 Rw=-1", "etd-advice"},
    {4, "A=17.5 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8", "ee-failure-advice"},
    {4, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8", "ee-widest", true},
    {7, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", "pot-widest", true},
    {0, "A=10 B=6 h=1e-30", "ring-longest"},
    {9, "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10", "ui-keyboard", false, true},
    {5, "", "rm8", false, false, "RM 8/I (Ferroxcube)"},
};

// Return pressed on the window's focus widget, as the keyboard sends it.
void pressReturn(QWidget& window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(window.focusWidget(), &press);
    QApplication::sendEvent(window.focusWidget(), &release);
}

// Twelve significant digits and a minus sign in every result.
void showWidestResults(ferricalc::CalculatorWindow& window)
{
    const ferricalc::CoreDescriptor& core = window.core();
    std::vector<std::string> utf8;
    for (const auto& field : core.fields) {
        const auto* text = window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(field.textNumber));
        utf8.push_back(text->text().toStdString());
    }
    ferricalc::Calculation widest =
        ferricalc::calculate(core, std::vector<std::string_view>(utf8.begin(), utf8.end()), ".");
    for (std::size_t q = 0; q < ferricalc::QuantityCount; ++q) {
        const ferricalc::DisplayFormat& format = core.results[q].format;
        widest.texts[q] = ferricalc::formatNumber(-123456789012.0 / std::pow(10.0, format.decimals), format, ".");
    }
    window.showCalculation(widest);
}

bool save(QWidget& window, const QString& path)
{
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The about window opens as a user opens it: UI chosen, a double-click on the notice line.
bool saveAboutWindow(ferricalc::SelectorWindow& selector, const QDir& out)
{
    selector.findChild<QRadioButton*>(QStringLiteral("Option1_9"))->setChecked(true);
    auto* notice = selector.findChild<QLabel*>(QStringLiteral("Label1"));
    const QPointF inside(10, 10);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, inside, notice->mapToGlobal(inside), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(notice, &doubleClick);
    ferricalc::AboutWindow* about = selector.aboutWindow();
    if (!about) {
        std::fprintf(stderr, "the about window did not open\n");
        return false;
    }
    return save(*about, out.filePath(QStringLiteral("about.png")));
}

// The window icon at the sizes of a title bar, a task bar and a switcher, side by side.
bool saveIcon(const QDir& out)
{
    constexpr int kSides[] = {16, 24, 32, 48, 64};
    QPixmap strip(16 + 24 + 32 + 48 + 64 + 6 * 8, 64 + 16);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    int left = 8;
    for (const int side : kSides) {
        painter.drawPixmap(left, 8 + 64 - side, QApplication::windowIcon().pixmap(side, side));
        left += side + 8;
    }
    painter.end();
    const QString path = out.filePath(QStringLiteral("icon.png"));
    if (!strip.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The design windows worth a look: an inductor with a gapped centre post, and
// the same core driven past saturation.
struct DesignExample {
    const char* core;  // the calculator window's example it opens from
    const char* file;
    double gap;        // mm
    double turns;
    double current;    // A
    const char* material = nullptr;  // chosen from the list; the table's first where null
};

constexpr DesignExample kDesignExamples[] = {
    {"etd", "design-etd", 0.5, 40, 2.0},
    {"ee", "design-ee", 0.2, 60, 0.85},
    // A catalogue core in a material its maker publishes AL for: the published points over the curve.
    {"rm8", "design-rm8", 0.2, 30, 0.5, "3C90"},
};

bool saveDesignWindows(ferricalc::CalculatorWindow& window, const char* example, const QDir& out)
{
    bool ok = true;
    for (const DesignExample& design : kDesignExamples) {
        if (qstrcmp(design.core, example) != 0)
            continue;
        window.findChild<QPushButton*>(QStringLiteral("designButton"))->click();
        ferricalc::DesignWindow* designWindow = window.designWindow();
        if (!designWindow) {
            std::fprintf(stderr, "the design window did not open\n");
            return false;
        }
        if (design.material != nullptr) {
            auto* material = designWindow->findChild<QComboBox*>(QStringLiteral("material"));
            const int index = material->findText(QString::fromUtf8(design.material), Qt::MatchStartsWith);
            material->setCurrentIndex(index);
            emit material->activated(index);
        }
        designWindow->findChild<QDoubleSpinBox*>(QStringLiteral("gap"))->setValue(design.gap);
        designWindow->findChild<QDoubleSpinBox*>(QStringLiteral("turns"))->setValue(design.turns);
        designWindow->findChild<QDoubleSpinBox*>(QStringLiteral("current"))->setValue(design.current);
        QApplication::processEvents();  // the layout follows the figures' new widths
        ok = save(*designWindow, out.filePath(QString::fromUtf8(design.file) + QStringLiteral(".png"))) && ok;
        // The losses' page: a buck inductor's triangular ripple at 100 kHz.
        auto* pages = designWindow->findChild<QTabBar*>(QStringLiteral("pages"));
        pages->setCurrentIndex(1);
        designWindow->findChild<QComboBox*>(QStringLiteral("waveform"))->setCurrentIndex(1);
        designWindow->findChild<QDoubleSpinBox*>(QStringLiteral("ripple"))->setValue(design.current * 0.3);
        QApplication::processEvents();
        ok = save(*designWindow, out.filePath(QString::fromUtf8(design.file) + QStringLiteral("-losses.png"))) && ok;
        pages->setCurrentIndex(0);
        if (qstrcmp(design.core, "etd") == 0) {
            // 磁芯选型 for the inductor as designed, all families, the material chosen.
            designWindow->findChild<QPushButton*>(QStringLiteral("adviseButton"))->click();
            QWidget* advisor = designWindow->findChild<QWidget*>(QStringLiteral("advisorWindow"));
            QApplication::processEvents();
            ok = advisor != nullptr && save(*advisor, out.filePath(QStringLiteral("advisor.png"))) && ok;
        }
        // At its least size, as on a small screen at 200 %.
        designWindow->resize(designWindow->minimumSize());
        QApplication::processEvents();
        ok = save(*designWindow, out.filePath(QString::fromUtf8(design.file) + QStringLiteral("-least.png"))) && ok;
        designWindow->close();
    }
    return ok;
}

// Keeping the fields as one of the user's cores: the name typed into the 标准型号
// box, then the box's list with the user's cores above the catalogue.
bool saveOwnCoreViews(ferricalc::CalculatorWindow& window, const QDir& out)
{
    auto* box = window.findChild<QComboBox*>(QStringLiteral("catalogComboBox"));
    window.findChild<QAction*>(QStringLiteral("saveOwnCore"))->trigger();
    box->lineEdit()->setText(ferricalc::currentLanguage() == ferricalc::Language::English ? QStringLiteral("My EE25")
                                                                                           : QStringLiteral("我的 EE25"));
    bool ok = save(window, out.filePath(QStringLiteral("ee-save-own.png")));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box->lineEdit(), &enter);
    ok = save(window, out.filePath(QStringLiteral("ee-saved-own.png"))) && ok;
    box->showPopup();
    QApplication::processEvents();
    ok = save(*box->view()->window(), out.filePath(QStringLiteral("ee-own-list.png"))) && ok;
    box->hidePopup();
    return ok;
}

}  // namespace

// Every window of the program into `out`, in the language chosen now.
bool saveEveryWindow(const QDir& out)
{
    if (!QDir().mkpath(out.path()))
        return false;
    // Nothing remembered from an earlier run: every picture starts as a first run does.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ferricalc"), QStringLiteral("ferricalc"))
        .clear();

    ferricalc::SelectorWindow selector;
    selector.show();
    bool ok = save(selector, out.filePath(QStringLiteral("selector.png")));
    ok = saveAboutWindow(selector, out) && ok;
    ok = saveIcon(out) && ok;

    for (const Example& example : kExamples) {
        selector.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(example.option))->setChecked(true);
        selector.confirm();
        ferricalc::CalculatorWindow* window = selector.calculatorWindow();
        if (!window)
            continue;
        if (example.standard != nullptr) {
            auto* list = window->findChild<QComboBox*>(QStringLiteral("catalogComboBox"));
            const int index = list != nullptr ? list->findText(QString::fromUtf8(example.standard)) : -1;
            if (index < 0) {
                std::fprintf(stderr, "no standard core %s\n", example.standard);
                ok = false;
                continue;
            }
            list->setCurrentIndex(index);
            emit list->activated(index);
        }
        for (const QString& pair : QString::fromUtf8(example.letters).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString letter = pair.section(QLatin1Char('='), 0, 0);
            for (std::size_t i = 0; i < window->core().fields.size(); ++i) {
                const auto& field = window->core().fields[i];
                if (QString::fromUtf8(field.letter.data(), static_cast<qsizetype>(field.letter.size())) == letter)
                    window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(field.textNumber))
                        ->setText(pair.section(QLatin1Char('='), 1));
            }
        }
        if (example.keyboard) {
            window->activateWindow();
            QApplication::processEvents();
            const auto& last = window->core().fields.back();
            window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(last.textNumber))->setFocus();
            pressReturn(*window);  // on to 计算, which shows its focus frame
            pressReturn(*window);  // 计算 pressed
        } else {
            window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        }
        if (example.widest)
            showWidestResults(*window);
        ok = save(*window, out.filePath(QString::fromUtf8(example.file) + QStringLiteral(".png"))) && ok;
        ok = saveDesignWindows(*window, example.file, out) && ok;
        if (qstrcmp(example.file, "ee") == 0)
            ok = saveOwnCoreViews(*window, out) && ok;
        window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return ok;
}

int main(int argc, char* argv[])
{
    // The user's cores and settings of these pictures stay apart from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ferricalc::configureApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ferricalc-screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    // The windows as they start, in Chinese, and again in English under en/.
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = saveEveryWindow(out);
    ok = ferricalc::setLanguage(ferricalc::Language::English) && ok;
    ok = saveEveryWindow(QDir(out.filePath(QStringLiteral("en")))) && ok;
    return ok ? 0 : 1;
}
