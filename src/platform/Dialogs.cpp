#include "platform/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

class QtDialogs final : public Dialogs {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        QMessageBox box(QApplication::activeWindow());
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
        box.exec();
        for (const auto& [button, result] : buttons) {
            if (box.clickedButton() == button)
                return result;
        }
        // Closed with Escape or the title bar: the cancelling answer of the box.
        const int buttonsStyle = style & 0x0F;
        return buttonsStyle == vbYesNo ? vbNo : (buttonsStyle == vbOKOnly ? vbOK : vbCancel);
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(QStringLiteral("Annuler"));
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
    return Seam<Dialogs>::current().msgBox(prompt, style, title.isEmpty() ? applicationTitle() : title);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return Seam<Dialogs>::current().inputBox(prompt, title.isEmpty() ? applicationTitle() : title, defaultText);
}

} // namespace platform
