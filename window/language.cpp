#include "window/language.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTranslator>
#include <QWidget>

#include "cores/english_texts.hpp"
#include "window/look.hpp"

namespace ferricalc {

namespace {

Language g_language = Language::Chinese;

// Made when English is first chosen: a Chinese start reads no translation.
QTranslator* englishTranslator()
{
    static QTranslator* translator = [] {
        auto* loaded = new QTranslator(QCoreApplication::instance());
        if (!loaded->load(QStringLiteral(":/i18n/ferricalc_en.qm"))) {
            delete loaded;
            return static_cast<QTranslator*>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

// The toolkit's default font in the language now chosen, for every control
// that was given none of its own.
void applyDefaultFont()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        look::applyDefaultFont(*app);
}

}  // namespace

Language currentLanguage() { return g_language; }

bool setLanguage(Language language)
{
    if (language == g_language)
        return true;
    if (language == Language::English) {
        QTranslator* translator = englishTranslator();
        if (translator == nullptr)
            return false;
        g_language = language;  // before the change's events reach the windows
        applyDefaultFont();
        QCoreApplication::installTranslator(translator);
        return true;
    }
    g_language = language;
    applyDefaultFont();
    QCoreApplication::removeTranslator(englishTranslator());
    return true;
}

QString languageName(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> languageFromName(const QString& name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("en") || lower == QLatin1String("english"))
        return Language::English;
    if (lower == QLatin1String("zh") || lower == QLatin1String("chinese") || lower == QLatin1String("zh_cn"))
        return Language::Chinese;
    return std::nullopt;
}

QString descriptorText(std::string_view chinese)
{
    const std::string_view shown = g_language == Language::English ? inEnglish(chinese) : chinese;
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

TextSetters::TextSetters(QWidget& window) : QObject(&window) {}

void TextSetters::keep(std::function<void()> set)
{
    set();
    m_setters.push_back(std::move(set));
}

// QWidget passes LanguageChange on to its children, this one among them.
bool TextSetters::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        look::matchFontsToLanguage(*static_cast<QWidget*>(parent()));
        for (const auto& set : m_setters)
            set();
    }
    return QObject::event(event);
}

}  // namespace ferricalc
