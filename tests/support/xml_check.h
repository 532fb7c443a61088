// A small well-formedness check of XML text for the tests: every element
// closed in order, attributes quoted, only the five named entities and
// character references, no bare "<" or "&" in text, one root element.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rondaxa::test {

struct XmlCheck {
    std::string Error;                   // empty: well formed
    std::map<std::string, int> Elements; // how many of each element
};

XmlCheck CheckXml(const std::string &text);

} // namespace rondaxa::test
