#include "WebWords.h"

#include <emscripten/val.h>

namespace {

std::string Key(const std::string& context, const std::string& source)
{
    std::string key;
    key.reserve(context.size() + 1 + source.size());
    key += context;
    key += '\x1f';
    key += source;
    return key;
}

}

void CWebWords::Add(const std::string& context, const std::string& source, const std::string& translation)
{
    m_table[Key(context, source)] = translation;
}

std::string CWebWords::Translate(const char* context, const char* text) const
{
    const auto found = m_table.find(Key(context, text));
    return found == m_table.end() ? std::string() : found->second;
}

std::string CWebWords::Number(double value, int decimals) const
{
    using emscripten::val;
    val options = val::object();
    options.set("minimumFractionDigits", decimals);
    options.set("maximumFractionDigits", decimals);
    return val::global("Intl")["NumberFormat"].new_(m_code, options).call<std::string>("format", value);
}
