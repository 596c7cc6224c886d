#pragma once
// What the program remembers between runs, through QSettings in the user's
// configuration directory (~/.config/ferricalc/ferricalc.conf): where each
// window was, the family last chosen in the selector, the folder of the last
// design file, and per family the fields of the last successful Calculate and
// the design window's last inputs; and, in a file of its own, the windows' language. A settings
// file that cannot be written loses only these conveniences; QSettings never
// throws.

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace ferricalc::store {

class Settings {
public:
    Settings();

    // QWidget::saveGeometry()'s bytes under the window's object name; empty when none kept.
    QByteArray windowGeometry(const QString& window) const;
    void setWindowGeometry(const QString& window, const QByteArray& geometry);

    // The command line's name of the family last opened ("etd"); empty when none.
    QString lastFamily() const;
    void setLastFamily(const QString& family);

    // The fields' texts (a point as decimal separator) of the family's last
    // successful Calculate; empty when there was none.
    QStringList lastCalculated(const QString& family) const;
    void setLastCalculated(const QString& family, const QStringList& texts);

    // The folder of the design file last saved or opened; empty when none.
    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // The design window's inputs when it last closed on a core of the family,
    // as a design file's bytes (store/design_file.hpp); empty when none.
    QByteArray lastDesign(const QString& family) const;
    void setLastDesign(const QString& family, const QByteArray& designFile);

    // The windows' language chosen in the about window ("en", "zh"); empty when
    // never chosen. It is read before the selector's first frame, so it keeps a
    // file of its own (language.conf beside the settings): the settings proper
    // grow with every design remembered, and a start in Chinese finds no file.
    static QString language();
    static void setLanguage(const QString& language);

    // Whether the settings could be written the last time (QSettings::status()).
    bool writable();

private:
    QSettings m_settings;
};

}  // namespace ferricalc::store
