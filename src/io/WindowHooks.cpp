#include "WindowHooks.h"

WindowHooks &windowHooks()
{
    static WindowHooks hooks;
    return hooks;
}
