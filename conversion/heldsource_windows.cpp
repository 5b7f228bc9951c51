#include "heldsource.h"

#include <QFileInfo>

#include <utility>

// Name based: the tools open the name again, as the open file cannot be
// handed to them. What the name stands for is still checked at selection
// and at the file's turn.
namespace heldsource {
namespace {

Failure failureOf(const QFileInfo &info)
{
    if (!info.exists())
        return Failure::Gone;
    return info.isFile() ? Failure::None : Failure::NotAFile;
}

} // namespace

HeldSource select(const QString &path, Failure *failure)
{
    const QFileInfo info(path);
    const Failure reason = failureOf(info);
    if (failure)
        *failure = reason;
    HeldSource source;
    if (reason == Failure::None) {
        source.m_path = path;
        source.m_wasLink = info.isSymLink();
    }
    return source;
}

HeldSource::HeldSource(HeldSource &&other) noexcept
    : m_path(std::exchange(other.m_path, QString()))
    , m_wasLink(other.m_wasLink)
    , m_fd(std::exchange(other.m_fd, -1))
{
}

HeldSource &HeldSource::operator=(HeldSource &&other) noexcept
{
    if (this != &other) {
        m_path = std::exchange(other.m_path, QString());
        m_wasLink = other.m_wasLink;
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

HeldSource::~HeldSource() = default;

void HeldSource::close()
{
    m_fd = -1;
}

Failure HeldSource::open()
{
    if (m_path.isEmpty())
        return Failure::Gone;
    const QFileInfo info(m_path);
    if (info.isSymLink() != m_wasLink)
        return Failure::Replaced;
    const Failure reason = failureOf(info);
    m_fd = reason == Failure::None ? 0 : -1;
    return reason;
}

int HeldSource::descriptor() const
{
    // The file is held by its name and identity here, not by a descriptor.
    return -1;
}

QString HeldSource::toolPath() const
{
    return m_fd >= 0 ? m_path : QString();
}

} // namespace heldsource
