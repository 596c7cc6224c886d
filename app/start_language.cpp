#include "app/start_language.hpp"

#include "store/settings.hpp"
#include "window/language.hpp"

namespace ferricalc {

void applyStartLanguage(const QStringList& arguments)
{
    std::optional<Language> chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            chosen = languageFromName(arguments[i + 1]);
        else if (argument.startsWith(QLatin1String("--lang=")))
            chosen = languageFromName(argument.mid(7));
    }
    if (!chosen)
        chosen = languageFromName(store::Settings::language());
    if (chosen)
        setLanguage(*chosen);
}

}  // namespace ferricalc
