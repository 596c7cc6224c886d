// Writes the web page's data from the tables the windows and the command line
// are built from: each core's descriptor (captions, fields and their letters,
// meanings in Chinese and English, start texts, the Enter chain, the conversion
// order, the result formats, the windows' object names, the drawing) and its
// standard cores with their data sheets; the materials the magnetic design
// offers. A change to a core's module shows in the page with the next build.
//
//   ferricalc-web-data OUTPUT.js
//
// The output is a script that sets FERRICALC_DATA (and exports it under
// Node.js), so that the page reads it from a file:// address too.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/catalog_texts.hpp"
#include "calc/design_request.hpp"
#include "cores/catalog.hpp"
#include "cores/english_texts.hpp"
#include "cores/registry.hpp"

namespace {

using namespace ferricalc;

class Json {
public:
    std::string text;

    Json& raw(std::string_view part)
    {
        text += part;
        return *this;
    }

    Json& string(std::string_view value)
    {
        text += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                text += '\\';
                text += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                text += escape;
            } else {
                text += c;
            }
        }
        text += '"';
        return *this;
    }

    Json& number(double value)
    {
        char digits[64];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
        return *this;
    }

    Json& number(int value) { return raw(std::to_string(value)); }

    Json& key(std::string_view name)
    {
        if (!text.empty() && text.back() != '{' && text.back() != '[')
            text += ',';
        return string(name).raw(":");
    }

    Json& item()
    {
        if (!text.empty() && text.back() != '{' && text.back() != '[')
            text += ',';
        return *this;
    }
};

std::string objectName(const char* kind, int number) { return kind + std::to_string(number); }

// ":/drawings/ring.svg" is drawings/ring.svg beside the page.
std::string_view drawingFile(std::string_view resource)
{
    return resource.starts_with(":/") ? resource.substr(2) : resource;
}

void writeCatalogue(Json& json, const CoreDescriptor& core)
{
    json.key("catalogue").raw("[");
    for (const StandardCore& standard : standardCores(core)) {
        json.item().raw("{").key("name").string(standard.name).key("texts").raw("[");
        for (const std::string_view text : standard.texts)
            json.item().string(text);
        json.raw("]").key("datasheet").raw("{");
        for (const Quantity quantity : {Le, Ae, Ve}) {
            if (const std::optional<double> figure = standard.dataSheet.figure(quantity)) {
                json.key(kQuantityNames[quantity]).raw("{").key("value").number(*figure);
                json.key("text").string(figureText(*figure, ".")).raw("}");
            }
        }
        json.raw("}").key("source").string(standard.source).raw("}");
    }
    json.raw("]");
}

void writeCore(Json& json, const CoreDescriptor& core, int optionIndex)
{
    json.item().raw("{").key("name").string(core.name).key("option").string(core.optionCaption);
    json.key("optionEn").string(inEnglish(core.optionCaption));
    json.key("optionId").string("Option1_" + std::to_string(optionIndex));
    json.key("form").string(core.form).key("caption").string(core.caption);
    json.key("drawing").raw("{").key("file").string(drawingFile(core.drawing.resource));
    json.key("width").number(core.drawing.pixelWidth).key("height").number(core.drawing.pixelHeight).raw("}");

    json.key("fields").raw("[");
    for (const FieldSpec& field : core.fields) {
        json.item().raw("{").key("id").string(objectName("Text", field.textNumber));
        json.key("captionId").string(objectName("Label", field.captionNumber));
        json.key("caption").string(field.caption).key("letter").string(field.letter);
        json.key("meaning").string(field.meaning).key("meaningEn").string(inEnglish(field.meaning));
        json.key("start").string(field.start == StartText::Zero ? "0" : "").raw("}");
    }
    json.raw("]").key("conversionOrder").raw("[");
    for (const int field : core.conversionOrder)
        json.item().number(field);

    json.raw("]").key("results").raw("[");
    for (std::size_t i = 0; i < core.results.size(); ++i) {
        const ResultSpec& result = core.results[i];
        json.item().raw("{").key("name").string(kQuantityNames[i]);
        json.key("captionId").string(objectName("Label", result.captionNumber));
        json.key("id").string(objectName("Label", result.valueNumber));
        json.key("decimals").number(result.format.decimals);
        json.key("integerDigitAlways").raw(result.format.integerDigitAlways ? "true" : "false");
        json.key("suffix").string(result.format.suffix).raw("}");
    }
    json.raw("]").key("note");
    if (core.note.labelNumber != 0) {
        // The window pads the note with blanks to place it; the page lays it out itself.
        const auto unpadded = [](std::string_view text) {
            text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
            return text;
        };
        json.raw("{").key("id").string(objectName("Label", core.note.labelNumber));
        json.key("text").string(unpadded(core.note.text));
        json.key("textEn").string(unpadded(inEnglish(core.note.text))).raw("}");
    } else {
        json.raw("null");
    }
    json.key("gappedLeg").string(core.gappedLeg).key("gappedLegEn").string(inEnglish(core.gappedLeg));
    writeCatalogue(json, core);
    json.raw("}");
}

