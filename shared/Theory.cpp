#include "shared/Theory.h"

namespace shared {

void registerTheory(const TheoryDeclaration& theory)
{
    auto page = [&theory](const QString& className, std::vector<Link> links) {
        registerScreen(ScreenDeclaration{unitScreen(theory.folder, className), TopHalfPlacement,
                                         theory.closeButton, std::move(links)});
    };
    page(theory.contents, theory.entries);
    for (qsizetype i = 0; i + 1 < theory.chain.size(); ++i) {
        std::vector<Link> links = {{theory.forwardButton, theory.chain[i + 1], Link::Instead}};
        for (const auto& [onPage, link] : theory.asides)
            if (onPage == theory.chain[i])
                links.push_back(link);
        page(theory.chain[i], links);
    }
    for (const QString& side : theory.sidePages)
        page(side, {});
}

} // namespace shared
