#pragma once
// <windows.h> for the binding. Its A/W macros MessageBox and DrawText would
// rename the forms layer's methods of the same names in some translation
// units only, so they go; the binding calls the W functions by name.

#include <windows.h>

#undef MessageBox
#undef DrawText
