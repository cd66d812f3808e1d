#pragma once
// The driver's view of an executable's icon and version (see
// resources_reader.cpp).

// Prints them; 1 when the file cannot be read as a module.
int PrintExeResources(const wchar_t* exe);
