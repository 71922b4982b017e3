// libFuzzer target: the encoder's dump of an input, as a probe or a conversion
// prints it, whatever a tag put into it. Nothing may crash or hang, and what the
// dump says must not depend on where a conversion's text was cut into chunks.
#include "engine/ProbeText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = engine::decodeProbeBytes(bytes);
    const engine::InputFacts facts = engine::parseInputDump(text, QStringLiteral("/m/a.flac"));
    const engine::InputFacts asConversion =
        engine::parseInputDump(text, QStringLiteral("/m/a.flac"), QStringLiteral("/o/a.mp3"));
    // The conversion's dump ends at the output's header: it can only know less.
    if (asConversion.opened != facts.opened)
        std::abort();
    (void)engine::encoderOwnText(text);
    (void)engine::markerLines(text);
    return 0;
}
