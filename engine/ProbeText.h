#pragma once
#include <QString>
#include <optional>

namespace engine {

inline constexpr char16_t kInvalidData[] = u"Invalid data found when processing input";
inline constexpr char16_t kAudio[] = u"Audio";
inline constexpr char16_t kDurationMarker[] = u"Duration: ";

// The probe text with every echo of the probed path taken out, so a name such as
// "Audio/clip.mp4" cannot decide the test.
QString withoutPath(const QString& probeText, const QString& path);

// Length of the first "Invalid data found when processing input" (0 when absent).
qsizetype invalidDataRangeLength(const QString& probeText);

// Accepted when the text exists, lacks the invalid-data message and holds "Audio".
bool acceptsProbe(const std::optional<QString>& probeText);

// Characters after the first "Duration: " up to the first ","; none without the marker.
std::optional<QString> durationText(const QString& probeText);

// Whole seconds of a duration text cut to 32 bits; none when it cannot be read.
std::optional<qint32> durationSeconds(const QString& durationText);

} // namespace engine
