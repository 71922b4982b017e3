#include "platform/TextCodec.h"

#include <QStringDecoder>

namespace platform {

std::optional<QString> decode(const QByteArray& bytes, quint64 encoding)
{
    if (encoding == ASCIIStringEncoding) {
        for (char c : bytes)
            if (static_cast<unsigned char>(c) > 0x7f)
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
