#include "foundation/startup.h"
#include "masterdata/registration.h"

int main(int argc, char** argv)
{
    RegisterMasterDataWindows();
    return RunProgram(argc, argv);
}
