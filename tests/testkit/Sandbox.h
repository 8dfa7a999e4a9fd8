#pragma once
// A clean stage for a window test: every window unloaded, recording fakes of
// every platform service installed, an empty application folder. Undone, in
// the reverse order, when it goes.
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "testkit/FakePlatform.h"

#include <QTemporaryDir>

namespace testkit {

class Sandbox {
public:
    Sandbox()
    {
        win::UnloadAll();
        flushDeletes();
        platform::setAppPath(folder.path());
    }
    ~Sandbox()
    {
        win::UnloadAll();
        flushDeletes();
        platform::setAppPath(QString());
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    FakePlatform fake;
    QTemporaryDir folder;
};

} // namespace testkit
