#pragma once
// Loading a shared object that the program carries as a resource, so the one program file still
// holds everything it needs: the bytes go to an anonymous in-memory file, which the dynamic
// loader opens by its /proc path. Nothing is written to disk.

#include <QString>

// Opens the module embedded at `resource` (an uncompressed resource) and returns the address of
// its symbol `entry`, or nullptr with the reason in `why`. A module is loaded once and stays
// loaded until the program ends: whatever it made may be in use up to then. Main thread only.
void* embeddedModuleSymbol(const QString& resource, const char* entry, QString* why);
