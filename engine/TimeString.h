#pragma once
#include <QString>
#include <QStringView>

namespace engine {

// The leading integer of a text: white space skipped, an optional sign, then
// decimal digits up to the first other character; 0 without digits. Saturates.
qint64 integerValue(QStringView text);

// Whole seconds of "h:m:s.ff" (fraction cut off, parts after the third ignored).
// Throws std::out_of_range when the text has fewer than three ":"-separated parts.
qint64 secondsForTimeString(const QString& text);

} // namespace engine
