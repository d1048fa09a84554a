#include "publish/passwordstore.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Quillset server passwords");

// Runs a job to its end and reads how it ended.
PasswordStore::Answer finish(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    PasswordStore::Answer answer;
    // Only a store that answers is one: no back end, no session bus or a locked-out store all mean asking each time.
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound) {
        answer.storeRunning = false;
        answer.error = job.errorString();
    }
    return answer;
}

}  // namespace

PasswordStore::Answer PasswordStore::read(const QString &account)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(account);
    Answer answer = finish(job);
    if (answer.error.isEmpty())
        answer.password = job.textData();
    return answer;
}

PasswordStore::Answer PasswordStore::write(const QString &account, const QString &password)
{
    if (password.isEmpty()) {
        QKeychain::DeletePasswordJob job(kService);
        job.setKey(account);
        return finish(job);
    }
    QKeychain::WritePasswordJob job(kService);
    job.setKey(account);
    job.setTextData(password);
    return finish(job);
}
