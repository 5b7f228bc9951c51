#include "product.h"
#include "program.h"
#include "services.h"

#include <cstdio>
#include <cstring>

namespace {

const char Usage[] =
    "Usage: tonewright [WORD] [OPTION...] [FILE]\n"
    "       tonewright WORD [--into=DIR] [--dry-run] [--what-fits] [OPTION...] FOLDER\n"
    "       tonewright --each WORD [OPTION...] FILE|FOLDER...\n"
    "Convert one audio or video file into another audio format, or keep a\n"
    "converted copy of a folder up to date.\n"
    "\n"
    "Words:\n"
    "  mp3 m4a wma wav fla aac ogg mka opus   the output format (fla means FLAC)\n"
    "  ppp                                   choose format, volume and tags in a dialog\n"
    "  config                                show the settings and exit\n"
    "\n"
    "Options (only as --name=value, each at most once; empty means not set):\n"
    "  --volume=P   volume in percent: 25 50 75 100 125 150 175 200 250 300 350 400\n"
    "  --title=T    title tag\n"
    "  --artist=A   artist tag\n"
    "  --album=B    album tag\n"
    "  --year=Y     date tag, a year from 1000 to 9999\n"
    "  --replaygain=album|track|off\n"
    "               measure the loudness while converting and write the gain tags\n"
    "               of the album (a folder's tracks) and the track, the track's\n"
    "               only, or none; the settings decide when not given\n"
    "  --cue-encoding=NAME\n"
    "               the code page of cue sheets (CP1251, Shift_JIS, GB18030, ...);\n"
    "               found out when not given\n"
    "The dialog's answer, when it is shown, replaces these options.\n"
    "\n"
    "  --           every later argument is a file (FILE may be a file:// address)\n"
    "\n"
    "  --each WORD FILE...   first argument only: convert every file, two or more\n"
    "                        in one window, as many at once as there are cores;\n"
    "                        with ppp, ask once\n"
    "\n"
    "A cue sheet, or an image holding one, is converted as its tracks:\n"
    "\"01 Intro.mp3\" and so on, beside the sheet unless the settings say otherwise.\n"
    "\n"
    "Folders: FOLDER becomes the mirror \"FOLDER (MP3)\" (the format's name),\n"
    "placed as the settings place converted files; the same command again\n"
    "converts only what is new or changed and moves the outputs of deleted\n"
    "sources to the trash. Covers are copied, files already in the format too.\n"
    "  --into=DIR   the mirror's folder itself (one folder only)\n"
    "  --dry-run    print what would be done, one line each, and change nothing\n"
    "  --what-fits  write what fits on the mirror's medium, in order, and leave the\n"
    "               rest for a later run; without it a run that clearly does not\n"
    "               fit writes nothing and says how much room it needs\n"
    "With --each every folder is a mirror of its own.\n"
    "\n"
    "Exit status of --each and of a folder: 0 when every file was converted,\n"
    "1 when any failed, was skipped by Cancel or named no file, or a mirror was\n"
    "busy, could not be read or lacked room, 2 for a usage error, 128 + n after\n"
    "termination signal n.\n"
    "\n"
    "Without a file, Tonewright asks for one and then for the options.\n"
    "Without a display it converts all the same and shows its progress on\n"
    "standard error; it then ends with the status --each has.\n"
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

    return runProgram(argc, argv, programServices());
}
