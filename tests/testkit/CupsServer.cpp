#include "testkit/CupsServer.h"

#include "platform/Printer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <utility>

using namespace Qt::StringLiterals;

namespace testkit {

namespace {

// The server's configuration and the queues' drivers.
QString dataFile(const QString& name)
{
    return qEnvironmentVariable("GEOMIRA_SOURCE_DIR") + u"/tests/testkit/printers/"_s + name;
}

QString program(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/local/sbin"_s}) : found;
}

// Waits up to 10 s for the file.
bool waitFor(const QString& path, const QProcess* alive = nullptr)
{
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired() && (!alive || alive->state() != QProcess::NotRunning))
        QThread::msleep(20);
    return QFile::exists(path);
}

} // namespace

QList<TestQueue> testQueues()
{
    const QMarginsF halfInch(12.7, 12.7, 12.7, 12.7);
    return {{u"a4-whole-sheet"_s, QPageSize::A4, QMarginsF()},
            {u"a4-margins"_s, QPageSize::A4, halfInch},
            {u"letter-margins"_s, QPageSize::Letter, halfInch}};
}

CupsServer::CupsServer() : socket_(dir_.filePath(u"cups.sock"_s))
{
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
}

bool CupsServer::start()
{
    if (std::exchange(tried_, true))
        return ready_;
    const QString cupsd = program(u"cupsd"_s), lpadmin = program(u"lpadmin"_s);
    if (cupsd.isEmpty() || lpadmin.isEmpty()) {
        fault_ = u"cupsd or lpadmin missing (packages cups-daemon, cups-client: scripts/setup.sh installs them)"_s;
        return false;
    }
    const QDir dir(dir_.path());
    for (const char* sub : {"spool", "cache", "state", "tmp", "log"})
        dir.mkdir(QLatin1StringView(sub));
    for (const QString& name : {u"cupsd.conf"_s, u"cups-files.conf"_s}) {
        QFile model(dataFile(name)), conf(dir.filePath(name));
        if (!model.open(QIODevice::ReadOnly) || !conf.open(QIODevice::WriteOnly)
            || conf.write(model.readAll().replace("@DIR@", dir.path().toLocal8Bit())) < 0) {
            fault_ = u"cannot write %1 from %2"_s.arg(conf.fileName(), model.fileName());
            return false;
        }
    }
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd, {u"-f"_s, u"-c"_s, dir.filePath(u"cupsd.conf"_s), u"-s"_s, dir.filePath(u"cups-files.conf"_s)});
    if (!waitFor(socket_, &cupsd_)) {
        cupsd_.waitForFinished(100);
        fault_ = u"cupsd did not start: "_s + QString::fromLocal8Bit(cupsd_.readAll());
        return false;
    }
    for (const TestQueue& queue : testQueues()) {
        QProcess admin;
        admin.setProcessChannelMode(QProcess::MergedChannels);
        admin.start(lpadmin, {u"-p"_s, queue.name, u"-v"_s, u"file:///dev/null"_s, u"-P"_s, dataFile(queue.name + u".ppd"_s),
                              u"-E"_s});
        if (!admin.waitForFinished(30000) || admin.exitCode() != 0) {
            fault_ = u"lpadmin failed for %1: %2"_s.arg(queue.name, QString::fromLocal8Bit(admin.readAll()));
            return false;
        }
    }
    return ready_ = true;
}

CupsServer::~CupsServer()
{
    qunsetenv("LPDEST");
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000))
        cupsd_.kill(), cupsd_.waitForFinished(10000);
}

QString CupsServer::printThrough(const TestQueue& queue, const std::function<void()>& print)
{
    if (!start())
        return QString();
    fault_.clear();
    // Named by the environment, before any default set on the machine or by the user.
    qputenv("LPDEST", queue.name.toLocal8Bit());
    const QStringList before = jobs();
    {
        platform::ScopedSeam<platform::Printer> systemPrinter(nullptr);
        print();
    }
    const QStringList after = jobs();
    if (after.size() != before.size() + 1) {
        fault_ = u"%1 jobs sent to %2 instead of one"_s.arg(after.size() - before.size()).arg(queue.name);
        return QString();
    }
    // Job n leaves its document in "d0000n-001" as soon as it is taken, its attributes in "c0000n" a moment later.
    const QString job = after.last().mid(1, 5), media = jobAttribute(job, "media");
    if (media != QPageSize(queue.paper).key()) {
        fault_ = u"the job asks for paper \"%1\" instead of \"%2\""_s.arg(media, QPageSize(queue.paper).key());
        return QString();
    }
    return dir_.filePath(u"spool/d%1-001"_s.arg(job));
}

QStringList CupsServer::jobs() const
{
    return QDir(dir_.filePath(u"spool"_s)).entryList({u"d*"_s}, QDir::Files, QDir::Name);
}

QString CupsServer::jobAttribute(const QString& job, const QByteArray& name) const
{
    // The attributes are kept as an IPP message: value tag, name length (2 bytes), name,
    // value length (2 bytes), value.
    QFile file(dir_.filePath(u"spool/c"_s + job));
    if (!waitFor(file.fileName()) || !file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray ipp = file.readAll();
    const QByteArray key = QByteArray(1, char(name.size() >> 8)) + char(name.size() & 0xFF) + name;
    const qsizetype at = ipp.indexOf(key), value = at + key.size() + 2;
    if (at < 1 || value > ipp.size())
        return QString();
    return QString::fromUtf8(ipp.mid(value, (uchar(ipp[value - 2]) << 8) | uchar(ipp[value - 1])));
}

} // namespace testkit
