#pragma once

#include <QByteArray>
#include <QString>

// What identifies a server certificate: its SHA-256 fingerprint as people compare
// it (colon-separated upper-case hex of the whole certificate) and the pin of its
// public key ("sha256//" + base64 of the SHA-256 of the subject public key info)
// that the transfer checks on later connections. Empty when the text is no PEM
// certificate.
struct CertificateFingerprint {
    QString fingerprint;
    QString pin;

    static CertificateFingerprint ofPem(const QByteArray &pem);
};
