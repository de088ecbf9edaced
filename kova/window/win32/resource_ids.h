// Resource identifiers of kova.exe, for the resource script and the program.
#pragma once

#define KOVA_ICON 1
