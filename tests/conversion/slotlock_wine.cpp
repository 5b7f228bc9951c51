// The Windows encoder-slot locks across real processes, built with mingw-w64
// and run under wine by scripts/checks/slots-mingw.sh:
//   slotlock_wine.exe                       the whole check; one line per case that passed
//   slotlock_wine.exe take <folder> <n>     takes a free slot of n, prints "held <i>" or
//                                           "busy", and keeps it until its input ends
#include "slotlock.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using slotlock::Outcome;

std::wstring lockFile(const std::wstring &folder, int index)
{
    return folder + L"\\slot-" + std::to_wstring(index) + L".lock";
}

// The same walk over the slots as EncoderSlot::tryAcquire, from slot 0.
std::string takeSlot(const std::wstring &folder, int count)
{
    if (slotlock::preparePrivateFolder(folder) != Outcome::Ok)
        return "unusable folder";
    for (int index = 0; index < count; ++index) {
        const slotlock::Attempt attempt = slotlock::tryLock(lockFile(folder, index));
        if (attempt.outcome == Outcome::Ok)
            return "held " + std::to_string(index); // kept until the process ends
        if (attempt.outcome != Outcome::Busy)
            return "unusable slot";
    }
    return "busy";
}

int take(const std::wstring &folder, int count)
{
    std::printf("%s\n", takeSlot(folder, count).c_str());
    std::fflush(stdout);
    char byte;
    while (std::fread(&byte, 1, 1, stdin) == 1) {
    }
    return 0;
}

struct Child
{
    PROCESS_INFORMATION process = {};
    HANDLE input = nullptr;  // closing it lets the child end
    HANDLE output = nullptr; // its first line
};

Child spawn(const std::wstring &folder, int count)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE inRead = nullptr, outWrite = nullptr;
    Child child;
    CreatePipe(&inRead, &child.input, &inheritable, 0);
    SetHandleInformation(child.input, HANDLE_FLAG_INHERIT, 0);
    CreatePipe(&child.output, &outWrite, &inheritable, 0);
    SetHandleInformation(child.output, HANDLE_FLAG_INHERIT, 0);

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" take \"" + folder + L"\" " + std::to_wstring(count);
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = inRead;
    start.hStdOutput = outWrite;
    start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &start, &child.process))
        child.process = {};
    CloseHandle(inRead);
    CloseHandle(outWrite);
    return child;
}

std::string firstLine(const Child &child)
{
    std::string line;
    char byte;
    DWORD got = 0;
    while (ReadFile(child.output, &byte, 1, &got, nullptr) && got == 1 && byte != '\n')
        if (byte != '\r')
            line += byte;
    return line;
}

void finish(Child &child)
{
    CloseHandle(child.input);
    if (child.process.hProcess) {
        WaitForSingleObject(child.process.hProcess, 30000);
        CloseHandle(child.process.hProcess);
        CloseHandle(child.process.hThread);
    }
    CloseHandle(child.output);
}

int failures = 0;
void report(bool passed, const char *what)
{
    if (passed) {
        std::printf("encoder slots under wine: %s\n", what);
    } else {
        std::printf("slots-mingw: FAILED: %s\n", what);
        ++failures;
    }
}

int check()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root =
        std::wstring(temp) + L"tonewright-slots-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring folder = root + L"\\slots";
    CreateDirectoryW(root.c_str(), nullptr);
    const int slots = 2;

    // Five conversions start at once; two may run.
    std::vector<Child> children;
    for (int i = 0; i < 5; ++i)
        children.push_back(spawn(folder, slots));
    std::set<std::string> held;
    int busy = 0;
    std::size_t firstHolder = children.size();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const std::string line = firstLine(children[i]);
        if (line.rfind("held ", 0) == 0) {
            held.insert(line);
            if (firstHolder == children.size())
                firstHolder = i;
        }
        busy += line == "busy";
    }
    report(held.size() == slots && busy == 3,
           "at most 2 of 5 processes started at once hold a slot");

    // A holder killed outright frees its slot for the next one.
    bool freed = false;
    if (firstHolder < children.size()) {
        TerminateProcess(children[firstHolder].process.hProcess, 1);
        WaitForSingleObject(children[firstHolder].process.hProcess, 30000);
        children.push_back(spawn(folder, slots));
        freed = firstLine(children.back()).rfind("held ", 0) == 0;
    }
    report(freed, "a killed holder frees its slot");
    for (Child &child : children)
        finish(child);

    // Only a slot held by another conversion is waited for: a folder that
    // went away is tried again, anything else runs without the limit.
    const std::wstring notAFolder = root + L"\\file";
    HANDLE file = CreateFileW(notAFolder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    const std::wstring folderAsLock = lockFile(folder, slots); // beside the files left above
    CreateDirectoryW(folderAsLock.c_str(), nullptr);
    report(slotlock::preparePrivateFolder(notAFolder) == Outcome::Unusable &&
               slotlock::tryLock(folderAsLock).outcome == Outcome::Unusable,
           "a file for the folder or a folder for a lock file runs without the limit");
    report(slotlock::tryLock(lockFile(root + L"\\gone", 0)).outcome == Outcome::Vanished,
           "a slot folder removed meanwhile is tried again");

    RemoveDirectoryW(folderAsLock.c_str());
    for (int index = 0; index < slots; ++index)
        DeleteFileW(lockFile(folder, index).c_str());
    RemoveDirectoryW(folder.c_str());
    DeleteFileW(notAFolder.c_str());
    RemoveDirectoryW(root.c_str());
    return failures == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc == 4 && std::wstring(argv[1]) == L"take")
        return take(argv[2], _wtoi(argv[3]));
    return check();
}
