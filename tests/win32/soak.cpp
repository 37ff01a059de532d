// A long session in process: 100,000 conversions, half of them with results
// that must shrink to fit, and a week of clock ticks. The window's GDI and
// USER objects and the process's private bytes stay flat.
#include "form/Layout.h"
#include "win32/Form1.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

namespace {

struct Usage {
    DWORD gdiObjects;
    DWORD userObjects;
    int windows;
    SIZE_T privateBytes;
    SIZE_T workingSet;
};

int windowCount()
{
    int count = 0;
    const auto add = [](HWND window, LPARAM counter) -> BOOL {
        ++*reinterpret_cast<int *>(counter);
        EnumChildWindows(
            window,
            [](HWND, LPARAM inner) -> BOOL {
                ++*reinterpret_cast<int *>(inner);
                return TRUE;
            },
            counter);
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), add, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Wine counts no GDI or USER objects and no private bytes (it reports
// zeros): there the windows of the thread and the working set stand in.
Usage usage()
{
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory),
                         sizeof memory);
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windowCount(),
            memory.PrivateUsage, memory.WorkingSetSize};
}

constexpr int kTicksADay = 86400; // the clock ticks once a second

// The soak runs for minutes: it says how far it is as it goes, at once, even
// into a pipe.
template <typename... Args> void progress(const char *format, Args... args)
{
    std::printf(format, args...);
    std::fflush(stdout);
}

class Soak : public testing::Test {
protected:
    void SetUp() override
    {
        m_form = std::make_unique<Form1>(GetModuleHandleW(nullptr));
        ShowWindow(m_form->hwnd(), SW_SHOWNORMAL);
        drain();
    }

    void drain()
    {
        MSG message = {};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            m_form->dispatch(message);
    }

    HWND item(std::string_view name) const
    {
        return GetDlgItem(m_form->hwnd(), form::ControlId(form::ControlNamed(name)));
    }

    // Writes the entry and clicks Convert, through the window procedure.
    void convert(std::u16string_view text)
    {
        win32::SetText(item("txtinch"), text);
        SendMessageW(m_form->hwnd(), WM_COMMAND,
                     MAKEWPARAM(form::ControlId(form::ControlNamed("cmdCalculate")), BN_CLICKED),
                     reinterpret_cast<LPARAM>(item("cmdCalculate")));
    }

    void conversions(int count)
    {
        // Even: results that fit; odd: a result that must shrink. Now and then
        // a text that is no number, which shows the notice.
        constexpr std::array<std::u16string_view, 6> texts = {
            u"1.3", u"999999", u"0.1", u"-99999", u"12.345", u".99995"};
        // The window paints, and takes the queued Backspaces, every ten.
        for (int i = 0; i < count; ++i) {
            convert(i % 1000 == 999 ? u"." : texts[static_cast<std::size_t>(i) % texts.size()]);
            if (i % 10 == 9)
                drain();
            if (i % 10000 == 9999)
                progress("%d of %d conversions\n", i + 1, count);
        }
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            SendMessageW(m_form->hwnd(), WM_TIMER, 1, 0);
            if (i % 1000 == 999)
                drain();
            if (i % kTicksADay == kTicksADay - 1)
                progress("day %d of %d of clock ticks\n", (i + 1) / kTicksADay, count / kTicksADay);
        }
    }

    // Warms up (every font size the texts need, the notice, the heap), then
    // soaks; the usage before and after the soak.
    std::pair<Usage, Usage> soak()
    {
        progress("warming up\n");
        conversions(6000);
        ticks(1000);
        const Usage before = usage();
        conversions(100000);
        ticks(7 * kTicksADay);
        const Usage after = usage();
        std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %d -> %d, "
                    "private KiB %zu -> %zu, working set KiB %zu -> %zu\n",
                    before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects,
                    before.windows, after.windows, before.privateBytes / 1024,
                    after.privateBytes / 1024, before.workingSet / 1024, after.workingSet / 1024);
        return {before, after};
    }

    std::unique_ptr<Form1> m_form;
};

} // namespace

TEST_F(Soak, MemoryStaysFlat)
{
    const auto [before, after] = soak();
    EXPECT_EQ(after.windows, before.windows);
    constexpr SIZE_T kSlack = 512 * 1024; // the heap's own rounding, not growth
    EXPECT_LE(after.privateBytes, before.privateBytes + kSlack);
    EXPECT_LE(after.workingSet, before.workingSet + kSlack);
}

TEST_F(Soak, GdiAndUserObjectsStayFlat)
{
    // A window that is up holds GDI and USER objects: zeros mean that they are
    // not counted here, and a check of them could not fail.
    const Usage up = usage();
    if (up.gdiObjects == 0 && up.userObjects == 0)
        GTEST_SKIP() << "GDI and USER objects are not counted here";
    const auto [before, after] = soak();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
}
