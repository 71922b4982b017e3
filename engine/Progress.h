#pragma once
#include <QString>
#include <optional>

namespace engine {

// The time text after the first "time=" of the encoder's own progress lines, up to
// the first space; none without one. firstLineForeign: the text begins in the
// middle of a line that is not the encoder's own (a dumped tag's value).
std::optional<QString> progressTimeText(const QString& errorText, bool firstLineForeign = false);

// The percentage a progress tick shows for an error-view text: signed 32-bit
// arithmetic that wraps, truncated toward zero, not clamped. None when the tick
// must leave the label and bar alone (no "time=", an unreadable time, duration 0).
std::optional<qint32> progressPercent(const QString& errorText, qint32 totalDuration, bool firstLineForeign = false);

} // namespace engine
