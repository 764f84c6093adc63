// A stand-in for a task or a browser in the black-box runs under Wine: it
// appends its command line to a file named after itself ("task.exe" writes
// "task.txt" beside it) and ends. A window program, so starting it opens no
// console.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path.replace(path.rfind(L'.'), std::wstring::npos, L".txt");
    const wchar_t* line = ::GetCommandLineW();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    std::ofstream(std::filesystem::path(path), std::ios::app) << utf8 << "\n";
    return 0;
}
