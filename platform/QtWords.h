#pragma once

#include "core/words/Words.h"

// The core's words through Qt's translators, so the .ts files compiled into
// the program serve the core as they serve the window.
class CQtWords : public IWords {
public:
    std::string Translate(const char* context, const char* text) const override;
    // As the desktop's locale writes it.
    std::string Number(double value, int decimals) const override;
};

// Makes Qt's translators the core's, for the rest of the program.
void UseQtWords();
