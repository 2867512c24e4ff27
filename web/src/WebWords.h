#pragma once

#include "core/words/Words.h"

#include <string>
#include <unordered_map>
#include <utility>

// The core's words in the page's language: the translations of one
// language, as the page hands them over from the JSON made from i18n/*.ts.
class CWebWords final : public IWords {
public:
    // The language's code ("de"), for its numbers.
    void Clear(std::string code)
    {
        m_table.clear();
        m_code = std::move(code);
    }
    void Add(const std::string& context, const std::string& source, const std::string& translation);
    std::string Translate(const char* context, const char* text) const override;
    // As the browser writes numbers in the language (Intl.NumberFormat).
    std::string Number(double value, int decimals) const override;

private:
    std::string m_code = "en";
    // context, a unit separator, then the source text.
    std::unordered_map<std::string, std::string> m_table;
};
