#include "publish/certificatefingerprint.h"

#include <QCryptographicHash>

#include <optional>

namespace {

// One DER element: where its contents start and how long it is in all.
struct Element {
    qsizetype contentStart = 0;
    qsizetype contentLength = 0;
    qsizetype end() const { return contentStart + contentLength; }
};

std::optional<Element> elementAt(const QByteArray &der, qsizetype at)
{
    if (at + 2 > der.size())
        return std::nullopt;
    qsizetype length = static_cast<unsigned char>(der.at(at + 1));
    qsizetype start = at + 2;
    if (length & 0x80) {
        const int octets = length & 0x7f;
        if (octets < 1 || octets > 4 || start + octets > der.size())
            return std::nullopt;
        length = 0;
        for (int i = 0; i < octets; ++i)
            length = (length << 8) | static_cast<unsigned char>(der.at(start + i));
        start += octets;
    }
    if (start + length > der.size())
        return std::nullopt;
    return Element{start, length};
}

// The subject public key info of a certificate: the seventh element of the signed
// part, or the sixth when the optional version is absent.
std::optional<QByteArray> publicKeyInfo(const QByteArray &der)
{
    const std::optional<Element> certificate = elementAt(der, 0);
    const std::optional<Element> signedPart = certificate ? elementAt(der, certificate->contentStart) : std::nullopt;
    if (!signedPart)
        return std::nullopt;
    qsizetype at = signedPart->contentStart;
    const bool hasVersion = static_cast<unsigned char>(der.at(at)) == 0xa0;
    for (int skip = hasVersion ? 6 : 5; skip > 0; --skip) {
        const std::optional<Element> element = elementAt(der, at);
        if (!element)
            return std::nullopt;
        at = element->end();
    }
    const std::optional<Element> info = elementAt(der, at);
    if (!info || info->end() > signedPart->end())
        return std::nullopt;
    return der.mid(at, info->end() - at);
}

}  // namespace

CertificateFingerprint CertificateFingerprint::ofPem(const QByteArray &pem)
{
    const qsizetype begin = pem.indexOf("-----BEGIN CERTIFICATE-----");
    const qsizetype end = pem.indexOf("-----END CERTIFICATE-----");
    if (begin < 0 || end < begin)
        return {};
    const QByteArray body = pem.mid(begin + 27, end - begin - 27);
    const QByteArray der = QByteArray::fromBase64(body.simplified().replace(' ', QByteArray()));
    const std::optional<QByteArray> info = publicKeyInfo(der);
    if (!info)
        return {};
    const QByteArray digest = QCryptographicHash::hash(der, QCryptographicHash::Sha256);
    return {QString::fromLatin1(digest.toHex(':').toUpper()),
            QStringLiteral("sha256//")
                + QString::fromLatin1(QCryptographicHash::hash(*info, QCryptographicHash::Sha256).toBase64())};
}
