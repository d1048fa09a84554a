#include "publish/serversession.h"

#include "publish/certificatefingerprint.h"

#include <QCryptographicHash>

#include <curl/curl.h>

#include <mutex>

namespace {

// The name of a file that waits to be renamed into place.
CURL *handle(void *curl)
{
    return static_cast<CURL *>(curl);
}

// A pin no key has: the probe that fetches a certificate stops at it before any log-in.
const char kImpossiblePin[] = "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t appendReceived(char *data, size_t size, size_t count, void *target)
{
    static_cast<QByteArray *>(target)->append(data, static_cast<qsizetype>(size * count));
    return size * count;
}

}  // namespace

// What one request sends, receives and reports.
struct ServerSession::Request {
    QByteArray url;
    QString file;  // the file the progress names
    const QByteArray *upload = nullptr;
    qsizetype uploaded = 0;
    bool append = false;
    QByteArray *received = nullptr;
    bool listOnly = false;
    QList<QByteArray> commands;
    const TransferProgress *progress = nullptr;
    bool cancelled = false;
    char error[CURL_ERROR_SIZE] = {};
};

namespace {

size_t readUpload(char *buffer, size_t size, size_t count, void *data)
{
    auto *request = static_cast<ServerSession::Request *>(data);
    const qsizetype left = request->upload->size() - request->uploaded;
    const qsizetype chunk = std::min<qsizetype>(left, static_cast<qsizetype>(size * count));
    memcpy(buffer, request->upload->constData() + request->uploaded, static_cast<size_t>(chunk));
    request->uploaded += chunk;
    return static_cast<size_t>(chunk);
}

int reportProgress(void *data, curl_off_t downloadTotal, curl_off_t downloaded, curl_off_t uploadTotal,
                   curl_off_t uploaded)
{
    auto *request = static_cast<ServerSession::Request *>(data);
    if (!request->progress || !*request->progress)
        return 0;
    const bool sending = request->upload != nullptr;
    const qint64 done = sending ? uploaded : downloaded;
    const qint64 total = sending ? request->upload->size() : downloadTotal;
    Q_UNUSED(uploadTotal)
    if (!(*request->progress)(request->file, done, total))
        request->cancelled = true;
    return request->cancelled ? 1 : 0;
}

}  // namespace

ServerSession::ServerSession(const PublishServer &server, const QString &password, const TrustedServers &trusted,
                             PublishQuestions &questions)
    : m_server(server)
    , m_password(password)
    , m_trusted(trusted)
    , m_questions(questions)
{
    initialiseOnce();
    m_curl = curl_easy_init();
}

ServerSession::~ServerSession()
{
    curl_easy_cleanup(handle(m_curl));
}

int ServerSession::hostKeyCallback(void *session, int keyType, const char *key, size_t length)
{
    Q_UNUSED(keyType)
    return static_cast<ServerSession *>(session)->checkHostKey(QByteArray(key, static_cast<qsizetype>(length)));
}

// The fingerprint as OpenSSH shows it: "SHA256:" and the digest in base64 without padding.
int ServerSession::checkHostKey(const QByteArray &key)
{
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    m_presentedKey = QStringLiteral("SHA256:") + QString::fromLatin1(digest.toBase64(QByteArray::OmitTrailingEquals));
    const QString endpoint = m_server.endpoint();
    const QString known = m_trusted.find(endpoint, TrustedServers::HostKey).fingerprint;
    if (known == m_presentedKey)
        return CURLKHMATCH_OK;
    if (!known.isEmpty()) {
        m_keyChanged = true;
        return CURLKHMATCH_MISMATCH;
    }
    if (!m_questions.trustHostKey(endpoint, m_presentedKey)) {
        m_identityRefused = true;
        return CURLKHMATCH_MISMATCH;
    }
    m_trusted.remember(endpoint, TrustedServers::HostKey, {m_presentedKey, {}});
    return CURLKHMATCH_OK;
}

