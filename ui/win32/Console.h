#pragma once
// The console that started orvane.exe, for the answers of its command line.
// Output already sent to a file or pipe stays there; started from a
// console, the program writes to it; started from Explorer, it has none and
// opens none.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

namespace orvane {

class ParentConsole {
public:
    ParentConsole()
    {
        // "--save -" writes the configuration file's own bytes, CR LF included.
        binary();
        if (redirected(STD_OUTPUT_HANDLE) && redirected(STD_ERROR_HANDLE))
            return;
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        attached_ = true;
        SetConsoleOutputCP(CP_UTF8);
        if (!redirected(STD_OUTPUT_HANDLE)) {
            std::freopen("CONOUT$", "w", stdout);
            binary();
        }
        if (!redirected(STD_ERROR_HANDLE))
            std::freopen("CONOUT$", "w", stderr);
        std::cout.clear();
        std::cerr.clear();
    }
    ~ParentConsole()
    {
        std::cout.flush();
        std::cerr.flush();
        if (attached_)
            FreeConsole();
    }
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;

private:
    // Started from Explorer, standard output has no descriptor to change.
    static void binary()
    {
        if (const int fd = _fileno(stdout); fd >= 0)
            _setmode(fd, _O_BINARY);
    }

    static bool redirected(DWORD which)
    {
        HANDLE handle = GetStdHandle(which);
        return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN &&
               GetFileType(handle) != FILE_TYPE_CHAR;
    }

    bool attached_ = false;
};

} // namespace orvane
