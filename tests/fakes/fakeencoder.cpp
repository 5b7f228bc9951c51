// fakeencoder: stands in for the encoder executable in the test tree.
//
// Tests install it under the encoder's name in a folder of their own (a copy
// or a symbolic link) and put a script beside it. It does exactly what the
// script says and nothing else, so every stream, pause, output file and ending
// the window must cope with can be produced on demand.
//
// The script is "fakeencoder.script" in the folder the program was started
// from (the folder of argv[0] as given, or where PATH found a bare name), so
// a symbolic link named "ffmpeg" in a test folder reads that folder's script.
// Before the script runs, the arguments (without argv[0]) are recorded in
// "fakeencoder.args" beside the script, each argument followed by one zero
// byte, because arguments may hold line breaks.
//
// Script: one command per line; empty lines and lines starting with "#" are
// skipped. <text> runs to the end of the line and understands the escapes
// \n \r \t \0 \\ and \xHH.
//   err <text>            write the text to standard error in one write, then flush
//   out <text>            the same on standard output
//   err-repeat <n> <text> write the text n times to standard error, in blocks of about
//                         64 KiB (large streams)
//   out-repeat <n> <text> the same on standard output
//   pid <path>            write the process id to <path> as decimal text
//   stdin                 note in "fakeencoder.stdin" beside the script whether standard
//                         input is at its end ("eof") or holds data ("data"); an input
//                         that stays open and empty blocks here
//   fds                   list in "fakeencoder.fds" beside the script the descriptors
//                         open when the program started, one number a line (Linux)
//   sleep <ms>            pause; a pause between writes makes them separate reads
//   if-input <text>       run the commands up to "end-if" only when the input's file
//                         name (after "-i") contains the text
//   enter <dir> <targets> count this run among those running: a file per running and
//                         per started run in <dir>, and a line "running started
//                         targets" appended to <dir>/log (targets: the files in
//                         the folder <targets>)
//   leave <dir>           this run no longer counts as running
//   write <bytes>         create the output file (the last argument) with that many bytes
//   write-text <text>     create the output file with exactly this text
//   copy-input            copy the file after "-i" to the output file
//   exit <code>           end with this exit code (the end of the script is "exit 0")
//   signal <n>            raise signal n (11 SIGSEGV, 9 SIGKILL, ...) with its default action
//   hang                  sleep until killed
// Failures of the fake itself (no script, an unknown command, a bad number, an
// unreadable input, an unwritable file) end it with code 120 and a line
// starting "fakeencoder:" on standard error.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <process.h>
#define tw_getpid _getpid
#else
#include <dirent.h>
#include <unistd.h>
#define tw_getpid getpid
#endif

namespace {

constexpr int FakeFailure = 120;

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "fakeencoder: %s\n", message.c_str());
    std::fflush(stderr);
    std::exit(FakeFailure);
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool exists(const std::string &path)
{
    std::ifstream file(path);
    return file.good();
}

// The folder the program was started from; a bare name was found on PATH.
std::string startFolder(const char *argv0)
{
    const std::string self = argv0 ? argv0 : "";
    if (self.find_first_of("/\\") != std::string::npos)
        return folderOf(self);
    const char *path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (!dir.empty() && exists(dir + "/" + self))
            return dir;
    }
    return ".";
}

std::string unescape(const std::string &text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char e = text[++i];
        switch (e) {
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        case 't':
            result += '\t';
            break;
        case '0':
            result += '\0';
            break;
        case '\\':
            result += '\\';
            break;
        case 'x':
            if (i + 2 >= text.size())
                fail("\\x needs two hexadecimal digits");
            result += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            break;
        default:
            result += '\\';
            result += e;
            break;
        }
    }
    return result;
}

void writeAll(std::FILE *stream, const std::string &bytes)
{
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size())
        fail("cannot write a stream");
    std::fflush(stream);
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    if (!file)
        fail("cannot write " + path);
}

void recordArguments(const std::string &path, const std::vector<std::string> &args)
{
    std::string bytes;
    for (const std::string &arg : args) {
        bytes += arg;
        bytes += '\0';
    }
    writeFile(path, bytes);
}

std::string outputPath(const std::vector<std::string> &args)
{
    if (args.empty())
        fail("no output file among the arguments");
    return args.back();
}

std::string inputName(const std::vector<std::string> &args)
{
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != "-i")
            continue;
        // A source handed over as an open file is named by what it is.
        std::filesystem::path input(args[i + 1]);
        std::error_code error;
        if (input.string().rfind("/proc/self/fd/", 0) == 0) {
            const std::filesystem::path target = std::filesystem::read_symlink(input, error);
            if (!error)
                input = target;
        }
        return input.filename().string();
    }
    return std::string();
}

size_t entries(const std::filesystem::path &folder)
{
    std::error_code error;
    size_t count = 0;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        ++count;
    return count;
}

// What the program was started with, before it opens anything itself; empty
// where /proc/self/fd cannot be read.
std::string startingDescriptors()
{
    std::vector<int> fds;
#if !defined(_WIN32)
    DIR *dir = opendir("/proc/self/fd");
    if (!dir)
        return std::string();
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != dirfd(dir))
            fds.push_back(std::atoi(entry->d_name));
    }
    closedir(dir);
