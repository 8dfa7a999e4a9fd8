#include "platform/Dialogs.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <vector>

namespace platform {

namespace {

struct OpenBoxEntry {
    QPointer<QWidget> owner;
    bool hadOwner = false;
    std::function<void()> close;
    bool closedByProgram = false;
};

std::vector<OpenBoxEntry>& openBoxes()
{
    static std::vector<OpenBoxEntry> boxes;
    return boxes;
}

std::vector<QPointer<QObject>>& pendingDeletions()
{
    static std::vector<QPointer<QObject>> objects;
    return objects;
}

// One box from its opening to its return: registered while it is shown, and
// when the last one returns, the objects whose deletion waited for it go.
class OpenBoxScope {
public:
    OpenBoxScope()
    {
        QWidget* owner = boxOwner();
        openBoxes().push_back({owner, owner != nullptr, {}, false});
        index_ = openBoxes().size() - 1;
    }
    ~OpenBoxScope()
    {
        openBoxes().resize(index_);
        if (!openBoxes().empty())
            return;
        std::vector<QPointer<QObject>> objects;
        objects.swap(pendingDeletions());
        for (const QPointer<QObject>& object : objects) {
            if (object)
                object->deleteLater();
        }
    }
    OpenBoxScope(const OpenBoxScope&) = delete;
    OpenBoxScope& operator=(const OpenBoxScope&) = delete;
    bool closedByProgram() const { return openBoxes()[index_].closedByProgram; }

private:
    std::size_t index_ = 0;
};

int cancellingAnswer(int style)
{
    const int buttonsStyle = style & 0x0F;
    return buttonsStyle == vbYesNo ? vbNo : (buttonsStyle == vbOKOnly ? vbOK : vbCancel);
}

// A window manager cuts a title wider than its box: the box is made wide
// enough for its title in the bold face title bars use, beside the title
// bar's icon and buttons.
void widenForTitle(QMessageBox& box)
{
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) * 6 / 5 + 120;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

// A box has no parent window, which could be unloaded and deleted while the
// box waits; it stays above its window as the window manager's transient.
void keepAbove(QWidget* box)
{
    QWidget* owner = boxOwner();
    if (!owner)
        return;
    box->winId();
    if (QWindow* handle = box->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

class QtDialogs final : public Dialogs {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        QMessageBox box;
        keepAbove(&box);
        box.setWindowTitle(title);
        box.setText(prompt);
        switch (style & 0xF0) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        struct Choice {
            const char* text;
            int result;
            QMessageBox::ButtonRole role;
        };
        std::vector<Choice> choices;
        switch (style & 0x0F) {
        case vbOKCancel: choices = {{"OK", vbOK, QMessageBox::AcceptRole}, {"Annuler", vbCancel, QMessageBox::RejectRole}}; break;
        case vbYesNoCancel:
            choices = {{"Oui", vbYes, QMessageBox::YesRole}, {"Non", vbNo, QMessageBox::NoRole},
                       {"Annuler", vbCancel, QMessageBox::RejectRole}};
            break;
        case vbYesNo: choices = {{"Oui", vbYes, QMessageBox::YesRole}, {"Non", vbNo, QMessageBox::NoRole}}; break;
        default: choices = {{"OK", vbOK, QMessageBox::AcceptRole}}; break;
        }
        std::vector<std::pair<QAbstractButton*, int>> buttons;
        for (const Choice& choice : choices)
            buttons.emplace_back(box.addButton(QString::fromUtf8(choice.text), choice.role), choice.result);
        box.setDefaultButton(static_cast<QPushButton*>(buttons.front().first));
        widenForTitle(box);
        setCloseOfOpenBox([&box] { box.reject(); });
        box.exec();
        for (const auto& [button, result] : buttons) {
            if (box.clickedButton() == button)
                return result;
        }
        // Closed with Escape or the title bar: the cancelling answer of the box.
        return cancellingAnswer(style);
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        QInputDialog dialog;
        keepAbove(&dialog);
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(QStringLiteral("Annuler"));
        setCloseOfOpenBox([&dialog] { dialog.reject(); });
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }
};

} // namespace

Dialogs& Dialogs::real()
{
    static QtDialogs dialogs;
    return dialogs;
}

QString applicationTitle() { return QStringLiteral("Geomira"); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const OpenBoxScope open;
    const int answer = Seam<Dialogs>::current().msgBox(prompt, style, title.isEmpty() ? applicationTitle() : title);
    return open.closedByProgram() ? cancellingAnswer(style) : answer;
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const OpenBoxScope open;
    const QString text = Seam<Dialogs>::current().inputBox(prompt, title.isEmpty() ? applicationTitle() : title,
                                                           defaultText);
    return open.closedByProgram() ? QString() : text;
}

void setCloseOfOpenBox(std::function<void()> close)
{
    if (!openBoxes().empty())
        openBoxes().back().close = std::move(close);
}

void closeBoxesOf(QWidget* window)
{
    // Innermost first, as the user would close them.
    for (auto it = openBoxes().rbegin(); it != openBoxes().rend(); ++it) {
        const bool mine = !window || !it->hadOwner || !it->owner || it->owner == window;
        if (!mine || it->closedByProgram)
            continue;
        it->closedByProgram = true;
        if (it->close)
            it->close();
    }
}

int openBoxCount() { return int(openBoxes().size()); }

void deleteWhenNoBoxOpen(QObject* object)
{
    if (openBoxes().empty())
        object->deleteLater();
    else
        pendingDeletions().emplace_back(object);
}

QWidget* boxOwner()
{
    QWidget* active = QApplication::activeWindow();
    if (qobject_cast<FormWindow*>(active))
        return active;
    // A box over a box belongs to the window of the first one.
    for (auto it = openBoxes().rbegin(); it != openBoxes().rend(); ++it) {
        if (it->owner)
            return it->owner;
    }
    return active;
}

} // namespace platform
