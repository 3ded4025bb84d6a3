#include <iostream>
#include <string>
#include <vector>

#include "CliDispatch.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tarvon::cli::Dispatch(args, std::cout, std::cerr);
}
