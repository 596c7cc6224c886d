#include "store/design_file.hpp"

#include <QJsonDocument>
#include <QJsonObject>

#include "cores/registry.hpp"

namespace ferricalc::store {

namespace {

// The core type of that command-line name, when this build has it.
const CoreDescriptor* builtCore(std::string_view name)
{
    const CoreDescriptor* core = findCoreType(name);
    return core != nullptr && core->available() ? core : nullptr;
}

constexpr std::string_view kFormat = "ferricalc-design";
constexpr int kVersion = 1;
constexpr std::string_view kDensity = "density";

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A text as saved; a number written by hand or by another program reads as its shortest decimal.
bool textOf(const QJsonValue& value, std::string& text)
{
    if (value.isString()) {
        text = value.toString().toStdString();
        return true;
    }
    if (value.isDouble()) {
        text = QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest).toStdString();
        return true;
    }
    return value.isNull() || value.isUndefined();
}

// Reads the texts of `object` named in `names` into `texts`; every other name is ignored and listed.
template <std::size_t N>
void readTexts(const QJsonObject& object, std::string_view section, const std::array<std::string_view, N>& names,
               const std::array<std::string*, N>& texts, std::vector<std::string>& ignored)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        std::size_t i = 0;
        while (i < N && names[i] != key)
            ++i;
        if (i == N || !textOf(it.value(), *texts[i]))
            ignored.push_back(std::string(section) + "." + key);
    }
}

}  // namespace

DesignTexts DesignFile::designTexts() const
{
    DesignTexts texts{};
    for (std::size_t i = 0; i < design.size(); ++i)
        texts[i] = design[i];
    return texts;
}

QByteArray writeDesignFile(const DesignFile& file)
{
    QJsonObject dimensions;
    if (const CoreDescriptor* core = builtCore(file.core))
        for (std::size_t i = 0; i < core->fields.size() && i < file.fieldTexts.size(); ++i)
            dimensions.insert(qt(core->fields[i].letter), qt(file.fieldTexts[i]));
    QJsonObject design;
    QJsonObject losses;
    for (std::size_t i = 0; i < file.design.size(); ++i)
        if (!file.design[i].empty())
            (i < kFirstLossOption ? design : losses).insert(qt(kDesignOptions[i].column), qt(file.design[i]));
    if (!file.density.empty())
        design.insert(qt(kDensity), qt(file.density));
    const QJsonObject root{{QStringLiteral("format"), qt(kFormat)}, {QStringLiteral("version"), kVersion},
                           {QStringLiteral("core"), qt(file.core)},  {QStringLiteral("dimensions"), dimensions},
                           {QStringLiteral("design"), design},       {QStringLiteral("losses"), losses}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

DesignFileRead readDesignFile(const QByteArray& bytes, Language language)
{
    const bool zh = language == Language::Chinese;
    DesignFileRead read;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        read.problem = (zh ? "不是设计文件（JSON 不完整：" : "not a design file (not whole JSON: ")
                       + error.errorString().toStdString() + (zh ? "）" : ")");
        return read;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != qt(kFormat)) {
        read.problem = zh ? "不是 ferricalc 的设计文件" : "not a ferricalc design file";
        return read;
    }
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > kVersion)
        read.ignored.push_back("anything new in format version " + std::to_string(version));

    DesignFile& file = read.file;
    file.core = root.value(QStringLiteral("core")).toString().toStdString();
    const CoreDescriptor* core = builtCore(file.core);
    if (core == nullptr) {
        read.problem = zh ? "设计文件中的磁芯类型“" + file.core + "”本程序没有"
                          : "the design file names no core this program has ('" + file.core + "')";
        return read;
    }
    for (const FieldSpec& field : core->fields)
        file.fieldTexts.emplace_back(field.start == StartText::Zero ? "0" : "");
    const QJsonObject dimensions = root.value(QStringLiteral("dimensions")).toObject();
    for (auto it = dimensions.begin(); it != dimensions.end(); ++it) {
        const std::string letter = it.key().toStdString();
        std::size_t i = 0;
        while (i < core->fields.size() && core->fields[i].letter != letter)
            ++i;
        if (i == core->fields.size() || !textOf(it.value(), file.fieldTexts[i]))
            read.ignored.push_back("dimensions." + letter);
    }

    std::array<std::string_view, kFirstLossOption + 1> designNames{};
    std::array<std::string*, kFirstLossOption + 1> designTexts{};
    for (std::size_t i = 0; i < kFirstLossOption; ++i) {
        designNames[i] = kDesignOptions[i].column;
        designTexts[i] = &file.design[i];
    }
    designNames.back() = kDensity;
    designTexts.back() = &file.density;
    readTexts(root.value(QStringLiteral("design")).toObject(), "design", designNames, designTexts, read.ignored);

    constexpr std::size_t kLossCount = DesignOptionCount - kFirstLossOption;
    std::array<std::string_view, kLossCount> lossNames{};
    std::array<std::string*, kLossCount> lossTexts{};
    for (std::size_t i = 0; i < kLossCount; ++i) {
        lossNames[i] = kDesignOptions[kFirstLossOption + i].column;
        lossTexts[i] = &file.design[kFirstLossOption + i];
    }
    readTexts(root.value(QStringLiteral("losses")).toObject(), "losses", lossNames, lossTexts, read.ignored);

    for (auto it = root.begin(); it != root.end(); ++it) {
        static const QStringList kKnown{QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("core"),
                                        QStringLiteral("dimensions"), QStringLiteral("design"), QStringLiteral("losses")};
        if (!kKnown.contains(it.key()))
            read.ignored.push_back(it.key().toStdString());
    }
    return read;
}

std::string ignoredLine(const DesignFileRead& read)
{
    if (read.ignored.empty())
        return {};
    std::string line = "ignored what this version does not know: ";
    for (std::size_t i = 0; i < read.ignored.size(); ++i)
        line.append(i > 0 ? ", " : "").append(read.ignored[i]);
    return line;
}

}  // namespace ferricalc::store
