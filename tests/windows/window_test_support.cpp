#include "window_test_support.hpp"

#include "store/settings.hpp"
#include "store/user_cores.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace ferricalc::testing_support {

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_sawModal = true;
            modal->close();
        }
    });
    m_timer.start();
}

namespace {

// Before anything reads a setting, so that no test sees or writes the user's.
const bool kTestLocations = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

}  // namespace

FreshUserData::FreshUserData()
{
    QStandardPaths::setTestModeEnabled(kTestLocations);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, u"ferricalc"_s, u"ferricalc"_s).clear();
    QDir(QFileInfo(store::UserCoreLibrary::defaultPath()).absolutePath()).removeRecursively();
}

WindowSession::WindowSession() : selector(std::make_unique<SelectorWindow>())
{
    selector->show();
    activate(*selector);
}

WindowSession::~WindowSession()
{
    selector.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CalculatorWindow* WindowSession::open(int index)
{
    option(*selector, index)->setChecked(true);
    QTest::mouseClick(button(*selector, 1), Qt::LeftButton);
    CalculatorWindow* window = selector->calculatorWindow();
    if (window)
        activate(*window);
    return window;
}

bool activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QLineEdit* field(QWidget& window, int textNumber)
{
    return window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(textNumber));
}

QLabel* label(QWidget& window, int labelNumber)
{
    return window.findChild<QLabel*>(QStringLiteral("Label%1").arg(labelNumber));
}

QPushButton* button(QWidget& window, int commandNumber)
{
    return window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(commandNumber));
}

QRadioButton* option(SelectorWindow& selector, int index)
{
    return selector.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(index));
}

void type(QWidget& window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window.windowHandle(), c.toLatin1());
}

void pressEnter(QWidget& window, Qt::KeyboardModifiers modifiers)
{
    const Qt::Key key = modifiers.testFlag(Qt::KeypadModifier) ? Qt::Key_Enter : Qt::Key_Return;
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

void checkEnterStep(CalculatorWindow& window, int from, const QString& to, bool emptied)
{
    for (const FieldSpec& entry : window.core().fields)
        field(window, entry.textNumber)->setText(QStringLiteral("7"));
    field(window, from)->setFocus();
    pressEnter(window);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    for (const FieldSpec& entry : window.core().fields) {
        QLineEdit* text = field(window, entry.textNumber);
        const bool isNext = text->objectName() == to;
        QCOMPARE(text->text(), isNext && emptied ? QString() : QStringLiteral("7"));
    }
}

void checkEnterStep(int index, int from, const QString& to, bool emptied)
{
    WindowSession session;
    CalculatorWindow* window = session.open(index);
    QVERIFY(window);
    checkEnterStep(*window, from, to, emptied);
}

void checkMessageLine(CalculatorWindow& window, const QString& message)
{
    QStringList shown;
    for (const QString& name : {QStringLiteral("messageLine"), QStringLiteral("advisoryLine")}) {
        auto* line = window.findChild<QLabel*>(name);
        QVERIFY(line);
        if (!line->isVisible())
            continue;
        shown << line->text();
        QVERIFY(window.rect().contains(line->geometry()));
        QVERIFY2(line->heightForWidth(line->width()) <= line->height(), qPrintable(name + u" is cut off"_s));
        for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != line && other->isVisible())
                QVERIFY2(!line->geometry().intersects(other->geometry()), qPrintable(other->objectName()));
    }
    QCOMPARE(shown.join(QLatin1Char('\n')), message);
}

void checkResultsShownWhole(CalculatorWindow& window)
{
    checkMessageLine(window, QString());
    for (const ResultSpec& result : window.core().results) {
        QLabel* value = label(window, result.valueNumber);
        QVERIFY2(value->width() >= value->sizeHint().width(), qPrintable(value->text()));
        QVERIFY(window.rect().contains(value->geometry()));
        for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != value && other->isVisible())
                QVERIFY2(!value->geometry().intersects(other->geometry()),
                         qPrintable(value->text() + u" covers "_s + other->objectName()));
    }
}

QString advice(const char* utf8)
{
    static const QRegularExpression quantity(QStringLiteral("(Le|Ae|Ve) = (\\S+) (mm)"));
    return QString::fromUtf8(utf8).replace(quantity, QStringLiteral("\\1\u00A0=\u00A0\\2\u00A0\\3"));
}

void fill(CalculatorWindow& window, const QString& letters)
{
    for (const QString& pair : letters.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString letter = pair.section(QLatin1Char('='), 0, 0);
        bool found = false;
        for (const FieldSpec& entry : window.core().fields) {
            if (QString::fromUtf8(entry.letter.data(), static_cast<qsizetype>(entry.letter.size())) == letter) {
                field(window, entry.textNumber)->setText(pair.section(QLatin1Char('='), 1));
                found = true;
            }
        }
        if (!found)
            qWarning("no field %s", qPrintable(letter));
    }
}

QString results(CalculatorWindow& window)
{
    QStringList texts;
    for (const ResultSpec& result : window.core().results)
        texts << label(window, result.valueNumber)->text();
    return texts.join(QLatin1Char(' '));
}

}  // namespace ferricalc::testing_support
