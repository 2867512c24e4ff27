#include "WebWords.h"

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
