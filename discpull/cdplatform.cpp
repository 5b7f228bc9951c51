#include "cdplatform.h"

#include <cstdio>

namespace discpull {

namespace {

class StdioOutputFile : public OutputFile
{
public:
    explicit StdioOutputFile(std::FILE *file)
        : m_file(file)
    {
    }
    ~StdioOutputFile() override { close(); }

    bool write(const unsigned char *data, std::size_t size) override
    {
        return m_file && std::fwrite(data, 1, size, m_file) == size;
    }

    bool close() override
    {
        if (!m_file)
            return false;
        const bool ok = std::fclose(m_file) == 0;
        m_file = nullptr;
        return ok;
    }

private:
    std::FILE *m_file;
};

} // namespace

std::unique_ptr<OutputFile> CdPlatform::createFile(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return nullptr;
    return std::make_unique<StdioOutputFile>(file);
}

std::string CdPlatform::driveArgumentHelp() const
{
    return "<drive> names the optical drive.";
}

} // namespace discpull
