#pragma once

#include <cstdint>

namespace discpull {

// An owned block of bytes. Allocation failure is reported, never thrown, so
// that an extraction can fail cleanly on a machine short of memory.
class ByteBuffer
{
public:
    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(const ByteBuffer &) = delete;
    ByteBuffer &operator=(const ByteBuffer &) = delete;

    // A block of the given size with undefined contents; false (and released)
    // when the size is negative or the memory is not available.
    bool allocate(std::int32_t size);
    // Changes the size keeping the contents up to the smaller size; false
    // (buffer unchanged) when the memory is not available.
    bool resize(std::int32_t size);
    // Pointer null, size 0.
    void release();

    unsigned char *data() { return m_data; }
    const unsigned char *data() const { return m_data; }
    std::int32_t size() const { return m_size; }

private:
    unsigned char *m_data = nullptr;
    std::int32_t m_size = 0;
};

} // namespace discpull
