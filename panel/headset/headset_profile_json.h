#pragma once
#include <json/value.h>

#include <string>

#include "headset_state.h"

// The JSON profile files of the headsets: a root object with "LightInfo" and, for the first family,
// "VoiceInfo". Reading copies only what the file has: a missing or wrongly typed object leaves its
// record as it was, a missing or wrongly typed member reads 0. Loaded values end up in range.

void ReadHeadsetLightInfo(const Json::Value& root, HeadsetLightSettings& light);
void ReadHeadsetVoiceInfo(const Json::Value& voiceInfo, HeadsetVoiceState& voice);

// Sets the record's members in the tree, replacing a root, object or array of the wrong type and
// keeping every other member.
void WriteHeadsetLightInfo(Json::Value& root, const HeadsetLightSettings& light);
void WriteHeadsetVoiceInfo(Json::Value& root, const HeadsetVoiceState& voice);

// Read-modify-write of one record into an existing profile file: false, and nothing written, when
// the file is missing or does not parse, or when the write fails.
bool SaveHeadsetLightInfo(const std::wstring& path, const HeadsetLightSettings& light);
bool SaveHeadsetVoiceInfo(const std::wstring& path, const HeadsetVoiceState& voice);

// What an import accepts: an object with a "LightInfo" object.
bool IsHeadsetProfile(const Json::Value& root);

// The tree a profile loads from. A file that is there but unreadable (refused or not parsing) stays
// as it is on disk, and the factory file's tree stands in for it, with a diagnostics line; since
// saves need a readable file, the profile's changes are not saved over it. A missing file reads
// null: its records keep what they hold.
Json::Value ReadHeadsetProfileOrFactory(const std::wstring& path, const std::wstring& factoryPath);