void ServerSession::setCommonOptions(Request &request)
{
    CURL *curl = handle(m_curl);
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, request.url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, m_server.user.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, request.error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    // A server that stops answering counts as a dropped connection after half a minute.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, reportProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &request);
    if (m_server.protocol == PublishProtocol::Sftp) {
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                         static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYFUNCTION, hostKeyCallback);
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYDATA, this);
    } else if (m_server.protocol == PublishProtocol::Ftps) {
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        const QByteArray pin = m_trusted.find(m_server.endpoint(), TrustedServers::Certificate).pin.toLatin1();
        // An accepted self-signed certificate is checked by its key alone.
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, pin.isEmpty() ? 1L : 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, pin.isEmpty() ? 2L : 0L);
        if (!pin.isEmpty())
            curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, pin.constData());
    }
}

ServerSession::Result ServerSession::performOnce(Request &request)
{
    CURL *curl = handle(m_curl);
    setCommonOptions(request);
    if (request.upload) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
        curl_easy_setopt(curl, CURLOPT_READDATA, &request);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.upload->size()));
        curl_easy_setopt(curl, CURLOPT_APPEND, request.append ? 1L : 0L);
    }
    QByteArray discarded;
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendReceived);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, request.received ? request.received : &discarded);
    if (request.listOnly)
        curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, 1L);
    curl_slist *commands = nullptr;
    for (const QByteArray &command : request.commands)
        commands = curl_slist_append(commands, command.constData());
    if (commands) {
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTQUOTE, commands);
    }
    request.uploaded = 0;
    m_keyChanged = m_identityRefused = false;
    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(commands);
    return classify(code, request);
}

ServerSession::Result ServerSession::perform(Request &request)
{
    const Result first = performOnce(request);
    const bool unknownCertificate = first.kind == Result::Failed && m_server.protocol == PublishProtocol::Ftps
        && first.detail.startsWith(QLatin1String("certificate:"));
    if (!unknownCertificate)
        return first;
    if (!askAboutCertificate())
        return {Result::IdentityRefused, first.detail.mid(12)};
    if (request.received)
        request.received->clear();
    return performOnce(request);
}

