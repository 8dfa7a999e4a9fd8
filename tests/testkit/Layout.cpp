#include "testkit/Layout.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStringList>
#include <QTextDocument>

namespace testkit {

namespace {

// The text a control shows, as drawn ("\r" shows nothing).
QString textOf(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->pixmap().isNull() ? label->text() : QString();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text().remove(QLatin1Char('&'));
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        text = box->title();
    else if (auto* bar = qobject_cast<const QStatusBar*>(w))
        text = bar->currentMessage();
    return text.remove(QLatin1Char('\r'));
}

QString name(const QWidget* w)
{
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    QString text = textOf(w).simplified();
    if (!text.isEmpty())
        return QStringLiteral("%1 \"%2\"").arg(kind, text.size() > 40 ? text.left(37) + QStringLiteral("...") : text);
    const QRect g = w->geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5").arg(kind).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

// The room the control's text needs and the room it has: one line needs its ink (what a cut would
// hide); wrapped or several lines need their lines; rich text its laid-out document.
std::pair<QSize, QSize> textRoom(const QWidget* w, const QString& text)
{
    const QFontMetrics fm(w->font());
    QRect area = w->contentsRect();
    int flags = 0;
    bool rich = false;
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        area.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
        const int indent = label->indent() >= 0 ? label->indent() : (label->frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
        if (label->alignment() & (Qt::AlignLeft | Qt::AlignRight))
            area.setWidth(area.width() - indent);
        flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        rich = label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const auto contents = qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
            : qobject_cast<const QCheckBox*>(w)                   ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_PushButtonContents;
        area = w->style()->subElementRect(contents, &option, w);
        if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
            area.setWidth(area.width() - button->iconSize().width() - 4);
    } else if (qobject_cast<const QGroupBox*>(w)) {
        return {w->minimumSizeHint(), w->size()};
    } else {
        area.adjust(4, 0, -4, 0);  // a status bar's margins
    }
    if (rich) {
        QTextDocument doc;
        doc.setDefaultFont(w->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        doc.setTextWidth(flags ? area.width() : -1);
        return {QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height())), area.size()};
    }
    if (!flags && !text.contains(QLatin1Char('\n')))
        return {fm.tightBoundingRect(text).size(), area.size()};
    return {fm.boundingRect(QRect(0, 0, area.width(), 1 << 20), flags, text).size(), area.size()};
}

// Controls whose children are their own machinery, not controls of the window.
bool composite(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QStatusBar*>(w) || qobject_cast<const QAbstractButton*>(w)
        || qobject_cast<const QLabel*>(w) || qobject_cast<const QProgressBar*>(w);
}

void check(const QWidget* parent, const QWidget* window, QStringList* faults)
{
    QList<const QWidget*> frames;
    for (const QObject* object : parent->children()) {
        auto* w = qobject_cast<const QWidget*>(object);
        if (!w || w->isWindow() || !w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (!parent->rect().contains(w->geometry()))
            faults->append(QStringLiteral("%1: outside %2").arg(name(w), parent == window ? QStringLiteral("the window") : name(parent)));
        if (qobject_cast<const QGroupBox*>(w)) {
            for (const QWidget* other : frames) {
                if (other->geometry().intersects(w->geometry()))
                    faults->append(QStringLiteral("%1 overlaps %2").arg(name(w), name(other)));
            }
            frames.append(w);
        }
        if (const QString text = textOf(w); !text.isEmpty()) {
            const auto [needs, has] = textRoom(w, text);
            if (needs.width() > has.width() || needs.height() > has.height())
                faults->append(QStringLiteral("%1: text needs %2x%3 px, has %4x%5")
                                   .arg(name(w)).arg(needs.width()).arg(needs.height()).arg(has.width()).arg(has.height()));
        }
        if (!composite(w))
            check(w, window, faults);
    }
}

} // namespace

QString layoutFaults(const QWidget* window)
{
    QStringList faults;
    if (window)
        check(window, window, &faults);
    return faults.join(QLatin1Char('\n'));
}

} // namespace testkit
