#include "document/html.h"

#include <string_view>

namespace doc {
namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A piece that reads as one unit when raised, lowered or put under a root.
bool atomic(const Math& m) {
    switch (m.kind()) {
        case Math::Kind::Text:
            for (std::string_view op : {" ", "+", "−", "-", "/", "·"})
                if (m.textOf().find(op) != std::string::npos) return false;
            return true;
        case Math::Kind::Row:
            for (const Math& item : m.items())
                if (!atomic(item)) return false;
            return true;
        case Math::Kind::Fraction:
            return false;
        default:
            return true;
    }
}

// Numerator and denominator stand side by side around the slash, so a sum needs its brackets.
std::string bracketed(const Math& m) { return atomic(m) ? html(m) : "(" + html(m) + ")"; }

std::string paragraph(const Paragraph& p) { return html(Math::row(p.items)); }

}  // namespace

std::string html(const Math& math) {
    const auto& items = math.items();
    switch (math.kind()) {
        case Math::Kind::Text:
            return escaped(math.textOf());
        case Math::Kind::Row: {
            std::string out;
            for (const Math& item : items) out += html(item);
            return out;
        }
        case Math::Kind::Fraction:
            return "<sup>" + bracketed(items[0]) + "</sup>&frasl;<sub>" + bracketed(items[1]) +
                   "</sub>";
        case Math::Kind::Root:
            return "√<span style=\"text-decoration: overline\">" + html(items[0]) + "</span>";
        case Math::Kind::Power:
            return bracketed(items[0]) + "<sup>" + html(items[1]) + "</sup>";
        case Math::Kind::Index:
            return html(items[0]) + "<sub>" + html(items[1]) + "</sub>";
    }
    return {};
}

std::string html(const Document& document) {
    std::string out = "<h1>" + paragraph(document.title) + "</h1>\n";
    for (const Section& section : document.sections) {
        out += "<h2>" + escaped(section.heading) + "</h2>\n";
        for (const Paragraph& p : section.paragraphs) out += "<p>" + paragraph(p) + "</p>\n";
    }
    return out;
}

}  // namespace doc
