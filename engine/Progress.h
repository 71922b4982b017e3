#pragma once
#include <QString>
#include <optional>

namespace engine {

// The time text after the first "time=", up to the first space; none without "time=".
std::optional<QString> progressTimeText(const QString& errorText);

// The percentage a progress tick shows for an error-view text: signed 32-bit
// arithmetic that wraps, truncated toward zero, not clamped. None when the tick
// must leave the label and bar alone (no "time=", an unreadable time, duration 0).
std::optional<qint32> progressPercent(const QString& errorText, qint32 totalDuration);

} // namespace engine
