#pragma once
#include <string>

// Whether a name that the user gives a profile, macro or preset can become a file name in a data
// folder as it stands: not empty, none of \ / : * ? " < > | or a control character, not "." or
// "..", no trailing space or dot, and not a name that Windows keeps for a device (CON, NUL, COM1,
// ...), which would send the file's bytes to that device. It must also read back unchanged from
// the INI index files that list it: no leading space, not wrapped in single quotes.
bool IsUsableAsFileName(const std::wstring& name);
