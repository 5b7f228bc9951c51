#include "product.h"
#include "program.h"
#include "services.h"

#include <cstdio>
#include <cstring>

namespace {

const char Usage[] =
    "Usage: tonewright [WORD] [FILE]\n"
    "Convert one audio or video file into another audio format.\n"
    "\n"
    "Words:\n"
    "  mp3 m4a wma wav fla aac ogg mka opus   the output format (fla means FLAC)\n"
    "  ppp                                   choose format, volume and tags in a dialog\n"
    "  config                                show the settings and exit\n"
    "\n"
    "Without a file, Tonewright asks for one and then for the options.\n"
    "The converted file is written beside the source unless the settings say otherwise.\n"
    "\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tonewright %s\n", qPrintable(product::version()));
        return 0;
    }

    return runProgram(argc, argv, Services());
}
