#include "system/Uninstall.h"

void UninstallProgram(Prompts & /*prompts*/)
{
    // The desktop integration is not built yet.
}
