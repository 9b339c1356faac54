#include <cstdio>

int main() {
    std::puts("usage: veltrano-cli COMMAND [OPTIONS]");
    return 0;
}
