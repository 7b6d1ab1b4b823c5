#include <cstdio>

int main(int argc, char** argv)
{
    std::fputs("usage: orvex71ctl [--lang 1|2|3] [--json] show --image FILE\n", stderr);
    return 2;
}
