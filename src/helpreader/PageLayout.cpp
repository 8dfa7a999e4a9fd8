#include "helpreader/PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QDeadlineTimer>
#include <QTextDocument>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::HelpContent;

namespace helpreader {

namespace {

// A page with its style sheets and pictures taken from the help file, as the help window loads them.
class HelpDocument final : public QTextDocument {
public:
    HelpDocument(const HelpContent& help, const QUrl& page) : help_(help), page_(page) {}

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QByteArray* data = help_.resource(page_, name, type == ImageResource);
        return data ? QVariant(*data) : QVariant();
    }

private:
    const HelpContent& help_;
    const QUrl page_;
};

void layOut(const HelpContent& help, const QString& path)
{
    HelpDocument document(help, HelpContent::pageUrl(path));
    document.setHtml(QString::fromUtf8(*help.page(path)));
    document.setTextWidth(HelpContent::PageWidth);
    // The document's size is known once the whole of it is laid out.
    document.documentLayout()->documentSize();
}

} // namespace

PageLayout::PageLayout()
{
    QTextDocument sample;
    sample.setHtml(QStringLiteral("<p>a <b>b</b> <i>c</i></p>"));
    sample.documentLayout()->documentSize();
}

bool PageLayout::laysOutInTime(const HelpContent& help, const QString& path, int budgetMs) const
{
    if (!help.page(path))
        return false;
    int done[2];
    if (::pipe2(done, O_CLOEXEC) != 0)
        return false;
    const QDeadlineTimer deadline(budgetMs);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(done[0]);
        layOut(help, path);
        const char finished = 1;
        ::_exit(::write(done[1], &finished, 1) == 1 ? 0 : 1);
    }
    ::close(done[1]);
    char finished = 0;
    bool answered = false;
    if (child > 0) {
        pollfd answer{done[0], POLLIN, 0};
        int ready = 0;
        do
            ready = ::poll(&answer, 1, int(deadline.remainingTime()));
        while (ready < 0 && errno == EINTR);
        // A child that crashed closes the pipe without a word.
        answered = ready > 0 && ::read(done[0], &finished, 1) == 1;
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ::close(done[0]);
    return answered && finished == 1;
}

} // namespace helpreader
