#include "bytebuffer.h"

#include <cstdlib>

namespace discpull {

ByteBuffer::~ByteBuffer()
{
    release();
}

bool ByteBuffer::allocate(std::int32_t size)
{
    release();
    return resize(size);
}

bool ByteBuffer::resize(std::int32_t size)
{
    if (size < 0)
        return false;
    if (size == 0) {
        release();
        return true;
    }
    void *block = std::realloc(m_data, static_cast<std::size_t>(size));
    if (!block)
        return false;
    m_data = static_cast<unsigned char *>(block);
    m_size = size;
    return true;
}

void ByteBuffer::release()
{
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
}

} // namespace discpull
