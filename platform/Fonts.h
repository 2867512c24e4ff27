#pragma once

#include "core/draw/DrawObjects.h"

#include <QFont>

// The QFont for a font request. A face that is not installed (usually
// "Arial Black") is replaced by the heaviest DejaVu Sans; the request's
// height is a cell height (ascent + descent), as the drawings expect.
QFont ResolveFont(const CFontSpec& request);
