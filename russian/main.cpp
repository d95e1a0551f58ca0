#include "russian/Program.h"

int main(int argc, char** argv)
{
    return russian::run(argc, argv);
}
