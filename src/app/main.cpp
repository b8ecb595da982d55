#include "app/allwindows.h"
#include "foundation/startup.h"

int main(int argc, char** argv)
{
    RegisterAllWindows();
    return RunProgram(argc, argv);
}
