#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

// The tests run with the common controls and COM set up as the program sets
// them up.
int main(int argc, char **argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
