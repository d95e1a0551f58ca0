#include "adverbs/practice/PracticeChain.h"

#include <algorithm>
#include <stdexcept>

namespace adverbs {

const std::vector<ChainLink>& practiceChain()
{
    static const std::vector<ChainLink> chain = {
        {"TForm17", 0, "TForm18"},
        {"TForm18", std::nullopt, "TForm19"},
        {"TForm19", 1, "TForm20"},
        {"TForm20", std::nullopt, "TForm46"},
        {"TForm46", 2, "TForm21"},
        {"TForm21", 3, "TForm22"},
        {"TForm22", 4, "TForm23"},
        {"TForm23", 5, "TForm24"},
        {"TForm24", std::nullopt, "TForm47"},
        {"TForm47", 6, "TForm25"},
        {"TForm25", std::nullopt, "TForm48"},
        {"TForm48", 7, "TForm26"},
        {"TForm26", 8, "TForm45"},
        {"TForm45", std::nullopt, "TForm49"},
        {"TForm49", 9, ""},
    };
    return chain;
}

const ChainLink& chainLink(const QString& screen)
{
    const std::vector<ChainLink>& chain = practiceChain();
    auto it = std::find_if(chain.begin(), chain.end(),
                           [&](const ChainLink& link) { return link.screen == screen; });
    if (it == chain.end())
        throw std::logic_error(("no practice screen " + screen).toStdString());
    return *it;
}

QStringList chainSuccessors(const QString& screen)
{
    const ChainLink& link = chainLink(screen);
    QStringList opens;
    if (!link.next.isEmpty())
        opens.append(link.next);
    if (link.completes)
        opens.append(CongratulationScreen);
    return opens;
}

} // namespace adverbs
