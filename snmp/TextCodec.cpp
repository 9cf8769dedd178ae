#include "snmp/TextCodec.h"

#include "snmp/Exception.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

[[noreturn]] void UnknownCodec(const std::string& codec)
{
    throw Exception("The code page \"" + codec + "\" is not available");
}

} // namespace

std::string DecodeText(const std::string& octets, const std::string& codec)
{
    QStringDecoder decoder(codec.c_str());
    if (!decoder.isValid())
        UnknownCodec(codec);
    const QString text = decoder(QByteArray::fromStdString(octets));
    return text.toStdString();
}

std::string EncodeText(const std::string& text, const std::string& codec)
{
    QStringEncoder encoder(codec.c_str());
    if (!encoder.isValid())
        UnknownCodec(codec);
    const QByteArray octets = encoder(QString::fromStdString(text));
    if (encoder.hasError())
        throw Exception("\"" + text + "\" cannot be written in " + codec);
    return octets.toStdString();
}
