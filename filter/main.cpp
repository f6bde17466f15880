#include <cstdio>

int main(int argc, char**) {
    if (argc == 1) std::fputs("R5.0.662\n", stdout);
    return argc == 1 ? 0 : 2;
}
