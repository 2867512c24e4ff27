#pragma once

#include <initializer_list>
#include <string>

// The words the core shows (labels, titles, the screen reader's description,
// the artwork's captions), in the user's language. A front end gives the
// core its translator; without one every text stays as written, in English.
// The texts are marked where they are written with QT_TRANSLATE_NOOP, the
// marker Qt's lupdate looks for, so one set of .ts files serves every front end.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

class IWords {
public:
    virtual ~IWords() = default;
    // The text in the user's language, or an empty string for none.
    virtual std::string Translate(const char* context, const char* text) const = 0;
    // A number with that many decimals as the user's language writes it
    // (decimal comma, digit groups); by default as PointNumber writes it.
    virtual std::string Number(double value, int decimals) const;
};

// Makes words the core's translator (null: none); it must outlive its use.
void UseWords(const IWords* words);

// The text of a context in the user's language, or as written where the
// translator has none.
std::string Translate(const char* context, const char* text);
// The same for a name or title held as a string.
std::string TranslatedText(const char* context, const std::string& text);

// A translated text with its places filled: %1 by the first value, %2 by
// the second, and so on, wherever they stand in the translation.
std::string FillIn(std::string text, std::initializer_list<std::string> values);

// A number with that many decimals in the user's language, for texts shown.
std::string FormatNumber(double value, int decimals);
// The same with a point and no digit groups, whatever the language: for
// files a spreadsheet reads back.
std::string PointNumber(double value, int decimals);
