#include "windows/single_phase/Windows1252.h"

#include <array>
#include <cstdint>

namespace single_phase {

namespace {

// Code points of bytes 0x80..0x9F; 0 where the byte is undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> ByteOf(char16_t unit) {
  // Below 0x80 and from 0xA0 to 0xFF the byte equals the code point; the C1
  // controls 0x80..0x9F have no byte of their own.
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;  // surrogate halves included: no character beyond U+FFFF has a byte
}

}  // namespace

std::optional<QByteArray> ToWindows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar c : text) {
    const std::optional<char> byte = ByteOf(c.unicode());
    if (!byte) return std::nullopt;
    bytes.append(*byte);
  }
  return bytes;
}

}  // namespace single_phase
