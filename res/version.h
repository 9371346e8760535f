// The program's version: one place for the version resource and the code.
#pragma once

#define KX_VERSION_MAJOR 1
#define KX_VERSION_MINOR 15
#define KX_VERSION_COMMA 1, 15, 0, 0
#define KX_VERSION_TEXT "1.15.0.0"
