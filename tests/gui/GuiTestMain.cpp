#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit;
    return RUN_ALL_TESTS();
}
