#include "store/user_cores.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "cores/registry.hpp"

namespace ferricalc::store {

namespace {

// The core type of that command-line name, when this build has it.
const CoreDescriptor* builtCore(std::string_view name)
{
    const CoreDescriptor* core = findCoreType(name);
    return core != nullptr && core->available() ? core : nullptr;
}

const QString kFormat = QStringLiteral("ferricalc-cores");
constexpr int kVersion = 1;
// Another copy of the program holds the lock only while it reads and writes one small file.
constexpr int kLockWaitMs = 5000;

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool chinese(Language language) { return language == Language::Chinese; }

struct Parsed {
    QList<UserCore> cores;
    QString problem;   // why the file is not ours to write over; empty when it is
    int skipped = 0;   // entries that could not be read
};

const CoreDescriptor* familyNamed(const QString& family) { return builtCore(family.toStdString()); }

Parsed parse(const QByteArray& bytes, Language language)
{
    Parsed parsed;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        parsed.problem = chinese(language) ? QStringLiteral("不是完整的 JSON：%1").arg(error.errorString())
                                           : QStringLiteral("not whole JSON: %1").arg(error.errorString());
        return parsed;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != kFormat) {
        parsed.problem = chinese(language) ? QStringLiteral("不是 ferricalc 的自定义型号文件")
                                           : QStringLiteral("not a ferricalc core library");
        return parsed;
    }
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > kVersion || version < 1) {
        parsed.problem = chinese(language) ? QStringLiteral("格式版本 %1，本程序只读版本 %2").arg(version).arg(kVersion)
                                           : QStringLiteral("format version %1; this program reads %2")
                                                 .arg(version)
                                                 .arg(kVersion);
        return parsed;
    }
    for (const QJsonValue entry : root.value(QStringLiteral("cores")).toArray()) {
        const QJsonObject object = entry.toObject();
        UserCore core{object.value(QStringLiteral("name")).toString().trimmed(),
                      object.value(QStringLiteral("core")).toString(), {}};
        const CoreDescriptor* descriptor = familyNamed(core.family);
        const QJsonObject fields = object.value(QStringLiteral("fields")).toObject();
        bool whole = descriptor != nullptr && !core.name.isEmpty();
        if (descriptor != nullptr)
            for (const FieldSpec& field : descriptor->fields) {
                const QJsonValue text = fields.value(utf8(field.letter));
                whole = whole && text.isString();
                core.texts << text.toString();
            }
        const bool duplicate = std::any_of(parsed.cores.begin(), parsed.cores.end(),
                                           [&](const UserCore& other) { return other.name == core.name; });
        if (whole && !duplicate)
            parsed.cores << core;
        else
            ++parsed.skipped;
    }
    return parsed;
}

