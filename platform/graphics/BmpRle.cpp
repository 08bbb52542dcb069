#include "platform/graphics/BmpFormat.h"

namespace bmp {
namespace {

// Walks the run-length codes. Every code consumes at least two bytes and every pixel written
// is checked against the image, so hostile data can neither loop nor write out of bounds.
class RleDecoder {
public:
    RleDecoder(std::span<const uint8_t> data, const Header& h, const std::vector<uint32_t>& palette,
               Surface& image)
        : m_data(data), m_header(h), m_palette(palette), m_image(image),
          m_nibbles(h.compression == Compression::Rle4) {}

    void Run() {
        for (;;) {
            if (m_pos + 2 > m_data.size()) {
                Reject("the run-length data ends without an end-of-bitmap code");
            }
            uint8_t count = m_data[m_pos], value = m_data[m_pos + 1];
            m_pos += 2;
            if (count > 0) {
                Repeat(count, value);
            } else if (value == 0) {
                m_x = 0;
                ++m_y;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                Delta();
            } else {
                Literal(value);
            }
        }
    }

private:
    void CheckRun(int count) const {
        if (m_y >= m_header.height) {
            Reject("a run-length code writes past the last row");
        }
        if (m_x + count > m_header.width) {
            Reject("a run-length code runs past the end of a row");
        }
    }

    void Put(uint32_t index) {
        if (index >= m_palette.size()) {
            Reject("palette index " + std::to_string(index) + " lies beyond the palette of " +
                   std::to_string(m_palette.size()) + " colours");
        }
        m_image.SetPixel(m_x++, m_header.height - 1 - m_y, m_palette[index]);
    }

    void Repeat(int count, uint8_t value) {
        CheckRun(count);
        for (int i = 0; i < count; ++i) {
            Put(m_nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
        }
    }

    void Delta() {
        if (m_pos + 2 > m_data.size()) {
            Reject("the run-length data ends inside a delta code");
        }
        m_x += m_data[m_pos];
        m_y += m_data[m_pos + 1];
        m_pos += 2;
        if (m_x > m_header.width || m_y > m_header.height) {
            Reject("a run-length delta moves past the image");
        }
    }

    void Literal(int count) {
        size_t bytes = m_nibbles ? (size_t(count) + 1) / 2 : size_t(count);
        size_t padded = (bytes + 1) & ~size_t{1};
        if (m_pos + padded > m_data.size()) {
            Reject("the run-length data ends inside a literal run");
        }
        CheckRun(count);
        const uint8_t* src = m_data.data() + m_pos;
        for (int i = 0; i < count; ++i) {
            Put(m_nibbles ? (i % 2 == 0 ? src[i / 2] >> 4 : src[i / 2] & 0x0F) : src[i]);
        }
        m_pos += padded;
    }

    std::span<const uint8_t> m_data;
    const Header& m_header;
    const std::vector<uint32_t>& m_palette;
    Surface& m_image;
    const bool m_nibbles;
    size_t m_pos = 0;
    int m_x = 0;
    int m_y = 0; // counted from the bottom row
};

} // namespace

void DecodeRle(std::span<const uint8_t> data, const Header& header,
               const std::vector<uint32_t>& palette, Surface& image) {
    RleDecoder(data, header, palette, image).Run();
}

} // namespace bmp
