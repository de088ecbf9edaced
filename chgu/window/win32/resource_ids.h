// Resource identifiers of chgu.exe, for the resource script and the program.
#pragma once

#define CHGU_ICON 1
