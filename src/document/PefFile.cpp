#include "document/PefFile.h"

#include "braille/BrailleUnicode.h"
#include "document/ReadRefusals.h"
#include "text/Utf8Text.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tessra {
namespace {

constexpr std::string_view kReason = "6 点の点字パターン（U+2800 … U+283F）ではありません";

std::string_view LocalName(const pugi::xml_node& element)
{
    const std::string_view name = element.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// pugixml knows no namespaces: the nearest declaration of the element's prefix decides.
std::string_view NamespaceOf(const pugi::xml_node& element)
{
    const std::string_view name = element.name();
    const std::size_t colon = name.find(':');
    const std::string declaration =
        colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
    for (pugi::xml_node node = element; node; node = node.parent())
        if (const pugi::xml_attribute attribute = node.attribute(declaration.c_str())) return attribute.value();
    return {};
}

bool IsPef(const pugi::xml_node& node, std::string_view localName)
{
    return node.type() == pugi::node_element && LocalName(node) == localName &&
           NamespaceOf(node) == kPefNamespace;
}

// The PEF children of `parent` called `localName`, in document order.
template <typename Visit>
std::optional<std::string> EachPef(const pugi::xml_node& parent, std::string_view localName, Visit visit)
{
    for (const pugi::xml_node child : parent.children())
        if (IsPef(child, localName))
            if (auto problem = visit(child)) return problem;
    return std::nullopt;
}

class PefReader {
public:
    explicit PefReader(std::string_view xml) : xml_(xml) {}

    PagesRead Read()
    {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_buffer(xml_.data(), xml_.size(), pugi::parse_default | pugi::parse_ws_pcdata,
                                 pugi::encoding_utf8);
        if (!parsed) {
            return {{}, PlaceMessage(At(parsed.offset)) + ": XML として読めません（" +
                            parsed.description() + "）"};
        }
        const pugi::xml_node root = document.document_element();
        if (!IsPef(root, "pef")) {
            return {{}, PlaceMessage(root ? AtTag(root) : At(0)) +
                            ": PEF の文書ではありません（" + std::string(kPefNamespace) +
                            " の pef 要素がありません）"};
        }
        std::optional<std::string> problem = EachPef(root, "body", [this](const pugi::xml_node& body) {
            return EachPef(body, "volume", [this](const pugi::xml_node& volume) {
                return EachPef(volume, "section", [this](const pugi::xml_node& section) {
                    return EachPef(section, "page", [this](const pugi::xml_node& page) { return ReadPage(page); });
                });
            });
        });
        if (problem) return {{}, std::move(problem)};
        return {std::move(pages_), std::nullopt};
    }

private:
    TextPosition At(std::ptrdiff_t offset) const
    {
        return PositionInText(xml_, offset < 0 ? 0 : static_cast<std::size_t>(offset));
    }
    // The parser knows where an element's name starts; its tag starts one before.
    TextPosition AtTag(const pugi::xml_node& element) const { return At(element.offset_debug() - 1); }

    std::optional<std::string> ReadPage(const pugi::xml_node& page)
    {
        BraillePage lines;
        std::optional<std::string> problem = EachPef(page, "row", [&](const pugi::xml_node& row) {
            if (lines.size() == kPageLineLimit) return std::optional(TooManyPageLines(AtTag(row).line));
            lines.emplace_back();
            return ReadRow(row, lines.back());
        });
        pages_.push_back(std::move(lines));
        return problem;
    }

    std::optional<std::string> ReadRow(const pugi::xml_node& row, std::string& cells)
    {
        for (const pugi::xml_node child : row.children()) {
            if (child.type() == pugi::node_element) {
                return PlaceMessage(AtTag(child)) + ": row の中に要素 " + child.name() +
                       " があります。row には点字しか書けません";
            }
            if (child.type() != pugi::node_pcdata && child.type() != pugi::node_cdata) continue;
            if (auto problem = ReadText(child, child.type() == pugi::node_pcdata, cells)) return problem;
        }
        return std::nullopt;
    }

    // `references`: the text may hold character references, which the parser has replaced.
    std::optional<std::string> ReadText(const pugi::xml_node& text, bool references, std::string& cells)
    {
        const std::string_view value = text.value();
        std::size_t source = text.offset_debug() < 0 ? 0 : static_cast<std::size_t>(text.offset_debug());
        for (std::size_t at = 0; at < value.size();) {
            const Utf8Char character = DecodeUtf8At(value, at);
            if (const std::optional<unsigned char> cell = CellOfPattern(character.code);
                character.valid && cell) {
                cells += static_cast<char>(*cell);
            } else {
                return CharacterRefusal(At(static_cast<std::ptrdiff_t>(source)), character.code,
                                        value.substr(at, character.length), kReason);
            }
            at += character.length;
            source = NextSourceCharacter(source, references);
        }
        // The parser ends a text at a NUL character, a reference &#0; included; what follows it in
        // the file never reaches the value. Every character above stood for one in the file, so
        // the text must end here, at the next tag or at the end of its CDATA section.
        if (text.offset_debug() >= 0 && source < xml_.size() && xml_[source] != (references ? '<' : ']'))
            return CharacterRefusal(At(static_cast<std::ptrdiff_t>(source)), 0, {}, kReason);
        return std::nullopt;
    }

    // Where the next character of a text starts in the file: a reference such as &#x2801; is one.
    std::size_t NextSourceCharacter(std::size_t at, bool references) const
    {
        if (at >= xml_.size()) return at;
        if (references && xml_[at] == '&') {
            const std::size_t end = xml_.find(';', at);
            if (end != std::string_view::npos) return end + 1;
        }
        return at + DecodeUtf8At(xml_, at).length;
    }

    std::string_view xml_;
    BraillePages pages_;
};

class StringWriter final : public pugi::xml_writer {
public:
    void write(const void* data, std::size_t size) override
    {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

std::string Identifier(const BraillePages& pages)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    const auto mix = [&hash](unsigned char byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (const BraillePage& page : pages) {
        for (const std::string& line : page) {
            for (const char cell : line) mix(static_cast<unsigned char>(cell));
            mix('\n');
        }
        mix('\f');
    }
    char text[40];
    std::snprintf(text, sizeof text, "tessra-%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string RowText(const std::string& line)
{
    std::string row;
    for (const char cell : line) row += BrailleCellToUtf8(static_cast<unsigned char>(cell));
    return row;
}

}  // namespace

PagesRead ParsePef(std::string_view xml)
{
    return PefReader(xml).Read();
}

std::string BuildPef(const BraillePages& pages)
{
    std::size_t cols = 1, rows = 1;
    for (const BraillePage& page : pages) {
        rows = std::max(rows, page.size());
        for (const std::string& line : page) cols = std::max(cols, line.size());
    }

    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node pef = document.append_child("pef");
    pef.append_attribute("version") = "2008-1";
    pef.append_attribute("xmlns") = std::string(kPefNamespace).c_str();
    pugi::xml_node meta = pef.append_child("head").append_child("meta");
    meta.append_attribute("xmlns:dc") = std::string(kDublinCoreNamespace).c_str();
    meta.append_child("dc:format").text() = std::string(kPefMediaType).c_str();
    meta.append_child("dc:identifier").text() = Identifier(pages).c_str();

    pugi::xml_node volume = pef.append_child("body").append_child("volume");
    volume.append_attribute("cols") = static_cast<unsigned long long>(cols);
    volume.append_attribute("rows") = static_cast<unsigned long long>(rows);
    volume.append_attribute("rowgap") = 0;
    volume.append_attribute("duplex") = false;
    pugi::xml_node section = volume.append_child("section");
    for (const BraillePage& page : pages) {
        pugi::xml_node pageNode = section.append_child("page");
        for (const std::string& line : page) pageNode.append_child("row").text() = RowText(line).c_str();
    }
    if (pages.empty()) section.append_child("page");

    StringWriter writer;
    document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    return std::move(writer.text);
}

}  // namespace tessra
