#pragma once
// A print server of the test's own: cupsd with its socket, spool and queues in
// a temporary folder, reached by this process (and the programs it starts)
// through CUPS_SERVER. It keeps every job it takes, as the program sent it.
// The process reads CUPS_SERVER at its first look for a printer and keeps it:
// create the server before (in initTestCase); until it is started, the process
// sees a machine without printers.
#include <QMarginsF>
#include <QPageSize>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace testkit {

// A queue of the server and what its driver (tests/testkit/printers/<name>.ppd) declares.
struct TestQueue {
    QString name;
    QPageSize::PageSizeId paper;  // the queue's default paper
    QMarginsF outOfReach;         // its border in portrait on that paper, mm
};

// A4 whole sheet, A4 with 12.7 mm margins, Letter with 12.7 mm margins.
QList<TestQueue> testQueues();

class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Runs `print` (the player's printing) with the queue as the default printer
    // and the system's printer in place of the fake; returns the document of the
    // one job this sent, for the queue's paper. Empty otherwise, with the reason
    // in fault(). Starts the server with the test queues at the first print.
    QString printThrough(const TestQueue& queue, const std::function<void()>& print);
    const QString& fault() const { return fault_; }

private:
    bool start();
    QStringList jobs() const;
    QString jobAttribute(const QString& job, const QByteArray& name) const;

    QTemporaryDir dir_;
    QString socket_;
    QProcess cupsd_;
    QString fault_;
    bool tried_ = false, ready_ = false;
};

} // namespace testkit
