#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// String-encoding numbers as the rest of the program uses them.
enum StringEncoding : quint64 { ASCIIStringEncoding = 1, UTF8StringEncoding = 4 };

// Strict decoding: no text at all when a byte is not valid in the encoding.
std::optional<QString> decode(const QByteArray& bytes, quint64 encoding);
QByteArray encode(const QString& text, quint64 encoding);

} // namespace platform
