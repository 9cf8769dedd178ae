#include "ui/Text.h"

namespace ui {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
// Overlong forms, surrogates and code points above U+10FFFF are not valid.
std::size_t Utf8SequenceLength(const std::string& s, std::size_t i, char32_t& codePoint)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

} // namespace

QString ToQString(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const std::size_t length = Utf8SequenceLength(bytes, i, codePoint);
        if (length == 0) {
            text.append(QChar(static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            text.append(QString::fromUcs4(&codePoint, 1));
            i += length;
        }
    }
    return text;
}

std::string ToStdString(const QString& text)
{
    return text.toStdString();
}

} // namespace ui
