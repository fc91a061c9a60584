// Text to Windows-1252 bytes, the encoding of the exported isochore files.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace single_phase {

// The Windows-1252 bytes of `text`, or empty when a character has no byte there
// (nothing is replaced or dropped silently).
std::optional<QByteArray> ToWindows1252(const QString& text);

}  // namespace single_phase
