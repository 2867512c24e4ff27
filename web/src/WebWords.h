#pragma once

#include "core/words/Words.h"

#include <string>
#include <unordered_map>

// The core's words in the page's language: the translations of one
// language, as the page hands them over from the JSON made from i18n/*.ts.
class CWebWords final : public IWords {
public:
    void Clear() { m_table.clear(); }
    void Add(const std::string& context, const std::string& source, const std::string& translation);
    std::string Translate(const char* context, const char* text) const override;

private:
    // context, a unit separator, then the source text.
    std::unordered_map<std::string, std::string> m_table;
};
