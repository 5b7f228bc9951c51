#pragma once

#include "cdplatform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace discpull {

// A disc for tests and benchmarks: its table of contents, the faults to
// inject, and nothing else; the audio is generated on demand.
//
// Audio layout: every sector carries the same one-second 440 Hz stereo sine
// (the sector at LBA n holds the samples of sector n mod 75), except that the
// first sample frame of each sector holds its LBA as a little-endian 32-bit
// number, so that tests can tell which sector landed where.
struct SimulatedDisc
{
    std::uint8_t firstTrack = 1;
    std::uint8_t lastTrack = 0;
    // Minute, second, frame of each descriptor, ending with the lead-out.
    std::vector<std::uint8_t> addresses;

    bool failOpen = false;
    bool failLock = false;
    bool failToc = false;
    std::int64_t failReadAt = -1; // a read covering this LBA fails
    std::int64_t writeLimit = -1; // bytes the output accepts before writes come up short
    bool failCreate = false;
    bool failFileClose = false;
    std::string logPath; // simulated program: where to record the requests
    // Instead of the tone, byte i of the sector at LBA n is (n + i) mod 256,
    // so that 256 sectors carry every byte value in every position.
    bool byteRamp = false;

    // Tracks of the given lengths, the first starting at LBA 0 (00:02:00).
    static SimulatedDisc withTrackLengths(const std::vector<std::int32_t> &lengths);
    void addAddress(std::uint8_t minute, std::uint8_t second, std::uint8_t frame);

    // A description file, one directive a line ("#" starts a comment):
    //   tracks <length>...        track lengths in sectors (withTrackLengths)
    //   toc <first> <last>        raw track numbers, followed by
    //   msf <m> <s> <f>           one descriptor each, the lead-out last
    //   fail open|lock|toc|create|close
    //   fail-read <lba>
    //   write-limit <bytes>
    //   log <path>
    //   pattern ramp              byteRamp
    // False when the file cannot be read or a line is not understood.
    static bool load(const std::string &path, SimulatedDisc &disc);
};

// Fills one sector of the simulated audio (see SimulatedDisc).
void fillSimulatedSector(std::int32_t lba, unsigned char *out);
void fillRampSector(std::int32_t lba, unsigned char *out);

// Serves a SimulatedDisc and records every request it receives, in order:
// "open <drive>", "lock", "unlock", "toc", "read <lba> <count>", "eject",
// "load", "check", "release" (the device handle was closed), and
// "create <path>" for output files.
class SimulatedPlatform : public CdPlatform
{
public:
    // The drive name is ignored; every open serves this disc.
    explicit SimulatedPlatform(SimulatedDisc disc);
    // The drive name is the path of a description file (SimulatedDisc::load);
    // one that cannot be loaded is a drive that does not open.
    SimulatedPlatform();

    std::unique_ptr<CdDevice> openDevice(const std::string &drive) override;
    std::unique_ptr<OutputFile> createFile(const std::string &path) override;
    std::string driveArgumentHelp() const override;

    const std::vector<std::string> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    const SimulatedDisc &disc() const { return m_disc; }
    // Output files come from files (a device backend) instead of the portable
    // default, with the disc's write faults still applied.
    void writeFilesThrough(CdPlatform &files) { m_files = &files; }
    void record(std::string request) { m_requests.push_back(std::move(request)); }

private:
    SimulatedDisc m_disc;
    bool m_discFromDriveName = false;
    CdPlatform *m_files = nullptr;
    std::vector<std::string> m_requests;
};

} // namespace discpull
