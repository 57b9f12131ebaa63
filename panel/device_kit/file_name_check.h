#pragma once
#include <string>

// Whether a name that the user gives a profile, macro or preset can become a file name in a data
// folder as it stands: not empty, none of \ / : * ? " < > | or a control character, not "." or
// "..", no trailing space or dot, and not a name that Windows keeps for a device (CON, NUL, COM1,
// ...), which would send the file's bytes to that device.
bool IsUsableAsFileName(const std::wstring& name);
