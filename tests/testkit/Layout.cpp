#include "testkit/Layout.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace testkit {

namespace {

QString shown(QString text)
{
    text.remove(QLatin1Char('\r'));
    return text;
}

QString name(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        text = box->title();
    else if (auto* bar = qobject_cast<const QStatusBar*>(w))
        text = bar->currentMessage();
    text = shown(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    if (!text.isEmpty())
        return QStringLiteral("%1 \"%2\"").arg(kind, text.size() > 40 ? text.left(37) + QStringLiteral("...") : text);
    const QRect g = w->geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5").arg(kind).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

// The room a one-line text needs: its ink, as far as it is cut when it does not fit.
QSize lineNeeds(const QFontMetrics& fm, const QString& text) { return fm.tightBoundingRect(text).size(); }

// A text drawn in `area` with `flags`: what it needs there, wrapped or not.
QSize textNeeds(const QFont& font, const QString& raw, const QRect& area, int flags, bool rich)
{
    const QString text = shown(raw);
    if (rich) {
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        doc.setTextWidth((flags & Qt::TextWordWrap) ? area.width() : -1);
        return QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
    }
    const QFontMetrics fm(font);
    if (!text.contains(QLatin1Char('\n')) && !(flags & Qt::TextWordWrap))
        return lineNeeds(fm, text);
    return fm.boundingRect(QRect(0, 0, area.width(), 1 << 20), flags & ~Qt::AlignVertical_Mask, text).size();
}

QString labelFault(const QLabel* label)
{
    if (label->text().isEmpty() || (!label->pixmap().isNull()))
        return {};
    QRect area = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const int indent = label->indent() >= 0 ? label->indent()
                                            : (label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2 : 0);
    if (label->alignment() & (Qt::AlignLeft | Qt::AlignRight))
        area.setWidth(area.width() - indent);
    const bool rich = label->textFormat() == Qt::RichText
                   || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QSize needs = textNeeds(label->font(), label->text(), area, flags, rich);
    if (needs.width() <= area.width() && needs.height() <= area.height())
        return {};
    return QStringLiteral("%1: text needs %2x%3 px, has %4x%5")
        .arg(name(label)).arg(needs.width()).arg(needs.height()).arg(area.width()).arg(area.height());
}

QString buttonFault(const QAbstractButton* button)
{
    QString text = button->text();
    if (text.isEmpty())
        return {};
    text.remove(QLatin1Char('&'));
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    const QRect area = button->style()->subElementRect(contents, &option, button);
    QSize needs = lineNeeds(QFontMetrics(button->font()), text);
    if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
        needs.rwidth() += button->iconSize().width() + 4;
    if (needs.width() <= area.width() && needs.height() <= area.height())
        return {};
    return QStringLiteral("%1: text needs %2x%3 px, has %4x%5")
        .arg(name(button)).arg(needs.width()).arg(needs.height()).arg(area.width()).arg(area.height());
}

QString statusFault(const QStatusBar* bar)
{
    const QString message = bar->currentMessage();
    // The message is drawn from a small margin on the left.
    const int room = bar->width() - 8;
    const int needs = QFontMetrics(bar->font()).horizontalAdvance(message);
    if (message.isEmpty() || needs <= room)
        return {};
    return QStringLiteral("%1: text needs %2 px across, has %3").arg(name(bar)).arg(needs).arg(room);
}

// Controls whose children are their own machinery, not controls of the window.
bool composite(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QStatusBar*>(w) || qobject_cast<const QAbstractButton*>(w)
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
        if (auto* box = qobject_cast<const QGroupBox*>(w)) {
            for (const QWidget* other : frames) {
                if (other->geometry().intersects(box->geometry()))
                    faults->append(QStringLiteral("%1 overlaps %2").arg(name(box), name(other)));
            }
            frames.append(box);
            if (box->minimumSizeHint().width() > box->width())
                faults->append(QStringLiteral("%1: title needs %2 px across, has %3")
                                   .arg(name(box)).arg(box->minimumSizeHint().width()).arg(box->width()));
        }
        QString fault;
        if (auto* label = qobject_cast<const QLabel*>(w))
            fault = labelFault(label);
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            fault = buttonFault(button);
        else if (auto* bar = qobject_cast<const QStatusBar*>(w))
            fault = statusFault(bar);
        if (!fault.isEmpty())
            faults->append(fault);
        if (!composite(w))
            check(w, window, faults);
    }
}

} // namespace

QStringList layoutFaults(const QWidget* window)
{
    QStringList faults;
    if (window)
        check(window, window, &faults);
    return faults;
}

} // namespace testkit