QByteArray serialise(const QList<UserCore>& cores)
{
    QJsonArray entries;
    for (const UserCore& core : cores) {
        const CoreDescriptor* descriptor = familyNamed(core.family);
        QJsonObject fields;
        for (qsizetype i = 0; descriptor != nullptr && i < core.texts.size(); ++i)
            fields.insert(utf8(descriptor->fields[static_cast<std::size_t>(i)].letter), core.texts[i]);
        entries.append(QJsonObject{{QStringLiteral("name"), core.name},
                                   {QStringLiteral("core"), core.family},
                                   {QStringLiteral("fields"), fields}});
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("cores"), entries}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// cores.json.bad-20250101-120000, with a count after it should that be taken.
QString asideName(const QString& path)
{
    const QString stem = path + QStringLiteral(".bad-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n);
    return name;
}

// The reason and the path in one line, as the system gave them.
QString failure(Language language, const char* chineseWhat, const char* englishWhat, const QString& detail)
{
    return (chinese(language) ? QString::fromUtf8(chineseWhat) : QString::fromUtf8(englishWhat)) + detail;
}

bool write(const QString& path, const QList<UserCore>& cores, QString& error, Language language)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = failure(language, "自定义型号无法保存：", "the core library cannot be written: ",
                        path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    file.write(serialise(cores));
    if (!file.commit()) {  // a full disk shows here; the old file stays
        error = failure(language, "自定义型号无法保存：", "the core library cannot be written: ",
                        path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

QString reasonOf(const Parsed& parsed, Language language)
{
    if (!parsed.problem.isEmpty())
        return parsed.problem;
    return chinese(language) ? QStringLiteral("%1 个型号无法读取").arg(parsed.skipped)
                             : QStringLiteral("%1 entries unreadable").arg(parsed.skipped);
}

QString leftAlone(const QString& path, const Parsed& parsed, Language language)
{
    const QString file = QDir::toNativeSeparators(path);
    return chinese(language)
               ? QStringLiteral("自定义型号文件 %1 无法读取（%2），也无法另存；不会覆盖它。").arg(file, reasonOf(parsed, language))
               : QStringLiteral("the core library %1 cannot be read (%2) nor set aside; it will not be written over")
                     .arg(file, reasonOf(parsed, language));
}

// A file not read whole is kept beside under a name of its own: moved when
// nothing of it could be read, copied when some cores could (they are then
// written back alone). Returns the line for the user; `kept` says whether the
// file is safe to write over now.
QString setAside(const QString& path, const Parsed& parsed, bool& kept, Language language)
{
    const QString aside = asideName(path);
    kept = !parsed.problem.isEmpty() ? QFile::rename(path, aside) : QFile::copy(path, aside);
    if (!kept)
        return leftAlone(path, parsed, language);
    const QString file = QDir::toNativeSeparators(path);
    return chinese(language) ? QStringLiteral("自定义型号文件 %1 无法完整读取（%2），原文件已另存为 %3。")
                                   .arg(file, reasonOf(parsed, language), QDir::toNativeSeparators(aside))
                             : QStringLiteral("the core library %1 could not be read whole (%2); kept as %3")
                                   .arg(file, reasonOf(parsed, language), QDir::toNativeSeparators(aside));
}

struct Loaded {
    QList<UserCore> cores;
    QString notice;
    bool writable = true;  // the file on disk may be written over
};

// The library on disk, any unreadable file set aside. The caller holds the
// lock, or `locked` is false and a file to set aside is locked for here.
Loaded load(const QString& path, Language language, bool locked)
{
    Loaded loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.writable = false;
        loaded.notice = failure(language, "自定义型号文件无法打开：", "the core library cannot be opened: ",
                                path + QStringLiteral(": ") + file.errorString());
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    Parsed parsed = parse(bytes, language);
    loaded.cores = parsed.cores;
    if (parsed.problem.isEmpty() && parsed.skipped == 0)
        return loaded;

    QLockFile lock(path + QStringLiteral(".lock"));
    if (!locked && !lock.tryLock(kLockWaitMs)) {
        loaded.writable = false;
        loaded.notice = leftAlone(path, parsed, language);
        return loaded;
    }
    if (!locked) {
        // Another copy may have mended the file meanwhile.
        if (file.open(QIODevice::ReadOnly) && file.readAll() != bytes) {
            file.close();
            return load(path, language, true);
        }
        file.close();
    }
    loaded.notice = setAside(path, parsed, loaded.writable, language);
    if (loaded.writable && parsed.problem.isEmpty()) {
        QString error;
        write(path, parsed.cores, error, language);  // the readable cores alone; the copy holds the rest
    }
    return loaded;
}

}  // namespace

UserCoreLibrary::UserCoreLibrary(QString path, Language language) : m_path(std::move(path)), m_language(language) {}

QString UserCoreLibrary::defaultPath()
{
    // AppDataLocation for an application named "ferricalc", whichever front end
    // asks and whether or not it has named itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/ferricalc/cores.json");
}

LibraryRead UserCoreLibrary::read() const
{
    Loaded loaded = load(m_path, m_language, false);
    return {loaded.cores, loaded.notice};
}

template <typename Change>
ChangeResult UserCoreLibrary::change(Change&& apply) const
{
    const QString directory = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(directory))
        return failure(m_language, "自定义型号无法保存：无法建立目录 ",
                       "the core library cannot be written: cannot make the directory ", directory);
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        const bool busy = lock.error() == QLockFile::LockFailedError;
        return busy ? failure(m_language, "自定义型号正被另一个程序修改，请稍后再试：",
                              "the core library is being changed by another program; try again: ", m_path)
                    : failure(m_language, "自定义型号无法保存：目录不可写 ",
                              "the core library cannot be written: the directory is not writable: ", directory);
    }
    Loaded loaded = load(m_path, m_language, true);
    if (!loaded.writable)
        return loaded.notice;
    QList<UserCore> cores = loaded.cores;
    if (ChangeResult refused = apply(cores); !refused.isEmpty())
        return refused;
    QString error;
    write(m_path, cores, error, m_language);
    return error;
}

ChangeResult UserCoreLibrary::save(const UserCore& core) const
{
    UserCore saved = core;
    saved.name = saved.name.trimmed();
    const CoreDescriptor* descriptor = familyNamed(saved.family);
    if (saved.name.isEmpty())
        return chinese(m_language) ? QStringLiteral("型号名称不能为空") : QStringLiteral("the name is empty");
    if (descriptor == nullptr || static_cast<std::size_t>(saved.texts.size()) != descriptor->fields.size())
        return chinese(m_language) ? QStringLiteral("磁芯类型或尺寸不全") : QStringLiteral("no such core, or not every field");
    return change([&](QList<UserCore>& cores) {
        const auto same = std::find_if(cores.begin(), cores.end(),
                                       [&](const UserCore& other) { return other.name == saved.name; });
        if (same != cores.end())
            *same = saved;
        else
            cores << saved;
        return ChangeResult();
    });
}

ChangeResult UserCoreLibrary::rename(const QString& from, const QString& to) const
{
    const QString name = to.trimmed();
    if (name.isEmpty())
        return chinese(m_language) ? QStringLiteral("型号名称不能为空") : QStringLiteral("the name is empty");
    return change([&](QList<UserCore>& cores) {
        const auto named = [&cores](const QString& wanted) {
            return std::find_if(cores.begin(), cores.end(), [&](const UserCore& c) { return c.name == wanted; });
        };
        const auto found = named(from);
        if (found == cores.end())
            return chinese(m_language) ? QStringLiteral("没有名为 %1 的自定义型号").arg(from)
                                       : QStringLiteral("no core named '%1' in the library").arg(from);
        if (name != from && named(name) != cores.end())
            return chinese(m_language) ? QStringLiteral("已有名为 %1 的自定义型号").arg(name)
                                       : QStringLiteral("the library already has a core named '%1'").arg(name);
        found->name = name;
        return ChangeResult();
    });
}

ChangeResult UserCoreLibrary::remove(const QString& name) const
{
    return change([&](QList<UserCore>& cores) {
        const auto before = cores.size();
        cores.removeIf([&](const UserCore& c) { return c.name == name; });
        if (cores.size() == before)
            return chinese(m_language) ? QStringLiteral("没有名为 %1 的自定义型号").arg(name)
                                       : QStringLiteral("no core named '%1' in the library").arg(name);
        return ChangeResult();
    });
}

QList<UserCore> coresOfFamily(const QList<UserCore>& cores, const QString& family)
{
    QList<UserCore> ofFamily;
    for (const UserCore& core : cores)
        if (core.family == family)
            ofFamily << core;
    return ofFamily;
}

}  // namespace ferricalc::store
