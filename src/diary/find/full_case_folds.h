#pragma once

#include <vector>

// A character whose full case folding is more than one character: "ß" folds to "ss".
struct FullCaseFold {
    char16_t character;
    const char16_t* folded;
};

// Every such character (Unicode 14, CaseFolding.txt status F), in ascending order. All of them lie
// in the Basic Multilingual Plane, and so do their folds. Any other character folds to the single
// character Qt's simple folding gives.
const std::vector<FullCaseFold>& FullCaseFolds();
