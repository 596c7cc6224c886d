#pragma once
// The language the windows speak. Chinese is the windows' own: their texts are
// written in it and need nothing loaded. English comes from Qt's translation of
// those texts (translations/ferricalc_en.ts, compiled in as :/i18n/ferricalc_en.qm)
// and, for the texts the core types carry as data, from cores/english_texts.hpp.
//
// setLanguage() installs or removes the translator; Qt then sends every window
// QEvent::LanguageChange, and each window sets its texts again in place (a
// TextSetters child runs the setters it was given; the window itself writes
// again what it had computed, a Calculate's messages and the like).

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/calculation.hpp"

class QWidget;

namespace ferricalc {

// The language chosen now; Chinese until setLanguage() says otherwise.
Language currentLanguage();

// Makes `language` the windows' language, at once in every open window. False
// when the English translation could not be loaded (the windows stay Chinese).
bool setLanguage(Language language);

// "en" or "zh", the command line's and the settings' name of a language, and
// back; a name that is neither gives no language.
QString languageName(Language language);
std::optional<Language> languageFromName(const QString& name);

// A text the core types carry as data (a caption, a field's meaning, a note) in
// the current language.
QString descriptorText(std::string_view chinese);

// Setters of a window's texts, run once when given and again whenever the
// language changes. A child of the window, so it goes with it.
class TextSetters : public QObject {
public:
    explicit TextSetters(QWidget& window);
    void keep(std::function<void()> set);

protected:
    bool event(QEvent* event) override;

private:
    std::vector<std::function<void()>> m_setters;
};

}  // namespace ferricalc
