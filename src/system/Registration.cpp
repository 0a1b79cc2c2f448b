#include "system/Registration.h"

void RegisterProgram(Prompts & /*prompts*/)
{
    // The desktop integration is not built yet.
}
