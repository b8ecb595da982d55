#include "admin/adminwindows.h"
#include "foundation/startup.h"

int main(int argc, char** argv)
{
    RegisterAdminWindows();
    return RunProgram(argc, argv);
}
