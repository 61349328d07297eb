// The process-wide list of port names: one entry per adapter, a blank
// followed by its description. Entries are only ever appended, so a pointer
// from GetPortName stays valid for the whole run.
#pragma once

#include <deque>
#include <string>

extern std::deque<std::string> g_PortNames;

// Appends the attached adapters; listing twice lists every adapter twice.
void EnumeratePorts();
void InitializePorts(const void* reserved);
void FinalizePorts();
int GetNumberOfPorts();
// The entry's text, or an empty string for an index outside the list.
const char* GetPortName(int index);
