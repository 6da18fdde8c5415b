#include "document/html.h"

#include <string_view>

#include "base/html_text.h"

namespace doc {
namespace {

// Numerator and denominator stand side by side around the slash, so a sum needs its brackets.
std::string bracketed(const Math& m) { return isAtomic(m) ? html(m) : "(" + html(m) + ")"; }

std::string paragraph(const Paragraph& p) { return html(Math::row(p.items)); }

}  // namespace

std::string html(const Math& math) {
    const auto& items = math.items();
    switch (math.kind()) {
        case Math::Kind::Text:
            return htmlEscaped(math.textOf());
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
        out += "<h2>" + htmlEscaped(section.heading) + "</h2>\n";
        for (const Paragraph& p : section.paragraphs) out += "<p>" + paragraph(p) + "</p>\n";
    }
    return out;
}

}  // namespace doc
