#pragma once
// The user's own cores (自定义型号): a name, the core family and the texts of
// its fields, kept in one JSON file in the user's data directory
// (~/.local/share/ferricalc/cores.json), which the windows and ferricalc-cli
// share.
//
// The file is the user's work, so it is guarded as such:
// - every write goes to a temporary file renamed over the old one (QSaveFile),
//   so a crash or a kill leaves the old library or the new one, never half;
// - each change takes a lock (QLockFile), reads the file again and writes it
//   with the one change applied, so two running copies keep each other's saves;
// - a file that cannot be read whole (corrupt, truncated, someone else's, from
//   a later version) is never written over: it is kept beside as
//   cores.json.bad-DATE, the user is told in one line, and the program goes on
//   with the cores it could read;
// - a directory that cannot be written, or a full disk, is an error message;
//   the library on disk stays as it was.

#include <QList>
#include <QString>
#include <QStringList>

#include "calc/calculation.hpp"

namespace ferricalc::store {

struct UserCore {
    QString name;        // unique in the library, whatever the family
    QString family;      // the core's command-line name: "etd"
    QStringList texts;   // the fields' texts in the descriptor's order, a point as decimal separator
};

// The library as read: its cores in the order saved, and one line for the user
// when the file could not be read whole (empty when it could).
struct LibraryRead {
    QList<UserCore> cores;
    QString notice;
};

// What a change came to: empty when it was made, else why not, one line.
using ChangeResult = QString;

class UserCoreLibrary {
public:
    // The library at `path`; by default the one in the user's data directory.
    explicit UserCoreLibrary(QString path = defaultPath(), Language language = Language::Chinese);

    static QString defaultPath();
    const QString& path() const { return m_path; }

    // Reads the file; an unreadable one is set aside first (see above).
    LibraryRead read() const;

    // Adds `core`, or replaces the one of the same name.
    ChangeResult save(const UserCore& core) const;
    ChangeResult rename(const QString& from, const QString& to) const;
    ChangeResult remove(const QString& name) const;

private:
    template <typename Change>
    ChangeResult change(Change&& apply) const;

    QString m_path;
    Language m_language;
};

// The cores of one family in `cores`.
QList<UserCore> coresOfFamily(const QList<UserCore>& cores, const QString& family);

}  // namespace ferricalc::store
