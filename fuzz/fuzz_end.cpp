// libFuzzer target: a conversion's standard error, as the end is judged from it.
// Nothing may crash, and the judgement must not depend on how the bytes arrived.
#include "engine/ProbeText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
struct Judged {
    bool noSpace, onlyTags;
    QString last, trouble;
    bool operator==(const Judged&) const = default;
};

Judged judge(const QByteArray& bytes, qsizetype piece)
{
    engine::ConversionText t(QStringLiteral("/m/a.flac"), QStringLiteral("/run/q/k3j9.mp3"));
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        t.feed(bytes.mid(at, piece));
    t.finish();
    return {t.noSpaceSaid(), t.noSpaceOnlyInTagLines(), t.lastDiagnosticLine(), engine::troubleText(t.trouble())};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Judged whole = judge(bytes, std::max<qsizetype>(1, bytes.size()));
    for (qsizetype piece : {7, 1})
        if (const Judged cut = judge(bytes, piece); !(cut == whole)) {
            std::fprintf(stderr, "cut in %lld: %d %d [%s] [%s], whole: %d %d [%s] [%s]\n", qlonglong(piece), cut.noSpace,
                         cut.onlyTags, qPrintable(cut.last), qPrintable(cut.trouble), whole.noSpace, whole.onlyTags,
                         qPrintable(whole.last), qPrintable(whole.trouble));
            std::abort();
        }
    return 0;
}
