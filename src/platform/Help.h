#pragma once
// The help viewer: shows a compiled help file (.chm) at its default topic.
#include "platform/Seam.h"
#include <QString>

class QWidget;

namespace platform {

class Help {
public:
    virtual ~Help() = default;
    // Opens the help file at its default topic in a help window owned by
    // `owner`. A missing or unreadable file is reported to the user in a
    // message box; it never ends the program.
    virtual void show(QWidget* owner, const QString& chmPath) = 0;
    static Help& real();
};

// The help reader program (geomira-helpreader), which reads help files apart from this process:
// in the application folder, beside the program.
QString helpReaderProgram();
// How long the reader may take before it is killed and the file reported damaged (tests shorten
// it; 0 restores the program's own).
void setHelpReadTimeLimit(int milliseconds);

// Opens the help file `file` at its default topic; one routine for every help button.
inline void AfficheAide(QWidget* owner, const QString& file) { Seam<Help>::current().show(owner, file); }

} // namespace platform
