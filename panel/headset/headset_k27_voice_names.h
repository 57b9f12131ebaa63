#pragma once
#include <string>

#include "profile_list_view.h"

// Names of the K27 profiles' voice INI files ([VOICEPROFILENAME] i in "hsK27Profile.ini", the file
// being the name followed by ".ini" in the family's folder).

// The voice INI name of a copy that becomes profile number `count` (counted from 1):
// "voiceprofile" followed by count - 1 and "copy", with "copy" appended again while a
// [VOICEPROFILENAME] entry of the index or a file of the folder has the name, so that a copy never
// shares another profile's voice INI (after a delete, "voiceprofile2copy" may be taken already).
std::wstring HeadsetK27CopyVoiceName(const std::wstring& folder, int count);

// The voice INI name of a profile just made at `index` (counted from 0) under `profileName`:
// "voiceprofile1" for a first run's profile, "voice" followed by the name for an added one, and
// HeadsetK27CopyVoiceName for a copy.
std::wstring HeadsetK27VoiceName(const std::wstring& folder, ProfileListView::ItemOrigin origin, int index,
                                 const std::wstring& profileName);

// Whether a profile's voice INI may take `name` (without regard to case): "voiceprofile", digits,
// and "copy" any number of times. Every name above has that form, since the list's own names are
// "profile" followed by a number; another file of the folder must not take one.
bool IsHeadsetK27VoiceName(const std::wstring& name);
