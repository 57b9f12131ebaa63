#pragma once
#include <string>

// Names of the K27 profiles' voice INI files ([VOICEPROFILENAME] i in "hsK27Profile.ini", the file
// being the name followed by ".ini" in the family's folder).

// The voice INI name of a copy that becomes profile number `count` (counted from 1):
// "voiceprofile" followed by count - 1 and "copy", with "copy" appended again while a
// [VOICEPROFILENAME] entry of the index or a file of the folder has the name, so that a copy never
// shares another profile's voice INI (after a delete, "voiceprofile2copy" may be taken already).
std::wstring HeadsetK27CopyVoiceName(const std::wstring& folder, int count);