#endif
    std::sort(fds.begin(), fds.end());
    std::string list;
    for (const int fd : fds)
        list += std::to_string(fd) + "\n";
    return list;
}

long long number(const std::string &text)
{
    try {
        size_t used = 0;
        const long long value = std::stoll(text, &used);
        if (used == text.size())
            return value;
    } catch (const std::exception &) {
    }
    fail("not a number: \"" + text + "\"");
}

} // namespace

int main(int argc, char **argv)
{
    // Standard error stays unbuffered and standard output is flushed after
    // every command, so each scripted write reaches the reader as it happens.
    const std::string descriptors = startingDescriptors();
    const std::vector<std::string> args(argv + 1, argv + argc);

    const std::string scriptPath =
        startFolder(argc > 0 ? argv[0] : nullptr) + "/fakeencoder.script";
    std::ifstream script(scriptPath, std::ios::binary);
    if (!script)
        fail("no script at " + scriptPath);
    recordArguments(folderOf(scriptPath) + "/fakeencoder.args", args);

    std::string line;
    bool skipping = false; // inside an "if-input" whose text the input lacks
    const std::string me = std::to_string(tw_getpid());
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string rest =
            space == std::string::npos ? std::string() : line.substr(space + 1);
        if (command == "end-if") {
            skipping = false;
            continue;
        }
        if (skipping)
            continue;

        if (command == "if-input") {
            skipping = inputName(args).find(unescape(rest)) == std::string::npos;
        } else if (command == "enter") {
            const auto gap = rest.find(' ');
            const std::filesystem::path folder = rest.substr(0, gap);
            const std::filesystem::path targets =
                gap == std::string::npos ? std::string() : rest.substr(gap + 1);
            std::filesystem::create_directories(folder / "running");
            std::filesystem::create_directories(folder / "started");
            writeFile((folder / "running" / me).string(), me);
            writeFile((folder / "started" / me).string(), me);
            const std::string counts = std::to_string(entries(folder / "running")) + " " +
                                       std::to_string(entries(folder / "started")) + " " +
                                       std::to_string(entries(targets)) + "\n";
            // One short write in append mode: lines of runs at once never mix.
            std::ofstream log(folder / "log", std::ios::binary | std::ios::app);
            log.write(counts.data(), std::streamsize(counts.size()));
        } else if (command == "leave") {
            std::filesystem::remove(std::filesystem::path(rest) / "running" / me);
        } else if (command == "err") {
            writeAll(stderr, unescape(rest));
        } else if (command == "out") {
            writeAll(stdout, unescape(rest));
        } else if (command == "err-repeat" || command == "out-repeat") {
            FILE *stream = command == "err-repeat" ? stderr : stdout;
            const auto gap = rest.find(' ');
            const long long count = number(rest.substr(0, gap));
            const std::string text =
                gap == std::string::npos ? std::string() : unescape(rest.substr(gap + 1));
            // Written in blocks of about 64 KiB, as an encoder's buffered stream would be.
            std::string block;
            for (long long i = 0; i < count; ++i) {
                block += text;
                if (block.size() >= 65536) {
                    writeAll(stream, block);
                    block.clear();
                }
            }
            writeAll(stream, block);
        } else if (command == "pid") {
            writeFile(rest, std::to_string(tw_getpid()));
        } else if (command == "stdin") {
            writeFile(folderOf(scriptPath) + "/fakeencoder.stdin",
                      std::fgetc(stdin) == EOF ? "eof" : "data");
        } else if (command == "fds") {
            if (descriptors.empty())
                fail("cannot list the open descriptors here");
            writeFile(folderOf(scriptPath) + "/fakeencoder.fds", descriptors);
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(number(rest)));
        } else if (command == "write") {
            writeFile(outputPath(args), std::string(size_t(number(rest)), 'A'));
        } else if (command == "write-text") {
            writeFile(outputPath(args), unescape(rest));
        } else if (command == "copy-input") {
            std::string input;
            for (size_t i = 0; i + 1 < args.size(); ++i) {
                if (args[i] == "-i")
                    input = args[i + 1];
            }
            std::ifstream in(input, std::ios::binary);
            if (input.empty() || !in)
                fail("cannot read the input \"" + input + "\"");
            std::ostringstream bytes;
            bytes << in.rdbuf();
            writeFile(outputPath(args), bytes.str());
        } else if (command == "exit") {
            std::fflush(nullptr);
            return int(number(rest));
        } else if (command == "signal") {
            std::fflush(nullptr);
            const int signal = int(number(rest));
            // A crash handler must not turn the signal into an ordinary exit.
            std::signal(signal, SIG_DFL);
            std::raise(signal);
            fail("signal " + rest + " did not end the program");
        } else if (command == "hang") {
            for (;;)
                std::this_thread::sleep_for(std::chrono::seconds(1));
        } else {
            fail("unknown command \"" + command + "\"");
        }
    }
    std::fflush(nullptr);
    return 0;
}
