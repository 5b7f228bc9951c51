// discpull on a simulated drive: the drive argument is the path of a disc
// description file (see SimulatedDisc::load). When the description names a
// log file, the requests the drive received are written there, one a line,
// after the program logic has finished. Output files are written through
// the build's own device backend, as the real program writes them.
#include "entrypoint.h"
#include "simulatedplatform.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::unique_ptr<discpull::CdPlatform> native = discpull::createNativePlatform();
    discpull::SimulatedPlatform platform;
    platform.writeFilesThrough(*native);
    const int code = discpull::runDiscpull(args, std::cout, platform);
    if (!platform.disc().logPath.empty()) {
        std::ofstream log(platform.disc().logPath);
        for (const std::string &request : platform.requests())
            log << request << '\n';
    }
    return code;
}
