#include "headset_profile_json.h"

#include <cstring>
#include <limits>

#include <windows.h>

#include "diagnostics.h"
#include "profile_store.h"

namespace {
const char* const kBandNames[kHeadsetBandCount] = {"125hz", "250hz", "500hz", "1khz",
                                                   "2khz",  "4khz",  "8khz",  "16khz"};

const Json::Value& NullValue() {
  static const Json::Value null;
  return null;
}

const Json::Value& Member(const Json::Value& object, const char* name) {
  if (!object.isObject()) return NullValue();
  const Json::Value* found = object.find(name, name + strlen(name));
  return found ? *found : NullValue();
}

const Json::Value& Element(const Json::Value& array, Json::ArrayIndex index) {
  return array.isArray() && index < array.size() ? array[index] : NullValue();
}

// Any number as a 32-bit integer (larger integers keep their low bits), true and false as 1 and 0;
// every other type reads 0.
int32_t Number(const Json::Value& value) {
  if (value.isBool()) return value.asBool() ? 1 : 0;
  if (value.isInt64()) return static_cast<int32_t>(value.asInt64());
  if (value.isUInt64()) return static_cast<int32_t>(value.asUInt64());
  if (value.isDouble()) {
    const double number = value.asDouble();
    const bool fits = number > std::numeric_limits<int32_t>::min() - 1.0 &&
                      number < std::numeric_limits<int32_t>::max() + 1.0;
    return fits ? static_cast<int32_t>(number) : 0;
  }
  return 0;
}

// Any number but 0 is on (0.5 too); true and false read as numbers do.
bool Flag(const Json::Value& value) {
  if (value.isBool()) return Number(value) != 0;
  return value.isNumeric() ? value.asDouble() != 0 : false;
}

uint8_t Byte(const Json::Value& value) { return static_cast<uint8_t>(Number(value)); }

Json::Value& Object(Json::Value& parent, const char* name) {
  Json::Value& child = parent[name];
  if (!child.isObject()) child = Json::Value(Json::objectValue);
  return child;
}

Json::Value& ArrayObject(Json::Value& parent, const char* name, Json::ArrayIndex index) {
  Json::Value& array = parent[name];
  if (!array.isArray()) array = Json::Value(Json::arrayValue);
  Json::Value& element = array[index];
  if (!element.isObject()) element = Json::Value(Json::objectValue);
  return element;
}

void MakeObject(Json::Value& root) {
  if (!root.isObject()) root = Json::Value(Json::objectValue);
}

template <typename Record>
bool Save(const std::wstring& path, const Record& record,
          void (*write)(Json::Value&, const Record&)) {
  Json::Value root = ReadJsonFile(path);
  if (root.isNull()) return false;
  write(root, record);
  return WriteJsonFile(path, root) == 0;
}
}  // namespace

void ReadHeadsetLightInfo(const Json::Value& root, HeadsetLightSettings& light) {
  const Json::Value& info = Member(root, "LightInfo");
  if (!info.isObject()) return;
  light.blue = Byte(Member(info, "Blue"));
  light.green = Byte(Member(info, "Green"));
  light.red = Byte(Member(info, "Red"));
  light.brightness = Byte(Member(info, "Light"));
  light.multicolour = Flag(Member(info, "MultiColor")) ? 1 : 0;
  light.mode = Byte(Member(info, "SelectItem"));
  light.speed = Byte(Member(info, "Speed"));
  light.direction = Byte(Member(info, "Direction"));
  BoundHeadsetLight(light);
}

void ReadHeadsetVoiceInfo(const Json::Value& info, HeadsetVoiceState& voice) {
  if (!info.isObject()) return;
  voice.master = Number(Member(info, "master"));
  voice.right = Number(Member(info, "right"));
  voice.left = Number(Member(info, "left"));
  voice.micVolume = Number(Member(info, "micvol"));
  voice.selectedScene = Number(Member(info, "eqselect"));
  voice.virtualOn = Number(Member(info, "virtual"));
  voice.selectedSpeaker = Number(Member(info, "distance"));
  voice.noiseCancelling = Flag(Member(info, "enc")) ? 1 : 0;
  for (Json::ArrayIndex i = 0; i < kHeadsetSpeakerCount; ++i) {
    voice.distance[i] = Number(Member(Element(Member(info, "disvalue"), i), "value"));
    voice.angle[i] = Number(Member(Element(Member(info, "Anvalue"), i), "value"));
  }
  for (Json::ArrayIndex i = 0; i < kHeadsetSceneCount; ++i) {
    const Json::Value& source = Element(Member(info, "eqinfo"), i);
    HeadsetSoundScene& scene = voice.scenes[i];
    scene.threeD = Number(Member(source, "3d"));
    scene.soundMode = Number(Member(source, "soundmode"));
    scene.soundField = Number(Member(source, "soundfield"));
    for (int band = 0; band < kHeadsetBandCount; ++band)
      scene.bands[band] = Number(Member(source, kBandNames[band]));
  }
  BoundHeadsetVoice(voice);
}

void WriteHeadsetLightInfo(Json::Value& root, const HeadsetLightSettings& light) {
  MakeObject(root);
  Json::Value& info = Object(root, "LightInfo");
  info["Blue"] = light.blue;
  info["Green"] = light.green;
  info["Light"] = light.brightness;
  info["MultiColor"] = light.multicolour ? 1 : 0;
  info["Red"] = light.red;
  info["SelectItem"] = light.mode;
  info["Speed"] = light.speed;
  info["Direction"] = light.direction;
}

void WriteHeadsetVoiceInfo(Json::Value& root, const HeadsetVoiceState& voice) {
  MakeObject(root);
  Json::Value& info = Object(root, "VoiceInfo");
  info["master"] = voice.master;
  info["right"] = voice.right;
  info["left"] = voice.left;
  info["micvol"] = voice.micVolume;
  info["eqselect"] = voice.selectedScene;
  info["virtual"] = voice.virtualOn;
  info["distance"] = voice.selectedSpeaker;
  info["enc"] = voice.noiseCancelling ? 1 : 0;
  for (Json::ArrayIndex i = 0; i < kHeadsetSpeakerCount; ++i) {
    ArrayObject(info, "disvalue", i)["value"] = voice.distance[i];
    ArrayObject(info, "Anvalue", i)["value"] = voice.angle[i];
  }
  for (Json::ArrayIndex i = 0; i < kHeadsetSceneCount; ++i) {
    Json::Value& target = ArrayObject(info, "eqinfo", i);
    const HeadsetSoundScene& scene = voice.scenes[i];
    target["3d"] = scene.threeD;
    target["soundmode"] = scene.soundMode;
    target["soundfield"] = scene.soundField;
    for (int band = 0; band < kHeadsetBandCount; ++band) target[kBandNames[band]] = scene.bands[band];
  }
}

bool SaveHeadsetLightInfo(const std::wstring& path, const HeadsetLightSettings& light) {
  return Save(path, light, WriteHeadsetLightInfo);
}

bool SaveHeadsetVoiceInfo(const std::wstring& path, const HeadsetVoiceState& voice) {
  return Save(path, voice, WriteHeadsetVoiceInfo);
}

bool IsHeadsetProfile(const Json::Value& root) { return Member(root, "LightInfo").isObject(); }

Json::Value ReadHeadsetProfileOrFactory(const std::wstring& path, const std::wstring& factoryPath) {
  Json::Value root = ReadJsonFile(path);
  if (!root.isNull() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return root;
  DebugLine(L"headset profile unreadable, kept as it is; factory settings used: " + path);
  return ReadJsonFile(factoryPath);
}
