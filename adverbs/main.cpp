#include "adverbs/Program.h"

int main(int argc, char** argv)
{
    return adverbs::run(argc, argv);
}
