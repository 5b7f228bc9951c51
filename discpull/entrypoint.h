#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discpull {

class CdPlatform;

// Exit codes; each failure also prints "Error: <code>".
enum ExitCode {
    ExitOk = 0,
    ExitWrongArguments = 9,
    ExitNoArguments = 10,
    ExitDriveNotOpened = 11,
    ExitExtractionFailed = 12,
};

// A decimal number with optional leading white space and sign, read up to the
// first other character; no digits give 0, and values beyond the int range
// saturate instead of wrapping.
int parseIndex(const std::string &text);

// The whole program: args are the arguments after the program name, the
// printed items go to out, the result is the exit code. The drive is closed
// before this returns, whatever the outcome.
int runDiscpull(const std::vector<std::string> &args, std::ostream &out, CdPlatform &platform);

} // namespace discpull
