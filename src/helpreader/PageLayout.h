#pragma once
// Lays a help page out as the help window will, where a page that takes too long costs nothing.
#include "platform/HelpContent.h"

namespace helpreader {

// Qt's layout cannot be interrupted: each page is laid out in a child process, killed when its time
// is up. Needs a QGuiApplication and no other thread.
class PageLayout {
public:
    // Loads the fonts here once, rather than in every child.
    PageLayout();
    // Whether the page (or anything else the help window could open as one) at `path` of `help`, with
    // its style sheets and pictures, is laid out at the help window's width within `budgetMs`.
    bool laysOutInTime(const platform::HelpContent& help, const QString& path, int budgetMs) const;
};

// The time a page may take: what the help window then spends on it keeps the program answering.
constexpr int PageLayoutBudgetMs = 1000;

} // namespace helpreader
