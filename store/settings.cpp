#include "store/settings.hpp"

#include <QFileInfo>
#include <QStandardPaths>

namespace ferricalc::store {

Settings::Settings() : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ferricalc"),
                                  QStringLiteral("ferricalc"))
{
}

QByteArray Settings::windowGeometry(const QString& window) const
{
    return m_settings.value(QStringLiteral("geometry/") + window).toByteArray();
}

void Settings::setWindowGeometry(const QString& window, const QByteArray& geometry)
{
    m_settings.setValue(QStringLiteral("geometry/") + window, geometry);
}

QString Settings::lastFamily() const { return m_settings.value(QStringLiteral("selector/lastFamily")).toString(); }

void Settings::setLastFamily(const QString& family)
{
    m_settings.setValue(QStringLiteral("selector/lastFamily"), family);
}

QStringList Settings::lastCalculated(const QString& family) const
{
    return m_settings.value(QStringLiteral("lastCalculated/") + family).toStringList();
}

void Settings::setLastCalculated(const QString& family, const QStringList& texts)
{
    m_settings.setValue(QStringLiteral("lastCalculated/") + family, texts);
}

QString Settings::lastFolder() const { return m_settings.value(QStringLiteral("designFiles/lastFolder")).toString(); }

void Settings::setLastFolder(const QString& folder)
{
    m_settings.setValue(QStringLiteral("designFiles/lastFolder"), folder);
}

QByteArray Settings::lastDesign(const QString& family) const
{
    return m_settings.value(QStringLiteral("lastDesign/") + family).toByteArray();
}

void Settings::setLastDesign(const QString& family, const QByteArray& designFile)
{
    m_settings.setValue(QStringLiteral("lastDesign/") + family, designFile);
}

namespace {

QString languageFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/ferricalc/language.conf");
}

}  // namespace

QString Settings::language()
{
    const QString file = languageFile();
    if (!QFileInfo::exists(file))
        return {};
    return QSettings(file, QSettings::IniFormat).value(QStringLiteral("windows/language")).toString();
}

void Settings::setLanguage(const QString& language)
{
    QSettings(languageFile(), QSettings::IniFormat).setValue(QStringLiteral("windows/language"), language);
}

bool Settings::writable()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

}  // namespace ferricalc::store
