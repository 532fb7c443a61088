#include "support/xml_check.h"

#include <cctype>

namespace rondaxa::test {

namespace {

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.';
}

// Checks the entity or character reference at text[i] ('&'); returns its
// length, or 0 when it is none.
std::size_t ReferenceLength(const std::string &text, std::size_t i) {
    const std::size_t end = text.find(';', i);
    if (end == std::string::npos || end - i > 10)
        return 0;
    const std::string name = text.substr(i + 1, end - i - 1);
    if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
        return end - i + 1;
    const bool number =
        name.size() > 1 && name[0] == '#' && name.find_first_not_of("0123456789", 1) == std::string::npos;
    return number ? end - i + 1 : 0;
}

std::string CheckText(const std::string &text, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] == '&') {
            const std::size_t length = ReferenceLength(text, i);
            if (length == 0)
                return "bare & at " + std::to_string(i);
            i += length - 1;
        }
    }
    return {};
}

} // namespace

XmlCheck CheckXml(const std::string &text) {
    XmlCheck check;
    auto fail = [&check](std::string error) {
        check.Error = std::move(error);
        return check;
    };
    std::vector<std::string> open;
    int roots = 0;
    std::size_t i = 0;
    if (text.rfind("<?xml", 0) == 0)
        i = text.find("?>") + 2;
    while (i < text.size()) {
        const std::size_t lt = text.find('<', i);
        const std::size_t textEnd = lt == std::string::npos ? text.size() : lt;
        if (open.empty() && text.find_first_not_of(" \r\n\t", i) < textEnd)
            return fail("text outside the root at " + std::to_string(i));
        if (std::string error = CheckText(text, i, textEnd); !error.empty())
            return fail(error);
        if (lt == std::string::npos)
            break;
        std::size_t p = lt + 1;
        const bool closing = p < text.size() && text[p] == '/';
        if (closing)
            ++p;
        const std::size_t nameStart = p;
        while (p < text.size() && IsNameChar(text[p]))
            ++p;
        const std::string name = text.substr(nameStart, p - nameStart);
        if (name.empty())
            return fail("no element name at " + std::to_string(lt));
        if (closing) {
            if (open.empty() || open.back() != name || p >= text.size() || text[p] != '>')
                return fail("</" + name + "> does not close the open element");
            open.pop_back();
            i = p + 1;
            continue;
        }
        // Attributes: name="value" or name='value'.
        bool selfClosing = false;
        for (;;) {
            while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])))
                ++p;
            if (p >= text.size())
                return fail("unclosed tag <" + name);
            if (text[p] == '>')
                break;
            if (text.compare(p, 2, "/>") == 0) {
                selfClosing = true;
                ++p;
                break;
            }
            const std::size_t attrStart = p;
            while (p < text.size() && IsNameChar(text[p]))
                ++p;
            if (p == attrStart || p + 1 >= text.size() || text[p] != '=' ||
                (text[p + 1] != '"' && text[p + 1] != '\''))
                return fail("bad attribute in <" + name + "> at " + std::to_string(attrStart));
            const char quote = text[p + 1];
            const std::size_t valueEnd = text.find(quote, p + 2);
            if (valueEnd == std::string::npos ||
                text.substr(p + 2, valueEnd - p - 2).find('<') != std::string::npos)
                return fail("bad attribute value in <" + name + ">");
            if (std::string error = CheckText(text, p + 2, valueEnd); !error.empty())
                return fail(error);
            p = valueEnd + 1;
        }
        if (open.empty() && ++roots > 1)
            return fail("a second root element <" + name + ">");
        ++check.Elements[name];
        if (!selfClosing)
            open.push_back(name);
        i = p + 1;
    }
    if (!open.empty())
        check.Error = "<" + open.back() + "> is not closed";
    else if (roots == 0)
        check.Error = "no root element";
    return check;
}

} // namespace rondaxa::test
