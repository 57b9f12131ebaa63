#pragma once
#include <string>

// Whether a name that the user gives a profile, macro or preset can become a file name in a data
// folder as it stands: not empty, none of \ / : * ? " < > | or a control character, not "." or
// "..", no trailing space or dot, and not a name that Windows keeps for a device (CON, NUL, COM1,
// ...), which would send the file's bytes to that device. It must also read back unchanged from
// the INI index files that list it: no leading space, not wrapped in single quotes.
bool IsUsableAsFileName(const std::wstring& name);

// The file `name` + `extension` in `folder` (ending in a backslash), for a name read back from a
// file: it passes the check of a typed name, so the path stays inside the folder. A refused name
// gives an empty path, which every file call of the panel refuses, and a diagnostics line.
std::wstring FileInFolder(const std::wstring& folder, const std::wstring& name, const std::wstring& extension);