// Fetches the certificate the server shows, without logging in (the probe stops at a
// pin no key has), and asks whether to trust it.
bool ServerSession::askAboutCertificate()
{
    CURL *probe = curl_easy_init();
    curl_easy_setopt(probe, CURLOPT_URL, m_server.folderUrl().constData());
    curl_easy_setopt(probe, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(probe, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(probe, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(probe, CURLOPT_PINNEDPUBLICKEY, kImpossiblePin);
    curl_easy_setopt(probe, CURLOPT_CERTINFO, 1L);
    curl_easy_setopt(probe, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(probe, CURLOPT_NOSIGNAL, 1L);
    curl_easy_perform(probe);
    curl_certinfo *chain = nullptr;
    QByteArray pem;
    if (curl_easy_getinfo(probe, CURLINFO_CERTINFO, &chain) == CURLE_OK && chain && chain->num_of_certs > 0) {
        for (curl_slist *field = chain->certinfo[0]; field; field = field->next) {
            if (qstrncmp(field->data, "Cert:", 5) == 0)
                pem = QByteArray(field->data + 5);
        }
    }
    curl_easy_cleanup(probe);
    const CertificateFingerprint certificate = CertificateFingerprint::ofPem(pem);
    const QString endpoint = m_server.endpoint();
    if (certificate.pin.isEmpty() || !m_questions.trustCertificate(endpoint, certificate.fingerprint))
        return false;
    m_trusted.remember(endpoint, TrustedServers::Certificate, {certificate.fingerprint, certificate.pin});
    return true;
}

ServerSession::Result ServerSession::classify(int code, const Request &request) const
{
    long response = 0;
    curl_easy_getinfo(handle(m_curl), CURLINFO_RESPONSE_CODE, &response);
    const QString detail = request.error[0] ? QString::fromUtf8(request.error)
                                            : QString::fromUtf8(curl_easy_strerror(static_cast<CURLcode>(code)));
    switch (code) {
    case CURLE_OK: return {};
    case CURLE_ABORTED_BY_CALLBACK: return {request.cancelled ? Result::Cancelled : Result::Failed, detail};
    case CURLE_LOGIN_DENIED: return {Result::LoginRefused, detail};
    case CURLE_REMOTE_FILE_NOT_FOUND: return {Result::FolderMissing, detail};
    case CURLE_REMOTE_ACCESS_DENIED:
        // FTP: the server would not change into the folder.
        return {request.upload ? Result::NotStored : Result::FolderMissing, detail};
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_UPLOAD_FAILED: return {Result::NotStored, detail};
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT: return {Result::Unreachable, detail};
    case CURLE_PEER_FAILED_VERIFICATION:
        if (m_keyChanged)
            return {Result::HostKeyChanged, detail};
        if (m_identityRefused)
            return {Result::IdentityRefused, detail};
        return {Result::Failed, QStringLiteral("certificate:") + detail};
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH: return {Result::HostKeyChanged, detail};
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_WEIRD_SERVER_REPLY: return {Result::Dropped, detail};
    default: break;
    }
    // Some servers end a refused write with an FTP 45x/55x answer, which curl does not name as such.
    if (request.upload && (response == 451 || response == 452 || response == 552 || response == 553))
        return {Result::NotStored, detail};
    return {request.upload ? Result::NotStored : Result::Failed, detail};
}

ServerSession::Result ServerSession::list(QStringList &names)
{
    QByteArray listing;
    Request request;
    request.url = m_server.folderUrl();
    request.received = &listing;
    request.listOnly = true;
    const Result result = perform(request);
    names.clear();
    for (const QByteArray &line : listing.split('\n')) {
        const QString name = QString::fromUtf8(line.trimmed());
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."))
            names << name;
    }
    return result;
}

ServerSession::Result ServerSession::upload(const QString &name, const QByteArray &bytes, bool append,
                                            const TransferProgress &progress)
{
    Request request;
    request.url = m_server.fileUrl(name);
    request.file = name;
    request.upload = &bytes;
    request.append = append;
    request.progress = &progress;
    return perform(request);
}

ServerSession::Result ServerSession::download(const QString &name, QByteArray &bytes, const TransferProgress &progress)
{
    Request request;
    request.url = m_server.fileUrl(name);
    request.file = name;
    request.received = &bytes;
    request.progress = &progress;
    bytes.clear();
    return perform(request);
}

namespace {

QByteArray quoted(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return '"' + escaped.toUtf8() + '"';
}

}  // namespace

ServerSession::Result ServerSession::rename(const QList<QPair<QString, QString>> &fromTo)
{
    Request request;
    request.url = m_server.folderUrl();
    for (const auto &[from, to] : fromTo) {
        if (m_server.protocol == PublishProtocol::Sftp) {
            // An SFTP rename does not replace a file: the old one goes the moment before.
            request.commands << "*rm " + quoted(m_server.sftpPath(to));
            request.commands << "rename " + quoted(m_server.sftpPath(from)) + ' ' + quoted(m_server.sftpPath(to));
        } else {
            request.commands << "RNFR " + from.toUtf8() << "RNTO " + to.toUtf8();
        }
    }
    return perform(request);
}

ServerSession::Result ServerSession::remove(const QStringList &names)
{
    Request request;
    request.url = m_server.folderUrl();
    for (const QString &name : names) {
        request.commands << (m_server.protocol == PublishProtocol::Sftp ? "*rm " + quoted(m_server.sftpPath(name))
                                                                        : "*DELE " + name.toUtf8());
    }
    return perform(request);
}
