#pragma once
// A function of a system library, loaded when first asked for. Every library
// the program imports is loaded before it starts, whether or not the run
// needs it; shell32 and comdlg32 (with the libraries they import) cost
// orvane.exe's start several milliseconds under Wine, and most runs open no
// file dialog and start no program.
#include <windows.h>

namespace orvane {

// nullptr where the library or the function is missing. Both libraries
// asked for are known DLLs, which Windows loads only from its own folder.
template <class Function>
Function* systemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = LoadLibraryW(library);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace orvane
