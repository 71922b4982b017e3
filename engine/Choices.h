#pragma once
#include <QString>
#include <QStringList>

namespace engine {

// What the window's boxes offer, in their order; setting.dat holds indexes into
// these lists, and the command line takes their texts.
inline const QStringList kFormats{QStringLiteral("mp3"),  QStringLiteral("m4a"), QStringLiteral("aac"),
                                  QStringLiteral("ogg"),  QStringLiteral("flac"), QStringLiteral("wav"),
                                  QStringLiteral("aiff"), QStringLiteral("wma"), QStringLiteral("ac3"),
                                  QStringLiteral("opus")};
inline const QStringList kBitrates{QStringLiteral("64"),  QStringLiteral("96"),  QStringLiteral("112"),
                                   QStringLiteral("128"), QStringLiteral("160"), QStringLiteral("192"),
                                   QStringLiteral("224"), QStringLiteral("256"), QStringLiteral("320")};
inline const QStringList kRates{QStringLiteral("22050"), QStringLiteral("32000"), QStringLiteral("44100"),
                                QStringLiteral("48000")};
// The channel index is the number of channels less one.
inline const QStringList kChannels{QStringLiteral("Mono"), QStringLiteral("Stereo")};
inline const QStringList kOutputChoices{QStringLiteral("Original Folder"), QStringLiteral("Choose a Folder…")};

// The choices of a first start: mp3, 192 kbit/s, 44100 Hz, Stereo.
inline constexpr int kDefaultFormat = 0;
inline constexpr int kDefaultBitrate = 5;
inline constexpr int kDefaultRate = 2;
inline constexpr int kDefaultChannel = 1;

} // namespace engine
