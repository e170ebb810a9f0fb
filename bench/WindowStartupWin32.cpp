// Start-up time and memory of a Windows GUI program: from starting its process to its window
// shown and painted, and its peak working set by then. Measures two programs in turns, in the
// same run, and prints the medians and their ratios against the targets (at most 1.2 times
// the second program, both figures). bench/window-startup-windows runs it under wine.
//
// Usage: window_startup.exe RUNS PROGRAM.exe FLOOR.exe

#include <windows.h>

// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPatience = 30'000;  // milliseconds
constexpr double kTarget = 1.2;

struct Sample {
    double milliseconds;
    double kibibytes;
};

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM argument) {
    auto* search = reinterpret_cast<Search*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible top-level window of `process`, or nullptr.
HWND WindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether `window` and every child of it has been painted (no part waits to be drawn).
bool Painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Painted(child)) {
            return false;
        }
    }
    return true;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One start of `program`: the time until its window is shown and painted (the program then
// waits for input), its peak working set by then; then it is closed.
bool Measure(const std::wstring& program, Sample& sample) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(process.hProcess, kPatience);
    HWND window = nullptr;
    for (DWORD waited = 0; waited < kPatience; ++waited) {
        window = WindowOf(process.dwProcessId);
        if (window != nullptr && Painted(window)) {
            break;
        }
        Sleep(1);
    }
    LARGE_INTEGER shown{};
    QueryPerformanceCounter(&shown);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (window == nullptr) {
        std::fprintf(stderr, "%ls showed no window\n", program.c_str());
        return false;
    }
    sample = {Seconds(start, shown) * 1000, static_cast<double>(memory.PeakWorkingSetSize) / 1024};
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: window_startup RUNS PROGRAM.exe FLOOR.exe\n");
        return EXIT_FAILURE;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring programs[2] = {argv[2], argv[3]};
    std::vector<double> milliseconds[2];
    std::vector<double> kibibytes[2];
    // One unmeasured start of each, so that both find their files in the cache.
    for (const std::wstring& program : programs) {
        Sample unused{};
        if (!Measure(program, unused)) {
            return EXIT_FAILURE;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < 2; ++p) {
            Sample sample{};
            if (!Measure(programs[p], sample)) {
                return EXIT_FAILURE;
            }
            milliseconds[p].push_back(sample.milliseconds);
            kibibytes[p].push_back(sample.kibibytes);
        }
    }
    const double time[2] = {Median(milliseconds[0]), Median(milliseconds[1])};
    const double memory[2] = {Median(kibibytes[0]), Median(kibibytes[1])};
    std::printf("Medians of %d runs each\n", runs);
    std::printf("%-24s %14s %18s\n", "", "start-up ms", "peak working set KiB");
    std::printf("%-24s %14.1f %18.0f\n", "quorvane.exe", time[0], memory[0]);
    std::printf("%-24s %14.1f %18.0f\n", "bare Win32 window", time[1], memory[1]);
    std::printf("start-up ratio %.3f (target <= %.1f): %s\n", time[0] / time[1], kTarget,
                time[0] / time[1] <= kTarget ? "met" : "MISSED");
    std::printf("memory ratio   %.3f (target <= %.1f): %s\n", memory[0] / memory[1], kTarget,
                memory[0] / memory[1] <= kTarget ? "met" : "MISSED");
    return EXIT_SUCCESS;
}
