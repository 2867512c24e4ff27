#include "core/words/Words.h"

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

std::string TranslatedText(const char* context, const std::string& text)
{
    return Translate(context, text.c_str());
}
