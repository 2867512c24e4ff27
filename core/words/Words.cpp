#include "core/words/Words.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

const IWords* g_pWords = nullptr;

}

void UseWords(const IWords* words)
{
    g_pWords = words;
}

std::string FillIn(std::string text, std::initializer_list<std::string> values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t place = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && place >= 1 && place <= values.size()) {
            filled += values.begin()[place - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string Translate(const char* context, const char* text)
{
    if (g_pWords != nullptr)
        if (std::string translated = g_pWords->Translate(context, text); !translated.empty())
            return translated;
    return text;
}

std::string IWords::Number(double value, int decimals) const
{
    return PointNumber(value, decimals);
}

std::string FormatNumber(double value, int decimals)
{
    return g_pWords != nullptr ? g_pWords->Number(value, decimals) : PointNumber(value, decimals);
}

std::string PointNumber(double value, int decimals)
{
    char buf[32];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, result.ptr);
#else
    // libc++ 13 (the browser build's) has no floating-point to_chars; its C
    // library's printf is locale-free and rounds the same way.
    const int length = std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return std::string(buf, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof buf) - 1)));
#endif
}

std::string TranslatedText(const char* context, const std::string& text)
{
    return Translate(context, text.c_str());
}
