#pragma once
// What the program sets up before its first window: French texts of Qt's own
// dialogs, the user's locale, the fonts of the designs.
class QApplication;

void PrepareApplication(QApplication& app);
