#include "platform/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>

namespace platform {

namespace {
// Blocks of OR-ed bytes: a loop the compiler vectorises, unlike one that stops at
// the first byte above 0x7f; the encoder's output is read through here.
bool isAscii(const char* p, qsizetype n)
{
    constexpr qsizetype kBlock = 4096;
    for (qsizetype at = 0; at < n; at += kBlock) {
        const qsizetype end = std::min(n, at + kBlock);
        unsigned char any = 0;
        for (qsizetype i = at; i < end; ++i)
            any |= static_cast<unsigned char>(p[i]);
        if (any & 0x80)
            return false;
    }
    return true;
}
} // namespace

std::optional<QString> decode(const QByteArray& bytes, quint64 encoding)
{
    if (encoding == ASCIIStringEncoding) {
        if (!isAscii(bytes.constData(), bytes.size()))
            return std::nullopt;
        return QString::fromLatin1(bytes);
    }
    if (encoding == UTF8StringEncoding) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }
    return std::nullopt;
}

QByteArray encode(const QString& text, quint64 encoding)
{
    if (encoding == ASCIIStringEncoding)
        return text.toLatin1();
    return text.toUtf8();
}

} // namespace platform
