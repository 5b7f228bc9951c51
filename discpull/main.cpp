#include "cdplatform.h"
#include "entrypoint.h"

#include <iostream>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::unique_ptr<discpull::CdPlatform> platform = discpull::createNativePlatform();
    return discpull::runDiscpull(args, std::cout, *platform);
}