void optionalNumber(Json& json, std::string_view name, std::optional<double> value)
{
    json.key(name);
    if (value)
        json.number(*value);
    else
        json.raw("null");
}

// What the design view and the scripting interface need besides the module:
// the materials, the design's quantities and inputs by the module's numbers,
// with the range each input is held to, and the figures the command line
// reports, in its order.
void writeDesign(Json& json)
{
    json.key("materials").raw("[");
    for (const Material& material : materials()) {
        json.item().raw("{").key("name").string(material.name).key("manufacturer").string(material.manufacturer);
        json.key("base").string(material.base).key("muI").number(material.muI);
        optionalNumber(json, "bsat100", material.bsat100);
        optionalNumber(json, "density", material.density);
        json.key("lossFit").raw(material.hasLossFit() ? "true" : "false");
        json.raw("}");
    }
    json.raw("]").key("designQuantities").raw("{");
    for (int q = 0; q < static_cast<int>(DesignQuantity::Count); ++q)
        json.key(designFormat(static_cast<DesignQuantity>(q)).name).number(q);
    // Each input's kind (the module's number) and the range every front end
    // holds it to; a gap's upper limit is the core's own (null here).
    json.raw("}").key("designInputs").raw("{");
    for (int kind = 0; kind < static_cast<int>(DesignInput::Count); ++kind) {
        const DesignInputLimits& limits = designInputLimits(static_cast<DesignInput>(kind));
        json.key(limits.column).raw("{").key("kind").number(kind).key("min").number(limits.minimum);
        optionalNumber(json, "max", std::isfinite(limits.maximum) ? std::optional(limits.maximum) : std::nullopt);
        json.key("start").number(limits.start).key("decimals").number(limits.decimals).raw("}");
    }
    json.raw("}").key("designOptions").raw("[");
    for (const DesignOptionName& option : kDesignOptions)
        json.item().string(option.column);
    json.raw("]").key("gapPlaces").raw("[");
    for (const std::string_view place : kGapPlaceNames)
        json.item().string(place);
    json.raw("]").key("reportedFigures").raw("[");
    for (const ReportedFigure& figure : reportedFigures())
        json.item().raw("{").key("column").string(figure.column).key("quantity").number(static_cast<int>(figure.quantity)).raw("}");
    // The losses: each input's kind and range (calc/losses' lossInputLimits), the figures by name, the waveforms.
    json.raw("]").key("lossInputs").raw("{");
    for (int kind = 0; kind < kLossInputCount; ++kind) {
        const LossInputLimits& limits = lossInputLimits(static_cast<LossInput>(kind));
        json.key(limits.column).raw("{").key("kind").number(kind).key("min").number(limits.minimum);
        json.key("max").number(limits.maximum).key("minOpen").raw(limits.minimumOpen ? "true" : "false");
        json.key("maxOpen").raw(limits.maximumOpen ? "true" : "false");
        json.key("start").number(limits.start).key("decimals").number(limits.decimals).raw("}");
    }
    json.raw("}").key("lossQuantities").raw("{");
    for (int q = 0; q < static_cast<int>(LossQuantity::Count); ++q)
        json.key(lossFormat(static_cast<LossQuantity>(q)).name).number(q);
    json.raw("}").key("reportedLossFigures").raw("[");
    for (const ReportedLossFigure& figure : reportedLossFigures())
        json.item().string(lossFormat(figure.quantity).name);
    json.raw("]").key("waveforms").raw("[");
    for (const std::string_view waveform : kWaveformNames)
        json.item().string(waveform);
    json.raw("]");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: ferricalc-web-data OUTPUT.js\n";
        return 2;
    }
    Json json;
    json.raw("{").key("version").string(FERRICALC_VERSION).key("cores").raw("[");
    for (int index = 0; index < kCoreTypeCount; ++index)
        if (coreType(index).available())
            writeCore(json, coreType(index), index);
    json.raw("]");
    writeDesign(json);
    json.raw("}");

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by ferricalc-web-data from the cores' descriptors and the catalogue; do not edit.\n"
        << "var FERRICALC_DATA = " << json.text << ";\n"
        << "if (typeof module !== \"undefined\") module.exports = FERRICALC_DATA;\n";
    out.close();
    if (!out) {
        std::cerr << "ferricalc-web-data: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
