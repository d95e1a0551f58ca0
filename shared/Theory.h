#pragma once

#include "shared/Screen.h"

#include <vector>

namespace shared {

// The theory of a course: a contents page whose entries open pages over it, and pages that lead
// one to the next along a chain, the last out of the theory. Every screen of it takes the top half
// of the display and holds nothing but its layout.
struct TheoryDeclaration {
    QString folder;                               // where the layouts "unitN.yaml" lie
    QString contents;                             // the contents page
    std::vector<Link> entries;                    // its entries, each opening a page over it
    QStringList chain;                            // the pages in reading order, then what follows
    std::vector<std::pair<QString, Link>> asides; // a page's own link to a side page
    QStringList sidePages;                        // pages outside the chain
    QString closeButton = "BitBtn1";              // "Закрыть"
    QString forwardButton = "BitBtn2"; // "Далее", "Дальше", "Практика"
};

void registerTheory(const TheoryDeclaration& theory);

} // namespace shared
